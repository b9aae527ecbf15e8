// SPDX-License-Identifier: MIT
#pragma once

#include "core/era_table.h"

#include <chrono>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace erakon {

// One line of the year quick-reference table for the year of the date:
// era (written for that very date), Western year, distance from the current
// year, zodiac; each field followed by a tab. The eras are those the era
// column writes (DateFormatSettings::eras).
std::string TableLine(std::chrono::year_month_day date, int currentYear, bool showEto,
                      std::span<const JapaneseEra> eras = kJapaneseEras);

// The years the table lists with the built-in eras: from the first year of
// Meiji to the 99th of Reiwa (ModernEras reckons them for the eras in force).
// The table runs to this year of its latest era.
inline constexpr int kYearTableLastEraYear = 99;
inline constexpr int kYearTableFirstYear = kEraTable[std::size_t(EraRow::Meiji)].offset + 1;
inline constexpr int kYearTableLastYear = kEraTable[std::size_t(EraRow::Reiwa)].offset + kYearTableLastEraYear;

// The table's lines for the years firstYear..lastYear: the line of 1 January
// of each year, and after it the line of 31 December when that differs, so
// that a year in which an era begins after 1 January has a second line with
// the era in force at its end.
std::vector<std::string> YearTableLines(int firstYear, int lastYear, int currentYear, bool showEto,
                                        std::span<const JapaneseEra> eras = kJapaneseEras);

// The lines of YearTableLines() that a search text selects (the Western year
// box's text when the table is entered): the last line of 1 January that
// contains it, else the first line; and with it the line after, when that
// contains the text too (the second line of a year in which an era begins).
// Nothing is selected in a table without lines.
struct YearTableSelection {
    std::size_t firstLine = 0;
    std::size_t lineCount = 0;
    friend bool operator==(const YearTableSelection&, const YearTableSelection&) = default;
};
YearTableSelection selectYearTableLines(const std::vector<std::string>& lines, std::string_view search);

} // namespace erakon
