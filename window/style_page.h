// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QListWidget;

namespace erakon {

class OptionsModel;
class StyleService;

// The page "スタイル": the names of every visual style, sorted without regard
// to case. The user's choice of a name sets the style option, which applies
// it (style_choice.h); what the program selects applies nothing.
class StylePage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StylePage)

public:
    StylePage(StyleService& styles, OptionsModel& options, QWidget* parent = nullptr);

    // Entering the page: the active style selected and shown about in the
    // middle of the list.
    void selectActiveStyle();

private:
    void fillStyleList();
    void addStyleName(const QString& name);

    StyleService& m_styles;
    QListWidget* m_styleList;
};

} // namespace erakon
