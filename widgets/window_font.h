// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

class QWidget;

namespace erakon {

// The program's font at a pixel height: "Meiryo UI" where it exists, else the
// Noto CJK face, else whatever Japanese face the system falls back to.
QFont windowFont(int pixelSize);

// Qt's style sheet engine, which draws the carried styles, takes font
// inheritance over from the widgets: each change of style sheet resolves a
// control's inherited font anew against the application's font, not its
// parent's, and a font set on a parent no longer reaches the children. The
// window therefore records the font each of its controls shows as built and
// gives it back after every change of style.

// Records the font every control of the window (windows inside it excepted)
// shows now as that control's own, set on it in full.
void keepFonts(QWidget* window);

// The same for a part made inside a window whose fonts are kept already: each
// control keeps the font it would have without a style sheet, its own font
// settings over the font its parent keeps. A style sheet gives a control made
// while it is applied the application's font, not its parent's.
void keepFontsOfPart(QWidget* part);

// Gives every control with a recorded font that font again.
void restoreFonts(QWidget* window);

// Sets or clears bold on a control and the controls inside it (a year box's
// text field), recorded with their fonts; quiet where it already matches.
void setBold(QWidget* widget, bool bold);

} // namespace erakon
