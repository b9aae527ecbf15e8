// SPDX-License-Identifier: MIT
// Texts typed as a year, an era year or a date: what each names, what is no
// query at all, and that every year of the table converts to an era year and back.
#include "core/year_query.h"

#include "core/table_line.h"
#include "core/year_description.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace erakon {
namespace {

using namespace std::chrono;
using Form = YearQuery::Form;
using Note = YearQuery::Note;

struct QueryCase {
    const char* name;
    std::string text;
    Form form;
    int westernYear;
    EraRow era = EraRow::Meiji;
    int eraYear = 0;
    std::optional<year_month_day> date = std::nullopt;
    Note note = Note::None;
};

void PrintTo(const QueryCase& c, std::ostream* out) { *out << c.name; }

// The query a case describes: a Western year or date, or a modern era's year.
YearQuery expectedQuery(const QueryCase& c)
{
    if (c.form == Form::WesternYear || c.form == Form::WesternDate)
        return YearQuery{YearQuery::Western{}, c.westernYear, c.date};
    return YearQuery{YearQuery::Era{&modernEra(c.era), c.eraYear, c.note, std::nullopt}, c.westernYear, c.date};
}

class ParseYearQueryTest : public testing::TestWithParam<QueryCase> {};

TEST_P(ParseYearQueryTest, NamesTheYear)
{
    const QueryCase& c = GetParam();
    const QueryResult result = parseYearQuery(c.text);
    ASSERT_TRUE(result) << "error " << int(result.error);
    EXPECT_EQ(*result.query, expectedQuery(c));
    EXPECT_EQ(result.query->form(), c.form);
}

constexpr auto kHeisei = EraRow::Heisei;
constexpr auto kReiwa = EraRow::Reiwa;
constexpr auto kShowa = EraRow::Showa;

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseYearQueryTest,
    testing::Values(
        QueryCase{"WesternYear", "1989", Form::WesternYear, 1989},
        QueryCase{"WesternYearWithNen", "1989年", Form::WesternYear, 1989},
        QueryCase{"FullWidthDigits", "１９８９", Form::WesternYear, 1989},
        QueryCase{"FullWidthWithNen", "１９８９年", Form::WesternYear, 1989},
        QueryCase{"BlanksAround", " \t1989　", Form::WesternYear, 1989},
        QueryCase{"YearZero", "0", Form::WesternYear, 0}, QueryCase{"LastYear", "9999", Form::WesternYear, 9999},
        QueryCase{"LeadingZeros", "0800", Form::WesternYear, 800},
        QueryCase{"EraYear", "令和5", Form::EraYear, 2023, kReiwa, 5},
        QueryCase{"EraYearWithNen", "令和5年", Form::EraYear, 2023, kReiwa, 5},
        QueryCase{"FirstYearGan", "令和元年", Form::EraYear, 2019, kReiwa, 1},
        QueryCase{"FirstYearGanWithoutNen", "令和元", Form::EraYear, 2019, kReiwa, 1},
        QueryCase{"FirstYearAsOne", "令和1年", Form::EraYear, 2019, kReiwa, 1},
        QueryCase{"BlankAfterEra", "令和 5 年", Form::EraYear, 2023, kReiwa, 5},
        QueryCase{"FullWidthEraYear", "令和５年", Form::EraYear, 2023, kReiwa, 5},
        QueryCase{"LastHeiseiYear", "平成31", Form::EraYear, 2019, kHeisei, 31},
        QueryCase{"InitialR", "R5", Form::EraYear, 2023, kReiwa, 5},
        QueryCase{"InitialH", "H31", Form::EraYear, 2019, kHeisei, 31},
        QueryCase{"InitialS", "S64", Form::EraYear, 1989, kShowa, 64},
        QueryCase{"InitialT", "T1", Form::EraYear, 1912, EraRow::Taisho, 1},
        QueryCase{"InitialM", "M45", Form::EraYear, 1912, EraRow::Meiji, 45},
        QueryCase{"SmallInitial", "h31", Form::EraYear, 2019, kHeisei, 31},
        QueryCase{"FullWidthInitial", "Ｒ５", Form::EraYear, 2023, kReiwa, 5},
        QueryCase{"LatinName", "Heisei31", Form::EraYear, 2019, kHeisei, 31},
        QueryCase{"LatinNameAnyCase", "reiwa 5", Form::EraYear, 2023, kReiwa, 5},
        // Year 0 of an era is the year before its first, as in the conversion page's boxes.
        QueryCase{"EraYearZero", "令和0", Form::EraYear, 2018, kReiwa, 0, std::nullopt, Note::EraNotBegun},
        QueryCase{"InitialYearZero", "M0年", Form::EraYear, 1867, EraRow::Meiji, 0, std::nullopt, Note::EraNotBegun},
        QueryCase{"EraDateYearZero", "令和0年5月1日", Form::EraDate, 2018, kReiwa, 0, year{2018} / 5 / 1,
                  Note::EraNotBegun},
        QueryCase{"EraPastItsEnd", "平成35", Form::EraYear, 2023, kHeisei, 35, std::nullopt, Note::EraHadEnded},
        QueryCase{"InitialPastItsEnd", "S100", Form::EraYear, 2025, kShowa, 100, std::nullopt, Note::EraHadEnded},
        QueryCase{"IsoDate", "1989-01-07", Form::WesternDate, 1989, EraRow::Meiji, 0, year{1989} / 1 / 7},
        QueryCase{"SlashDate", "1989/1/8", Form::WesternDate, 1989, EraRow::Meiji, 0, year{1989} / 1 / 8},
        QueryCase{"DotDate", "2019.5.1", Form::WesternDate, 2019, EraRow::Meiji, 0, year{2019} / 5 / 1},
        QueryCase{"FullWidthDate", "１９８９／１／８", Form::WesternDate, 1989, EraRow::Meiji, 0, year{1989} / 1 / 8},
        QueryCase{"ProlongedSoundMarksAsDashes", "１９８９ー０１ー０７", Form::WesternDate, 1989, EraRow::Meiji, 0,
                  year{1989} / 1 / 7},
        QueryCase{"KanjiDate", "1989年1月8日", Form::WesternDate, 1989, EraRow::Meiji, 0, year{1989} / 1 / 8},
        QueryCase{"KanjiDateWithoutNichi", "1989年1月8", Form::WesternDate, 1989, EraRow::Meiji, 0, year{1989} / 1 / 8},
        QueryCase{"EraDate", "昭和64年1月7日", Form::EraDate, 1989, kShowa, 64, year{1989} / 1 / 7},
        QueryCase{"EraDateFirstYear", "平成元年1月8日", Form::EraDate, 1989, kHeisei, 1, year{1989} / 1 / 8},
        QueryCase{"EraDateBlanks", "平成 元年 1月 8日", Form::EraDate, 1989, kHeisei, 1, year{1989} / 1 / 8},
        QueryCase{"InitialDate", "H1.1.8", Form::EraDate, 1989, kHeisei, 1, year{1989} / 1 / 8},
        QueryCase{"InitialSlashDate", "R1/5/1", Form::EraDate, 2019, kReiwa, 1, year{2019} / 5 / 1},
        QueryCase{"EraDateAfterItsEnd", "昭和64年1月8日", Form::EraDate, 1989, kShowa, 64, year{1989} / 1 / 8,
                  Note::EraHadEnded},
        QueryCase{"EraDateBeforeItBegan", "令和元年4月1日", Form::EraDate, 2019, kReiwa, 1, year{2019} / 4 / 1,
                  Note::EraNotBegun},
        QueryCase{"EraDateOnItsLastDay", "平成31年4月30日", Form::EraDate, 2019, kHeisei, 31, year{2019} / 4 / 30},
        QueryCase{"MeijiFromNewYear", "明治元年1月1日", Form::EraDate, 1868, EraRow::Meiji, 1, year{1868} / 1 / 1},
        QueryCase{"DateBeforeMeiji", "1867-12-31", Form::WesternDate, 1867, EraRow::Meiji, 0, year{1867} / 12 / 31},
        QueryCase{"LeapDay", "2024-02-29", Form::WesternDate, 2024, EraRow::Meiji, 0, year{2024} / 2 / 29}),
    [](const auto& info) { return std::string(info.param.name); });

