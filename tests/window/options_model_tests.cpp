// SPDX-License-Identifier: MIT
// The options model and the bindings of controls to it.
#include "window/options_model.h"

#include "widgets/radio_group.h"
#include "widgets/year_box.h"
#include "window/option_bindings.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <variant>
#include <vector>

namespace erakon {
namespace {

// Every field of the options is found by the key of its row.
constexpr bool everyFieldHasItsKey()
{
    for (const OptionEntry& entry : kOptionTable) {
        const bool found = std::visit([&](auto field) { return OptionsModel::keyOf(field) == entry.key; }, entry.field);
        if (!found)
            return false;
    }
    return true;
}
static_assert(everyFieldHasItsKey());

std::vector<OptionKey> changedKeys(const QSignalSpy& spy)
{
    std::vector<OptionKey> keys;
    for (const QList<QVariant>& arguments : spy)
        keys.push_back(arguments.at(0).value<OptionKey>());
    return keys;
}

TEST(OptionsModelTest, SaysOnlyRealChanges)
{
    OptionsModel options(OptionSettings{});
    QSignalSpy changed(&options, &OptionsModel::changed);
    options.set(&OptionSettings::showBold, false);
    options.set(&OptionSettings::userEraName, options.values().userEraName);
    EXPECT_EQ(changed.count(), 0);

    options.set(&OptionSettings::showBold, true);
    options.set(&OptionSettings::showBold, true);
    options.set(&OptionSettings::userEraOrigin, 1603);
    EXPECT_EQ(changedKeys(changed), (std::vector{OptionKey::ShowBold, OptionKey::AddYear}));
    EXPECT_TRUE(options.values().showBold);
    EXPECT_EQ(options.values().userEraOrigin, 1603);
}

// A number stays within its row's least and most, whichever way it comes:
// the settings file reads it so, and a close writes what the model holds.
TEST(OptionsModelTest, KeepsEveryNumberWithinItsRange)
{
    struct Case {
        const char* name;
        int OptionSettings::*field;
        int value;
        int kept;
    };
    for (const Case& c : {Case{"origin beyond its most", &OptionSettings::userEraOrigin, 12345, kUserEraOriginMax},
                          Case{"origin below its least", &OptionSettings::userEraOrigin, -1, kUserEraOriginMin},
                          Case{"origin within", &OptionSettings::userEraOrigin, 1603, 1603},
                          Case{"minimise choice beyond", &OptionSettings::minimize, 7, kMinimizeToTray},
                          Case{"minimise choice below", &OptionSettings::minimize, -2, kMinimizeToNone}}) {
        OptionsModel options(OptionSettings{});
        options.set(c.field, c.value);
        EXPECT_EQ(options.values().*c.field, c.kept) << c.name << ", set";

        OptionSettings loaded;
        loaded.*c.field = c.value;
        OptionsModel fromFile(OptionSettings{});
        fromFile.load(loaded);
        EXPECT_EQ(fromFile.values().*c.field, c.kept) << c.name << ", loaded";
    }
}

// A number set to a value beyond its range that the model already holds as
// the limit is no change.
TEST(OptionsModelTest, ANumberBeyondTheLimitItHoldsIsNoChange)
{
    OptionsModel options(OptionSettings{});
    options.set(&OptionSettings::userEraOrigin, kUserEraOriginMax);
    QSignalSpy changed(&options, &OptionsModel::changed);
    options.set(&OptionSettings::userEraOrigin, 12345);
    EXPECT_EQ(changed.count(), 0);
}

// A field without a row has no key: asking for one stops the program with a
// message, rather than answering with another option's key.
TEST(OptionsModelDeathTest, FieldWithoutARowStopsTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    bool OptionSettings::*const withoutRow = nullptr;
    EXPECT_DEATH(OptionsModel::keyOf(withoutRow), "no row in kOptionTable");
}

// Loading says each option that differs, in the order the file is read: the
// user era's origin before the hints, the style last.
TEST(OptionsModelTest, LoadingSaysTheChangesInReadingOrder)
{
    OptionsModel options(OptionSettings{});
    QSignalSpy changed(&options, &OptionsModel::changed);
    OptionSettings loaded;
    loaded.styleName = QStringLiteral("Carbon");
    loaded.showHint = true;
    loaded.userEraOrigin = 1603;
    loaded.showEto = true;
    options.load(loaded);
    EXPECT_EQ(changedKeys(changed),
              (std::vector{OptionKey::ShowEto, OptionKey::AddYear, OptionKey::ShowHint, OptionKey::StyleName}));
    EXPECT_EQ(options.values(), loaded);

    changed.clear();
    options.load(loaded);
    EXPECT_EQ(changed.count(), 0);
}

class OptionBindingTest : public ::testing::Test {
protected:
    OptionsModel options{OptionSettings{}};
    QSignalSpy changed{&options, &OptionsModel::changed};
};

// A check box and a menu item bound to one flag: either side's change reaches
// the other and says the change once.
TEST_F(OptionBindingTest, CheckBoxAndMenuItemFollowEachOther)
{
    QCheckBox box;
    QAction item;
    item.setCheckable(true);
    bindCheckBox(&box, options, &OptionSettings::showEto);
    bindCheckAction(&item, options, &OptionSettings::showEto);

    box.click();
    EXPECT_TRUE(item.isChecked());
    item.trigger();
    EXPECT_FALSE(box.isChecked());
    options.set(&OptionSettings::showEto, true);
    EXPECT_TRUE(box.isChecked());
    EXPECT_TRUE(item.isChecked());
    EXPECT_EQ(changed.count(), 3);
}

TEST_F(OptionBindingTest, ControlsStartWithTheOptions)
{
    options.set(&OptionSettings::userEraName, QStringLiteral("開業"));
    options.set(&OptionSettings::minimize, kMinimizeToTray);
    QLineEdit edit;
    RadioGroup group(QStringLiteral("最小化時"), {QStringLiteral("タスクバー"), QStringLiteral("タスクトレイ")});
    bindLineEdit(&edit, options, &OptionSettings::userEraName);
    bindRadioGroup(&group, options, &OptionSettings::minimize);
    EXPECT_EQ(edit.text(), "開業");
    EXPECT_EQ(group.itemIndex(), kMinimizeToTray);
}

// A value typed beyond the box's range stays while the user types; the
// option takes the limit, and nothing writes the box back.
TEST_F(OptionBindingTest, TypedYearIsNotWrittenBack)
{
    QWidget window;
    auto* box = new YearBox(&window);
    box->setRange(0, 9999);
    (new QVBoxLayout(&window))->addWidget(box);
    bindYearBox(box, options, &OptionSettings::userEraOrigin);
    EXPECT_EQ(box->intValue(), kDefaultUserEraOrigin);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    box->lineEdit()->setFocus();
    QTRY_VERIFY(box->lineEdit()->hasFocus());
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), QStringLiteral("12000"));
    EXPECT_EQ(box->text(), "12000");
    EXPECT_EQ(options.values().userEraOrigin, 9999);

