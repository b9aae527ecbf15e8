// SPDX-License-Identifier: MIT
// The tray on its own: minimising into it, coming back, a tray that goes
// away, and its menu, beside a window of the test's own.
#include "window/tray.h"

#include "window/options_model.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace erakon {
namespace {

// A window whose state changes reach the tray, as the main window's do.
class TrayWindow final : public QWidget {
public:
    Tray* tray = nullptr;

protected:
    void changeEvent(QEvent* event) override
    {
        QWidget::changeEvent(event);
        if (event->type() == QEvent::WindowStateChange && tray)
            tray->windowStateChanged(static_cast<QWindowStateChangeEvent*>(event)->oldState());
    }
};

class TrayTest : public ::testing::Test {
protected:
    TrayTest()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        window.tray = tray;
        window.resize(200, 200);
    }

    void showActive()
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QSystemTrayIcon* trayIcon() const { return tray->findChild<QSystemTrayIcon*>(QStringLiteral("trayIcon")); }
    QAction* action(const char* name) const { return window.findChild<QAction*>(QString::fromLatin1(name)); }

    OptionsModel options{OptionSettings{}};
    bool trayAvailable = true;
    // How often the tray asked whether the desktop has one.
    int trayQuestions = 0;
    TrayWindow window;
    Tray* tray = new Tray(&window, options, [this] {
        ++trayQuestions;
        return trayAvailable;
    });
};

TEST_F(TrayTest, RestoreSelectsTheTray)
{
    ASSERT_EQ(options.values().minimize, kMinimizeToTaskbar);
    tray->windowRestored();
    EXPECT_EQ(options.values().minimize, kMinimizeToTray);
    EXPECT_FALSE(trayIcon()->isVisible());
}

TEST_F(TrayTest, MinimiseToTheTrayAndBack)
{
    showActive();
    options.set(&OptionSettings::minimize, kMinimizeToTray);
    tray->windowMinimized();
    EXPECT_TRUE(trayIcon()->isVisible());
    EXPECT_FALSE(window.isVisible());

    tray->restoreFromTray();
    EXPECT_FALSE(trayIcon()->isVisible());
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isMinimized());
}

// The panel holding the tray ends while the window is hidden in it: within a
// few clock ticks the window comes back, as a normal window without a tray
// icon. The desktop is asked once in those ticks, not at every one.
TEST_F(TrayTest, TrayThatGoesAwayGivesTheWindowBack)
{
    showActive();
    options.set(&OptionSettings::minimize, kMinimizeToTray);
    window.showMinimized();
    QTRY_VERIFY(window.isHidden());
    const int askedBefore = trayQuestions;
    for (int tick = 0; tick < Tray::kTrayCheckTicks; ++tick)
        tray->clockTick();
    ASSERT_TRUE(window.isHidden()) << "the tray is still there";
    EXPECT_EQ(trayQuestions - askedBefore, 1);

    trayAvailable = false;
    for (int tick = 0; tick < Tray::kTrayCheckTicks; ++tick)
        tray->clockTick();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isMinimized());
    EXPECT_FALSE(trayIcon()->isVisible());
    EXPECT_EQ(options.values().minimize, kMinimizeToTray);
}

// Hidden in the tray, the window is withdrawn, and X11 reports that as a new
// state. The window stays in the tray, and its icon is not made anew.
TEST_F(TrayTest, StateChangeWhileInTheTrayKeepsTheIcon)
{
    showActive();
    options.set(&OptionSettings::minimize, kMinimizeToTray);
    window.showMinimized();
    QTRY_VERIFY(window.isHidden());
    ASSERT_TRUE(trayIcon()->isVisible());

    window.setWindowState(Qt::WindowNoState);
    QTest::qWait(0);
    EXPECT_TRUE(window.isHidden());
    EXPECT_TRUE(trayIcon()->isVisible());
}

// The tray menu's 終了 reads as it stands; Esc is its shortcut, not text after
// a tab, which a StatusNotifierItem panel would show as it comes.
TEST_F(TrayTest, TrayQuitItemCarriesEscAsAShortcut)
{
    EXPECT_EQ(action("quitAction")->text(), QStringLiteral("終了"));
    EXPECT_EQ(action("quitAction")->shortcut(), QKeySequence(Qt::Key_Escape));
}

TEST_F(TrayTest, QuitItemAsksForTheClose)
{
    QSignalSpy quit(tray, &Tray::quitRequested);
    action("quitAction")->trigger();
    EXPECT_EQ(quit.count(), 1);
}

TEST_F(TrayTest, MinimiseStaysOnTheTaskbarWithoutATray)
{
    showActive();
    trayAvailable = false;
    options.set(&OptionSettings::minimize, kMinimizeToTray);
    tray->windowMinimized();
    EXPECT_FALSE(trayIcon()->isVisible());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(TrayTest, MinimiseToTheTaskbarLeavesTheWindow)
{
    showActive();
    tray->windowMinimized();
    EXPECT_FALSE(trayIcon()->isVisible());
    EXPECT_TRUE(window.isVisible());
}

} // namespace
} // namespace erakon
