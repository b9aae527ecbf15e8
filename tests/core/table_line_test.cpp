// SPDX-License-Identifier: MIT
#include "core/table_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace erakon {
namespace {

using std::chrono::year;
using std::chrono::year_month_day;

constexpr int kCurrentYear = 2023;

struct TableLineCase {
    const char* name;
    year_month_day date;
    bool showEto;
    std::string expected;
};
void PrintTo(const TableLineCase& c, std::ostream* out) { *out << c.name; }

class TableLineTest : public ::testing::TestWithParam<TableLineCase> {};

TEST_P(TableLineTest, WritesEraYearDistanceAndZodiac)
{
    const TableLineCase& c = GetParam();
    EXPECT_EQ(TableLine(c.date, kCurrentYear, c.showEto), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    In2023, TableLineTest,
    ::testing::Values(
        TableLineCase{"FirstTableYear", year{1868} / 1 / 1, true, "明治元\t1868年\t155年前\t辰・たつ\t"},
        TableLineCase{"LastFullMeijiYear", year{1911} / 12 / 31, true, "明治44\t1911年\t112年前\t亥・い\t"},
        TableLineCase{"TaishoBeginsJanuaryLine", year{1912} / 1 / 1, true, "明治45\t1912年\t111年前\t子・ね\t"},
        TableLineCase{"TaishoBeginsDecemberLine", year{1912} / 12 / 31, true, "大正元\t1912年\t111年前\t子・ね\t"},
        TableLineCase{"ShowaBeginsJanuaryLine", year{1926} / 1 / 1, true, "大正15\t1926年\t97年前\t寅・とら\t"},
        TableLineCase{"ShowaBeginsDecemberLine", year{1926} / 12 / 31, true, "昭和元\t1926年\t97年前\t寅・とら\t"},
        TableLineCase{"HeiseiBeginsJanuaryLine", year{1989} / 1 / 1, true, "昭和64\t1989年\t34年前\t巳・み\t"},
        TableLineCase{"HeiseiBeginsDecemberLine", year{1989} / 12 / 31, true, "平成元\t1989年\t34年前\t巳・み\t"},
        TableLineCase{"ReiwaBeginsJanuaryLine", year{2019} / 1 / 1, true, "平成31\t2019年\t4年前\t亥・い\t"},
        TableLineCase{"DayBeforeReiwa", year{2019} / 4 / 30, true, "平成31\t2019年\t4年前\t亥・い\t"},
        TableLineCase{"ReiwaBeginsDecemberLine", year{2019} / 12 / 31, true, "令和元\t2019年\t4年前\t亥・い\t"},
        TableLineCase{"LastYear", year{2022} / 1 / 1, true, "令和4\t2022年\t1年前\t寅・とら\t"},
        TableLineCase{"CurrentYear", year{2023} / 1 / 1, true, "令和5\t2023年\t-----\t卯・う\t"},
        TableLineCase{"NextYear", year{2024} / 1 / 1, true, "令和6\t2024年\t1年後\t辰・たつ\t"},
        TableLineCase{"LastTableYear", year{2117} / 1 / 1, true, "令和99\t2117年\t94年後\t丑・うし\t"},
        TableLineCase{"BeforeTheFirstEra", year{1867} / 12 / 31, true, "\t1867年\t156年前\t卯・う\t"},
        TableLineCase{"ZodiacOffEndsWithTwoTabs", year{2023} / 1 / 1, false, "令和5\t2023年\t-----\t\t"}),
    [](const ::testing::TestParamInfo<TableLineCase>& info) { return std::string(info.param.name); });

TEST(YearTableLinesTest, ChangeYearsGetASecondLineWithTheEraAtTheirEnd)
{
    EXPECT_EQ(kYearTableFirstYear, 1868);
    EXPECT_EQ(kYearTableLastYear, 2117);
    const std::vector<std::string> lines = YearTableLines(kYearTableFirstYear, kYearTableLastYear, kCurrentYear, false);
    // 250 years, and a second line for 1912, 1926, 1989 and 2019.
    ASSERT_EQ(lines.size(), 254u);
    EXPECT_EQ(lines.front(), "明治元\t1868年\t155年前\t\t");
    EXPECT_EQ(lines.back(), "令和99\t2117年\t94年後\t\t");
    const auto heisei = std::find(lines.begin(), lines.end(), "昭和64\t1989年\t34年前\t\t");
    ASSERT_NE(heisei, lines.end());
    EXPECT_EQ(*(heisei + 1), "平成元\t1989年\t34年前\t\t");
    EXPECT_EQ(*(heisei + 2), "平成2\t1990年\t33年前\t\t");
    EXPECT_TRUE(YearTableLines(2000, 1999, kCurrentYear, false).empty());
}

// The Western year box's text selects the last line of 1 January that holds
// it; a year in which an era begins brings its second line along, which is
// never searched itself.
TEST(YearTableLinesTest, SearchSelectsTheLastJanuaryLineThatHoldsIt)
{
    const std::vector<std::string> lines = YearTableLines(kYearTableFirstYear, kYearTableLastYear, kCurrentYear, false);
    const auto lineOf = [&](const std::string& line) {
        return std::size_t(std::find(lines.begin(), lines.end(), line) - lines.begin());
    };
    struct Case {
        const char* search;
        YearTableSelection selected;
    };
    for (const Case& c : {
             Case{"2023", {lineOf("令和5\t2023年\t-----\t\t"), 1}},
             Case{"1989", {lineOf("昭和64\t1989年\t34年前\t\t"), 2}},
             Case{"1868", {0, 1}},
             Case{"2117", {lines.size() - 1, 1}},
             Case{"", {0, 1}},
             Case{"1867", {0, 1}},
             // Only the second line of 1989 holds 平成元, and a second line is
             // never searched: none is found.
             Case{"平成元", {0, 1}},
             // A text of another column selects its line too.
             Case{"64年後", {lineOf("令和69\t2087年\t64年後\t\t"), 1}},
         }) {
        EXPECT_EQ(selectYearTableLines(lines, c.search), c.selected) << c.search;
    }
    EXPECT_EQ(selectYearTableLines({}, "2023"), YearTableSelection{});
}

} // namespace
} // namespace erakon
