// SPDX-License-Identifier: MIT
#include "core/modern_eras.h"

#include "core/era_file.h"
#include "core/table_line.h"

#include <utility>

namespace erakon {

ModernEras::ModernEras()
    : m_eras(kJapaneseEras.begin(), kJapaneseEras.end())
{}

ModernEras::ModernEras(std::shared_ptr<const EraTable> table)
    : m_table(std::move(table))
{
    if (!m_table) {
        m_eras.assign(kJapaneseEras.begin(), kJapaneseEras.end());
        return;
    }
    for (const HistoricalEra& era : m_table->eras()) {
        if (era.calendar != EraCalendar::Gregorian)
            continue;
        const EraDay& day = era.firstDay;
        m_eras.push_back({era.name, std::chrono::year{day.year} / day.month / day.day, era.plainRomanised});
    }
}

std::span<const JapaneseEra> ModernEras::latest() const
{
    return std::span<const JapaneseEra>(m_eras).last(std::size_t(kFixedEraCount));
}

EraOffsets ModernEras::offsetsFor(int userEraOrigin) const
{
    EraOffsets offsets{};
    const std::span<const JapaneseEra> rows = latest();
    for (std::size_t row = 0; row < rows.size(); ++row)
        offsets[row] = eraOffsetOf(rows[row]);
    offsets[std::size_t(EraRow::UserDefined)] = userEraOrigin - 1;
    return offsets;
}

int ModernEras::firstTableYear() const { return eraOffsetOf(m_eras.front()) + 1; }

int ModernEras::lastTableYear() const { return eraOffsetOf(m_eras.back()) + kYearTableLastEraYear; }

} // namespace erakon
