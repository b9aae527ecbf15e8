// SPDX-License-Identifier: MIT
#pragma once

#include "core/historical_era_list.h"

#include <array>
#include <chrono>
#include <span>
#include <string>
#include <string_view>

namespace erakon {

// The Japanese era calendar: the five modern eras with their first days.
// It is the program's own data and does not depend on the user's locale.
struct JapaneseEra {
    std::string_view name;
    std::chrono::year_month_day firstDay;
    std::string_view romanised; // in ASCII: Meiji
};

// The last five rows of the table of every era, the Gregorian ones. Meiji
// counts from 1 January 1868 there, so that all of 1868 is Meiji 1, as the
// year arithmetic of the conversion page counts it.
inline constexpr std::array<JapaneseEra, 5> kJapaneseEras = [] {
    std::array<JapaneseEra, 5> modern{};
    const std::size_t first = kHistoricalEras.size() - modern.size();
    for (std::size_t i = 0; i < modern.size(); ++i) {
        const HistoricalEra& era = kHistoricalEras[first + i];
        const EraDay& day = era.firstDay;
        modern[i] = {era.name, std::chrono::year{day.year} / day.month / day.day, era.plainRomanised};
    }
    return modern;
}();
static_assert(kHistoricalEras[kHistoricalEras.size() - kJapaneseEras.size() - 1].calendar == EraCalendar::Lunisolar
              && kHistoricalEras[kHistoricalEras.size() - kJapaneseEras.size()].calendar == EraCalendar::Gregorian);

// The era of a date among the eras given, oldest first (the built-in five, or
// the eras in force, ModernEras): the last era whose first day is not after
// it; nullptr for a date before the first era or an invalid date.
const JapaneseEra* japaneseEraOf(std::chrono::year_month_day date, std::span<const JapaneseEra> eras = kJapaneseEras);

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
