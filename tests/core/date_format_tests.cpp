// SPDX-License-Identifier: MIT
#include "core/date_format.h"

#include "tests/core/japanese_format_settings.h"

#include <gtest/gtest.h>

#include <string>

namespace erakon {
namespace {

using namespace std::string_literals;

constexpr std::string_view kClockPattern = "ggge年(yyyy年) m月d日(aaa)  HH:MM";

struct FormatCase {
    const char* name;
    std::string_view pattern;
    DateTime dateTime;
    std::string expected;
};

std::ostream& operator<<(std::ostream& os, const FormatCase& c) { return os << c.name; }

class FormatDatePatternTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatDatePatternTest, WritesTheExpectedText)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatDatePattern(c.pattern, c.dateTime, test::japaneseFormatSettings()), c.expected);
}

const FormatCase kFormatCases[] = {
    {"ClockPattern", kClockPattern, makeDateTime(2023, 5, 20, 14, 5, 9), "令和5年(2023年) 5月20日(土)  14:05"},
    {"ClockPatternInFirstEraYear", kClockPattern, makeDateTime(2019, 5, 1, 0, 0), "令和元年(2019年) 5月1日(水)  00:00"},
    {"ClockPatternBeforeFirstEra", kClockPattern, makeDateTime(1867, 12, 31, 23, 59), "年(1867年) 12月31日(火)  23:59"},
    {"LastDayOfHeisei", "ggge", makeDateTime(2019, 4, 30), "平成31"},
    {"FirstDayOfReiwa", "ggge", makeDateTime(2019, 5, 1), "令和元"},
    {"LastDayOfMeiji", "ggge", makeDateTime(1912, 7, 29), "明治45"},
    {"FirstDayOfTaisho", "ggge", makeDateTime(1912, 7, 30), "大正元"},
    {"LastDayOfTaisho", "ggge", makeDateTime(1926, 12, 24), "大正15"},
    {"ShowaBeginsOnChristmas", "ggge", makeDateTime(1926, 12, 25), "昭和元"},
    {"HeiseiBeginsOnEighthOfJanuary", "ggge", makeDateTime(1989, 1, 7), "昭和64"},
    {"FirstDayOfMeiji", "ggge", makeDateTime(1868, 1, 1), "明治元"},
    {"BeforeFirstEra", "ggge", makeDateTime(1867, 12, 31), ""},
    {"FarFutureReiwa", "ggge", makeDateTime(2117, 12, 31), "令和99"},
    {"SingleGIsFirstCharacter", "ge", makeDateTime(2023, 1, 1), "令5"},
    {"SingleEDropsZero", "e", makeDateTime(2023, 1, 1), "5"},
    {"DoubleEKeepsZero", "ee", makeDateTime(2023, 1, 1), "05"},
    {"TripleEIsFourDigits", "eee", makeDateTime(2023, 1, 1), "0005"},
    {"SingleETwoDigitYear", "e", makeDateTime(2000, 1, 1), "12"},
    {"FirstYearInEveryForm", "e ee eeee", makeDateTime(2019, 12, 31), "元 元 元"},
    {"EraYearAboveNinetyNine", "e|ee|eee", makeDateTime(2118, 1, 1), "100|100|0100"},
    {"EraLettersIgnoreCase", "GGGE", makeDateTime(2023, 1, 1), "令和5"},
    {"FourDigitYearBelowThousand", "yyyy", makeDateTime(850, 3, 1), "0850"},
    {"TwoDigitYear", "yy y", makeDateTime(2005, 3, 1), "05 05"},
    {"MonthAndDayWithoutZero", "m月d日", makeDateTime(2023, 5, 20), "5月20日"},
    {"MonthAndDayWithZero", "mm/dd", makeDateTime(2023, 5, 2), "05/02"},
    {"MonthNames", "mmm|mmmm", makeDateTime(2023, 12, 2), "12月|12月"},
    {"MinuteAfterHour", "HH:MM", makeDateTime(2023, 5, 20, 14, 5), "14:05"},
    {"MinuteAfterHourAcrossQuote", "h'時'm", makeDateTime(2023, 5, 20, 14, 5), "14時5"},
    {"MonthAfterMinute", "h:n m", makeDateTime(2023, 5, 20, 14, 7), "14:7 5"},
    {"LongRunsCountAsTwo", "hhh:nnn:sss", makeDateTime(2023, 5, 20, 4, 5, 6), "04:05:06"},
    {"SingleDigitTime", "h:n:s", makeDateTime(2023, 5, 20, 4, 5, 6), "4:5:6"},
    {"ShortDayNameOnSunday", "aaa", makeDateTime(2023, 5, 21), "日"},
    {"LongDayNameOnSaturday", "aaaa", makeDateTime(2023, 5, 20), "土曜日"},
    {"DayNameElementEndsAfterThreeLetters", "aaaaa", makeDateTime(2023, 5, 20), "土曜日a"},
    {"LoneAIsCopied", "a", makeDateTime(2023, 5, 20), "a"},
    {"TwelveHourClock", "h:nn ampm", makeDateTime(2023, 5, 20, 14, 5), "2:05 午後"},
    {"TwelveHourClockAmPmFirst", "AM/PM hh", makeDateTime(2023, 5, 20, 0, 5), "AM 12"},
    {"DateTimeAtMidnight", "c", makeDateTime(2023, 5, 20), "2023/05/20"},
    {"DateTimeInAfternoon", "c", makeDateTime(2023, 5, 20, 14, 5, 9), "2023/05/20 14:05:09"},
    {"DateTimeOneMillisecondAfterMidnight", "c", makeDateTime(2023, 5, 20, 0, 0, 0, 1), "2023/05/20 0:00:00"},
    {"DoubleQuotedText", "\"yyyy\"yyyy", makeDateTime(2023, 5, 20), "yyyy2023"},
    {"SingleQuotedText", "'hh'hh", makeDateTime(2023, 5, 20, 9), "hh09"},
    {"UnterminatedQuoteCopiesTheRest", "yyyy'mm dd", makeDateTime(2023, 5, 20), "2023mm dd"},
    {"OtherLettersAreCopied", "bqx", makeDateTime(2023, 5, 20), "bqx"},
    {"Milliseconds", "s.zzz z", makeDateTime(2023, 5, 20, 0, 0, 9, 45), "9.045 45"},
    {"NonAsciiIsCopiedWhole", "«ｍｍ»é", makeDateTime(2023, 5, 20), "«ｍｍ»é"},
    {"EmptyPattern", "", makeDateTime(2023, 5, 20), ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, FormatDatePatternTest, ::testing::ValuesIn(kFormatCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FormatDatePatternSeparators, EmptyTimeSeparatorJoinsHourAndMinute)
{
    DateFormatSettings settings = test::japaneseFormatSettings();
    settings.TimeSeparator.clear();
    EXPECT_EQ(formatDatePattern("HH:MM", makeDateTime(2023, 5, 20, 14, 5), settings), "1405");
}

TEST(FormatDatePatternSeparators, SlashWritesTheDateSeparator)
{
    DateFormatSettings settings = test::japaneseFormatSettings();
    settings.DateSeparator = ".";
    settings.TimeSeparator = "時";
    EXPECT_EQ(formatDatePattern("d/m/yyyy h:nn", makeDateTime(2023, 5, 20, 14, 5), settings), "20.5.2023 14時05");
}

struct LanguageCase {
    const char* name;
    EraNameLanguage language;
    std::string expected;
};

class ShortEraNameTest : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(ShortEraNameTest, SingleGDependsOnTheLocaleLanguage)
{
    const LanguageCase& c = GetParam();
    EXPECT_EQ(formatDatePattern("g|gg", makeDateTime(2023, 5, 20), {}, c.language), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Languages, ShortEraNameTest,
                         ::testing::Values(LanguageCase{"Japanese", EraNameLanguage::Japanese, "令|令和"},
                                           LanguageCase{"TraditionalChinese", EraNameLanguage::TraditionalChinese,
                                                        "令和|令和"},
                                           LanguageCase{"Other", EraNameLanguage::Other, "令和|令和"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ShortEraName, TraditionalChineseTakesLastTwoOfFourCharacters)
{
    EXPECT_EQ(shortEraName("日本令和", EraNameLanguage::TraditionalChinese), "令和");
    EXPECT_EQ(shortEraName("令和", EraNameLanguage::Japanese), "令");
    EXPECT_EQ(shortEraName("", EraNameLanguage::Japanese), "");
}

// A locale format that names "c" itself must not recurse.
TEST(FormatDatePatternRobustness, DateTimeInsideLocaleFormatsWritesNothing)
{
    DateFormatSettings settings = test::japaneseFormatSettings();
    settings.ShortDateFormat = "c yyyy c";
    settings.LongTimeFormat = "cc";
    EXPECT_EQ(formatDatePattern("c", makeDateTime(2023, 5, 20, 1), settings), " 2023  ");
}

TEST(FormatDatePatternRobustness, OddInputGivesText)
{
    const DateFormatSettings settings = test::japaneseFormatSettings();
    const DateTime when = makeDateTime(2023, 5, 20, 14, 5, 9);

    std::string longPattern;
    for (int i = 0; i < 2000; ++i)
        longPattern += "ggge年c'\"a/p";
    EXPECT_FALSE(formatDatePattern(longPattern, when, settings).empty());

    const std::string garbage = "\xff\xfe\x80'\x01\0\xc3"s;
    EXPECT_NO_THROW(formatDatePattern(garbage, when, settings));

    // Dates and times outside their ranges still give text.
    const DateTime invalid{std::chrono::year{2023} / 13 / 40, std::chrono::hours{-30}};
    EXPECT_EQ(formatDatePattern("ggge m mmm d aaa", invalid, settings), " 13  40 ");
    EXPECT_EQ(formatDatePattern("h:nn", invalid, settings), "18:00");
}

} // namespace
} // namespace erakon
