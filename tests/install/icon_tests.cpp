// SPDX-License-Identifier: MIT
// The program's icon: every committed size is drawn at its own size, the sizes compiled
// into the program load from the resources, and the scalable drawing renders.
#include "desktop/program_icon.h"

#include <QIcon>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

namespace {

class IconSize : public ::testing::TestWithParam<int> {};

TEST_P(IconSize, CommittedPngHasItsSize)
{
    const int size = GetParam();
    const QImage image(QStringLiteral(ERAKON_ICON_DIR "/hicolor/%1x%1/apps/erakon.png").arg(size));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(size, size));
    EXPECT_TRUE(image.hasAlphaChannel()); // rounded corners stay transparent
}

INSTANTIATE_TEST_SUITE_P(Hicolor, IconSize, ::testing::Values(ERAKON_ICON_SIZE_LIST),
                         [](const auto& info) { return "px" + std::to_string(info.param); });

class CompiledIconSize : public ::testing::TestWithParam<int> {};

TEST_P(CompiledIconSize, LoadsFromTheResources)
{
    const int size = GetParam();
    const QImage image(QStringLiteral(":/icons/erakon-%1.png").arg(size));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(size, size));
}

INSTANTIATE_TEST_SUITE_P(Resources, CompiledIconSize, ::testing::Values(ERAKON_ICON_SIZE_LIST),
                         [](const auto& info) { return "px" + std::to_string(info.param); });

// A title bar or a panel at 200 % asks for twice the size; the icon answers with
// real pixels, not a small one blown up.
TEST(ProgramIcon, StaysSharpOnScaledScreens)
{
    const QIcon icon = erakon::loadProgramIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int logical : {16, 22, 24, 32, 48, 128}) {
        const QList<QSize> sizes = icon.availableSizes();
        EXPECT_TRUE(sizes.contains(QSize(2 * logical, 2 * logical)) || sizes.contains(QSize(256, 256))) << logical;
        EXPECT_GE(icon.pixmap(QSize(logical, logical), 2.0).width(), 2 * logical) << logical;
    }
}

TEST(ScalableIcon, RendersAtAnySize)
{
    const QIcon icon(QStringLiteral(":/icons/erakon.svg"));
    const QImage image = icon.pixmap(QSize(100, 100)).toImage();
    ASSERT_EQ(image.size(), QSize(100, 100));
    // The middle of the leaf is opaque, the corner outside the rounded square is not.
    EXPECT_EQ(qAlpha(image.pixel(50, 60)), 255);
    EXPECT_EQ(qAlpha(image.pixel(0, 99)), 0);
}

} // namespace
