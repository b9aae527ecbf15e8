// SPDX-License-Identifier: MIT
#include "widgets/group_box_frame.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>
#include <QString>

#include <cstring>

namespace erakon {
namespace {

const QString kFusionGroupBoxFrame = QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");

// A number as QPixmap's cache key writes it: its bytes in memory order, each
// as two lower-case hex digits, the low one first.
template <typename Number>
QString keyDigits(Number value)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    unsigned char bytes[sizeof(Number)];
    std::memcpy(bytes, &value, sizeof(Number));
    QString digits;
    for (const unsigned char byte : bytes)
        digits.append(QLatin1Char(kDigits[byte & 0xf])).append(QLatin1Char(kDigits[byte >> 4]));
    return digits;
}

} // namespace

QString pixmapCacheKeyOf(const QString& fileName)
{
    const QFileInfo info(fileName);
    constexpr unsigned kPixmapType = 0; // a QPixmap made from a file name, not a bitmap
    return QStringLiteral("qt_pixmap") + info.absoluteFilePath()
        + keyDigits(unsigned(info.lastModified().toSecsSinceEpoch())) + keyDigits(quint64(info.size()))
        + keyDigits(kPixmapType);
}

bool preloadGroupBoxFrame()
{
    const QString key = pixmapCacheKeyOf(kFusionGroupBoxFrame);
    QPixmap frame;
    if (QPixmapCache::find(key, &frame))
        return true;
    QImageReader reader(kFusionGroupBoxFrame, "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    return !image.isNull() && QPixmapCache::insert(key, QPixmap::fromImage(image));
}

} // namespace erakon
