// SPDX-License-Identifier: MIT
#include "cli/life_output.h"

#include "cli/conversion_output.h"
#include "cli/json_text.h"
#include "core/life_rows.h"
#include "core/terminal_text.h"

#include <functional>

namespace erakon {

namespace {

// The member a school cohort is known by in the JSON.
std::string_view cohortKey(SchoolCohort cohort)
{
    switch (cohort) {
    case SchoolCohort::April2ToDecember31: return "april2ToDecember31";
    case SchoolCohort::January1ToApril1: return "january1ToApril1";
    }
    return "april2ToDecember31";
}

template <typename T, typename Write>
std::string jsonArray(const std::vector<T>& items, Write write)
{
    std::string json = "[";
    for (const T& item : items) {
        if (json.size() > 1)
            json += ',';
        json += write(item);
    }
    return json + "]";
}

std::string schoolJson(const LifeSchoolYears& school)
{
    return jsonArray(school.steps, [](const SchoolStep& step) {
        return JsonObject()
            .add("stage", schoolStageName(step.stage))
            .add("event", schoolEventName(step.stage, step.event))
            .add("year", step.year)
            .add("month", int(step.month))
            .text();
    });
}

std::string gakunenJson(const LifeSchoolYears& school)
{
    return school.gakunen ? jsonString(gakunenText(*school.gakunen)) : "null";
}

// The day of 成年, or its year where the day is the birthday of a birth known
// by its year alone.
std::string seinenJson(const LifeSchoolYears& school)
{
    const Adulthood& adulthood = school.adulthood;
    return adulthood.date ? jsonString(isoDateText(*adulthood.date)) : std::to_string(adulthood.year);
}

// One value for a date's cohort; for a year alone an object with each.
std::string perCohort(const LifeProfile& profile, const std::function<std::string(const LifeSchoolYears&)>& write)
{
    if (!profile.yearAlone())
        return write(profile.cohorts.front());
    JsonObject object;
    for (const LifeSchoolYears& school : profile.cohorts)
        object.addRaw(cohortKey(school.cohort), write(school));
    return object.text();
}

} // namespace

std::string lifeProfileText(const LifeProfile& profile, std::span<const JapaneseEra> eras)
{
    // Line by line: the line feeds stay, anything else that would act on the
    // terminal is shown escaped.
    const std::string rows = lifeText(lifeRows(profile, eras));
    std::string text;
    std::size_t start = 0;
    for (std::size_t end = rows.find('\n'); end != std::string::npos; end = rows.find('\n', start)) {
        text.append(visibleText(std::string_view(rows).substr(start, end - start))).append("\n");
        start = end + 1;
    }
    return text;
}

std::string lifeProfileJson(const LifeProfile& profile)
{
    const LifeBirth& birth = profile.request.birth;
    JsonObject object;
    if (birth.date)
        object.add("birth", isoDateText(*birth.date));
    else
        object.add("birth", birth.year);
    object.add("asOf", isoDateText(profile.request.asOf));
    if (profile.age)
        object.add("age", *profile.age);
    object.add("kazoe", profile.kazoe)
        .addRaw("school", perCohort(profile, schoolJson))
        .addRaw("gakunen", perCohort(profile, gakunenJson))
        .addRaw("yakudoshi",
                jsonArray(profile.yakudoshi,
                          [](const Yakudoshi& yaku) {
                              return JsonObject()
                                  .add("kind", yakuKindName(yaku.kind))
                                  .add("kazoe", yaku.kazoe)
                                  .add("year", yaku.year)
                                  .text();
                          }))
        .addRaw("choju",
                jsonArray(profile.choju,
                          [](const Choju& choju) {
                              return JsonObject()
                                  .add("name", choju.name)
                                  .add("age", choju.age)
                                  .add("year", choju.year)
                                  .add("kazoeYear", choju.kazoeYear)
                                  .text();
                          }))
        .addRaw("seinen", perCohort(profile, seinenJson))
        .add("eto", profile.eto.sign);
    return object.text();
}

std::string_view lifeErrorMessage(LifeError error)
{
    switch (error) {
    case LifeError::AsOfBeforeBirth: return "the as-of date is before the birth";
    // As a conversion says them.
    case LifeError::NoSuchDate: return queryErrorText(QueryError::NoSuchDate);
    case LifeError::OutOfRange: return queryErrorText(QueryError::OutOfRange);
    }
    return "the as-of date is before the birth";
}

} // namespace erakon
