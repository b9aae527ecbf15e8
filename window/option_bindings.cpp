// SPDX-License-Identifier: MIT
#include "window/option_bindings.h"

#include "widgets/radio_group.h"
#include "widgets/year_box.h"
#include "window/options_model.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>

#include <algorithm>
#include <utility>

namespace erakon {
namespace {

// Shows the option on the control now and after every change of it. The
// control is the connection's context: a control that is gone hears nothing.
template <typename T, typename Show>
void showOption(QObject* control, OptionsModel& options, T OptionSettings::*field, Show show)
{
    show(options.value(field));
    const OptionKey key = OptionsModel::keyOf(field);
    QObject::connect(&options, &OptionsModel::changed, control, [&options, field, key, show](OptionKey changed) {
        if (changed == key)
            show(options.value(field));
    });
}

} // namespace

void bindCheckBox(QAbstractButton* box, OptionsModel& options, bool OptionSettings::*flag)
{
    showOption(box, options, flag, [box](bool on) { box->setChecked(on); });
    // toggled comes with every change of the state and never when it stays.
    QObject::connect(box, &QAbstractButton::toggled, &options, [&options, flag](bool on) { options.set(flag, on); });
}

void bindCheckAction(QAction* action, OptionsModel& options, bool OptionSettings::*flag)
{
    showOption(action, options, flag, [action](bool on) { action->setChecked(on); });
    QObject::connect(action, &QAction::toggled, &options, [&options, flag](bool on) { options.set(flag, on); });
}

void bindLineEdit(QLineEdit* edit, OptionsModel& options, QString OptionSettings::*text)
{
    // Setting the same text again would move the caret and forget the undo steps.
    showOption(edit, options, text, [edit](const QString& value) {
        if (edit->text() != value)
            edit->setText(value);
    });
    QObject::connect(edit, &QLineEdit::textChanged, &options,
                     [&options, text](const QString& value) { options.set(text, value); });
}

void bindYearBox(YearBox* box, OptionsModel& options, int OptionSettings::*number)
{
    // A value typed beyond the box's range is kept while the user types; the
    // model takes it limited to the range, and a box whose limited value is
    // the option's is left as it is.
    showOption(box, options, number, [box](int value) {
        if (std::clamp(box->intValue(), int(box->minValue()), int(box->maxValue())) != value)
            box->setValue(value);
    });
    QObject::connect(box, &YearBox::changed, &options,
                     [box, &options, number] { options.set(number, box->intValue()); });
}

void bindRadioGroup(RadioGroup* group, OptionsModel& options, int OptionSettings::*index)
{
    showOption(group, options, index, [group](int value) { group->setItemIndex(value); });
    QObject::connect(group, &RadioGroup::itemIndexChanged, &options,
                     [&options, index](int value) { options.set(index, value); });
}

void bindRadioActions(const QList<QAction*>& items, OptionsModel& options, int OptionSettings::*index)
{
    if (items.isEmpty())
        return;
    showOption(items.first(), options, index, [items](int value) {
        QAction* item = value >= 0 && value < items.size() ? items[value] : items.last();
        item->setChecked(true);
    });
    for (int i = 0; i < items.size(); ++i) {
        QObject::connect(items[i], &QAction::triggered, &options, [&options, index, i] { options.set(index, i); });
    }
}

void bindSexButtons(QAbstractButton* maleButton, QAbstractButton* femaleButton, OptionsModel& options,
                    Sex OptionSettings::*sex)
{
    showOption(maleButton, options, sex, [maleButton, femaleButton](Sex value) {
        (value == Sex::Female ? femaleButton : maleButton)->setChecked(true);
    });
    // Only the button that becomes checked speaks: the other one's release
    // of its check would name the sex it no longer stands for.
    for (const auto& [button, value] : {std::pair{maleButton, Sex::Male}, std::pair{femaleButton, Sex::Female}}) {
        QObject::connect(button, &QAbstractButton::toggled, &options, [&options, sex, value = value](bool checked) {
            if (checked)
                options.set(sex, value);
        });
    }
}

} // namespace erakon
