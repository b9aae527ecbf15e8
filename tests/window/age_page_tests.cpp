// SPDX-License-Identifier: MIT
// The page of ages and milestones on its own: built when first needed, the
// birth and as-of dates as typed or filled in, the sex from the options, the
// rows of the core shown in a read-only table, and copying them.
#include "window/age_page.h"

#include "core/clock.h"
#include "window/life_table.h"
#include "window/options_model.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>

// Readable failures for texts of the page.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace erakon {
namespace {

class AgePageTest : public ::testing::Test {
protected:
    AgePageTest() { page.resize(480, 420); }

    template <typename T = QWidget>
    T* control(const char* name) const
    {
        T* found = page.findChild<T*>(QString::fromLatin1(name));
        if (!found)
            throw std::logic_error(std::string("the age page has no ") + name);
        return found;
    }

    QLineEdit* birthEdit() const { return control<QLineEdit>("birthDateEdit"); }
    QLineEdit* asOfEdit() const { return control<QLineEdit>("asOfDateEdit"); }
    LifeTable* table() const { return control<LifeTable>("lifeTable"); }
    QLabel* message() const { return control<QLabel>("lifeMessage"); }

    // What the user sees below the inputs: the rows, or the message.
    bool showsRows() const { return control<QStackedWidget>("lifeResults")->currentWidget() == table(); }

    // As an input method types: the text committed at once, in any script.
    static void typeInto(QLineEdit* edit, const QString& text)
    {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QInputMethodEvent typed;
        typed.setCommitString(text);
        QApplication::sendEvent(edit, &typed);
    }

    // The rows as the core writes them, each with its cohort where it has one.
    QStringList rowTexts() const
    {
        QStringList texts;
        for (const LifeRow& row : table()->rows())
            texts << QString::fromStdString(row.standaloneText());
        return texts;
    }

    // The first row whose text begins with `start`, or an empty text.
    QString rowStarting(const QString& start) const
    {
        for (const QString& text : rowTexts()) {
            if (text.startsWith(start))
                return text;
        }
        return {};
    }