struct ErrorCase {
    const char* name;
    std::string text;
    QueryError error;
};

void PrintTo(const ErrorCase& c, std::ostream* out) { *out << c.name; }

class ParseYearQueryErrorTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(ParseYearQueryErrorTest, GivesNoQuery)
{
    const QueryResult result = parseYearQuery(GetParam().text);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseYearQueryErrorTest,
                         testing::Values(ErrorCase{"Empty", "", QueryError::NotAQuery},
                                         ErrorCase{"Blanks", " 　", QueryError::NotAQuery},
                                         ErrorCase{"Word", "firefox", QueryError::NotAQuery},
                                         ErrorCase{"EraAlone", "令和", QueryError::NotAQuery},
                                         ErrorCase{"InitialAlone", "R", QueryError::NotAQuery},
                                         ErrorCase{"UnknownInitial", "X5", QueryError::NotAQuery},
                                         ErrorCase{"NegativeYear", "-5", QueryError::NotAQuery},
                                         ErrorCase{"Expression", "1989+5", QueryError::NotAQuery},
                                         ErrorCase{"BlankInsideNumber", "19 89", QueryError::NotAQuery},
                                         ErrorCase{"YearAndMonth", "2023/5", QueryError::NotAQuery},
                                         ErrorCase{"MixedSeparators", "2023-5/1", QueryError::NotAQuery},
                                         ErrorCase{"ThreeDigitMonth", "2023-005-01", QueryError::NotAQuery},
                                         ErrorCase{"TextAfterYear", "2023年度", QueryError::NotAQuery},
                                         ErrorCase{"NotUtf8", "19\xFF", QueryError::NotAQuery},
                                         ErrorCase{"VeryLong", std::string(1000, '1'), QueryError::NotAQuery},
                                         ErrorCase{"NoFebruary30", "2023-02-30", QueryError::NoSuchDate},
                                         ErrorCase{"NoMonth13", "2023/13/1", QueryError::NoSuchDate},
                                         ErrorCase{"NoDayZero", "令和5年5月0日", QueryError::NoSuchDate},
                                         ErrorCase{"NoLeapDay", "2023-02-29", QueryError::NoSuchDate},
                                         ErrorCase{"YearTooLarge", "10000", QueryError::OutOfRange},
                                         ErrorCase{"ManyDigits", "123456789012", QueryError::OutOfRange},
                                         ErrorCase{"EraYearTooLarge", "令和9999", QueryError::OutOfRange}),
                         [](const auto& info) { return std::string(info.param.name); });

