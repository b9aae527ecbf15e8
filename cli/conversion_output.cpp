// SPDX-License-Identifier: MIT
#include "cli/conversion_output.h"

#include "cli/json_text.h"
#include "core/terminal_text.h"

namespace erakon {

namespace {

constexpr std::string_view kIndent = "  ";

} // namespace

std::string conversionText(const YearDescription& description)
{
    // The user era's name comes from the settings file: every piece goes to
    // the terminal with its control characters escaped.
    std::string text = visibleText(description.summary()) + "\n";
    if (!description.note.empty())
        text.append(kIndent).append(kNoteMark).append(visibleText(description.note)).append("\n");
    text += kIndent;
    for (std::size_t i = 0; i < description.eraYears.size(); ++i) {
        if (i > 0)
            text += ' ';
        text += visibleText(description.eraYears[i].text);
    }
    text += "\n";
    text.append(kIndent).append(visibleText(description.sentence)).append("\n");
    return text;
}

std::string conversionJson(std::string_view input, const YearDescription& description, std::size_t readings)
{
    std::string eras = "[";
    for (const EraYearText& era : description.eraYears) {
        if (eras.size() > 1)
            eras += ',';
        JsonObject object;
        object.add("name", era.name).add("year", era.year).add("text", era.text).add("current", era.current);
        if (era.row == EraRow::UserDefined)
            object.add("userDefined", true);
        eras += object.text();
    }
    eras += ']';

    JsonObject object;
    object.add("input", input).add("westernYear", description.westernYear);
    if (description.query.date)
        object.add("date", isoDateText(*description.query.date));
    else
        object.addNull("date");
    object.add("eraText", description.eraText)
        .addRaw("eras", eras)
        .add("yearsFromNow", description.yearsFromNow)
        .add("yearsFromNowText", description.yearsFromNowText)
        .add("sentence", description.sentence)
        .add("eto", description.etoSign)
        .add("etoReading", description.etoReading);
    if (description.note.empty())
        object.addNull("note");
    else
        object.add("note", description.note);
    object.add("summary", description.summary());
    if (readings > 1)
        object.add("readings", int(readings));
    return object.text();
}

std::string_view queryErrorText(QueryError error)
{
    switch (error) {
    case QueryError::NotAQuery: return "not a year, an era year or a date";
    case QueryError::NoSuchDate: return "no such date";
    case QueryError::OutOfRange: return "beyond the years that can be converted";
    }
    return "not a year, an era year or a date";
}

std::string errorJson(std::string_view input, QueryError error)
{
    return JsonObject().add("input", input).add("error", queryErrorText(error)).text();
}

} // namespace erakon
