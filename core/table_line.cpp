// SPDX-License-Identifier: MIT
#include "core/table_line.h"

#include "core/date_format.h"
#include "core/era_table.h"

namespace erakon {
namespace {

// The Western year column of a table line, between its first two tabs.
std::string_view westernYearColumn(std::string_view line)
{
    const std::size_t start = line.find('\t');
    if (start == std::string_view::npos)
        return {};
    return line.substr(start + 1, line.find('\t', start + 1) - start - 1);
}

bool contains(std::string_view line, std::string_view search)
{
    return !search.empty() && line.find(search) != std::string_view::npos;
}

// The era column does not depend on names or separators, so the record's
// defaults are as good as the program's settings here.
DateFormatSettings eraOnlySettings(std::span<const JapaneseEra> eras)
{
    DateFormatSettings settings;
    settings.eras = eras;
    return settings;
}

std::string tableLine(std::chrono::year_month_day date, int currentYear, bool showEto,
                      const DateFormatSettings& settings)
{
    const int year = int(date.year());
    // Widened: the difference of two ints need not fit in an int.
    const long long distance = static_cast<long long>(year) - currentYear;

    std::string line = formatDatePattern("ggge", DateTime{date}, settings);
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

} // namespace

std::string TableLine(std::chrono::year_month_day date, int currentYear, bool showEto,
                      std::span<const JapaneseEra> eras)
{
    return tableLine(date, currentYear, showEto, eraOnlySettings(eras));
}

std::vector<std::string> YearTableLines(int firstYear, int lastYear, int currentYear, bool showEto,
                                        std::span<const JapaneseEra> eras)
{
    const DateFormatSettings settings = eraOnlySettings(eras);
    using namespace std::chrono;
    std::vector<std::string> lines;
    if (lastYear < firstYear)
        return lines;
    lines.reserve(std::size_t(lastYear - firstYear + 1) + 8); // [1, 19999] years and a few change years
    for (int y = firstYear; y <= lastYear; ++y) {
        std::string january = tableLine(year{y} / January / 1, currentYear, showEto, settings);
        std::string december = tableLine(year{y} / December / 31, currentYear, showEto, settings);
        const bool eraChanged = december != january;
        lines.push_back(std::move(january));
        if (eraChanged)
            lines.push_back(std::move(december));
    }
    return lines;
}

YearTableSelection selectYearTableLines(const std::vector<std::string>& lines, std::string_view search)
{
    if (lines.empty())
        return {};
    std::size_t selected = 0;
    std::string_view previousYear;
    for (std::size_t line = 0; line < lines.size(); ++line) {
        // A year's second line repeats its Western year, and is never searched.
        const std::string_view year = westernYearColumn(lines[line]);
        const bool secondLine = line > 0 && year == previousYear;
        previousYear = year;
        if (!secondLine && contains(lines[line], search))
            selected = line;
    }
    const bool withNext = selected + 1 < lines.size() && contains(lines[selected + 1], search);
    return {selected, withNext ? 2u : 1u};
}

} // namespace erakon
