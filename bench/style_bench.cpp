// SPDX-License-Identifier: MIT
// Cost of the visual styles: switching a window of the main window's size and
// shape between styles (with the redraw), and what the service costs at start.
#include "bench/sample_window.h"
#include "styles/style_service.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using erakon::StyleService;

void applyOrDie(StyleService& service, const QString& name, benchmark::State& state)
{
    QString error;
    if (!service.setActiveStyle(name, &error))
        state.SkipWithError(error.toUtf8().constData());
}

// One switch between two styles, including the repaint of the shown window.
void switchBetween(benchmark::State& state, const QString& first, const QString& second)
{
    StyleService service;
    std::unique_ptr<QWidget> window(erakon::bench::makeSampleWindow());
    window->show();
    QApplication::processEvents();
    bool toFirst = true;
    for (auto _ : state) {
        applyOrDie(service, toFirst ? first : second, state);
        window->repaint();
        QApplication::processEvents();
        toFirst = !toFirst;
    }
    applyOrDie(service, StyleService::systemStyleName(), state);
}

void BM_SwitchCarriedStyles(benchmark::State& state)
{
    switchBetween(state, QStringLiteral("Carbon"), QStringLiteral("Luna"));
}
BENCHMARK(BM_SwitchCarriedStyles)->Unit(benchmark::kMillisecond);

// The system style replaces the application's QStyle object, which costs more.
void BM_SwitchSystemAndCarriedStyle(benchmark::State& state)
{
    switchBetween(state, StyleService::systemStyleName(), QStringLiteral("Windows10 Dark"));
}
BENCHMARK(BM_SwitchSystemAndCarriedStyle)->Unit(benchmark::kMillisecond);

// Every carried style in turn, as arrowing down the style list does.
void BM_WalkAllStyles(benchmark::State& state)
{
    StyleService service;
    std::unique_ptr<QWidget> window(erakon::bench::makeSampleWindow());
    window->show();
    QApplication::processEvents();
    const QStringList names = service.names();
    qsizetype next = 1;
    for (auto _ : state) {
        applyOrDie(service, names[next], state);
        window->repaint();
        QApplication::processEvents();
        next = next + 1 < names.size() ? next + 1 : 1;
    }
    applyOrDie(service, StyleService::systemStyleName(), state);
}
BENCHMARK(BM_WalkAllStyles)->Unit(benchmark::kMillisecond);

// What start-up pays: creating the service, and filling the list from names().
void BM_CreateService(benchmark::State& state)
{
    for (auto _ : state) {
        StyleService service;
        benchmark::DoNotOptimize(service.activeName());
    }
}
BENCHMARK(BM_CreateService)->Unit(benchmark::kMicrosecond);

void BM_CreateServiceAndListNames(benchmark::State& state)
{
    for (auto _ : state) {
        StyleService service;
        benchmark::DoNotOptimize(service.names());
    }
}
BENCHMARK(BM_CreateServiceAndListNames)->Unit(benchmark::kMicrosecond);

} // namespace
