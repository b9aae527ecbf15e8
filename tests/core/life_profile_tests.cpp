// SPDX-License-Identifier: MIT
// A birth on an as-of date as one value: what a full date decides and what a
// year alone can, the 立春 note's births, and the failures a page or a command
// line reports.
#include "core/life_profile.h"

#include <gtest/gtest.h>

#include <string>

namespace erakon {
namespace {

using namespace std::chrono;

LifeProfile profileOf(LifeBirth birth, year_month_day asOf, Sex sex = Sex::Male)
{
    const LifeResult result = lifeProfile({birth, asOf, sex});
    EXPECT_TRUE(result) << lifeErrorText(result.error);
    return result ? *result.profile : LifeProfile{};
}

// ---- Failures ------------------------------------------------------------------

struct FailureCase {
    const char* name;
    LifeBirth birth;
    year_month_day asOf;
    std::optional<LifeError> error; // none: a profile
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }

class LifeProfileFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(LifeProfileFailureTest, FailsWithAReasonInsteadOfAProfile)
{
    const FailureCase& c = GetParam();
    const LifeResult result = lifeProfile({c.birth, c.asOf, Sex::Male});
    ASSERT_EQ(result.profile.has_value(), !c.error);
    if (c.error) {
        EXPECT_EQ(result.error, *c.error);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Requests, LifeProfileFailureTest,
    testing::Values(
        FailureCase{"AsOfTheDayBeforeBirth", LifeBirth::ofDate(year{2000} / 5 / 5), year{2000} / 5 / 4,
                    LifeError::AsOfBeforeBirth},
        FailureCase{"AsOfTheDayOfBirth", LifeBirth::ofDate(year{2000} / 5 / 5), year{2000} / 5 / 5, std::nullopt},
        FailureCase{"YearAloneAsOfTheYearBefore", LifeBirth::ofYear(2000), year{1999} / 12 / 31,
                    LifeError::AsOfBeforeBirth},
        FailureCase{"YearAloneAsOfItsFirstDay", LifeBirth::ofYear(2000), year{2000} / 1 / 1, std::nullopt},
        FailureCase{"NoSuchBirthDate", LifeBirth::ofDate(year{2023} / 2 / 29), year{2024} / 1 / 1,
                    LifeError::NoSuchDate},
        FailureCase{"NoSuchAsOfDate", LifeBirth::ofYear(2000), year{2023} / 2 / 29, LifeError::NoSuchDate},
        FailureCase{"BirthYearBeyondTheYears", LifeBirth::ofYear(10000), year{10001} / 1 / 1, LifeError::OutOfRange},
        FailureCase{"FarPastBirth", LifeBirth::ofYear(-9999), year{2024} / 1 / 1, std::nullopt}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST(LifeProfileFailureMessageTest, SaysTheAsOfDateLiesBeforeTheBirth)
{
    const LifeResult result = lifeProfile({LifeBirth::ofDate(year{2030} / 1 / 1), year{2024} / 5 / 20, Sex::Male});
    ASSERT_FALSE(result);
    EXPECT_EQ(lifeErrorText(result.error), "基準日が生まれる前です");
}

// ---- A full date and a year alone ----------------------------------------------

TEST(LifeProfileTest, FullDateDecidesTheAgeAndOneCohort)
{
    const LifeProfile profile = profileOf(LifeBirth::ofDate(year{2016} / 4 / 1), year{2024} / 5 / 20, Sex::Female);
    EXPECT_FALSE(profile.yearAlone());
    EXPECT_EQ(profile.age, 8);
    EXPECT_EQ(profile.kazoe, 9);
    ASSERT_EQ(profile.cohorts.size(), 1U);
    const LifeSchoolYears& school = profile.cohorts.front();
    EXPECT_EQ(school.cohort, SchoolCohort::January1ToApril1);
    EXPECT_EQ(school.elementaryEntranceYear, 2022);
    EXPECT_EQ(school.steps, schoolSteps(2022));
    EXPECT_EQ(school.gakunen, (Gakunen{SchoolStage::Elementary, 3}));
    EXPECT_EQ(school.adulthood, (Adulthood{AdulthoodRule::At18, 2034, year{2034} / 4 / 1}));
    EXPECT_EQ(profile.yakudoshi, yakudoshiYears(2016, Sex::Female, 2024));
    EXPECT_EQ(profile.choju, chojuYears(2016));
    EXPECT_EQ(profile.eto.sign, "申");
}

TEST(LifeProfileTest, YearAloneHasNoAgeAndBothCohorts)
{
    const LifeProfile profile = profileOf(LifeBirth::ofYear(2016), year{2024} / 5 / 20);
    EXPECT_TRUE(profile.yearAlone());
    EXPECT_EQ(profile.age, std::nullopt);
    EXPECT_EQ(profile.kazoe, 9);
    ASSERT_EQ(profile.cohorts.size(), 2U);
    EXPECT_EQ(profile.cohorts[0].cohort, SchoolCohort::April2ToDecember31);
    EXPECT_EQ(profile.cohorts[0].elementaryEntranceYear, 2023);
    EXPECT_EQ(profile.cohorts[0].gakunen, (Gakunen{SchoolStage::Elementary, 2}));
    EXPECT_EQ(profile.cohorts[1].cohort, SchoolCohort::January1ToApril1);
    EXPECT_EQ(profile.cohorts[1].elementaryEntranceYear, 2022);
    EXPECT_EQ(profile.cohorts[1].gakunen, (Gakunen{SchoolStage::Elementary, 3}));
    EXPECT_EQ(profile.cohorts[0].adulthood, (Adulthood{AdulthoodRule::At18, 2034, std::nullopt}));
}

TEST(LifeProfileTest, LeapDayBirthIsOneYearOlderOnFirstOfMarch)
{
    const LifeBirth birth = LifeBirth::ofDate(year{2000} / 2 / 29);
    EXPECT_EQ(profileOf(birth, year{2023} / 2 / 28).age, 22);
    EXPECT_EQ(profileOf(birth, year{2023} / 3 / 1).age, 23);
    EXPECT_EQ(profileOf(birth, year{2023} / 3 / 1).kazoe, 24);
}

TEST(LifeProfileTest, MarksTheAsOfYearsYakudoshi)
{
    const LifeProfile profile = profileOf(LifeBirth::ofDate(year{1989} / 4 / 2), year{2030} / 1 / 1);
    int marked = 0;
    for (const Yakudoshi& yaku : profile.yakudoshi) {
        if (yaku.inYear) {
            ++marked;
            EXPECT_EQ(yaku.kazoe, 42);
            EXPECT_TRUE(yaku.great);
        }
    }
    EXPECT_EQ(marked, 1);
}

// ---- 干支 and 立春 ----------------------------------------------------------------

struct EtoCase {
    const char* name;
    LifeBirth birth;
    std::string sign;
    bool beforeRisshun;
    std::string signFromRisshun; // the year before's, shown only before 立春
};

void PrintTo(const EtoCase& c, std::ostream* out) { *out << c.name; }

class LifeProfileEtoTest : public testing::TestWithParam<EtoCase> {};

TEST_P(LifeProfileEtoTest, NotesBirthsBeforeRisshun)
{
    const EtoCase& c = GetParam();
    const LifeProfile profile = profileOf(c.birth, year{2024} / 5 / 20);
    EXPECT_EQ(profile.eto.sign, c.sign);
    EXPECT_EQ(profile.etoBeforeRisshun, c.beforeRisshun);
    EXPECT_EQ(profile.etoFromRisshun.sign, c.signFromRisshun);
}

INSTANTIATE_TEST_SUITE_P(
    Births, LifeProfileEtoTest,
    testing::Values(EtoCase{"FirstOfJanuary", LifeBirth::ofDate(year{1989} / 1 / 1), "巳", true, "辰"},
                    EtoCase{"ThirdOfFebruary", LifeBirth::ofDate(year{1989} / 2 / 3), "巳", true, "辰"},
                    EtoCase{"FourthOfFebruary", LifeBirth::ofDate(year{1989} / 2 / 4), "巳", false, "辰"},
                    EtoCase{"YearAlone", LifeBirth::ofYear(1989), "巳", true, "辰"},
                    EtoCase{"BeforeMeiji", LifeBirth::ofDate(year{1850} / 1 / 1), "戌", true, "酉"}),
    [](const testing::TestParamInfo<EtoCase>& info) { return std::string(info.param.name); });

// ---- From a typed text ----------------------------------------------------------

TEST(LifeBirthOfTest, TakesTheDateOrTheYearOfAQuery)
{
    const QueryResult date = parseYearQuery("平成元年4月2日");
    ASSERT_TRUE(date);
    EXPECT_EQ(lifeBirthOf(*date.query), LifeBirth::ofDate(year{1989} / 4 / 2));
    const QueryResult eraYear = parseYearQuery("平成元年");
    ASSERT_TRUE(eraYear);
    EXPECT_EQ(lifeBirthOf(*eraYear.query), LifeBirth::ofYear(1989));
}

} // namespace
} // namespace erakon
