// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace erakon {

// Qt ends a program with abort() and a note about reinstalling it when its
// platform plugin finds no display: DISPLAY unset, or naming a server that is
// not there. The program checks first and says what is missing instead.

// Whether the window system that Qt will use answers: an X server at DISPLAY
// (or at Qt's -display argument) or a Wayland compositor at WAYLAND_DISPLAY
// (default "wayland-0" in XDG_RUNTIME_DIR) or WAYLAND_SOCKET. The platform is
// read as Qt reads it: the last -platform, else QT_QPA_PLATFORM. A platform
// that needs neither (offscreen, vnc, eglfs, a name that is no platform, ...)
// counts as reachable here; whether it starts and has a screen is checked as
// Qt starts (platform_start.h). Plain C++ and libxcb: it runs before Qt is
// started.
bool displayReachable(int argc, const char* const* argv);

// The one line that tells the user, naming DISPLAY and WAYLAND_DISPLAY with
// the values they have.
std::string noDisplayMessage();

} // namespace erakon
