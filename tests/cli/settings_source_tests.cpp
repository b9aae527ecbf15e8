// SPDX-License-Identifier: MIT
// The settings file as erakon-cli finds and reads it, in a configuration
// folder of the test's own: read, missing, or there but not readable, with
// the reason.
#include "cli/settings_source.h"

#include "tests/support/temporary_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace erakon {
namespace {

namespace fs = std::filesystem;
using Outcome = SettingsFileContent::Outcome;

class SettingsSourceTest : public testing::Test {
protected:
    void SetUp() override
    {
        const char* saved = std::getenv("XDG_CONFIG_HOME");
        m_saved = saved ? std::optional<std::string>(saved) : std::nullopt;
        setenv("XDG_CONFIG_HOME", m_config.path().c_str(), 1);
        fs::create_directories(userFile().parent_path());
    }

    void TearDown() override
    {
        if (m_saved)
            setenv("XDG_CONFIG_HOME", m_saved->c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
    }

    fs::path userFile() const { return m_config.path() / "Harunagi" / "erakon" / "erakon.ini"; }

private:
    TemporaryFolder m_config;
    std::optional<std::string> m_saved;
};

TEST_F(SettingsSourceTest, ReadsTheFileOrSaysWhyNot)
{
    // No settings file at all: nothing to read, nothing to say (unless the
    // program's folder holds one, which a test build's does not).
    if (!fs::exists(fs::read_symlink("/proc/self/exe").parent_path() / "erakon.ini")) {
        EXPECT_EQ(readSettingsFileOfTheWindow().outcome, Outcome::Missing);
    }

    std::ofstream(userFile()) << "[OPTION]\nAddItem=1\n";
    SettingsFileContent read = readSettingsFileOfTheWindow();
    EXPECT_EQ(read.outcome, Outcome::Read);
    EXPECT_EQ(read.bytes, "[OPTION]\nAddItem=1\n");
    EXPECT_EQ(read.path, userFile().string());

    const struct {
        const char* what;
        bool (*make)(const fs::path&);
        const char* reason;
    } unreadable[] = {
        {"a folder", [](const fs::path& path) { return fs::create_directory(path); }, "Is a directory"},
        {"a FIFO", [](const fs::path& path) { return mkfifo(path.c_str(), 0600) == 0; }, "not a regular file"},
        {"a file past the size limit",
         [](const fs::path& path) {
             std::ofstream(path) << "[OPTION]\n";
             return truncate(path.c_str(), 64 * 1024 * 1024 + 1) == 0;
         },
         "larger than 64 MiB"},
    };
    for (const auto& row : unreadable) {
        SCOPED_TRACE(row.what);
        fs::remove_all(userFile());
        ASSERT_TRUE(row.make(userFile()));
        read = readSettingsFileOfTheWindow();
        EXPECT_EQ(read.outcome, Outcome::Unreadable);
        EXPECT_EQ(read.path, userFile().string());
        EXPECT_EQ(read.reason, row.reason);
        EXPECT_TRUE(read.bytes.empty());
    }
}

} // namespace
} // namespace erakon
