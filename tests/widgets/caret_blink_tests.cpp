// SPDX-License-Identifier: MIT
// The caret stops blinking once the user has left the program alone, and any
// input brings the platform's blinking back.
#include "widgets/caret_blink_limit.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <functional>

namespace erakon {
namespace {

using namespace std::chrono_literals;

constexpr auto kShortQuiet = 20ms;

class CaretBlinkTest : public ::testing::Test {
protected:
    void SetUp() override { QApplication::setCursorFlashTime(kPlatformFlashTime); }
    void TearDown() override { QApplication::setCursorFlashTime(kPlatformFlashTime); }

    static constexpr int kPlatformFlashTime = 1000;
    QLineEdit box;
};

TEST_F(CaretBlinkTest, StopsAfterTheQuietTime)
{
    CaretBlinkLimit limit(kShortQuiet);
    EXPECT_TRUE(limit.isBlinking());
    QTRY_VERIFY(!limit.isBlinking());
    EXPECT_EQ(QApplication::cursorFlashTime(), 0);
}

TEST_F(CaretBlinkTest, KeepsBlinkingWhileTheQuietTimeLasts)
{
    CaretBlinkLimit limit(CaretBlinkLimit::kDefaultTimeout);
    QTest::qWait(50);
    EXPECT_TRUE(limit.isBlinking());
    EXPECT_EQ(QApplication::cursorFlashTime(), kPlatformFlashTime);
}

TEST_F(CaretBlinkTest, DestructionRestoresThePlatformRate)
{
    {
        CaretBlinkLimit limit(kShortQuiet);
        QTRY_VERIFY(!limit.isBlinking());
    }
    EXPECT_EQ(QApplication::cursorFlashTime(), kPlatformFlashTime);
}

struct InputCase {
    const char* name;
    std::function<void(QWidget*)> send;
};

class CaretBlinkInput : public CaretBlinkTest, public ::testing::WithParamInterface<InputCase> {};

TEST_P(CaretBlinkInput, ResumesThePlatformRateAndStopsAgainLater)
{
    CaretBlinkLimit limit(kShortQuiet);
    QTRY_VERIFY(!limit.isBlinking());

    GetParam().send(&box);
    EXPECT_TRUE(limit.isBlinking());
    EXPECT_EQ(QApplication::cursorFlashTime(), kPlatformFlashTime);

    QTRY_VERIFY(!limit.isBlinking());
}

INSTANTIATE_TEST_SUITE_P(Events, CaretBlinkInput,
                         ::testing::Values(InputCase{"KeyPress", [](QWidget* w) { QTest::keyPress(w, Qt::Key_A); }},
                                           InputCase{"MouseButtonPress",
                                                     [](QWidget* w) { QTest::mousePress(w, Qt::LeftButton); }},
                                           InputCase{"Wheel",
                                                     [](QWidget* w) {
                                                         QWheelEvent wheel(QPointF(1, 1), QPointF(1, 1), QPoint(),
                                                                           QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                                                                           Qt::NoScrollPhase, false);
                                                         QApplication::sendEvent(w, &wheel);
                                                     }},
                                           InputCase{"FocusIn",
                                                     [](QWidget* w) {
                                                         QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
                                                         QApplication::sendEvent(w, &focus);
                                                     }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CaretBlinkTest, LeavesAPlatformWithoutBlinkingAlone)
{
    QApplication::setCursorFlashTime(0);
    CaretBlinkLimit limit(kShortQuiet);
    QTRY_VERIFY(!limit.isBlinking());
    QTest::keyPress(&box, Qt::Key_A);
    EXPECT_EQ(QApplication::cursorFlashTime(), 0);
}

} // namespace
} // namespace erakon
