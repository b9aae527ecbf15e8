// SPDX-License-Identifier: MIT
// The settings file read with memory in proportion to its size, whatever its
// shape: millions of short lines in the options, lines without "=", sections
// by the million, a file read line by line. Each shape is read in a process of
// its own test run, measured by the kernel's peak of the resident set.
#include "core/ini_profile.h"
#include "core/user_era_settings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>

namespace erakon {
namespace {

// The address sanitizer's shadow and quarantine make a resident set of their own.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

constexpr std::size_t kFileSize = 8 * 1024 * 1024;

// A field of /proc/self/status in kB, or -1.
long statusKilobytes(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with(field + ":"))
            return std::stol(line.substr(field.size() + 1));
    }
    return -1;
}

// Sets the peak of the resident set back to the resident set now.
bool resetPeak()
{
    std::ofstream clearRefs("/proc/self/clear_refs");
    clearRefs << "5";
    clearRefs.flush();
    return clearRefs.good();
}

// The user era shown, then the lines in the section that the head opens.
std::string fileOfLines(std::string_view section, const std::function<std::string(int)>& line)
{
    std::string text = "[OPTION]\r\nAddItem=1\r\nAddName=x\r\n";
    text += section;
    for (int i = 0; text.size() < kFileSize; ++i)
        text += line(i);
    return text;
}

struct Shape {
    const char* name;
    std::string (*file)();
};

void PrintTo(const Shape& shape, std::ostream* out) { *out << shape.name; }

class SettingsReadingMemoryTest : public testing::TestWithParam<Shape> {};

TEST_P(SettingsReadingMemoryTest, GrowsWithTheFileNotWithItsLines)
{
    if (kSanitized)
        GTEST_SKIP() << "the sanitizer's own memory would be measured";
    std::string bytes = GetParam().file();
    const std::size_t size = bytes.size();
    if (!resetPeak() || statusKilobytes("VmHWM") < 0)
        GTEST_SKIP() << "this kernel does not let the peak of the resident set be measured";
    const long before = statusKilobytes("VmRSS");

    const IniProfile profile = IniProfile::fromBytes(std::move(bytes));
    const UserEraSettings userEra = readUserEraSettings(profile);
    for (const char* key : {"Left", "Top", "Right", "Bottom", "State"})
        (void)profile.readInteger("POSITION", key, 0);

    const long grown = statusKilobytes("VmHWM") - before;
    EXPECT_TRUE(userEra.shown);
    // The text and an index of a few bytes for each line, with room to spare.
    EXPECT_LT(grown, long(3 * size / 1024)) << "kB for a file of " << size / 1024 << " kB";
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, SettingsReadingMemoryTest,
    testing::Values(Shape{"ShortKeysInTheOptions",
                          [] { return fileOfLines("", [](int i) { return "Memo" + std::to_string(i) + "=1\r\n"; }); }},
                    Shape{"LinesWithoutEqualsInTheOptions",
                          [] { return fileOfLines("", [](int i) { return "Memo" + std::to_string(i) + "\r\n"; }); }},
                    Shape{"ShortKeysInASectionOfTheUsers",
                          [] {
                              return fileOfLines("[NOTES]\r\n",
                                                 [](int i) { return "Memo" + std::to_string(i) + "=1\r\n"; });
                          }},
                    Shape{"SectionsByTheMillion",
                          [] { return fileOfLines("", [](int i) { return "[S" + std::to_string(i) + "]\r\n"; }); }},
                    // One Shift_JIS line: the file is no UTF-8, and is read line by line.
                    Shape{"ShortLinesReadOneByOne",
                          [] {
                              return fileOfLines("[NOTES]\r\nsjis=\x91\x6E\r\n",
                                                 [](int i) { return "Memo" + std::to_string(i) + "=1\r\n"; });
                          }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace erakon
