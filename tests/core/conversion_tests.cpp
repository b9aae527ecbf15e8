// SPDX-License-Identifier: MIT
// The conversion page as a value: the year shown, every box, the distance and its
// sign, the sentence, the emphasis and the back-to-now button, for tables of years.
#include "core/conversion.h"

#include "core/convertible_years.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace erakon {
namespace {

using std::chrono::year;

constexpr auto kToday = year{2023} / 5 / 20;
constexpr EraOffsets kDefaultOffsets = eraOffsetsFor(kDefaultUserEraOrigin);

TEST(EraOffsetsFor, FiveErasFromTheCalendarAndTheUserEraFromItsOrigin)
{
    EXPECT_EQ(kDefaultOffsets, (EraOffsets{1867, 1911, 1925, 1988, 2018, 1879}));
    EXPECT_EQ(eraOffsetsFor(0)[std::size_t(EraRow::UserDefined)], -1);
    for (std::size_t row = 0; row < std::size_t(kEraRowCount); ++row)
        EXPECT_EQ(kDefaultOffsets[row], kEraTable[row].offset) << row;
}

struct YearCase {
    const char* name;
    int asked;
    int shown;
    std::array<int, kEraRowCount> eraYears;
    int yearsFromNow;
};

void PrintTo(const YearCase& c, std::ostream* out) { *out << c.name; }

class ConvertYearTest : public ::testing::TestWithParam<YearCase> {};

TEST_P(ConvertYearTest, EveryBoxShowsTheSameYear)
{
    const YearCase& c = GetParam();
    const Conversion conversion = convertYear(c.asked, kDefaultOffsets, kToday, {});
    EXPECT_EQ(conversion.westernYear, c.shown);
    EXPECT_EQ(conversion.eraYears, c.eraYears);
    EXPECT_EQ(conversion.yearsFromNow, c.yearsFromNow);
    EXPECT_EQ(conversion.yearsFromNowFormat, c.yearsFromNow >= 0 ? "+###0" : "###0");
    EXPECT_EQ(conversion.backToNowEnabled, c.shown != 2023);
}

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

INSTANTIATE_TEST_SUITE_P(
    On20May2023, ConvertYearTest,
    ::testing::Values(
        YearCase{"CurrentYear", 2023, 2023, {156, 112, 98, 35, 5, 144}, 0},
        YearCase{"NextYear", 2024, 2024, {157, 113, 99, 36, 6, 145}, 1},
        YearCase{"ReiwaBegins", 2019, 2019, {152, 108, 94, 31, 1, 140}, -4},
        YearCase{"HeiseiBegins", 1989, 1989, {122, 78, 64, 1, -29, 110}, -34},
        YearCase{"UserEraBegins", 1880, 1880, {13, -31, -45, -108, -138, 1}, -143},
        YearCase{"FirstMeijiYear", 1868, 1868, {1, -43, -57, -120, -150, -11}, -155},
        YearCase{"BeforeMeiji", 1867, 1867, {0, -44, -58, -121, -151, -12}, -156},
        YearCase{"YearZero", 0, 0, {-1867, -1911, -1925, -1988, -2018, -1879}, -2023},
        YearCase{"LastYear", 9999, 9999, {8132, 8088, 8074, 8011, 7981, 8120}, 7976},
        YearCase{"BeyondTheLastYear", kIntMax, 9999, {8132, 8088, 8074, 8011, 7981, 8120}, 7976},
        YearCase{"FirstYearTheDistanceAllows", -7976, -7976, {-9843, -9887, -9901, -9964, -9994, -9855}, -9999},
        YearCase{"FarPast", -9999, -7976, {-9843, -9887, -9901, -9964, -9994, -9855}, -9999},
        YearCase{"IntMin", kIntMin, -7976, {-9843, -9887, -9901, -9964, -9994, -9855}, -9999}),
    [](const ::testing::TestParamInfo<YearCase>& info) { return std::string(info.param.name); });

struct OriginCase {
    const char* name;
    int origin;
    int asked;
    int shown;
};

void PrintTo(const OriginCase& c, std::ostream* out) { *out << c.name; }

class UserOriginLimitTest : public ::testing::TestWithParam<OriginCase> {};

TEST_P(UserOriginLimitTest, UserEraYearStaysWithinRange)
{
    const OriginCase& c = GetParam();
    const Conversion conversion = convertYear(c.asked, eraOffsetsFor(c.origin), kToday, {});
    EXPECT_EQ(conversion.westernYear, c.shown);
    EXPECT_EQ(conversion.eraYears[std::size_t(EraRow::UserDefined)], c.shown - (c.origin - 1));
}

INSTANTIATE_TEST_SUITE_P(On20May2023, UserOriginLimitTest,
                         ::testing::Values(OriginCase{"OriginZeroLastYear", 0, 9999, 9998},
                                           OriginCase{"OriginZeroFarPast", 0, -9999, -7976},
                                           OriginCase{"LateOriginFarPast", 9999, -5000, -1},
                                           OriginCase{"LateOriginLastYear", 9999, 9999, 9999}),
                         [](const ::testing::TestParamInfo<OriginCase>& info) { return std::string(info.param.name); });

TEST(ConvertYear, SentenceAndEmphasisFollowTheSwitches)
{
    const Conversion plain = convertYear(1993, kDefaultOffsets, kToday, {.showEto = false, .showBold = false});
    EXPECT_EQ(plain.sentence, "この年に生まれた人は、今年 30才です");
    EXPECT_EQ(plain.emphasis, EraEmphasis{});

    const Conversion marked = convertYear(1993, kDefaultOffsets, kToday, {.showEto = true, .showBold = true});
    EXPECT_EQ(marked.sentence, "この年（酉・とり）に生まれた人は、今年 30才です");
    EXPECT_EQ(marked.emphasis, (EraEmphasis{{false, false, false, true, false, true}, true}));
}

TEST(ConvertYear, SentenceAndEmphasisAreThoseOfTheYearShown)
{
    const Conversion nextYear = convertYear(2024, kDefaultOffsets, kToday, {});
    EXPECT_EQ(nextYear.sentence, "この年まで、あと 225日です");

    const Conversion limited = convertYear(kIntMax, kDefaultOffsets, kToday, {.showEto = true, .showBold = true});
    EXPECT_EQ(limited.sentence, YearSentence(9999, kToday, true));
    EXPECT_EQ(limited.emphasis, eraEmphasis(9999, kDefaultOffsets, true));
}

TEST(ConvertYear, EveryYearAskedForGivesValuesEveryBoxCanHold)
{
    for (const int origin : {0, kDefaultUserEraOrigin, kMaxYear}) {
        const EraOffsets offsets = eraOffsetsFor(origin);
        for (int asked = kMinYear - 1; asked <= kMaxYear + 1; ++asked) {
            const Conversion conversion = convertYear(asked, offsets, kToday, {});
            const int shown = conversion.westernYear;
            ASSERT_GE(shown, kMinYear) << origin << " " << asked;
            ASSERT_LE(shown, kMaxYear) << origin << " " << asked;
            for (std::size_t row = 0; row < offsets.size(); ++row) {
                ASSERT_EQ(conversion.eraYears[row], shown - offsets[row]) << origin << " " << asked;
                ASSERT_GE(conversion.eraYears[row], kMinYear) << origin << " " << asked;
                ASSERT_LE(conversion.eraYears[row], kMaxYear) << origin << " " << asked;
            }
            ASSERT_EQ(conversion.yearsFromNow, shown - 2023) << origin << " " << asked;
            ASSERT_GE(conversion.yearsFromNow, kMinYear) << origin << " " << asked;
        }
    }
}

TEST(ConvertibleYears, LimitsFollowTheOffsetsAndTheCurrentYear)
{
    const EraOffsets defaults{1867, 1911, 1925, 1988, 2018, 1879};
    EXPECT_EQ(convertibleYears(defaults, 2023).first, 2023 - 9999);
    EXPECT_EQ(convertibleYears(defaults, 2023).last, 9999);
    EraOffsets originZero = defaults;
    originZero[5] = -1;
    EXPECT_EQ(convertibleYears(originZero, 2023).last, 9998);
    EraOffsets originLate = defaults;
    originLate[5] = 9998;
    EXPECT_EQ(convertibleYears(originLate, 2023).first, -1);
}

} // namespace
} // namespace erakon
