// SPDX-License-Identifier: MIT
#include "core/calendar_texts.h"

#include "core/conversion.h"
#include "core/era_calendar.h"
#include "core/table_line.h"
#include "core/year_description.h"

namespace erakon {

namespace {

using namespace std::chrono;

bool hasEraText(int year) { return year >= kYearTableFirstYear && year <= kYearTableLastYear; }

std::string monthSuffix(unsigned month) { return std::to_string(month) + "月"; }

std::string daySuffix(unsigned day) { return std::to_string(day) + "日"; }

// 平成元年, by the era calendar's days.
std::string eraYearOfDay(year_month_day date)
{
    const JapaneseEra* era = japaneseEraOf(date);
    return era ? eraYearText(era->name, eraYearOf(*era, date)) : std::string();
}

} // namespace

std::string CalendarTexts::combined() const { return era.empty() ? western : era + "（" + western + "）"; }

CalendarTexts yearTexts(int year)
{
    CalendarTexts texts;
    texts.western = std::to_string(year) + "年";
    if (!hasEraText(year))
        return texts;
    const EraEmphasis emphasis = eraEmphasis(year, eraOffsetsFor(kDefaultUserEraOrigin), true);
    for (std::size_t row = 0; row < std::size_t(kFixedEraCount); ++row) {
        if (!emphasis.rowBold[row])
            continue;
        if (!texts.era.empty())
            texts.era += "・";
        texts.era += eraYearText(kEraTable[row].caption, eraYearOf(WesternYear{year}, kEraTable[row].offset));
    }
    return texts;
}

CalendarTexts monthTexts(int year, unsigned month)
{
    CalendarTexts texts;
    texts.western = std::to_string(year) + "年" + monthSuffix(month);
    const year_month_day first{std::chrono::year{year} / std::chrono::month{month} / 1};
    if (!hasEraText(year) || !first.ok())
        return texts;
    const year_month_day last{std::chrono::year{year} / std::chrono::month{month} / std::chrono::last};
    const std::string atFirst = eraYearOfDay(first);
    const std::string atLast = eraYearOfDay(last);
    texts.era = atFirst + monthSuffix(month);
    if (atLast != atFirst)
        texts.era += "・" + atLast + monthSuffix(month);
    return texts;
}

CalendarTexts dateTexts(year_month_day date)
{
    CalendarTexts texts;
    const std::string monthDay = monthSuffix(unsigned(date.month())) + daySuffix(unsigned(date.day()));
    texts.western = std::to_string(int(date.year())) + "年" + monthDay;
    if (hasEraText(int(date.year())) && date.ok())
        texts.era = eraYearOfDay(date) + monthDay;
    return texts;
}

} // namespace erakon
