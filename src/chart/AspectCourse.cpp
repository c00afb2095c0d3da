// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "chart/AspectCourse.h"

#include "aspects/PatternSpans.h"
#include "astro/ChartState.h"
#include "astro/FastLongitudes.h"
#include "chart/ChartModes.h"
#include "dates/DatePr2.h"
#include "text/Texts.h"
#include "util/WorkPool.h"

#include <algorithm>
#include <atomic>
#include <vector>

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

QString CourseText(const OrbStretch& stretch, int intZoneMinutes, const QString& strSeparator)
{
    return ExactMomentsText(stretch, intZoneMinutes) + strSeparator + StretchText(stretch, intZoneMinutes);
}

QString CourseOfRecordText(
    const DurationRecord& record, const DurationInputs& in, const OrbTable& udtOrbs, const QString& strSeparator)
{
    const std::optional<OrbStretch> stretch = CourseOfRecord(record, in, udtOrbs, FastSource(in.blnSidereal));
    return stretch ? CourseText(*stretch, in.intTimezoneMinutes, strSeparator) : QString();
}

std::optional<AspectStretch> AspectStretchOfRecord(
    const DurationRecord& record, const DurationInputs& in, const OrbTable& udtOrbs, const LongitudeSource& source)
{
    const std::optional<OrbStretch> stretch = CourseOfRecord(record, in, udtOrbs, source);
    if (!stretch)
        return std::nullopt;
    const bool blnPersonal = IsPersonalMode(in.intMode);
    AspectStretch aspect;
    aspect.intFirstBody = record.intFirstBody;
    aspect.intSecondBody = record.intSecondBody;
    aspect.intKind = record.intKind;
    aspect.blnNatal = blnPersonal;
    aspect.dblOrb = udtOrbs.dblOrb[record.intKind][blnPersonal ? 1 : 0];
    aspect.stretch = *stretch;
    return aspect;
}

DurationCourses WorkOutCourses(const QStringList& records, const DurationInputs& in, const OrbTable& udtOrbs,
    const std::vector<PatternOccurrence>& patterns, double dblMidpointOrb, const WorkWatch& watch)
{
    // One item per record and per pattern; each fills its own slot.
    const std::size_t intRecords = static_cast<std::size_t>(records.size());
    const std::size_t intItems = intRecords + patterns.size();
    std::vector<std::optional<AspectStretch>> aspects(intRecords);
    std::vector<std::optional<PatternWithSpan>> spans(patterns.size());
    std::atomic<std::size_t> intDone { 0 };
    ForEach(intItems, [&](std::size_t i) {
        if (watch.StopRequested())
            return;
        const LongitudeSource source = FastSource(in.blnSidereal);
        if (i < intRecords)
            aspects[i] = AspectStretchOfRecord(
                ParseDurationRecord(records[static_cast<qsizetype>(i)]), in, udtOrbs, source);
        else
            spans[i - intRecords]
                = PatternSpanOf(patterns[i - intRecords], source, udtOrbs, dblMidpointOrb, in.dblChartJD[0]);
        watch.Progress(static_cast<double>(++intDone) / static_cast<double>(intItems));
    });
    DurationCourses courses;
    for (std::size_t i = 0; i < intRecords; ++i) {
        if (aspects[i])
            courses.aspects.insert(records[static_cast<qsizetype>(i)], *aspects[i]);
    }
    for (std::optional<PatternWithSpan>& span : spans) {
        if (span)
            courses.patterns.push_back(std::move(*span));
    }
    return courses;
}

QString PatternSpanLine(const QString& strPatternLine, const PatternSpan& span, int intZoneMinutes)
{
    return strPatternLine + QStringLiteral(": ") + GetText(TextId::PatternFormed) + QLatin1Char(' ')
        + EdgeText(span.dblFormed, span.blnFormedFound, intZoneMinutes) + QStringLiteral(", ")
        + GetText(TextId::PatternDissolves) + QLatin1Char(' ')
        + EdgeText(span.dblDissolves, span.blnDissolvesFound, intZoneMinutes);
}

std::optional<PatternWithSpan> PatternSpanOf(const PatternOccurrence& pattern, const LongitudeSource& source,
    const OrbTable& udtOrbs, double dblMidpointOrb, double t)
{
    const std::optional<PatternSpan> span
        = PatternSpanAround(source, pattern, udtOrbs, dblMidpointOrb, t, kPatternReachDays);
    if (!span)
        return std::nullopt;
    return PatternWithSpan { pattern.strLine, *span };
}

QString PatternSpansText(const std::vector<PatternWithSpan>& patterns, int intZoneMinutes)
{
    QString strText;
    for (const PatternWithSpan& pattern : patterns)
        strText += PatternSpanLine(pattern.strLine, pattern.span, intZoneMinutes) + strCrLf;
    return strText;
}

} // namespace qal
