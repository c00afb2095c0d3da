// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "chart/ChartAngleAspects.h"

#include "aspects/Aspects.h"
#include "astro/AstroTables.h"
#include "astro/ChartAngles.h"
#include "chart/ChartModes.h"
#include "settings/Configuration.h"
#include "text/Texts.h"

namespace qal {
namespace {

// "AC 101°43' 11Can43".
QString AngleLine(int intPoint, double L)
{
    return PointAbbr(intPoint) + QLatin1Char(' ') + AngleToDegMinText(L) + QLatin1Char(' ')
        + LongitudeToSignText(L, false);
}

// "Saturn square natal Ascendant 1°23'".
QString AspectLine(int intMode, const ChartAspect& a)
{
    const bool blnTwoCharts = !RuleOfMode(intMode).blnSingleChart;
    QString strAngle = PointName(a.intBody2);
    if (IsPersonalMode(intMode))
        strAngle = GetText(TextId::NatalLower) + QLatin1Char(' ') + strAngle;
    else if (blnTwoCharts)
        strAngle += QStringLiteral(" (") + QString::number(a.intSlot2 + 1) + QLatin1Char(')');
    QString strBody = strBodyName[a.intBody1];
    if (intMode == modeSynastry)
        strBody += QStringLiteral(" (") + QString::number(a.intSlot1 + 1) + QLatin1Char(')');
    return strBody + QLatin1Char(' ') + udtAspectText[a.intKind].Phrase + QLatin1Char(' ') + strAngle
        + QLatin1Char(' ') + DeviationText(a.dblDeviation, false);
}

} // namespace

int AngleSlotFor(int intMode, int intBodySlot)
{
    const ModeRule& rule = RuleOfMode(intMode);
    if (rule.blnSingleChart)
        return intBodySlot == 0 ? 0 : -1;
    if (IsPersonalMode(intMode))
        return intBodySlot == 0 ? 1 : -1; // the transiting bodies to the natal angles
    return 1 - intBodySlot; // synastry: to the other chart's angles
}

void AddChartAngles(
    const ChartRequest& request, const ConfigurationSettings& config, const OrbTable& udtOrbs, ChartResult& result)
{
    const ModeRule& rule = RuleOfMode(request.intMode);
    result.angleAspects.clear();
    bool blnAny = false;
    for (int s = 0; s < 2; ++s) {
        result.angles[s] = ChartAngles();
        const int intSet = rule.intSlotDateSet[s];
        if (intSet < 0 || !request.place[intSet])
            continue;
        result.angles[s] = AnglesAt(request.dblChartJD[intSet], request.place[intSet]->dblLatitude,
            request.place[intSet]->dblLongitude, config.intHouseSystem, config.blnSidereal);
        blnAny = blnAny || result.angles[s].blnKnown;
    }
    if (!blnAny)
        return;

    const ChartPositions& positions = result.udtPositions;
    for (int s = 0; s < 2; ++s) {
        const int intAngleSlot = AngleSlotFor(request.intMode, s);
        if (intAngleSlot < 0 || rule.intSlotDateSet[s] < 0 || !result.angles[intAngleSlot].blnKnown)
            continue;
        const int intLast = s == 0 ? positions.intNumBodies : intMaxBodies;
        for (int b = 1; b <= intLast; ++b) {
            for (const int intPoint : { intAscendant, intMidheaven }) {
                double d = 0;
                const int k = FindAspect(positions.dblLongitude[s][b],
                    result.angles[intAngleSlot].PointLongitude(intPoint), udtOrbs, rule.intAspectOrbColumn, d);
                if (k > 0)
                    result.angleAspects.push_back({ s, b, intAngleSlot, intPoint, k, d, 0 });
            }
        }
    }

    // The report: each slot's angles, the system's fall-back, then the aspects to them.
    QString strText = strCrLf + GetText(TextId::AnglesHeader) + QLatin1Char(':') + strCrLf;
    for (int s = 0; s < 2; ++s) {
        const ChartAngles& angles = result.angles[s];
        if (!angles.blnKnown)
            continue;
        const QString strSlot = rule.blnSingleChart ? QString() : QStringLiteral("(%1) ").arg(s + 1);
        strText += strSlot + AngleLine(intAscendant, angles.dblAscendant) + QStringLiteral("  ")
            + AngleLine(intMidheaven, angles.dblMidheaven) + strCrLf;
        if (!angles.blnSystemHeld)
            strText += GetTextWithMarkers(TextId::HousesPolarFallback, HouseSystemName(angles.intSystem)) + strCrLf;
    }
    if (!result.angleAspects.empty()) {
        strText += strCrLf + GetText(TextId::AspectsToAngles) + QLatin1Char(':') + strCrLf;
        for (const ChartAspect& a : result.angleAspects)
            strText += AspectLine(request.intMode, a) + strCrLf;
    }
    QString& strReport = rule.blnSingleChart ? result.udtReports.strReport : result.udtReports.strReport1;
    strReport += strCrLf + strText;
}

} // namespace qal
