// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <vector>

class QGridLayout;
class QGroupBox;
class QPushButton;

namespace erakon {

// A page of command buttons stacked in the left half of a grid, one row each.
// The file page puts them into a captioned group; the help page does not.
class ButtonPage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ButtonPage)

public:
    struct Command {
        const char* name;
        QString caption;
        QString hint;
    };

    // With a group caption the buttons sit in a group box named groupName.
    ButtonPage(const std::vector<Command>& commands, int rows, const QString& groupName, const QString& groupCaption,
               const QString& groupHint, QWidget* parent = nullptr);

    QPushButton* button(const char* name) const;
    QGroupBox* group() const { return m_group; }

private:
    QGroupBox* m_group = nullptr;
};

// The page "ファイル": the three shortcut buttons in GroupBox2.
ButtonPage* createFilePage(QWidget* parent);
// The page "ヘルプ": help, about, properties, donation and home site buttons.
ButtonPage* createHelpPage(QWidget* parent);

} // namespace erakon
