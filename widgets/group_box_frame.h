// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace erakon {

// Qt's Fusion style draws a group box's frame from an image in Qt's own
// resources, loaded by file name through QPixmap. That loading guesses the
// format: before its own PNG reader it asks every image plugin whether it
// reads the file, and so loads them all (Qt SVG with them) at the first paint
// of a group box. QPixmap looks in the pixmap cache first, under a key made of
// the file's path, time and size; this puts the image there, read by the PNG
// reader alone. Needs a QGuiApplication; true when the image is in place.
bool preloadGroupBoxFrame();

// The key under which QPixmap keeps an image it loaded from that file.
QString pixmapCacheKeyOf(const QString& fileName);

} // namespace erakon