// Every other way a Japanese user writes a year: each text, the year it
// names, the era (by name) and era year, and the eras of its other readings.
struct WayCase {
    const char* name;
    std::string text;
    Form form;
    int westernYear;
    std::string_view era = {}; // empty for a Western form
    int eraYear = 0;
    Note note = Note::None;
    std::vector<std::string_view> otherEras = {};
};

void PrintTo(const WayCase& c, std::ostream* out) { *out << c.name; }

class WaysOfWritingAYearTest : public testing::TestWithParam<WayCase> {};

TEST_P(WaysOfWritingAYearTest, ReadsEveryReading)
{
    const WayCase& c = GetParam();
    const QueryResult result = parseYearQuery(c.text);
    ASSERT_TRUE(result) << "error " << int(result.error);
    EXPECT_EQ(result.query->form(), c.form);
    EXPECT_EQ(result.query->westernYear, c.westernYear);
    const YearQuery::Era* era = result.query->era();
    ASSERT_EQ(era != nullptr, !c.era.empty());
    if (era) {
        ASSERT_NE(era->era, nullptr);
        EXPECT_EQ(era->era->name, c.era);
        EXPECT_EQ(era->eraYear, c.eraYear);
        EXPECT_EQ(era->note, c.note);
    }
    std::vector<std::string_view> others;
    for (const YearQuery& other : result.otherReadings)
        others.push_back(other.era()->era->name);
    EXPECT_EQ(others, c.otherEras);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WaysOfWritingAYearTest,
    testing::Values(WayCase{"KanjiPositional", "二〇二三年", Form::WesternYear, 2023},
                    WayCase{"KanjiPositionalWithoutNen", "一九八九", Form::WesternYear, 1989},
                    WayCase{"KanjiWithUnits", "千九百八十九年", Form::WesternYear, 1989},
                    WayCase{"KanjiTwoThousand", "二千二十三年", Form::WesternYear, 2023},
                    WayCase{"KanjiEraYear", "昭和六十四年", Form::EraYear, 1989, "昭和", 64},
                    WayCase{"KanjiEraYearThirtyOne", "平成三十一年", Form::EraYear, 2019, "平成", 31},
                    WayCase{"KanjiTen", "大正十年", Form::EraYear, 1921, "大正", 10},
                    WayCase{"KanjiEraDate", "平成元年一月八日", Form::EraDate, 1989, "平成", 1},
                    WayCase{"LigatureMeiji", "㍾45", Form::EraYear, 1912, "明治", 45},
                    WayCase{"LigatureTaisho", "㍽元年", Form::EraYear, 1912, "大正", 1},
                    WayCase{"LigatureShowa", "㍼64年", Form::EraYear, 1989, "昭和", 64},
                    WayCase{"LigatureHeisei", "㍻31", Form::EraYear, 2019, "平成", 31},
                    WayCase{"LigatureReiwa", "㋿5年", Form::EraYear, 2023, "令和", 5},
                    WayCase{"Reading", "れいわ5", Form::EraYear, 2023, "令和", 5},
                    WayCase{"ReadingInKatakana", "レイワ5ネン", Form::EraYear, 2023, "令和", 5},
                    WayCase{"ReadingOfFirstYear", "へいせいがんねん", Form::EraYear, 1989, "平成", 1},
                    WayCase{"Romanised", "Reiwa 5", Form::EraYear, 2023, "令和", 5},
                    WayCase{"RomanisedFirstYear", "heisei gannen", Form::EraYear, 1989, "平成", 1},
                    WayCase{"RomanisedFirstYearInOneWord", "HeiseiGannen", Form::EraYear, 1989, "平成", 1},
                    WayCase{
                        "RomanisedWithLongVowel", "Shouwa 64", Form::EraYear, 1989, "昭和", 64, Note::None, {"正和"}},
                    WayCase{"JisDate", "R05.04.01", Form::EraDate, 2023, "令和", 5},
                    WayCase{"JisDateFirstHeiseiDay", "H01.01.08", Form::EraDate, 1989, "平成", 1},
                    WayCase{"JisDateFullWidth", "Ｒ０５．０４．０１", Form::EraDate, 2023, "令和", 5},
                    WayCase{"JisDateOnTheLastShowaDay", "S64.01.07", Form::EraDate, 1989, "昭和", 64},
                    WayCase{"HistoricalEra", "元禄15", Form::EraYear, 1702, "元禄", 15},
                    WayCase{"HistoricalEraInKanji", "天保三年", Form::EraYear, 1832, "天保", 3},
                    WayCase{"HistoricalEraDate", "慶応4年1月1日", Form::EraDate, 1868, "慶応", 4},
                    WayCase{"HistoricalEraPastItsEnd", "元禄20", Form::EraYear, 1707, "元禄", 20, Note::EraHadEnded},
                    WayCase{"HistoricalEraBeforeItsStart", "元禄0", Form::EraYear, 1687, "元禄", 0, Note::EraNotBegun},
                    WayCase{"NorthernCourt", "暦応2", Form::EraYear, 1339, "暦応", 2},
                    WayCase{"LongestName", "天平感宝元年", Form::EraYear, 749, "天平感宝", 1},
                    WayCase{"ShorterNameOfALongerOne", "天平2", Form::EraYear, 730, "天平", 2},
                    WayCase{"ModernEraBeforeItsStart", "令和0年", Form::EraYear, 2018, "令和", 0, Note::EraNotBegun},
                    // A reading that fits two eras: the modern one first, then the other.
                    WayCase{"AmbiguousReading", "しょうわ5", Form::EraYear, 1930, "昭和", 5, Note::None, {"正和"}},
                    WayCase{"AmbiguousRomanised", "showa 5", Form::EraYear, 1930, "昭和", 5, Note::None, {"正和"}},
                    // Two digits are the year they say, never 19xx or 20xx.
                    WayCase{"TwoDigitYear", "89", Form::WesternYear, 89},
                    WayCase{"TwoDigitYearWithNen", "二三年", Form::WesternYear, 23},
                    WayCase{"TwoDigitDate", "89/1/8", Form::WesternDate, 89}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WaysOfWritingAYearTest, TurnsDownWhatIsNoNumberOrNoEra)
{
    const std::pair<const char*, QueryError> rows[] = {
        {"十十年", QueryError::NotAQuery}, // a unit twice
        {"百千年", QueryError::NotAQuery}, // a smaller unit before a larger
        {"一二十年", QueryError::NotAQuery}, // two digits before a unit
        {"れいわ", QueryError::NotAQuery},
        {"Reiwa", QueryError::NotAQuery},
        {"gannen", QueryError::NotAQuery},
        {"anna", QueryError::NotAQuery},
        {"慶応4年13月1日", QueryError::NoSuchDate},
        {"慶応4年1月31日", QueryError::NoSuchDate}, // a lunisolar month has 30 days at most
    };
    for (const auto& [text, error] : rows) {
        SCOPED_TRACE(text);
        const QueryResult result = parseYearQuery(text);
        EXPECT_FALSE(result);
        EXPECT_EQ(result.error, error);
    }
}

// A lunisolar era's month and day stay as typed; the day is converted at the
// level of its year only.
TEST(WaysOfWritingAYearTest, KeepsALunisolarDayAsTyped)
{
    const QueryResult result = parseYearQuery("慶応4年1月1日");
    ASSERT_TRUE(result);
    EXPECT_FALSE(result.query->date);
    EXPECT_EQ(result.query->era()->lunisolarDay, std::chrono::January / 1);
    EXPECT_EQ(result.query->eraRow(), std::nullopt);
}

TEST(ParseYearQueryUserEraTest, ReadsTheUserEraWhenItIsShown)
{
    const UserEra founding{"創業", 1880};
    const QueryResult result = parseYearQuery("創業144年", &founding);
    ASSERT_TRUE(result);
    EXPECT_EQ(result.query->westernYear, 2023);
    EXPECT_EQ(result.query->eraRow(), EraRow::UserDefined);
    EXPECT_EQ(result.query->era()->note, Note::None);
    EXPECT_EQ(parseYearQuery("創業元年", &founding).query->westernYear, 1880);
    EXPECT_FALSE(parseYearQuery("創業144年"));

    // The five eras come first; a user era named like one of them reads as that era.
    const UserEra named{"R", 2000};
    EXPECT_EQ(parseYearQuery("R5", &named).query->eraRow(), EraRow::Reiwa);
    const UserEra fullWidth{"ＡＢＣ", 2000};
    EXPECT_EQ(parseYearQuery("abc3", &fullWidth).error, QueryError::NotAQuery);
    EXPECT_EQ(parseYearQuery("ABC3", &fullWidth).query->westernYear, 2002);
}

// A user era named with digits never takes a Western year for one of its own.
TEST(ParseYearQueryUserEraTest, AWesternYearStaysOneWhateverTheUserEraIsCalled)
{
    enum class Reads { WesternForm, UserEra, Nothing };
    struct Row {
        const char* name;
        const char* text;
        Reads reads;
        int westernYear = 0;
    };
    const Row rows[] = {
        {"1", "1989", Reads::WesternForm, 1989},
        {"1", "１９８９年", Reads::WesternForm, 1989},
        {"1", "1989-01-08", Reads::WesternForm, 1989},
        {"19", "1989年", Reads::WesternForm, 1989},
        {"１", "1989", Reads::WesternForm, 1989},
        {"1", "1元年", Reads::Nothing}, // a name of digits alone never matches
        {" 1 2 ", "1 25", Reads::Nothing}, // nor one of digits and blanks
        {"2000年代", "2000年代5", Reads::UserEra, 1884}, // a name that cannot be a plain year reads
        {"1a", "1a5", Reads::UserEra, 1884},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.name) + " / " + row.text);
        const UserEra era{row.name, 1880};
        const QueryResult result = parseYearQuery(row.text, &era);
        ASSERT_EQ(result.query.has_value(), row.reads != Reads::Nothing);
        if (!result)
            continue;
        EXPECT_EQ(result.query->westernYear, row.westernYear);
        const bool western = result.query->form() == Form::WesternYear || result.query->form() == Form::WesternDate;
        EXPECT_EQ(western, row.reads == Reads::WesternForm);
    }
}

