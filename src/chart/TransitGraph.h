// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The transit graph: how far a transiting body stands from the exact aspect
// to a natal body, row by row through the days the transit lasts.
//
// Coordinates are pixels of the graph (one pixel is 15 twips): time runs
// down 392 rows from y = 21, distance from exact runs across, exact at
// x = 420, the orb 300 pixels to either side. 28 grid rows of 14 pixels
// divide the time; seven grid columns of 40 pixels each side the distance.
#pragma once

#include "astro/Longitudes.h"

#include <QString>

#include <vector>

namespace qal {

constexpr int intGraphTop = 21; // y of the first row
constexpr int intGraphRows = 392;
constexpr int intGraphExactX = 420;
constexpr int intGraphOrbWidth = 300; // pixels for the whole orb
constexpr int intGraphGridRows = 28;
constexpr int intGraphGridRowHeight = 14;
constexpr int intGraphGridColumns = 7;
constexpr int intGraphGridColumnWidth = 40;
constexpr int intGraphLeft = 120; // left end of the grid rows
constexpr int intGraphRight = 720;

struct TransitGraphScale {
    double dblStart = 0; // moment (UT) of row 0
    double dblTimePerRow = 0; // days
    double dblOrb = 0; // radians
    int intTimezoneMinutes = 0; // for the labels
};

// The scale from the day numbers the transit begins and ends on: from the
// local midnight starting the first day to the one ending the last.
TransitGraphScale MakeTransitGraphScale(
    double dblBeginningDay, double dblEndDay, double dblTransitOrb, int intTimezoneMinutes);

// The moment of a row, and of the point at y twips (a right click).
double RowMoment(const TransitGraphScale& scale, int intRow);
double MomentAtY(const TransitGraphScale& scale, int intYTwips);
// The signed distance from exact (radians) at x twips: positive when the
// transiting body is ahead of the exact point.
double DistanceAtX(const TransitGraphScale& scale, int intXTwips);

// The exact point of aspect kind k to a natal longitude: the natal
// longitude for a conjunction, its opposite for an opposition, otherwise the
// side of the natal longitude (+ or − the aspect's angle) nearer to where the
// transiting body stands now. Radians.
double ExactPoint(double dblNatal, int k, double dblTransitingNow);

// x of each row's point of the curve, or −1 where the body is outside the orb.
struct TransitCurves {
    std::vector<int> distance; // the transit: distance from exact
    std::vector<int> motion; // the transiting body's daily motion: forward right, backward left
};
TransitCurves MakeTransitCurves(
    const LongitudeSource& source, int intTransiting, double dblExactPoint, const TransitGraphScale& scale);

// The grid row (1..28) the current moment falls in: the first whose moment
// is later than now less half a grid row; 0 when none.
int NowGridRow(const TransitGraphScale& scale, double dblNow);

// "2018-03-05 14:30": a moment in the graph's local time.
QString GraphMomentText(const TransitGraphScale& scale, double dblMoment);

} // namespace qal
