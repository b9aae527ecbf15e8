// SPDX-License-Identifier: MIT
#include "core/conversion.h"

#include "core/convertible_years.h"

#include <algorithm>

namespace erakon {

Conversion convertYear(int westernYear, const EraOffsets& offsets, std::chrono::year_month_day today,
                       ConversionSwitches switches)
{
    const int currentYear = int(today.year());
    const YearSpan span = convertibleYears(offsets, currentYear);
    const int year = std::clamp(westernYear, span.first, span.last);

    Conversion conversion;
    conversion.westernYear = year;
    for (std::size_t row = 0; row < offsets.size(); ++row)
        conversion.eraYears[row] = eraYearOf(WesternYear{year}, offsets[row]);
    conversion.yearsFromNow = yearsFromNow(year, currentYear);
    conversion.yearsFromNowFormat = conversion.yearsFromNow >= 0 ? kYearsAheadFormat : kYearsAgoFormat;
    conversion.sentence = YearSentence(year, today, switches.showEto);
    conversion.emphasis = eraEmphasis(year, offsets, switches.showBold);
    conversion.backToNowEnabled = year != currentYear;
    return conversion;
}

} // namespace erakon
