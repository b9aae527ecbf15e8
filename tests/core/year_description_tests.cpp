// SPDX-License-Identifier: MIT
// A query's year in the program's own words, on Saturday 20 May 2023: the
// eras it belongs to, every era year, the distance, the sentence, the zodiac,
// the note about an era past its end, and the one-line summary.
#include "core/year_description.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace erakon {
namespace {

using namespace std::chrono;

constexpr auto kToday = year{2023} / 5 / 20;

struct DescriptionCase {
    const char* name;
    std::string text;
    std::string summary;
    std::vector<std::string> eraYears; // every row's text, "*" before those the year belongs to
    std::string sentence;
    std::string note;
};

void PrintTo(const DescriptionCase& c, std::ostream* out) { *out << c.name; }

std::vector<std::string> markedEraYears(const YearDescription& description)
{
    std::vector<std::string> texts;
    for (const EraYearText& era : description.eraYears)
        texts.push_back((era.current ? "*" : "") + era.text);
    return texts;
}

class DescribeYearTest : public testing::TestWithParam<DescriptionCase> {};

TEST_P(DescribeYearTest, WritesTheYearAsTheProgramDoes)
{
    const DescriptionCase& c = GetParam();
    const QueryResult result = parseYearQuery(c.text);
    ASSERT_TRUE(result);
    const YearDescription description = describeYear(*result.query, nullptr, kToday);
    EXPECT_EQ(description.summary(), c.summary);
    EXPECT_EQ(markedEraYears(description), c.eraYears);
    EXPECT_EQ(description.sentence, c.sentence);
    EXPECT_EQ(description.note, c.note);
}

INSTANTIATE_TEST_SUITE_P(
    On20May2023, DescribeYearTest,
    testing::Values(DescriptionCase{"ThisYear",
                                    "令和5",
                                    "2023年 — 令和5年, 今年, 卯（う）",
                                    {"明治156年", "大正112年", "昭和98年", "平成35年", "*令和5年"},
                                    "この年に生まれた人は、今年 0才です",
                                    ""},
                    DescriptionCase{"EraChangeYear",
                                    "1989",
                                    "1989年 — 昭和64年・平成元年, 34年前, 巳（み）",
                                    {"明治122年", "大正78年", "*昭和64年", "*平成元年", "令和-29年"},
                                    "この年に生まれた人は、今年 34才です",
                                    ""},
                    DescriptionCase{"FirstTableYear",
                                    "1868",
                                    "1868年 — 明治元年, 155年前, 辰（たつ）",
                                    {"*明治元年", "大正-43年", "昭和-57年", "平成-120年", "令和-150年"},
                                    "この年に生まれた人は、今年 155才です",
                                    ""},
                    DescriptionCase{"BeforeMeiji",
                                    "1800",
                                    "1800年 — 223年前, 申（さる）",
                                    {"明治-67年", "大正-111年", "昭和-125年", "平成-188年", "令和-218年"},
                                    "この年に生まれた人は、今年 223才です",
                                    ""},
                    DescriptionCase{"NextYearCountsDays",
                                    "2024年",
                                    "2024年 — 令和6年, 1年後, 辰（たつ）",
                                    {"明治157年", "大正113年", "昭和99年", "平成36年", "*令和6年"},
                                    "この年まで、あと 225日です",
                                    ""},
                    DescriptionCase{"YearsAhead",
                                    "R12",
                                    "2030年 — 令和12年, 7年後, 戌（いぬ）",
                                    {"明治163年", "大正119年", "昭和105年", "平成42年", "*令和12年"},
                                    "この年まで、あと 7年です",
                                    ""},
                    DescriptionCase{"EraPastItsEnd",
                                    "平成35年",
                                    "2023年 — 令和5年, 今年, 卯（う）",
                                    {"明治156年", "大正112年", "昭和98年", "平成35年", "*令和5年"},
                                    "この年に生まれた人は、今年 0才です",
                                    "平成は2019年4月30日までです"},
                    DescriptionCase{"LastShowaDay",
                                    "1989-01-07",
                                    "1989年1月7日 — 昭和64年1月7日, 34年前, 巳（み）",
                                    {"明治122年", "大正78年", "*昭和64年", "*平成元年", "令和-29年"},
                                    "この年に生まれた人は、今年 34才です",
                                    ""},
                    DescriptionCase{"FirstHeiseiDay",
                                    "1989/1/8",
                                    "1989年1月8日 — 平成元年1月8日, 34年前, 巳（み）",
                                    {"明治122年", "大正78年", "*昭和64年", "*平成元年", "令和-29年"},
                                    "この年に生まれた人は、今年 34才です",
                                    ""},
                    DescriptionCase{"ShowaDateAfterShowa",
                                    "昭和64年1月8日",
                                    "1989年1月8日 — 平成元年1月8日, 34年前, 巳（み）",
                                    {"明治122年", "大正78年", "*昭和64年", "*平成元年", "令和-29年"},
                                    "この年に生まれた人は、今年 34才です",
                                    "昭和は1989年1月7日までです"},
                    DescriptionCase{"ReiwaDateBeforeReiwa",
                                    "令和元年4月1日",
                                    "2019年4月1日 — 平成31年4月1日, 4年前, 亥（い）",
                                    {"明治152年", "大正108年", "昭和94年", "*平成31年", "*令和元年"},
                                    "この年に生まれた人は、今年 4才です",
                                    "令和は2019年5月1日からです"},
                    DescriptionCase{"EraYearZeroIsTheYearBefore",
                                    "令和0",
                                    "2018年 — 平成30年, 5年前, 戌（いぬ）",
                                    {"明治151年", "大正107年", "昭和93年", "*平成30年", "令和0年"},
                                    "この年に生まれた人は、今年 5才です",
                                    "令和は2019年5月1日からです"},
                    DescriptionCase{"DateBeforeMeiji",
                                    "1867-12-31",
                                    "1867年12月31日 — 156年前, 卯（う）",
                                    {"明治0年", "大正-44年", "昭和-58年", "平成-121年", "令和-151年"},
                                    "この年に生まれた人は、今年 156才です",
                                    ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DescribeYearTest, ShowsTheUserEraWhenItIsShown)
{
    const UserEra founding{"創業", 1880};
    const YearDescription description = describeYear(westernYearQuery(2023), &founding, kToday);
    EXPECT_EQ(markedEraYears(description),
              (std::vector<std::string>{"明治156年", "大正112年", "昭和98年", "平成35年", "*令和5年", "*創業144年"}));
    // The summary names the five eras only.
    EXPECT_EQ(description.eraText, "令和5年");
    EXPECT_EQ(description.eraYears.back().row, EraRow::UserDefined);
}

TEST(EraYearTextTest, WritesGanForTheFirstYearAndNoLeadingZero)
{
    EXPECT_EQ(eraYearText("令和", 1), "令和元年");
    EXPECT_EQ(eraYearText("令和", 5), "令和5年");
    EXPECT_EQ(eraYearText("昭和", 64), "昭和64年");
    EXPECT_EQ(eraYearText("明治", 150), "明治150年");
    EXPECT_EQ(eraYearText("明治", 0), "明治0年");
    EXPECT_EQ(eraYearText("令和", -5), "令和-5年");
    EXPECT_EQ(eraYearText("令和", -29), "令和-29年");
}

TEST(EtoSignTest, SplitsTheZodiacTextIntoSignAndReading)
{
    EXPECT_EQ(etoSignOf(2023).sign, "卯");
    EXPECT_EQ(etoSignOf(2023).reading, "う");
    EXPECT_EQ(etoSignOf(2027).sign, "未");
    EXPECT_EQ(etoSignOf(2027).reading, "ひつじ");
    EXPECT_EQ(etoSignOf(-9).sign, "亥");
}

} // namespace
} // namespace erakon
