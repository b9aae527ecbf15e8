// SPDX-License-Identifier: MIT
// Entering the table page: the whole year table built, a line selected and
// centred, and the one repaint that follows, on the offscreen platform.
#include "window/table_page.h"

#include "core/clock.h"
#include "core/table_line.h"

#include <QCoreApplication>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

namespace {

using namespace erakon;

const DateTime kNow = makeDateTime(2023, 5, 20, 14, 5, 9);

// The page as the window shows it: its size on the default window and the
// program's 11-pixel Japanese face.
void showLikeTheWindow(TablePage& page)
{
    QFont font;
    font.setFamilies({QStringLiteral("Meiryo UI"), QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(11);
    page.setFont(font);
    page.resize(391, 260);
    page.show();
    QCoreApplication::processEvents();
}

// Entering the page again with the same table text (the usual case: the
// current year and the zodiac setting are as they were, the text unedited).
void BM_EnterTablePage(benchmark::State& state, const char* searchText)
{
    FixedClock clock(kNow);
    TablePage page(clock);
    page.setShowEtoSource([] { return true; });
    showLikeTheWindow(page);

    const QString search = QString::fromUtf8(searchText);
    for (auto _ : state) {
        page.build(search);
        QCoreApplication::processEvents(); // the build's one repaint
    }
}
BENCHMARK_CAPTURE(BM_EnterTablePage, EraChangeYear, "2019")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EnterTablePage, FirstYear, "1868")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EnterTablePage, LastYear, "2117")->Unit(benchmark::kMicrosecond);

// Entering the page with a table text that differs from the one shown (the
// zodiac setting flips every time), so the box takes the whole text anew.
void BM_EnterTablePageNewText(benchmark::State& state)
{
    FixedClock clock(kNow);
    TablePage page(clock);
    bool showEto = false;
    page.setShowEtoSource([&] { return showEto = !showEto; });
    showLikeTheWindow(page);

    const QString search = QStringLiteral("2019");
    for (auto _ : state) {
        page.build(search);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_EnterTablePageNewText)->Unit(benchmark::kMicrosecond);

// The text alone: both lines of every year through the date formatter.
void BM_TableLinesOnly(benchmark::State& state)
{
    using namespace std::chrono;
    for (auto _ : state) {
        for (int y = 1868; y <= 2117; ++y) {
            benchmark::DoNotOptimize(TableLine(year{y} / January / 1, 2023, true));
            benchmark::DoNotOptimize(TableLine(year{y} / December / 31, 2023, true));
        }
    }
}
BENCHMARK(BM_TableLinesOnly)->Unit(benchmark::kMicrosecond);

} // namespace
