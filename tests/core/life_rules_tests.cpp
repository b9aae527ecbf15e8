// SPDX-License-Identifier: MIT
// The rules of a life as numbers: 満年齢 by the law on counting ages, the school
// years with 早生まれ, 厄年, 長寿祝い and the day of 成年 across the change of 2022.
#include "core/life_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace erakon {
namespace {

using namespace std::chrono;

// ---- 満年齢 ------------------------------------------------------------------

struct AgeCase {
    const char* name;
    year_month_day birth;
    year_month_day day;
    int age;
};

void PrintTo(const AgeCase& c, std::ostream* out) { *out << c.name; }

class FullAgeTest : public testing::TestWithParam<AgeCase> {};

TEST_P(FullAgeTest, CountsTheBirthdaysPassed)
{
    const AgeCase& c = GetParam();
    EXPECT_EQ(fullAge(c.birth, c.day), c.age);
}

INSTANTIATE_TEST_SUITE_P(
    Ages, FullAgeTest,
    testing::Values(AgeCase{"DayOfBirth", year{1989} / 4 / 2, year{1989} / 4 / 2, 0},
                    AgeCase{"DayBeforeBirth", year{1989} / 4 / 2, year{1989} / 4 / 1, -1},
                    AgeCase{"DayBeforeBirthday", year{1989} / 4 / 2, year{2024} / 4 / 1, 34},
                    AgeCase{"Birthday", year{1989} / 4 / 2, year{2024} / 4 / 2, 35},
                    AgeCase{"BornFirstOfAprilOnBirthday", year{2015} / 4 / 1, year{2021} / 4 / 1, 6},
                    AgeCase{"BornFirstOfAprilDayBefore", year{2015} / 4 / 1, year{2021} / 3 / 31, 5},
                    AgeCase{"LeapDayOn28FebruaryOfCommonYear", year{2000} / 2 / 29, year{2023} / 2 / 28, 22},
                    AgeCase{"LeapDayOn1MarchOfCommonYear", year{2000} / 2 / 29, year{2023} / 3 / 1, 23},
                    AgeCase{"LeapDayOn28FebruaryOfLeapYear", year{2000} / 2 / 29, year{2024} / 2 / 28, 23},
                    AgeCase{"LeapDayOn29FebruaryOfLeapYear", year{2000} / 2 / 29, year{2024} / 2 / 29, 24},
                    AgeCase{"LastDayOfYear", year{1999} / 12 / 31, year{2000} / 12 / 30, 0},
                    AgeCase{"BeforeMeiji", year{1850} / 1 / 1, year{1868} / 1 / 1, 18}),
    [](const testing::TestParamInfo<AgeCase>& info) { return std::string(info.param.name); });

TEST(AgeReachedOnTest, LeapDayBirthdayFallsOnFirstOfMarchInCommonYears)
{
    EXPECT_EQ(ageReachedOn(year{2004} / 2 / 29, 18), year{2022} / 3 / 1);
    EXPECT_EQ(ageReachedOn(year{2004} / 2 / 29, 20), year{2024} / 2 / 29);
    EXPECT_EQ(ageReachedOn(year{1989} / 4 / 2, 60), year{2049} / 4 / 2);
}

TEST(KazoeAgeTest, IsOneInTheYearOfBirth)
{
    EXPECT_EQ(kazoeAge(1989, 1989), 1);
    EXPECT_EQ(kazoeAge(1989, 1990), 2);
    EXPECT_EQ(kazoeAge(1989, 2024), 36);
}

// ---- School years ------------------------------------------------------------

struct EntranceCase {
    const char* name;
    month_day birthday;
    int birthYear;
    SchoolCohort cohort;
    int entranceYear;
};

void PrintTo(const EntranceCase& c, std::ostream* out) { *out << c.name; }

class SchoolEntranceTest : public testing::TestWithParam<EntranceCase> {};

TEST_P(SchoolEntranceTest, EntersOnTheFirstFirstOfAprilAtSix)
{
    const EntranceCase& c = GetParam();
    EXPECT_EQ(schoolCohortOf(c.birthday), c.cohort);
    EXPECT_EQ(elementaryEntranceYear(c.birthYear, schoolCohortOf(c.birthday)), c.entranceYear);
}

INSTANTIATE_TEST_SUITE_P(
    Births, SchoolEntranceTest,
    testing::Values(EntranceCase{"FirstOfJanuary", January / 1, 2016, SchoolCohort::January1ToApril1, 2022},
                    EntranceCase{"LeapDay", February / 29, 2016, SchoolCohort::January1ToApril1, 2022},
                    EntranceCase{"FirstOfApril", April / 1, 2016, SchoolCohort::January1ToApril1, 2022},
                    EntranceCase{"SecondOfApril", April / 2, 2016, SchoolCohort::April2ToDecember31, 2023},
                    EntranceCase{"LastOfDecember", December / 31, 2015, SchoolCohort::April2ToDecember31, 2022}),
    [](const testing::TestParamInfo<EntranceCase>& info) { return std::string(info.param.name); });

// "幼稚園 入園 2019/4" for every step, to compare whole lists at once.
std::vector<std::string> stepTexts(const std::vector<SchoolStep>& steps)
{
    std::vector<std::string> texts;
    texts.reserve(steps.size());
    for (const SchoolStep& step : steps) {
        texts.push_back(std::string(schoolStageName(step.stage)) + " "
                        + std::string(schoolEventName(step.stage, step.event)) + " " + std::to_string(step.year) + "/"
                        + std::to_string(step.month));
    }
    return texts;
}

TEST(SchoolStepsTest, FollowTheEntranceYearInTheOrderOfAResume)
{
    EXPECT_EQ(stepTexts(schoolSteps(1996)),
              (std::vector<std::string>{
                  "幼稚園 入園 1993/4",
                  "幼稚園 卒園 1996/3",
                  "小学校 入学 1996/4",
                  "小学校 卒業 2002/3",
                  "中学校 入学 2002/4",
                  "中学校 卒業 2005/3",
                  "高等学校 入学 2005/4",
                  "高等学校 卒業 2008/3",
                  "短期大学 入学 2008/4",
                  "短期大学 卒業 2010/3",
                  "大学 入学 2008/4",
                  "大学 卒業 2012/3",
                  "大学院 入学 2012/4",
                  "大学院 修了 2014/3",
              }));
}

struct GakunenCase {
    const char* name;
    year_month_day day;
    std::string gakunen; // empty for none
};

void PrintTo(const GakunenCase& c, std::ostream* out) { *out << c.name; }

class GakunenTest : public testing::TestWithParam<GakunenCase> {};

// A child who entered 小学校 in April 2022.
TEST_P(GakunenTest, ChangesOnFirstOfApril)
{
    const GakunenCase& c = GetParam();
    const std::optional<Gakunen> gakunen = gakunenOn(2022, c.day);
    EXPECT_EQ(gakunen ? gakunenText(*gakunen) : std::string(), c.gakunen);
}

INSTANTIATE_TEST_SUITE_P(EnteredIn2022, GakunenTest,
                         testing::Values(GakunenCase{"InKindergarten", year{2022} / 3 / 31, ""},
                                         GakunenCase{"FirstDayOfSchool", year{2022} / 4 / 1, "小1"},
                                         GakunenCase{"NewYear", year{2023} / 1 / 1, "小1"},
                                         GakunenCase{"LastDayOfElementary", year{2028} / 3 / 31, "小6"},
                                         GakunenCase{"FirstDayOfJuniorHigh", year{2028} / 4 / 1, "中1"},
                                         GakunenCase{"ThirdOfJuniorHigh", year{2030} / 12 / 1, "中3"},
                                         GakunenCase{"FirstOfHighSchool", year{2031} / 4 / 1, "高1"},
                                         GakunenCase{"LastDayOfHighSchool", year{2034} / 3 / 31, "高3"},
                                         GakunenCase{"AfterHighSchool", year{2034} / 4 / 1, ""}),
                         [](const testing::TestParamInfo<GakunenCase>& info) { return std::string(info.param.name); });

TEST(GakunenCohortTest, BirthsOnFirstAndSecondOfAprilAreAYearApart)
{
    const year_month_day day = year{2024} / 5 / 20;
    const auto gakunenOf = [&](month_day birthday) {
        return gakunenText(*gakunenOn(elementaryEntranceYear(2016, schoolCohortOf(birthday)), day));
    };
    EXPECT_EQ(gakunenOf(April / 1), "小3");
    EXPECT_EQ(gakunenOf(April / 2), "小2");
}

// ---- 厄年 --------------------------------------------------------------------

// "本厄42*2030" for every 厄年, "*" for the 大厄 and "!" for the marked year.
std::vector<std::string> yakuTexts(const std::vector<Yakudoshi>& years)
{
    std::vector<std::string> texts;
    texts.reserve(years.size());
    for (const Yakudoshi& yaku : years) {
        texts.push_back(std::string(yakuKindName(yaku.kind)) + std::to_string(yaku.kazoe) + (yaku.great ? "*" : "")
                        + std::to_string(yaku.year) + (yaku.inYear ? "!" : ""));
    }
    return texts;
}

TEST(YakudoshiTest, MenAroundTwentyFiveFortyTwoAndSixtyOne)
{
    EXPECT_EQ(yakuTexts(yakudoshiYears(1989, Sex::Male, 2030)),
              (std::vector<std::string>{
                  "前厄242012",
                  "本厄252013",
                  "後厄262014",
                  "前厄412029",
                  "本厄42*2030!",
                  "後厄432031",
                  "前厄602048",
                  "本厄612049",
                  "後厄622050",
              }));
}

TEST(YakudoshiTest, WomenAroundNineteenThirtyThreeThirtySevenAndSixtyOne)
{
    EXPECT_EQ(yakuTexts(yakudoshiYears(1990, Sex::Female, 2025)),
              (std::vector<std::string>{
                  "前厄182007",
                  "本厄192008",
                  "後厄202009",
                  "前厄322021",
                  "本厄33*2022",
                  "後厄342023",
                  "前厄362025!",
                  "本厄372026",
                  "後厄382027",
                  "前厄602049",
                  "本厄612050",
                  "後厄622051",
              }));
}

TEST(YakudoshiTest, NoYearMarkedOutsideThem)
{
    for (const Yakudoshi& yaku : yakudoshiYears(1989, Sex::Male, 2024))
        EXPECT_FALSE(yaku.inYear) << yaku.year;
    for (const Yakudoshi& yaku : yakudoshiYears(1989, Sex::Male))
        EXPECT_FALSE(yaku.inYear) << yaku.year;
}

// ---- 長寿祝い -----------------------------------------------------------------

TEST(ChojuTest, FullAgeYearAndKazoeYearWithKanrekiAtSixty)
{
    std::vector<std::string> texts;
    for (const Choju& choju : chojuYears(1989)) {
        texts.push_back(std::string(choju.name) + std::to_string(choju.age) + " " + std::to_string(choju.year) + " "
                        + std::to_string(choju.kazoeYear));
    }
    EXPECT_EQ(texts,
              (std::vector<std::string>{
                  "還暦60 2049 2049",
                  "緑寿66 2055 2054",
                  "古希70 2059 2058",
                  "喜寿77 2066 2065",
                  "傘寿80 2069 2068",
                  "米寿88 2077 2076",
                  "卒寿90 2079 2078",
                  "白寿99 2088 2087",
                  "百寿100 2089 2088",
                  "茶寿108 2097 2096",
                  "皇寿111 2100 2099",
              }));
}

// ---- 成年 --------------------------------------------------------------------

struct AdulthoodCase {
    const char* name;
    Adulthood adulthood;
    AdulthoodRule rule;
    int year;
    std::optional<year_month_day> date;
};

void PrintTo(const AdulthoodCase& c, std::ostream* out) { *out << c.name; }

class AdulthoodTest : public testing::TestWithParam<AdulthoodCase> {};

TEST_P(AdulthoodTest, FollowsTheAgeOfMajorityOfItsDay)
{
    const AdulthoodCase& c = GetParam();
    EXPECT_EQ(c.adulthood.rule, c.rule);
    EXPECT_EQ(c.adulthood.year, c.year);
    EXPECT_EQ(c.adulthood.date, c.date);
}

constexpr auto kChange = year{2022} / 4 / 1;

INSTANTIATE_TEST_SUITE_P(
    Dates, AdulthoodTest,
    testing::Values(
        AdulthoodCase{"Heisei", adulthoodOf(year{1989} / 4 / 2), AdulthoodRule::At20, 2009, year{2009} / 4 / 2},
        AdulthoodCase{"TwentyTheDayBefore", adulthoodOf(year{2002} / 3 / 31), AdulthoodRule::At20, 2022,
                      year{2022} / 3 / 31},
        AdulthoodCase{"TwentyOnTheDay", adulthoodOf(year{2002} / 4 / 1), AdulthoodRule::At20, 2022, kChange},
        AdulthoodCase{"NineteenOnTheDay", adulthoodOf(year{2002} / 4 / 2), AdulthoodRule::OnTheChange, 2022, kChange},
        AdulthoodCase{"EighteenOnTheDay", adulthoodOf(year{2004} / 4 / 1), AdulthoodRule::OnTheChange, 2022, kChange},
        AdulthoodCase{"LeapDayEighteenBeforeTheDay", adulthoodOf(year{2004} / 2 / 29), AdulthoodRule::OnTheChange, 2022,
                      kChange},
        AdulthoodCase{"SeventeenOnTheDay", adulthoodOf(year{2004} / 4 / 2), AdulthoodRule::At18, 2022,
                      year{2022} / 4 / 2},
        AdulthoodCase{"LeapDayAtEighteen", adulthoodOf(year{2008} / 2 / 29), AdulthoodRule::At18, 2026,
                      year{2026} / 3 / 1},
        AdulthoodCase{"BeforeMeiji", adulthoodOf(year{1850} / 1 / 1), AdulthoodRule::At20, 1870, year{1870} / 1 / 1}),
    [](const testing::TestParamInfo<AdulthoodCase>& info) { return std::string(info.param.name); });

constexpr auto kLate = SchoolCohort::April2ToDecember31;
constexpr auto kEarly = SchoolCohort::January1ToApril1;

INSTANTIATE_TEST_SUITE_P(
    YearsAlone, AdulthoodTest,
    testing::Values(AdulthoodCase{"Late2001", adulthoodOf(2001, kLate), AdulthoodRule::At20, 2021, std::nullopt},
                    AdulthoodCase{"Early2002", adulthoodOf(2002, kEarly), AdulthoodRule::At20, 2022, std::nullopt},
                    AdulthoodCase{"Late2002", adulthoodOf(2002, kLate), AdulthoodRule::OnTheChange, 2022, kChange},
                    AdulthoodCase{"Early2003", adulthoodOf(2003, kEarly), AdulthoodRule::OnTheChange, 2022, kChange},
                    AdulthoodCase{"Late2003", adulthoodOf(2003, kLate), AdulthoodRule::OnTheChange, 2022, kChange},
                    AdulthoodCase{"Early2004", adulthoodOf(2004, kEarly), AdulthoodRule::OnTheChange, 2022, kChange},
                    AdulthoodCase{"Late2004", adulthoodOf(2004, kLate), AdulthoodRule::At18, 2022, std::nullopt},
                    AdulthoodCase{"Early2005", adulthoodOf(2005, kEarly), AdulthoodRule::At18, 2023, std::nullopt}),
    [](const testing::TestParamInfo<AdulthoodCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace erakon
