// SPDX-License-Identifier: MIT
#include "core/table_line.h"

#include "core/date_format.h"
#include "core/era_table.h"

namespace erakon {

std::string TableLine(std::chrono::year_month_day date, int currentYear, bool showEto)
{
    // The era column does not depend on names or separators, so the record's
    // defaults are as good as the program's settings here.
    static const TFormatSettings eraOnlySettings;

    const int year = int(date.year());
    // Widened: the difference of two ints need not fit in an int.
    const long long distance = static_cast<long long>(year) - currentYear;

    std::string line = FormatDatePattern("ggge", DateTime{date}, eraOnlySettings);
    line += '\t';
    line += std::to_string(year);
    line += "年\t";
    if (distance < 0) {
        line += std::to_string(-distance);
        line += "年前";
    } else if (distance == 0) {
        line += "-----";
    } else {
        line += std::to_string(distance);
        line += "年後";
    }
    line += '\t';
    line += EtoText(year, showEto);
    line += '\t';
    return line;
}

std::vector<std::string> YearTableLines(int firstYear, int lastYear, int currentYear, bool showEto)
{
    using namespace std::chrono;
    std::vector<std::string> lines;
    if (lastYear < firstYear)
        return lines;
    lines.reserve(std::size_t(lastYear - firstYear + 1) + 8); // [1, 19999] years and a few change years
    for (int y = firstYear; y <= lastYear; ++y) {
        std::string january = TableLine(year{y} / January / 1, currentYear, showEto);
        std::string december = TableLine(year{y} / December / 31, currentYear, showEto);
        const bool eraChanged = december != january;
        lines.push_back(std::move(january));
        if (eraChanged)
            lines.push_back(std::move(december));
    }
    return lines;
}

} // namespace erakon
