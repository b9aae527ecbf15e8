// SPDX-License-Identifier: MIT
// The conversion page on its own: the eight year boxes and how each follows
// the others, the sentence, back-to-now and the emphasis, with the options
// in a model of the test's own.
#include "window/conversion_page.h"

#include "core/clock.h"
#include "core/date_format.h"
#include "tests/support/settings_test_printers.h"
#include "tests/window/year_boxes.h"
#include "widgets/year_box.h"
#include "window/options_model.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace erakon {
namespace {

// The page on Saturday 20 May 2023, 14:05:09, started at the current year as
// the window starts it.
class ConversionPageTest : public ::testing::Test {
protected:
    ConversionPageTest() { page.startAt(clock.currentYear()); }

    template <typename T = QWidget>
    T* control(const char* name) const
    {
        T* found = page.findChild<T*>(QString::fromLatin1(name));
        if (!found)
            throw std::logic_error(std::string("the page has no ") + name);
        return found;
    }

    YearBox* yearBox(const char* name) const { return yearBoxIn(page, name); }
    std::array<YearBox*, kEraRowCount> eraYearBoxes() const { return eraYearBoxesIn(page); }
    std::array<YearBox*, 8> boxes() const { return yearBoxesIn(page); }

    void showActive()
    {
        page.show();
        page.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    }

    // Every box shows the same year: era years and distance derive from the Western year.
    void expectConsistent(int currentYear = 2023) const
    {
        const int year = yearBox("westernYearBox")->intValue();
        const EraOffsets offsets = page.eraOffsets();
        const auto eras = eraYearBoxes();
        for (std::size_t row = 0; row < eras.size(); ++row)
            EXPECT_EQ(eras[row]->intValue(), year - offsets[row])
                << eras[row]->objectName().toStdString() << " at " << year;
        EXPECT_EQ(yearBox("yearsFromNowBox")->intValue(), year - currentYear) << "at " << year;
    }

