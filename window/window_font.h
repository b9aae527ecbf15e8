#pragma once

#include <QFont>

class QWidget;

namespace erakon {

// The program's font at a pixel height: "Meiryo UI" where it exists, else the
// Noto CJK face, else whatever Japanese face the system falls back to.
QFont windowFont(int pixelSize);

// Sets or clears bold on a widget's own font; quiet when it already matches.
void setBold(QWidget* widget, bool bold);

} // namespace erakon