    FixedClock clock{makeDateTime(2023, 5, 20, 14, 5, 9)};
    OptionsModel options{OptionSettings{}};
    AgePage page{clock, options};
};

TEST_F(AgePageTest, ShownFirstItAsksForABirthAsOfToday)
{
    options.set(&OptionSettings::sex, Sex::Female);
    page.show();
    EXPECT_TRUE(control<QRadioButton>("femaleButton")->isChecked());
    EXPECT_EQ(asOfEdit()->text(), QStringLiteral("令和5年5月20日"));
    EXPECT_FALSE(showsRows());
    EXPECT_EQ(message()->text(), QStringLiteral("生年月日か、生まれた年を入れてください"));
}

TEST_F(AgePageTest, EnteringTakesTheConversionYearUntilADateIsTyped)
{
    page.enter(1989);
    page.show();
    EXPECT_EQ(birthEdit()->text(), QStringLiteral("1989"));
    ASSERT_TRUE(showsRows());
    // A year alone: both cohorts, and no 満年齢.
    EXPECT_EQ(rowTexts().constFirst(), QStringLiteral("生まれた年：昭和64年・平成元年（1989年）"));
    EXPECT_TRUE(rowTexts().contains(QStringLiteral("〔4月2日〜12月31日生まれ〕")));
    EXPECT_TRUE(rowTexts().contains(QStringLiteral("〔1月1日〜4月1日生まれ〕")));
    EXPECT_EQ(rowStarting(QStringLiteral("満年齢")), QString());

    page.enter(2000);
    EXPECT_EQ(birthEdit()->text(), QStringLiteral("2000"));

    typeInto(birthEdit(), QStringLiteral("平成元年4月2日"));
    page.enter(2010);
    EXPECT_EQ(birthEdit()->text(), QStringLiteral("平成元年4月2日"));
    EXPECT_EQ(rowStarting(QStringLiteral("満年齢")), QStringLiteral("満年齢：34歳"));

    // A text set as a screen reader sets it counts as typed too.
    birthEdit()->setText(QStringLiteral("H2.1.1"));
    page.enter(2010);
    EXPECT_EQ(birthEdit()->text(), QStringLiteral("H2.1.1"));
    EXPECT_EQ(rowTexts().constFirst(), QStringLiteral("生年月日：平成2年1月1日（1990年1月1日）"));

    // An emptied box is filled in again at the next entry.
    typeInto(birthEdit(), QString());
    EXPECT_FALSE(showsRows());
    page.enter(2010);
    EXPECT_EQ(birthEdit()->text(), QStringLiteral("2010"));

    // The conversion page reaches years no birth can be typed in.
    page.enter(-660);
    EXPECT_EQ(birthEdit()->text(), QString());
    EXPECT_EQ(message()->text(), QStringLiteral("生年月日か、生まれた年を入れてください"));
    page.enter(0);
    EXPECT_EQ(birthEdit()->text(), QStringLiteral("0"));
    EXPECT_TRUE(showsRows());
}

// Every form a date is typed in gives the same life.
class BirthFormTest : public AgePageTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(BirthFormTest, GivesTheSameRows)
{
    page.show();
    typeInto(birthEdit(), QString::fromUtf8(GetParam()));
    ASSERT_TRUE(showsRows()) << message()->text().toStdString();
    EXPECT_EQ(rowTexts().constFirst(), QStringLiteral("生年月日：平成元年4月2日（1989年4月2日）"));
    EXPECT_EQ(rowStarting(QStringLiteral("満年齢")), QStringLiteral("満年齢：34歳"));
    EXPECT_EQ(rowStarting(QStringLiteral("小学校 入学")), QStringLiteral("小学校 入学：平成8年4月（1996年4月）"));
}

INSTANTIATE_TEST_SUITE_P(Forms, BirthFormTest,
                         ::testing::Values("平成元年4月2日", "H1.4.2", "1989-04-02", "1989/4/2", "１９８９－０４－０２",
                                           "平成１年４月２日", " 1989-04-02 "));

TEST_F(AgePageTest, BadInputGivesAMessageAndKeepsTheText)
{
    page.show();
    const struct {
        const char* birth;
        const char* asOf; // empty: today
        const char* message;
    } cases[] = {
        {"平成元年2月30日", "", "生年月日：その日付はありません"},
        {"ab", "", "生年月日を読み取れません。平成元年4月2日、H1.4.2、1989-04-02、1989/4/2 のように入れてください"},
        {"1989-04-02", "1989-04-01", "基準日が生まれる前です"},
        {"1989", "1988-12-31", "基準日が生まれる前です"},
        {"1989-04-02", "2000", "基準日は、年月日で入れてください"},
        {"1989-04-02", "2000-13-01", "基準日：その日付はありません"},
    };
    for (const auto& c : cases) {
        typeInto(birthEdit(), QString::fromUtf8(c.birth));
        typeInto(asOfEdit(), QString::fromUtf8(c.asOf));
        EXPECT_FALSE(showsRows()) << c.birth << " " << c.asOf;
        EXPECT_EQ(message()->text(), QString::fromUtf8(c.message)) << c.birth << " " << c.asOf;
        EXPECT_EQ(birthEdit()->text(), QString::fromUtf8(c.birth));
        EXPECT_TRUE(table()->rows().empty());
    }
}

TEST_F(AgePageTest, YearsOutsideTheErasAreWesternOnly)
{
    page.show();
    typeInto(birthEdit(), QStringLiteral("1850-02-03"));
    typeInto(asOfEdit(), QStringLiteral("1900-01-01"));
    ASSERT_TRUE(showsRows()) << message()->text().toStdString();
    EXPECT_EQ(rowTexts().constFirst(), QStringLiteral("生年月日：1850年2月3日"));
    EXPECT_EQ(rowStarting(QStringLiteral("基準日")), QStringLiteral("基準日：明治33年1月1日（1900年1月1日）"));
}

TEST_F(AgePageTest, AsOfFollowsMidnightUntilTyped)
{
    page.show();
    typeInto(birthEdit(), QStringLiteral("2000-05-21"));
    EXPECT_EQ(rowStarting(QStringLiteral("満年齢")), QStringLiteral("満年齢：22歳"));
    QPushButton* backToToday = control<QPushButton>("backToTodayButton");
    EXPECT_FALSE(backToToday->isEnabled());

    clock.set(makeDateTime(2023, 5, 21, 0, 0, 0));
    page.followToday();
    EXPECT_EQ(asOfEdit()->text(), QStringLiteral("令和5年5月21日"));
    EXPECT_EQ(rowStarting(QStringLiteral("満年齢")), QStringLiteral("満年齢：23歳"));

    typeInto(asOfEdit(), QStringLiteral("2018-04-01"));
    EXPECT_TRUE(backToToday->isEnabled());
    EXPECT_EQ(rowStarting(QStringLiteral("満年齢")), QStringLiteral("満年齢：17歳"));
    EXPECT_EQ(rowStarting(QStringLiteral("学年")), QStringLiteral("学年：高3"));
    clock.set(makeDateTime(2023, 5, 22, 0, 0, 0));
    page.followToday();
    EXPECT_EQ(asOfEdit()->text(), QStringLiteral("2018-04-01"));

    QTest::mouseClick(backToToday, Qt::LeftButton);
    EXPECT_EQ(asOfEdit()->text(), QStringLiteral("令和5年5月22日"));
    EXPECT_FALSE(backToToday->isEnabled());
    EXPECT_EQ(rowStarting(QStringLiteral("満年齢")), QStringLiteral("満年齢：23歳"));
}

TEST_F(AgePageTest, TheSexButtonsAndTheOptionFollowEachOther)
{
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    typeInto(birthEdit(), QStringLiteral("1990-06-01"));
    auto* male = control<QRadioButton>("maleButton");
    auto* female = control<QRadioButton>("femaleButton");
    EXPECT_TRUE(male->isChecked());
    EXPECT_TRUE(rowTexts().contains(QStringLiteral("【厄年（男性）】")));

    QTest::mouseClick(female, Qt::LeftButton);
    EXPECT_EQ(options.values().sex, Sex::Female);
    EXPECT_TRUE(rowTexts().contains(QStringLiteral("【厄年（女性）】")));
    EXPECT_EQ(rowStarting(QStringLiteral("本厄（数え33歳・大厄）")),
              QStringLiteral("本厄（数え33歳・大厄）：令和4年（2022年）"));

    options.set(&OptionSettings::sex, Sex::Male);
    EXPECT_TRUE(male->isChecked());
    EXPECT_FALSE(female->isChecked());
    EXPECT_TRUE(rowTexts().contains(QStringLiteral("【厄年（男性）】")));
}

TEST_F(AgePageTest, TableIsReadOnlyAndCopiesTheSelectedRowsWithTabs)
{
    page.show();
    typeInto(birthEdit(), QStringLiteral("1989-04-02"));
    LifeTable* rows = table();
    EXPECT_EQ(rows->editTriggers(), QAbstractItemView::NoEditTriggers);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    QApplication::clipboard()->clear();

    // Nothing selected copies nothing.
    rows->setFocus();
    QTest::keyClick(rows, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QString());

    // The birth, the heading 年齢 and 満年齢: a year row, a heading across, a value.
    for (int row : {3, 0, 2})
        rows->selectionModel()->select(rows->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::keyClick(rows, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("生年月日\t平成元年4月2日\t1989年4月2日\n"
                             "【年齢】\n"
                             "満年齢\t34歳\n"));

    // A 厄年 of the as-of year carries its mark in the fourth cell.
    typeInto(asOfEdit(), QStringLiteral("2013-01-01"));
    rows->selectionModel()->clearSelection();
    for (int row = 0; row < rows->model()->rowCount(); ++row) {
        if (rows->rows()[std::size_t(row)].marked)
            rows->selectionModel()->select(rows->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    rows->setFocus();
    QTest::keyClick(rows, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("本厄（数え25歳）\t平成25年\t2013年\t← 基準日の年\n"));

    // Ctrl+A then Ctrl+C: every row, one line each.
    QTest::keyClick(rows, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(rows, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().count(u'\n'), rows->model()->rowCount());
}

} // namespace
} // namespace erakon
