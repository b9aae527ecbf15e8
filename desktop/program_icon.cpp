// SPDX-License-Identifier: MIT
#include "desktop/program_icon.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>

namespace erakon {

QIcon loadProgramIcon()
{
    if (QIcon applicationIcon = QGuiApplication::windowIcon(); !applicationIcon.isNull())
        return applicationIcon;
    // The PNG sizes only, read as PNG without probing: a file handed to QIcon
    // by name or to a format-guessing reader makes Qt load every image format
    // plugin, and the SVG one brings the whole Qt SVG library, which would be
    // a good part of the program's start-up. Every size up to 256 pixels, so
    // that a screen at 200 % draws the icon sharp.
    // The names are picked by hand: a wildcard name filter is a regular
    // expression, compiled at start with the PCRE library's pages.
    QIcon icon;
    const QDir icons(QStringLiteral(":/icons"));
    for (const QString& name : icons.entryList(QDir::Files)) {
        if (!name.startsWith(QStringLiteral("erakon-")) || !name.endsWith(QStringLiteral(".png")))
            continue;
        QImageReader reader(icons.filePath(name), "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

QIcon loadProgramDrawing()
{
    const QString drawingPath = QStringLiteral(":/icons/erakon.svg");
    if (QFileInfo::exists(drawingPath)) {
        // Without Qt's SVG support the drawing gives no pixels.
        QIcon drawing(drawingPath);
        if (!drawing.pixmap(QSize(32, 32)).isNull())
            return drawing;
    }
    return loadProgramIcon();
}

} // namespace erakon
