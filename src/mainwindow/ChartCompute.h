// Computing a chart: longitudes, the aspect table and the reports for the
// moments already read into dblChartJD.
#pragma once

#include "mainwindow/AspectGrid.h"

#include <QString>

namespace qal {

struct ChartReports {
    QString strReport; // single-chart modes: counts, patterns, retrograde bodies
    QString strReport1; // two-chart modes: one line of counts
    int intRetrogradeCount = 0;
    QString strRetrogradeList; // abbreviations, each followed by a blank
};

// 10 bodies, or 9 (without the Moon) in the Personal modes when the
// transiting Moon is excluded.
int NumBodiesForMode(int intMode);

// Fills the grid and the reports of the mode from dblChartJD, computing the
// longitudes and retrograde flags, the aspects (intAspectCount) and, in the
// single-chart modes, the patterns (intPatternCount). blnRadians shows
// angles as radians with 4 decimals.
void ComputeChart(int intMode, bool blnRadians, AspectGrid& grid, ChartReports& reports, int intPatternCount[14]);

// The window title of a mode with its orbs.
QString ChartTitle(int intMode);

// strTitle, two blanks and the orb: "Orb 8°" when all orbs are equal (with
// "." when asked), else "Orbs: 4° to 10°". blnPersonal takes the orbs of the
// personal-transit column, or of the synastry column when blnSynastry.
QString AddOrbToTitle(const QString& strTitle, bool blnPersonal, bool blnSynastry, bool blnAddPeriod = false);

// "<" before the range of the ephemeris (−99), ">" after it (−100), else "?".
QString LongitudeErrorText(int intCode);

// Bold face and colour of an aspect cell of kind k with deviation d, judged
// against orb column intOrbColumn.
void FormatAspectCell(int intOrbColumn, GridCell& cell, int k, double d);

// "2 trines", "1 quincunx", "2 quincunxes"; German names stay unchanged.
QString AspectCountText(int k, int intCount);

} // namespace qal
