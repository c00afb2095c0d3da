// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The atlas searched as one types in the place dialog: every keystroke's
// list (target: within 50 ms), and a birth date set read with its place's
// clock that day.
#include "BenchSupport.h"
#include "dates/DatePr2.h"
#include "dates/PlaceSearch.h"

#include <benchmark/benchmark.h>

using namespace qal;

namespace {

// The lists of "Springfield, Illinois" typed a letter at a time.
void BM_AtlasSearchPerKeystroke(benchmark::State& state)
{
    const QString strTyped = QStringLiteral("Springfield, Illinois");
    SearchPlaces(strTyped); // the atlas read once, as the dialog's first keystroke does
    std::size_t intListed = 0;
    for (auto _ : state) {
        for (qsizetype n = 1; n <= strTyped.size(); ++n)
            intListed += SearchPlaces(strTyped.left(n), 50).size();
    }
    state.SetItemsProcessed(state.iterations() * strTyped.size());
    state.counters["listed"] = static_cast<double>(intListed) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_AtlasSearchPerKeystroke)->Unit(benchmark::kMillisecond);

// A date set at a place before standard time, read as the computation reads it.
void BM_ReadDateSetWithItsPlace(benchmark::State& state)
{
    DateSetInput set;
    set.strYear = QStringLiteral("1879");
    set.intMonth = 3, set.intDay = 14;
    set.intClockSeconds = 11 * 3600 + 30 * 60;
    set.place = PlaceOfCity(SearchPlaces(QStringLiteral("Ulm"), 1).front());
    for (auto _ : state) {
        DateSetInput read = set;
        benchmark::DoNotOptimize(ReadDateSet(read, 0).dblMoment);
    }
}
BENCHMARK(BM_ReadDateSetWithItsPlace)->Unit(benchmark::kMicrosecond);

} // namespace
