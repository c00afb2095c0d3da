// Speed of looking for patterns chart after chart (qal-cli find, a run
// without its waits), against the floor the ephemeris sets: the ten
// longitudes every chart needs. Items per second are charts per second.
#include "BenchSupport.h"
#include "aspects/Patterns.h"
#include "astro/Longitudes.h"
#include "chart/PatternSearch.h"
#include "settings/Configuration.h"

#include <benchmark/benchmark.h>

using namespace qal;

namespace {

constexpr double kFirstDay = 2415020.5; // 1900: inside the ephemeris' own data (1800 to 2400)
constexpr int kChartsPerRound = 1000;

// The floor: ten longitudes of one moment, a day after the moment before.
void BM_TenLongitudesFloor(benchmark::State& state)
{
    bench::EnsureTables();
    const LongitudeSource source = PreciseSource(false);
    double t = kFirstDay;
    for (auto _ : state) {
        for (int b = 1; b <= intMaxBodies; ++b)
            benchmark::DoNotOptimize(source(b, t));
        t = t < kFirstDay + 150 * 365.25 ? t + 1 : kFirstDay;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TenLongitudesFloor)->Unit(benchmark::kMicrosecond);

// Day after day with the default orbs, asking for a pattern that never
// holds so that every chart is looked at.
void BM_FindChartsPerSecond(benchmark::State& state)
{
    bench::EnsureTables();
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
            PreciseSource(false), orbs, query, [](const PatternFormation&) { return true; }, intCharts);
        query.dblFrom = query.dblFrom < kFirstDay + 150 * 365.25 ? query.dblUntil + 1 : kFirstDay;
    }
    state.SetItemsProcessed(intCharts);
}
BENCHMARK(BM_FindChartsPerSecond)->Unit(benchmark::kMillisecond);

} // namespace
