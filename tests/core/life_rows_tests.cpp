// SPDX-License-Identifier: MIT
// A life profile as the rows the age page and `erakon-cli --life` show: the
// whole text for a date, a year alone's cohorts, Western years alone outside
// 明治元年..令和99年, and the rows a search word asks for.
#include "core/life_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace erakon {
namespace {

using namespace std::chrono;

std::vector<LifeRow> rowsOf(LifeBirth birth, year_month_day asOf, Sex sex = Sex::Male)
{
    const LifeResult result = lifeProfile({birth, asOf, sex});
    EXPECT_TRUE(result) << lifeErrorText(result.error);
    return result ? lifeRows(*result.profile) : std::vector<LifeRow>{};
}

std::vector<std::string> textsOf(const std::vector<LifeRow>& rows)
{
    std::vector<std::string> texts;
    texts.reserve(rows.size());
    for (const LifeRow& row : rows)
        texts.push_back(row.standaloneText());
    return texts;
}

// The rows of one section, as text.
std::vector<std::string> sectionTexts(const std::vector<LifeRow>& rows, LifeSection section)
{
    std::vector<std::string> texts;
    for (const LifeRow& row : rows) {
        if (row.section == section)
            texts.push_back(row.text());
    }
    return texts;
}

TEST(LifeTextTest, FullDateInEveryRow)
{
    const std::string text = lifeText(rowsOf(LifeBirth::ofDate(year{1989} / 4 / 2), year{2030} / 1 / 15));
    EXPECT_EQ(text,
              "生年月日：平成元年4月2日（1989年4月2日）\n"
              "基準日：令和12年1月15日（2030年1月15日）\n"
              "【年齢】\n"
              "  満年齢：40歳\n"
              "  数え年：42歳\n"
              "【学歴（履歴書）】\n"
              "  幼稚園（3年保育） 入園：平成5年4月（1993年4月）\n"
              "  幼稚園（3年保育） 卒園：平成8年3月（1996年3月）\n"
              "  小学校 入学：平成8年4月（1996年4月）\n"
              "  小学校 卒業：平成14年3月（2002年3月）\n"
              "  中学校 入学：平成14年4月（2002年4月）\n"
              "  中学校 卒業：平成17年3月（2005年3月）\n"
              "  高等学校 入学：平成17年4月（2005年4月）\n"
              "  高等学校 卒業：平成20年3月（2008年3月）\n"
              "  短期大学 入学：平成20年4月（2008年4月）\n"
              "  短期大学 卒業：平成22年3月（2010年3月）\n"
              "  大学 入学：平成20年4月（2008年4月）\n"
              "  大学 卒業：平成24年3月（2012年3月）\n"
              "  大学院（修士） 入学：平成24年4月（2012年4月）\n"
              "  大学院（修士） 修了：平成26年3月（2014年3月）\n"
              "  ※浪人・留年・飛び級がなかった場合の年です\n"
              "【厄年（男性）】\n"
              "  前厄（数え24歳）：平成24年（2012年）\n"
              "  本厄（数え25歳）：平成25年（2013年）\n"
              "  後厄（数え26歳）：平成26年（2014年）\n"
              "  前厄（数え41歳）：令和11年（2029年）\n"
              "  本厄（数え42歳・大厄）：令和12年（2030年） ← 基準日の年\n"
              "  後厄（数え43歳）：令和13年（2031年）\n"
              "  前厄（数え60歳）：令和30年（2048年）\n"
              "  本厄（数え61歳）：令和31年（2049年）\n"
              "  後厄（数え62歳）：令和32年（2050年）\n"
              "  ※厄年は数え年で数えます。多くの寺社では立春（2月4日ごろ）から年を数えます\n"
              "【長寿祝い】\n"
              "  還暦（満60歳・数え61歳）：令和31年（2049年）\n"
              "  緑寿（満66歳）：令和37年（2055年）\n"
              "  緑寿（数え66歳）：令和36年（2054年）\n"
              "  古希（満70歳）：令和41年（2059年）\n"
              "  古希（数え70歳）：令和40年（2058年）\n"
              "  喜寿（満77歳）：令和48年（2066年）\n"
              "  喜寿（数え77歳）：令和47年（2065年）\n"
              "  傘寿（満80歳）：令和51年（2069年）\n"
              "  傘寿（数え80歳）：令和50年（2068年）\n"
              "  米寿（満88歳）：令和59年（2077年）\n"
              "  米寿（数え88歳）：令和58年（2076年）\n"
              "  卒寿（満90歳）：令和61年（2079年）\n"
              "  卒寿（数え90歳）：令和60年（2078年）\n"
              "  白寿（満99歳）：令和70年（2088年）\n"
              "  白寿（数え99歳）：令和69年（2087年）\n"
              "  百寿（満100歳）：令和71年（2089年）\n"
              "  百寿（数え100歳）：令和70年（2088年）\n"
              "  茶寿（満108歳）：令和79年（2097年）\n"
              "  茶寿（数え108歳）：令和78年（2096年）\n"
              "  皇寿（満111歳）：令和82年（2100年）\n"
              "  皇寿（数え111歳）：令和81年（2099年）\n"
              "【成年】\n"
              "  成年（20歳）：平成21年4月2日（2009年4月2日）\n"
              "  ※2022年4月1日から成年は18歳です（それまでは20歳）。その日に18歳・19歳だった人は、"
              "その日に成年になりました\n"
              "【干支】\n"
              "  干支：巳（み）\n");
}

TEST(LifeTextTest, YearAloneShowsBothCohortsIndented)
{
    const std::string text = lifeText(rowsOf(LifeBirth::ofYear(2016), year{2024} / 5 / 20));
    EXPECT_NE(text.find("生まれた年：平成28年（2016年）\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("満年齢"), std::string::npos) << text;
    EXPECT_NE(text.find("  学年（4月2日〜12月31日生まれ）：小2\n"
                        "  学年（1月1日〜4月1日生まれ）：小3\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("  〔4月2日〜12月31日生まれ〕\n"
                        "    幼稚園（3年保育） 入園：令和2年4月（2020年4月）\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("    大学院（修士） 修了：令和23年3月（2041年3月）\n"
                        "  〔1月1日〜4月1日生まれ〕\n"
                        "    幼稚園（3年保育） 入園：平成31年4月（2019年4月）\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("  ※1月1日〜2月3日生まれは、立春（2月4日ごろ）から年を数えると前の年の干支 未（ひつじ）です\n"),
              std::string::npos)
        << text;
}

TEST(LifeRowsTest, EarlyBirthIsNotedInTheSchoolYears)
{
    const auto noteOf = [](LifeBirth birth) {
        return sectionTexts(rowsOf(birth, year{2024} / 5 / 20), LifeSection::School).at(15);
    };
    EXPECT_EQ(noteOf(LifeBirth::ofDate(year{1989} / 4 / 1)),
              "※早生まれ（1月1日〜4月1日生まれ）は、前の年の4月2日以降に生まれた人と同じ学年です");
    EXPECT_EQ(noteOf(LifeBirth::ofDate(year{1989} / 4 / 2)), "※浪人・留年・飛び級がなかった場合の年です");
}

TEST(LifeRowsTest, GakunenOnlyAtSchoolAge)
{
    EXPECT_EQ(sectionTexts(rowsOf(LifeBirth::ofDate(year{2016} / 4 / 2), year{2024} / 5 / 20), LifeSection::Age),
              (std::vector<std::string>{"【年齢】", "満年齢：8歳", "数え年：9歳", "学年：小2"}));
    EXPECT_EQ(sectionTexts(rowsOf(LifeBirth::ofDate(year{2016} / 4 / 2), year{2023} / 3 / 31), LifeSection::Age),
              (std::vector<std::string>{"【年齢】", "満年齢：6歳", "数え年：8歳"}));
}

TEST(LifeRowsTest, ZodiacNoteForBirthsBeforeRisshun)
{
    const auto etoOf = [](year_month_day birth) {
        return sectionTexts(rowsOf(LifeBirth::ofDate(birth), year{2024} / 5 / 20), LifeSection::Eto);
    };
    const std::vector<std::string> noted{"【干支】", "干支：巳（み）",
                                         "※立春（2月4日ごろ）から年を数えると前の年の干支 辰（たつ）です"};
    EXPECT_EQ(etoOf(year{1989} / 1 / 1), noted);
    EXPECT_EQ(etoOf(year{1989} / 2 / 3), noted);
    EXPECT_EQ(etoOf(year{1989} / 2 / 4), (std::vector<std::string>{"【干支】", "干支：巳（み）"}));
}

struct AdulthoodRowsCase {
    const char* name;
    LifeBirth birth;
    std::vector<std::string> rows; // the section without its heading and note
};

void PrintTo(const AdulthoodRowsCase& c, std::ostream* out) { *out << c.name; }

class AdulthoodRowsTest : public testing::TestWithParam<AdulthoodRowsCase> {};

TEST_P(AdulthoodRowsTest, ShowsTheDayOrTheYear)
{
    const AdulthoodRowsCase& c = GetParam();
    std::vector<std::string> texts = sectionTexts(rowsOf(c.birth, year{2024} / 5 / 20), LifeSection::Adulthood);
    ASSERT_GE(texts.size(), 2U);
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 1, texts.end() - 1), c.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Births, AdulthoodRowsTest,
    testing::Values(
        AdulthoodRowsCase{"BornBeforeFirstOfApril2002",
                          LifeBirth::ofDate(year{2002} / 3 / 31),
                          {"成年（20歳）：令和4年3月31日（2022年3月31日）"}},
        AdulthoodRowsCase{"BornAfterFirstOfApril2002",
                          LifeBirth::ofDate(year{2002} / 4 / 2),
                          {"成年（成年年齢の引き下げ）：令和4年4月1日（2022年4月1日）"}},
        AdulthoodRowsCase{"BornAfterFirstOfApril2004",
                          LifeBirth::ofDate(year{2004} / 4 / 2),
                          {"成年（18歳）：令和4年4月2日（2022年4月2日）"}},
        AdulthoodRowsCase{
            "YearAloneOneRow", LifeBirth::ofYear(2003), {"成年（成年年齢の引き下げ）：令和4年4月1日（2022年4月1日）"}},
        AdulthoodRowsCase{"YearAloneSplit",
                          LifeBirth::ofYear(2002),
                          {"〔4月2日〜12月31日生まれ〕", "成年（成年年齢の引き下げ）：令和4年4月1日（2022年4月1日）",
                           "〔1月1日〜4月1日生まれ〕", "成年（20歳）：令和4年（2022年）"}},
        AdulthoodRowsCase{"YearAloneAtTwenty", LifeBirth::ofYear(1989), {"成年（20歳）：平成21年（2009年）"}}),
    [](const testing::TestParamInfo<AdulthoodRowsCase>& info) { return std::string(info.param.name); });

TEST(LifeRowsTest, WesternYearsAloneBeforeMeijiAndAfterReiwa99)
{
    const std::vector<LifeRow> past = rowsOf(LifeBirth::ofDate(year{1850} / 2 / 3), year{1900} / 1 / 1);
    EXPECT_EQ(past.front().text(), "生年月日：1850年2月3日");
    EXPECT_EQ(past[1].text(), "基準日：明治33年1月1日（1900年1月1日）");
    const std::vector<std::string> school = sectionTexts(past, LifeSection::School);
    EXPECT_EQ(school[3], "小学校 入学：1856年4月");
    EXPECT_EQ(school.back(), "※浪人・留年・飛び級がなかった場合の年です");
    // 明治 began in the year this child finished 高等学校.
    EXPECT_EQ(school[8], "高等学校 卒業：明治元年3月（1868年3月）");

    const std::vector<LifeRow> future = rowsOf(LifeBirth::ofDate(year{2096} / 2 / 29), year{2118} / 3 / 1);
    EXPECT_EQ(future.front().text(), "生年月日：令和78年2月29日（2096年2月29日）");
    EXPECT_EQ(future[1].text(), "基準日：2118年3月1日");
    const std::vector<std::string> school2096 = sectionTexts(future, LifeSection::School);
    EXPECT_EQ(school2096[11], "大学 入学：令和96年4月（2114年4月）");
    EXPECT_EQ(school2096[12], "大学 卒業：2118年3月");
    EXPECT_EQ(sectionTexts(future, LifeSection::Adulthood)[1], "成年（18歳）：令和96年3月1日（2114年3月1日）");
    EXPECT_EQ(sectionTexts(future, LifeSection::Choju)[1], "還暦（満60歳・数え61歳）：2156年");
}

// ---- What a search word asks for -------------------------------------------------

struct SearchCase {
    const char* name;
    LifeBirth birth;
    std::string word;
    std::vector<std::string> rows;
};

void PrintTo(const SearchCase& c, std::ostream* out) { *out << c.name; }

class LifeRowsAboutTest : public testing::TestWithParam<SearchCase> {};

TEST_P(LifeRowsAboutTest, FindsTheRowsTheWordNames)
{
    const SearchCase& c = GetParam();
    EXPECT_EQ(textsOf(lifeRowsAbout(rowsOf(c.birth, year{2024} / 5 / 20), c.word)), c.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Words, LifeRowsAboutTest,
    testing::Values(
        SearchCase{"Graduations",
                   LifeBirth::ofDate(year{1989} / 4 / 2),
                   "卒業",
                   {"小学校 卒業：平成14年3月（2002年3月）", "中学校 卒業：平成17年3月（2005年3月）",
                    "高等学校 卒業：平成20年3月（2008年3月）", "短期大学 卒業：平成22年3月（2010年3月）",
                    "大学 卒業：平成24年3月（2012年3月）"}},
        SearchCase{"Kanreki", LifeBirth::ofYear(1989), "還暦", {"還暦（満60歳・数え61歳）：令和31年（2049年）"}},
        SearchCase{"YakudoshiSection",
                   LifeBirth::ofYear(1990),
                   "厄年",
                   {"前厄（数え24歳）：平成25年（2013年）", "本厄（数え25歳）：平成26年（2014年）",
                    "後厄（数え26歳）：平成27年（2015年）", "前厄（数え41歳）：令和12年（2030年）",
                    "本厄（数え42歳・大厄）：令和13年（2031年）", "後厄（数え43歳）：令和14年（2032年）",
                    "前厄（数え60歳）：令和31年（2049年）", "本厄（数え61歳）：令和32年（2050年）",
                    "後厄（数え62歳）：令和33年（2051年）"}},
        SearchCase{"GreatYaku", LifeBirth::ofYear(1990), "大厄", {"本厄（数え42歳・大厄）：令和13年（2031年）"}},
        SearchCase{"YearAloneKeepsItsCohorts",
                   LifeBirth::ofYear(1989),
                   "大学 卒業",
                   {"〔4月2日〜12月31日生まれ〕短期大学 卒業：平成22年3月（2010年3月）",
                    "〔4月2日〜12月31日生まれ〕大学 卒業：平成24年3月（2012年3月）",
                    "〔1月1日〜4月1日生まれ〕短期大学 卒業：平成21年3月（2009年3月）",
                    "〔1月1日〜4月1日生まれ〕大学 卒業：平成23年3月（2011年3月）"}},
        SearchCase{"AgeSection", LifeBirth::ofDate(year{1989} / 4 / 2), "年齢", {"満年齢：35歳", "数え年：36歳"}},
        SearchCase{"GakunenOfYearAlone",
                   LifeBirth::ofYear(2016),
                   "学年",
                   {"学年（4月2日〜12月31日生まれ）：小2", "学年（1月1日〜4月1日生まれ）：小3"}},
        SearchCase{"NothingOfALife", LifeBirth::ofYear(1989), "天気", {}},
        SearchCase{"EmptyWord", LifeBirth::ofYear(1989), "", {}}),
    [](const testing::TestParamInfo<SearchCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace erakon
