#include "program_icon.h"

#include <QFile>

namespace erakon {

QIcon loadProgramIcon()
{
    QIcon icon;
    const QString svg = QStringLiteral(":/icons/erakon.svg");
    if (QFile::exists(svg))
        icon.addFile(svg);
    for (const int size : {16, 32, 48, 256}) {
        const QString png = QStringLiteral(":/icons/erakon-%1.png").arg(size);
        if (QFile::exists(png))
            icon.addFile(png, QSize(size, size));
    }
    return icon;
}

} // namespace erakon
