// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The positions of a chart, and the module-wide chart state of the chart the
// main window shows.
//
// Core algorithms take a ChartPositions (or the longitudes they need) as an
// argument. The module-wide state below is written by exactly one routine,
// PublishChart (chart/ChartCompute.h), which the main window's computation
// calls; everything else only reads it.
#pragma once

namespace qal {

// The bodies by number, as every table of the program counts them.
constexpr int intSun = 1;
constexpr int intMercury = 2;
constexpr int intVenus = 3;
constexpr int intMars = 4;
constexpr int intJupiter = 5;
constexpr int intSaturn = 6;
constexpr int intUranus = 7;
constexpr int intNeptune = 8;
constexpr int intPluto = 9;
constexpr int intMoon = 10;
constexpr int intMaxBodies = 10;
// The angles of a chart with a place, as points beyond the bodies: the
// natal ones stand still for transits as natal bodies do.
constexpr int intAscendant = 11;
constexpr int intMidheaven = 12;
constexpr int intMaxPoints = 12;

// Longitudes (radians; negative = not available) and retrograde flags of the
// bodies 1..10 of up to two charts: slot 0 holds the single chart, or the
// first chart of two (transits, or natal chart 1 in synastry); slot 1 the second.
struct ChartPositions {
    double dblLongitude[2][intMaxBodies + 1] = {};
    bool intRetrograde[2][intMaxBodies + 1] = {}; // a 16-bit boolean in the design; a bool here as every boolean
    int intNumBodies = intMaxBodies; // 9 leaves the Moon out
};

// --- The chart the main window shows ---
// Read on the window's thread; written only through SetShownChart, which
// the main window's PublishChart and PublishInvalidDate call
// (chart/ChartCompute.h).
struct ShownChartState {
    ChartPositions positions;
    double dblChartJD[3] = {}; // moments (UT) of date sets 0..2; negative = invalid
    int intAspectCount[8] = {}; // aspects of each kind 1..7 in the shown table
};
extern const ChartPositions& udtShownChart;
extern const double (&dblChartJD)[3];
extern const double (&dblLongitude)[2][intMaxBodies + 1]; // the shown chart's longitudes
extern const bool (&intRetrograde)[2][intMaxBodies + 1];
extern const int& intNumBodies;
extern const int (&intAspectCount)[8];
void SetShownChart(const ShownChartState& state);
// The state as it is now (to change a part of it).
ShownChartState ShownChartNow();

} // namespace qal
