#pragma once

#include <QIcon>

namespace erakon {

// The program's icon from the compiled-in resources: the PNG sizes up to 48
// pixels, which need neither the SVG plugin nor any other image plugin. Null
// when the executable was linked without the icon resources.
QIcon loadProgramIcon();

} // namespace erakon
