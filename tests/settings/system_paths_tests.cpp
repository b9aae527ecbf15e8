// SPDX-License-Identifier: MIT
#include "settings/system_paths.h"

#include "settings/raw_bytes.h"
#include "tests/support/environment_value.h"
#include "tests/support/settings_test_printers.h"

#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

namespace erakon {
namespace {

using namespace Qt::Literals::StringLiterals;

// Qt and fontconfig read the XDG variables themselves: the start makes them
// follow the rules before anything reads them.
TEST(SystemPathsTest, EnvironmentFollowsTheXdgRules)
{
    const passwd* user = getpwuid(getuid());
    if (!user)
        GTEST_SKIP() << "this user has no entry in the password database";
    const EnvironmentValue home("HOME", std::nullopt);
    const EnvironmentValue config("XDG_CONFIG_HOME", QByteArray("relative/config"));
    const EnvironmentValue cache("XDG_CACHE_HOME", QByteArray("relcache"));
    const EnvironmentValue data("XDG_DATA_HOME", QByteArray("/data"));
    const EnvironmentValue dataDirs("XDG_DATA_DIRS", QByteArray("share:/usr/share::/opt/share"));
    const EnvironmentValue configDirs("XDG_CONFIG_DIRS", QByteArray("etc"));

    applyXdgRulesToEnvironment();

    EXPECT_EQ(qgetenv("HOME"), QByteArray(user->pw_dir));
    EXPECT_FALSE(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"));
    EXPECT_FALSE(qEnvironmentVariableIsSet("XDG_CACHE_HOME"));
    EXPECT_EQ(qgetenv("XDG_DATA_HOME"), "/data");
    EXPECT_EQ(qgetenv("XDG_DATA_DIRS"), "/usr/share:/opt/share");
    EXPECT_FALSE(qEnvironmentVariableIsSet("XDG_CONFIG_DIRS"));
    const QString passwordHome = QFile::decodeName(user->pw_dir);
    EXPECT_EQ(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), passwordHome + u"/.config"_s);
    EXPECT_EQ(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation), passwordHome + u"/.cache"_s);
}

TEST(SystemPathsTest, HomeFolderThatIsNotUtf8KeepsItsBytes)
{
    const EnvironmentValue home("HOME", QByteArray("/home/j\xFCrgen"));
    const EnvironmentValue config("XDG_CONFIG_HOME", std::nullopt);
    EXPECT_EQ(encodeFileName(xdgConfigHome()), "/home/j\xFCrgen/.config");
}

TEST(SystemPathsTest, RunningProgramHasAnAbsolutePath)
{
    // No application object here: the path comes from the system.
    const QString path = runningExecutablePath();
    EXPECT_TRUE(path.startsWith(u'/')) << path.toStdString();
    EXPECT_TRUE(path.endsWith(u"/settings_file_tests"_s)) << path.toStdString();
}

} // namespace
} // namespace erakon
