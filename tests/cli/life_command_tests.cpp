// SPDX-License-Identifier: MIT
// erakon-cli --life on Saturday 20 May 2023: the text as the age page lists
// the rows, the JSON object with its keys, a year alone's two cohorts, the
// as-of date and the sex, and the inputs and option mixes it refuses.
#include "cli/command_line_run.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace erakon {
namespace {

const FixedClock kClock{makeDateTime(2023, 5, 20, 14, 5, 9)};

CommandResult run(const std::vector<const char*>& arguments)
{
    const CommandContext context{kClock, [] { return SettingsFileContent{}; }, {}};
    return runCommandLine(arguments, "erakon-cli", context);
}

// The lines of the output.
std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

TEST(LifeCommandTest, TextListsTheRowsUnderTheirHeadings)
{
    const CommandResult result = run({"--life", "1989-04-02"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    const std::vector<std::string> lines = linesOf(result.out);
    ASSERT_GE(lines.size(), 8U) << result.out;
    EXPECT_EQ(std::vector(lines.begin(), lines.begin() + 8),
              (std::vector<std::string>{
                  "生年月日：平成元年4月2日（1989年4月2日）",
                  "基準日：令和5年5月20日（2023年5月20日）",
                  "【年齢】",
                  "  満年齢：34歳",
                  "  数え年：35歳",
                  "【学歴（履歴書）】",
                  "  幼稚園（3年保育） 入園：平成5年4月（1993年4月）",
                  "  幼稚園（3年保育） 卒園：平成8年3月（1996年3月）",
              }));
    EXPECT_EQ(lines.back(), "  干支：巳（み）");
    EXPECT_NE(result.out.find("【厄年（男性）】\n"), std::string::npos);
}

TEST(LifeCommandTest, EveryFormOfTheBirthGivesTheSameLife)
{
    const std::string expected = run({"--life", "1989-04-02", "--as-of", "2030-01-15"}).out;
    for (const std::vector<const char*>& arguments : std::vector<std::vector<const char*>>{
             {"--life=平成元年4月2日", "--as-of=令和12年1月15日"},
             {"--as-of", "2030/1/15", "--life", "H1.4.2"},
             {"--life", "１９８９／４／２", "--as-of", "R12.1.15"},
         }) {
        const CommandResult result = run(arguments);
        EXPECT_EQ(result.status, 0) << arguments[0];
        EXPECT_EQ(result.out, expected) << arguments[0];
    }
    EXPECT_NE(expected.find("  本厄（数え42歳・大厄）：令和12年（2030年） ← 基準日の年\n"), std::string::npos);
}

TEST(LifeCommandTest, FemaleListsHerYakudoshi)
{
    const CommandResult result = run({"--female", "--life", "1990-06-01"});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("【厄年（女性）】\n"
                              "  前厄（数え18歳）：平成19年（2007年）\n"
                              "  本厄（数え19歳）：平成20年（2008年）\n"),
              std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("  本厄（数え33歳・大厄）：令和4年（2022年）\n"), std::string::npos);
}

TEST(LifeCommandTest, YearAloneShowsBothCohorts)
{
    const CommandResult result = run({"--life", "2016"});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("生まれた年：平成28年（2016年）\n"), std::string::npos) << result.out;
    EXPECT_EQ(result.out.find("満年齢"), std::string::npos);
    EXPECT_NE(result.out.find("  学年（4月2日〜12月31日生まれ）：小1\n"
                              "  学年（1月1日〜4月1日生まれ）：小2\n"),
              std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("  〔1月1日〜4月1日生まれ〕\n"
                              "    幼稚園（3年保育） 入園：平成31年4月（2019年4月）\n"),
              std::string::npos);
}

TEST(LifeCommandTest, JsonOfADate)
{
    const CommandResult result = run({"--json", "--life", "2008-04-01"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    const std::string& json = result.out;
    ASSERT_TRUE(json.ends_with("}\n")) << json;
    EXPECT_EQ(json.find('\n'), json.size() - 1) << "one line";
    EXPECT_TRUE(json.starts_with(R"({"birth":"2008-04-01","asOf":"2023-05-20","age":15,"kazoe":16,"school":[)"
                                 R"({"stage":"幼稚園","event":"入園","year":2011,"month":4},)"
                                 R"({"stage":"幼稚園","event":"卒園","year":2014,"month":3},)"
                                 R"({"stage":"小学校","event":"入学","year":2014,"month":4},)"))
        << json;
    EXPECT_NE(json.find(R"({"stage":"大学院","event":"修了","year":2032,"month":3}],"gakunen":"高1","yakudoshi":[)"
                        R"({"kind":"前厄","kazoe":24,"year":2031},{"kind":"本厄","kazoe":25,"year":2032},)"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find(R"("choju":[{"name":"還暦","age":60,"year":2068,"kazoeYear":2068},)"
                        R"({"name":"緑寿","age":66,"year":2074,"kazoeYear":2073},)"),
              std::string::npos)
        << json;
    EXPECT_TRUE(json.ends_with(R"({"name":"皇寿","age":111,"year":2119,"kazoeYear":2118}],)"
                               R"("seinen":"2026-04-01","eto":"子"})"
                               "\n"))
        << json;
}

TEST(LifeCommandTest, JsonOfAYearAloneHasAMemberForEachCohort)
{
    const CommandResult result = run({"--life", "2004", "--json"});
    EXPECT_EQ(result.status, 0);
    const std::string& json = result.out;
    // No 満年齢 between the as-of date and the 数え年.
    EXPECT_TRUE(json.starts_with(R"({"birth":2004,"asOf":"2023-05-20","kazoe":20,"school":{"april2ToDecember31":[)"
                                 R"({"stage":"幼稚園","event":"入園","year":2008,"month":4},)"))
        << json;
    EXPECT_NE(json.find(R"(],"january1ToApril1":[{"stage":"幼稚園","event":"入園","year":2007,"month":4},)"),
              std::string::npos);
    EXPECT_NE(json.find(R"("gakunen":{"april2ToDecember31":null,"january1ToApril1":null})"), std::string::npos);
    // The later cohort became adults on their 18th birthdays, the earlier on
    // the day of the change.
    EXPECT_NE(json.find(R"("seinen":{"april2ToDecember31":2022,"january1ToApril1":"2022-04-01"},"eto":"申"})"),
              std::string::npos)
        << json;
}

struct LifeErrorCase {
    const char* name;
    std::vector<const char*> arguments;
    std::string out;
    std::string err;
};

void PrintTo(const LifeErrorCase& c, std::ostream* out) { *out << c.name; }

class LifeErrorTest : public testing::TestWithParam<LifeErrorCase> {};

TEST_P(LifeErrorTest, SaysWhyAndEndsWithStatusTwo)
{
    const CommandResult result = run(GetParam().arguments);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, GetParam().out);
    EXPECT_EQ(result.err, GetParam().err);
}

const std::string kTryHelp = "Try 'erakon-cli --help' for more information.\n";

INSTANTIATE_TEST_SUITE_P(
    Inputs, LifeErrorTest,
    testing::Values(
        LifeErrorCase{"AsOfBeforeTheBirth",
                      {"--life", "1989-04-02", "--as-of", "1989-04-01"},
                      "",
                      "erakon-cli: '1989-04-02': the as-of date is before the birth\n"},
        LifeErrorCase{"AsOfBeforeTheYearAlone",
                      {"--json", "--life", "1989", "--as-of", "1988-12-31"},
                      R"({"input":"1989","error":"the as-of date is before the birth"})"
                      "\n",
                      "erakon-cli: '1989': the as-of date is before the birth\n"},
        LifeErrorCase{"AsOfAYearAlone",
                      {"--life", "1989-04-02", "--as-of", "2000"},
                      "",
                      "erakon-cli: '2000': the as-of date needs a month and a day\n"},
        LifeErrorCase{"BirthNotADate",
                      {"--life", "yesterday"},
                      "",
                      "erakon-cli: 'yesterday': not a year, an era year or a date\n"},
        LifeErrorCase{"NoSuchBirthDate", {"--life", "2023-02-29"}, "", "erakon-cli: '2023-02-29': no such date\n"},
        LifeErrorCase{"NoBirth", {"--life"}, "", "erakon-cli: option '--life' requires an argument\n" + kTryHelp},
        LifeErrorCase{"NoAsOf",
                      {"--life", "1989", "--as-of"},
                      "",
                      "erakon-cli: option '--as-of' requires an argument\n" + kTryHelp},
        LifeErrorCase{"TwoBirths",
                      {"--life", "1989", "--life", "1990"},
                      "",
                      "erakon-cli: '--life' takes one birth date or year\n" + kTryHelp},
        LifeErrorCase{"BirthAndYears",
                      {"--life", "1989", "2023"},
                      "",
                      "erakon-cli: '--life' takes one birth date or year, but was also given '2023'\n" + kTryHelp},
        LifeErrorCase{"WithTable",
                      {"--table", "--life", "1989"},
                      "",
                      "erakon-cli: '--life' and '--table' do not go together\n" + kTryHelp},
        LifeErrorCase{"AsOfWithoutLife",
                      {"--as-of", "2023-01-01", "1989"},
                      "",
                      "erakon-cli: '--as-of' goes with '--life' only\n" + kTryHelp},
        LifeErrorCase{"FemaleWithoutLife",
                      {"--female", "1989"},
                      "",
                      "erakon-cli: '--female' goes with '--life' only\n" + kTryHelp},
        LifeErrorCase{"FemaleWithValue",
                      {"--life", "1989", "--female=1"},
                      "",
                      "erakon-cli: option '--female' doesn't allow an argument\n" + kTryHelp}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LifeCommandTest, HelpNamesTheOptions)
{
    const CommandResult result = run({"--help"});
    EXPECT_NE(result.out.find("   or: erakon-cli --life DATE|YEAR [--as-of DATE] [--female] [--json]\n"),
              std::string::npos)
        << result.out;
    for (const char* option : {"--life=DATE", "--as-of=DATE", "--female"})
        EXPECT_NE(result.out.find(option), std::string::npos) << option;
}

} // namespace
} // namespace erakon
