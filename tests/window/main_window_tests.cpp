// SPDX-License-Identifier: MIT
#include "window/main_window.h"

#include "core/version.h"
#include "tests/window/window_fixture.h"
#include "widgets/clock_status_bar.h"
#include "widgets/page_control.h"
#include "widgets/radio_group.h"
#include "widgets/year_box.h"
#include "window/conversion_page.h"
#include "window/table_page.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <memory>

namespace erakon {
namespace {

// Answers questions from a script and records what was asked.
class ScriptedMessages final : public Messages {
public:
    Answer askYesNo(const QString& text) override { return next(text); }
    Answer askYesNoCancel(const QString& text) override { return next(text); }
    void report(const QString& text) override { asked.push_back(text); }
    void showError(const QString& text) override { asked.push_back(text); }

    std::deque<Answer> answers;
    QStringList asked;

private:
    Answer next(const QString& text)
    {
        asked.push_back(text);
        if (answers.empty())
            return Answer::Cancel;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class MainWindowTest : public WindowFixture<ScriptedMessages> {
protected:
    void SetUp() override { createWindow(); }

    // Replaces the box's whole text by typing, as the user does.
    void typeOver(YearBox* box, const QString& text)
    {
        box->lineEdit()->setFocus();
        box->lineEdit()->selectAll();
        if (text.isEmpty())
            QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
        else
            QTest::keyClicks(box->lineEdit(), text);
    }

    // The era boxes, rows Meiji .. user era.
    std::array<YearBox*, kEraRowCount> eraYearBoxes() const
    {
        return {yearBox("meijiYearBox"),  yearBox("taishoYearBox"), yearBox("showaYearBox"),
                yearBox("heiseiYearBox"), yearBox("reiwaYearBox"),  yearBox("userEraYearBox")};
    }

    std::array<YearBox*, 8> boxes() const
    {
        const auto eras = eraYearBoxes();
        return {yearBox("westernYearBox"), eras[0], eras[1], eras[2], eras[3], eras[4], eras[5],
                yearBox("yearsFromNowBox")};
    }

    EraOffsets eraOffsets() const { return control<ConversionPage>("conversionPage")->eraOffsets(); }

    // What the conversion page shows: every box's text and boldness, the
    // sentence, and whether back-to-now is enabled.
    QStringList shownOnConversionPage() const
    {
        QStringList shown;
        for (const YearBox* box : boxes())
            shown << box->objectName() + u'=' + box->text()
                    + (box->font().bold() ? QStringLiteral(" bold") : QString());
        shown << control<QPushButton>("sentenceButton")->text();
        shown << (control<QPushButton>("backToNowButton")->isEnabled() ? QStringLiteral("back to now") : QString());
        return shown;
    }

    // Every box shows the same year: era years and distance derive from the Western year.
    void expectConsistent(int currentYear = 2023) const
    {
        const int year = yearBox("westernYearBox")->intValue();
        const EraOffsets offsets = eraOffsets();
        const auto eras = eraYearBoxes();
        for (std::size_t row = 0; row < eras.size(); ++row)
            EXPECT_EQ(eras[row]->intValue(), year - offsets[row])
                << eras[row]->objectName().toStdString() << " at " << year;
        EXPECT_EQ(yearBox("yearsFromNowBox")->intValue(), year - currentYear) << "at " << year;
    }
};

// ---------------------------------------------------------------- creation

TEST_F(MainWindowTest, CreationShowsTheCurrentYearOnTheConversionPage)
{
    EXPECT_EQ(window->objectName(), "mainWindow");
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(kApplicationTitle));
    EXPECT_EQ(window->shownPage(), Page::Conversion);
    EXPECT_EQ(control<PageControl>("pages")->currentWidget(), control<ConversionPage>("conversionPage"));
    EXPECT_EQ(yearBox("westernYearBox")->text(), "2023");
    EXPECT_EQ(yearBox("reiwaYearBox")->intValue(), 5);
    EXPECT_EQ(yearBox("yearsFromNowBox")->intValue(), 0);
    EXPECT_EQ(yearBox("yearsFromNowBox")->displayFormat(), "+###0");
    EXPECT_FALSE(control<QPushButton>("backToNowButton")->isEnabled());
    EXPECT_EQ(control<QPushButton>("sentenceButton")->text(), "この年に生まれた人は、今年 0才です");
    EXPECT_TRUE(control<QLabel>("userEraLabel")->isHidden());
    EXPECT_TRUE(yearBox("userEraYearBox")->isHidden());
    EXPECT_TRUE(control<ClockStatusBar>("clockStatusBar")->isHidden());
    EXPECT_FALSE(control<QLineEdit>("userEraNameEdit")->isEnabled());
    EXPECT_EQ(control<RadioGroup>("minimizeTargetGroup")->itemIndex(), 0);
    EXPECT_TRUE(control<QTimer>("clockTimer")->isActive());
    EXPECT_EQ(control<QTimer>("clockTimer")->interval(), 1000);
    EXPECT_EQ(eraOffsets(), (EraOffsets{1867, 1911, 1925, 1988, 2018, 1879}));
    EXPECT_EQ(window->basicStyleName(), "Windows");
}

// erakon --year 1989, as the desktop's search starts it: the page is what a
// user sees after typing 1989 over the current year, and nothing else changes.
TEST_F(MainWindowTest, CreationAtAYearShowsItAsIfTyped)
{
    control<QCheckBox>("emphasizeErasCheck")->setChecked(true);
    showActive();
    typeOver(yearBox("westernYearBox"), QStringLiteral("1989"));
    const QStringList typed = shownOnConversionPage();

    window.reset();
    createWindow({}, 1989);
    control<QCheckBox>("emphasizeErasCheck")->setChecked(true);
    EXPECT_EQ(shownOnConversionPage(), typed);
    EXPECT_EQ(yearBox("westernYearBox")->text(), "1989");
    EXPECT_EQ(yearBox("showaYearBox")->intValue(), 64);
    EXPECT_EQ(yearBox("heiseiYearBox")->intValue(), 1);
    EXPECT_TRUE(yearBox("showaYearBox")->font().bold());
    EXPECT_TRUE(yearBox("heiseiYearBox")->font().bold());
    EXPECT_EQ(control<QPushButton>("sentenceButton")->text(), "この年に生まれた人は、今年 34才です");
    EXPECT_TRUE(control<QPushButton>("backToNowButton")->isEnabled());
    EXPECT_EQ(window->shownPage(), Page::Conversion);
}

// The boxes hold -9999..9999 together: in 2023 the Western year goes down to
// -7976 only, and with a user era whose first year is 0 up to 9998 only. A
// year asked for beyond that starts the window at the nearest year it can
// show, and says so.
TEST_F(MainWindowTest, CreationAtAYearBeyondTheBoxesSaysWhereItStarts)
{
    EXPECT_TRUE(standardError.isEmpty());

    window.reset();
    createWindow({}, -9999);
    EXPECT_EQ(yearBox("westernYearBox")->text(), "-7976");
    EXPECT_EQ(yearBox("yearsFromNowBox")->intValue(), -9999);
    ASSERT_EQ(standardError.size(), 1);
    EXPECT_EQ(standardError.first(), "--year -9999 lies beyond the years every box can show; starting at -7976");

    standardError.clear();
    window.reset();
    createWindow({}, -7976);
    EXPECT_EQ(yearBox("westernYearBox")->text(), "-7976");
    EXPECT_TRUE(standardError.isEmpty());

    // The user era counts even while it is hidden.
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const SettingsLocation location{root.filePath(QStringLiteral("config")), root.filePath(QStringLiteral("erakon"))};
    writeSettingsFile(location, "[OPTION]\r\nAddYear=0\r\n");
    window.reset();
    createWindow(location, 9999);
    EXPECT_EQ(yearBox("westernYearBox")->text(), "9998");
    EXPECT_EQ(yearBox("userEraYearBox")->intValue(), 9999);
    ASSERT_EQ(standardError.size(), 1);
    EXPECT_EQ(standardError.first(), "--year 9999 lies beyond the years every box can show; starting at 9998");
    window.reset();
}

TEST_F(MainWindowTest, ControlsCarryTheirNamesAndHints)
{
    struct Row {
        const char* name;
        const char* hint;
    };
    for (const Row& row :
         {Row{"westernYearBox", "A.D."}, Row{"reiwaYearBox", "REIWA"}, Row{"yearsFromNowBox", "From Now"},
          Row{"backToNowButton", "Reset to Now"}, Row{"sentenceButton", "Close"}, Row{"showHintsCheck", "Activate"},
          Row{"styleList", "View Style"}, Row{"clockStatusBar", "Return to Now"}, Row{"aboutButton", "About "}}) {
        auto* widget = window->findChild<QWidget*>(QString::fromLatin1(row.name));
        ASSERT_NE(widget, nullptr) << row.name;
        EXPECT_EQ(widget->toolTip(), row.hint) << row.name;
        EXPECT_EQ(widget->accessibleDescription(), row.hint) << row.name;
    }
    EXPECT_EQ(yearBox("showaYearBox")->lineEdit()->accessibleName(), "昭和");
    EXPECT_EQ(yearBox("westernYearBox")->lineEdit()->accessibleName(), "西暦");
}

TEST_F(MainWindowTest, ClockTickWritesTheEraDate)
{
    window->clockTick();
    EXPECT_EQ(control<ClockStatusBar>("clockStatusBar")->panelText(), "令和5年(2023年) 5月20日(土)  14:05");
}

// ---------------------------------------------------------------- conversion

struct TypingCase {
    const char* name;
    const char* box;
    const char* typed;
    int year;
};

class ConversionTyping : public MainWindowTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(ConversionTyping, EveryOtherBoxFollows)
{
    const TypingCase& row = GetParam();
    control<QCheckBox>("showUserEraCheck")->setChecked(true);
    window->openPage(Page::Conversion);
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

TEST_F(MainWindowTest, WesternYearNineThousandNineHundredNinetyNine)
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

TEST_F(MainWindowTest, TypedValueRunsEachHandlerAtMostOnce)
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

TEST_F(MainWindowTest, DistanceBoxShowsItsSign)
{
    yearBox("yearsFromNowBox")->setValue(-100);
    EXPECT_EQ(yearBox("yearsFromNowBox")->displayFormat(), "###0");
    EXPECT_EQ(yearBox("yearsFromNowBox")->lineEdit()->text(), "-100");
    yearBox("westernYearBox")->setValue(2024);
    EXPECT_EQ(yearBox("yearsFromNowBox")->displayFormat(), "+###0");
    EXPECT_EQ(yearBox("yearsFromNowBox")->lineEdit()->text(), "+1");
}

TEST_F(MainWindowTest, EmptiedWesternBoxShowsZeroAtOnce)
{
    showActive();
    typeOver(yearBox("westernYearBox"), QString());
    EXPECT_EQ(yearBox("westernYearBox")->text(), "0");
    EXPECT_EQ(yearBox("meijiYearBox")->intValue(), -1867);
    expectConsistent();
}

TEST_F(MainWindowTest, ExpressionIsTakenOnEnterAndDroppedOnTab)
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
}

TEST_F(MainWindowTest, ResetReturnsToNowAndDisablesItself)
{
    yearBox("westernYearBox")->setValue(2024);
    EXPECT_TRUE(control<QPushButton>("backToNowButton")->isEnabled());
    EXPECT_EQ(control<QPushButton>("sentenceButton")->text(), "この年まで、あと 225日です");
    control<QPushButton>("backToNowButton")->click();
    EXPECT_EQ(yearBox("westernYearBox")->intValue(), 2023);
    EXPECT_FALSE(control<QPushButton>("backToNowButton")->isEnabled());
    expectConsistent();

    yearBox("westernYearBox")->setValue(1900);
    emit control<ClockStatusBar>("clockStatusBar")->clicked();
    EXPECT_EQ(yearBox("westernYearBox")->intValue(), 2023);
}

TEST_F(MainWindowTest, SentenceFollowsZodiacSetting)
{
    control<QCheckBox>("showZodiacCheck")->setChecked(true);
    window->openPage(Page::Conversion);
    EXPECT_EQ(control<QPushButton>("sentenceButton")->text(), "この年（卯・う）に生まれた人は、今年 0才です");
    control<QCheckBox>("showZodiacCheck")->setChecked(false);
    yearBox("westernYearBox")->setValue(1993);
    EXPECT_EQ(control<QPushButton>("sentenceButton")->text(), "この年に生まれた人は、今年 30才です");
    yearBox("westernYearBox")->setValue(2025);
    EXPECT_EQ(control<QPushButton>("sentenceButton")->text(), "この年まで、あと 2年です");
}

struct EmphasisCase {
    const char* name;
    int year;
    std::array<bool, 5> eras;
    bool western;
};

class Emphasis : public MainWindowTest, public ::testing::WithParamInterface<EmphasisCase> {};

TEST_P(Emphasis, BoldMarksTheErasOfTheYear)
{
    const EmphasisCase& row = GetParam();
    control<QCheckBox>("emphasizeErasCheck")->setChecked(true);
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

TEST_F(MainWindowTest, EmphasisOffLeavesEverythingPlain)
{
    control<QCheckBox>("emphasizeErasCheck")->setChecked(true);
    control<QCheckBox>("emphasizeErasCheck")->setChecked(false);
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

class YearLimit : public MainWindowTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(YearLimit, PageShowsOneYearWithinRange)
{
    const LimitCase& row = GetParam();
    yearBox("userEraOriginBox")->setValue(row.origin);
    window->openPage(Page::Conversion);
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

TEST_F(MainWindowTest, EveryValueInEveryBoxEndsWithinRange)
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

TEST_F(MainWindowTest, TabMovesThroughTheEraBoxesThenTheWesternYear)
{
    control<QCheckBox>("showUserEraCheck")->setChecked(true);
    window->openPage(Page::Conversion);
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

// ---------------------------------------------------------------- check boxes

TEST_F(MainWindowTest, CheckBoxHandlerRunsOnlyWhenTheStateChanges)
{
    control<QCheckBox>("showStatusBarCheck")->setChecked(true);
    EXPECT_FALSE(control<ClockStatusBar>("clockStatusBar")->isHidden());
    control<ClockStatusBar>("clockStatusBar")->hide();
    control<QCheckBox>("showStatusBarCheck")->setChecked(true); // no change: the handler does not run
    EXPECT_TRUE(control<ClockStatusBar>("clockStatusBar")->isHidden());

    showActive();
    control<PageControl>("pages")->setCurrentWidget(control("settingsPage"));
    QTest::mouseClick(control<QCheckBox>("showStatusBarCheck"), Qt::LeftButton);
    EXPECT_FALSE(control<QCheckBox>("showStatusBarCheck")->isChecked());
    EXPECT_TRUE(control<ClockStatusBar>("clockStatusBar")->isHidden());
    QTest::mouseClick(control<QCheckBox>("showStatusBarCheck"), Qt::LeftButton);
    EXPECT_FALSE(control<ClockStatusBar>("clockStatusBar")->isHidden());
}

TEST_F(MainWindowTest, ViewOptionsFollowTheirCheckBoxes)
{
    control<QCheckBox>("stayOnTopCheck")->setChecked(true);
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    control<QCheckBox>("stayOnTopCheck")->setChecked(false);
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    control<QCheckBox>("showUserEraCheck")->setChecked(true);
    EXPECT_TRUE(control<QLineEdit>("userEraNameEdit")->isEnabled());
    EXPECT_TRUE(yearBox("userEraOriginBox")->isEnabled());
}

// Counts the tooltip events that reach a control.
class TooltipProbe final : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ToolTip)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

TEST_F(MainWindowTest, HintsSwitchOffEveryTooltip)
{
    TooltipProbe probe;
    control<QPushButton>("sentenceButton")->installEventFilter(&probe);
    auto askForTooltip = [this] {
        QHelpEvent event(QEvent::ToolTip, QPoint(2, 2),
                         control<QPushButton>("sentenceButton")->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(control<QPushButton>("sentenceButton"), &event);
    };
    control<QCheckBox>("showHintsCheck")->setChecked(true);
    askForTooltip();
    EXPECT_EQ(probe.count, 1);
    control<QCheckBox>("showHintsCheck")->setChecked(false);
    askForTooltip();
    EXPECT_EQ(probe.count, 1);
    EXPECT_EQ(control<QPushButton>("sentenceButton")->toolTip(), "Close");
}

// The switch holds for the window and the windows it owns, not for a window
// of its own standing such as the tray icon's on X11, whose tooltip "Erakon"
// is the panel's hint.
TEST_F(MainWindowTest, HintsOffLeaveTheTooltipsOfOtherWindows)
{
    QWidget owned(window.get(), Qt::Dialog);
    QWidget trayLike(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint);
    trayLike.setToolTip(QStringLiteral("Erakon"));
    struct Row {
        QWidget* widget;
        int tooltipEvents;
    };
    control<QCheckBox>("showHintsCheck")->setChecked(false);
    for (const Row& row : {Row{&owned, 0}, Row{&trayLike, 1}}) {
        TooltipProbe probe;
        row.widget->installEventFilter(&probe);
        QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), row.widget->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(row.widget, &event);
        EXPECT_EQ(probe.count, row.tooltipEvents) << (row.widget == &owned ? "owned window" : "other window");
    }
}

// ---------------------------------------------------------------- menus

TEST_F(MainWindowTest, MenuMarksMirrorTheSettingsPage)
{
    control<QCheckBox>("showZodiacCheck")->setChecked(true);
    control<QCheckBox>("stayOnTopCheck")->setChecked(true);
    control<QCheckBox>("askBeforeClosingCheck")->setChecked(true);
    control<QCheckBox>("saveSettingsCheck")->setChecked(false);
    control<RadioGroup>("minimizeTargetGroup")->setItemIndex(-1);
    EXPECT_TRUE(action("showZodiacAction")->isChecked());
    EXPECT_TRUE(action("stayOnTopAction")->isChecked());
    EXPECT_FALSE(action("showStatusBarAction")->isChecked());
    EXPECT_FALSE(action("emphasizeErasAction")->isChecked());
    EXPECT_FALSE(action("showUserEraAction")->isChecked());
    EXPECT_TRUE(action("minimizeToTrayAction")->isChecked());
    EXPECT_FALSE(action("minimizeToTaskbarAction")->isChecked());
    EXPECT_TRUE(action("askBeforeClosingAction")->isChecked());
    EXPECT_FALSE(action("saveSettingsAction")->isChecked());
}

struct MenuCase {
    const char* name;
    const char* item;
    const char* checkBox;
};

class MenuCheckItem : public MainWindowTest, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(MenuCheckItem, ChoosingFlipsTheSetting)
{
    const MenuCase& row = GetParam();
    auto* box = window->findChild<QCheckBox*>(QString::fromLatin1(row.checkBox));
    auto* item = control<QMenu>("windowMenu")->findChild<QAction*>(QString::fromLatin1(row.item));
    ASSERT_TRUE(box && item);
    const bool before = box->isChecked();
    item->trigger();
    EXPECT_EQ(box->isChecked(), !before);
}

INSTANTIATE_TEST_SUITE_P(, MenuCheckItem,
                         ::testing::Values(MenuCase{"ShowEto", "showZodiacAction", "showZodiacCheck"},
                                           MenuCase{"StatusBar", "showStatusBarAction", "showStatusBarCheck"},
                                           MenuCase{"StayOnTop", "stayOnTopAction", "stayOnTopCheck"},
                                           MenuCase{"ShowBold", "emphasizeErasAction", "emphasizeErasCheck"},
                                           MenuCase{"AddItem", "showUserEraAction", "showUserEraCheck"},
                                           MenuCase{"CloseQuery", "askBeforeClosingAction", "askBeforeClosingCheck"},
                                           MenuCase{"SaveStatus", "saveSettingsAction", "saveSettingsCheck"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, MenuCommandsActOnThePage)
{
    action("showStatusBarAction")->trigger();
    EXPECT_FALSE(control<ClockStatusBar>("clockStatusBar")->isHidden());

    action("emphasizeErasAction")->trigger();
    EXPECT_TRUE(yearBox("reiwaYearBox")->font().bold());

    action("showUserEraAction")->trigger();
    EXPECT_FALSE(control<QLabel>("userEraLabel")->isHidden());
    EXPECT_TRUE(control<QLineEdit>("userEraNameEdit")->isEnabled());

    action("showZodiacAction")->trigger();
    EXPECT_EQ(control<QPushButton>("sentenceButton")->text(), "この年（卯・う）に生まれた人は、今年 0才です");

    action("minimizeToTrayAction")->trigger();
    EXPECT_EQ(control<RadioGroup>("minimizeTargetGroup")->itemIndex(), 1);
    action("minimizeToTaskbarAction")->trigger();
    EXPECT_EQ(control<RadioGroup>("minimizeTargetGroup")->itemIndex(), 0);
}

TEST_F(MainWindowTest, ZodiacFromTheMenuRebuildsTheShownTable)
{
    window->openPage(Page::Table);
    EXPECT_FALSE(control<TablePage>("tablePage")->tableText().contains(QStringLiteral("卯・う")));
    action("showZodiacAction")->trigger();
    EXPECT_TRUE(control<TablePage>("tablePage")->tableText().contains(QStringLiteral("卯・う")));
}

// ---------------------------------------------------------------- page dispatch

TEST_F(MainWindowTest, UserTabChoiceRunsTheDispatchOfThatPage)
{
    showActive();
    QSignalSpy dispatched(window.get(), &MainWindow::pageEntered);
    QTabBar* bar = control<PageControl>("pages")->tabBar();
    for (int index : {0, 2, 3, 4, 5, 1}) {
        dispatched.clear();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        ASSERT_EQ(dispatched.count(), 1) << index;
        EXPECT_EQ(dispatched.at(0).at(0).value<Page>(), Page(index));
        EXPECT_EQ(control<PageControl>("pages")->currentIndex(), index);
    }
}

TEST_F(MainWindowTest, DispatchRefreshesConversionAndTable)
{
    control<QLineEdit>("userEraNameEdit")->setText(QStringLiteral("開業"));
    yearBox("userEraOriginBox")->setValue(2000);
    window->openPage(Page::Conversion);
    EXPECT_EQ(control<QLabel>("userEraLabel")->text(), "開業");
    EXPECT_EQ(yearBox("userEraYearBox")->intValue(), 24);

    yearBox("westernYearBox")->setValue(1989);
    window->openPage(Page::Table);
    EXPECT_EQ(window->shownPage(), Page::Table);
    EXPECT_TRUE(control<TablePage>("tablePage")->selectedTableText().contains(QStringLiteral("1989年")));
}

TEST_F(MainWindowTest, ProgramPageChangesRunNoDispatch)
{
    QSignalSpy dispatched(window.get(), &MainWindow::pageEntered);
    window->showPage(Page::Table);
    window->showPage(Page::Settings);
    window->showPage(Page::Conversion);
    emit control<TablePage>("tablePage")->yearChosen(QStringLiteral("1926"));
    EXPECT_EQ(dispatched.count(), 0);
    EXPECT_EQ(yearBox("showaYearBox")->intValue(), 1);
    EXPECT_EQ(window->shownPage(), Page::Conversion);
}

TEST_F(MainWindowTest, TabWidthIsASeventhOfTheClientWidth)
{
    EXPECT_EQ(PageControl::tabWidthFor(690, 6), 98);
    showActive();
    window->resize(690, 300);
    PageControl* pages = control<PageControl>("pages");
    QTRY_COMPARE(pages->width(), 690);
    EXPECT_EQ(pages->tabWidth(), 98);
    EXPECT_EQ(pages->tabBar()->tabRect(0).width(), 98);
}

// ---------------------------------------------------------------- closing

TEST_F(MainWindowTest, EscFromAYearBoxAsksBeforeClosing)
{
    control<QCheckBox>("askBeforeClosingCheck")->setChecked(true);
    showActive();
    yearBox("meijiYearBox")->lineEdit()->setFocus();

    messages.answers = {Messages::Answer::No};
    QTest::keyClick(yearBox("meijiYearBox")->lineEdit(), Qt::Key_Escape);
    EXPECT_EQ(messages.asked, QStringList{QStringLiteral("終了してよいですか？")});
    EXPECT_TRUE(window->isVisible());

    messages.answers = {Messages::Answer::Yes};
    QTest::keyClick(yearBox("meijiYearBox")->lineEdit(), Qt::Key_Escape);
    EXPECT_EQ(messages.asked.size(), 2);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, CloseWithoutConfirmationAsksNothing)
{
    showActive();
    QSignalSpy closed(window.get(), &MainWindow::closed);
    control<QPushButton>("sentenceButton")->click();
    EXPECT_TRUE(messages.asked.isEmpty());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(MainWindowTest, RefusedCloseLeavesTheProgramRunning)
{
    control<QCheckBox>("askBeforeClosingCheck")->setChecked(true);
    QSignalSpy closed(window.get(), &MainWindow::closed);
    messages.answers = {Messages::Answer::No};
    action("quitAction")->trigger();
    EXPECT_EQ(closed.count(), 0);
}

TEST_F(MainWindowTest, RightClickOutsideTextBoxesOpensTheWindowMenu)
{
    showActive();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            control<QPushButton>("sentenceButton")->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(control<QPushButton>("sentenceButton"), &event);
    EXPECT_TRUE(control<QMenu>("windowMenu")->isVisible());
    control<QMenu>("windowMenu")->close();
}

TEST_F(MainWindowTest, EndOfSessionAsksNothingAndTheNextCloseAsksAgain)
{
    control<QCheckBox>("askBeforeClosingCheck")->setChecked(true);
    EXPECT_TRUE(window->queryEndSession());
    EXPECT_TRUE(messages.asked.isEmpty());

    messages.answers = {Messages::Answer::No};
    EXPECT_FALSE(window->queryClose());
    EXPECT_EQ(messages.asked.size(), 1);
}

// ---------------------------------------------------------------- minimise and restore

TEST_F(MainWindowTest, RestoreSelectsTheTray)
{
    ASSERT_EQ(control<RadioGroup>("minimizeTargetGroup")->itemIndex(), 0);
    tray()->windowRestored();
    EXPECT_EQ(control<RadioGroup>("minimizeTargetGroup")->itemIndex(), 1);
    EXPECT_FALSE(control<QSystemTrayIcon>("trayIcon")->isVisible());
}

TEST_F(MainWindowTest, MinimiseToTheTrayAndBack)
{
    showActive();
    control<RadioGroup>("minimizeTargetGroup")->setItemIndex(1);
    tray()->windowMinimized();
    EXPECT_TRUE(control<QSystemTrayIcon>("trayIcon")->isVisible());
    EXPECT_FALSE(window->isVisible());

    tray()->restoreFromTray();
    EXPECT_FALSE(control<QSystemTrayIcon>("trayIcon")->isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isMinimized());
}

// The panel holding the tray ends while the window is hidden in it: within a
// few clock ticks the window comes back, as a normal window without a tray
// icon. The desktop is asked once in those ticks, not at every one.
TEST_F(MainWindowTest, TrayThatGoesAwayGivesTheWindowBack)
{
    showActive();
    control<RadioGroup>("minimizeTargetGroup")->setItemIndex(1);
    window->showMinimized();
    QTRY_VERIFY(window->isHidden());
    const int askedBefore = trayQuestions;
    for (int tick = 0; tick < Tray::kTrayCheckTicks; ++tick)
        window->clockTick();
    ASSERT_TRUE(window->isHidden()) << "the tray is still there";
    EXPECT_EQ(trayQuestions - askedBefore, 1);

    trayAvailable = false;
    for (int tick = 0; tick < Tray::kTrayCheckTicks; ++tick)
        window->clockTick();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isMinimized());
    EXPECT_FALSE(control<QSystemTrayIcon>("trayIcon")->isVisible());
    EXPECT_EQ(control<RadioGroup>("minimizeTargetGroup")->itemIndex(), 1);
}

// Hidden in the tray, the window is withdrawn, and X11 reports that as a new
// state. The window stays in the tray, and its icon is not made anew.
TEST_F(MainWindowTest, StateChangeWhileInTheTrayKeepsTheIcon)
{
    showActive();
    control<RadioGroup>("minimizeTargetGroup")->setItemIndex(1);
    window->showMinimized();
    QTRY_VERIFY(window->isHidden());
    auto* icon = control<QSystemTrayIcon>("trayIcon");
    ASSERT_TRUE(icon->isVisible());

    window->setWindowState(Qt::WindowNoState);
    QTest::qWait(0);
    EXPECT_TRUE(window->isHidden());
    EXPECT_TRUE(icon->isVisible());
}

// The tray menu's 終了 reads as it stands; Esc is its shortcut, not text after
// a tab, which a StatusNotifierItem panel would show as it comes.
TEST_F(MainWindowTest, TrayQuitItemCarriesEscAsAShortcut)
{
    EXPECT_EQ(action("quitAction")->text(), QStringLiteral("終了"));
    EXPECT_EQ(action("quitAction")->shortcut(), QKeySequence(Qt::Key_Escape));
}

// Made as small as it may be, the window still shows every year box's four
// digits beside its spin buttons.
TEST_F(MainWindowTest, YearBoxesShow9999AtTheMinimumSize)
{
    showActive();
    window->resize(1, 1);
    ASSERT_EQ(window->size(), window->minimumSize());
    QApplication::processEvents();
    const QList<YearBox*> boxes = control<ConversionPage>("conversionPage")->findChildren<YearBox*>();
    ASSERT_FALSE(boxes.isEmpty());
    for (const YearBox* box : boxes) {
        const QLineEdit* edit = box->lineEdit();
        const QMargins margins = edit->textMargins();
        const int textRoom = edit->contentsRect().width() - margins.left() - margins.right() - 4;
        EXPECT_GE(textRoom, edit->fontMetrics().horizontalAdvance(QStringLiteral("9999")))
            << box->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, MinimiseStaysOnTheTaskbarWithoutATray)
{
    showActive();
    trayAvailable = false;
    control<RadioGroup>("minimizeTargetGroup")->setItemIndex(1);
    tray()->windowMinimized();
    EXPECT_FALSE(control<QSystemTrayIcon>("trayIcon")->isVisible());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, MinimiseToTheTaskbarLeavesTheWindow)
{
    showActive();
    tray()->windowMinimized();
    EXPECT_FALSE(control<QSystemTrayIcon>("trayIcon")->isVisible());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, ClosingHidesTheTrayIcon)
{
    showActive();
    control<RadioGroup>("minimizeTargetGroup")->setItemIndex(1);
    tray()->windowMinimized();
    action("quitAction")->trigger();
    EXPECT_FALSE(control<QSystemTrayIcon>("trayIcon")->isVisible());
}

} // namespace
} // namespace erakon
