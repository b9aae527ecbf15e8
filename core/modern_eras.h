// SPDX-License-Identifier: MIT
#pragma once

#include "core/era_calendar.h"
#include "core/era_table.h"

#include <memory>
#include <span>
#include <vector>

namespace erakon {

class EraTable;

// The eras of the Gregorian calendar in force: 明治 to 令和, then the eras the
// era files add (core/era_file.h). The clock, the year table and the
// conversion page count with them. Copies are cheap: they share the table
// that holds the added eras' texts.
class ModernEras final {
public:
    // 明治 to 令和 alone.
    ModernEras();
    // The Gregorian eras of a table in force, which is kept for their texts.
    explicit ModernEras(std::shared_ptr<const EraTable> table);
    // Those of the eras in force (EraTable::eras()), whose texts the caller
    // keeps while this lives.
    explicit ModernEras(std::span<const HistoricalEra> erasInForce);

    std::span<const JapaneseEra> all() const { return m_eras; }
    // Every era in force, 大化 onward, as typed dates are read with them.
    std::span<const HistoricalEra> everyEra() const;
    // The eras of the conversion page's rows: the latest kFixedEraCount, the
    // oldest first. With one era added, 大正 to the new one.
    std::span<const JapaneseEra> latest() const;
    // The offsets of those rows, then the user era's (its origin - 1).
    EraOffsets offsetsFor(int userEraOrigin) const;

    // The years the year table lists: from the first year of 明治 to the 99th
    // of the latest era.
    int firstTableYear() const;
    int lastTableYear() const;

private:
    void takeGregorianEras(std::span<const HistoricalEra> eras);

    std::shared_ptr<const EraTable> m_table;
    std::span<const HistoricalEra> m_everyEra;
    std::vector<JapaneseEra> m_eras;
};

} // namespace erakon
