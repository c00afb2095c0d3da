// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Speed of the pattern searches and of the day-number conversions.
#include "BenchSupport.h"
#include "aspects/Aspects.h"
#include "aspects/Patterns.h"
#include "astro/AstroTables.h"
#include "dates/DatePr2.h"
#include "settings/Configuration.h"
#include "text/Texts.h"

#include <benchmark/benchmark.h>

using namespace qal;

namespace {

// A chart with several patterns among all ten bodies: grand trines, a kite,
// a T-square, a stellium and midpoints.
PatternSky BusyChart()
{
    bench::EnsureTables();
    const double degrees[11] = { 0, 10, 14, 18, 191, 131, 101, 250, 300, 340, 205 };
    double L[11] = {};
    for (int b = 1; b <= 10; ++b)
        L[b] = DegToRad(degrees[b]);
    const ConfigurationSettings config;
    return MakePatternSky(L, 10, OrbTableFor(config), MidpointOrbRadians(config));
}

void BM_FullPatternRun(benchmark::State& state)
{
    const PatternSky sky = BusyChart();
    int intPatternCount[14] = {};
    for (auto _ : state)
        benchmark::DoNotOptimize(RunPatternSearches(sky, false, intPatternCount));
    int intFound = 0;
    for (int c : intPatternCount)
        intFound += c;
    state.counters["patterns"] = intFound;
}
BENCHMARK(BM_FullPatternRun)->Unit(benchmark::kMicrosecond);

void BM_CountPatterns(benchmark::State& state)
{
    const PatternSky sky = BusyChart();
    int intPatternCount[14] = {};
    for (auto _ : state) {
        CountPatterns(sky, intPatternCount);
        benchmark::DoNotOptimize(intPatternCount);
    }
}
BENCHMARK(BM_CountPatterns)->Unit(benchmark::kMicrosecond);

void BM_DayNumberRoundTrip(benchmark::State& state)
{
    int n = 2458183;
    for (auto _ : state) {
        EuroDate udtDate;
        udtDate.calendar = platform::kGregorian;
        udtDate.dayNumber = n;
        platform::JdnToEuroDate(udtDate);
        benchmark::DoNotOptimize(platform::EuroDateToJdn(udtDate));
        n = n % 2743738 + 1;
    }
}
BENCHMARK(BM_DayNumberRoundTrip)->Unit(benchmark::kNanosecond);

} // namespace
