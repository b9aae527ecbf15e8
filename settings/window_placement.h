// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtGlobal>

namespace erakon {

// The window's placement as the settings file stores it, after the Windows
// record WINDOWPLACEMENT: the normal (restored) rectangle is left, top and the
// exclusive right, bottom.
struct WindowPlacement {
    quint32 flags = 0;
    int showCmd = 0;
    QPoint maxPosition{-1, -1};
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// Show commands of the record, with the values Windows gives them.
inline constexpr int kShowCmdHide = 0;
inline constexpr int kShowCmdNormal = 1;
inline constexpr int kShowCmdShowMinimized = 2;
inline constexpr int kShowCmdShowMaximized = 3;

// Window states as the settings file stores them.
inline constexpr int kWindowStateNormal = 0;
inline constexpr int kWindowStateMinimized = 1;
inline constexpr int kWindowStateMaximized = 2;

// The normal rectangle as a QRect; edges beyond +-16777215 are cut to that,
// an inverted rectangle gives an empty one.
QRect normalRect(const WindowPlacement& placement);
void setNormalRect(WindowPlacement& placement, const QRect& rect);

// Where the window goes at start. The stored normal rectangle is taken at the
// size the window really gets, at least minimumSize: a stored size below it
// would otherwise pass for on screen while the real window runs off it. A
// window that lies wholly on the screens stays where it was stored. One that
// runs off them (a monitor was removed, the resolution dropped, the screen is
// smaller than the window's minimum) is brought onto the screen that shows
// most of it, the primary when none shows any: its size cut to that screen's
// area, then moved as little as possible to lie inside it, the top-left corner
// first where even the minimum does not fit, so that the title bar can always
// be reached. availableGeometries lists the screens' work areas, the primary
// first; with none the rectangle is only brought to its real size.
QRect keepOnScreen(const QRect& normal, const QSize& minimumSize, const QList<QRect>& availableGeometries);

// What the default placement is worked out from.
struct ScreenMetrics {
    int workAreaWidth = 0; // of the primary screen's work area
    int screenHeight = 0; // of the primary screen
};

// The window state a stored value gives: 0, 1 and 2 as they are, any other
// value the normal state.
int windowStateFromStored(int stored);

} // namespace erakon