    FixedClock clock{makeDateTime(2023, 5, 20, 14, 5, 9)};
    DateFormatSettings formatSettings;
    OptionsModel options{OptionSettings{}};
    QAction closeAction;
    ConversionPage page{clock, formatSettings, options, &closeAction};
};

// ---------------------------------------------------------------- typing

struct TypingCase {
    const char* name;
    const char* box;
    const char* typed;
    int year;
};

class ConversionTyping : public ConversionPageTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(ConversionTyping, EveryOtherBoxFollows)
{
    const TypingCase& row = GetParam();
    options.set(&OptionSettings::userEraShown, true);
    page.refresh();
    showActive();
    typeOver(yearBox(row.box), QString::fromUtf8(row.typed));
    EXPECT_EQ(yearBox("westernYearBox")->intValue(), row.year);
    expectConsistent();
    EXPECT_EQ(control<QPushButton>("backToNowButton")->isEnabled(), row.year != 2023);
}

INSTANTIATE_TEST_SUITE_P(, ConversionTyping,
                         ::testing::Values(TypingCase{"ReiwaOne", "reiwaYearBox", "1", 2019},
                                           TypingCase{"MeijiFortyFive", "meijiYearBox", "45", 1912},
                                           TypingCase{"TaishoOne", "taishoYearBox", "1", 1912},
                                           TypingCase{"ShowaSixtyFour", "showaYearBox", "64", 1989},
                                           TypingCase{"HeiseiThirtyOne", "heiseiYearBox", "31", 2019},
                                           TypingCase{"UserEraOne", "userEraYearBox", "1", 1880},
                                           TypingCase{"HundredYearsAgo", "yearsFromNowBox", "-100", 1923},
                                           TypingCase{"WesternNineThousand", "westernYearBox", "9999", 9999},
                                           TypingCase{"WesternNegative", "westernYearBox", "-50", -50}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConversionPageTest, WesternYearNineThousandNineHundredNinetyNine)
{
    yearBox("westernYearBox")->setValue(9999);
    EXPECT_EQ(yearBox("meijiYearBox")->intValue(), 8132);
    EXPECT_EQ(yearBox("taishoYearBox")->intValue(), 8088);
    EXPECT_EQ(yearBox("showaYearBox")->intValue(), 8074);
    EXPECT_EQ(yearBox("heiseiYearBox")->intValue(), 8011);
    EXPECT_EQ(yearBox("reiwaYearBox")->intValue(), 7981);
    EXPECT_EQ(yearBox("userEraYearBox")->intValue(), 8120);
    EXPECT_EQ(yearBox("yearsFromNowBox")->intValue(), 9999 - 2023);
}

TEST_F(ConversionPageTest, TypedValueRunsEachHandlerAtMostOnce)
{
    showActive();
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (YearBox* box : boxes())
        spies.push_back(std::make_unique<QSignalSpy>(box, &YearBox::changed));
    typeOver(yearBox("reiwaYearBox"), QStringLiteral("1"));
    for (size_t i = 0; i < spies.size(); ++i)
        EXPECT_EQ(spies[i]->count(), 1) << boxes()[i]->objectName().toStdString();
    EXPECT_EQ(yearBox("heiseiYearBox")->intValue(), 31);
}

TEST_F(ConversionPageTest, DistanceBoxShowsItsSign)
{
    yearBox("yearsFromNowBox")->setValue(-100);
    EXPECT_EQ(yearBox("yearsFromNowBox")->displayFormat(), "###0");
    EXPECT_EQ(yearBox("yearsFromNowBox")->lineEdit()->text(), "-100");
    yearBox("westernYearBox")->setValue(2024);
    EXPECT_EQ(yearBox("yearsFromNowBox")->displayFormat(), "+###0");
    EXPECT_EQ(yearBox("yearsFromNowBox")->lineEdit()->text(), "+1");
}

TEST_F(ConversionPageTest, EmptiedWesternBoxShowsZeroAtOnce)
{
    showActive();
    typeOver(yearBox("westernYearBox"), QString());
    EXPECT_EQ(yearBox("westernYearBox")->text(), "0");
    EXPECT_EQ(yearBox("meijiYearBox")->intValue(), -1867);
    expectConsistent();
}

// At year 0 the emptied box has nothing to follow: it stays empty while it has
// the focus, and shows 0 when it is left.
TEST_F(ConversionPageTest, EmptiedWesternBoxAtYearZeroStaysEmptyUntilLeft)
{
    yearBox("westernYearBox")->setValue(0);
    showActive();
    typeOver(yearBox("westernYearBox"), QString());
    EXPECT_EQ(yearBox("westernYearBox")->text(), "");
    expectConsistent();
    QTest::keyClick(yearBox("westernYearBox")->lineEdit(), Qt::Key_Tab);
    EXPECT_EQ(yearBox("westernYearBox")->text(), "0");
    expectConsistent();
}

// An emptied era box counts as its era's year 0 and shows it at once; one that
// already held 0 stays empty while it has the focus.
TEST_F(ConversionPageTest, EmptiedEraBoxShowsZeroAndTakesItsOffset)
{
    showActive();
    typeOver(yearBox("reiwaYearBox"), QString());
    EXPECT_EQ(yearBox("reiwaYearBox")->text(), "0");
    EXPECT_EQ(yearBox("westernYearBox")->intValue(), 2018);
    expectConsistent();

    typeOver(yearBox("reiwaYearBox"), QString());
    EXPECT_EQ(yearBox("reiwaYearBox")->text(), "");
    EXPECT_EQ(yearBox("westernYearBox")->intValue(), 2018);
    expectConsistent();
}

// The box being typed in keeps its text while it stands for the year shown.
TEST_F(ConversionPageTest, TypedTextStaysWhileItStandsForTheYear)
{
    showActive();
    typeOver(yearBox("reiwaYearBox"), QStringLiteral("05"));
    EXPECT_EQ(yearBox("reiwaYearBox")->text(), "05");
    EXPECT_EQ(yearBox("westernYearBox")->text(), "2023");
    expectConsistent();

    typeOver(yearBox("westernYearBox"), QStringLiteral("1989+"));
    EXPECT_EQ(yearBox("westernYearBox")->text(), "1989+");
    EXPECT_EQ(yearBox("heiseiYearBox")->intValue(), 1);
    expectConsistent();
}

TEST_F(ConversionPageTest, ExpressionIsTakenOnEnterAndDroppedOnTab)
{
    showActive();
    typeOver(yearBox("westernYearBox"), QStringLiteral("1989+5"));
    QTest::keyClick(yearBox("westernYearBox")->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(yearBox("westernYearBox")->intValue(), 1994);
    EXPECT_EQ(yearBox("heiseiYearBox")->intValue(), 6);
    expectConsistent();

    typeOver(yearBox("westernYearBox"), QStringLiteral("1989+5"));
    QTest::keyClick(yearBox("westernYearBox")->lineEdit(), Qt::Key_Tab);
    EXPECT_EQ(yearBox("westernYearBox")->text(), "1989");
    EXPECT_EQ(yearBox("heiseiYearBox")->intValue(), 1);
    expectConsistent();

    typeOver(yearBox("reiwaYearBox"), QStringLiteral("1+1"));
    QTest::keyClick(yearBox("reiwaYearBox")->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(yearBox("reiwaYearBox")->text(), "2");
    EXPECT_EQ(yearBox("westernYearBox")->intValue(), 2020);
    expectConsistent();
}

// A value typed beyond what the page can show gives the nearest year it can,
// at once, and the box being typed in shows that year's value.
TEST_F(ConversionPageTest, TypingBeyondTheRangeGivesTheNearestYear)
{
    struct Case {
        const char* box;
        const char* typed;
        int year;
        const char* shown;
    };
    for (const Case& c : {Case{"westernYearBox", "12345", 9999, "9999"}, Case{"reiwaYearBox", "99999", 9999, "7981"},
                          Case{"yearsFromNowBox", "-12000", 2023 - 9999, "-9999"}}) {
        page.startAt(2023);
        showActive();
        typeOver(yearBox(c.box), QString::fromLatin1(c.typed));
        EXPECT_EQ(yearBox("westernYearBox")->intValue(), c.year) << c.box;
        EXPECT_EQ(yearBox(c.box)->text(), QString::fromLatin1(c.shown)) << c.box;
        expectConsistent();
    }
}

// A number pasted far beyond any year, more than a whole number holds, gives
// the last year the page shows, or the first.
TEST_F(ConversionPageTest, HugePastedNumberGivesTheLastOrFirstYear)
{
    struct Case {
        const char* pasted;
        int year;
        const char* shown;
    };
    showActive();
    for (const Case& c : {Case{"99999999999", 9999, "7981"}, Case{"-99999999999", 2023 - 9999, "-9994"}}) {
        QApplication::clipboard()->setText(QString::fromLatin1(c.pasted));
        QLineEdit* reiwa = yearBox("reiwaYearBox")->lineEdit();
        reiwa->setFocus();
        reiwa->selectAll();
        QTest::keyClick(reiwa, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(yearBox("westernYearBox")->intValue(), c.year) << c.pasted;
        EXPECT_EQ(yearBox("reiwaYearBox")->text(), QString::fromLatin1(c.shown)) << c.pasted;
        expectConsistent();
    }
}

// The first conversion runs whatever the year, also for year 0, which the
// boxes hold before it.
TEST_F(ConversionPageTest, StartAtYearZeroConvertsIt)
{
    ConversionPage fresh(clock, formatSettings, options, &closeAction);
    fresh.startAt(0);
    const auto box = [&fresh](const char* name) { return fresh.findChild<YearBox*>(QString::fromLatin1(name)); };
    EXPECT_EQ(box("westernYearBox")->text(), "0");
    EXPECT_EQ(box("meijiYearBox")->intValue(), -1867);
    EXPECT_EQ(box("yearsFromNowBox")->intValue(), -2023);
    EXPECT_EQ(box("yearsFromNowBox")->displayFormat(), "###0");
    EXPECT_TRUE(fresh.findChild<QPushButton*>(QStringLiteral("backToNowButton"))->isEnabled());
    EXPECT_EQ(fresh.findChild<QPushButton*>(QStringLiteral("sentenceButton"))->text(),
              "この年に生まれた人は、今年 2023才です");
}

TEST_F(ConversionPageTest, ResetReturnsToNowAndDisablesItself)
{
    yearBox("westernYearBox")->setValue(2024);
    EXPECT_TRUE(control<QPushButton>("backToNowButton")->isEnabled());
    EXPECT_EQ(control<QPushButton>("sentenceButton")->text(), "この年まで、あと 225日です");
    control<QPushButton>("backToNowButton")->click();
    EXPECT_EQ(yearBox("westernYearBox")->intValue(), 2023);
    EXPECT_FALSE(control<QPushButton>("backToNowButton")->isEnabled());
    expectConsistent();
}

// The sentence button is the close command, which the window's menu offers too.
TEST_F(ConversionPageTest, SentenceButtonTriggersTheClose)
{
    QSignalSpy closing(&closeAction, &QAction::triggered);
    control<QPushButton>("sentenceButton")->click();
    EXPECT_EQ(closing.count(), 1);
}

TEST_F(ConversionPageTest, SentenceFollowsZodiacSetting)
{
    options.set(&OptionSettings::showEto, true);
    page.refresh();
    EXPECT_EQ(control<QPushButton>("sentenceButton")->text(), "この年（卯・う）に生まれた人は、今年 0才です");
    options.set(&OptionSettings::showEto, false);
    yearBox("westernYearBox")->setValue(1993);
    EXPECT_EQ(control<QPushButton>("sentenceButton")->text(), "この年に生まれた人は、今年 30才です");
    yearBox("westernYearBox")->setValue(2025);
    EXPECT_EQ(control<QPushButton>("sentenceButton")->text(), "この年まで、あと 2年です");
}

// The user's era: its row is shown with the option, under the option's name;
// hidden, its box still follows the year.
TEST_F(ConversionPageTest, UserEraRowFollowsItsOptions)
{
    options.set(&OptionSettings::userEraShown, true);
    options.set(&OptionSettings::userEraName, QStringLiteral("開業"));
    page.refresh();
    EXPECT_FALSE(control<QLabel>("userEraLabel")->isHidden());
    EXPECT_FALSE(yearBox("userEraYearBox")->isHidden());
    EXPECT_EQ(control<QLabel>("userEraLabel")->text(), "開業");
    EXPECT_EQ(yearBox("userEraYearBox")->lineEdit()->accessibleName(), "開業");

    options.set(&OptionSettings::userEraShown, false);
    yearBox("westernYearBox")->setValue(2000);
    EXPECT_TRUE(control<QLabel>("userEraLabel")->isHidden());
    EXPECT_TRUE(yearBox("userEraYearBox")->isHidden());
    EXPECT_EQ(yearBox("userEraYearBox")->intValue(), 2000 - 1879);
}

// The page follows the options it shows as they change: the zodiac, the
// emphasis, the user era's row and name at once; a new origin at the next
// conversion, so that an origin being typed does not move the year.
TEST_F(ConversionPageTest, FollowsTheOptionsAsTheyChange)
{
    options.set(&OptionSettings::showEto, true);
    EXPECT_EQ(control<QPushButton>("sentenceButton")->text(), "この年（卯・う）に生まれた人は、今年 0才です");
    options.set(&OptionSettings::showBold, true);
    EXPECT_TRUE(yearBox("reiwaYearBox")->font().bold());
    options.set(&OptionSettings::userEraShown, true);
    EXPECT_FALSE(control<QLabel>("userEraLabel")->isHidden());
    options.set(&OptionSettings::userEraName, QStringLiteral("開業"));
    EXPECT_EQ(control<QLabel>("userEraLabel")->text(), "開業");

    options.set(&OptionSettings::userEraOrigin, 2000);
    EXPECT_EQ(yearBox("userEraYearBox")->intValue(), 2023 - 1879);
    page.refresh();
    EXPECT_EQ(yearBox("userEraYearBox")->intValue(), 2023 - 1999);
    expectConsistent();
}

struct EmphasisCase {
    const char* name;
    int year;
    std::array<bool, 5> eras;
    bool western;
};

class Emphasis : public ConversionPageTest, public ::testing::WithParamInterface<EmphasisCase> {};

TEST_P(Emphasis, BoldMarksTheErasOfTheYear)
{
    const EmphasisCase& row = GetParam();
    options.set(&OptionSettings::showBold, true);
    yearBox("westernYearBox")->setValue(row.year);
    const std::array<QWidget*, 5> eraBoxes{yearBox("meijiYearBox"), yearBox("taishoYearBox"), yearBox("showaYearBox"),
                                           yearBox("heiseiYearBox"), yearBox("reiwaYearBox")};
    const std::array<QWidget*, 5> labels{control<QLabel>("meijiLabel"), control<QLabel>("taishoLabel"),
                                         control<QLabel>("showaLabel"), control<QLabel>("heiseiLabel"),
                                         control<QLabel>("reiwaLabel")};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(eraBoxes[i]->font().bold(), row.eras[i]) << "box " << i + 1;
        EXPECT_EQ(labels[i]->font().bold(), row.eras[i]) << "label " << i + 1;
    }
    EXPECT_EQ(yearBox("westernYearBox")->font().bold(), row.western);
    EXPECT_EQ(yearBox("userEraYearBox")->font().bold(), row.year >= 1880);
}

INSTANTIATE_TEST_SUITE_P(
    , Emphasis,
    ::testing::Values(EmphasisCase{"BeforeMeiji", 1867, {false, false, false, false, false}, false},
                      EmphasisCase{"FirstMeijiYear", 1868, {true, false, false, false, false}, true},
                      EmphasisCase{"MeijiToTaisho", 1912, {true, true, false, false, false}, true},
                      EmphasisCase{"TaishoToShowa", 1926, {false, true, true, false, false}, true},
                      EmphasisCase{"ShowaToHeisei", 1989, {false, false, true, true, false}, true},
                      EmphasisCase{"HeiseiToReiwa", 2019, {false, false, false, true, true}, true},
                      EmphasisCase{"Reiwa", 2023, {false, false, false, false, true}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConversionPageTest, EmphasisOffLeavesEverythingPlain)
{
    options.set(&OptionSettings::showBold, true);
    options.set(&OptionSettings::showBold, false);
    for (QWidget* widget : std::initializer_list<QWidget*>{yearBox("westernYearBox"), yearBox("reiwaYearBox"),
                                                           control<QLabel>("reiwaLabel"), yearBox("userEraYearBox")})
        EXPECT_FALSE(widget->font().bold()) << widget->objectName().toStdString();
}

// ---------------------------------------------------------------- years at the edge of the range

struct LimitCase {
    const char* name;
    const char* box;
    int value;
    int origin;
    int year;
};

class YearLimit : public ConversionPageTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(YearLimit, PageShowsOneYearWithinRange)
{
    const LimitCase& row = GetParam();
    options.set(&OptionSettings::userEraOrigin, row.origin);
    page.refresh();
    yearBox(row.box)->setValue(row.value);
    EXPECT_EQ(yearBox("westernYearBox")->intValue(), row.year);
    expectConsistent();
}

INSTANTIATE_TEST_SUITE_P(, YearLimit,
                         ::testing::Values(LimitCase{"WesternFarPast", "westernYearBox", -9999, 1880, 2023 - 9999},
                                           LimitCase{"DistanceFarPast", "yearsFromNowBox", -9999, 1880, 2023 - 9999},
                                           LimitCase{"DistanceFarFuture", "yearsFromNowBox", 9999, 1880, 9999},
                                           LimitCase{"ReiwaFarPast", "reiwaYearBox", -9999, 1880, 2023 - 9999},
                                           LimitCase{"MeijiFarFuture", "meijiYearBox", 9999, 1880, 9999},
                                           LimitCase{"OriginZeroLastYear", "westernYearBox", 9999, 0, 9998},
                                           LimitCase{"LateOriginFarPast", "westernYearBox", -5000, 9999, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConversionPageTest, EveryValueInEveryBoxEndsWithinRange)
{
    for (YearBox* box : boxes()) {
        for (int value = kMinYear; value <= kMaxYear; ++value) {
            box->setValue(value);
            for (YearBox* other : boxes()) {
                ASSERT_GE(other->intValue(), kMinYear) << box->objectName().toStdString() << " " << value;
                ASSERT_LE(other->intValue(), kMaxYear) << box->objectName().toStdString() << " " << value;
            }
            const int year = yearBox("westernYearBox")->intValue();
            ASSERT_EQ(yearBox("yearsFromNowBox")->intValue(), year - 2023)
                << box->objectName().toStdString() << " " << value;
            ASSERT_EQ(yearBox("reiwaYearBox")->intValue(), year - 2018)
                << box->objectName().toStdString() << " " << value;
            ASSERT_EQ(yearBox("userEraYearBox")->intValue(), year - 1879)
                << box->objectName().toStdString() << " " << value;
        }
    }
}

TEST_F(ConversionPageTest, TabMovesThroughTheEraBoxesThenTheWesternYear)
{
    options.set(&OptionSettings::userEraShown, true);
    page.refresh();
    showActive();
    yearBox("meijiYearBox")->lineEdit()->setFocus();
    QStringList order;
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        while (focused && !qobject_cast<YearBox*>(focused))
            focused = focused->parentWidget();
        order << (focused ? focused->objectName() : QStringLiteral("-"));
    }
    EXPECT_EQ(order.mid(0, 7),
              (QStringList{"taishoYearBox", "showaYearBox", "heiseiYearBox", "reiwaYearBox", "userEraYearBox",
                           "westernYearBox", "yearsFromNowBox"}));
}

} // namespace
} // namespace erakon
