// SPDX-License-Identifier: MIT
#pragma once

#include "core/era_table.h"

#include <array>
#include <chrono>
#include <span>
#include <string>
#include <string_view>

namespace erakon {

// How the years-from-now box writes its value while it has no focus: with a
// plus sign for this year and the years ahead, with the minus sign alone for
// the years past.
inline constexpr std::string_view kYearsAheadFormat = "+###0";
inline constexpr std::string_view kYearsAgoFormat = "###0";

// The offsets of the six rows: the five eras' (the first kFixedEraCount of
// `eras`), the user era's from its origin, the Western year of its year 1.
constexpr EraOffsets eraOffsetsFor(std::span<const JapaneseEra> eras, int userEraOrigin)
{
    EraOffsets offsets{};
    for (std::size_t row = 0; row < std::size_t(kFixedEraCount) && row < eras.size(); ++row)
        offsets[row] = eraOffsetOf(eras[row]);
    offsets[std::size_t(EraRow::UserDefined)] = userEraOrigin - 1;
    return offsets;
}

// The same with the built-in eras, 明治 to 令和.
constexpr EraOffsets eraOffsetsFor(int userEraOrigin) { return eraOffsetsFor(kJapaneseEras, userEraOrigin); }

// What the conversion page shows for a year, the user era's name aside.
struct Conversion {
    // The year shown: the year asked for, brought within convertibleYears() so
    // that every box can hold its value and all of them show the same year.
    int westernYear = 0;
    std::array<int, kEraRowCount> eraYears{}; // rows Meiji .. user-defined
    int yearsFromNow = 0;
    std::string_view yearsFromNowFormat; // kYearsAheadFormat or kYearsAgoFormat
    std::string sentence; // YearSentence()
    EraEmphasis emphasis; // eraEmphasis()
    bool backToNowEnabled = false; // the year shown is not the current one

    friend bool operator==(const Conversion&, const Conversion&) = default;
};

// The switches of the settings page that change what the page shows.
struct ConversionSwitches {
    bool showEto = false; // the zodiac sign in the sentence
    bool showBold = false; // the emphasis of the rows the year belongs to
};

// The conversion page for a Western year on the day `today`. The offsets are
// those the era boxes hold, each within kMinYear..kMaxYear (eraOffsetsFor()).
Conversion convertYear(int westernYear, const EraOffsets& offsets, std::chrono::year_month_day today,
                       ConversionSwitches switches);

} // namespace erakon
