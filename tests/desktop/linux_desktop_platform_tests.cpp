// SPDX-License-Identifier: MIT
#include "desktop/linux_desktop_platform.h"

#include "tests/support/environment_value.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

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

// The XDG rules: a relative value is ignored as if unset. Without HOME the
// password database says where the home folder is.
TEST(LinuxDesktopPlatformTest, RelativeValuesAndMissingHomeAreNotUsed)
{
    const passwd* user = getpwuid(getuid());
    if (!user)
        GTEST_SKIP() << "this user has no entry in the password database";
    const QString passwordHome = QFile::decodeName(user->pw_dir);
    struct Row {
        const char* name;
        std::optional<QByteArray> home;
        QString expectedHome;
    };
    const Row rows[] = {
        {"home set", QByteArray("/home/someone"), QStringLiteral("/home/someone")},
        {"no home", std::nullopt, passwordHome},
        {"relative home", QByteArray("someone"), passwordHome},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const EnvironmentValue home("HOME", row.home);
        const EnvironmentValue config("XDG_CONFIG_HOME", QByteArray("relative/config"));
        const EnvironmentValue data("XDG_DATA_HOME", QByteArray("relative/data"));
        const LinuxDesktopPlatform platform;
        EXPECT_EQ(platform.specialFolder(SpecialFolder::Startup),
                  row.expectedHome + QStringLiteral("/.config/autostart"));
        EXPECT_EQ(platform.specialFolder(SpecialFolder::Programs),
                  row.expectedHome + QStringLiteral("/.local/share/applications"));
    }
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
