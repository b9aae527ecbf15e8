// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

namespace erakon {

// The program's icon, for its windows and its tray icon. Once the program has
// made it the application's icon (main() does, at start), that icon, already
// decoded; before, the PNG sizes up to 256 pixels from the compiled-in
// resources, which need neither the SVG plugin nor any other image plugin.
// Null when the executable was linked without the icon resources.
QIcon loadProgramIcon();

// The program's icon drawn large, as the About box shows it: the scalable
// drawing where Qt can render it, else loadProgramIcon().
QIcon loadProgramDrawing();

} // namespace erakon
