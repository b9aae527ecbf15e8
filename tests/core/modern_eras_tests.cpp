// SPDX-License-Identifier: MIT
// The modern eras in force: the built-in five, or with the eras an era file
// adds, as the clock, the year table and the conversion page count with them.
#include "core/modern_eras.h"

#include "core/calendar_texts.h"
#include "core/conversion.h"
#include "core/date_format.h"
#include "core/era_file.h"
#include "core/table_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace erakon {
namespace {

using namespace std::chrono;

std::vector<std::string_view> namesOf(std::span<const JapaneseEra> eras)
{
    std::vector<std::string_view> names;
    for (const JapaneseEra& era : eras)
        names.push_back(era.name);
    return names;
}

// 新元 from 20 May 2025, 次元 from 1 January 2040.
ModernEras withAddedEras()
{
    auto table = std::make_shared<EraTable>();
    table->addFile("eras.conf", "新元 しんげん Shingen N 2025-05-20\n次元 じげん Jigen - 2040-01-01\n");
    EXPECT_TRUE(table->problems().empty());
    return ModernEras(std::move(table));
}

TEST(ModernErasTest, WithoutAddedErasTheyAreTheBuiltInFive)
{
    for (const ModernEras& eras : {ModernEras(), ModernEras(std::make_shared<const EraTable>())}) {
        EXPECT_EQ(namesOf(eras.all()), (std::vector<std::string_view>{"明治", "大正", "昭和", "平成", "令和"}));
        EXPECT_EQ(namesOf(eras.latest()), namesOf(eras.all()));
        EXPECT_EQ(eras.offsetsFor(1880), eraOffsetsFor(1880));
        EXPECT_EQ(eras.firstTableYear(), kYearTableFirstYear);
        EXPECT_EQ(eras.lastTableYear(), kYearTableLastYear);
        EXPECT_EQ(eras.all()[0].romanised, "Meiji");
    }
}

TEST(ModernErasTest, AddedErasPushTheOldestOutOfTheLatestFive)
{
    const ModernEras eras = withAddedEras();
    EXPECT_EQ(namesOf(eras.all()).size(), 7u);
    EXPECT_EQ(namesOf(eras.latest()), (std::vector<std::string_view>{"昭和", "平成", "令和", "新元", "次元"}));
    EXPECT_EQ(eras.offsetsFor(1990), (EraOffsets{1925, 1988, 2018, 2024, 2039, 1989}));
    EXPECT_EQ(eras.latest()[3].romanised, "Shingen");
    // The table still begins with Meiji and runs to the latest era's 99th year.
    EXPECT_EQ(eras.firstTableYear(), 1868);
    EXPECT_EQ(eras.lastTableYear(), 2138);
}

TEST(ModernErasTest, TheCalendarWritesAnAddedEraFromItsFirstDay)
{
    const ModernEras eras = withAddedEras();
    DateFormatSettings settings;
    settings.eras = eras.all();
    const auto written = [&](year_month_day day) { return formatDatePattern("ggge", DateTime{day}, settings); };
    EXPECT_EQ(written(year{2025} / 5 / 19), "令和7");
    EXPECT_EQ(written(year{2025} / 5 / 20), "新元元");
    EXPECT_EQ(written(year{2039} / 12 / 31), "新元15");
    EXPECT_EQ(written(year{2040} / 1 / 1), "次元元");
    // Without the added eras, the same days are still 令和.
    EXPECT_EQ(formatDatePattern("ggge", DateTime{year{2025} / 5 / 20}, DateFormatSettings()), "令和7");
}

TEST(ModernErasTest, TheYearTableGivesTheChangeYearTwoLinesAndEndsAtTheLatestErasNinetyNinthYear)
{
    const ModernEras eras = withAddedEras();
    const std::vector<std::string> lines = YearTableLines(eras.firstTableYear(), eras.lastTableYear(), 2023, false,
                                                          eras.all());
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "次元99\t2138年\t115年後\t\t");
    const auto at = std::find(lines.begin(), lines.end(), "令和7\t2025年\t2年後\t\t");
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(*(at + 1), "新元元\t2025年\t2年後\t\t");
    // 次元 begins on 1 January: its first year has one line.
    EXPECT_NE(std::find(lines.begin(), lines.end(), "次元元\t2040年\t17年後\t\t"), lines.end());
    EXPECT_EQ(std::find(lines.begin(), lines.end(), "新元16\t2040年\t17年後\t\t"), lines.end());
}

TEST(ModernErasTest, TheAgePagesDatesFollowTheAddedEras)
{
    const ModernEras eras = withAddedEras();
    EXPECT_EQ(yearTexts(2025, eras.all()).era, "令和7年・新元元年");
    EXPECT_EQ(yearTexts(2026, eras.all()).era, "新元2年");
    EXPECT_EQ(monthTexts(2025, 5, eras.all()).era, "令和7年5月・新元元年5月");
    EXPECT_EQ(dateTexts(year{2025} / 5 / 20, eras.all()).era, "新元元年5月20日");
    // Past 令和99年, up to the latest era's 99th year.
    EXPECT_EQ(yearTexts(2138, eras.all()).era, "次元99年");
    EXPECT_EQ(yearTexts(2139, eras.all()).era, "");
    EXPECT_EQ(yearTexts(2025).era, "令和7年");
}

TEST(ModernErasTest, AListWithoutTheModernErasCountsWithTheBuiltInOnes)
{
    const ModernEras eras{std::span<const HistoricalEra>(kHistoricalEras).first(10)};
    EXPECT_EQ(namesOf(eras.all()), namesOf(kJapaneseEras));
    EXPECT_EQ(eras.everyEra().size(), kHistoricalEras.size());
}

} // namespace
} // namespace erakon
