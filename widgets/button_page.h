// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <vector>

class QGridLayout;
class QGroupBox;
class QPushButton;

namespace erakon {

// A page of command buttons stacked in the left half of a grid, one row each,
// optionally inside a captioned group. The window's file and help pages are
// made of it.
class ButtonPage : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ButtonPage)

public:
    struct Command {
        const char* name; // the button's object name
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

} // namespace erakon