    box->setText(QString());
    EXPECT_EQ(options.values().userEraOrigin, 0) << "an empty box holds 0";
}

// The caret and the undo steps of a name being typed survive the echo.
TEST_F(OptionBindingTest, TypedNameKeepsItsCaret)
{
    QLineEdit edit;
    bindLineEdit(&edit, options, &OptionSettings::userEraName);
    edit.setText(QStringLiteral("創業記念"));
    edit.setCursorPosition(2);
    QTest::keyClicks(&edit, QStringLiteral("x"));
    EXPECT_EQ(options.values().userEraName, "創業x記念");
    EXPECT_EQ(edit.cursorPosition(), 3);
    EXPECT_TRUE(edit.isUndoAvailable());
}

// The menu's radio items: the item of the index is checked, and no choice
// at all (-1) shows the last one; choosing an item sets its index, the one
// already checked included.
TEST_F(OptionBindingTest, RadioItemsShowAndSetTheIndex)
{
    QActionGroup exclusive(nullptr);
    QAction toTaskbar(QStringLiteral("タスクバー"));
    QAction toTray(QStringLiteral("タスクトレイ"));
    for (QAction* item : {&toTaskbar, &toTray}) {
        item->setCheckable(true);
        exclusive.addAction(item);
    }
    bindRadioActions({&toTaskbar, &toTray}, options, &OptionSettings::minimize);
    EXPECT_TRUE(toTaskbar.isChecked());

    options.set(&OptionSettings::minimize, kMinimizeToNone);
    EXPECT_TRUE(toTray.isChecked());
    toTray.trigger();
    EXPECT_EQ(options.values().minimize, kMinimizeToTray);
    toTaskbar.trigger();
    EXPECT_EQ(options.values().minimize, kMinimizeToTaskbar);
    EXPECT_FALSE(toTray.isChecked());
}

TEST_F(OptionBindingTest, RadioGroupSaysEveryChangeOfItsIndex)
{
    RadioGroup group(QStringLiteral("最小化時"), {QStringLiteral("タスクバー"), QStringLiteral("タスクトレイ")});
    bindRadioGroup(&group, options, &OptionSettings::minimize);
    group.button(1)->click();
    EXPECT_EQ(options.values().minimize, 1);
    group.setItemIndex(-1);
    EXPECT_EQ(options.values().minimize, -1);
    group.setItemIndex(7);
    EXPECT_EQ(options.values().minimize, 1);
    EXPECT_EQ(changed.count(), 3);
}

} // namespace
} // namespace erakon
