// SPDX-License-Identifier: MIT
// The main window with its settings file: what a close writes and the next
// start reads back, in a temporary configuration folder.
#include "window/main_window.h"

#include "tests/support/scripted_messages.h"
#include "tests/support/settings_test_printers.h"
#include "tests/window/window_fixture.h"
#include "widgets/radio_group.h"
#include "widgets/year_box.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace erakon {
namespace {

using namespace Qt::StringLiterals;

// The window with its settings in a temporary folder.
class SettingsWiringTest : public WindowFixture<ScriptedMessages> {
public:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        ASSERT_TRUE(QDir().mkpath(m_root.filePath(u"bin"_s)));
        location = {m_root.filePath(u"config"_s), m_root.filePath(u"bin/erakon"_s)};
    }

    void start() { createWindow(location); }

    // Closes the window as the user does; true when the close went ahead.
    bool closeWindow()
    {
        QSignalSpy closed(window.get(), &MainWindow::closed);
        window->close();
        return closed.count() == 1;
    }

    void restart()
    {
        ASSERT_TRUE(closeWindow());
        window.reset();
        start();
    }

    QString userFile() const { return userSettingsFilePath(location); }

    // A shown window whose close asks first and whose zodiac option differs
    // from the default, so a written file shows the change.
    void startWithCloseQuestionAndZodiac()
    {
        start();
        window->show();
        control<QCheckBox>("askBeforeClosingCheck")->setChecked(true);
        control<QCheckBox>("showZodiacCheck")->setChecked(true);
    }

    void writeUserFile(const QByteArray& content) const { writeSettingsFile(location, content); }

