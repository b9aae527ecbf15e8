// SPDX-License-Identifier: MIT
#pragma once

#include "core/era_table.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace erakon {

// The era of the user's own, when it is shown: its name and first year.
struct UserEra {
    std::string name;
    int origin = kDefaultUserEraOrigin;
};

// What a typed text names: a year, an era year or a date, to be converted.
struct YearQuery {
    enum class Form {
        WesternYear, // 1989, 1989年, １９８９
        EraYear, // 令和5, 令和5年, 令和元年, R5, h31, 創業100
        WesternDate, // 1989-01-07, 1989/1/8, 1989.1.8, 1989年1月8日
        EraDate, // 昭和64年1月7日, 平成元年1月8日, H1.1.8, R1/5/1
    };
    // How the text stands against the era calendar. Either way the year is
    // worked out by the year arithmetic, as the conversion page does.
    enum class Note {
        None,
        EraHadEnded, // 平成35, 昭和64年1月8日: the era had ended by then
        EraNotBegun, // 令和元年4月1日, 令和0: the era had not yet begun
    };

    Form form = Form::WesternYear;
    int westernYear = 0; // kQueryFirstYear..kQueryLastYear
    // The date of the two date forms.
    std::optional<std::chrono::year_month_day> date;
    // The era the text named and its year, for the two era forms.
    EraRow era = EraRow::Meiji;
    int eraYear = 0;
    Note note = Note::None;

    friend bool operator==(const YearQuery&, const YearQuery&) = default;
};

// The query of a Western year, as the program asks for the current one.
inline YearQuery westernYearQuery(int westernYear)
{
    YearQuery query;
    query.westernYear = westernYear;
    return query;
}

// Why a text gives no query.
enum class QueryError {
    NotAQuery, // not in any of the forms: most texts typed into a search field
    NoSuchDate, // a date in the forms that is not in the calendar, such as 2023-02-30
    OutOfRange, // a year beyond the years the program converts
};

struct QueryResult {
    std::optional<YearQuery> query;
    QueryError error = QueryError::NotAQuery; // when there is no query

    explicit operator bool() const { return query.has_value(); }
};

// The Western years a query may name: those whose every era year the
// conversion page can show.
inline constexpr int kQueryFirstYear = 0;
inline constexpr int kQueryLastYear = kMaxYear;

// Reads a text in the forms a Japanese user types: digits in ASCII or full
// width; an era by its name (明治, 大正, 昭和, 平成, 令和, or the user era's name
// when it is shown) or its initial (M, T, S, H, R in either case); 元 for a
// first year; 年 after a year; a date with "-", "/" or "." between its parts
// or as 年, 月 and 日. Blanks may stand around the text and between its
// parts, never inside a number. A date names the day's era (1989-01-07 is
// 昭和64, 1989-01-08 is 平成元); an era year or date outside its era is worked
// out by arithmetic and carries a note. A text that reads as a Western year
// or date is one, whatever the user era is called: the user era's name is
// tried after the five eras and only on other texts, and a name of digits
// and blanks alone is never matched. Cheap enough to run on every
// keystroke: a text that is not a query is turned down at once.
QueryResult parseYearQuery(std::string_view text, const UserEra* userEra = nullptr);

} // namespace erakon
