// SPDX-License-Identifier: MIT
#include "core/convertible_years.h"

#include <algorithm>

namespace erakon {

YearSpan convertibleYears(const EraOffsets& offsets, int currentYear)
{
    // Every derived value is year - base for a base in [-9999, 9999] (offsets
    // lie in [-1, 9998], the current year in [1, 9999]): year - base in
    // [kMinYear, kMaxYear] means year in [base + kMinYear, base + kMaxYear].
    int first = kMinYear;
    int last = kMaxYear;
    auto narrowBy = [&](int base) {
        first = std::max(first, base + kMinYear);
        last = std::min(last, base + kMaxYear);
    };
    for (int offset : offsets)
        narrowBy(offset);
    narrowBy(currentYear);
    // Bases further apart than the range itself cannot all be met; keep one year.
    return {first, std::max(first, last)};
}

} // namespace erakon
