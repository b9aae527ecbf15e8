// SPDX-License-Identifier: MIT
// Which settings file a program reads, and the read itself, in a folder of the
// test's own.
#include "system/regular_file.h"
#include "system/settings_file_path.h"

#include "tests/support/temporary_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace erakon::system {
namespace {

namespace fs = std::filesystem;
using Outcome = RegularFile::Outcome;

class SystemFilesTest : public testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(path("config") / "Harunagi" / "erakon");
        fs::create_directories(path("bin"));
    }

    fs::path path(const char* name) const { return m_root.path() / name; }
    std::string config() const { return path("config"); }
    std::string program() const { return path("bin/erakon"); }
    fs::path userFile() const { return path("config/Harunagi/erakon/erakon.ini"); }

    static void write(const fs::path& file, const std::string& text) { std::ofstream(file) << text; }

private:
    TemporaryFolder m_root;
};

TEST_F(SystemFilesTest, TheUserFileWhenAnythingStandsThereElseTheOneBesideTheProgram)
{
    EXPECT_EQ(settingsFileToRead(config(), program()), program() + ".ini");
    // A link that points nowhere is as nothing.
    fs::create_symlink(path("nowhere"), userFile());
    EXPECT_EQ(settingsFileToRead(config(), program()), program() + ".ini");
    fs::remove(userFile());
    // A FIFO is the settings file still: refused when read, never a reason to read another.
    ASSERT_EQ(mkfifo(userFile().c_str(), 0600), 0);
    EXPECT_EQ(settingsFileToRead(config(), program()), userFile().string());
    // Without a configuration folder, the file beside the program.
    EXPECT_EQ(settingsFileToRead("", program()), program() + ".ini");
    EXPECT_EQ(settingsFileToRead("", ""), "");
}

TEST_F(SystemFilesTest, ReadsARegularFileWithinItsLimitAndNothingElse)
{
    write(path("ten"), "0123456789");
    const RegularFile read = readRegularFile(path("ten"), 10);
    EXPECT_EQ(read.outcome, Outcome::Read);
    EXPECT_EQ(read.bytes, "0123456789");
    EXPECT_EQ(readRegularFile(path("ten"), 9).outcome, Outcome::TooLarge);
    EXPECT_EQ(readRegularFile(path("missing"), 10).outcome, Outcome::Missing);
    EXPECT_EQ(readRegularFile(path("ten") / "below", 10).outcome, Outcome::Missing);

    const RegularFile folder = readRegularFile(path("bin"), 10);
    EXPECT_EQ(folder.outcome, Outcome::NotRegular);
    EXPECT_EQ(folder.error, EISDIR);
    // A FIFO no one writes to would block a reader that opened it.
    ASSERT_EQ(mkfifo(path("fifo").c_str(), 0600), 0);
    const RegularFile fifo = readRegularFile(path("fifo"), 10);
    EXPECT_EQ(fifo.outcome, Outcome::NotRegular);
    EXPECT_EQ(fifo.error, 0);
    // The kernel's files tell a size of 0: the limit holds for what is read.
    EXPECT_EQ(readRegularFile("/proc/self/maps", 10).outcome, Outcome::TooLarge);
}

TEST_F(SystemFilesTest, AFileTheSystemRefusesSaysWhy)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads any file";
    write(path("secret"), "x");
    fs::permissions(path("secret"), fs::perms::none);
    const RegularFile read = readRegularFile(path("secret"), 10);
    EXPECT_EQ(read.outcome, Outcome::Failed);
    EXPECT_EQ(read.error, EACCES);
}

} // namespace
} // namespace erakon::system
