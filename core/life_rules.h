// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string_view>
#include <vector>

namespace erakon {

// The rules of Japanese law and custom that tie a birth to ages and years:
// 満年齢 and 数え年, the school years, 厄年, 長寿祝い and 成年. Plain
// arithmetic on the proleptic Gregorian calendar, for any year.

// ---- Ages ----------------------------------------------------------------

// The day on which a person born on `birth` has the age `age`. By the law on
// counting ages an age is reached at the end of the day before the birthday,
// so this is the birthday itself, and for a 29 February birthday 1 March in a
// common year.
std::chrono::year_month_day ageReachedOn(std::chrono::year_month_day birth, int age);

// 満年齢 on `day`: the birthdays passed, as ageReachedOn() counts them. Negative
// for a day before the birth.
int fullAge(std::chrono::year_month_day birth, std::chrono::year_month_day day);

// 数え年 in `year`: 1 in the year of birth, one more each 1 January.
constexpr int kazoeAge(int birthYear, int year) { return year - birthYear + 1; }

// ---- School years (学年) ----------------------------------------------------

// The school year begins on 1 April. Those born 1 January to 1 April (早生まれ)
// reach 6 by 1 April of the year they turn 6 and enter school with those born
// from 2 April of the year before.
enum class SchoolCohort {
    April2ToDecember31, // 4月2日〜12月31日生まれ
    January1ToApril1, // 1月1日〜4月1日生まれ (早生まれ)
};
inline constexpr std::array<SchoolCohort, 2> kSchoolCohorts{SchoolCohort::April2ToDecember31,
                                                            SchoolCohort::January1ToApril1};

SchoolCohort schoolCohortOf(std::chrono::month_day birthday);

// 4月2日〜12月31日生まれ.
std::string_view schoolCohortName(SchoolCohort cohort);

// The year whose April the child enters 小学校.
int elementaryEntranceYear(int birthYear, SchoolCohort cohort);

enum class SchoolStage { Kindergarten, Elementary, JuniorHigh, HighSchool, JuniorCollege, University, GraduateSchool };
enum class SchoolEvent { Entrance, Completion };

// 幼稚園, 小学校, 中学校, 高等学校, 短期大学, 大学, 大学院.
std::string_view schoolStageName(SchoolStage stage);
// 入園 and 卒園 for 幼稚園, 入学 and 修了 for 大学院, else 入学 and 卒業.
std::string_view schoolEventName(SchoolStage stage, SchoolEvent event);

struct SchoolStep {
    SchoolStage stage = SchoolStage::Elementary;
    SchoolEvent event = SchoolEvent::Entrance;
    int year = 0;
    unsigned month = 4; // 4 for an entrance, 3 for a completion

    friend bool operator==(const SchoolStep&, const SchoolStep&) = default;
};

// Every entrance and completion in the order of a 履歴書, with no year repeated
// or skipped: 幼稚園 (3年保育), 小学校, 中学校, 高等学校, then 短期大学 and 大学 as
// the two ways after it, then 大学院 (修士).
std::vector<SchoolStep> schoolSteps(int elementaryEntranceYear);

// The grade of a child on a day: 小1..小6, 中1..中3, 高1..高3.
struct Gakunen {
    SchoolStage stage = SchoolStage::Elementary; // Elementary, JuniorHigh or HighSchool
    int grade = 1; // [1, 6] in 小学校, [1, 3] after

    friend bool operator==(const Gakunen&, const Gakunen&) = default;
};
std::optional<Gakunen> gakunenOn(int elementaryEntranceYear, std::chrono::year_month_day day);
// 小3.
std::string gakunenText(Gakunen gakunen);

// ---- 厄年 -------------------------------------------------------------------

enum class Sex { Male, Female };
// 男性, 女性.
std::string_view sexName(Sex sex);

enum class YakuKind { Before, Main, After }; // 前厄, 本厄, 後厄
std::string_view yakuKindName(YakuKind kind);

// One 厄年, counted by 数え年 and the calendar year.
struct Yakudoshi {
    YakuKind kind = YakuKind::Main;
    int kazoe = 0;
    int year = 0; // the Western year in which the person has that 数え年
    bool great = false; // the 本厄 of the 大厄 (男性 42, 女性 33)
    bool inYear = false; // the year asked about, see yakudoshiYears()

    friend bool operator==(const Yakudoshi&, const Yakudoshi&) = default;
};

// Every 厄年 of a life in order: 前厄, 本厄, 後厄 around each 本厄 (男性 25, 42,
// 61; 女性 19, 33, 37, 61); those in `markedYear` carry `inYear`.
std::vector<Yakudoshi> yakudoshiYears(int birthYear, Sex sex, std::optional<int> markedYear = {});

// ---- 長寿祝い ----------------------------------------------------------------

struct Choju {
    std::string_view name; // 還暦
    int age = 0; // 満年齢
    int year = 0; // the year of that 満年齢: the birth year + age
    int kazoeYear = 0; // the year it is traditionally celebrated by 数え年

    friend bool operator==(const Choju&, const Choju&) = default;
};

// 還暦 60 .. 皇寿 111. The 数え year is the year of 数え年 N (birth + N - 1), but
// 還暦 is 数え61, the year of 満60.
std::vector<Choju> chojuYears(int birthYear);

// ---- 成年 -------------------------------------------------------------------

// 18 from this day on; before it 20. Those who were 18 or 19 on the day became
// adults on it.
inline constexpr std::chrono::year_month_day kAdulthoodAt18Since{std::chrono::year{2022} / 4 / 1};

enum class AdulthoodRule {
    At20, // 20歳の誕生日 (before the change)
    OnTheChange, // 18 or 19 on the day of the change
    At18, // 18歳の誕生日
};

struct Adulthood {
    AdulthoodRule rule = AdulthoodRule::At18;
    int year = 0;
    // The day; with a year alone, only where every birth of the cohort gives
    // the same day (the day of the change).
    std::optional<std::chrono::year_month_day> date;

    friend bool operator==(const Adulthood&, const Adulthood&) = default;
};

Adulthood adulthoodOf(std::chrono::year_month_day birth);
// For a birth known by its year and school cohort alone: the two cohorts split
// exactly where the change splits them.
Adulthood adulthoodOf(int birthYear, SchoolCohort cohort);

// ---- 干支 -------------------------------------------------------------------

// Births up to this day of the year fall before 立春 (about 4 February), from
// which some count the zodiac year.
inline constexpr std::chrono::month_day kLastDayBeforeRisshun{std::chrono::February / 3};

} // namespace erakon
