// SPDX-License-Identifier: MIT
#pragma once

#include "settings/window_placement.h"

#include <Qt>

class QWidget;

namespace erakon {

// The window's place and state as the settings file records them, read from
// and given to a Qt window. The place is the window's normal geometry
// without the frame, read with normalGeometry() and given with setGeometry(),
// so that a restart puts the window where it was whatever frame the window
// manager draws.

// The primary screen's work-area width and height, which the defaults of the
// place are reckoned from.
ScreenMetrics primaryScreenMetrics();

// The window's place now, the recorded flags kept; the maximized position is
// the window's own while it is maximized, else the recorded one.
WindowPlacement placementOf(const QWidget& window, const WindowPlacement& recorded);
// The same for a close: `states` is the state to store. Where the window
// system keeps the window's place from the program (Wayland), the recorded
// Left/Top and maximized position stay, and the size is stored from there, so
// that the place of another session (X11) survives.
WindowPlacement placementToStore(const QWidget& window, const WindowPlacement& recorded, Qt::WindowStates states,
                                 bool placeKnown);
// kWindowStateNormal, kWindowStateMinimized or kWindowStateMaximized.
int storedWindowState(const QWidget& window);
int storedWindowState(Qt::WindowStates states);

// Puts a window that is not shown yet where the settings say, wholly on a
// screen, and in the stored state, which show() then honours.
void placeWindow(QWidget& window, const WindowPlacement& placement, int storedState);

// Keeps the window above others, or lets it go, without making it anew.
void setStaysOnTop(QWidget& window, bool onTop);

} // namespace erakon
