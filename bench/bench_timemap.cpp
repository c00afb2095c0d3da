// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The time map: fifteen months of transits to a natal chart and a year of the
// sky, computed with the events of their strip and drawn as the window does; ten years of the sky with the
// Moon computed on the work pool as the window has it done, and how soon such
// a computation stops when cancelled half-way; and a repaint of a drawn map
// (what scrolling and pointing cost).
#include "BenchSupport.h"
#include "chart/ChartModes.h"
#include "chart/TimeMap.h"
#include "drawing/TimeMapPicture.h"
#include "settings/Configuration.h"
#include "util/Twips.h"

#include "util/WorkPool.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

using namespace qal;

namespace {

constexpr double kDecember2026 = 2461381.0; // 6 December 2026, 12:00 UT
constexpr double kJune1970 = 2440738.79; // 1 June 1970, 07:00 UT
constexpr int intMapWidthTwips = 1400 * intTwipsPerPixel;

TimeMapRequest Request(int intMode, int intMonths, bool blnMoon = false)
{
    TimeMapRequest request;
    request.chart.intMode = intMode;
    request.chart.dblChartJD[0] = kDecember2026;
    request.chart.dblChartJD[1] = kJune1970;
    request.blnMovingMoon = blnMoon;
    TimeMapSpan(kDecember2026, intMonths, 0, request.dblFrom, request.dblUntil);
    return request;
}

// The map's rows computed as a job on the work pool, as the window has them
// computed while its own thread only looks in now and then.
Job<TimeMapComputed> StartMapJob(const TimeMapRequest& request)
{
    return StartJob<TimeMapComputed>([request](JobControl& control) {
        const ConfigurationSettings config;
        return ComputeTimeMapWithEvents(request, config, OrbTableFor(config), WatchOf(control));
    });
}

void WaitUntil(const std::function<bool()>& done)
{
    while (!done())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

TimeMapDrawing Compute(int intMode, int intMonths)
{
    const TimeMapRequest request = Request(intMode, intMonths);
    const ConfigurationSettings config;
    return MakeTimeMapDrawing(request, ComputeTimeMapWithEvents(request, config, OrbTableFor(config)), config,
        kDecember2026, QString(), false);
}

void BM_TimeMapOfTransits(benchmark::State& state)
{
    bench::EnsureTables();
    for (auto _ : state) {
        const TimeMapDrawing drawing = Compute(modePersonal1, 15);
        benchmark::DoNotOptimize(PaintTimeMap(drawing, LayOutTimeMap(drawing, intMapWidthTwips)));
    }
}
BENCHMARK(BM_TimeMapOfTransits)->Unit(benchmark::kMillisecond);

void BM_TimeMapOfTheSky(benchmark::State& state)
{
    bench::EnsureTables();
    for (auto _ : state) {
        const TimeMapDrawing drawing = Compute(modePlanetary, 12);
        benchmark::DoNotOptimize(PaintTimeMap(drawing, LayOutTimeMap(drawing, intMapWidthTwips)));
    }
}
BENCHMARK(BM_TimeMapOfTheSky)->Unit(benchmark::kMillisecond);

void BM_TimeMapTenYearsWithTheMoonOnThePool(benchmark::State& state)
{
    bench::EnsureTables();
    std::size_t intRows = 0;
    for (auto _ : state) {
        Job<TimeMapComputed> job = StartMapJob(Request(modePlanetary, 120, true));
        WaitUntil([&] { return job.Ready(); });
        intRows = job.Take().rows.size();
    }
    state.counters["rows"] = static_cast<double>(intRows);
    state.counters["workers"] = WorkPoolWorkers();
}
BENCHMARK(BM_TimeMapTenYearsWithTheMoonOnThePool)->UseRealTime()->Unit(benchmark::kMillisecond);

// From the request to stop, made when a third is done, to the job's end.
void BM_TimeMapCancelLatency(benchmark::State& state)
{
    bench::EnsureTables();
    for (auto _ : state) {
        Job<TimeMapComputed> job = StartMapJob(Request(modePlanetary, 120, true));
        WaitUntil([&] { return job.Ready() || job.Control().Progress() >= 1.0 / 3; });
        const auto asked = std::chrono::steady_clock::now();
        job.Control().RequestStop();
        WaitUntil([&] { return job.Ready(); });
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - asked).count());
    }
}
BENCHMARK(BM_TimeMapCancelLatency)->UseManualTime()->Unit(benchmark::kMillisecond);

// A repaint of the drawn map at its size, as a scroll or a tooltip asks.
void BM_TimeMapRepaint(benchmark::State& state)
{
    bench::EnsureTables();
    const TimeMapDrawing drawing = Compute(modePersonal1, 13);
    const TimeMapLayout layout = LayOutTimeMap(drawing, intMapWidthTwips);
    const auto picture = PaintTimeMap(drawing, layout);
    QImage screen(layout.intWidth / intTwipsPerPixel, layout.intHeight / intTwipsPerPixel, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&screen);
        painter.scale(1.0 / intTwipsPerPixel, 1.0 / intTwipsPerPixel);
        picture->Replay(painter);
    }
}
BENCHMARK(BM_TimeMapRepaint)->Unit(benchmark::kMillisecond);

} // namespace
