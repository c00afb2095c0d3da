// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "chart/Durations.h"

#include "aspects/AspectSpans.h"
#include "aspects/Aspects.h"
#include "astro/AstroTables.h"
#include "astro/FastLongitudes.h"
#include "astro/ChartAngles.h"

#include <cmath>

namespace qal {
namespace {

QString Right(int intValue, int intWidth)
{
    return QString::number(intValue).rightJustified(intWidth, QLatin1Char(' '));
}

// The moment of the slot a body of the record belongs to.
double SlotMoment(const DurationInputs& in, int intSlot)
{
    const int intSet = RuleOfMode(in.intMode).intSlotDateSet[intSlot];
    return intSet < 0 ? 0 : in.dblChartJD[intSet];
}

// The record of an aspect of the first and second point: the fixed
// layout, with the beginning and end days in the moving modes.
QString Record(const DurationInputs& in, const OrbTable& udtOrbs, const LongitudeSource& source, int p1, int p2, int k,
    double dblDeviation)
{
    const ModeRule& rule = RuleOfMode(in.intMode);
    QString strRecord = Right(p1, 2) + Right(p2, 2) + Right(p1, 2) + Right(k, 2) + QLatin1Char(' ')
        + QString::number(dblDeviation, 'f', 6).rightJustified(8, QLatin1Char(' '));
    if (!rule.blnMoving) {
        strRecord += QString(22, QLatin1Char('-'));
    } else if (p2 == intMoon) {
        strRecord += QString(22, QLatin1Char(' '));
    } else {
        const AspectSpanQuery query = SpanQueryOf(in, p1, p2, k, source);
        const int intBegin = static_cast<int>(std::trunc(AspectBeginningDay(source, udtOrbs, query)));
        const int intEnd = static_cast<int>(std::trunc(AspectEndDay(source, udtOrbs, query)));
        if (intBegin < 0 || intEnd < 0)
            strRecord += Right(-1, 8) + Right(-1, 8) + QString(6, QLatin1Char(' '));
        else
            strRecord += Right(intBegin, 8) + Right(intEnd, 8) + Right(AspectDurationDays(intBegin, intEnd), 6);
    }
    return strRecord;
}

} // namespace

std::optional<double> FixedFirstLongitude(const DurationInputs& in, int intFirstBody, const LongitudeSource& source)
{
    if (!IsPersonalMode(in.intMode))
        return std::nullopt;
    if (IsAngle(intFirstBody))
        return in.dblNatalAngle[intFirstBody == intAscendant ? 0 : 1];
    return source(intFirstBody, in.dblChartJD[RuleOfMode(in.intMode).intSlotDateSet[1]]);
}

AspectSpanQuery SpanQueryOf(
    const DurationInputs& in, int intFirstBody, int intSecondBody, int intKind, const LongitudeSource& source)
{
    AspectSpanQuery query;
    query.intFirstBody = intFirstBody;
    query.intSecondBody = intSecondBody;
    query.intKind = intKind;
    query.intOrbColumn = IsPersonalMode(in.intMode) ? 1 : 0;
    query.intTimezoneMinutes = in.intTimezoneMinutes;
    query.dblDayValue = in.dblDayValue;
    query.dblFixedFirstLongitude = FixedFirstLongitude(in, intFirstBody, source);
    return query;
}

void RecordBodies(int intMode, const CellBodies& bodies, int& intFirst, int& intSecond)
{
    const bool blnSynastry = intMode == modeSynastry;
    intFirst = blnSynastry ? bodies.intColBody : bodies.intRowBody;
    intSecond = blnSynastry ? bodies.intRowBody : bodies.intColBody;
}

QStringList DurationRecords(const AspectGrid& grid, const DurationInputs& in, const OrbTable& udtOrbs)
{
    QStringList records;
    const LongitudeSource source = FastSource(in.blnSidereal, true);
    const ModeRule& rule = RuleOfMode(in.intMode);
    for (int i = 0; i < grid.CellCount(); ++i) {
        const GridCell& cell = grid.cells[static_cast<size_t>(i)];
        const CellBodies bodies = BodiesOfCell(grid, i);
        if (!bodies.blnAspectCell)
            continue;
        int p1 = 0, p2 = 0;
        RecordBodies(in.intMode, bodies, p1, p2);
        // Slots: a single chart has one; in two charts the row's body is slot 1.
        const int intSlot1 = rule.blnSingleChart ? 0 : (in.intMode == modeSynastry ? 0 : 1);
        const int intSlot2 = rule.blnSingleChart ? 0 : (in.intMode == modeSynastry ? 1 : 0);
        for (int k = 1; k <= intNumAspectKinds; ++k) {
            if (!CellHasAspect(cell, k))
                continue;
            const double L1 = source(p1, SlotMoment(in, intSlot1));
            const double L2 = source(p2, SlotMoment(in, intSlot2));
            const double dblDeviation = std::fabs(ShorterArc(L1, L2) - dblAspectAngle[k]);
            records << Record(in, udtOrbs, source, p1, p2, k, dblDeviation);
        }
    }
    return records;
}

QStringList AngleDurationRecords(
    const std::vector<ChartAspect>& angleAspects, const DurationInputs& in, const OrbTable& udtOrbs)
{
    QStringList records;
    if (!IsPersonalMode(in.intMode))
        return records;
    const LongitudeSource source = FastSource(in.blnSidereal, true);
    for (const ChartAspect& a : angleAspects) {
        if (a.intSlot1 == 0 && a.intSlot2 == 1 && in.dblNatalAngle[a.intBody2 == intAscendant ? 0 : 1] >= 0)
            records << Record(in, udtOrbs, source, a.intBody2, a.intBody1, a.intKind, a.dblDeviation);
    }
    return records;
}

DurationRecord ParseDurationRecord(const QString& strRecord)
{
    DurationRecord r;
    r.intFirstBody = strRecord.mid(0, 2).trimmed().toInt();
    r.intSecondBody = strRecord.mid(2, 2).trimmed().toInt();
    r.intKind = strRecord.mid(6, 2).trimmed().toInt();
    r.dblDeviation = strRecord.mid(9, 8).trimmed().toDouble();
    bool blnBegin = false, blnEnd = false;
    r.intBeginning = strRecord.mid(17, 8).trimmed().toInt(&blnBegin);
    r.intEnd = strRecord.mid(25, 8).trimmed().toInt(&blnEnd);
    r.blnDaysComputed = blnBegin && blnEnd;
    if (!r.blnDaysComputed) {
        r.intBeginning = r.intEnd = -1;
    }
    r.intDays = strRecord.mid(33, 6).trimmed().toInt();
    return r;
}

} // namespace qal