TEST(ParseYearQueryUserEraTest, EveryEraYearOfTheYearMustFit)
{
    // Origin 0: the user era's year of 9999 would be 10000.
    const UserEra fromYearZero{"紀元", 0};
    EXPECT_EQ(parseYearQuery("9999", &fromYearZero).error, QueryError::OutOfRange);
    EXPECT_EQ(parseYearQuery("9998", &fromYearZero).query->westernYear, 9998);
    EXPECT_EQ(parseYearQuery("紀元10000", &fromYearZero).error, QueryError::OutOfRange);
    // Its year 0 would be the year -1.
    EXPECT_EQ(parseYearQuery("紀元0", &fromYearZero).error, QueryError::OutOfRange);
    EXPECT_EQ(parseYearQuery("紀元1", &fromYearZero).query->westernYear, 0);
    // Also when the era has no name to be typed by: it is shown all the same.
    const UserEra nameless{"", 0};
    EXPECT_EQ(parseYearQuery("9999", &nameless).error, QueryError::OutOfRange);
}

// Every year of the quick-reference table converts to the era years it
// belongs to, and each of those, typed back by name and by initial, gives the
// year again; the era dates of its first and last day give the day again.
TEST(YearQueryRoundTripTest, EveryTableYearConvertsToAnEraYearAndBack)
{
    constexpr auto kToday = year{2023} / 5 / 20;
    for (int westernYear = kYearTableFirstYear; westernYear <= kYearTableLastYear; ++westernYear) {
        SCOPED_TRACE(westernYear);
        const YearDescription description = describeYear(westernYearQuery(westernYear), nullptr, kToday);
        int eras = 0;
        for (const EraYearText& era : description.eraYears) {
            if (!era.current)
                continue;
            ++eras;
            const QueryResult byName = parseYearQuery(era.text);
            ASSERT_TRUE(byName) << era.text;
            EXPECT_EQ(byName.query->westernYear, westernYear) << era.text;
            EXPECT_EQ(byName.query->era()->note, Note::None) << era.text;
            std::string initial(1, kEraTable[std::size_t(*era.row)].hint.front());
            initial += std::to_string(era.year);
            ASSERT_TRUE(parseYearQuery(initial)) << initial;
            EXPECT_EQ(parseYearQuery(initial).query->westernYear, westernYear) << initial;
        }
        EXPECT_GE(eras, 1);
        EXPECT_LE(eras, 2);
        for (const year_month_day day : {year{westernYear} / 1 / 1, year{westernYear} / 12 / 31}) {
            const YearQuery dateQuery = westernDateQuery(day);
            const std::string eraDate = describeYear(dateQuery, nullptr, kToday).eraText;
            const QueryResult back = parseYearQuery(eraDate);
            ASSERT_TRUE(back) << eraDate;
            EXPECT_EQ(back.query->date, day) << eraDate;
            EXPECT_EQ(back.query->era()->note, Note::None) << eraDate;
        }
    }
}

} // namespace
} // namespace erakon
