// SPDX-License-Identifier: MIT
// A year, a month and a day in 和暦 and 西暦 as the age page writes them: 元 for
// a first year, both eras in a year of an era change, the Western text alone
// before 明治 and after 令和99年.
#include "core/calendar_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace erakon {
namespace {

using namespace std::chrono;

struct TextsCase {
    const char* name;
    CalendarTexts texts;
    std::string era;
    std::string western;
};

void PrintTo(const TextsCase& c, std::ostream* out) { *out << c.name; }

class CalendarTextsTest : public testing::TestWithParam<TextsCase> {};

TEST_P(CalendarTextsTest, WritesTheEraAndTheWesternYear)
{
    const TextsCase& c = GetParam();
    EXPECT_EQ(c.texts.era, c.era);
    EXPECT_EQ(c.texts.western, c.western);
}

INSTANTIATE_TEST_SUITE_P(Years, CalendarTextsTest,
                         testing::Values(TextsCase{"BeforeMeiji", yearTexts(1867), "", "1867年"},
                                         TextsCase{"FirstOfMeiji", yearTexts(1868), "明治元年", "1868年"},
                                         TextsCase{"MeijiToTaisho", yearTexts(1912), "明治45年・大正元年", "1912年"},
                                         TextsCase{"ShowaToHeisei", yearTexts(1989), "昭和64年・平成元年", "1989年"},
                                         TextsCase{"HeiseiToReiwa", yearTexts(2019), "平成31年・令和元年", "2019年"},
                                         TextsCase{"InsideReiwa", yearTexts(2023), "令和5年", "2023年"},
                                         TextsCase{"Reiwa99", yearTexts(2117), "令和99年", "2117年"},
                                         TextsCase{"AfterReiwa99", yearTexts(2118), "", "2118年"},
                                         TextsCase{"NegativeYear", yearTexts(-5), "", "-5年"}),
                         [](const testing::TestParamInfo<TextsCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Months, CalendarTextsTest,
    testing::Values(TextsCase{"AprilBeforeReiwa", monthTexts(2019, 4), "平成31年4月", "2019年4月"},
                    TextsCase{"FirstMonthOfReiwa", monthTexts(2019, 5), "令和元年5月", "2019年5月"},
                    TextsCase{"TaishoBeganInJuly", monthTexts(1912, 7), "明治45年7月・大正元年7月", "1912年7月"},
                    TextsCase{"HeiseiBeganInJanuary", monthTexts(1989, 1), "昭和64年1月・平成元年1月", "1989年1月"},
                    TextsCase{"MarchOfHeiseiOne", monthTexts(1989, 3), "平成元年3月", "1989年3月"},
                    TextsCase{"BeforeMeiji", monthTexts(1867, 12), "", "1867年12月"},
                    TextsCase{"LastOfReiwa99", monthTexts(2117, 12), "令和99年12月", "2117年12月"},
                    TextsCase{"AfterReiwa99", monthTexts(2118, 4), "", "2118年4月"}),
    [](const testing::TestParamInfo<TextsCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Days, CalendarTextsTest,
    testing::Values(TextsCase{"LastDayOfShowa", dateTexts(year{1989} / 1 / 7), "昭和64年1月7日", "1989年1月7日"},
                    TextsCase{"FirstDayOfHeisei", dateTexts(year{1989} / 1 / 8), "平成元年1月8日", "1989年1月8日"},
                    TextsCase{"FirstDayOfReiwa", dateTexts(year{2019} / 5 / 1), "令和元年5月1日", "2019年5月1日"},
                    TextsCase{"FirstDayOfMeiji", dateTexts(year{1868} / 1 / 1), "明治元年1月1日", "1868年1月1日"},
                    TextsCase{"LastDayBeforeMeiji", dateTexts(year{1867} / 12 / 31), "", "1867年12月31日"},
                    TextsCase{"LastDayOfReiwa99", dateTexts(year{2117} / 12 / 31), "令和99年12月31日",
                              "2117年12月31日"},
                    TextsCase{"AfterReiwa99", dateTexts(year{2118} / 1 / 1), "", "2118年1月1日"}),
    [](const testing::TestParamInfo<TextsCase>& info) { return std::string(info.param.name); });

TEST(CalendarTextsCombinedTest, PutsTheWesternTextInBracketsOrAlone)
{
    EXPECT_EQ(dateTexts(year{1989} / 4 / 2).combined(), "平成元年4月2日（1989年4月2日）");
    EXPECT_EQ(yearTexts(2019).combined(), "平成31年・令和元年（2019年）");
    EXPECT_EQ(yearTexts(1850).combined(), "1850年");
    EXPECT_EQ(yearTexts(2200).combined(), "2200年");
}

} // namespace
} // namespace erakon
