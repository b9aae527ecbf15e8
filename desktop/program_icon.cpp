#include "desktop/program_icon.h"

#include <QImageReader>
#include <QPixmap>

namespace erakon {

QIcon loadProgramIcon()
{
    // The PNG sizes only, read as PNG without probing: a file handed to QIcon
    // by name or to a format-guessing reader makes Qt load every image format
    // plugin, and the SVG one brings the whole Qt SVG library, which would be
    // a good part of the program's start-up.
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        QImageReader reader(QStringLiteral(":/icons/erakon-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace erakon
