// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace erakon {

// Asks the window manager to give the top-level window a caption but no
// title-bar buttons and no window menu. Call when the native window exists
// and before it is mapped (from showEvent). Qt's window flags cannot say this
// on X11: without any button flag Qt allows every window function.
void hideTitleBarButtons(QWidget& window);

} // namespace erakon
