// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The course of an aspect of the chart shown around its current moment: the
// stretch within orb and its exact moments, to the minute, and their texts
// for the durations window and the details of an aspect.
#pragma once

#include "aspects/AspectMoments.h"
#include "aspects/Orbs.h"
#include "aspects/PatternSpans.h"
#include "aspects/Patterns.h"
#include "chart/Durations.h"

#include <QString>

#include <optional>

namespace qal {

// The question for the aspect of a record: in the Personal modes the natal
// body stands still at its birth longitude and the personal orbs judge.
AspectCourseQuery CourseQuery(
    const DurationRecord& record, const DurationInputs& in, const OrbTable& udtOrbs, const LongitudeSource& source);

// The stretch within orb that holds the current moment; none in the fixed
// modes or when the aspect does not hold.
std::optional<OrbStretch> CourseOfRecord(
    const DurationRecord& record, const DurationInputs& in, const OrbTable& udtOrbs, const LongitudeSource& source);

// "exact: 2018-03-07 05:12 (1 pass)", "exact: …, …, … (3 passes)" or "not
// exact in this span"; moments in the zone of intZoneMinutes.
QString ExactMomentsText(const OrbStretch& stretch, int intZoneMinutes);

// "within orb from 2018-03-01 04:10 to 2018-03-12 22:40"; an edge the search
// did not reach is "unknown".
QString StretchText(const OrbStretch& stretch, int intZoneMinutes);

// The course of the aspect of a record on the ephemeris: its ExactMomentsText
// and StretchText joined by strSeparator, in the chart's zone; "" when it has
// none (see CourseOfRecord).
QString CourseOfRecordText(
    const DurationRecord& record, const DurationInputs& in, const OrbTable& udtOrbs, const QString& strSeparator);

// "Grand trine: Ma-Ju-Sa (average orb 2°15'): formed 2018-02-27 10:12,
// dissolves 2018-03-08 04:55"; an edge the search did not reach is "unknown".
QString PatternSpanLine(const QString& strPatternLine, const PatternSpan& span, int intZoneMinutes);

// The patterns of sky (found at moment t) with the moments they formed and
// dissolve, one PatternSpanLine each ("\r\n" after each); "" when there is
// none.
QString PatternSpansText(
    const PatternSky& sky, const LongitudeSource& source, const OrbTable& udtOrbs, double t, int intZoneMinutes);

} // namespace qal
