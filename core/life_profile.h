// SPDX-License-Identifier: MIT
#pragma once

#include "core/life_rules.h"
#include "core/year_description.h"

#include <chrono>
#include <optional>
#include <string_view>
#include <vector>

namespace erakon {

// A birth as the user gives it: a full date, or a year alone.
struct LifeBirth {
    int year = 0;
    std::optional<std::chrono::year_month_day> date; // absent for a year alone

    static LifeBirth ofDate(std::chrono::year_month_day day) { return {int(day.year()), day}; }
    static LifeBirth ofYear(int birthYear) { return {birthYear, std::nullopt}; }

    friend bool operator==(const LifeBirth&, const LifeBirth&) = default;
};

// The birth a typed text names (`parseYearQuery()`): its date, or its year
// when it names no day.
LifeBirth lifeBirthOf(const YearQuery& query);

struct LifeRequest {
    LifeBirth birth;
    std::chrono::year_month_day asOf; // the day the ages and the 学年 are counted on
    Sex sex = Sex::Male; // for the 厄年
};

// The school years of a cohort: for a full date the one the birth belongs to,
// for a year alone each of the two.
struct LifeSchoolYears {
    SchoolCohort cohort = SchoolCohort::April2ToDecember31;
    int elementaryEntranceYear = 0;
    std::vector<SchoolStep> steps; // in the order of a 履歴書
    std::optional<Gakunen> gakunen; // on the as-of date, while at 小, 中 or 高
    Adulthood adulthood; // the cohorts split where the age of majority did

    friend bool operator==(const LifeSchoolYears&, const LifeSchoolYears&) = default;
};

// Everything the age page shows for a birth on an as-of date, every year a
// number. The text and the rows are built from it (`core/life_rows.h`).
struct LifeProfile {
    LifeRequest request;
    std::optional<int> age; // 満年齢; none for a year alone
    int kazoe = 0; // 数え年 in the as-of year
    // One entry for a full date; for a year alone two, 4月2日〜12月31日生まれ
    // first (kSchoolCohorts' order).
    std::vector<LifeSchoolYears> cohorts;
    std::vector<Yakudoshi> yakudoshi; // the as-of year's marked `inYear`
    std::vector<Choju> choju;
    EtoSign eto; // of the birth year
    // The birth may fall before 立春 (1 January to 3 February), from which some
    // count the zodiac year: always for a year alone, which may hold such a day.
    bool etoBeforeRisshun = false;
    EtoSign etoFromRisshun; // the year before's sign, for such a birth

    bool yearAlone() const { return !request.birth.date; }
};

enum class LifeError {
    AsOfBeforeBirth, // the as-of date lies before the birth (or its year)
    NoSuchDate, // a date not in the calendar
    OutOfRange, // a year beyond kMinYear..kMaxYear
};

struct LifeResult {
    std::optional<LifeProfile> profile;
    LifeError error = LifeError::AsOfBeforeBirth; // when there is no profile

    explicit operator bool() const { return profile.has_value(); }
};

// The message for a failure, in the program's words: 基準日が生年月日より前です.
std::string_view lifeErrorText(LifeError error);

// The rules for a birth on the as-of date. A year alone fails only for an
// as-of date in an earlier year; its as-of year gives 数え年 1.
LifeResult lifeProfile(const LifeRequest& request);

} // namespace erakon
