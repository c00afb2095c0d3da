#include "astro/ChartState.h"

namespace qal {

ChartPositions udtShownChart;
double dblChartJD[3] = {};
double (&dblLongitude)[2][intMaxBodies + 1] = udtShownChart.dblLongitude;
bool (&intRetrograde)[2][intMaxBodies + 1] = udtShownChart.intRetrograde;
int& intNumBodies = udtShownChart.intNumBodies;
int intAspectCount[8] = {};

} // namespace qal
