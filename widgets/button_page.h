// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <vector>

class QAction;
class QGroupBox;

namespace erakon {

// A page of command buttons stacked in the left half of a grid, one row each,
// optionally inside a captioned group. Each button triggers its command's
// action, which a menu may show too. The window's file and help pages are
// made of it.
class ButtonPage : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ButtonPage)

public:
    struct Command {
        const char* name; // the button's object name
        QString caption; // the button's own, which may differ from the action's text
        QString hint;
        QAction* action;
    };

    // With a group caption the buttons sit in a group box named groupName.
    ButtonPage(const std::vector<Command>& commands, int rows, const QString& groupName, const QString& groupCaption,
               const QString& groupHint, QWidget* parent = nullptr);

    QGroupBox* group() const { return m_group; }

private:
    QGroupBox* m_group = nullptr;
};

} // namespace erakon
