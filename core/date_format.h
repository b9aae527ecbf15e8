// SPDX-License-Identifier: MIT
#pragma once

#include "core/date_time.h"
#include "core/era_calendar.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace erakon {

// Locale-dependent names, separators and formats used by formatDatePattern.
// Day names: index 0 = Sunday .. 6 = Saturday. Month names: index 0 = January.
// All texts are UTF-8; a separator is one character or empty (nothing written).
struct DateFormatSettings {
    std::string TimeSeparator = ":";
    std::string DateSeparator = "/";
    std::array<std::string, 7> ShortDayNames;
    std::array<std::string, 7> LongDayNames;
    std::array<std::string, 12> ShortMonthNames;
    std::array<std::string, 12> LongMonthNames;
    std::string ShortDateFormat = "yyyy/mm/dd";
    std::string LongTimeFormat = "h:nn:ss";
    // Written by the "ampm" element of 12-hour time formats.
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
    // The eras the era letters write, oldest first: the built-in ones, or
    // those in force (ModernEras::all(), which must outlive these settings).
    std::span<const JapaneseEra> eras = kJapaneseEras;
};

// Writes a date-time by a pattern of format letters (g, e, y, m, d, a, h, n,
// s, c, quotes, ":" and "/"). Never throws: any pattern gives text; what the
// era calendar cannot supply comes out empty. The era letters always use the
// Japanese era calendar of the settings' eras; `language` is the primary language of the locale the
// program runs in, which only decides how a single "g" shortens the era name.
std::string formatDatePattern(std::string_view pattern, const DateTime& dateTime, const DateFormatSettings& settings,
                              EraNameLanguage language = EraNameLanguage::Japanese);

} // namespace erakon
