// SPDX-License-Identifier: MIT
#pragma once

#include "core/date_time.h"
#include "core/era_calendar.h"

#include <array>
#include <string>
#include <string_view>

namespace erakon {

// Every year box holds a year (or era year, or distance) in this range.
inline constexpr int kMinYear = -9999;
inline constexpr int kMaxYear = 9999;

// Rows of the era table, always in this order.
enum class EraRow { Meiji = 0, Taisho, Showa, Heisei, Reiwa, UserDefined };
inline constexpr int kEraRowCount = 6;
inline constexpr int kFixedEraCount = 5; // rows Meiji..Reiwa

struct EraInfo {
    std::string_view caption; // label caption
    std::string_view hint; // English hint
    int offset; // the Western year before the era's first year
};

// The year arithmetic counts the whole calendar year in which an era begins as
// its first year, so an era's offset is the year before its first day's.
constexpr int eraOffsetOf(const JapaneseEra& era) { return int(era.firstDay.year()) - 1; }

// The era of the user's own, as a fresh start shows it.
inline constexpr std::string_view kDefaultUserEraName = "創業";
inline constexpr int kDefaultUserEraOrigin = 1880;

// Captions, hints and offsets, the five eras' from the era calendar. The
// user-defined row's caption is the design-time text; its real name and
// offset (its origin - 1) come from the settings.
inline constexpr std::array<EraInfo, kEraRowCount> kEraTable{{
    {kJapaneseEras[0].name, "MEIJI", eraOffsetOf(kJapaneseEras[0])},
    {kJapaneseEras[1].name, "TAISHO", eraOffsetOf(kJapaneseEras[1])},
    {kJapaneseEras[2].name, "SHOWA", eraOffsetOf(kJapaneseEras[2])},
    {kJapaneseEras[3].name, "HEISEI", eraOffsetOf(kJapaneseEras[3])},
    {kJapaneseEras[4].name, "REIWA", eraOffsetOf(kJapaneseEras[4])},
    {"任意", "original", kDefaultUserEraOrigin - 1},
}};
static_assert(kJapaneseEras.size() == kFixedEraCount);

// Offsets of the six rows as the era boxes hold them at a moment.
using EraOffsets = std::array<int, kEraRowCount>;

// A Western year and a year of an era, as the arguments of the two
// conversions: distinct types, so that one is never passed for the other.
struct WesternYear {
    int value;
};
struct EraYear {
    int value;
};
constexpr int eraYearOf(WesternYear year, int offset) { return year.value - offset; }
constexpr int westernYearOf(EraYear eraYear, int offset) { return eraYear.value + offset; }

// The year minus the current year: negative for past years.
constexpr int yearsFromNow(int year, int currentYear) { return year - currentYear; }

// Index into the zodiac table, in [0, 11] for every year, negative ones too.
int etoIndex(int year);

// The twelve zodiac texts, index 0 = 子.
extern const std::array<std::string_view, 12> kEtoTexts;

// The zodiac text of the year when the zodiac is shown, else empty.
std::string EtoText(int year, bool showEto);

// Which texts are bold for a year: one flag per era row (box and label alike)
// and one for the Western year box.
struct EraEmphasis {
    std::array<bool, kEraRowCount> rowBold{};
    bool westernBold = false;
    friend bool operator==(const EraEmphasis&, const EraEmphasis&) = default;
};
EraEmphasis eraEmphasis(int year, const EraOffsets& offsets, bool emphasisOn);

// The age or countdown sentence shown on the close button.
std::string YearSentence(int year, std::chrono::year_month_day today, bool showEto);

} // namespace erakon
