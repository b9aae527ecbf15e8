// SPDX-License-Identifier: MIT
// Eras added by an era file: the lines read and those refused with their file
// and line, and the added eras in the reading of a year and its description.
#include "core/era_file.h"

#include "core/year_description.h"
#include "core/year_query.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace erakon {
namespace {

using namespace std::chrono;

constexpr std::string_view kPath = "/etc/xdg/Harunagi/erakon/eras.conf";
constexpr auto kToday = year{2023} / 5 / 20;

TEST(EraFileTest, AddsTheGoodLinesWithWhereEachCameFrom)
{
    EraTable table;
    table.addFile(kPath,
                  "\xEF\xBB\xBF# name reading romanised initial first day\r\n"
                  "\n"
                  "新元\tしんげん  Shingen  N  2025-05-20\r\n"
                  "  次元 じげん Jigen - 2040-01-01\n");
    EXPECT_TRUE(table.problems().empty());
    ASSERT_EQ(table.addedEras().size(), 2u);
    const HistoricalEra& added = table.addedEras()[0];
    EXPECT_EQ(added.name, "新元");
    EXPECT_EQ(added.reading, "しんげん");
    EXPECT_EQ(added.romanised, "Shingen");
    EXPECT_EQ(added.initial, 'N');
    EXPECT_EQ(added.firstDay, (EraDay{2025, 5, false, 20}));
    EXPECT_EQ(table.addedEras()[1].initial, '\0');
    EXPECT_EQ(table.sourceOf(added), std::string(kPath) + ":3");
    EXPECT_EQ(table.sourceOf(table.addedEras()[1]), std::string(kPath) + ":4");
    EXPECT_EQ(table.sourceOf(table.eras().front()), "built-in");
    EXPECT_EQ(table.eras().size(), kHistoricalEras.size() + 2);
}

// Each bad line is named with its file and line and left out; the lines
// around it stay.
TEST(EraFileTest, NamesEachBadLineAndKeepsTheOthers)
{
    struct Row {
        const char* line;
        const char* problem;
    };
    const Row rows[] = {
        {"新元 しんげん Shingen N",
         "expected five fields (name, reading, romanised name, initial, first day), found 4"},
        {"New しんげん Shingen N 2030-01-01", "the name 'New' holds Latin letters, digits or signs"},
        {"新元 シンゲン Shingen N 2030-01-01", "the reading 'シンゲン' is not written in hiragana"},
        {"新元 しんげん 新元 N 2030-01-01", "the romanised name '新元' is not written in Latin letters"},
        {"新元 しんげん Shingen NN 2030-01-01", "the initial 'NN' is not one Latin letter or '-'"},
        {"新元 しんげん Shingen N 2030-02-30", "the first day '2030-02-30' is not a date written YYYY-MM-DD"},
        {"新元 しんげん Shingen N 2019-04-01",
         "the era 新元 begins on 2019-04-01, not after the last known era, 次元 (2028-01-01)"},
        {"令和 れいわ Reiwa N 2030-01-01", "the era 令和 has the name of 令和"},
        {"新元 しんげん Shingen h 2030-01-01", "the era 新元 has the initial of 平成"},
        {"新元 しんげん showa N 2030-01-01", "the era 新元 has the romanised name of 昭和"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        EraTable table;
        table.addFile(kPath,
                      std::string("次元 じげん Jigen J 2028-01-01\n") + row.line
                          + "\n終元 しゅうげん Shugen S2 2099-01-01\n");
        ASSERT_EQ(table.problems().size(), 2u);
        EXPECT_EQ(table.problems()[0].text(), std::string(kPath) + ":2: " + row.problem);
        EXPECT_EQ(table.problems()[1].line, 3); // a bad initial on the third line too
        ASSERT_EQ(table.addedEras().size(), 1u);
        EXPECT_EQ(table.addedEras()[0].name, "次元");
    }
}

TEST(EraFileTest, LaterLinesAndFilesFollowTheEarlierOnes)
{
    EraTable table;
    table.addFile("/etc/xdg/a", "新元 しんげん Shingen N 2030-01-01\n");
    table.addFile("/home/u/b", "次元 じげん Jigen J 2029-01-01\n新元 しんげん Shingenni - 2031-01-01\n");
    ASSERT_EQ(table.problems().size(), 2u);
    EXPECT_EQ(table.problems()[0].text(),
              "/home/u/b:1: the era 次元 begins on 2029-01-01, not after the last known era, 新元 (2030-01-01)");
    EXPECT_EQ(table.problems()[1].text(), "/home/u/b:2: the era 新元 has the name of 新元");
}

TEST(EraFileTest, FindsTheFilesBesideTheSettingsAndUnderTheConfigurationFolders)
{
    EXPECT_EQ(userEraFilePath("/home/u/.config/Harunagi/erakon/erakon.ini"),
              "/home/u/.config/Harunagi/erakon/eras.conf");
    EXPECT_EQ(userEraFilePath(""), "");
    EXPECT_EQ(administratorEraFilePath("", "/usr/bin/erakon"), "/etc/xdg/Harunagi/erakon/eras.conf");
    EXPECT_EQ(administratorEraFilePath("relative:/opt/xdg:/etc/xdg", "/usr/bin/erakon"),
              "/opt/xdg/Harunagi/erakon/eras.conf");
}

TEST(EraFileTest, AMissingFileIsNoProblemAndAFolderIsOne)
{
    const std::vector<std::string> paths{"/nonexistent/eras.conf", "/tmp"};
    const EraTable table = readEraTable(paths);
    EXPECT_TRUE(table.addedEras().empty());
    ASSERT_EQ(table.problems().size(), 1u);
    EXPECT_EQ(table.problems()[0].text(), "/tmp:0: not a regular file of at most 64 KiB; left out");
}

// An added era beginning on 20 May 2025 in the reading and description of a year.
class AddedEraTest : public testing::Test {
protected:
    AddedEraTest() { table.addFile(kPath, "新元 しんげん Shingen N 2025-05-20\n"); }

    YearDescription described(std::string_view text) const
    {
        const QueryResult result = parseYearQuery(text, nullptr, table.eras());
        EXPECT_TRUE(result) << text;
        return describeYear(result ? *result.query : westernYearQuery(0), nullptr, kToday, table.eras());
    }

    EraTable table;
};

TEST_F(AddedEraTest, ReadsItByEveryName)
{
    for (const std::string_view text : {"新元3", "しんげん3年", "Shingen 3", "N3", "n03.01.01"}) {
        const YearDescription description = described(text);
        EXPECT_EQ(description.westernYear, 2027) << text;
        EXPECT_EQ(description.note, "") << text;
    }
    EXPECT_EQ(described("新元元年").askedText, "新元元年");
}

TEST_F(AddedEraTest, FollowsReiwaInTheDescription)
{
    const YearDescription changeYear = described("2025");
    EXPECT_EQ(changeYear.summary(), "2025年 — 令和7年・新元元年, 2年後, 巳（み）");
    ASSERT_EQ(changeYear.eraYears.size(), 6u);
    EXPECT_EQ(changeYear.eraYears[5].text, "新元元年");
    EXPECT_EQ(changeYear.eraYears[5].row, std::nullopt);

    EXPECT_EQ(described("2026").eraText, "新元2年");
    EXPECT_EQ(described("2023").eraText, "令和5年");
    EXPECT_EQ(described("2025-05-19").eraText, "令和7年5月19日");
    EXPECT_EQ(described("2025-05-20").eraText, "新元元年5月20日");
    EXPECT_EQ(described("令和10").note, "令和は2025年5月19日までです");
    EXPECT_EQ(described("新元元年5月19日").note, "新元は2025年5月20日からです");
}

// The user era comes after the added eras and is still read by its name.
TEST_F(AddedEraTest, KeepsTheUserEraLast)
{
    const UserEra founding{"創業", 1880};
    const QueryResult result = parseYearQuery("創業146", &founding, table.eras());
    ASSERT_TRUE(result);
    const YearDescription description = describeYear(*result.query, &founding, kToday, table.eras());
    EXPECT_EQ(description.askedText, "創業146年");
    EXPECT_EQ(description.eraYears.back().row, EraRow::UserDefined);
}

} // namespace
} // namespace erakon
