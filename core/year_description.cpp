// SPDX-License-Identifier: MIT
#include "core/year_description.h"

#include "core/conversion.h"
#include "core/date_format.h"
#include "core/era_calendar.h"

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

// 昭和64年1月7日: the era date of the day, by the calendar; empty before Meiji.
std::string eraDateText(year_month_day date)
{
    if (!japaneseEraOf(date))
        return {};
    static const DateFormatSettings eraOnlySettings;
    return formatDatePattern("ggge年m月d日", DateTime{date}, eraOnlySettings);
}

std::string yearsFromNowText(int yearsFromNow)
{
    if (yearsFromNow < 0)
        return std::to_string(-static_cast<long long>(yearsFromNow)) + "年前";
    if (yearsFromNow == 0)
        return "今年";
    return std::to_string(yearsFromNow) + "年後";
}

std::string noteText(const YearQuery& query)
{
    if (query.note == YearQuery::Note::None || query.era == EraRow::UserDefined)
        return {};
    const auto index = std::size_t(query.era);
    const JapaneseEra& era = kJapaneseEras[index];
    if (query.note == YearQuery::Note::EraNotBegun)
        return std::string(era.name) + "は" + dateText(era.firstDay) + "からです";
    if (index + 1 >= kJapaneseEras.size())
        return {};
    const year_month_day lastDay{sys_days{kJapaneseEras[index + 1].firstDay} - days{1}};
    return std::string(era.name) + "は" + dateText(lastDay) + "までです";
}

std::string askedText(const YearQuery& query, const YearDescription& description)
{
    switch (query.form) {
    case YearQuery::Form::WesternYear:
    case YearQuery::Form::WesternDate: return description.westernText;
    case YearQuery::Form::EraYear: return description.eraYears[std::size_t(query.era)].text;
    case YearQuery::Form::EraDate: return description.eraYears[std::size_t(query.era)].text + monthDayText(*query.date);
    }
    return description.westernText;
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

YearDescription describeYear(const YearQuery& query, const UserEra* shownUserEra, year_month_day today)
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
    }

    if (query.date) {
        description.eraText = eraDateText(*query.date);
    } else {
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
    description.note = noteText(query);
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
