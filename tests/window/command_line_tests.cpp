// SPDX-License-Identifier: MIT
// The command line: what starts the window, what answers in the terminal,
// what is refused, and what is left for Qt.
#include "window/command_line.h"

#include "core/terminal_text.h"
#include "core/version.h"
#include "core/version_text.h"

#include <sstream>
#include <vector>

#include <gtest/gtest.h>

namespace erakon {
namespace {

using Action = CommandLine::Action;

CommandLine parse(std::vector<const char*> arguments)
{
    return parseCommandLine(std::span<const char* const>(arguments.data(), arguments.size()));
}

TEST(ParseCommandLineTest, ActionsYearsAndFaults)
{
    struct Row {
        const char* name;
        std::vector<const char*> arguments;
        Action action;
        std::optional<int> year;
        std::string error;
    };
    const Row rows[] = {
        {"nothing starts the window", {}, Action::Start, {}, ""},
        {"help", {"--help"}, Action::PrintHelp, {}, ""},
        {"version", {"--version"}, Action::PrintVersion, {}, ""},
        {"the first of help and version decides", {"--version", "--help"}, Action::PrintVersion, {}, ""},
        {"help after a fault is not reached", {"--bogus", "--help"}, Action::Fail, {}, "unrecognized option '--bogus'"},
        {"a fault after help is not reached", {"--help", "--bogus"}, Action::PrintHelp, {}, ""},
        {"year as the next argument", {"--year", "1989"}, Action::Start, 1989, ""},
        {"year joined", {"--year=2019"}, Action::Start, 2019, ""},
        {"negative year", {"--year", "-660"}, Action::Start, -660, ""},
        {"year with a plus sign", {"--year=+5"}, Action::Start, 5, ""},
        {"lowest year", {"--year=-9999"}, Action::Start, -9999, ""},
        {"highest year", {"--year=9999"}, Action::Start, 9999, ""},
        {"the last year wins", {"--year=1", "--year=2"}, Action::Start, 2, ""},
        {"year beyond the boxes",
         {"--year=10000"},
         Action::Fail,
         {},
         "invalid year '10000' (a whole number from -9999 to 9999)"},
        {"year below the boxes",
         {"--year", "-10000"},
         Action::Fail,
         {},
         "invalid year '-10000' (a whole number from -9999 to 9999)"},
        {"year that is no number",
         {"--year=令和5"},
         Action::Fail,
         {},
         "invalid year '令和5' (a whole number from -9999 to 9999)"},
        {"year with trailing text",
         {"--year=1989x"},
         Action::Fail,
         {},
         "invalid year '1989x' (a whole number from -9999 to 9999)"},
        {"empty year", {"--year="}, Action::Fail, {}, "invalid year '' (a whole number from -9999 to 9999)"},
        {"year without its value", {"--year"}, Action::Fail, {}, "option '--year' requires an argument"},
        {"help takes no value", {"--help=all"}, Action::Fail, {}, "option '--help' doesn't allow an argument"},
        {"unknown long option", {"--bogus"}, Action::Fail, {}, "unrecognized option '--bogus'"},
        {"no abbreviations", {"--vers"}, Action::Fail, {}, "unrecognized option '--vers'"},
        {"unknown short option", {"-h"}, Action::Fail, {}, "unrecognized option '-h'"},
        {"an operand", {"1989"}, Action::Fail, {}, "extra operand '1989'"},
        {"a lone dash", {"-"}, Action::Fail, {}, "extra operand '-'"},
        {"an operand after the end of options", {"--", "--help"}, Action::Fail, {}, "extra operand '--help'"},
        {"the end of options alone", {"--year=7", "--"}, Action::Start, 7, ""},
        {"Qt's platform with its value", {"-platform", "offscreen"}, Action::Start, {}, ""},
        {"Qt's options with two dashes", {"--platform", "xcb", "--reverse"}, Action::Start, {}, ""},
        {"the session manager's restart", {"-session", "10abc", "--year=3"}, Action::Start, 3, ""},
        {"Qt's style joined", {"-style=Fusion", "-stylesheet=a.qss"}, Action::Start, {}, ""},
        {"Qt's flags", {"-widgetcount", "-sync", "-nograb"}, Action::Start, {}, ""},
        {"the value of Qt's option is not read as an option",
         {"-display", ":1", "-name", "--help"},
         Action::Start,
         {},
         ""},
        {"Qt's option without its value", {"-platform"}, Action::Fail, {}, "option '-platform' requires an argument"},
        {"Qt's flag takes no value", {"-reverse=1"}, Action::Fail, {}, "unrecognized option '-reverse=1'"},
        {"QML debugger only joined", {"-qmljsdebugger=port:1234"}, Action::Start, {}, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CommandLine parsed = parse(row.arguments);
        EXPECT_EQ(parsed.action, row.action);
        EXPECT_EQ(parsed.year, row.year);
        EXPECT_EQ(parsed.error, row.error);
    }
}

TEST(ParseCommandLineTest, ArgvWithoutArgumentsStarts)
{
    const char* argv[] = {"erakon", nullptr};
    EXPECT_EQ(parseCommandLine(1, argv).action, Action::Start);
    EXPECT_EQ(parseCommandLine(0, nullptr).action, Action::Start);
}

TEST(ProgramNameTest, LastPartOfTheNameItWasStartedBy)
{
    const char* path[] = {"/usr/bin/erakon"};
    const char* bare[] = {"erakon-dev"};
    const char* empty[] = {""};
    const char* folder[] = {"/usr/bin/"};
    const char* escaping[] = {"/tmp/era\033[31m"};
    EXPECT_EQ(programNameOf(1, path, kProgramName), "erakon");
    EXPECT_EQ(programNameOf(1, bare, kProgramName), "erakon-dev");
    EXPECT_EQ(programNameOf(1, empty, kProgramName), kProgramName);
    EXPECT_EQ(programNameOf(1, folder, kProgramName), kProgramName);
    EXPECT_EQ(programNameOf(0, nullptr, kProgramName), kProgramName);
    // The name goes to a terminal: a control character in it shows instead of acting.
    EXPECT_EQ(programNameOf(1, escaping, kProgramName), "era\\033[31m");
}

struct Answer {
    std::optional<int> status;
    std::string out;
    std::string err;
};

Answer answer(const CommandLine& commandLine)
{
    std::ostringstream out;
    std::ostringstream err;
    const std::optional<int> status = answerCommandLine(commandLine, "erakon", out, err);
    return {status, out.str(), err.str()};
}

TEST(AnswerCommandLineTest, HelpAndVersionGoToStandardOutputAndSucceed)
{
    const Answer help = answer(parse({"--help"}));
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: erakon [OPTION]...\n")) << help.out;
    EXPECT_NE(help.out.find("--version  output version information and exit\n"), std::string::npos);
    EXPECT_TRUE(help.err.empty());

    const Answer version = answer(parse({"--version"}));
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.starts_with("erakon " + std::string(kVersion) + "\n")) << version.out;
    EXPECT_NE(version.out.find("License MIT"), std::string::npos);
    EXPECT_TRUE(version.err.empty());
}

TEST(AnswerCommandLineTest, AFaultIsShortOnStandardErrorWithStatusTwo)
{
    const Answer fault = answer(parse({"--bogus"}));
    EXPECT_EQ(fault.status, 2);
    EXPECT_TRUE(fault.out.empty());
    EXPECT_EQ(fault.err,
              "erakon: unrecognized option '--bogus'\n"
              "Try 'erakon --help' for more information.\n");
}

TEST(AnswerCommandLineTest, StartingSaysNothing)
{
    const Answer start = answer(parse({"--year=2000"}));
    EXPECT_EQ(start.status, std::nullopt);
    EXPECT_TRUE(start.out.empty());
    EXPECT_TRUE(start.err.empty());
}

TEST(HelpTextTest, EveryLineFitsAnEightyColumnTerminal)
{
    std::istringstream lines(helpText("erakon") + versionText("erakon"));
    for (std::string line; std::getline(lines, line);)
        EXPECT_LE(line.size(), 79u) << line;
}

} // namespace
} // namespace erakon
