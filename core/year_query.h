// SPDX-License-Identifier: MIT
#pragma once

#include "core/era_table.h"
#include "core/historical_era_list.h"

#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace erakon {

// The era of the user's own, when it is shown: its name and first year.
struct UserEra {
    std::string name;
    int origin = kDefaultUserEraOrigin;
};

// What a typed text names: a year, an era year or a date, to be converted.
struct YearQuery {
    enum class Form {
        WesternYear, // 1989, 1989年, １９８９, 二〇二三年, 千九百八十九年
        EraYear, // 令和5, 令和5年, 令和元年, R5, h31, 創業100, 昭和六十四年, れいわ5, heisei gannen, 元禄15
        WesternDate, // 1989-01-07, 1989/1/8, 1989.1.8, 1989年1月8日
        EraDate, // 昭和64年1月7日, 平成元年1月8日, H1.1.8, R05.04.01, 慶応4年1月1日
    };
    // How the text stands against the era calendar. Either way the year is
    // worked out by the year arithmetic, as the conversion page does.
    enum class Note {
        None,
        EraHadEnded, // 平成35, 昭和64年1月8日, 元禄20: the era had ended by then
        EraNotBegun, // 令和元年4月1日, 令和0: the era had not yet begun
    };

    // A year or a day of the Western calendar.
    struct Western {
        friend bool operator==(const Western&, const Western&) = default;
    };
    // A year or a day of an era.
    struct Era {
        // The era in the table of eras the text was read with; nullptr for
        // the user's own era.
        const HistoricalEra* era = nullptr;
        int eraYear = 0;
        Note note = Note::None;
        // The month and day typed after a year of an era counted in the
        // lunisolar calendar (慶応4年1月1日): the program converts such a day
        // at the level of its year only.
        std::optional<std::chrono::month_day> lunisolarDay;
        friend bool operator==(const Era&, const Era&) = default;
    };

    std::variant<Western, Era> named;
    int westernYear = 0; // kQueryFirstYear..kQueryLastYear
    // The day in the Gregorian calendar, for a Western date and the date of a
    // modern era.
    std::optional<std::chrono::year_month_day> date;

    Form form() const;
    // The era the text named, for the two era forms.
    const Era* era() const { return std::get_if<Era>(&named); }
    // The row of the era table the text named: one of the five eras or the
    // user's own; nullopt for a Western form and for any other era.
    std::optional<EraRow> eraRow() const;

    friend bool operator==(const YearQuery&, const YearQuery&) = default;
};

// The query of a Western year, as the program asks for the current one.
inline YearQuery westernYearQuery(int westernYear)
{
    return YearQuery{YearQuery::Western{}, westernYear, std::nullopt};
}

// The query of a Western date.
inline YearQuery westernDateQuery(std::chrono::year_month_day date)
{
    return YearQuery{YearQuery::Western{}, int(date.year()), date};
}

// The modern era (明治..令和) of an era table row, in the built-in table.
const HistoricalEra& modernEra(EraRow row);

// Why a text gives no query.
enum class QueryError {
    NotAQuery, // not in any of the forms: most texts typed into a search field
    NoSuchDate, // a date in the forms that is not in the calendar, such as 2023-02-30
    OutOfRange, // a year beyond the years the program converts
};

struct QueryResult {
    // The first reading of the text: the modern era's where several eras fit.
    std::optional<YearQuery> query;
    // Every other reading, in order: a short form or a reading that fits more
    // than one era (しょうわ5 is 昭和5 and 正和5) is answered with each.
    std::vector<YearQuery> otherReadings;
    QueryError error = QueryError::NotAQuery; // when there is no query

    explicit operator bool() const { return query.has_value(); }
};

// The Western years a query may name: those whose every era year the
// conversion page can show.
inline constexpr int kQueryFirstYear = 0;
inline constexpr int kQueryLastYear = kMaxYear;

// Reads a text in the forms a Japanese user types: digits in ASCII or full
// width, or kanji numerals, positional (二〇二三) or with 十, 百 and 千
// (千九百八十九, 六十四); an era by its name (any era of the table: 令和, 元禄;
// ㍾ ㍽ ㍼ ㍻ ㋿ for the modern ones), its reading in hiragana or katakana
// (れいわ), its romanised name in any case (Reiwa, heisei) or its initial (M,
// T, S, H, R), or the user era's name when it is shown; 元 (がんねん, gannen)
// for a first year; 年 (ねん) after a year; a date with "-", "/" or "."
// between its parts (R05.04.01 as JIS X 0301 writes it) or as 年, 月 and 日.
// Blanks may stand around the text and between its parts, never inside a
// number. A date names the day's era (1989-01-07 is 昭和64, 1989-01-08 is
// 平成元); an era year or date outside its era is worked out by arithmetic and
// carries a note. A year of an era before 明治 is the Western year in which
// its lunisolar year began, and a month and day after it are kept as typed.
// A year is read as written: 89 is the year 89, never 1989. A text that reads
// as a Western year or date is one, whatever the user era is called: the user
// era's name is tried after the table's eras and only on other texts, and a
// name of digits and blanks alone is never matched. Cheap enough to run on
// every keystroke: a text that is not a query is turned down at once.
QueryResult parseYearQuery(std::string_view text, const UserEra* userEra = nullptr,
                           std::span<const HistoricalEra> eras = kHistoricalEras);

} // namespace erakon
