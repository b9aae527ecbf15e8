// SPDX-License-Identifier: MIT
#include "window/tray.h"

#include "core/version.h"
#include "desktop/program_icon.h"
#include "window/options_model.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

namespace erakon {
namespace {

const QString kTitle = QString::fromUtf8(kApplicationTitle);

} // namespace

Tray::Tray(QWidget* window, OptionsModel& options, std::function<bool()> trayAvailable)
    : QObject(window)
    , m_window(window)
    , m_options(options)
    , m_trayAvailable(std::move(trayAvailable))
    , m_trayIcon(new QSystemTrayIcon(this))
{
    setObjectName(QStringLiteral("tray"));
    m_trayIcon->setObjectName(QStringLiteral("trayIcon"));
    m_trayIcon->setIcon(loadProgramIcon());
    m_trayIcon->setToolTip(kTitle);
    createMenu(window);
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            restoreFromTray();
    });
}

// The menu belongs to the window, whose look and hint switch it shares.
void Tray::createMenu(QWidget* window)
{
    m_trayMenu = new QMenu(window);
    m_trayMenu->setObjectName(QStringLiteral("trayMenu"));
    QAction* restore = m_trayMenu->addAction(QStringLiteral("元の大きさに戻す"));
    restore->setObjectName(QStringLiteral("restoreAction"));
    connect(restore, &QAction::triggered, this, &Tray::restoreFromTray);
    // The tray menu belongs to no window, so Esc is only shown here; the key
    // itself acts through the window menu's "閉じる". As a shortcut, not as text
    // after a tab: a StatusNotifierItem panel shows the label as it comes.
    QAction* quit = m_trayMenu->addAction(QStringLiteral("終了"));
    quit->setObjectName(QStringLiteral("quitAction"));
    quit->setShortcut(Qt::Key_Escape);
    quit->setShortcutContext(Qt::WidgetShortcut);
    quit->setShortcutVisibleInContextMenu(true);
    connect(quit, &QAction::triggered, this, &Tray::quitRequested);
    m_trayIcon->setContextMenu(m_trayMenu);
}

void Tray::windowStateChanged(Qt::WindowStates oldState)
{
    // Hidden in the tray, the window is withdrawn from the window manager,
    // which X11 reports as a state change; only the tray brings it back.
    // Taking that for a restore hid the icon and showed it again, so that
    // the panel saw it register anew.
    if (windowInTray())
        return;
    const bool wasMinimized = oldState.testFlag(Qt::WindowMinimized);
    if (m_window->isMinimized() && !wasMinimized) {
        // Hiding inside the state change itself confuses some window managers.
        QTimer::singleShot(0, this, [this] {
            if (m_window->isMinimized())
                windowMinimized();
        });
    } else if (!m_window->isMinimized() && wasMinimized) {
        windowRestored();
    }
}

void Tray::windowMinimized()
{
    if (m_options.values().minimize == kMinimizeToTaskbar)
        return;
    // Without a notification area the window stays on the taskbar: hiding it
    // would leave no way back.
    if (!m_trayAvailable())
        return;
    hideToTray();
}

void Tray::hideToTray()
{
    m_statesBeforeTray = m_window->windowState() & ~Qt::WindowMinimized;
    m_ticksSinceTrayCheck = 0;
    m_trayIcon->show();
    m_window->hide();
}

bool Tray::canHideToTray() const { return m_options.values().minimize != kMinimizeToTaskbar && m_trayAvailable(); }

bool Tray::windowInTray() const { return m_trayIcon->isVisible() && m_window->isHidden(); }

Qt::WindowStates Tray::windowStatesToStore() const
{
    return windowInTray() ? m_statesBeforeTray : m_window->windowState();
}

void Tray::windowRestored()
{
    m_options.set(&OptionSettings::minimize, kMinimizeToTray);
    m_trayIcon->hide();
    if (m_window->isHidden())
        m_window->showNormal();
}

void Tray::restoreFromTray()
{
    windowRestored();
    if (m_window->isMinimized())
        m_window->showNormal();
    m_window->raise();
    m_window->activateWindow();
}

void Tray::clockTick()
{
    if (!m_trayIcon->isVisible())
        return;
    // The panel that held the icon has gone (it crashed, or was ended): a
    // window hidden in the tray would have no way back, so it comes back.
    if (m_window->isHidden() && ++m_ticksSinceTrayCheck >= kTrayCheckTicks) {
        m_ticksSinceTrayCheck = 0;
        if (!m_trayAvailable()) {
            windowRestored();
            return;
        }
    }
    // Qt passes even an unchanged hint on, and a D-Bus tray host would be
    // woken by it every second.
    if (m_trayIcon->toolTip() != kTitle)
        m_trayIcon->setToolTip(kTitle);
}

void Tray::removeIcon()
{
    if (m_trayIcon->isVisible())
        m_trayIcon->hide();
}

} // namespace erakon
