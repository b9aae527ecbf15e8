#pragma once

#include <QIcon>

namespace erakon {

// The program's icon from the compiled-in resources: the scalable drawing and
// the PNG sizes, so that the icon shows even where Qt has no SVG plugin. Null
// when the executable was linked without the icon resources.
QIcon loadProgramIcon();

} // namespace erakon
