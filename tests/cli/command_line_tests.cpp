// SPDX-License-Identifier: MIT
// erakon-cli as a function, on Saturday 20 May 2023: the exact text and JSON
// for tables of inputs, the user era from the settings, the table, the help,
// and the errors with their messages and exit status.
#include "cli/command_line_run.h"

#include "core/table_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace erakon {
namespace {

const FixedClock kClock{makeDateTime(2023, 5, 20, 14, 5, 9)};

// Runs with the settings file's bytes given (nothing: no file), or with a
// file that could not be read, and counts how often the file was read.
struct CliRun {
    explicit CliRun(std::vector<const char*> arguments, std::optional<std::string> settings = std::nullopt)
        : CliRun(
            std::move(arguments),
            settings
                ? SettingsFileContent{SettingsFileContent::Outcome::Read, std::move(*settings), "/c/erakon.ini", {}}
                : SettingsFileContent{})
    {}
    CliRun(std::vector<const char*> arguments, SettingsFileContent settings)
    {
        const CommandContext context{kClock,
                                     [this, settings = std::move(settings)] {
                                         ++settingsReads;
                                         return settings;
                                     },
                                     {}};
        result = runCommandLine(arguments, "erakon-cli", context);
    }
    CommandResult result;
    int settingsReads = 0;
};

struct OutputCase {
    const char* name;
    std::vector<const char*> arguments;
    std::string out;
};

void PrintTo(const OutputCase& c, std::ostream* out) { *out << c.name; }

class CommandOutputTest : public testing::TestWithParam<OutputCase> {};

TEST_P(CommandOutputTest, PrintsExactly)
{
    const CliRun run(GetParam().arguments);
    EXPECT_EQ(run.result.out, GetParam().out);
    EXPECT_EQ(run.result.err, "");
    EXPECT_EQ(run.result.status, 0);
}

INSTANTIATE_TEST_SUITE_P(
    On20May2023, CommandOutputTest,
    testing::Values(
        OutputCase{"NoYearIsThisYear",
                   {},
                   "2023年 — 令和5年, 今年, 卯（う）\n"
                   "  明治156年 大正112年 昭和98年 平成35年 令和5年\n"
                   "  この年に生まれた人は、今年 0才です\n"},
        OutputCase{"TwoYears",
                   {"1989", "令和5"},
                   "1989年 — 昭和64年・平成元年, 34年前, 巳（み）\n"
                   "  明治122年 大正78年 昭和64年 平成元年 令和-29年\n"
                   "  この年に生まれた人は、今年 34才です\n"
                   "\n"
                   "2023年 — 令和5年, 今年, 卯（う）\n"
                   "  明治156年 大正112年 昭和98年 平成35年 令和5年\n"
                   "  この年に生まれた人は、今年 0才です\n"},
        OutputCase{"EraPastItsEnd",
                   {"H35"},
                   "2023年 — 令和5年, 今年, 卯（う）\n"
                   "  ※平成は2019年4月30日までです\n"
                   "  明治156年 大正112年 昭和98年 平成35年 令和5年\n"
                   "  この年に生まれた人は、今年 0才です\n"},
        OutputCase{"DateOfTheLastShowaDay",
                   {"昭和64年1月7日"},
                   "1989年1月7日 — 昭和64年1月7日, 34年前, 巳（み）\n"
                   "  明治122年 大正78年 昭和64年 平成元年 令和-29年\n"
                   "  この年に生まれた人は、今年 34才です\n"},
        OutputCase{"FutureYear",
                   {"--", "２０２４年"},
                   "2024年 — 令和6年, 1年後, 辰（たつ）\n"
                   "  明治157年 大正113年 昭和99年 平成36年 令和6年\n"
                   "  この年まで、あと 225日です\n"},
        OutputCase{"BeforeMeiji",
                   {"1800"},
                   "1800年 — 223年前, 申（さる）\n"
                   "  明治-67年 大正-111年 昭和-125年 平成-188年 令和-218年\n"
                   "  この年に生まれた人は、今年 223才です\n"},
        OutputCase{"KanjiNumeralsAndLigature",
                   {"昭和六十四年", "㋿5"},
                   "1989年 — 昭和64年・平成元年, 34年前, 巳（み）\n"
                   "  明治122年 大正78年 昭和64年 平成元年 令和-29年\n"
                   "  この年に生まれた人は、今年 34才です\n"
                   "\n"
                   "2023年 — 令和5年, 今年, 卯（う）\n"
                   "  明治156年 大正112年 昭和98年 平成35年 令和5年\n"
                   "  この年に生まれた人は、今年 0才です\n"},
        OutputCase{"JisDate",
                   {"Ｈ０１．０１．０８"},
                   "1989年1月8日 — 平成元年1月8日, 34年前, 巳（み）\n"
                   "  明治122年 大正78年 昭和64年 平成元年 令和-29年\n"
                   "  この年に生まれた人は、今年 34才です\n"},
        OutputCase{"HistoricalEra",
                   {"元禄15"},
                   "1702年 — 元禄15年, 321年前, 午（うま）\n"
                   "  ※元禄15年は旧暦の年で、1702年とは年の初めが異なります\n"
                   "  明治-165年 大正-209年 昭和-223年 平成-286年 令和-316年\n"
                   "  この年に生まれた人は、今年 321才です\n"},
        OutputCase{"LastYearOfTheLastLunisolarEra",
                   {"慶応4年1月1日"},
                   "1868年 — 慶応4年1月1日・明治元年, 155年前, 辰（たつ）\n"
                   "  ※慶応4年は明治元年に改められました。慶応4年は旧暦の年で、1868年とは年の初めが異なります\n"
                   "  明治元年 大正-43年 昭和-57年 平成-120年 令和-150年\n"
                   "  この年に生まれた人は、今年 155才です\n"},
        OutputCase{"HistoricalEraOutsideItsYears",
                   {"天保十六年", "天保0"},
                   "1845年 — 天保16年, 178年前, 巳（み）\n"
                   "  ※天保は1844年までです。天保16年は旧暦の年で、1845年とは年の初めが異なります\n"
                   "  明治-22年 大正-66年 昭和-80年 平成-143年 令和-173年\n"
                   "  この年に生まれた人は、今年 178才です\n"
                   "\n"
                   "1829年 — 天保0年, 194年前, 丑（うし）\n"
                   "  ※天保は1830年からです。天保0年は旧暦の年で、1829年とは年の初めが異なります\n"
                   "  明治-38年 大正-82年 昭和-96年 平成-159年 令和-189年\n"
                   "  この年に生まれた人は、今年 194才です\n"},
        OutputCase{"EveryReadingOfAnAmbiguousText",
                   {"しょうわ5"},
                   "1930年 — 昭和5年, 93年前, 午（うま）\n"
                   "  明治63年 大正19年 昭和5年 平成-58年 令和-88年\n"
                   "  この年に生まれた人は、今年 93才です\n"
                   "\n"
                   "1316年 — 正和5年, 707年前, 辰（たつ）\n"
                   "  ※正和5年は旧暦の年で、1316年とは年の初めが異なります\n"
                   "  明治-551年 大正-595年 昭和-609年 平成-672年 令和-702年\n"
                   "  この年に生まれた人は、今年 707才です\n"},
        OutputCase{"TwoDigitYearIsThatYear",
                   {"89"},
                   "89年 — 1934年前, 丑（うし）\n"
                   "  明治-1778年 大正-1822年 昭和-1836年 平成-1899年 令和-1929年\n"
                   "  この年に生まれた人は、今年 1934才です\n"},
        OutputCase{
            "JsonOfEveryReading",
            {"--json", "Showa 5"},
            R"({"input":"Showa 5","westernYear":1930,"date":null,"eraText":"昭和5年",)"
            R"("eras":[{"name":"明治","year":63,"text":"明治63年","current":false},)"
            R"({"name":"大正","year":19,"text":"大正19年","current":false},)"
            R"({"name":"昭和","year":5,"text":"昭和5年","current":true},)"
            R"({"name":"平成","year":-58,"text":"平成-58年","current":false},)"
            R"({"name":"令和","year":-88,"text":"令和-88年","current":false}],)"
            R"("yearsFromNow":-93,"yearsFromNowText":"93年前","sentence":"この年に生まれた人は、今年 93才です",)"
            R"("eto":"午","etoReading":"うま","note":null,"summary":"1930年 — 昭和5年, 93年前, 午（うま）","readings":2})"
            "\n"
            R"({"input":"Showa 5","westernYear":1316,"date":null,"eraText":"正和5年",)"
            R"("eras":[{"name":"明治","year":-551,"text":"明治-551年","current":false},)"
            R"({"name":"大正","year":-595,"text":"大正-595年","current":false},)"
            R"({"name":"昭和","year":-609,"text":"昭和-609年","current":false},)"
            R"({"name":"平成","year":-672,"text":"平成-672年","current":false},)"
            R"({"name":"令和","year":-702,"text":"令和-702年","current":false}],)"
            R"("yearsFromNow":-707,"yearsFromNowText":"707年前","sentence":"この年に生まれた人は、今年 707才です",)"
            R"("eto":"辰","etoReading":"たつ","note":"正和5年は旧暦の年で、1316年とは年の初めが異なります",)"
            R"("summary":"1316年 — 正和5年, 707年前, 辰（たつ）","readings":2})"
            "\n"},
        OutputCase{
            "Json",
            {"--json", "1989-01-07", "平成35"},
            R"({"input":"1989-01-07","westernYear":1989,"date":"1989-01-07","eraText":"昭和64年1月7日",)"
            R"("eras":[{"name":"明治","year":122,"text":"明治122年","current":false},)"
            R"({"name":"大正","year":78,"text":"大正78年","current":false},)"
            R"({"name":"昭和","year":64,"text":"昭和64年","current":true},)"
            R"({"name":"平成","year":1,"text":"平成元年","current":true},)"
            R"({"name":"令和","year":-29,"text":"令和-29年","current":false}],)"
            R"("yearsFromNow":-34,"yearsFromNowText":"34年前","sentence":"この年に生まれた人は、今年 34才です",)"
            R"("eto":"巳","etoReading":"み","note":null,"summary":"1989年1月7日 — 昭和64年1月7日, 34年前, 巳（み）"})"
            "\n"
            R"({"input":"平成35","westernYear":2023,"date":null,"eraText":"令和5年",)"
            R"("eras":[{"name":"明治","year":156,"text":"明治156年","current":false},)"
            R"({"name":"大正","year":112,"text":"大正112年","current":false},)"
            R"({"name":"昭和","year":98,"text":"昭和98年","current":false},)"
            R"({"name":"平成","year":35,"text":"平成35年","current":false},)"
            R"({"name":"令和","year":5,"text":"令和5年","current":true}],)"
            R"("yearsFromNow":0,"yearsFromNowText":"今年","sentence":"この年に生まれた人は、今年 0才です",)"
            R"("eto":"卯","etoReading":"う","note":"平成は2019年4月30日までです",)"
            R"("summary":"2023年 — 令和5年, 今年, 卯（う）"})"
            "\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandSettingsTest, ShowsTheUserEraFromTheSettingsFile)
{
    const std::string settings = "[OPTION]\r\nAddItem=1\r\nAddName=\x91\x6E\x8B\xC6\r\nAddYear=1900\r\n"; // Shift_JIS
    const CliRun run({"2023", "創業5"}, settings);
    EXPECT_EQ(run.result.out,
              "2023年 — 令和5年, 今年, 卯（う）\n"
              "  明治156年 大正112年 昭和98年 平成35年 令和5年 創業124年\n"
              "  この年に生まれた人は、今年 0才です\n"
              "\n"
              "1904年 — 明治37年, 119年前, 辰（たつ）\n"
              "  明治37年 大正-7年 昭和-21年 平成-84年 令和-114年 創業5年\n"
              "  この年に生まれた人は、今年 119才です\n");
    EXPECT_EQ(run.settingsReads, 1);

    const CliRun json({"--json", "創業元年"}, settings);
    EXPECT_NE(json.result.out.find(R"({"name":"創業","year":1,"text":"創業元年","current":true,"userDefined":true})"),
              std::string::npos)
        << json.result.out;
}

TEST(CommandSettingsTest, AUserEraNamedWithDigitsLeavesWesternYearsAlone)
{
    const CliRun run({"1989"}, "[OPTION]\r\nAddItem=1\r\nAddName=1\r\nAddYear=1880\r\n");
    EXPECT_EQ(run.result.status, 0);
    EXPECT_TRUE(run.result.out.starts_with("1989年 — 昭和64年・平成元年, 34年前, 巳（み）\n")) << run.result.out;
}

// A settings file that is there but cannot be read is named once, with the
// reason, and the years convert without the user era.
TEST(CommandSettingsTest, AnUnreadableSettingsFileIsNamedOnceWithItsReason)
{
    const CliRun run({"2023", "創業5", "1989"},
                     SettingsFileContent{SettingsFileContent::Outcome::Unreadable,
                                         {},
                                         "/home/u/.config/Harunagi/erakon/erakon.ini",
                                         "Permission denied"});
    EXPECT_EQ(run.result.status, 2);
    EXPECT_EQ(run.result.err,
              "erakon-cli: cannot read the settings file '/home/u/.config/Harunagi/erakon/erakon.ini': "
              "Permission denied\n"
              "erakon-cli: '創業5': not a year, an era year or a date\n");
    EXPECT_TRUE(run.result.out.starts_with("2023年 — 令和5年")) << run.result.out;
    EXPECT_EQ(run.settingsReads, 1);
}

// Control characters from the arguments and from the settings file reach the
// terminal escaped, and JSON as escapes.
TEST(CommandTerminalTest, ControlCharactersAreShownEscaped)
{
    const CliRun argument({"\x1B]0;owned\x07\x1B[2J",
                           "a'b\xC2\x9B"
                           "1m"});
    EXPECT_EQ(argument.result.err,
              "erakon-cli: ''$'\\033'']0;owned'$'\\a\\033''[2J': not a year, an era year or a date\n"
              "erakon-cli: 'a'\\''b'$'\\302\\233''1m': not a year, an era year or a date\n");

    const CliRun option({"--\x1B[31m"});
    EXPECT_EQ(option.result.err,
              "erakon-cli: unrecognized option '--'$'\\033''[31m'\n"
              "Try 'erakon-cli --help' for more information.\n");

    // U+009B (CSI) in the user era's name; C0 controls the reader takes out itself.
    const std::string settings = "[OPTION]\r\nAddItem=1\r\nAddName=創\xC2\x9B"
                                 "2J業\r\nAddYear=1900\r\n";
    const CliRun text({"2023"}, settings);
    EXPECT_NE(text.result.out.find(" 創\\302\\2332J業124年\n"), std::string::npos) << text.result.out;
    EXPECT_EQ(text.result.out.find('\xC2'), std::string::npos);

    const CliRun json({"--json", "2023", "\x1B[1m"}, settings);
    EXPECT_NE(json.result.out.find(R"("name":"創\u009b2J業")"), std::string::npos) << json.result.out;
    EXPECT_NE(json.result.out.find(R"({"input":"\u001b[1m","error":)"), std::string::npos) << json.result.out;
}

TEST(CommandSettingsTest, HiddenUserEraAndNoSettingsLeaveItOut)
{
    const CliRun hidden({"創業5"}, "[OPTION]\nAddItem=0\nAddYear=1900\n");
    EXPECT_EQ(hidden.result.status, 2);
    EXPECT_EQ(hidden.result.err, "erakon-cli: '創業5': not a year, an era year or a date\n");

    const CliRun ignored({"--no-settings", "2023"}, "[OPTION]\nAddItem=1\n");
    EXPECT_EQ(ignored.settingsReads, 0);
    EXPECT_EQ(ignored.result.out.find("創業"), std::string::npos);
}

TEST(CommandTableTest, PrintsTheTableAsTheTablePageBuildsIt)
{
    const CliRun plain({"--table"});
    const CliRun withEto({"--eto", "--table"});
    EXPECT_EQ(plain.settingsReads, 0);
    std::string expected;
    for (const std::string& line : YearTableLines(1868, 2117, 2023, true))
        expected += line + "\n";
    EXPECT_EQ(withEto.result.out, expected);
    EXPECT_TRUE(
        withEto.result.out.starts_with("明治元\t1868年\t155年前\t辰・たつ\t\n明治2\t1869年\t154年前\t巳・み\t\n"));
    EXPECT_NE(withEto.result.out.find("昭和64\t1989年\t34年前\t巳・み\t\n平成元\t1989年\t34年前\t巳・み\t\n"),
              std::string::npos);
    EXPECT_NE(plain.result.out.find("令和5\t2023年\t-----\t\t\n"), std::string::npos);
    EXPECT_TRUE(plain.result.out.ends_with("令和99\t2117年\t94年後\t\t\n"));
    // 250 years, and a second line for each of the four years an era began after 1 January.
    EXPECT_EQ(std::count(plain.result.out.begin(), plain.result.out.end(), '\n'), 254);
}

struct ErrorCase {
    const char* name;
    std::vector<const char*> arguments;
    std::string out;
    std::string err;
};

void PrintTo(const ErrorCase& c, std::ostream* out) { *out << c.name; }

class CommandErrorTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(CommandErrorTest, NamesTheInputAndEndsWithStatusTwo)
{
    const CliRun run(GetParam().arguments);
    EXPECT_EQ(run.result.status, 2);
    EXPECT_EQ(run.result.out, GetParam().out);
    EXPECT_EQ(run.result.err, GetParam().err);
}

const std::string kTryHelp = "Try 'erakon-cli --help' for more information.\n";

INSTANTIATE_TEST_SUITE_P(
    Inputs, CommandErrorTest,
    testing::Values(
        ErrorCase{"NotAYear", {"firefox"}, "", "erakon-cli: 'firefox': not a year, an era year or a date\n"},
        ErrorCase{"NoSuchDate", {"2023-02-30"}, "", "erakon-cli: '2023-02-30': no such date\n"},
        ErrorCase{"OutOfRange", {"令和9999"}, "", "erakon-cli: '令和9999': beyond the years that can be converted\n"},
        ErrorCase{"GoodYearsStillPrinted",
                  {"2023", "昭和"},
                  "2023年 — 令和5年, 今年, 卯（う）\n"
                  "  明治156年 大正112年 昭和98年 平成35年 令和5年\n"
                  "  この年に生まれた人は、今年 0才です\n",
                  "erakon-cli: '昭和': not a year, an era year or a date\n"},
        ErrorCase{"JsonGivesAnObjectForTheError",
                  {"--json", "2023-13-01", "x\"y"},
                  R"({"input":"2023-13-01","error":"no such date"})"
                  "\n"
                  R"({"input":"x\"y","error":"not a year, an era year or a date"})"
                  "\n",
                  "erakon-cli: '2023-13-01': no such date\n"
                  "erakon-cli: 'x\"y': not a year, an era year or a date\n"},
        ErrorCase{"NotUtf8InJson",
                  {"--json", "19\xFF"},
                  R"({"input":"19)"
                  "\uFFFD"
                  R"(","error":"not a year, an era year or a date"})"
                  "\n",
                  "erakon-cli: '19'$'\\377': not a year, an era year or a date\n"},
        ErrorCase{"UnknownOption", {"--yaer", "2023"}, "", "erakon-cli: unrecognized option '--yaer'\n" + kTryHelp},
        ErrorCase{"NegativeYearIsAnOption", {"-5"}, "", "erakon-cli: unrecognized option '-5'\n" + kTryHelp},
        ErrorCase{
            "OptionWithValue", {"--json=yes"}, "", "erakon-cli: option '--json' doesn't allow an argument\n" + kTryHelp},
        ErrorCase{"TableWithYears",
                  {"--table", "2023"},
                  "",
                  "erakon-cli: '--table' takes no years, but was given '2023'\n" + kTryHelp},
        ErrorCase{"TableWithJson",
                  {"--table", "--json"},
                  "",
                  "erakon-cli: '--table' and '--json' do not go together\n" + kTryHelp},
        ErrorCase{
            "EtoWithoutTable", {"--eto", "2023"}, "", "erakon-cli: '--eto' goes with '--table' only\n" + kTryHelp}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandHelpTest, HelpAndVersionAnswerFirst)
{
    const CliRun help({"2023", "--help", "--bogus"});
    EXPECT_EQ(help.result.status, 0);
    EXPECT_TRUE(help.result.out.starts_with("Usage: erakon-cli [OPTION]... [YEAR]...\n")) << help.result.out;
    EXPECT_EQ(help.settingsReads, 0);

    const CliRun version({"--version"});
    EXPECT_EQ(version.result.status, 0);
    EXPECT_TRUE(version.result.out.starts_with("erakon-cli 3.")) << version.result.out;
    EXPECT_NE(version.result.out.find("License MIT"), std::string::npos);
}

// An era file's eras: listed with where each came from, read and converted;
// a bad line named once on the error stream while the rest goes on.
struct EraFileRun {
    EraFileRun(std::vector<const char*> arguments, const std::string& fileText)
    {
        const CommandContext context{kClock, [] { return SettingsFileContent{}; },
                                     [fileText] {
                                         ++eraReads;
                                         EraTable table;
                                         table.addFile("/etc/xdg/Harunagi/erakon/eras.conf", fileText);
                                         return table;
                                     }};
        result = runCommandLine(arguments, "erakon-cli", context);
    }
    CommandResult result;
    static inline int eraReads = 0;
};

constexpr const char* kNewEraLine = "新元 しんげん Shingen N 2025-05-20\n";

TEST(CommandEraFileTest, ListsTheErasInForceWithWhereEachCameFrom)
{
    const EraFileRun run({"--eras"}, kNewEraLine);
    EXPECT_EQ(run.result.err, "");
    EXPECT_EQ(run.result.status, 0);
    EXPECT_TRUE(run.result.out.starts_with("大化\tたいか\tTaika\t-\t645-06-19 (旧暦)\tbuilt-in\n")) << run.result.out;
    EXPECT_TRUE(
        run.result.out.ends_with("令和\tれいわ\tReiwa\tR\t2019-05-01\tbuilt-in\n"
                                 "新元\tしんげん\tShingen\tN\t2025-05-20\t/etc/xdg/Harunagi/erakon/eras.conf:1\n"))
        << run.result.out;
    EXPECT_NE(run.result.out.find("\tbuilt-in\t北朝\n"), std::string::npos);

    const CliRun builtIn({"--eras"});
    EXPECT_TRUE(builtIn.result.out.ends_with("令和\tれいわ\tReiwa\tR\t2019-05-01\tbuilt-in\n"));
    EXPECT_EQ(CliRun({"--eras", "2023"}).result.status, kBadInputStatus);
}

TEST(CommandEraFileTest, ConvertsWithTheAddedEra)
{
    const EraFileRun run({"新元2", "2025"}, kNewEraLine);
    EXPECT_EQ(run.result.err, "");
    EXPECT_EQ(run.result.out,
              "2026年 — 新元2年, 3年後, 午（うま）\n"
              "  明治159年 大正115年 昭和101年 平成38年 令和8年 新元2年\n"
              "  この年まで、あと 3年です\n"
              "\n"
              "2025年 — 令和7年・新元元年, 2年後, 巳（み）\n"
              "  明治158年 大正114年 昭和100年 平成37年 令和7年 新元元年\n"
              "  この年まで、あと 2年です\n");
}

TEST(CommandEraFileTest, TheTableAndTheLifeFollowTheAddedEra)
{
    const EraFileRun table({"--table"}, kNewEraLine);
    EXPECT_EQ(table.result.err, "");
    EXPECT_TRUE(table.result.out.ends_with("新元98\t2122年\t99年後\t\t\n新元99\t2123年\t100年後\t\t\n"));
    EXPECT_NE(table.result.out.find("令和7\t2025年\t2年後\t\t\n新元元\t2025年\t2年後\t\t\n"), std::string::npos);

    const EraFileRun life({"--life", "新元2年4月2日", "--as-of", "2030-06-01"}, kNewEraLine);
    EXPECT_EQ(life.result.err, "");
    EXPECT_NE(life.result.out.find("生年月日：新元2年4月2日（2026年4月2日）"), std::string::npos) << life.result.out;
}

TEST(CommandEraFileTest, ABadLineIsNamedOnceAndTheRestGoesOn)
{
    EraFileRun::eraReads = 0;
    const EraFileRun run({"新元2", "令和5"}, std::string(kNewEraLine) + "次元 じげん Jigen R 2030-01-01\n");
    EXPECT_EQ(run.result.status, 0);
    EXPECT_EQ(run.result.err,
              "erakon-cli: /etc/xdg/Harunagi/erakon/eras.conf:2: the era 次元 has the initial of 令和\n");
    EXPECT_TRUE(run.result.out.starts_with("2026年 — 新元2年")) << run.result.out;
    EXPECT_EQ(EraFileRun::eraReads, 1);
}

} // namespace
} // namespace erakon
