// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "chart/AspectQuestion.h"

#include "astro/ChartAngles.h"
#include "platform/Calendar.h"

#include "aspects/AspectSpans.h"
#include "astro/AstroTables.h"
#include "astro/FastLongitudes.h"
#include "chart/AspectCourse.h"
#include "chart/DurationReport.h"
#include "dates/DatePr2.h"
#include "settings/Configuration.h"
#include "text/Texts.h"

#include <cmath>

namespace qal {
namespace {

// "natal Sun" — in German one word, "Radixsonne"; an angle as "natal
// Ascendant", "Radix-Aszendent".
QString NatalBodyName(int b)
{
    if (IsGerman())
        return GetText(TextId::NatalLower) + (IsAngle(b) ? QLatin1Char('-') + PointName(b) : PointName(b).toLower());
    return GetText(TextId::NatalLower) + QLatin1Char(' ') + PointName(b);
}

// "With an orb of 8°00' this square begins on … and ends on …."
QString BeginsEndsText(const AspectText& aspect, double dblOrb, double dblStart, double dblEnd)
{
    const QString strOrb = AngleToDegMinText(dblOrb);
    if (intCurrentLanguage == intLangEnglish) {
        return QStringLiteral("With an orb of ") + strOrb + QStringLiteral(" this ") + aspect.Name.toLower() + strCrLf
            + QStringLiteral("begins on ") + DateOrUnknown(static_cast<int>(dblStart)) + strCrLf
            + QStringLiteral("and ends on ") + DateOrUnknown(static_cast<int>(dblEnd)) + QLatin1Char('.');
    }
    return GetTextWithMarkers(TextId::AspectBeginsEnds)
        .replace(QStringLiteral("[8 degrees]"), strOrb)
        .replace(QStringLiteral("[start date]"), DateOrUnknown(static_cast<int>(dblStart), TextId::Unknown))
        .replace(QStringLiteral("[end date]"), DateOrUnknown(static_cast<int>(dblEnd), TextId::Unknown));
}

// "Transiting Saturn in square with natal Sun (1990-06-15), orb 2°00', tropical"
QString GraphTitle(const CellAspect& a, double dblOrb, double dblNatalDayValue, bool blnSidereal)
{
    const AspectText& aspect = udtAspectText[a.intKind];
    const QString strName = IsGerman() ? aspect.Name : aspect.Name.toLower();
    const QString strZodiac = IsGerman()
        ? (blnSidereal ? QStringLiteral("siderischer Tk") : QStringLiteral("tropischer Tk"))
        : GetText(blnSidereal ? TextId::SiderealLower : TextId::TropicalLower);
    EuroDate birth;
    birth.calendar = platform::kGregorian;
    birth.dayNumber = static_cast<int>(std::floor(dblNatalDayValue));
    platform::JdnToEuroDate(birth);
    return GetText(TextId::TransitingCapital) + QLatin1Char(' ') + strBodyName[a.intP2] + QLatin1Char(' ')
        + GetText(TextId::GraphIn) + QLatin1Char(' ') + strName + QLatin1Char(' ') + GetText(TextId::GraphWith)
        + QLatin1Char(' ') + NatalBodyName(a.intP1) + QStringLiteral(" (") + EuroDateToText(birth)
        + QStringLiteral("), ") + GetText(TextId::GraphOrb) + QLatin1Char(' ') + AngleToDegMinText(dblOrb)
        + QStringLiteral(", ") + strZodiac;
}

// The course of the transit from answer's first to its last day: the
// distance of the transiting body from the exact point to the natal body
// (at dblNatal, standing still) nearest to where it stands (dblTransiting).
void AddTransitGraph(const CellAspect& a, const AspectQuestion& question, const OrbTable& udtOrbs, double dblNatal,
    double dblTransiting, AspectAnswer& answer)
{
    const DurationInputs& in = question.chart;
    const double dblOrb = udtOrbs.dblOrb[a.intKind][1];
    answer.blnGraph = true;
    answer.graphScale = MakeTransitGraphScale(answer.dblStart, answer.dblEnd, dblOrb, in.intTimezoneMinutes);
    // Drawn row by row, hours apart: Pluto's day table would show its minutes as steps.
    answer.graphCurves = MakeTransitCurves(
        FastSource(in.blnSidereal), a.intP2, ExactPoint(dblNatal, a.intKind, dblTransiting), answer.graphScale);
    answer.strGraphTitle = GraphTitle(a, dblOrb, question.dblNatalDayValue, in.blnSidereal);
}

} // namespace

std::optional<CellAspect> AspectOfCell(
    const AspectGrid& grid, int intCell, int intMode, const ConfigurationSettings& config)
{
    if (!RuleOfMode(intMode).blnMoving || intCell < 0 || intCell >= grid.CellCount())
        return std::nullopt;
    const GridCell& cell = grid.cells[static_cast<size_t>(intCell)];
    int k = 1;
    while (k <= intNumAspectKinds && !CellHasAspect(cell, k))
        ++k;
    if (k > intNumAspectKinds || config.dblAspectColor[k] == 0)
        return std::nullopt;
    int intRow = 0, intCol = 0;
    CellRowCol(intCell, grid.intCols, intRow, intCol);
    CellAspect aspect;
    aspect.blnPersonal = IsPersonalMode(intMode);
    aspect.intP1 = intRow - 1;
    aspect.intP2 = aspect.blnPersonal ? intCol - 1 : intCol + 1;
    aspect.intKind = k;
    return aspect;
}

QString ExactMomentsOfAspect(const CellAspect& aspect, const DurationInputs& chart, const OrbTable& udtOrbs,
    double dblStart, double dblEnd, bool blnExactMoments)
{
    if (!blnExactMoments)
        return {};
    DurationRecord record;
    record.intFirstBody = aspect.intP1;
    record.intSecondBody = aspect.intP2;
    record.intKind = aspect.intKind;
    record.intBeginning = static_cast<int>(dblStart);
    record.intEnd = static_cast<int>(dblEnd);
    const QString strCourse = CourseOfRecordText(record, chart, udtOrbs, strCrLf);
    return strCourse.isEmpty() ? QString() : strCrLf + strCrLf + strCourse;
}

AspectAnswer AnswerAboutAspect(const CellAspect& a, const AspectQuestion& question, const OrbTable& udtOrbs)
{
    const DurationInputs& in = question.chart;
    const AspectText& aspect = udtAspectText[a.intKind];
    AspectAnswer answer;
    answer.strTitle = a.blnPersonal
        ? GetText(TextId::TransitingCapital) + QLatin1Char(' ') + strBodyName[a.intP2] + QLatin1Char(' ')
            + aspect.Phrase + QLatin1Char(' ') + NatalBodyName(a.intP1)
        : strBodyName[a.intP1] + QLatin1Char(' ') + aspect.Phrase + QLatin1Char(' ') + strBodyName[a.intP2];

    if (a.intP2 == intMoon) {
        // The Moon's aspects last hours: about four hours a degree of orb.
        answer.blnMoon = true;
        answer.strMessage = GetText(TextId::MoonMovesQuickly)
                                .replace(QStringLiteral("12"),
                                    QString::number(MoonAspectHours(udtOrbs, a.intKind, a.blnPersonal ? 1 : 0)))
            + ExactMomentsOfAspect(a, in, udtOrbs, -1, -1, question.blnExactMoments);
        return answer;
    }

    const int intOrbColumn = a.blnPersonal ? 1 : 0;
    const LongitudeSource source = FastSource(in.blnSidereal, true);
    const AspectSpanQuery query = SpanQueryOf(in, a.intP1, a.intP2, a.intKind, source);
    answer.dblStart = AspectBeginningDay(source, udtOrbs, query);
    answer.dblEnd = AspectEndDay(source, udtOrbs, query);
    answer.strMessage = BeginsEndsText(aspect, udtOrbs.dblOrb[a.intKind][intOrbColumn], answer.dblStart, answer.dblEnd);

    if (a.blnPersonal && answer.dblStart >= 0 && answer.dblEnd >= 0) {
        AddTransitGraph(a, question, udtOrbs, *query.dblFixedFirstLongitude, source(a.intP2, in.dblChartJD[0]), answer);
        return answer;
    }
    answer.strDurationsQuestion = answer.strMessage
        + ExactMomentsOfAspect(a, in, udtOrbs, answer.dblStart, answer.dblEnd, question.blnExactMoments) + strCrLf
        + strCrLf + GetText(TextId::SeeDurations) + (IsGerman() ? QStringLiteral(" sehen") : QString())
        + QLatin1Char('?');
    return answer;
}

AspectAnswer TransitGraphOfStretch(
    const CellAspect& a, const OrbStretch& stretch, const AspectQuestion& question, const OrbTable& udtOrbs)
{
    const DurationInputs& in = question.chart;
    const LongitudeSource source = FastSource(in.blnSidereal);
    AspectAnswer answer;
    answer.dblStart = platform::LocalDayNumber(stretch.dblBegin, in.intTimezoneMinutes);
    answer.dblEnd = platform::LocalDayNumber(stretch.dblEnd, in.intTimezoneMinutes);
    const double dblMiddle = stretch.exact.empty() ? (stretch.dblBegin + stretch.dblEnd) / 2 : stretch.exact.front();
    const std::optional<double> dblNatal = FixedFirstLongitude(in, a.intP1, source);
    if (dblNatal)
        AddTransitGraph(a, question, udtOrbs, *dblNatal, source(a.intP2, dblMiddle), answer);
    return answer;
}

} // namespace qal
