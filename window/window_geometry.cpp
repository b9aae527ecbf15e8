// SPDX-License-Identifier: MIT
#include "window/window_geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace erakon {
namespace {

Qt::WindowStates qtWindowState(int storedState)
{
    switch (storedState) {
    case kWindowStateMinimized: return Qt::WindowMinimized;
    case kWindowStateMaximized: return Qt::WindowMaximized;
    default: return Qt::WindowNoState;
    }
}

// The primary screen's work area first, then the others'.
QList<QRect> workAreas()
{
    const QScreen* primary = QGuiApplication::primaryScreen();
    QList<QRect> areas;
    if (primary)
        areas.append(primary->availableGeometry());
    for (const QScreen* other : QGuiApplication::screens()) {
        if (other != primary)
            areas.append(other->availableGeometry());
    }
    return areas;
}

} // namespace

ScreenMetrics primaryScreenMetrics()
{
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary)
        return {};
    return {primary->availableGeometry().width(), primary->geometry().height()};
}

WindowPlacement placementOf(const QWidget& window, const WindowPlacement& recorded)
{
    return placementToStore(window, recorded, window.windowState(), true);
}

WindowPlacement placementToStore(const QWidget& window, const WindowPlacement& recorded, Qt::WindowStates states,
                                 bool placeKnown)
{
    WindowPlacement placement = recorded;
    const int state = storedWindowState(states);
    placement.showCmd = state == kWindowStateMinimized ? kShowCmdShowMinimized
        : state == kWindowStateMaximized               ? kShowCmdShowMaximized
                                                       : kShowCmdNormal;
    if (!placeKnown) {
        setNormalRect(placement, QRect(normalRect(recorded).topLeft(), window.normalGeometry().size()));
        return placement;
    }
    if (state == kWindowStateMaximized)
        placement.maxPosition = window.geometry().topLeft();
    setNormalRect(placement, window.normalGeometry());
    return placement;
}

int storedWindowState(const QWidget& window) { return storedWindowState(window.windowState()); }

int storedWindowState(Qt::WindowStates state)
{
    if (state.testFlag(Qt::WindowMinimized))
        return kWindowStateMinimized;
    if (state.testFlag(Qt::WindowMaximized))
        return kWindowStateMaximized;
    return kWindowStateNormal;
}

void placeWindow(QWidget& window, const WindowPlacement& placement, int storedState)
{
    window.setGeometry(keepOnScreen(normalRect(placement), window.minimumSize(), workAreas()));
    window.setWindowState(qtWindowState(storedState));
}

void setStaysOnTop(QWidget& window, bool onTop)
{
    if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    Qt::WindowFlags flags = window.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    // Only the flag changes, never the window: setWindowFlags() recreates
    // it. A shown window came back hidden and, under openbox, inactive and
    // deaf to the keyboard; one not shown yet (the stored option at start)
    // had its stored place taken for its frame's, so that it opened lower
    // by the title bar at every start.
    window.overrideWindowFlags(flags);
    if (QWindow* native = window.windowHandle())
        native->setFlags(flags);
}

} // namespace erakon
