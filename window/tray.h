// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>

class QMenu;
class QSystemTrayIcon;
class QWidget;

namespace erakon {

class OptionsModel;

// The window's life in the notification area: the tray icon with its menu,
// minimising into the tray and coming back. When the desktop has no tray, or
// the tray goes away while the window is in it, the window stays on or comes
// back to the taskbar: it is never hidden with no way back.
class Tray final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tray)

public:
    // trayAvailable says whether the desktop has a notification area now.
    Tray(QWidget* window, OptionsModel& options, std::function<bool()> trayAvailable);

    // The window's state changed from oldState.
    void windowStateChanged(Qt::WindowStates oldState);
    // The window was minimised: into the tray, unless the choice is the taskbar
    // or there is no tray.
    void windowMinimized();
    // The window was restored or comes back from the tray: the icon goes, and
    // from now on minimising goes to the tray.
    void windowRestored();
    // The icon's click and the menu's "元の大きさに戻す": back, normal and active.
    void restoreFromTray();
    // Into the tray now: the icon shown, the window hidden.
    void hideToTray();
    // Whether a command may hide the window to the tray: the minimise choice
    // is the tray, and the desktop has one.
    bool canHideToTray() const;
    // Every clock tick: a tray that went away gives the window back. Asking the
    // desktop costs a D-Bus round trip, so it is asked every
    // kTrayCheckTicks ticks only, while the window is in the tray.
    void clockTick();
    static constexpr int kTrayCheckTicks = 5;
    // Whether the window is hidden in the tray now.
    bool windowInTray() const;
    // The state a close stores: the window's, or, while it is in the tray, the
    // state it had before (normal or maximised), as the taskbar would keep it.
    Qt::WindowStates windowStatesToStore() const;
    // The window closes: the icon goes with it.
    void removeIcon();

signals:
    // The menu's "終了".
    void quitRequested();

private:
    void createMenu(QWidget* window);

    QWidget* m_window;
    OptionsModel& m_options;
    std::function<bool()> m_trayAvailable;
    QSystemTrayIcon* m_trayIcon;
    QMenu* m_trayMenu = nullptr;
    Qt::WindowStates m_statesBeforeTray;
    int m_ticksSinceTrayCheck = 0;
};

} // namespace erakon
