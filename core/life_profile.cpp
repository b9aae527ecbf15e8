// SPDX-License-Identifier: MIT
#include "core/life_profile.h"

#include "core/era_table.h"

#include <utility>

namespace erakon {

namespace {

using namespace std::chrono;

bool inRange(int year) { return year >= kMinYear && year <= kMaxYear; }

LifeSchoolYears schoolYearsOf(int birthYear, SchoolCohort cohort, year_month_day asOf)
{
    LifeSchoolYears school;
    school.cohort = cohort;
    school.elementaryEntranceYear = elementaryEntranceYear(birthYear, cohort);
    school.steps = schoolSteps(school.elementaryEntranceYear);
    school.gakunen = gakunenOn(school.elementaryEntranceYear, asOf);
    school.adulthood = adulthoodOf(birthYear, cohort);
    return school;
}

std::optional<LifeError> checkRequest(const LifeRequest& request)
{
    const LifeBirth& birth = request.birth;
    if ((birth.date && !birth.date->ok()) || !request.asOf.ok())
        return LifeError::NoSuchDate;
    if (!inRange(birth.year) || !inRange(int(request.asOf.year())))
        return LifeError::OutOfRange;
    if (birth.date ? request.asOf < *birth.date : int(request.asOf.year()) < birth.year)
        return LifeError::AsOfBeforeBirth;
    return std::nullopt;
}

LifeProfile profileOf(const LifeRequest& request)
{
    const LifeBirth& birth = request.birth;
    const int asOfYear = int(request.asOf.year());
    LifeProfile profile;
    profile.request = request;
    profile.kazoe = kazoeAge(birth.year, asOfYear);
    if (birth.date) {
        const month_day birthday = birth.date->month() / birth.date->day();
        profile.age = fullAge(*birth.date, request.asOf);
        // The day itself decides the cohort and the day of adulthood.
        LifeSchoolYears school = schoolYearsOf(birth.year, schoolCohortOf(birthday), request.asOf);
        school.adulthood = adulthoodOf(*birth.date);
        profile.cohorts.push_back(std::move(school));
        profile.etoBeforeRisshun = birthday <= kLastDayBeforeRisshun;
    } else {
        for (const SchoolCohort cohort : kSchoolCohorts)
            profile.cohorts.push_back(schoolYearsOf(birth.year, cohort, request.asOf));
        profile.etoBeforeRisshun = true;
    }
    profile.yakudoshi = yakudoshiYears(birth.year, request.sex, asOfYear);
    profile.choju = chojuYears(birth.year);
    profile.eto = etoSignOf(birth.year);
    profile.etoFromRisshun = etoSignOf(birth.year - 1);
    return profile;
}

} // namespace

LifeBirth lifeBirthOf(const YearQuery& query)
{
    return query.date ? LifeBirth::ofDate(*query.date) : LifeBirth::ofYear(query.westernYear);
}

std::string_view lifeErrorText(LifeError error)
{
    switch (error) {
    case LifeError::AsOfBeforeBirth: return "基準日が生まれる前です";
    case LifeError::NoSuchDate: return "その日付はありません";
    case LifeError::OutOfRange: return "年は-9999年から9999年までです";
    }
    return "基準日が生まれる前です";
}

LifeResult lifeProfile(const LifeRequest& request)
{
    // A date's own year is the birth year.
    LifeRequest checked = request;
    if (checked.birth.date)
        checked.birth.year = int(checked.birth.date->year());
    if (const std::optional<LifeError> error = checkRequest(checked))
        return {std::nullopt, *error};
    return {profileOf(checked), LifeError::AsOfBeforeBirth};
}

} // namespace erakon
