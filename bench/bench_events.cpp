// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The sky's events: a decade of every kind (ingresses, stations, lunations,
// eclipses, the void Moon and the returns to a birth chart), with the fast
// source's cache emptied first (as a program that has just started finds
// it) and with it filled. The target: a decade within a second.
#include "BenchSupport.h"
#include "astro/FastLongitudes.h"
#include "chart/SkyEvents.h"

#include <benchmark/benchmark.h>

using namespace qal;

namespace {

void DecadeOfEvents(benchmark::State& state, bool blnCold)
{
    bench::EnsureTables();
    SkyEventQuery query;
    query.dblFrom = 2461041.5; // 1 January 2026
    query.dblUntil = query.dblFrom + 3652.5;
    query.dblNatalMoment = 2440738.79; // 1 June 1970, 07:00 UT
    size_t intEvents = 0;
    for (auto _ : state) {
        if (blnCold) {
            state.PauseTiming();
            ClearFastSource();
            state.ResumeTiming();
        }
        intEvents = SkyEventsBetween(query, FastSource(false)).size();
        benchmark::DoNotOptimize(intEvents);
    }
    state.counters["events"] = static_cast<double>(intEvents);
}

void BM_DecadeOfSkyEventsCold(benchmark::State& state)
{
    DecadeOfEvents(state, true);
}
BENCHMARK(BM_DecadeOfSkyEventsCold)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_DecadeOfSkyEventsWarm(benchmark::State& state)
{
    DecadeOfEvents(state, false);
}
BENCHMARK(BM_DecadeOfSkyEventsWarm)->Unit(benchmark::kMillisecond);

} // namespace
