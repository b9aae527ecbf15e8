// SPDX-License-Identifier: MIT
#include "widgets/group_box_frame.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace erakon {
namespace {

// Whether a library whose path holds `part` is loaded into this process.
bool loaded(const char* part)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(part);
}

// First in this program, before anything else paints: a group box drawn by
// Fusion after the preload loads no image plugin.
TEST(GroupBoxFrameTest, FusionDrawsTheFrameWithoutImagePlugins)
{
    ASSERT_FALSE(loaded("imageformats")) << "an image plugin was loaded before the test";
    ASSERT_TRUE(preloadGroupBoxFrame());
    // A widget does not own the style set on it.
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QGroupBox box(QStringLiteral("枠"));
    box.setStyle(fusion.get());
    box.resize(120, 80);
    const QImage drawn = box.grab().toImage();
    EXPECT_FALSE(loaded("imageformats"));
    EXPECT_FALSE(loaded("libQt6Svg"));
    // The frame is drawn: its edge darker than the middle of the box.
    EXPECT_NE(drawn.pixel(drawn.width() / 2, drawn.height() - 2), drawn.pixel(drawn.width() / 2, drawn.height() / 2));
}

// The key is the one QPixmap's loading looks under: a pixmap put there is what
// loading the file gives.
TEST(GroupBoxFrameTest, TheKeyIsTheOneQPixmapLoadingUses)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("frame.png"));
    QImage onDisk(3, 3, QImage::Format_ARGB32);
    onDisk.fill(Qt::red);
    ASSERT_TRUE(onDisk.save(path, "png"));
    QImage marker(7, 5, QImage::Format_ARGB32);
    marker.fill(Qt::blue);
    ASSERT_TRUE(QPixmapCache::insert(pixmapCacheKeyOf(path), QPixmap::fromImage(marker)));
    EXPECT_EQ(QPixmap(path).size(), QSize(7, 5));
}

} // namespace
} // namespace erakon
