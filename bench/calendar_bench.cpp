// SPDX-License-Identifier: MIT
// Figures for the calendar core: the formatter runs once a second for the
// status-bar clock and twice per line (250 years) for the year table; the
// conversion of one year runs at every keystroke in a year box.
#include "core/conversion.h"
#include "core/date_format.h"
#include "core/era_table.h"
#include "core/year_description.h"
#include "core/year_query.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

namespace {

erakon::DateFormatSettings japaneseSettings()
{
    erakon::DateFormatSettings s;
    s.ShortDayNames = {"日", "月", "火", "水", "木", "金", "土"};
    s.LongDayNames = {"日曜日", "月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日"};
    return s;
}

void BM_FormatEraOfYear(benchmark::State& state)
{
    const erakon::DateFormatSettings settings = japaneseSettings();
    const erakon::DateTime date = erakon::makeDateTime(2019, 12, 31);
    for (auto _ : state)
        benchmark::DoNotOptimize(erakon::formatDatePattern("ggge", date, settings));
}
BENCHMARK(BM_FormatEraOfYear);

void BM_FormatClock(benchmark::State& state)
{
    const erakon::DateFormatSettings settings = japaneseSettings();
    const erakon::DateTime now = erakon::makeDateTime(2023, 5, 20, 14, 5, 9);
    for (auto _ : state)
        benchmark::DoNotOptimize(erakon::formatDatePattern("ggge年(yyyy年) m月d日(aaa)  HH:MM", now, settings));
}
BENCHMARK(BM_FormatClock);

void BM_FormatDateTime(benchmark::State& state)
{
    const erakon::DateFormatSettings settings = japaneseSettings();
    const erakon::DateTime now = erakon::makeDateTime(2023, 5, 20, 14, 5, 9);
    for (auto _ : state)
        benchmark::DoNotOptimize(erakon::formatDatePattern("c", now, settings));
}
BENCHMARK(BM_FormatDateTime);

void BM_YearSentence(benchmark::State& state)
{
    const auto today = std::chrono::year{2023} / 5 / 20;
    int year = 1868;
    for (auto _ : state) {
        benchmark::DoNotOptimize(erakon::YearSentence(year, today, true));
        year = year == 2117 ? 1868 : year + 1;
    }
}
BENCHMARK(BM_YearSentence);

void BM_ConvertYear(benchmark::State& state)
{
    const auto today = std::chrono::year{2023} / 5 / 20;
    const erakon::EraOffsets offsets = erakon::eraOffsetsFor(erakon::kDefaultUserEraOrigin);
    int year = 1868;
    for (auto _ : state) {
        benchmark::DoNotOptimize(erakon::convertYear(year, offsets, today, {.showEto = true, .showBold = true}));
        year = year == 2117 ? 1868 : year + 1;
    }
}
BENCHMARK(BM_ConvertYear);

// What a search field asks on every keystroke: texts that are queries and texts that are not.
void BM_ParseYearQuery(benchmark::State& state)
{
    static const std::array<std::string_view, 8> texts{"1989",    "令和5",    "H31",        "昭和64年1月7日",
                                                       "firefox", "terminal", "2023-02-30", "１９８９年"};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(erakon::parseYearQuery(texts[i]));
        i = (i + 1) % texts.size();
    }
}
BENCHMARK(BM_ParseYearQuery);

// The other ways of writing a year: kanji numerals, readings, romanised names,
// historical eras, and a text with two readings.
void BM_ParseOtherForms(benchmark::State& state)
{
    static const std::array<std::string_view, 6> texts{"昭和六十四年", "れいわ5",   "heisei gannen",
                                                       "元禄15",       "しょうわ5", "R05.04.01"};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(erakon::parseYearQuery(texts[i]));
        i = (i + 1) % texts.size();
    }
}
BENCHMARK(BM_ParseOtherForms);

// A year of an era before 明治, described with its notes.
void BM_DescribeHistoricalEraYear(benchmark::State& state)
{
    const erakon::QueryResult query = erakon::parseYearQuery("慶応4年1月1日");
    constexpr auto today = std::chrono::year{2023} / 5 / 20;
    for (auto _ : state)
        benchmark::DoNotOptimize(erakon::describeYear(*query.query, nullptr, today).summary());
}
BENCHMARK(BM_DescribeHistoricalEraYear);

// A query's year in the program's words, with its one-line summary.
void BM_DescribeYear(benchmark::State& state)
{
    const auto today = std::chrono::year{2023} / 5 / 20;
    int year = 1868;
    for (auto _ : state) {
        benchmark::DoNotOptimize(erakon::describeYear(erakon::westernYearQuery(year), nullptr, today).summary());
        year = year == 2117 ? 1868 : year + 1;
    }
}
BENCHMARK(BM_DescribeYear);

} // namespace

BENCHMARK_MAIN();
