// SPDX-License-Identifier: MIT
#pragma once

#include "core/historical_era.h"
#include "core/historical_era_list.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace erakon {

// Every era from 大化 (645) to 令和, and the year-level arithmetic on them.
//
// Each function takes the eras to work on, the built-in table by default; a
// list with more eras (the built-in ones followed by later ones, in the order
// of their first days) works the same way.
//
// Two lines of eras run through the table. The official line counts the
// southern court for 1331-1392 and takes 明徳 up when the courts united in
// 1392; the northern court's line runs through its own eras in those years.
// Outside them the two lines are one. The year in which an era changes belongs
// to both eras, as the year arithmetic of the modern eras counts it (1989 is
// 昭和64 and 平成元).

// The Western year of an era's year N: its first year plus N - 1. A lunisolar
// era's year N is the lunisolar year that began in that Western year.
struct EraWesternYear {
    int year;
    // The era's years begin on another day than 1 January (lunisolar eras):
    // the era year and the Western year overlap but are not the same days.
    bool beginningsDiffer;
    friend bool operator==(const EraWesternYear&, const EraWesternYear&) = default;
};

// nullopt where the Western year would leave the range of int.
std::optional<EraWesternYear> westernYearOfEraYear(const HistoricalEra& era, int eraYear);

// The last Western year the era was in use, in its line (in either line for
// an era both courts used, which one gave up later than the other); nullopt for
// the latest era, still in use.
std::optional<int> lastYearOf(const HistoricalEra& era, std::span<const HistoricalEra> eras = kHistoricalEras);

// The eras that followed it in its line: one, or for an era both courts used
// the next of each (元徳: 元弘, and 正慶 in the north); 慶応: 明治. Empty for the
// latest era and for an unofficial name.
std::vector<const HistoricalEra*> erasAfter(const HistoricalEra& era,
                                            std::span<const HistoricalEra> eras = kHistoricalEras);

// An era a Western year belongs to, and its year in that era.
struct EraOfYear {
    const HistoricalEra* era;
    int eraYear;
    // The official line counts it in this year; false for the northern court's
    // eras (and 明徳 before the courts united, 元徳 and 建武 where only the
    // northern court still used them) and for the unofficial ones.
    bool countedOfficially;
    friend bool operator==(const EraOfYear&, const EraOfYear&) = default;
};

// The eras in use in a Western year: those the official line counts, then the
// northern court's, then the unofficial ones, each group from the earliest;
// empty before 大化 and in the years without an era (655-685 but for 白鳳,
// 687-700).
std::vector<EraOfYear> erasOfWesternYear(int westernYear, std::span<const HistoricalEra> eras = kHistoricalEras);

// Looking eras up. Several eras share a reading (しょうわ: 昭和 and 正和), so the
// lookups return every era that fits: the official ones first, from the latest
// (the modern era before the older ones), then the northern court's and the
// unofficial ones.

// The era of that name (令和), or nullptr.
const HistoricalEra* eraNamed(std::string_view name, std::span<const HistoricalEra> eras = kHistoricalEras);

// The eras of that reading, in hiragana or katakana (れいわ, レイワ).
std::vector<const HistoricalEra*> erasReadAs(std::string_view kana,
                                             std::span<const HistoricalEra> eras = kHistoricalEras);

// The eras of that romanised name, whatever its case, its long vowels marked
// (Shōwa, Shôwa) or spelt out (Shouwa, Shoowa) or not marked at all (Showa),
// with or without its hyphen, apostrophe or spaces, and with m for n before
// p, b and m as older texts write it (Tempyō, Kemmu).
std::vector<const HistoricalEra*> erasRomanisedAs(std::string_view latin,
                                                  std::span<const HistoricalEra> eras = kHistoricalEras);

// The era of that initial, one ASCII letter in either case (M, T, S, H, R),
// or nullptr.
const HistoricalEra* eraWithInitial(std::string_view initial, std::span<const HistoricalEra> eras = kHistoricalEras);

// Every era the text names in any of the four ways above, in the same order.
std::vector<const HistoricalEra*> findEras(std::string_view text,
                                           std::span<const HistoricalEra> eras = kHistoricalEras);

} // namespace erakon
