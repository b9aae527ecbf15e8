#pragma once

#include "core/date_time.h"

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
    std::string_view hint;    // English hint
    int offset;               // the Western year before the era's first year
};

// Captions, hints and offsets. The user-defined row's caption is the
// design-time text; its real name and offset come from the settings.
inline constexpr std::array<EraInfo, kEraRowCount> kEraTable{{
    {"明治", "MEIJI", 1867},
    {"大正", "TAISHO", 1911},
    {"昭和", "SHOWA", 1925},
    {"平成", "HEISEI", 1988},
    {"令和", "REIWA", 2018},
    {"任意", "original", 1879},
}};

inline constexpr int kDefaultUserEraOrigin = 1880;
inline constexpr std::string_view kDefaultUserEraName = "創業";

// Offsets of the six rows as the era boxes hold them at a moment.
using EraOffsets = std::array<int, kEraRowCount>;

constexpr int eraYearOf(int westernYear, int offset) { return westernYear - offset; }
constexpr int westernYearOf(int eraYear, int offset) { return eraYear + offset; }

// The year minus the current year: negative for past years.
constexpr int YearsFromNow(int year, int currentYear) { return year - currentYear; }

// Index into the zodiac table, in [0, 11] for every year, negative ones too.
int etoIndex(int year);

// The twelve zodiac texts, index 0 = 子.
extern const std::array<std::string_view, 12> EtoStr;

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
