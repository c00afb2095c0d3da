// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Speed of the long searches of qal-cli against the floor the ephemeris sets:
// looking for patterns chart after chart (find, a run without its waits;
// items per second are charts per second, the floor ten longitudes a chart),
// and the aspect calendar of a span (aspects: the first lines, a year, and on
// request a century with its memory).
#include "BenchSupport.h"
#include "aspects/Patterns.h"
#include "astro/FastLongitudes.h"
#include "astro/Longitudes.h"
#include "chart/AspectCalendar.h"
#include "chart/PatternSearch.h"
#include "platform/ProcessMemory.h"
#include "settings/Configuration.h"
#include "util/SearchThreads.h"

#include <benchmark/benchmark.h>

#include <algorithm>

using namespace qal;

namespace {

constexpr double kFirstDay = 2415020.5; // 1900: inside the ephemeris' own data (1800 to 2400)
constexpr double kBenchDays = 150 * 365.25;
constexpr int kChartsPerRound = 40000; // enough for the threads' runs of charts

// The fast source's coefficients for the years the benchmarks search, made
// once before the first is timed (their making is measured on its own).
void WarmFastSource()
{
    static const bool blnWarm = [] {
        const LongitudeSource fast = FastSource(false);
        for (double t = kFirstDay; t < kFirstDay + kBenchDays + 400; t += 4)
            for (int b = 1; b <= intMaxBodies; ++b)
                fast(b, t);
        return true;
    }();
    (void)blnWarm;
}

// The floor: ten longitudes of one moment, a day after the moment before,
// from the ephemeris (0) or from the fast source (1).
void BM_TenLongitudesFloor(benchmark::State& state)
{
    bench::EnsureTables();
    WarmFastSource();
    const LongitudeSource source = state.range(0) ? FastSource(false) : PreciseSource(false);
    double t = kFirstDay;
    for (auto _ : state) {
        for (int b = 1; b <= intMaxBodies; ++b)
            benchmark::DoNotOptimize(source(b, t));
        t = t < kFirstDay + kBenchDays ? t + 1 : kFirstDay;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TenLongitudesFloor)->Arg(0)->Arg(1)->ArgNames({ "fast" })->Unit(benchmark::kMicrosecond);

// Day after day with the default orbs, asking for a pattern that never
// holds so that every chart is looked at; on one thread or two.
void BM_FindChartsPerSecond(benchmark::State& state)
{
    bench::EnsureTables();
    WarmFastSource();
    SetSearchThreads(static_cast<int>(state.range(0)));
    const ConfigurationSettings config;
    const OrbTable orbs = OrbTableFor(config);
    PatternSearchQuery query;
    query.intKind = patGrandTrine;
    query.intAtLeast = 99;
    query.dblStep = 1;
    query.dblMidpointOrb = MidpointOrbRadians(config);
    query.dblFrom = kFirstDay;
    long long intCharts = 0;
    for (auto _ : state) {
        query.dblUntil = query.dblFrom + kChartsPerRound - 1;
        FindPatternFormations(
            FastSource(false), orbs, query, [](const PatternFormation&) { return true; }, intCharts);
        // The next round within the years made ready, from their start again if need be.
        query.dblFrom = query.dblUntil + 1 + kChartsPerRound <= kFirstDay + kBenchDays ? query.dblUntil + 1 : kFirstDay;
    }
    SetSearchThreads(0);
    state.SetItemsProcessed(intCharts);
}
BENCHMARK(BM_FindChartsPerSecond)
    ->Arg(1)
    ->Arg(2)
    ->ArgNames({ "threads" })
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// Grand trines as qal-cli find looks for them: each new formation with its
// moment and its span, twenty of them from 1900.
void BM_FindGrandTrineFormations(benchmark::State& state)
{
    bench::EnsureTables();
    WarmFastSource();
    const ConfigurationSettings config;
    const OrbTable orbs = OrbTableFor(config);
    PatternSearchQuery query;
    query.intKind = patGrandTrine;
    query.dblMidpointOrb = MidpointOrbRadians(config);
    query.dblFrom = kFirstDay;
    query.dblUntil = kFirstDay + 100 * 365.25;
    long long intCharts = 0;
    for (auto _ : state) {
        int intFound = 0;
        FindPatternFormations(
            FastSource(false), orbs, query, [&](const PatternFormation&) { return ++intFound < 20; }, intCharts);
    }
    state.SetItemsProcessed(intCharts);
}
BENCHMARK(BM_FindGrandTrineFormations)->UseRealTime()->Unit(benchmark::kMillisecond);

// Making the fast source's coefficients for a century (2000 to 2100), from
// an empty cache, read in order on one thread: alone (1), or with the cache's
// own thread making each next block meanwhile (2); and the memory they take (MB).
void BM_FastSourceCentury(benchmark::State& state)
{
    bench::EnsureTables();
    SetSearchThreads(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        ClearFastSource();
        const LongitudeSource fast = FastSource(false);
        state.ResumeTiming();
        for (double t = 2451545.0; t < 2451545.0 + 36525; t += 4)
            for (int b = 1; b <= intMaxBodies; ++b)
                benchmark::DoNotOptimize(fast(b, t));
    }
    state.counters["memory_MB"] = FastSourceCacheBytes() / 1e6;
    SetSearchThreads(0);
}
BENCHMARK(BM_FastSourceCentury)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

AspectCalendarQuery PlanetarySky(double dblFrom, double dblYears)
{
    AspectCalendarQuery query;
    query.dblFrom = dblFrom;
    query.dblUntil = dblFrom + dblYears * 365.25;
    query.udtOrbs = OrbTableFor(ConfigurationSettings());
    return query;
}

// The first lines of a century of aspects of the sky from 1950 (inside the
// decades-long sextile of Neptune and Pluto, followed back to its beginning).
void BM_AspectsFirstLines(benchmark::State& state)
{
    bench::EnsureTables();
    for (auto _ : state) {
        AspectCalendar search(PlanetarySky(2433282.5, 100), FastSource(false));
        AspectCalendarPiece piece;
        search.NextPiece(piece);
        benchmark::DoNotOptimize(piece.events.size());
    }
}
BENCHMARK(BM_AspectsFirstLines)->UseRealTime()->Unit(benchmark::kMillisecond);

// Years of aspects of the sky from 1950, on one thread or two: events per
// second, and the most memory held above what was held at the start (MB).
void BM_AspectsOfYears(benchmark::State& state)
{
    bench::EnsureTables();
    WarmFastSource();
    SetSearchThreads(static_cast<int>(state.range(1)));
    long long intEvents = 0;
    double dblMostMemory = 0;
    for (auto _ : state) {
        const long long intStart = platform::ResidentMemoryBytes();
        AspectCalendar search(PlanetarySky(2433282.5, static_cast<double>(state.range(0))), FastSource(false));
        AspectCalendarPiece piece;
        while (search.NextPiece(piece)) {
            intEvents += static_cast<long long>(piece.events.size());
            dblMostMemory = std::max(dblMostMemory, (platform::ResidentMemoryBytes() - intStart) / 1e6);
        }
    }
    SetSearchThreads(0);
    state.SetItemsProcessed(intEvents);
    state.counters["memory_MB"] = dblMostMemory;
}
BENCHMARK(BM_AspectsOfYears)
    ->Args({ 10, 1 })
    ->Args({ 10, 2 })
    ->ArgNames({ "years", "threads" })
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
// A century, from 1950 (partly beyond the years made ahead): run on request (--benchmark_filter=Century).
BENCHMARK(BM_AspectsOfYears)
    ->Name("BM_AspectsOfACentury")
    ->Args({ 100, 1 })
    ->Args({ 100, 2 })
    ->ArgNames({ "years", "threads" })
    ->UseRealTime()
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

} // namespace
