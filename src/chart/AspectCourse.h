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
#include "chart/AspectCalendar.h"
#include "chart/Durations.h"
#include "util/WorkWatch.h"

#include <QHash>

#include <QString>

#include <optional>
#include <vector>

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

// The ExactMomentsText and StretchText of a stretch, joined by strSeparator.
QString CourseText(const OrbStretch& stretch, int intZoneMinutes, const QString& strSeparator);

// The course of the aspect of a record on the ephemeris as CourseText, in
// the chart's zone; "" when it has none (see CourseOfRecord).
QString CourseOfRecordText(
    const DurationRecord& record, const DurationInputs& in, const OrbTable& udtOrbs, const QString& strSeparator);

// The aspect of a record with its course (see CourseOfRecord) and its orb;
// none in the fixed modes.
std::optional<AspectStretch> AspectStretchOfRecord(
    const DurationRecord& record, const DurationInputs& in, const OrbTable& udtOrbs, const LongitudeSource& source);

// "Grand trine: Ma-Ju-Sa (average orb 2°15'): formed 2018-02-27 10:12,
// dissolves 2018-03-08 04:55"; an edge the search did not reach is "unknown".
QString PatternSpanLine(const QString& strPatternLine, const PatternSpan& span, int intZoneMinutes);

// A pattern of the sky (its line as the report gives it) with its span.
struct PatternWithSpan {
    QString strLine;
    PatternSpan span;
};

// The span around moment t of a pattern found at t; none when the search
// finds none.
std::optional<PatternWithSpan> PatternSpanOf(const PatternOccurrence& pattern, const LongitudeSource& source,
    const OrbTable& udtOrbs, double dblMidpointOrb, double t);

// One PatternSpanLine each ("\r\n" after each); "" when there is none.
QString PatternSpansText(const std::vector<PatternWithSpan>& patterns, int intZoneMinutes);

// What the durations window lists under its aspects and saves as a calendar,
// worked out once for the chart and orbs it shows.
struct DurationCourses {
    QHash<QString, AspectStretch> aspects; // by duration record; records without a course left out
    std::vector<PatternWithSpan> patterns; // in the order given; those without a span left out
};

// Works out the course of every record and the span of every pattern (found
// at the chart's moment with the midpoint orb given), several at once on the
// work pool. Gives data only (no text is made off the window's thread).
// When watch asks it to stop it ends early, and what it gives is then
// incomplete.
DurationCourses WorkOutCourses(const QStringList& records, const DurationInputs& in, const OrbTable& udtOrbs,
    const std::vector<PatternOccurrence>& patterns, double dblMidpointOrb, const WorkWatch& watch);

} // namespace qal
