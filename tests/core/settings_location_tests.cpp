// SPDX-License-Identifier: MIT
// Where the settings file lies: the per-user file and the one beside the program.
#include "core/settings_location.h"

#include <gtest/gtest.h>

namespace erakon {
namespace {

struct PathCase {
    const char* name;
    std::string configHome;
    std::string executable;
    std::string userFile;
    std::string besideProgram;
};

void PrintTo(const PathCase& c, std::ostream* out) { *out << c.name; }

class SettingsLocationTest : public testing::TestWithParam<PathCase> {};

TEST_P(SettingsLocationTest, FollowsTheProgramName)
{
    const PathCase& c = GetParam();
    EXPECT_EQ(userSettingsPath(c.configHome, c.executable), c.userFile);
    EXPECT_EQ(settingsPathBesideProgram(c.executable), c.besideProgram);
}

TEST(SettingsFileBelowConfigHomeTest, TheMakersFolderThenTheProgramsOwn)
{
    EXPECT_EQ(settingsFileBelowConfigHome("erakon"), "Harunagi/erakon/erakon.ini");
    EXPECT_EQ(settingsFileBelowConfigHome("erakon-dev"), "Harunagi/erakon-dev/erakon-dev.ini");
}

INSTANTIATE_TEST_SUITE_P(
    Locations, SettingsLocationTest,
    testing::Values(
        PathCase{"Installed", "/home/u/.config", "/usr/bin/erakon", "/home/u/.config/Harunagi/erakon/erakon.ini",
                 "/usr/bin/erakon.ini"},
        PathCase{"FolderWithSlash", "/home/u/.config/", "/usr/bin/erakon", "/home/u/.config/Harunagi/erakon/erakon.ini",
                 "/usr/bin/erakon.ini"},
        PathCase{"NoFolderGivesNoPath", "", "/usr/bin/erakon", "", "/usr/bin/erakon.ini"},
        PathCase{"RelativeFolderGivesNoPath", "relcfg", "/usr/bin/erakon", "", "/usr/bin/erakon.ini"},
        PathCase{"UnknownProgramIsErakon", "/c", "", "/c/Harunagi/erakon/erakon.ini", ""},
        PathCase{"ProgramNameNotUtf8IsErakon", "/c",
                 "/opt/er\xFF"
                 "akon",
                 "/c/Harunagi/erakon/erakon.ini",
                 "/opt/er\xFF"
                 "akon.ini"},
        PathCase{"ExtensionDropped", "/c", "/opt/erakon.bin", "/c/Harunagi/erakon/erakon.ini", "/opt/erakon.ini"},
        PathCase{"LastDotOnly", "/c", "/opt/erakon.v3.bin", "/c/Harunagi/erakon.v3/erakon.v3.ini",
                 "/opt/erakon.v3.ini"},
        PathCase{"DotInFolderNotAnExtension", "/c", "/opt/x.y/erakon", "/c/Harunagi/erakon/erakon.ini",
                 "/opt/x.y/erakon.ini"},
        PathCase{"HiddenNameKeepsItsDot", "/c", "/opt/.erakon", "/c/Harunagi/.erakon/.erakon.ini", "/opt/.erakon.ini"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace erakon
