// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The duration records of the aspects of a chart: one fixed-layout line per
// aspect of the table, which the durations window sorts and shows.
//
//   1–2   first body (right-aligned)        3–4  second body
//   5–6   the first body again              7–8  aspect kind, with a leading blank
//   9     a blank                           10–17 deviation, radians, six decimals
//   18–25 beginning day number              26–33 end day number
//   34–39 duration in days (end − beginning + 1)
//
// In the Natal and Synastry modes characters 18–39 are 22 "-"; for an aspect
// of the Moon in the other modes 22 blanks. When a day is not known both day
// numbers are −1 and the duration is blank.
#pragma once

#include "aspects/AspectSpans.h"
#include "aspects/Orbs.h"
#include "chart/AspectGrid.h"
#include "chart/ChartCompute.h"

#include <QStringList>

#include <optional>

namespace qal {

// What the durations of a chart are computed from.
struct DurationInputs {
    int intMode = modeNone;
    double dblChartJD[3] = {}; // the chart's moments (UT) of the date sets it uses
    double dblDayValue = 0; // the current moment: local day number + local clock time
    int intTimezoneMinutes = 0; // the current moment's zone
    bool blnSidereal = false;
    // Personal modes with a natal place: the natal Ascendant and Midheaven
    // (radians), which stand still for the transits; negative: none.
    double dblNatalAngle[2] = { -1, -1 };
    bool operator==(const DurationInputs&) const = default;
};

// In the Personal modes the first body of an aspect is natal and stands
// still at its birth longitude (radians, of the natal chart's moment), a
// natal angle at its own; none in the other modes.
std::optional<double> FixedFirstLongitude(const DurationInputs& in, int intFirstBody, const LongitudeSource& source);

// The question when an aspect of the chart began and ends: the bodies in
// the record's order, the orb column of the mode, the current moment in its
// zone, the natal body standing still.
AspectSpanQuery SpanQueryOf(
    const DurationInputs& in, int intFirstBody, int intSecondBody, int intKind, const LongitudeSource& source);

// The two bodies of an aspect cell in the record's order: Planetary and
// Natal: the row's body, then the column's; Personal: the natal body (row),
// then the transiting body (column); Synastry: chart 1's body (column), then
// chart 2's (row).
void RecordBodies(int intMode, const CellBodies& bodies, int& intFirst, int& intSecond);

// One record per aspect kind named in each cell of the grid.
QStringList DurationRecords(const AspectGrid& grid, const DurationInputs& inputs, const OrbTable& udtOrbs);

// In the Personal modes, one record per transit to a natal angle (the
// chart's angle aspects; the first body intAscendant or intMidheaven).
QStringList AngleDurationRecords(
    const std::vector<ChartAspect>& angleAspects, const DurationInputs& inputs, const OrbTable& udtOrbs);

// The fields of a record.
struct DurationRecord {
    int intFirstBody = 0;
    int intSecondBody = 0;
    int intKind = 0;
    double dblDeviation = 0;
    bool blnDaysComputed = false; // false for fixed charts and the Moon
    int intBeginning = -1; // day numbers; −1 not known
    int intEnd = -1;
    int intDays = 0; // 0 when not known
};
DurationRecord ParseDurationRecord(const QString& strRecord);

} // namespace qal
