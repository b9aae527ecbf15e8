// SPDX-License-Identifier: MIT
#pragma once

namespace erakon {

class SettingsPage;
class Tray;
class WindowMenu;

// Under Wayland the compositor alone decides what stays on top, and it
// minimises a window without telling the program, so that the title bar's
// minimise button cannot take the window to the tray: the window's menu
// offers that instead, and the controls say so rather than silently doing
// nothing.
void adaptToWayland(WindowMenu& menu, const Tray& tray);
// The settings page's part, done when the page is made.
void adaptToWayland(SettingsPage& settings);

} // namespace erakon
