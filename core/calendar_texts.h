// SPDX-License-Identifier: MIT
#pragma once

#include "core/era_calendar.h"

#include <chrono>
#include <span>
#include <string>

namespace erakon {

// A year, a month or a day written twice, in 和暦 and in 西暦, as the age page
// and `erakon-cli --life` show it. The 和暦 is written only for the years the
// year table lists (明治元年 to the 99th year of the latest of the eras given,
// 令和99年 with the built-in ones); outside them it is empty and the Western
// text stands alone. The eras are those in force (ModernEras::all()).
struct CalendarTexts {
    std::string era; // 平成元年4月2日; empty outside the table's years
    std::string western; // 1989年4月2日

    // 平成元年4月2日（1989年4月2日）, or the Western text alone.
    std::string combined() const;

    friend bool operator==(const CalendarTexts&, const CalendarTexts&) = default;
};

// The eras the year belongs to, as the conversion page marks them: the year of
// an era change belongs to both, 昭和64年・平成元年.
CalendarTexts yearTexts(int year, std::span<const JapaneseEra> eras = kJapaneseEras);

// The era of the month's days: 平成31年4月, 令和元年5月; a month in which an
// era began after its first day names both, 明治45年7月・大正元年7月.
CalendarTexts monthTexts(int year, unsigned month, std::span<const JapaneseEra> eras = kJapaneseEras);

// The era date of the day: 昭和64年1月7日, 平成元年1月8日.
CalendarTexts dateTexts(std::chrono::year_month_day date, std::span<const JapaneseEra> eras = kJapaneseEras);

} // namespace erakon
