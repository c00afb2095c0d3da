// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "astro/ChartState.h"

namespace qal {

ChartPositions udtShownChart;
double dblChartJD[3] = {};
double (&dblLongitude)[2][intMaxBodies + 1] = udtShownChart.dblLongitude;
bool (&intRetrograde)[2][intMaxBodies + 1] = udtShownChart.intRetrograde;
int& intNumBodies = udtShownChart.intNumBodies;
int intAspectCount[8] = {};

} // namespace qal
