#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
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

// Show commands of the record.
inline constexpr int kShowCmdHide = 0;
inline constexpr int kShowCmdNormal = 1;

// Window states as the settings file stores them.
inline constexpr int kWindowStateNormal = 0;
inline constexpr int kWindowStateMinimized = 1;
inline constexpr int kWindowStateMaximized = 2;

// The normal rectangle as a QRect; edges beyond +-16777215 are cut to that,
// an inverted rectangle gives an empty one.
QRect normalRect(const WindowPlacement& placement);
void setNormalRect(WindowPlacement& placement, const QRect& rect);

// A stored rectangle that no screen shows well enough to grab it (for example
// after a monitor was removed) is brought onto the primary screen: its size cut
// to the primary's available area, then moved as little as possible to lie
// inside it. availableGeometries lists the screens' work areas, the primary
// first; with none the rectangle is returned unchanged.
QRect keepOnScreen(const QRect& normal, const QList<QRect>& availableGeometries);

} // namespace erakon
