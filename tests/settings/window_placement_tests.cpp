// SPDX-License-Identifier: MIT
#include "settings/window_placement.h"

#include <gtest/gtest.h>

#include <limits>

namespace erakon {
namespace {

const QRect kPrimary(0, 0, 1920, 1040);
const QRect kSecondary(1920, 0, 1280, 1024);
const QRect kLaptop(0, 0, 1280, 800);
const QRect kTiny(0, 0, 320, 240);
// The main window's minimum size.
const QSize kMinimum(200, 200);

struct ScreenCase {
    const char* name;
    QRect stored;
    QList<QRect> screens;
    QRect placed;
    QSize minimum = QSize(0, 0);
};

class KeepOnScreenTest : public testing::TestWithParam<ScreenCase> {};

TEST_P(KeepOnScreenTest, BringsTheWindowWhollyOntoAScreen)
{
    EXPECT_EQ(keepOnScreen(GetParam().stored, GetParam().minimum, GetParam().screens), GetParam().placed);
}

INSTANTIATE_TEST_SUITE_P(
    Rectangles, KeepOnScreenTest,
    testing::Values(
        ScreenCase{"OnPrimaryUnchanged", QRect(640, 360, 640, 360), {kPrimary}, QRect(640, 360, 640, 360)},
        ScreenCase{
            "OnSecondaryUnchanged", QRect(2000, 100, 640, 360), {kPrimary, kSecondary}, QRect(2000, 100, 640, 360)},
        ScreenCase{
            "AcrossTwoScreensUnchanged", QRect(1700, 100, 640, 360), {kPrimary, kSecondary}, QRect(1700, 100, 640, 360)},
        ScreenCase{"PartlyOffTheLeftEdge", QRect(-300, 100, 640, 360), {kPrimary}, QRect(0, 100, 640, 360)},
        ScreenCase{"RemovedMonitorRight", QRect(2000, 100, 640, 360), {kPrimary}, QRect(1280, 100, 640, 360)},
        ScreenCase{"FarAboveLeft", QRect(-5000, -5000, 640, 360), {kPrimary}, QRect(0, 0, 640, 360)},
        ScreenCase{"OnlyASliverShows", QRect(1910, 100, 640, 360), {kPrimary}, QRect(1280, 100, 640, 360)},
        ScreenCase{
            "MostlyOnTheSecondary", QRect(3000, 100, 640, 360), {kPrimary, kSecondary}, QRect(2560, 100, 640, 360)},
        ScreenCase{"LargerThanScreenAndOff", QRect(3000, 0, 4000, 3000), {kPrimary}, QRect(0, 0, 1920, 1040)},
        ScreenCase{"NoScreensUnchanged", QRect(9000, 9000, 10, 10), {}, QRect(9000, 9000, 10, 10)},
        // A stored size below the window's minimum: judged at the size the window
        // really gets.
        ScreenCase{
            "TinyStoredSizeAtTheRightEdge", QRect(1250, 100, 10, 10), {kLaptop}, QRect(1080, 100, 200, 200), kMinimum},
        ScreenCase{
            "NoWidthBeyondTheRightEdge", QRect(2000, 266, 0, 266), {kLaptop}, QRect(1080, 266, 200, 266), kMinimum},
        ScreenCase{"DefaultThirdOfATinyScreen", QRect(106, 80, 106, 80), {kTiny}, QRect(106, 40, 200, 200), kMinimum},
        ScreenCase{"MinimumLargerThanTheScreen",
                   QRect(50, 50, 100, 100),
                   {QRect(0, 0, 150, 100)},
                   QRect(0, 0, 200, 200),
                   kMinimum},
        ScreenCase{"NoSizeWithoutMinimum", QRect(2000, 100, 0, 0), {kLaptop}, QRect(1279, 100, 1, 1)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NormalRectTest, ConvertsExclusiveEdgesBothWays)
{
    WindowPlacement placement;
    placement.left = 100;
    placement.top = 50;
    placement.right = 200;
    placement.bottom = 100;
    EXPECT_EQ(normalRect(placement), QRect(100, 50, 100, 50));

    WindowPlacement back;
    setNormalRect(back, QRect(100, 50, 100, 50));
    EXPECT_EQ(back, placement);
}

TEST(NormalRectTest, ExtremeStoredEdgesGiveAUsableRectangle)
{
    WindowPlacement inverted;
    inverted.left = 500;
    inverted.right = 100;
    inverted.top = 10;
    inverted.bottom = 20;
    EXPECT_TRUE(normalRect(inverted).isEmpty());

    WindowPlacement huge;
    huge.left = std::numeric_limits<int>::min();
    huge.top = std::numeric_limits<int>::min();
    huge.right = std::numeric_limits<int>::max();
    huge.bottom = std::numeric_limits<int>::max();
    const QRect rect = normalRect(huge);
    EXPECT_TRUE(rect.contains(kPrimary));
    EXPECT_EQ(keepOnScreen(rect, kMinimum, {kPrimary}), kPrimary);
}

} // namespace
} // namespace erakon
