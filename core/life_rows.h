// SPDX-License-Identifier: MIT
#pragma once

#include "core/calendar_texts.h"
#include "core/life_profile.h"
#include "core/life_rules.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace erakon {

// A life profile in the program's words, row by row, in the order the age page
// and `erakon-cli --life` show it: the birth and the as-of date, 年齢, 学歴,
// 厄年, 長寿祝い, 成年, 干支.

enum class LifeSection { Dates, Age, School, Yakudoshi, Choju, Adulthood, Eto };

// What stands beside a 厄年 of the as-of year.
inline constexpr std::string_view kAsOfYearMark = "← 基準日の年";

// The word a section is known by, which the search matches: 年齢, 学歴, 厄年,
// 長寿祝い, 成年, 干支 (empty for the dates).
std::string_view lifeSectionName(LifeSection section);

struct LifeRow {
    enum class Kind {
        Heading, // a section's title: 学歴（履歴書）, 厄年（女性）
        Cohort, // with a year alone, the cohort the rows after it belong to
        Value, // a label and a value that is no year: 満年齢 35歳
        When, // a label and a year, a month or a day: 小学校 入学 平成8年4月（1996年4月）
        Note, // a remark on the rows before it; the label holds its text
    };

    LifeSection section = LifeSection::Dates;
    Kind kind = Kind::Value;
    std::string label; // 小学校 入学, 本厄（数え42歳・大厄）
    std::string value; // Value rows: 35歳, 小3, 巳（み）
    CalendarTexts when; // When rows: the 和暦 (empty outside 明治元年..令和99年) and the 西暦
    int year = 0; // When rows: the Western year of that year, month or day
    bool marked = false; // a 厄年 of the as-of year
    // With a year alone, the cohort of a row that stands under a Cohort row (the
    // school years, and 成年 where the cohorts differ) and of that Cohort row. The
    // 学年 rows name their cohort in the label: 学年（1月1日〜4月1日生まれ）.
    std::optional<SchoolCohort> cohort;

    // The row as one line, without indentation: "【学歴（履歴書）】", "〔4月2日〜12月31日
    // 生まれ〕", "満年齢：35歳", "本厄（数え42歳・大厄）：令和6年（2024年） ← 基準日の年",
    // "※浪人・留年・…".
    std::string text() const;
    // The line with the row's cohort before it, to stand without its cohort row:
    // "〔1月1日〜4月1日生まれ〕小学校 卒業：…".
    std::string standaloneText() const;

    friend bool operator==(const LifeRow&, const LifeRow&) = default;
};

// The rows of a life, its dates written with the eras given (those in force).
std::vector<LifeRow> lifeRows(const LifeProfile& profile, std::span<const JapaneseEra> eras = kJapaneseEras);

// The rows as `erakon-cli --life` prints them, one line each, the rows under a
// heading indented by two blanks and those under a cohort by four; every line
// ends with a line feed.
std::string lifeText(const std::vector<LifeRow>& rows);

// The value and year rows a search word asks for: every such row of the
// section the word names (厄年, 長寿祝い, ...), else those whose label holds the
// word (卒業, 還暦, 大厄, 学年). Empty when the word names nothing here.
std::vector<LifeRow> lifeRowsAbout(const std::vector<LifeRow>& rows, std::string_view word);

} // namespace erakon
