// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "astro/ChartState.h"

namespace qal {
namespace {

ShownChartState g_shown; // the storage of the names below

} // namespace

const ChartPositions& udtShownChart = g_shown.positions;
const double (&dblChartJD)[3] = g_shown.dblChartJD;
const double (&dblLongitude)[2][intMaxBodies + 1] = g_shown.positions.dblLongitude;
const bool (&intRetrograde)[2][intMaxBodies + 1] = g_shown.positions.intRetrograde;
const int& intNumBodies = g_shown.positions.intNumBodies;
const int (&intAspectCount)[8] = g_shown.intAspectCount;

void SetShownChart(const ShownChartState& state)
{
    g_shown = state;
}

ShownChartState ShownChartNow()
{
    return g_shown;
}

} // namespace qal
