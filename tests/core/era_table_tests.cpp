// SPDX-License-Identifier: MIT
#include "core/era_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace erakon {
namespace {

constexpr EraOffsets kOffsets{1867, 1911, 1925, 1988, 2018, 1879};

int offsetOf(EraRow row) { return kEraTable[std::size_t(row)].offset; }

struct ConversionCase {
    const char* name;
    int year;
    std::array<int, kFixedEraCount> eraYears;
};

std::ostream& operator<<(std::ostream& os, const ConversionCase& c) { return os << c.name; }

class EraConversionTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(EraConversionTest, ConvertsBothWays)
{
    const ConversionCase& c = GetParam();
    for (int row = 0; row < kFixedEraCount; ++row) {
        const int offset = offsetOf(EraRow(row));
        EXPECT_EQ(eraYearOf(WesternYear{c.year}, offset), c.eraYears[std::size_t(row)]) << "row " << row;
        EXPECT_EQ(westernYearOf(EraYear{c.eraYears[std::size_t(row)]}, offset), c.year) << "row " << row;
    }
}

INSTANTIATE_TEST_SUITE_P(Years, EraConversionTest,
                         ::testing::Values(ConversionCase{"FirstMeijiYear", 1868, {1, -43, -57, -120, -150}},
                                           ConversionCase{"MeijiZero", 1867, {0, -44, -58, -121, -151}},
                                           ConversionCase{"TaishoBegins", 1912, {45, 1, -13, -76, -106}},
                                           ConversionCase{"ShowaBegins", 1926, {59, 15, 1, -62, -92}},
                                           ConversionCase{"HeiseiBegins", 1989, {122, 78, 64, 1, -29}},
                                           ConversionCase{"ReiwaBegins", 2019, {152, 108, 94, 31, 1}},
                                           ConversionCase{"BeforeMeiji", 1800, {-67, -111, -125, -188, -218}},
                                           ConversionCase{"YearZero", 0, {-1867, -1911, -1925, -1988, -2018}},
                                           ConversionCase{
                                               "NegativeYear", -9999, {-11866, -11910, -11924, -11987, -12017}}),
                         [](const auto& info) { return std::string(info.param.name); });

// The era boxes and the era calendar tell the same era year: on the first day
// of each era, at the ends of its first calendar year and on its last day.
TEST(EraTable, EraBoxesAgreeWithTheEraCalendar)
{
    using namespace std::chrono;
    for (std::size_t row = 0; row < kJapaneseEras.size(); ++row) {
        const JapaneseEra& era = kJapaneseEras[row];
        const year first = era.firstDay.year();
        std::vector<year_month_day> samples{era.firstDay, first / December / 31, (first + years{1}) / January / 1};
        if (row + 1 < kJapaneseEras.size())
            samples.push_back(year_month_day{sys_days{kJapaneseEras[row + 1].firstDay} - days{1}});
        for (const year_month_day day : samples) {
            ASSERT_EQ(japaneseEraOf(day), &era) << era.name;
            EXPECT_EQ(eraYearOf(WesternYear{int(day.year())}, offsetOf(EraRow(row))), eraYearOf(era, day)) << era.name;
        }
        EXPECT_EQ(kEraTable[row].caption, era.name);
    }
}

TEST(EraTable, UserEraStartsAtItsDefaultOrigin)
{
    EXPECT_EQ(eraYearOf(WesternYear{kDefaultUserEraOrigin}, offsetOf(EraRow::UserDefined)), 1);
}

TEST(EraTable, UserDefinedOriginZeroCountsFromYearZero)
{
    const int offset = 0 - 1;
    EXPECT_EQ(eraYearOf(WesternYear{0}, offset), 1);
    EXPECT_EQ(eraYearOf(WesternYear{2023}, offset), 2024);
}

struct ZodiacCase {
    const char* name;
    int year;
    int index;
    std::string_view text;
};

class ZodiacTest : public ::testing::TestWithParam<ZodiacCase> {};

TEST_P(ZodiacTest, IndexAndText)
{
    const ZodiacCase& c = GetParam();
    EXPECT_EQ(etoIndex(c.year), c.index);
    EXPECT_EQ(EtoText(c.year, true), c.text);
    EXPECT_EQ(EtoText(c.year, false), "");
}

INSTANTIATE_TEST_SUITE_P(
    Years, ZodiacTest,
    ::testing::Values(ZodiacCase{"Meiji1", 1868, 4, "辰・たつ"}, ZodiacCase{"Year2020", 2020, 0, "子・ね"},
                      ZodiacCase{"Year2023", 2023, 3, "卯・う"}, ZodiacCase{"YearZero", 0, 8, "申・さる"},
                      ZodiacCase{"Year4", 4, 0, "子・ね"}, ZodiacCase{"MinusEight", -8, 0, "子・ね"},
                      ZodiacCase{"MinusNine", -9, 11, "亥・い"}, ZodiacCase{"MinusTwenty", -20, 0, "子・ね"},
                      ZodiacCase{"MinYear", kMinYear, 5, "巳・み"},
                      ZodiacCase{"IntMin", std::numeric_limits<int>::min(), 0, "子・ね"},
                      ZodiacCase{"IntMax", std::numeric_limits<int>::max(), 3, "卯・う"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Zodiac, TableHasTwelveSignsInOrder)
{
    EXPECT_EQ(kEtoTexts.front(), "子・ね");
    EXPECT_EQ(kEtoTexts[7], "未・ひつじ");
    EXPECT_EQ(kEtoTexts.back(), "亥・い");
}

struct EmphasisCase {
    const char* name;
    int year;
    EraOffsets offsets;
    std::array<bool, kEraRowCount> rowBold;
    bool westernBold;
};

class EmphasisTest : public ::testing::TestWithParam<EmphasisCase> {};

TEST_P(EmphasisTest, BoldRows)
{
    const EmphasisCase& c = GetParam();
    EXPECT_EQ(eraEmphasis(c.year, c.offsets, true), (EraEmphasis{c.rowBold, c.westernBold}));
}

constexpr bool B = true;
constexpr bool _ = false;
constexpr EraOffsets kOriginZero{1867, 1911, 1925, 1988, 2018, -1};

INSTANTIATE_TEST_SUITE_P(Years, EmphasisTest,
                         ::testing::Values(EmphasisCase{"BeforeMeiji", 1867, kOffsets, {_, _, _, _, _, _}, false},
                                           EmphasisCase{"Meiji1", 1868, kOffsets, {B, _, _, _, _, _}, true},
                                           EmphasisCase{"UserOrigin", 1880, kOffsets, {B, _, _, _, _, B}, true},
                                           EmphasisCase{"MeijiAndTaisho", 1912, kOffsets, {B, B, _, _, _, B}, true},
                                           EmphasisCase{"Taisho2", 1913, kOffsets, {_, B, _, _, _, B}, true},
                                           EmphasisCase{"TaishoAndShowa", 1926, kOffsets, {_, B, B, _, _, B}, true},
                                           EmphasisCase{"ShowaAndHeisei", 1989, kOffsets, {_, _, B, B, _, B}, true},
                                           EmphasisCase{"Heisei2", 1990, kOffsets, {_, _, _, B, _, B}, true},
                                           EmphasisCase{"HeiseiAndReiwa", 2019, kOffsets, {_, _, _, B, B, B}, true},
                                           EmphasisCase{"Reiwa2", 2020, kOffsets, {_, _, _, _, B, B}, true},
                                           EmphasisCase{"Year1800", 1800, kOffsets, {_, _, _, _, _, _}, false},
                                           EmphasisCase{"OriginZeroAtZero", 0, kOriginZero, {_, _, _, _, _, B}, false},
                                           EmphasisCase{
                                               "OriginZeroBeforeZero", -1, kOriginZero, {_, _, _, _, _, _}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Emphasis, OffMeansEverythingPlain)
{
    for (const int year : {kMinYear, 0, 1867, 1912, 2019, 2023, kMaxYear})
        EXPECT_EQ(eraEmphasis(year, kOffsets, false), EraEmphasis{}) << year;
}

constexpr auto kToday2023 = std::chrono::year{2023} / 5 / 20;

struct SentenceCase {
    const char* name;
    int year;
    std::chrono::year_month_day today;
    bool showEto;
    std::string expected;
};

class YearSentenceTest : public ::testing::TestWithParam<SentenceCase> {};

TEST_P(YearSentenceTest, Text)
{
    const SentenceCase& c = GetParam();
    EXPECT_EQ(YearSentence(c.year, c.today, c.showEto), c.expected);
}

using std::chrono::year;
INSTANTIATE_TEST_SUITE_P(
    Sentences, YearSentenceTest,
    ::testing::Values(
        SentenceCase{"PastWithoutZodiac", 1993, kToday2023, false, "この年に生まれた人は、今年 30才です"},
        SentenceCase{"PastWithZodiac", 1993, kToday2023, true, "この年（酉・とり）に生まれた人は、今年 30才です"},
        SentenceCase{"CurrentWithoutZodiac", 2023, kToday2023, false, "この年に生まれた人は、今年 0才です"},
        SentenceCase{"CurrentWithZodiac", 2023, kToday2023, true, "この年（卯・う）に生まれた人は、今年 0才です"},
        SentenceCase{"NextYearCountsDays", 2024, kToday2023, true, "この年（辰・たつ）まで、あと 225日です"},
        SentenceCase{"NextYearOnLastDay", 2024, year{2023} / 12 / 31, false, "この年まで、あと 0日です"},
        SentenceCase{"NextYearOnDayBeforeLast", 2024, year{2023} / 12 / 30, false, "この年まで、あと 1日です"},
        SentenceCase{"NextYearOnFirstDayOfCommonYear", 2024, year{2023} / 1 / 1, false, "この年まで、あと 364日です"},
        SentenceCase{"NextYearOnFirstDayOfLeapYear", 2025, year{2024} / 1 / 1, false, "この年まで、あと 365日です"},
        SentenceCase{"YearAfterNext", 2025, kToday2023, false, "この年まで、あと 2年です"},
        SentenceCase{"FarFuture", 9999, kToday2023, true, "この年（亥・い）まで、あと 7976年です"},
        SentenceCase{"NegativeYear", -9, kToday2023, true, "この年（亥・い）に生まれた人は、今年 2032才です"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace erakon
