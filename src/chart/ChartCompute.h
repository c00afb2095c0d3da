// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Computing a chart: longitudes, the aspect table and the reports of one
// chart mode at given moments, with a given configuration and orb table.
//
// ComputeChart touches no module-wide state, so a search over many moments
// can call it freely. PublishChart makes a result the chart the main window
// shows; the main window's computation is its only caller.
#pragma once

#include "aspects/Orbs.h"
#include "astro/AstroTables.h"
#include "astro/ChartAngles.h"
#include "chart/AspectGrid.h"
#include "chart/ChartReports.h"

#include <optional>

namespace qal {

struct ConfigurationSettings;

// A place's latitude and longitude, degrees north and east.
struct ChartPlace {
    double dblLatitude = 0;
    double dblLongitude = 0;
};

struct ChartRequest {
    int intMode = modeNone;
    double dblChartJD[3] = {}; // moments (UT) of the date sets the mode uses
    bool blnRadians = false; // angles shown as radians with 4 decimals
    std::optional<ChartPlace> place[3] = {}; // the date sets' places: the chart's angles and houses
};

// One aspect of the table: body of slot 0 (the sky, the transits or chart 1)
// or slot 1 (the natal chart, chart 2), the kind, the deviation from exact
// (radians) and the trend (+1 separating, −1 applying, 0 none).
struct ChartAspect {
    int intSlot1 = 0, intBody1 = 0;
    int intSlot2 = 0, intBody2 = 0;
    int intKind = 0;
    double dblDeviation = 0;
    int intTrend = 0;
};

struct ChartResult {
    ChartPositions udtPositions;
    std::vector<ChartAspect> aspects; // in the table's order
    ChartAngles angles[2]; // of slots 0 and 1, where their date sets have a place
    // Aspects of bodies to angles: intBody2 is intAscendant or intMidheaven
    // of slot intSlot2 (see chart/ChartAngleAspects.h).
    std::vector<ChartAspect> angleAspects;
    AspectGrid udtGrid;
    ChartReports udtReports;
    int intAspectCount[8] = {};
    // In: the counts so far; a pattern kind not found keeps its count (the
    // stepping clears them before each step).
    int intPatternCount[intNumPatternKinds] = {};
};

// Computes the chart of request: the longitudes and retrograde flags of its
// slots, the grid with positions and aspects, the aspect counts, the reports
// and, in the single-chart modes, the patterns.
void ComputeChart(
    const ChartRequest& request, const ConfigurationSettings& config, const OrbTable& udtOrbs, ChartResult& result);

// Makes result the shown chart: its moments, positions and aspect counts
// become the module-wide chart state (astro/ChartState.h).
void PublishChart(const ChartRequest& request, const ChartResult& result);

// Records that date set k could not be read (dblCode −1 .. −4): its moment in
// the chart state becomes the code, and nothing else changes.
void PublishInvalidDate(int k, double dblCode);

// The name of a chart mode ("Planetary", ...); the program's title for none.
QString ModeName(int intMode);
// The window title of a mode with its orbs: text 1, " - ", the mode's name,
// then the orbs as TitleWithOrbs gives them.
QString ChartTitle(int intMode, const OrbTable& udtOrbs);

// strTitle, two blanks and the orbs: "Orb 8°" when all orbs are equal (with
// "." when asked), else "Orbs: 4° to 10°". blnPersonal takes the orbs of the
// personal-transit column, or of the synastry column when blnSynastry.
QString TitleWithOrbs(
    const OrbTable& udtOrbs, const QString& strTitle, bool blnPersonal, bool blnSynastry, bool blnAddPeriod = false);

// "<" before the range of the ephemeris (−99), ">" after it (−100), else "?".
QString LongitudeErrorText(int intCode);

// Bold face and colour of an aspect cell of kind k with deviation d, judged
// against orb column intOrbColumn.
void FormatAspectCell(
    const ConfigurationSettings& config, const OrbTable& udtOrbs, int intOrbColumn, GridCell& cell, int k, double d);

} // namespace qal
