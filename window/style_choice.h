// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace erakon {

class Messages;
class StyleService;

// Applies the style of that name (matched without regard to case) to the
// whole program, or keeps the active style when there is no such style; an
// error of the style service is shown through messages. The window's controls
// keep their own fonts. Returns the active style's own name.
QString applyStyleNamed(StyleService& styles, Messages& messages, QWidget* window, const QString& name);

} // namespace erakon
