// SPDX-License-Identifier: MIT
#include "core/year_description.h"

#include "core/conversion.h"
#include "core/era_calendar.h"
#include "core/era_history.h"

#include <algorithm>

namespace erakon {

namespace {

using namespace std::chrono;

// The separator of the zodiac table's texts, between the sign and its reading.
constexpr std::string_view kEtoSeparator = "・";

// 1月7日.
std::string monthDayText(year_month_day date)
{
    return std::to_string(unsigned(date.month())) + "月" + std::to_string(unsigned(date.day())) + "日";
}

// 1989年1月7日.
std::string dateText(year_month_day date) { return std::to_string(int(date.year())) + "年" + monthDayText(date); }

year_month_day gregorianDay(const EraDay& day) { return year{day.year} / int(day.month) / int(day.day); }

// 昭和64年1月7日: the era date of the day, by the eras in force; empty before Meiji.
std::string eraDateText(year_month_day date, std::span<const HistoricalEra> eras)
{
    const HistoricalEra* found = nullptr;
    for (const HistoricalEra& era : eras) {
        if (era.calendar == EraCalendar::Gregorian && gregorianDay(era.firstDay) <= date)
            found = &era;
    }
    if (!found)
        return {};
    return eraYearText(found->name, int(date.year()) - found->firstDay.year + 1) + monthDayText(date);
}

// The eras the era files added: those after the built-in table.
std::span<const HistoricalEra> addedErasOf(std::span<const HistoricalEra> eras)
{
    return eras.size() > kHistoricalEras.size() ? eras.subspan(kHistoricalEras.size()) : eras.subspan(0, 0);
}

bool isAddedEra(const HistoricalEra& era, std::span<const HistoricalEra> eras)
{
    const std::span<const HistoricalEra> added = addedErasOf(eras);
    return !added.empty() && &era >= added.data() && &era < added.data() + added.size();
}

std::string yearsFromNowText(int yearsFromNow)
{
    if (yearsFromNow < 0)
        return std::to_string(-static_cast<long long>(yearsFromNow)) + "年前";
    if (yearsFromNow == 0)
        return "今年";
    return std::to_string(yearsFromNow) + "年後";
}

// 平成は2019年4月30日までです, 令和は2019年5月1日からです: the modern eras' notes.
std::string modernNoteText(EraRow row, YearQuery::Note note)
{
    const auto index = std::size_t(row);
    const JapaneseEra& era = kJapaneseEras[index];
    if (note == YearQuery::Note::EraNotBegun)
        return std::string(era.name) + "は" + dateText(era.firstDay) + "からです";
    if (index + 1 >= kJapaneseEras.size())
        return {};
    const year_month_day lastDay{sys_days{kJapaneseEras[index + 1].firstDay} - days{1}};
    return std::string(era.name) + "は" + dateText(lastDay) + "までです";
}

// The notes on any other era of the table: where it begins or ends, and for
// an era of the lunisolar calendar that its years begin on other days than
// the Western ones and, in its last year, which era took that year up.
std::string otherEraNoteText(const YearQuery::Era& named, std::span<const HistoricalEra> eras)
{
    const HistoricalEra& era = *named.era;
    const bool lunisolar = era.calendar == EraCalendar::Lunisolar;
    const std::vector<const HistoricalEra*> next = erasAfter(era, eras);
    std::vector<std::string> notes;
    if (named.note == YearQuery::Note::EraNotBegun) {
        notes.push_back(std::string(era.name) + "は"
                        + (lunisolar ? std::to_string(era.firstDay.year) + "年" : dateText(gregorianDay(era.firstDay)))
                        + "からです");
    } else if (named.note == YearQuery::Note::EraHadEnded) {
        const std::optional<int> lastYear = lastYearOf(era, eras);
        if (!next.empty() && next.front()->calendar == EraCalendar::Gregorian)
            notes.push_back(std::string(era.name) + "は"
                            + dateText(year_month_day{sys_days{gregorianDay(next.front()->firstDay)} - days{1}})
                            + "までです");
        else if (lastYear)
            notes.push_back(std::string(era.name) + "は" + std::to_string(*lastYear) + "年までです");
    }
    if (lunisolar) {
        const std::optional<EraWesternYear> western = westernYearOfEraYear(era, named.eraYear);
        const std::string asked = eraYearText(era.name, named.eraYear);
        if (named.note == YearQuery::Note::None && !next.empty() && western
            && western->year == next.front()->firstDay.year) {
            const std::string successor = eraYearText(next.front()->name, 1);
            notes.push_back(asked + (next.front()->calendar == EraCalendar::Gregorian ? "は" : "のうちに") + successor
                            + "に改められました");
        }
        if (western)
            notes.push_back(asked + "は旧暦の年で、" + std::to_string(western->year) + "年とは年の初めが異なります");
    }
    std::string text;
    for (const std::string& note : notes) {
        if (!text.empty())
            text += "。";
        text += note;
    }
    return text;
}

std::string noteText(const YearQuery& query, std::span<const HistoricalEra> eras)
{
    const YearQuery::Era* named = query.era();
    if (!named || !named->era)
        return {};
    // The last built-in era ends where an era file's era begins.
    if (const std::optional<EraRow> row = query.eraRow(); row && addedErasOf(eras).empty()) {
        if (named->note == YearQuery::Note::None)
            return {};
        return modernNoteText(*row, named->note);
    }
    return otherEraNoteText(*named, eras);
}

// 1月1日 as typed after a year of a lunisolar era.
std::string monthDayText(month_day day)
{
    return std::to_string(unsigned(day.month())) + "月" + std::to_string(unsigned(day.day())) + "日";
}

std::string askedText(const YearQuery& query, const YearDescription& description)
{
    const YearQuery::Era* named = query.era();
    if (!named)
        return description.westernText;
    std::string text;
    const std::optional<EraRow> row = query.eraRow();
    const auto shown = std::find_if(description.eraYears.begin(), description.eraYears.end(),
                                    [&row](const EraYearText& era) { return row && era.row == row; });
    if (shown != description.eraYears.end())
        text = shown->text;
    else
        text = eraYearText(named->era->name, named->eraYear);
    if (query.date)
        text += monthDayText(*query.date);
    else if (named->lunisolarDay)
        text += monthDayText(*named->lunisolarDay);
    return text;
}

// The rows of the eras the era files added, after 令和's: each era's year,
// and which eras the year belongs to (令和 no more after the first's first year).
void addEraFileRows(YearDescription& description, std::span<const HistoricalEra> eras)
{
    const std::span<const HistoricalEra> added = addedErasOf(eras);
    if (added.empty())
        return;
    const int westernYear = description.westernYear;
    if (westernYear > added.front().firstDay.year)
        description.eraYears.back().current = false;
    for (std::size_t i = 0; i < added.size(); ++i) {
        const HistoricalEra& era = added[i];
        const int eraYear = westernYear - era.firstDay.year + 1;
        const bool ended = i + 1 < added.size() && westernYear > added[i + 1].firstDay.year;
        description.eraYears.push_back(
            {std::nullopt, era.name, eraYear, eraYearText(era.name, eraYear), eraYear >= 1 && !ended});
    }
}

} // namespace

std::string eraYearText(std::string_view eraName, int eraYear)
{
    std::string text(eraName);
    // As the calendar writes it with a single "e": 元 for the first year, no leading zero.
    const std::size_t start = text.size();
    appendEraYear(text, eraYear, EraYearForm::TwoDigit);
    if (text.size() > start + 1 && text[start] == '0')
        text.erase(start, 1);
    text += "年";
    return text;
}

EtoSign etoSignOf(int year)
{
    const std::string_view text = kEtoTexts[std::size_t(etoIndex(year))];
    const std::size_t separator = text.find(kEtoSeparator);
    if (separator == std::string_view::npos)
        return {text, {}};
    return {text.substr(0, separator), text.substr(separator + kEtoSeparator.size())};
}

YearDescription describeYear(const YearQuery& query, const UserEra* shownUserEra, year_month_day today,
                             std::span<const HistoricalEra> eras)
{
    const int origin = shownUserEra ? shownUserEra->origin : kDefaultUserEraOrigin;
    const Conversion conversion = convertYear(query.westernYear, eraOffsetsFor(origin), today,
                                              {.showEto = false, .showBold = true});

    YearDescription description;
    description.query = query;
    description.westernYear = conversion.westernYear;
    description.westernText = query.date ? dateText(*query.date) : std::to_string(conversion.westernYear) + "年";

    const int rows = shownUserEra ? kEraRowCount : kFixedEraCount;
    for (int row = 0; row < rows; ++row) {
        const auto index = std::size_t(row);
        const std::string_view name = EraRow(row) == EraRow::UserDefined ? std::string_view(shownUserEra->name)
                                                                         : kEraTable[index].caption;
        description.eraYears.push_back({EraRow(row), name, conversion.eraYears[index],
                                        eraYearText(name, conversion.eraYears[index]),
                                        conversion.emphasis.rowBold[index]});
        if (EraRow(row) == EraRow::Reiwa)
            addEraFileRows(description, eras);
    }

    const YearQuery::Era* named = query.era();
    if (query.date) {
        description.eraText = eraDateText(*query.date, eras);
    } else {
        // An era outside the table's rows is named first: 元禄15年, 慶応4年・明治元年.
        if (named && named->era && !query.eraRow() && !isAddedEra(*named->era, eras)) {
            description.eraText = eraYearText(named->era->name, named->eraYear);
            if (named->lunisolarDay)
                description.eraText += monthDayText(*named->lunisolarDay);
        }
        for (const EraYearText& era : description.eraYears) {
            if (era.current && era.row != EraRow::UserDefined) {
                if (!description.eraText.empty())
                    description.eraText += "・";
                description.eraText += era.text;
            }
        }
    }

    description.yearsFromNow = conversion.yearsFromNow;
    description.yearsFromNowText = yearsFromNowText(conversion.yearsFromNow);
    description.sentence = conversion.sentence;
    const EtoSign eto = etoSignOf(conversion.westernYear);
    description.etoSign = eto.sign;
    description.etoReading = eto.reading;
    description.etoText = std::string(eto.sign) + "（" + std::string(eto.reading) + "）";
    description.note = noteText(query, eras);
    description.askedText = askedText(query, description);
    return description;
}

std::string YearDescription::summary() const
{
    std::string line = westernText + " — ";
    if (!eraText.empty())
        line += eraText + ", ";
    line += yearsFromNowText + ", " + etoText;
    return line;
}

} // namespace erakon
