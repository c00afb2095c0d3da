// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Speed of the longitude sources: the Pluto table load and the requests the
// computation makes for every chart.
#include "BenchSupport.h"
#include "astro/AstroTables.h"
#include "astro/Longitudes.h"
#include "astro/PlutoTable.h"
#include "chart/CoreStart.h"

#include <benchmark/benchmark.h>

using namespace qal;

namespace {
std::shared_ptr<qal::CoreRuntime> g_runtime; // from the first benchmark that needs it until StopRuntime
}

void qal::bench::EnsureTables()
{
    if (g_runtime)
        return;
    const CoreStartResult start = StartCore(QStringLiteral(QAL_DATA_DIR));
    if (!start.ok())
        qFatal("cannot start the engine: %s", qPrintable(start.strMessage));
    g_runtime = start.runtime;
}

void qal::bench::StopRuntime()
{
    g_runtime.reset();
}

namespace {

using qal::bench::EnsureTables;

void BM_LoadPlutoTable(benchmark::State& state)
{
    EnsureTables();
    for (auto _ : state) {
        QString strError;
        benchmark::DoNotOptimize(LoadPlutoTable(QStringLiteral(QAL_DATA_DIR "/pluto.slx"), strError));
    }
}
BENCHMARK(BM_LoadPlutoTable)->Unit(benchmark::kMillisecond);

// One body's longitude at a new moment each time, as stepping and runs ask.
void LongitudesFrom(benchmark::State& state, double t)
{
    EnsureTables();
    const int intBody = static_cast<int>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(LongitudeAt(intBody, t, false));
        t += 0.013;
    }
}

void BM_GetLongitude(benchmark::State& state)
{
    LongitudesFrom(state, 2458183.0625);
}
BENCHMARK(BM_GetLongitude)->Arg(4)->Arg(10)->Arg(9)->ArgNames({ "body" })->Unit(benchmark::kMicrosecond);

// Before 1800, where the installed ephemeris files do not reach, the analytic
// ephemeris answers.
void BM_GetLongitudeIn1700(benchmark::State& state)
{
    LongitudesFrom(state, 2341972.5);
}
BENCHMARK(BM_GetLongitudeIn1700)->Arg(4)->Arg(10)->ArgNames({ "body" })->Unit(benchmark::kMicrosecond);

void BM_TenBodiesWithRetrogradeFlags(benchmark::State& state)
{
    EnsureTables();
    double t = 2458183.0625;
    const LongitudeSource source = EphemerisSource(false);
    ChartPositions positions;
    for (auto _ : state) {
        for (int b = 1; b <= 10; ++b) {
            positions.dblLongitude[0][b] = source(b, t);
            positions.intRetrograde[0][b] = IsRetrogradeAt(source, b, positions.dblLongitude[0][b], t);
        }
        benchmark::DoNotOptimize(positions);
        t += 0.5;
    }
}
BENCHMARK(BM_TenBodiesWithRetrogradeFlags)->Unit(benchmark::kMicrosecond);

} // namespace
