// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <chrono>
#include <string>
#include <string_view>

namespace erakon {

// The Japanese era calendar: the five modern eras with their first days.
// It is the program's own data and does not depend on the user's locale.
struct JapaneseEra {
    std::string_view name;
    std::chrono::year_month_day firstDay;
};

inline constexpr std::array<JapaneseEra, 5> kJapaneseEras{{
    // Meiji counts from 1 January 1868 so that all of 1868 is Meiji 1, as the
    // year arithmetic of the conversion page counts it.
    {"明治", std::chrono::year{1868} / 1 / 1},
    {"大正", std::chrono::year{1912} / 7 / 30},
    {"昭和", std::chrono::year{1926} / 12 / 25},
    {"平成", std::chrono::year{1989} / 1 / 8},
    {"令和", std::chrono::year{2019} / 5 / 1},
}};

// The era of a date: the last era whose first day is not after it; nullptr
// for a date before the first era or an invalid date.
const JapaneseEra* japaneseEraOf(std::chrono::year_month_day date);

// The year within the era: 1 in the calendar year of the era's first day,
// one more on each 1 January.
int eraYearOf(const JapaneseEra& era, std::chrono::year_month_day date);

// How the calendar writes an era year. The first year is "元" in every form;
// other years are zero-padded to two or four digits.
enum class EraYearForm { TwoDigit, FourDigit };
void appendEraYear(std::string& out, int eraYear, EraYearForm form);

// The primary language of the locale the program runs in, as far as it
// decides how a single "g" writes the era name.
enum class EraNameLanguage { Japanese, TraditionalChinese, Other };

// The era name as a single "g" writes it: the first character for Japanese,
// the third and fourth of a four-character name for Traditional Chinese,
// otherwise the whole name.
std::string_view shortEraName(std::string_view name, EraNameLanguage language);

} // namespace erakon
