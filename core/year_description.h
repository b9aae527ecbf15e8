// SPDX-License-Identifier: MIT
#pragma once

#include "core/era_table.h"
#include "core/year_query.h"

#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace erakon {

// The mark Japanese puts before a note.
inline constexpr std::string_view kNoteMark = "※";

// A year of an era as the program writes it: 昭和64年, 平成元年 (元 for a first
// year), 令和-29年 for a year before the era.
struct EraYearText {
    // The row of the era table; nothing for an era an era file added.
    std::optional<EraRow> row = EraRow::Meiji;
    std::string_view name; // 明治 .. 令和, an added era's, or the user era's name
    int year = 0;
    std::string text;
    // The year belongs to the era, as the conversion page's emphasis marks it:
    // the year of an era change belongs to both eras.
    bool current = false;

    friend bool operator==(const EraYearText&, const EraYearText&) = default;
};

// A converted query in the program's own words, for the command line and the
// desktop's search. Built by describeYear().
struct YearDescription {
    YearQuery query;
    int westernYear = 0;
    // 1989年, or for a date 1989年1月7日.
    std::string westernText;
    // What the user asked for, in the program's words: the Western year or date
    // (1989年, 1989年1月7日), or the era year or era date as typed, even outside
    // its era (令和5年, 平成35年, 昭和64年1月8日).
    std::string askedText;
    // What a Japanese reader looks for first: the eras the year belongs to,
    // 昭和64年・平成元年; for a date, the era date of that very day, 昭和64年1月7日.
    // Empty for a year or day before Meiji.
    std::string eraText;
    // Every era row, in the order of the era table: the five eras, the eras
    // the era files add, then the user era when it is shown.
    std::vector<EraYearText> eraYears;
    int yearsFromNow = 0;
    std::string yearsFromNowText; // 34年前, 今年, 3年後
    // The conversion page's age or countdown sentence, without the zodiac
    // (which has its own text here).
    std::string sentence;
    std::string_view etoSign; // 巳
    std::string_view etoReading; // み
    std::string etoText; // 巳（み）
    // About the era the query named, when it had ended or not yet begun:
    // 平成は2019年4月30日までです. Empty otherwise. Shown after kNoteMark.
    std::string note;

    // One line: "2023年 — 令和5年, 3年前, 卯（う）".
    std::string summary() const;
};

// Describes the query's year on the day `today`, with the user era when it is
// shown.
// The eras are those the query was read with: the built-in table, or the
// table in force (EraTable, core/era_file.h), which begins with it.
YearDescription describeYear(const YearQuery& query, const UserEra* shownUserEra, std::chrono::year_month_day today,
                             std::span<const HistoricalEra> eras = kHistoricalEras);

// The year's zodiac sign and its reading, from the zodiac table's text (卯・う).
struct EtoSign {
    std::string_view sign;
    std::string_view reading;
};
EtoSign etoSignOf(int year);

// 平成元年, 令和5年, 令和-29年.
std::string eraYearText(std::string_view eraName, int eraYear);

} // namespace erakon
