// SPDX-License-Identifier: MIT
#include "core/modern_eras.h"

#include "core/conversion.h"
#include "core/era_file.h"
#include "core/table_line.h"

#include <utility>

namespace erakon {

ModernEras::ModernEras()
    : ModernEras(std::span<const HistoricalEra>(kHistoricalEras))
{}

ModernEras::ModernEras(std::shared_ptr<const EraTable> table)
    : m_table(std::move(table))
{
    takeGregorianEras(m_table ? m_table->eras() : std::span<const HistoricalEra>(kHistoricalEras));
}

ModernEras::ModernEras(std::span<const HistoricalEra> erasInForce) { takeGregorianEras(erasInForce); }

void ModernEras::takeGregorianEras(std::span<const HistoricalEra> eras)
{
    m_everyEra = eras;
    for (const HistoricalEra& era : eras) {
        if (era.calendar != EraCalendar::Gregorian)
            continue;
        const EraDay& day = era.firstDay;
        m_eras.push_back({era.name, std::chrono::year{day.year} / day.month / day.day, era.plainRomanised});
    }
    // Every table in force begins with the built-in one; a list without its
    // modern eras counts with the built-in ones rather than with none.
    if (m_eras.size() < std::size_t(kFixedEraCount)) {
        m_everyEra = kHistoricalEras;
        m_eras.assign(kJapaneseEras.begin(), kJapaneseEras.end());
    }
}

std::span<const HistoricalEra> ModernEras::everyEra() const { return m_everyEra; }

std::span<const JapaneseEra> ModernEras::latest() const
{
    return std::span<const JapaneseEra>(m_eras).last(std::size_t(kFixedEraCount));
}

EraOffsets ModernEras::offsetsFor(int userEraOrigin) const { return eraOffsetsFor(latest(), userEraOrigin); }

int ModernEras::firstTableYear() const { return eraOffsetOf(m_eras.front()) + 1; }

int ModernEras::lastTableYear() const { return eraOffsetOf(m_eras.back()) + kYearTableLastEraYear; }

} // namespace erakon
