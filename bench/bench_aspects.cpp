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

// A chart with a grand trine and its kite, a T-square, a yod, a stellium and
// midpoints, among all ten bodies.
void BuildBusyChart()
{
    LoadProgramTexts(QStringLiteral(QAL_DATA_DIR), QStringLiteral("qal.dat"));
    InitAstroTables(QStringLiteral(QAL_DATA_DIR));
    SetOrbs();
    const double degrees[11] = {0, 10, 131, 250, 191, 12, 101, 281, 14, 70.5, 16};
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
