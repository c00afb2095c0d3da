// Speed of the pattern searches and of the day-number conversions.
#include "aspects/Aspects.h"
#include "aspects/Patterns.h"
#include "astro/AstroTables.h"
#include "dates/DatePr2.h"
#include "settings/Configuration.h"
#include "text/Texts.h"

#include <benchmark/benchmark.h>

using namespace qal;

namespace {

double Rad(double dblDegrees)
{
    return dblDegrees / 360.0 * dblTwoPi;
}

// A chart with several patterns among all ten bodies: grand trines, a kite,
// a T-square, a stellium and midpoints.
void BuildBusyChart()
{
    LoadProgramTexts(QStringLiteral(QAL_DATA_DIR), QStringLiteral("qal.dat"));
    InitAstroTables(QStringLiteral(QAL_DATA_DIR));
    SetOrbs();
    const double degrees[11] = { 0, 10, 14, 18, 191, 131, 101, 250, 300, 340, 205 };
    for (int b = 1; b <= 10; ++b)
        dblLongitude[0][b] = Rad(degrees[b]);
    intNumBodies = 10;
}

void BM_FullPatternRun(benchmark::State& state)
{
    BuildBusyChart();
    int intPatternCount[14] = {};
    for (auto _ : state)
        benchmark::DoNotOptimize(RunPatternSearches(false, intPatternCount));
    int intFound = 0;
    for (int c : intPatternCount)
        intFound += c;
    state.counters["patterns"] = intFound;
}
BENCHMARK(BM_FullPatternRun)->Unit(benchmark::kMicrosecond);

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
