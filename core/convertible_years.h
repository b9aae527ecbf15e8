// SPDX-License-Identifier: MIT
#pragma once

#include "core/era_table.h"

namespace erakon {

// The Western years for which every box of the conversion page can hold its
// value: each era year (year - offset) and the distance (year - current year)
// stay within kMinYear..kMaxYear, and so does the year itself.
struct YearSpan {
    int first;
    int last;
};

YearSpan convertibleYears(const EraOffsets& offsets, int currentYear);

} // namespace erakon
