#include "linux_desktop_platform.h"

#include "environment_value.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace erakon {
namespace {

TEST(LinuxDesktopPlatformTest, FoldersFollowTheXdgVariables)
{
    QTemporaryDir root;
    const EnvironmentValue config("XDG_CONFIG_HOME", root.filePath(QStringLiteral("config")).toUtf8());
    const EnvironmentValue data("XDG_DATA_HOME", root.filePath(QStringLiteral("data")).toUtf8());
    const LinuxDesktopPlatform platform;

    EXPECT_EQ(platform.specialFolder(SpecialFolder::Programs), root.filePath(QStringLiteral("data/applications")));
    EXPECT_EQ(platform.specialFolder(SpecialFolder::Startup), root.filePath(QStringLiteral("config/autostart")));
    EXPECT_TRUE(QDir::isAbsolutePath(platform.specialFolder(SpecialFolder::Desktop)));
}

TEST(LinuxDesktopPlatformTest, RelativeConfigHomeIsIgnored)
{
    const EnvironmentValue config("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(LinuxDesktopPlatform().specialFolder(SpecialFolder::Startup), QDir::homePath() + QStringLiteral("/.config/autostart"));
}

TEST(LinuxDesktopPlatformTest, NoFileManagerMeansNoAnswer)
{
    // Nothing listens there, so the request fails at once.
    const EnvironmentValue bus("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/erakon-test-bus");
    LinuxDesktopPlatform platform;
    EXPECT_FALSE(platform.showItems(QUrl::fromLocalFile(QStringLiteral("/tmp"))));
    EXPECT_FALSE(platform.showItemProperties(QUrl::fromLocalFile(QStringLiteral("/tmp"))));
}

} // namespace
} // namespace erakon