    QString savedText() const
    {
        QFile file(userFile());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    // The lines of one section of the saved file, header excluded.
    QStringList savedSection(const QString& name) const
    {
        QStringList lines;
        bool inside = false;
        for (const QString& line : savedText().split(u"\r\n"_s)) {
            if (line.startsWith(u'['))
                inside = line == u'[' + name + u']';
            else if (inside && !line.isEmpty())
                lines.append(line);
        }
        return lines;
    }

    QList<QCheckBox*> checkBoxes() const
    {
        return {control<QCheckBox>("showZodiacCheck"),       control<QCheckBox>("showStatusBarCheck"),
                control<QCheckBox>("stayOnTopCheck"),        control<QCheckBox>("emphasizeErasCheck"),
                control<QCheckBox>("showUserEraCheck"),      control<QCheckBox>("showHintsCheck"),
                control<QCheckBox>("askBeforeClosingCheck"), control<QCheckBox>("saveSettingsCheck")};
    }

    static QRect middleThird()
    {
        const QScreen* primary = QGuiApplication::primaryScreen();
        const int left = primary->availableGeometry().width() / 3;
        const int top = primary->geometry().height() / 3;
        return QRect(QPoint(left, top), QPoint(2 * left, 2 * top) - QPoint(1, 1));
    }

    // Where a first start puts the window: the middle third of the work area,
    // but never smaller than the layout's minimum (the test screen's third is).
    QRect firstStartPlace() const
    {
        const QRect third = middleThird();
        return QRect(third.topLeft(), third.size().expandedTo(window->minimumSize()));
    }

    SettingsLocation location;

private:
    QTemporaryDir m_root;
};

TEST_F(SettingsWiringTest, FirstStartWithoutAFileTakesTheDefaults)
{
    start();
    EXPECT_EQ(window->geometry(), firstStartPlace());
    EXPECT_EQ(window->windowState(), Qt::WindowNoState);
    for (QCheckBox* box : checkBoxes())
        EXPECT_EQ(box->isChecked(), box == control<QCheckBox>("saveSettingsCheck")) << box->objectName().toStdString();
    EXPECT_EQ(control<QLineEdit>("userEraNameEdit")->text(), u"創業"_s);
    EXPECT_EQ(yearBox("userEraOriginBox")->intValue(), 1880);
    EXPECT_EQ(control<RadioGroup>("minimizeTargetGroup")->itemIndex(), 0);
    EXPECT_FALSE(QFileInfo::exists(userFile())) << "nothing is written before the close";
}

TEST_F(SettingsWiringTest, OptionsSetOnTheSettingsPageSurviveARestart)
{
    start();
    for (QCheckBox* box : checkBoxes()) {
        if (box != control<QCheckBox>("saveSettingsCheck"))
            box->click();
    }
    control<QLineEdit>("userEraNameEdit")->setText(u"創業"_s + u"記念"_s);
    yearBox("userEraOriginBox")->setValue(1603);
    control<RadioGroup>("minimizeTargetGroup")->setItemIndex(1);
    const QString styleAtClose = window->basicStyleName();
    messages.answers = {Messages::Answer::Yes}; // 確認する is now on

    restart();

    for (QCheckBox* box : checkBoxes())
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_EQ(control<QLineEdit>("userEraNameEdit")->text(), u"創業記念"_s);
    EXPECT_EQ(yearBox("userEraOriginBox")->intValue(), 1603);
    EXPECT_EQ(control<RadioGroup>("minimizeTargetGroup")->itemIndex(), 1);
    EXPECT_TRUE(savedSection(u"OPTION"_s).contains(u"StyleName="_s + styleAtClose));
    EXPECT_TRUE(savedText().contains(u"AddName=創業記念\r\n"_s)) << "written as UTF-8";
}

// A signal from the desktop ends the program from the tray, with the close
// question on: nothing is asked and the settings are written.
TEST_F(SettingsWiringTest, EndFromTheDesktopSavesWithoutAsking)
{
    startWithCloseQuestionAndZodiac();
    control<RadioGroup>("minimizeTargetGroup")->setItemIndex(1);
    tray()->windowMinimized();
    ASSERT_FALSE(window->isVisible());
    QSignalSpy closed(window.get(), &MainWindow::closed);

    window->endSession();

    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_FALSE(control<QSystemTrayIcon>("trayIcon")->isVisible());
    const QStringList option = savedSection(u"OPTION"_s);
    EXPECT_TRUE(option.contains(u"ShowEto=1"_s)) << option.join(u' ').toStdString();
    EXPECT_TRUE(option.contains(u"CloseQuery=1"_s));
}

// The signal comes while the close question is open: the program still ends
// and writes its settings, whatever the question's answer would have been.
TEST_F(SettingsWiringTest, EndFromTheDesktopWhileTheCloseQuestionIsOpen)
{
    startWithCloseQuestionAndZodiac();
    QSignalSpy closed(window.get(), &MainWindow::closed);
    messages.whileShown = [this] {
        messages.whileShown = nullptr;
        window->endSession();
    };
    messages.answers = {Messages::Answer::No};

    window->close();

    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(savedSection(u"OPTION"_s).contains(u"ShowEto=1"_s));
}

TEST_F(SettingsWiringTest, NameWithALineBreakStaysOneValue)
{
    start();
    control<QLineEdit>("userEraNameEdit")->setText(u"創業\r\nStyleName=Injected"_s);
    restart();

    const QStringList option = savedSection(u"OPTION"_s);
    QStringList keys;
    for (const QString& line : option)
        keys.append(line.section(u'=', 0, 0));
    EXPECT_EQ(keys,
              (QStringList{u"ShowEto"_s, u"StatusBar"_s, u"StayOnTop"_s, u"ShowBold"_s, u"AddItem"_s, u"AddName"_s,
                           u"ShowHint"_s, u"AddYear"_s, u"Minimize"_s, u"CloseQuery"_s, u"SaveStatus"_s, u"StyleName"_s,
                           u"Sex"_s}));
    EXPECT_FALSE(control<QLineEdit>("userEraNameEdit")->text().contains(u'\n'));
    EXPECT_TRUE(control<QLineEdit>("userEraNameEdit")->text().startsWith(u"創業"_s));
}

TEST_F(SettingsWiringTest, LongestNameSurvivesARestart)
{
    start();
    const QString longest(control<QLineEdit>("userEraNameEdit")->maxLength(), u'名');
    control<QLineEdit>("userEraNameEdit")->setText(longest + u'x'); // one more than the box takes
    restart();
    EXPECT_EQ(control<QLineEdit>("userEraNameEdit")->text(), longest);
}

TEST_F(SettingsWiringTest, EmptyOriginBoxIsStoredAsZero)
{
    start();
    yearBox("userEraOriginBox")->setText(QString());
    restart();
    EXPECT_TRUE(savedSection(u"OPTION"_s).contains(u"AddYear=0"_s));
    EXPECT_EQ(yearBox("userEraOriginBox")->intValue(), 0);
}

// An origin typed beyond its range with the focus still in its box when Esc
// closes the window: the file gets the range's end, as the next start would
// read it, and never a number outside it.
TEST_F(SettingsWiringTest, OriginTypedBeyondItsRangeIsStoredAtItsEnd)
{
    start();
    control<QCheckBox>("showUserEraCheck")->setChecked(true);
    window->showPage(Page::Settings);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QLineEdit* origin = yearBox("userEraOriginBox")->lineEdit();
    origin->setFocus();
    origin->selectAll();
    QTest::keyClicks(origin, u"12345"_s);
    ASSERT_EQ(yearBox("userEraOriginBox")->text(), u"12345"_s) << "kept while typed";
    QSignalSpy closed(window.get(), &MainWindow::closed);

    QTest::keyClick(origin, Qt::Key_Escape);

    ASSERT_EQ(closed.count(), 1);
    EXPECT_TRUE(savedSection(u"OPTION"_s).contains(u"AddYear=9999"_s)) << savedText().toStdString();
}

struct PlaceCase {
    const char* name;
    Qt::WindowState state;
};

class PlaceTest : public SettingsWiringTest, public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(PlaceTest, RestartPutsTheWindowWhereItWas)
{
    start();
    const QRect normal(100, 120, 460, 260);
    window->setGeometry(normal);
    window->setWindowState(GetParam().state);
    restart();
    EXPECT_EQ(window->windowState(), GetParam().state);
    EXPECT_EQ(window->normalGeometry(), normal);
}

INSTANTIATE_TEST_SUITE_P(States, PlaceTest,
                         ::testing::Values(PlaceCase{"Normal", Qt::WindowNoState},
                                           PlaceCase{"Maximized", Qt::WindowMaximized},
                                           PlaceCase{"Minimized", Qt::WindowMinimized}),
                         [](const auto& info) { return std::string(info.param.name); });

// A stored place whose size is below the window's minimum: the window as
// Qt really makes it lies wholly on the screen, not only the stored size.
struct SmallPlaceCase {
    const char* name;
    QByteArray (*position)(const QRect& screen);
};

class SmallPlaceTest : public SettingsWiringTest, public ::testing::WithParamInterface<SmallPlaceCase> {};

TEST_P(SmallPlaceTest, WindowAtItsMinimumLiesOnTheScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    writeUserFile("[POSITION]\r\n" + GetParam().position(screen));
    start();
    EXPECT_EQ(window->width(), window->minimumWidth());
    EXPECT_TRUE(screen.contains(window->geometry())) << window->geometry().x() << "," << window->geometry().y()
                                                     << " on " << screen.width() << "x" << screen.height();
}

INSTANTIATE_TEST_SUITE_P(
    Positions, SmallPlaceTest,
    ::testing::Values(SmallPlaceCase{"TenPixelsAtTheRightEdge",
                                     [](const QRect& screen) {
                                         const QByteArray left = QByteArray::number(screen.right() - 29);
                                         const QByteArray right = QByteArray::number(screen.right() - 19);
                                         return "Left=" + left + "\r\nTop=100\r\nRight=" + right + "\r\nBottom=110\r\n";
                                     }},
                      SmallPlaceCase{"NoWidthBeyondTheRightEdge",
                                     [](const QRect& screen) {
                                         const QByteArray edge = QByteArray::number(screen.right() + 700);
                                         return "Left=" + edge + "\r\nRight=" + edge + "\r\n";
                                     }},
                      SmallPlaceCase{"NearTheBottom",
                                     [](const QRect& screen) {
                                         return "Left=100\r\nTop=" + QByteArray::number(screen.bottom() - 100)
                                             + "\r\nRight=150\r\nBottom=" + QByteArray::number(screen.bottom() - 50)
                                             + "\r\n";
                                     }}),
    [](const auto& info) { return std::string(info.param.name); });

// The place a window is shown at and stores again, with stay-on-top on or off:
// the offscreen platform draws a frame, so a stored place taken for the
// frame's would show here as it does under a window manager.
class ShownPlaceTest : public SettingsWiringTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ShownPlaceTest, StartsAndClosesKeepTheStoredPlace)
{
    const QStringList stored{u"Left=300"_s, u"Top=300"_s, u"Right=700"_s, u"Bottom=600"_s, u"State=0"_s};
    writeUserFile("[POSITION]\r\n" + stored.join(u"\r\n"_s).toUtf8() + "\r\n[OPTION]\r\nStayOnTop=" + GetParam()
                  + "\r\n");
    for (int round = 1; round <= 3; ++round) {
        start();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        EXPECT_EQ(window->geometry(), QRect(300, 300, 400, 300)) << "start " << round;
        ASSERT_TRUE(closeWindow());
        window.reset();
        const QStringList saved = savedSection(u"POSITION"_s);
        for (const QString& line : stored)
            EXPECT_TRUE(saved.contains(line)) << "close " << round << ": " << saved.join(u' ').toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(StayOnTop, ShownPlaceTest, ::testing::Values("0", "1"),
                         [](const auto& info) { return std::string(info.param) == "1" ? "On" : "Off"; });

// The sex the age page lists the 厄年 for is kept across a restart; a value
// the program does not know is the default and is written back as it.
TEST_F(SettingsWiringTest, SexOfTheAgePageSurvivesARestart)
{
    start();
    window->openPage(Page::Age);
    control<QRadioButton>("femaleButton")->click();
    restart();
    EXPECT_TRUE(savedSection(u"OPTION"_s).contains(u"Sex=女性"_s));
    window->openPage(Page::Age);
    EXPECT_TRUE(control<QRadioButton>("femaleButton")->isChecked());

    writeUserFile(QByteArray("[OPTION]\r\nSex=female\r\n"));
    window.reset();
    start();
    window->openPage(Page::Age);
    EXPECT_TRUE(control<QRadioButton>("maleButton")->isChecked());
    restart();
    EXPECT_TRUE(savedSection(u"OPTION"_s).contains(u"Sex=男性"_s));
}

TEST_F(SettingsWiringTest, StoredEmphasisRunsAtStart)
{
    writeUserFile("[OPTION]\r\nShowBold=1\r\n");
    start();
    EXPECT_TRUE(control<QCheckBox>("emphasizeErasCheck")->isChecked());
    EXPECT_EQ(yearBox("reiwaYearBox")->intValue(), 5) << "令和5年";
    EXPECT_TRUE(yearBox("reiwaYearBox")->font().bold());
    EXPECT_TRUE(control<QLabel>("reiwaLabel")->font().bold());
    EXPECT_FALSE(yearBox("heiseiYearBox")->font().bold());
}

TEST_F(SettingsWiringTest, SavingSwitchedOffForgetsEverythingButTheProgram)
{
    writeUserFile("[NOTES]\r\nmine=1\r\n[MODE]\r\nx=1\r\n[POSITION]\r\nLeft=10\r\n[OPTION]\r\nShowEto=1\r\n");
    start();
    ASSERT_TRUE(control<QCheckBox>("showZodiacCheck")->isChecked());
    control<QCheckBox>("saveSettingsCheck")->click();
    restart();

    QStringList headers;
    for (const QString& line : savedText().split(u"\r\n"_s)) {
        if (line.startsWith(u'['))
            headers.append(line);
    }
    EXPECT_EQ(headers, (QStringList{u"[NOTES]"_s, u"[PROGRAM]"_s}));
    EXPECT_FALSE(control<QCheckBox>("showZodiacCheck")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("saveSettingsCheck")->isChecked());
    EXPECT_EQ(window->geometry(), firstStartPlace());
}

struct MinimizeCase {
    const char* name;
    const char* stored;
    int itemIndex;
};

class StoredMinimizeTest : public SettingsWiringTest, public ::testing::WithParamInterface<MinimizeCase> {};

TEST_P(StoredMinimizeTest, IsKeptToTheRadioGroup)
{
    writeUserFile(QByteArray("[OPTION]\r\nMinimize=") + GetParam().stored + "\r\n");
    start();
    EXPECT_EQ(control<RadioGroup>("minimizeTargetGroup")->itemIndex(), GetParam().itemIndex);
}

INSTANTIATE_TEST_SUITE_P(Values, StoredMinimizeTest,
                         ::testing::Values(MinimizeCase{"Tray", "1", 1}, MinimizeCase{"AboveTheItems", "5", 1},
                                           MinimizeCase{"BelowNone", "-3", -1}),
                         [](const auto& info) { return std::string(info.param.name); });

// Under Wayland the window system neither places the window nor tells where it
// is (Qt reports 0,0): a close keeps the stored Left/Top and stores the size
// from there. Under X11 the place is the window's own.
struct ClosePlaceCase {
    const char* name;
    bool wayland;
    QStringList saved;
};

class ClosePlaceTest : public SettingsWiringTest, public ::testing::WithParamInterface<ClosePlaceCase> {};

TEST_P(ClosePlaceTest, CloseStoresThePlaceTheWindowSystemKnows)
{
    desktop.wayland = GetParam().wayland;
    writeUserFile("[POSITION]\r\nLeft=300\r\nTop=200\r\nRight=700\r\nBottom=500\r\nState=0\r\n");
    start();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->setGeometry(0, 0, 500, 350);
    ASSERT_TRUE(closeWindow());
    const QStringList saved = savedSection(u"POSITION"_s);
    for (const QString& line : GetParam().saved)
        EXPECT_TRUE(saved.contains(line)) << line.toStdString() << " in " << saved.join(u' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    WindowSystems, ClosePlaceTest,
    ::testing::Values(ClosePlaceCase{"X11", false, {u"Left=0"_s, u"Top=0"_s, u"Right=500"_s, u"Bottom=350"_s}},
                      ClosePlaceCase{"Wayland", true, {u"Left=300"_s, u"Top=200"_s, u"Right=800"_s, u"Bottom=550"_s}}),
    [](const auto& info) { return std::string(info.param.name); });

// Under Wayland the compositor alone keeps a window on top: the check box and
// the menu item are disabled, say why, and the stored value goes back as read.
class StayOnTopUnderWaylandTest : public SettingsWiringTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(StayOnTopUnderWaylandTest, IsShownDisabledAndKept)
{
    desktop.wayland = true;
    writeUserFile(QByteArray("[OPTION]\r\nStayOnTop=") + GetParam() + "\r\n");
    start();
    auto* check = control<QCheckBox>("stayOnTopCheck");
    EXPECT_FALSE(check->isEnabled());
    EXPECT_TRUE(check->toolTip().contains(u"Wayland"_s)) << check->toolTip().toStdString();
    EXPECT_FALSE(action("stayOnTopAction")->isEnabled());
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    ASSERT_TRUE(closeWindow());
    EXPECT_TRUE(savedSection(u"OPTION"_s).contains(u"StayOnTop="_s + QLatin1String(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(Stored, StayOnTopUnderWaylandTest, ::testing::Values("0", "1"),
                         [](const auto& info) { return std::string(info.param) == "1" ? "On" : "Off"; });

// 終了 from the tray stores the state the window had before it went there, as a
// close from the window does: the next start shows the window.
class CloseFromTheTrayTest : public SettingsWiringTest, public ::testing::WithParamInterface<bool> {};

TEST_P(CloseFromTheTrayTest, StoresTheStateBeforeTheTray)
{
    const bool maximized = GetParam();
    writeUserFile("[OPTION]\r\nMinimize=1\r\n");
    start();
    maximized ? window->showMaximized() : window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->setWindowState(window->windowState() | Qt::WindowMinimized);
    QTRY_VERIFY(window->isHidden());
    action("quitAction")->trigger();
    EXPECT_TRUE(savedSection(u"POSITION"_s).contains(maximized ? u"State=2"_s : u"State=0"_s))
        << savedSection(u"POSITION"_s).join(u' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(States, CloseFromTheTrayTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Maximized" : "Normal"; });

// Wayland does not tell the program when the compositor minimises it, so the
// window's menu offers "トレイに隠す"; it works where the choice is the tray and
// a tray is there, and does not exist under X11, where minimising does it.
struct HideToTrayCase {
    const char* name;
    bool wayland;
    const char* minimize;
    bool available;
    bool shown;
    bool enabled;
};

class HideToTrayTest : public SettingsWiringTest, public ::testing::WithParamInterface<HideToTrayCase> {};

TEST_P(HideToTrayTest, MenuItemWorksWhereItIsOffered)
{
    const HideToTrayCase& c = GetParam();
    desktop.wayland = c.wayland;
    trayAvailable = c.available;
    writeUserFile(QByteArray("[OPTION]\r\nMinimize=") + c.minimize + "\r\n");
    start();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    auto* menu = control<QMenu>("windowMenu");
    emit menu->aboutToShow();
    QAction* hide = action("hideToTrayAction");
    EXPECT_EQ(hide->isVisible(), c.shown);
    EXPECT_EQ(hide->isEnabled(), c.enabled);
    if (!c.shown || !c.enabled)
        return;
    hide->trigger();
    EXPECT_TRUE(window->isHidden());
    EXPECT_TRUE(control<QSystemTrayIcon>("trayIcon")->isVisible());
    tray()->restoreFromTray();
    EXPECT_TRUE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Cases, HideToTrayTest,
                         ::testing::Values(HideToTrayCase{"WaylandTray", true, "1", true, true, true},
                                           HideToTrayCase{"WaylandTaskbar", true, "0", true, true, false},
                                           HideToTrayCase{"WaylandNoTray", true, "1", false, true, false},
                                           HideToTrayCase{"X11", false, "1", true, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsWiringTest, StartMinimizedToTheTrayShowsOnlyTheTrayIcon)
{
    writeUserFile("[POSITION]\r\nState=1\r\n[OPTION]\r\nMinimize=1\r\n");
    start();
    window->show();
    QTRY_VERIFY(control<QSystemTrayIcon>("trayIcon")->isVisible());
    EXPECT_TRUE(window->isHidden());

    tray()->restoreFromTray();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowState(), Qt::WindowNoState);
    EXPECT_FALSE(control<QSystemTrayIcon>("trayIcon")->isVisible());
}

TEST_F(SettingsWiringTest, StartMinimizedToTheTaskbarStaysMinimized)
{
    writeUserFile("[POSITION]\r\nState=1\r\n[OPTION]\r\nMinimize=0\r\n");
    start();
    window->show();
    QTest::qWait(0);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isMinimized());
    EXPECT_FALSE(control<QSystemTrayIcon>("trayIcon")->isVisible());
}

TEST_F(SettingsWiringTest, LastCloseIsTheClockInTheProgramDefaultFormat)
{
    start();
    ASSERT_TRUE(closeWindow());
    EXPECT_FALSE(window->settingsSaveFailed());
    EXPECT_TRUE(savedSection(u"PROGRAM"_s).contains(u"LastClose=2023/05/20 14:05:09"_s)) << savedText().toStdString();
}

struct UnwritableCase {
    const char* name;
    void (*prepare)(SettingsWiringTest& test, const QString& root);
};

class UnwritableTest : public SettingsWiringTest, public ::testing::WithParamInterface<UnwritableCase> {
protected:
    QTemporaryDir scratch;
};

struct UnwritableCases {
    // Neither the per-user folder nor the folder beside the executable can be made:
    // both lie below a plain file.
    static void noFolder(SettingsWiringTest& test, const QString& root)
    {
        QFile plain(root + u"/plain"_s);
        ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
        test.location = {root + u"/plain/config"_s, root + u"/plain/bin/erakon"_s};
    }
    static void readOnlyFile(SettingsWiringTest& test, const QString&)
    {
        test.writeUserFile("[OPTION]\r\nShowEto=1\r\n");
        QFile::setPermissions(test.userFile(), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    }
};

TEST_P(UnwritableTest, CloseReportsTheErrorAndGoesAhead)
{
    ASSERT_TRUE(scratch.isValid());
    GetParam().prepare(*this, scratch.path());
    start();
    const QString before = savedText();

    EXPECT_TRUE(closeWindow());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown.first().startsWith(u"error: Cannot "_s)) << messages.shown.first().toStdString();
    EXPECT_TRUE(standardError.isEmpty());
    EXPECT_TRUE(window->settingsSaveFailed());
    EXPECT_EQ(savedText(), before);
}

// The desktop ends the program (a signal, the end of the session): a box
// would hold the end up with nobody to answer it, so nothing is shown, the
// error goes to standard error and the program ends with a failure.
TEST_P(UnwritableTest, EndFromTheDesktopAsksNothing)
{
    ASSERT_TRUE(scratch.isValid());
    GetParam().prepare(*this, scratch.path());
    start();
    window->show();
    QSignalSpy closed(window.get(), &MainWindow::closed);

    window->endSession();

    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join(u' ').toStdString();
    ASSERT_EQ(standardError.size(), 1);
    EXPECT_TRUE(standardError.first().startsWith(u"Cannot "_s)) << standardError.first().toStdString();
    EXPECT_TRUE(window->settingsSaveFailed());
}

// The signal comes while a normal close shows its error: the program ends
// without stacking a second box.
TEST_P(UnwritableTest, EndFromTheDesktopDuringTheCloseErrorShowsNoSecondBox)
{
    ASSERT_TRUE(scratch.isValid());
    GetParam().prepare(*this, scratch.path());
    start();
    window->show();
    QSignalSpy closed(window.get(), &MainWindow::closed);
    messages.whileShown = [this] {
        messages.whileShown = nullptr;
        window->endSession();
    };

    window->close();

    EXPECT_GE(closed.count(), 1);
    EXPECT_EQ(messages.shown.size(), 1) << messages.shown.join(u' ').toStdString();
    EXPECT_EQ(standardError.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Locations, UnwritableTest,
                         ::testing::Values(UnwritableCase{"NoFolderAnywhere", &UnwritableCases::noFolder},
                                           UnwritableCase{"ReadOnlyFile", &UnwritableCases::readOnlyFile}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace erakon
