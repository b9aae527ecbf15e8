// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QListWidget;

namespace erakon {

class Messages;
class OptionsModel;
class StyleService;

// The page "スタイル": the names of every visual style, sorted without regard
// to case, and the applying of a style. The user's choice of a name sets the
// style option; what the program selects applies nothing.
class StylePage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StylePage)

public:
    // Errors of the style service are shown through messages.
    StylePage(StyleService& styles, Messages& messages, OptionsModel& options, QWidget* parent = nullptr);

    // Entering the page: the active style selected and shown about in the
    // middle of the list.
    void selectActiveStyle();

    // Applies the listed style of that name (matched without regard to case)
    // to the whole program, or keeps the active style when the list has no
    // such name. Returns the active style's own name.
    QString applyStyleNamed(const QString& name);

private:
    void fillStyleList();
    void addStyleName(const QString& name);

    void applyStyle(const QString& name);

    StyleService& m_styles;
    Messages& m_messages;
    QListWidget* m_styleList;
};

} // namespace erakon
