// SPDX-License-Identifier: MIT
// The start of Qt's platform, watched: a platform that cannot start, or that
// starts without a screen, gives one line and a failed start; the messages of
// a start that goes ahead are written after all.
#include "desktop/platform_start.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

namespace erakon {
namespace {

constexpr const char* kLine = "Erakon needs a graphical desktop session.";

// qFatal, as a platform plugin ends the program when it cannot start.
TEST(PlatformStartDeathTest, AFatalStartGivesTheOneLineAndStatusOne)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            PlatformStart start(kLine);
            qWarning("qt.qpa.plugin: Could not find the Qt platform plugin");
            qFatal("This application failed to start because no Qt platform plugin could be initialized.");
        },
        testing::ExitedWithCode(1), std::string("^") + kLine + "\n$");
}

// No application, so no screen: as linuxfb without a frame buffer.
TEST(PlatformStartTest, AStartWithoutAScreenFailsWithTheOneLine)
{
    testing::internal::CaptureStderr();
    {
        PlatformStart start(kLine);
        qWarning("linuxfb: Failed to initialize screen");
        EXPECT_FALSE(start.succeeded());
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), std::string(kLine) + "\n");
}

TEST(PlatformStartTest, TheMessagesOfAStartThatGoesAheadAreWritten)
{
    testing::internal::CaptureStderr();
    bool succeeded = false;
    {
        PlatformStart start(kLine);
        int argc = 3;
        char name[] = "erakon";
        char platformOption[] = "-platform";
        char platform[] = "offscreen";
        char* argv[] = {name, platformOption, platform, nullptr};
        const QGuiApplication app(argc, argv);
        qWarning("a warning while Qt starts");
        succeeded = start.succeeded();
    }
    const std::string written = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(succeeded);
    EXPECT_NE(written.find("a warning while Qt starts"), std::string::npos) << written;
    EXPECT_EQ(written.find(kLine), std::string::npos) << written;
}

} // namespace
} // namespace erakon
