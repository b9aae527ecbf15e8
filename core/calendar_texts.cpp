// SPDX-License-Identifier: MIT
#include "core/calendar_texts.h"

#include "core/era_calendar.h"
#include "core/era_table.h"
#include "core/table_line.h"
#include "core/year_description.h"

namespace erakon {

namespace {

using namespace std::chrono;

bool hasEraText(int year, std::span<const JapaneseEra> eras)
{
    return !eras.empty() && year > eraOffsetOf(eras.front())
        && year <= eraOffsetOf(eras.back()) + kYearTableLastEraYear;
}

std::string monthSuffix(unsigned month) { return std::to_string(month) + "月"; }

std::string daySuffix(unsigned day) { return std::to_string(day) + "日"; }

// 平成元年, by the era calendar's days.
std::string eraYearOfDay(year_month_day date, std::span<const JapaneseEra> eras)
{
    const JapaneseEra* era = japaneseEraOf(date, eras);
    return era ? eraYearText(era->name, eraYearOf(*era, date)) : std::string();
}

} // namespace

std::string CalendarTexts::combined() const { return era.empty() ? western : era + "（" + western + "）"; }

CalendarTexts yearTexts(int year, std::span<const JapaneseEra> eras)
{
    CalendarTexts texts;
    texts.western = std::to_string(year) + "年";
    if (!hasEraText(year, eras))
        return texts;
    // As the conversion page's emphasis marks it: from an era's first year to
    // the first year of the next, which belongs to both.
    for (std::size_t i = 0; i < eras.size(); ++i) {
        const int offset = eraOffsetOf(eras[i]);
        const bool ended = i + 1 < eras.size() && year > eraOffsetOf(eras[i + 1]) + 1;
        if (year <= offset || ended)
            continue;
        if (!texts.era.empty())
            texts.era += "・";
        texts.era += eraYearText(eras[i].name, eraYearOf(WesternYear{year}, offset));
    }
    return texts;
}

CalendarTexts monthTexts(int year, unsigned month, std::span<const JapaneseEra> eras)
{
    CalendarTexts texts;
    texts.western = std::to_string(year) + "年" + monthSuffix(month);
    const year_month_day first{std::chrono::year{year} / std::chrono::month{month} / 1};
    if (!hasEraText(year, eras) || !first.ok())
        return texts;
    const year_month_day last{std::chrono::year{year} / std::chrono::month{month} / std::chrono::last};
    const std::string atFirst = eraYearOfDay(first, eras);
    const std::string atLast = eraYearOfDay(last, eras);
    texts.era = atFirst + monthSuffix(month);
    if (atLast != atFirst)
        texts.era += "・" + atLast + monthSuffix(month);
    return texts;
}

CalendarTexts dateTexts(year_month_day date, std::span<const JapaneseEra> eras)
{
    CalendarTexts texts;
    const std::string monthDay = monthSuffix(unsigned(date.month())) + daySuffix(unsigned(date.day()));
    texts.western = std::to_string(int(date.year())) + "年" + monthDay;
    if (hasEraText(int(date.year()), eras) && date.ok())
        texts.era = eraYearOfDay(date, eras) + monthDay;
    return texts;
}

} // namespace erakon
