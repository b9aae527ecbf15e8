// SPDX-License-Identifier: MIT
#include "core/era_history.h"

#include "core/era_calendar.h"
#include "core/era_table.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <string>
#include <vector>

namespace erakon {
namespace {

const HistoricalEra& era(std::string_view name)
{
    const HistoricalEra* found = eraNamed(name);
    if (!found)
        throw std::runtime_error("no era " + std::string(name));
    return *found;
}

std::vector<std::string_view> namesOf(const std::vector<const HistoricalEra*>& eras)
{
    std::vector<std::string_view> names;
    names.reserve(eras.size());
    for (const HistoricalEra* found : eras)
        names.push_back(found->name);
    return names;
}

// 昭和64 for an era year the official line counts; 北朝:元徳4 for a northern court's
// one it does not count, 私:白鳳9 for an unofficial name's.
std::vector<std::string> erasOf(int westernYear, std::span<const HistoricalEra> eras = kHistoricalEras)
{
    std::vector<std::string> texts;
    for (const EraOfYear& entry : erasOfWesternYear(westernYear, eras)) {
        std::string text = entry.countedOfficially           ? ""
            : entry.era->standing == EraStanding::Unofficial ? "私:"
                                                             : "北朝:";
        texts.push_back(text + std::string(entry.era->name) + std::to_string(entry.eraYear));
    }
    return texts;
}

TEST(HistoricalEras, RunFromTaikaToReiwaInTheOrderOfTheirFirstDays)
{
    EXPECT_EQ(kHistoricalEras.front().name, "大化");
    EXPECT_EQ(kHistoricalEras.front().firstDay, (EraDay{645, 6, false, 19}));
    EXPECT_EQ(kHistoricalEras.back().name, "令和");
    std::set<std::string_view> names;
    for (std::size_t i = 0; i < kHistoricalEras.size(); ++i) {
        const HistoricalEra& row = kHistoricalEras[i];
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
        if (i > 0) {
            EXPECT_LE(kHistoricalEras[i - 1].firstDay, row.firstDay) << row.name;
        }
        EXPECT_FALSE(row.reading.empty()) << row.name;
        EXPECT_FALSE(row.romanised.empty()) << row.name;
    }
}

// 248 eras to 令和 with both courts': 232 of the official line (明徳 among them)
// and the northern court's 16; and 白鳳, which the official list does not have.
TEST(HistoricalEras, HoldBothCourtsAndMarkTheUnofficialName)
{
    std::vector<std::string_view> northern;
    std::vector<std::string_view> unofficial;
    int official = 0;
    for (const HistoricalEra& row : kHistoricalEras) {
        if (row.standing == EraStanding::Official)
            ++official;
        else if (row.standing == EraStanding::NorthernCourt)
            northern.push_back(row.name);
        else
            unofficial.push_back(row.name);
    }
    EXPECT_EQ(official, 232);
    EXPECT_EQ(northern,
              (std::vector<std::string_view>{"正慶", "暦応", "康永", "貞和", "観応", "文和", "延文", "康安", "貞治",
                                             "応安", "永和", "康暦", "永徳", "至徳", "嘉慶", "康応"}));
    EXPECT_EQ(unofficial, (std::vector<std::string_view>{"白鳳"}));
    EXPECT_EQ(era("元中").court, EraCourt::Southern);
    EXPECT_EQ(era("明徳").court, EraCourt::Northern);
    EXPECT_EQ(era("明徳").standing, EraStanding::Official);
    EXPECT_EQ(era("明徳").countedFrom, (EraDay{1392, 10, true, 5}));
    EXPECT_EQ(era("建武").court, EraCourt::Both);
}

// Each year from 大宝 on has one era of the official line, two in the year it
// changes; so has the northern court's line, which is the official one outside
// the years of the two courts.
TEST(HistoricalEras, LeaveNoGapAndNoOverlapInEitherLine)
{
    for (int year = 701; year <= 2100; ++year) {
        int official = 0;
        int northern = 0;
        for (const EraOfYear& entry : erasOfWesternYear(year)) {
            official += entry.countedOfficially ? 1 : 0;
            northern += entry.era->court != EraCourt::Southern && entry.era->standing != EraStanding::Unofficial ? 1
                                                                                                                 : 0;
        }
        const int most = year == 749 ? 3 : 2; // 天平, 天平感宝 and 天平勝宝
        EXPECT_TRUE(official >= 1 && official <= most) << year;
        EXPECT_TRUE(northern >= 1 && northern <= most) << year;
    }
}

// The modern eras are the window's: their first days as the program counts
// them (明治 from 1 January 1868), their initials and readings.
TEST(HistoricalEras, ModernErasAreTheCalendarsEras)
{
    using namespace std::chrono;
    struct Modern {
        std::string_view name, reading, romanised, plain;
        char initial;
        year_month_day firstDay;
    };
    const std::array<Modern, 5> modern{{
        {"明治", "めいじ", "Meiji", "Meiji", 'M', year{1868} / 1 / 1},
        {"大正", "たいしょう", "Taishō", "Taisho", 'T', year{1912} / 7 / 30},
        {"昭和", "しょうわ", "Shōwa", "Showa", 'S', year{1926} / 12 / 25},
        {"平成", "へいせい", "Heisei", "Heisei", 'H', year{1989} / 1 / 8},
        {"令和", "れいわ", "Reiwa", "Reiwa", 'R', year{2019} / 5 / 1},
    }};
    for (std::size_t i = 0; i < modern.size(); ++i) {
        const HistoricalEra& row = era(modern[i].name);
        EXPECT_EQ(row.reading, modern[i].reading);
        EXPECT_EQ(row.romanised, modern[i].romanised);
        EXPECT_EQ(row.plainRomanised, modern[i].plain);
        EXPECT_EQ(row.initial, modern[i].initial);
        EXPECT_EQ(row.calendar, EraCalendar::Gregorian);
        EXPECT_EQ(kJapaneseEras[i].name, modern[i].name);
        EXPECT_EQ(kJapaneseEras[i].firstDay, modern[i].firstDay);
        EXPECT_EQ(kEraTable[i].offset, int(modern[i].firstDay.year()) - 1);
    }
    EXPECT_EQ(era("慶応").calendar, EraCalendar::Lunisolar);
}

// Readings and romanised names of well-known eras, and the forms the
// romanisation takes: long vowels, n' before a vowel, the hyphen of a
// four-character name.
TEST(HistoricalEras, WellKnownErasReadAndRomanisedAsCommonlyWritten)
{
    struct Known {
        std::string_view name, reading, romanised, plain;
    };
    for (const Known& known : std::vector<Known>{
             {"大化", "たいか", "Taika", "Taika"},
             {"大宝", "たいほう", "Taihō", "Taiho"},
             {"天平", "てんぴょう", "Tenpyō", "Tenpyo"},
             {"天平感宝", "てんぴょうかんぽう", "Tenpyō-kanpō", "Tenpyo-kanpo"},
             {"神護景雲", "じんごけいうん", "Jingo-keiun", "Jingo-keiun"},
             {"天応", "てんおう", "Ten'ō", "Ten'o"},
             {"延暦", "えんりゃく", "Enryaku", "Enryaku"},
             {"貞観", "じょうがん", "Jōgan", "Jogan"},
             {"延喜", "えんぎ", "Engi", "Engi"},
             {"延長", "えんちょう", "Enchō", "Encho"},
             {"保元", "ほうげん", "Hōgen", "Hogen"},
             {"承久", "じょうきゅう", "Jōkyū", "Jokyu"},
             {"建武", "けんむ", "Kenmu", "Kenmu"},
             {"観応", "かんのう", "Kannō", "Kanno"},
             {"応仁", "おうにん", "Ōnin", "Onin"},
             {"天正", "てんしょう", "Tenshō", "Tensho"},
             {"寛永", "かんえい", "Kan'ei", "Kan'ei"},
             {"元禄", "げんろく", "Genroku", "Genroku"},
             {"享保", "きょうほう", "Kyōhō", "Kyoho"},
             {"天保", "てんぽう", "Tenpō", "Tenpo"},
             {"安政", "あんせい", "Ansei", "Ansei"},
             {"万延", "まんえん", "Man'en", "Man'en"},
             {"慶応", "けいおう", "Keiō", "Keio"},
         }) {
        const HistoricalEra& row = era(known.name);
        EXPECT_EQ(row.reading, known.reading) << known.name;
        EXPECT_EQ(row.romanised, known.romanised) << known.name;
        EXPECT_EQ(row.plainRomanised, known.plain) << known.name;
        EXPECT_EQ(row.initial, '\0') << known.name;
    }
}

TEST(HistoricalEras, LunisolarFirstDaysKeepTheIntercalaryMonthAndTheUnknownDay)
{
    EXPECT_EQ(era("延長").firstDay, (EraDay{923, 4, true, 11}));
    EXPECT_EQ(era("文中").firstDay, (EraDay{1372, 4, false, 0}));
    // 天保 began on 文政13年12月10日, in January 1831: the year is the lunisolar one's.
    EXPECT_EQ(era("天保").firstDay, (EraDay{1830, 12, false, 10}));
    EXPECT_EQ(era("寛永").firstDay, (EraDay{1624, 2, false, 30}));
}

TEST(EraYearArithmetic, EraYearIsTheFirstYearPlusTheYearMinusOne)
{
    struct Case {
        std::string_view name;
        int eraYear;
        int western;
        bool beginningsDiffer;
    };
    for (const Case& c : std::vector<Case>{
             {"元禄", 15, 1702, true},
             {"天保", 3, 1832, true},
             {"慶応", 4, 1868, true},
             {"大化", 1, 645, true},
             {"白鳳", 2, 673, true},
             {"明治", 1, 1868, false},
             {"昭和", 64, 1989, false},
             {"令和", 5, 2023, false},
             {"令和", 0, 2018, false},
             {"令和", -1, 2017, false},
         }) {
        EXPECT_EQ(westernYearOfEraYear(era(c.name), c.eraYear), (EraWesternYear{c.western, c.beginningsDiffer}))
            << c.name << c.eraYear;
    }
    EXPECT_EQ(westernYearOfEraYear(era("令和"), std::numeric_limits<int>::max()), std::nullopt);
    EXPECT_EQ(westernYearOfEraYear(era("大化"), std::numeric_limits<int>::min())->year,
              std::numeric_limits<int>::min() + 644);
    EXPECT_EQ(westernYearOfEraYear(era("大化"), std::numeric_limits<int>::max() - 644)->year,
              std::numeric_limits<int>::max());
}

TEST(EraYearArithmetic, WesternYearBelongsToEveryEraInUse)
{
    struct Case {
        int year;
        std::vector<std::string> eras;
    };
    for (const Case& c : std::vector<Case>{
             {644, {}},
             {645, {"大化1"}},
             {650, {"大化6", "白雉1"}},
             {654, {"白雉5"}},
             {660, {}},
             {680, {"私:白鳳9"}},
             {686, {"朱鳥1", "私:白鳳15"}},
             {700, {}},
             {749, {"天平21", "天平感宝1", "天平勝宝1"}},
             {1702, {"元禄15"}},
             {1329, {"嘉暦4", "元徳1"}},
             {1331, {"元徳3", "元弘1"}},
             {1332, {"元弘2", "北朝:元徳4", "北朝:正慶1"}},
             {1337, {"延元2", "北朝:建武4"}},
             {1375, {"文中4", "天授1", "北朝:応安8", "北朝:永和1"}},
             {1390, {"元中7", "北朝:康応2", "北朝:明徳1"}},
             {1392, {"元中9", "明徳3"}},
             {1394, {"明徳5", "応永1"}},
             {1868, {"慶応4", "明治1"}},
             {1989, {"昭和64", "平成1"}},
             {2023, {"令和5"}},
             {9999, {"令和7981"}},
         }) {
        EXPECT_EQ(erasOf(c.year), c.eras) << c.year;
    }
}

TEST(EraYearArithmetic, LastYearInUse)
{
    struct Case {
        std::string_view name;
        std::optional<int> last;
    };
    for (const Case& c : std::vector<Case>{
             {"白雉", 654},
             {"白鳳", 686},
             {"朱鳥", 686},
             {"元徳", 1332}, // the northern court kept it a year longer than the southern
             {"建武", 1338},
             {"元中", 1392},
             {"正慶", 1334},
             {"康応", 1390},
             {"明徳", 1394},
             {"慶応", 1868},
             {"昭和", 1989},
             {"令和", std::nullopt},
         }) {
        EXPECT_EQ(lastYearOf(era(c.name)), c.last) << c.name;
    }
}

TEST(EraYearArithmetic, ErasThatFollowed)
{
    struct Case {
        std::string_view name;
        std::vector<std::string_view> next;
    };
    for (const Case& c : std::vector<Case>{
             {"大化", {"白雉"}},
             {"白雉", {"朱鳥"}},
             {"朱鳥", {"大宝"}},
             {"白鳳", {}},
             {"元徳", {"元弘", "正慶"}},
             {"建武", {"延元", "暦応"}},
             {"元中", {"明徳"}},
             {"康応", {"明徳"}},
             {"明徳", {"応永"}},
             {"慶応", {"明治"}},
             {"昭和", {"平成"}},
             {"令和", {}},
         }) {
        EXPECT_EQ(namesOf(erasAfter(era(c.name))), c.next) << c.name;
    }
}

// An era added after the built-in ones ends 令和 and is found like the others.
TEST(EraYearArithmetic, AnEraAddedAfterReiwaTakesOver)
{
    std::vector<HistoricalEra> eras(kHistoricalEras.begin(), kHistoricalEras.end());
    eras.push_back({"新元",
                    "しんげん",
                    "Shingen",
                    "Shingen",
                    'N',
                    EraCalendar::Gregorian,
                    {2030, 4, false, 1},
                    EraCourt::Both,
                    EraStanding::Official,
                    {2030, 4, false, 1},
                    0});
    EXPECT_EQ(lastYearOf(era("令和"), eras), 2030);
    EXPECT_EQ(namesOf(erasAfter(era("令和"), eras)), (std::vector<std::string_view>{"新元"}));
    EXPECT_EQ(erasOf(2030, eras), (std::vector<std::string>{"令和12", "新元1"}));
    EXPECT_EQ(erasOf(2031, eras), (std::vector<std::string>{"新元2"}));
    EXPECT_EQ(namesOf(findEras("n", eras)), (std::vector<std::string_view>{"新元"}));
}

TEST(EraLookup, FindsEveryEraOfANameReadingRomanisationOrInitial)
{
    struct Case {
        std::string_view text;
        std::vector<std::string_view> eras;
    };
    for (const Case& c : std::vector<Case>{
             {"令和", {"令和"}},
             {"元禄", {"元禄"}},
             {"白鳳", {"白鳳"}},
             {"れいわ", {"令和"}},
             {"レイワ", {"令和"}},
             {"へいせい", {"平成"}},
             {"しょうわ", {"昭和", "正和"}},
             {"ショウワ", {"昭和", "正和"}},
             {"こうわ", {"弘和", "康和"}},
             {"じょうわ", {"承和", "貞和"}}, // the official one before the northern court's
             {"かしょう", {"嘉承", "嘉祥"}},
             {"げんこう", {"元弘", "元亨"}},
             {"Reiwa", {"令和"}},
             {"reiwa", {"令和"}},
             {"HEISEI", {"平成"}},
             {"Showa", {"昭和", "正和"}},
             {"Shōwa", {"昭和", "正和"}},
             {"Shôwa", {"昭和", "正和"}},
             {"shouwa", {"昭和", "正和"}},
             {"Taisho", {"大正"}},
             {"Genroku", {"元禄"}},
             {"Tenpyō-kanpō", {"天平感宝"}},
             {"tempyo kampo", {"天平感宝"}},
             {"Kemmu", {"建武"}},
             {"Ten'o", {"天応"}},
             {"Ten’ō", {"天応"}},
             {"teno", {"天応"}},
             {"R", {"令和"}},
             {"r", {"令和"}},
             {"M", {"明治"}},
             {"T", {"大正"}},
             {"S", {"昭和"}},
             {"H", {"平成"}},
             {"", {}},
             {"X", {}},
             {"令", {}},
             {"れい", {}},
             {"Rei", {}},
             {"Reiwa5", {}},
             {"\xff", {}},
         }) {
        EXPECT_EQ(namesOf(findEras(c.text)), c.eras) << c.text;
    }
}

TEST(EraLookup, EachWayOfNamingAnEraHasItsOwnLookup)
{
    EXPECT_EQ(eraNamed("平成"), &era("平成"));
    EXPECT_EQ(eraNamed("へいせい"), nullptr);
    EXPECT_EQ(namesOf(erasReadAs("へいせい")), (std::vector<std::string_view>{"平成"}));
    EXPECT_TRUE(erasReadAs("Heisei").empty());
    EXPECT_EQ(namesOf(erasRomanisedAs("Heisei")), (std::vector<std::string_view>{"平成"}));
    EXPECT_TRUE(erasRomanisedAs("H").empty());
    EXPECT_EQ(eraWithInitial("h"), &era("平成"));
    EXPECT_EQ(eraWithInitial("HH"), nullptr);
    EXPECT_EQ(eraWithInitial("平"), nullptr);
}

} // namespace
} // namespace erakon
