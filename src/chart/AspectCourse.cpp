// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "chart/AspectCourse.h"

#include "aspects/PatternSpans.h"
#include "astro/ChartState.h"
#include "astro/FastLongitudes.h"
#include "chart/ChartModes.h"
#include "dates/DatePr2.h"
#include "text/Texts.h"

#include <algorithm>

namespace qal {
namespace {

constexpr double kMoonSpanDays = 3; // the Moon's aspects last hours
constexpr double kUnknownSpanDays = 1000;
constexpr double kPatternReachDays = 3660; // the outer planets' patterns last years

// A moment to the minute, or "unknown" for an edge the search did not reach.
QString EdgeText(double t, bool blnFound, int intZoneMinutes)
{
    return blnFound ? LocalMomentText(t, intZoneMinutes) : GetText(TextId::Unknown);
}

} // namespace

AspectCourseQuery CourseQuery(
    const DurationRecord& record, const DurationInputs& in, const OrbTable& udtOrbs, const LongitudeSource& source)
{
    const bool blnPersonal = IsPersonalMode(in.intMode);
    AspectCourseQuery query;
    query.intFirstBody = record.intFirstBody;
    query.intSecondBody = record.intSecondBody;
    query.intKind = record.intKind;
    query.dblOrb = udtOrbs.dblOrb[record.intKind][blnPersonal ? 1 : 0];
    query.dblFixedFirstLongitude = FixedFirstLongitude(in, record.intFirstBody, source);
    return query;
}

std::optional<OrbStretch> CourseOfRecord(
    const DurationRecord& record, const DurationInputs& in, const OrbTable& udtOrbs, const LongitudeSource& source)
{
    if (!RuleOfMode(in.intMode).blnMoving || record.intKind < 1 || record.intKind > 7)
        return std::nullopt;
    // In the Personal modes the first body is natal and stands still: only a
    // transiting Moon makes an aspect of hours.
    const bool blnMoonMoves
        = record.intSecondBody == intMoon || (record.intFirstBody == intMoon && !IsPersonalMode(in.intMode));
    double dblReach = kUnknownSpanDays;
    if (blnMoonMoves)
        dblReach = kMoonSpanDays;
    else if (record.intBeginning >= 0 && record.intEnd >= 0)
        dblReach = record.intEnd - record.intBeginning + 3;
    return StretchAround(
        source, CourseQuery(record, in, udtOrbs, source), in.dblChartJD[0], std::max(dblReach, kMoonSpanDays));
}

QString ExactMomentsText(const OrbStretch& stretch, int intZoneMinutes)
{
    if (stretch.exact.empty())
        return GetText(TextId::NotExactInSpan);
    QStringList moments;
    for (const double t : stretch.exact)
        moments << LocalMomentText(t, intZoneMinutes);
    const int n = static_cast<int>(stretch.exact.size());
    return GetText(TextId::ExactLabel) + QLatin1Char(' ') + moments.join(QStringLiteral(", ")) + QStringLiteral(" (")
        + QString::number(n) + QLatin1Char(' ') + GetText(n == 1 ? TextId::Pass : TextId::Passes) + QLatin1Char(')');
}

QString StretchText(const OrbStretch& stretch, int intZoneMinutes)
{
    return GetText(TextId::WithinOrbFromTo)
        .replace(QStringLiteral("[begin]"), EdgeText(stretch.dblBegin, stretch.blnBeginFound, intZoneMinutes))
        .replace(QStringLiteral("[end]"), EdgeText(stretch.dblEnd, stretch.blnEndFound, intZoneMinutes));
}

QString CourseOfRecordText(
    const DurationRecord& record, const DurationInputs& in, const OrbTable& udtOrbs, const QString& strSeparator)
{
    const std::optional<OrbStretch> stretch = CourseOfRecord(record, in, udtOrbs, FastSource(in.blnSidereal));
    if (!stretch)
        return {};
    return ExactMomentsText(*stretch, in.intTimezoneMinutes) + strSeparator
        + StretchText(*stretch, in.intTimezoneMinutes);
}

QString PatternSpanLine(const QString& strPatternLine, const PatternSpan& span, int intZoneMinutes)
{
    return strPatternLine + QStringLiteral(": ") + GetText(TextId::PatternFormed) + QLatin1Char(' ')
        + EdgeText(span.dblFormed, span.blnFormedFound, intZoneMinutes) + QStringLiteral(", ")
        + GetText(TextId::PatternDissolves) + QLatin1Char(' ')
        + EdgeText(span.dblDissolves, span.blnDissolvesFound, intZoneMinutes);
}

QString PatternSpansText(
    const PatternSky& sky, const LongitudeSource& source, const OrbTable& udtOrbs, double t, int intZoneMinutes)
{
    QString strText;
    for (const PatternOccurrence& occurrence : PatternOccurrences(sky, false)) {
        const std::optional<PatternSpan> span
            = PatternSpanAround(source, occurrence, udtOrbs, sky.dblMidpointOrb, t, kPatternReachDays);
        if (span)
            strText += PatternSpanLine(occurrence.strLine, *span, intZoneMinutes) + strCrLf;
    }
    return strText;
}

} // namespace qal
