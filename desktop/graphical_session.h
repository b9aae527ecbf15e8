// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <string_view>

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

// The platform the window takes when the user names none (neither -platform nor
// QT_QPA_PLATFORM): "xcb" in GNOME's Wayland session where XWayland answers at
// DISPLAY, and nothing elsewhere, which leaves the choice to Qt. Under GNOME a
// native Wayland window gets Qt's own title bar beside GNOME's (GNOME draws no
// frame for Wayland clients), cannot be placed where it was and cannot stay on
// top; through XWayland it has GNOME's frame, its stored place and stay-on-top,
// and the same tray. x11Answers says whether an X server answers at a display.
std::string_view defaultPlatform(int argc, const char* const* argv,
                                 const std::function<bool(std::string_view)>& x11Answers);
std::string_view defaultPlatform(int argc, const char* const* argv);

// The one line that tells the user, naming DISPLAY and WAYLAND_DISPLAY with
// the values they have.
std::string noDisplayMessage();

} // namespace erakon
