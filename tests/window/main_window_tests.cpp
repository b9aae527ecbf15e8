// SPDX-License-Identifier: MIT
#include "window/main_window.h"

#include "core/version.h"
#include "tests/support/scripted_messages.h"
#include "tests/window/window_fixture.h"
#include "tests/window/year_boxes.h"
#include "widgets/clock_status_bar.h"
#include "widgets/page_control.h"
#include "widgets/radio_group.h"
#include "widgets/year_box.h"
#include "window/age_page.h"
#include "window/conversion_page.h"
#include "window/table_page.h"
#include "window/window_menu.h"

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

#include <memory>

namespace erakon {
namespace {

class MainWindowTest : public WindowFixture<ScriptedMessages> {
protected:
    void SetUp() override { createWindow(); }

    EraOffsets eraOffsets() const { return control<ConversionPage>("conversionPage")->eraOffsets(); }

    // What the conversion page shows: every box's text and boldness, the
    // sentence, and whether back-to-now is enabled.
    QStringList shownOnConversionPage() const
    {
        QStringList shown;
        for (const YearBox* box : yearBoxesIn(*window))
            shown << box->objectName() + u'=' + box->text()
                    + (box->font().bold() ? QStringLiteral(" bold") : QString());
        shown << control<QPushButton>("sentenceButton")->text();
        shown << (control<QPushButton>("backToNowButton")->isEnabled() ? QStringLiteral("back to now") : QString());
        return shown;
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

// erakon --year 0: year 0 is what the boxes hold before the first
// conversion, which converts it all the same.
TEST_F(MainWindowTest, CreationAtYearZeroConvertsIt)
{
    window.reset();
    createWindow({}, 0);
    EXPECT_EQ(yearBox("westernYearBox")->text(), "0");
    EXPECT_EQ(yearBox("meijiYearBox")->intValue(), -1867);
    EXPECT_EQ(yearBox("yearsFromNowBox")->intValue(), -2023);
    EXPECT_EQ(control<QPushButton>("sentenceButton")->text(), "この年に生まれた人は、今年 2023才です");
    EXPECT_TRUE(control<QPushButton>("backToNowButton")->isEnabled());
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
        auto* widget = control(row.name);
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

TEST_F(MainWindowTest, StatusBarClickReturnsToNow)
{
    yearBox("westernYearBox")->setValue(1900);
    emit control<ClockStatusBar>("clockStatusBar")->clicked();
    EXPECT_EQ(yearBox("westernYearBox")->intValue(), 2023);
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
    for (int index : {0, 2, 3, 4, 5, 6, 1}) {
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

// The age page costs nothing until it is first wanted; then it starts at the
// conversion page's year, from its tab or its menu item.
TEST_F(MainWindowTest, AgePageIsBuiltWhenFirstEnteredWithTheConversionYear)
{
    const auto agePage = [this] { return window->findChild<AgePage*>(QStringLiteral("agePage")); };
    EXPECT_EQ(agePage(), nullptr);
    yearBox("showaYearBox")->setValue(50);
    EXPECT_EQ(agePage(), nullptr);

    action("showAgeAction")->trigger();
    EXPECT_EQ(window->shownPage(), Page::Age);
    EXPECT_NE(agePage(), nullptr);
    EXPECT_EQ(control<QLineEdit>("birthDateEdit")->text(), "1975");
    EXPECT_EQ(control<QLineEdit>("asOfDateEdit")->text(), "令和5年5月20日");

    window->openPage(Page::Conversion);
    yearBox("westernYearBox")->setValue(2001);
    showActive();
    QTabBar* bar = control<PageControl>("pages")->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(int(Page::Age)).center());
    EXPECT_EQ(bar->tabText(int(Page::Age)), "年齢");
    EXPECT_EQ(control<QLineEdit>("birthDateEdit")->text(), "2001");
}

TEST_F(MainWindowTest, AgeMenuItemStandsBesideTheOtherPageItems)
{
    const QList<QAction*> items = window->findChild<WindowMenu*>()->actions();
    const qsizetype table = items.indexOf(action("showTableAction"));
    ASSERT_GE(table, 0);
    ASSERT_LT(table + 2, items.size());
    EXPECT_EQ(items[table + 1], action("showAgeAction"));
    EXPECT_EQ(items[table + 1]->text(), "年齢");
    EXPECT_EQ(items[table + 2], action("showStylesAction"));
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

TEST_F(MainWindowTest, TabWidthIsAnEighthOfTheClientWidth)
{
    EXPECT_EQ(PageControl::tabWidthFor(690, 7), 86);
    showActive();
    window->resize(690, 300);
    PageControl* pages = control<PageControl>("pages");
    QTRY_COMPARE(pages->width(), 690);
    EXPECT_EQ(pages->count(), 7);
    EXPECT_EQ(pages->tabWidth(), 86);
    EXPECT_EQ(pages->tabBar()->tabRect(0).width(), 86);
}

// ---------------------------------------------------------------- closing

TEST_F(MainWindowTest, EscFromAYearBoxAsksBeforeClosing)
{
    control<QCheckBox>("askBeforeClosingCheck")->setChecked(true);
    showActive();
    yearBox("meijiYearBox")->lineEdit()->setFocus();

    messages.answers = {Messages::Answer::No};
    QTest::keyClick(yearBox("meijiYearBox")->lineEdit(), Qt::Key_Escape);
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral("yes/no: 終了してよいですか？")});
    EXPECT_TRUE(window->isVisible());

    messages.answers = {Messages::Answer::Yes};
    QTest::keyClick(yearBox("meijiYearBox")->lineEdit(), Qt::Key_Escape);
    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, CloseWithoutConfirmationAsksNothing)
{
    showActive();
    QSignalSpy closed(window.get(), &MainWindow::closed);
    control<QPushButton>("sentenceButton")->click();
    EXPECT_TRUE(messages.shown.isEmpty());
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
    EXPECT_TRUE(messages.shown.isEmpty());

    messages.answers = {Messages::Answer::No};
    EXPECT_FALSE(window->queryClose());
    EXPECT_EQ(messages.shown.size(), 1);
}

// ---------------------------------------------------------------- minimise and restore

// The window's minimising and its clock reach the tray: minimised with the
// tray choice, it goes into the tray, and when the panel holding the tray
// ends, it comes back within a few ticks, the desktop asked once in them.
TEST_F(MainWindowTest, MinimisingAndTheClockReachTheTray)
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
