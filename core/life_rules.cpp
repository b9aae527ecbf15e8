// SPDX-License-Identifier: MIT
#include "core/life_rules.h"

#include <string>
#include <utility>

namespace erakon {

namespace {

using namespace std::chrono;

// The first day of the school year.
constexpr month_day kSchoolYearStart{April / 1};
constexpr unsigned kEntranceMonth = 4;
constexpr unsigned kCompletionMonth = 3;
// A child enters 小学校 on the first 1 April on which it is 6.
constexpr int kElementaryEntranceAge = 6;

// Each school by its years: it begins in April of the 小学校 entrance year
// plus `start` and ends in March after `years` school years.
struct StageSpan {
    SchoolStage stage;
    int start;
    int years;
    std::string_view name;
    std::string_view gradePrefix; // of the 学年, for the schools that have one
};
constexpr std::array<StageSpan, 7> kStageSpans{{
    {SchoolStage::Kindergarten, -3, 3, "幼稚園", ""}, // 3年保育
    {SchoolStage::Elementary, 0, 6, "小学校", "小"},
    {SchoolStage::JuniorHigh, 6, 3, "中学校", "中"},
    {SchoolStage::HighSchool, 9, 3, "高等学校", "高"},
    {SchoolStage::JuniorCollege, 12, 2, "短期大学", ""},
    {SchoolStage::University, 12, 4, "大学", ""},
    {SchoolStage::GraduateSchool, 16, 2, "大学院", ""}, // 修士
}};

constexpr bool spansFollowTheStages()
{
    for (std::size_t i = 0; i < kStageSpans.size(); ++i) {
        if (std::size_t(kStageSpans[i].stage) != i)
            return false;
    }
    return true;
}
static_assert(spansFollowTheStages(), "kStageSpans is indexed by SchoolStage");

const StageSpan& spanOf(SchoolStage stage) { return kStageSpans[std::size_t(stage)]; }

// The schools whose grades a child is said to be in.
constexpr std::array<SchoolStage, 3> kGradedStages{SchoolStage::Elementary, SchoolStage::JuniorHigh,
                                                   SchoolStage::HighSchool};

struct YakuAges {
    std::array<int, 4> mainAges; // 0 ends the list
    int greatAge;
};
constexpr YakuAges kMaleYaku{{25, 42, 61, 0}, 42};
constexpr YakuAges kFemaleYaku{{19, 33, 37, 61}, 33};

struct ChojuAge {
    std::string_view name;
    int age;
};
constexpr std::array<ChojuAge, 11> kChojuAges{{
    {"還暦", 60},
    {"緑寿", 66},
    {"古希", 70},
    {"喜寿", 77},
    {"傘寿", 80},
    {"米寿", 88},
    {"卒寿", 90},
    {"白寿", 99},
    {"百寿", 100},
    {"茶寿", 108},
    {"皇寿", 111},
}};
// 還暦, the return of the sixty-year cycle, is 数え61: the year of 満60.
constexpr int kKanrekiAge = 60;

} // namespace

year_month_day ageReachedOn(year_month_day birth, int age)
{
    const year_month_day birthday{birth.year() + years{age}, birth.month(), birth.day()};
    if (birthday.ok())
        return birthday;
    // 29 February in a common year: the age is reached at the end of 28 February.
    return birthday.year() / March / 1;
}

int fullAge(year_month_day birth, year_month_day day)
{
    const int yearsApart = int(day.year()) - int(birth.year());
    return day < ageReachedOn(birth, yearsApart) ? yearsApart - 1 : yearsApart;
}

SchoolCohort schoolCohortOf(month_day birthday)
{
    return birthday <= kSchoolYearStart ? SchoolCohort::January1ToApril1 : SchoolCohort::April2ToDecember31;
}

std::string_view schoolCohortName(SchoolCohort cohort)
{
    return cohort == SchoolCohort::January1ToApril1 ? "1月1日〜4月1日生まれ" : "4月2日〜12月31日生まれ";
}

int elementaryEntranceYear(int birthYear, SchoolCohort cohort)
{
    // Born 2 April or later, the child is still 5 on 1 April of the year it turns 6.
    return birthYear + kElementaryEntranceAge + (cohort == SchoolCohort::April2ToDecember31 ? 1 : 0);
}

std::string_view schoolStageName(SchoolStage stage) { return spanOf(stage).name; }

std::string_view schoolEventName(SchoolStage stage, SchoolEvent event)
{
    if (stage == SchoolStage::Kindergarten)
        return event == SchoolEvent::Entrance ? "入園" : "卒園";
    if (event == SchoolEvent::Entrance)
        return "入学";
    return stage == SchoolStage::GraduateSchool ? "修了" : "卒業";
}

std::vector<SchoolStep> schoolSteps(int elementaryEntranceYear)
{
    std::vector<SchoolStep> steps;
    steps.reserve(kStageSpans.size() * 2);
    for (const StageSpan& span : kStageSpans) {
        const int start = elementaryEntranceYear + span.start;
        steps.push_back({span.stage, SchoolEvent::Entrance, start, kEntranceMonth});
        steps.push_back({span.stage, SchoolEvent::Completion, start + span.years, kCompletionMonth});
    }
    return steps;
}

std::optional<Gakunen> gakunenOn(int elementaryEntranceYear, year_month_day day)
{
    const int schoolYear = int(day.year()) - (day.month() < kSchoolYearStart.month() ? 1 : 0);
    const int yearsInSchool = schoolYear - elementaryEntranceYear; // [0, 11] for a school child
    for (const SchoolStage stage : kGradedStages) {
        const StageSpan& span = spanOf(stage);
        if (yearsInSchool >= span.start && yearsInSchool < span.start + span.years)
            return Gakunen{stage, yearsInSchool - span.start + 1};
    }
    return std::nullopt;
}

std::string gakunenText(Gakunen gakunen)
{
    return std::string(spanOf(gakunen.stage).gradePrefix) + std::to_string(gakunen.grade);
}

std::string_view sexName(Sex sex) { return sex == Sex::Female ? "女性" : "男性"; }

std::string_view yakuKindName(YakuKind kind)
{
    switch (kind) {
    case YakuKind::Before: return "前厄";
    case YakuKind::Main: return "本厄";
    case YakuKind::After: return "後厄";
    }
    return "本厄";
}

std::vector<Yakudoshi> yakudoshiYears(int birthYear, Sex sex, std::optional<int> markedYear)
{
    const YakuAges& ages = sex == Sex::Female ? kFemaleYaku : kMaleYaku;
    std::vector<Yakudoshi> list;
    for (const int mainAge : ages.mainAges) {
        if (mainAge == 0)
            break;
        const std::array<std::pair<YakuKind, int>, 3> around{
            {{YakuKind::Before, mainAge - 1}, {YakuKind::Main, mainAge}, {YakuKind::After, mainAge + 1}}};
        for (const auto& [kind, kazoe] : around) {
            const int year = birthYear + kazoe - 1;
            list.push_back({kind, kazoe, year, kind == YakuKind::Main && kazoe == ages.greatAge,
                            markedYear && *markedYear == year});
        }
    }
    return list;
}

std::vector<Choju> chojuYears(int birthYear)
{
    std::vector<Choju> list;
    list.reserve(kChojuAges.size());
    for (const ChojuAge& choju : kChojuAges) {
        const int year = birthYear + choju.age;
        const int kazoeYear = choju.age == kKanrekiAge ? year : birthYear + choju.age - 1;
        list.push_back({choju.name, choju.age, year, kazoeYear});
    }
    return list;
}

Adulthood adulthoodOf(year_month_day birth)
{
    const year_month_day at20 = ageReachedOn(birth, 20);
    if (at20 <= kAdulthoodAt18Since)
        return {AdulthoodRule::At20, int(at20.year()), at20};
    const year_month_day at18 = ageReachedOn(birth, 18);
    if (at18 <= kAdulthoodAt18Since)
        return {AdulthoodRule::OnTheChange, int(kAdulthoodAt18Since.year()), kAdulthoodAt18Since};
    return {AdulthoodRule::At18, int(at18.year()), at18};
}

Adulthood adulthoodOf(int birthYear, SchoolCohort cohort)
{
    // The rule follows the birth day in order, so the cohort's first and last
    // days decide for every day between them.
    const std::chrono::year year{birthYear};
    const bool early = cohort == SchoolCohort::January1ToApril1;
    const Adulthood first = adulthoodOf(early ? year / January / 1 : year / April / 2);
    const Adulthood last = adulthoodOf(early ? year / April / 1 : year / December / 31);
    Adulthood adulthood{first.rule, first.year, std::nullopt};
    if (first.date == last.date)
        adulthood.date = first.date;
    return adulthood;
}

} // namespace erakon
