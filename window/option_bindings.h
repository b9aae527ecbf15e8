// SPDX-License-Identifier: MIT
#pragma once

#include "settings/option_table.h"

#include <QList>

class QAbstractButton;
class QAction;
class QLineEdit;

namespace erakon {

class OptionsModel;
class RadioGroup;
class YearBox;

// Two-way bindings of a control to one option. The control shows the option
// from the start, follows every change of it, and sets it on every change of
// its own, the user's and the program's alike. Each side is set only where it
// differs, so neither echoes the other: a box the user is typing in keeps
// what is typed, and a change runs the option's handlers once.

// A check box (its toggled state) and a flag.
void bindCheckBox(QAbstractButton* box, OptionsModel& options, bool OptionSettings::*flag);
// A checkable menu item and a flag.
void bindCheckAction(QAction* action, OptionsModel& options, bool OptionSettings::*flag);
// A line edit and a text.
void bindLineEdit(QLineEdit* edit, OptionsModel& options, QString OptionSettings::*text);
// A year box and a number: an empty box holds 0. Give the box the range of
// the number's row: a value typed beyond it stays in the box while the
// option holds the nearer limit.
void bindYearBox(YearBox* box, OptionsModel& options, int OptionSettings::*number);
// A radio group and an item index (-1: none).
void bindRadioGroup(RadioGroup* group, OptionsModel& options, int OptionSettings::*index);
// Radio items of a menu and an item index: item i is checked for the value i,
// and a value no item stands for checks the last one. Choosing an item sets
// its index, also when it is checked already.
void bindRadioActions(const QList<QAction*>& items, OptionsModel& options, int OptionSettings::*index);
// Two radio buttons and a sex: the one checked names it.
void bindSexButtons(QAbstractButton* maleButton, QAbstractButton* femaleButton, OptionsModel& options,
                    Sex OptionSettings::*sex);

} // namespace erakon
