// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "chart/ChartCompute.h"

#include "aspects/Aspects.h"
#include "astro/AstroTables.h"
#include "astro/Longitudes.h"
#include "chart/ChartAngleAspects.h"
#include "settings/Configuration.h"
#include "text/Texts.h"

#include <QLocale>

namespace qal {
namespace {

QString PositionText(const ChartPositions& positions, int s, int b, bool blnRadians, ChartReports& reports)
{
    const double L = positions.dblLongitude[s][b];
    if (L < 0)
        return LongitudeErrorText(static_cast<int>(L));
    if (blnRadians)
        return QLocale().toString(L, 'f', 4);
    QString strText = AngleToDegMinText(L);
    if (positions.intRetrograde[s][b]) {
        strText += QStringLiteral(" r");
        ++reports.intRetrogradeCount;
        reports.strRetrogradeList += strBodyAbbr[b] + QLatin1Char(' ');
    }
    return strText + strCrLf + LongitudeToSignText(L, false);
}

QString TrendMarker(int intTrend)
{
    if (intTrend < 0)
        return QStringLiteral(" -");
    return intTrend > 0 ? QStringLiteral(" +") : QString();
}

// Longitudes and retrograde flags of both slots at their moments.
void ComputePositions(const ChartRequest& request, const ModeRule& rule, const LongitudeSource& source,
    bool blnIncludeTransitingMoon, ChartPositions& positions)
{
    positions = ChartPositions();
    positions.intNumBodies = NumBodiesForMode(request.intMode, blnIncludeTransitingMoon);
    for (int s = 0; s < 2; ++s) {
        const int intSet = rule.intSlotDateSet[s];
        if (intSet < 0)
            continue;
        // A single chart computes its bodies in use; two charts compute all ten.
        const int intLast = rule.blnSingleChart ? positions.intNumBodies : intMaxBodies;
        const double t = request.dblChartJD[intSet];
        for (int b = 1; b <= intLast; ++b) {
            positions.dblLongitude[s][b] = source(b, t);
            positions.intRetrograde[s][b] = IsRetrogradeAt(source, b, positions.dblLongitude[s][b], t);
        }
    }
}

void FillPositionCells(const ChartPositions& positions, const ModeRule& rule, bool blnMoonExcluded, bool blnRadians,
    AspectGrid& grid, ChartReports& reports)
{
    for (int b = 1; b <= intMaxBodies; ++b) {
        for (int s = 0; s < (rule.blnSingleChart ? 1 : 2); ++s) {
            const int intCell = rule.blnSingleChart ? SingleChartPositionCell(b) : TwoChartPositionCell(s, b);
            GridCell& cell = grid.cells[static_cast<size_t>(intCell)];
            cell.dblBackColor = PositionCellBackground();
            cell.dblForeColor = dblBlack;
            const bool blnEmpty = blnMoonExcluded && s == 0 && b == intMoon;
            cell.strText = blnEmpty ? QString() : PositionText(positions, s, b, blnRadians, reports);
        }
    }
}

} // namespace

void ComputeChart(
    const ChartRequest& request, const ConfigurationSettings& config, const OrbTable& udtOrbs, ChartResult& result)
{
    const int intMode = request.intMode;
    const ModeRule& rule = RuleOfMode(intMode);
    const bool blnSynastry = intMode == modeSynastry;
    const bool blnMoonExcluded = rule.blnTransitingMoonOptional && !config.blnIncludeTransitingMoon;
    // The trends ask for the moment half an hour on that the retrograde test
    // asked for already: each longitude is computed once.
    const LongitudeSource source = MemoizedSource(EphemerisSource(config.blnSidereal));
    const QString strZodiac = ZodiacText(config.blnSidereal, false);

    AspectGrid& grid = result.udtGrid;
    if (rule.blnSingleChart)
        BuildSingleChartGrid(grid);
    else
        BuildTwoChartGrid(grid, intMode, blnMoonExcluded, strZodiac);

    ChartPositions& positions = result.udtPositions;
    ComputePositions(request, rule, source, config.blnIncludeTransitingMoon, positions);
    result.udtReports = ChartReports();
    FillPositionCells(positions, rule, blnMoonExcluded, request.blnRadians, grid, result.udtReports);

    // Aspect cells: the first kind within orb of each pair.
    for (int& intCount : result.intAspectCount)
        intCount = 0;
    result.aspects.clear();
    const auto setAspect = [&](int intCell, const ChartAspect& aspect) {
        GridCell& cell = grid.cells[static_cast<size_t>(intCell)];
        const int k = aspect.intKind;
        cell.strText = udtAspectText[k].Abbr + strCrLf + DeviationText(aspect.dblDeviation, request.blnRadians)
            + TrendMarker(aspect.intTrend);
        FormatAspectCell(config, udtOrbs, rule.intBoldOrbColumn, cell, k, aspect.dblDeviation);
        ++result.intAspectCount[k];
        result.aspects.push_back(aspect);
    };
    const int n = positions.intNumBodies;
    const auto& L = positions.dblLongitude;
    double d = 0;
    if (rule.blnSingleChart) {
        const double t = request.dblChartJD[rule.intSlotDateSet[0]];
        for (int i = 1; i <= n; ++i) {
            for (int j = i + 1; j <= n; ++j) {
                const int k = FindAspect(L[0][i], L[0][j], udtOrbs, rule.intAspectOrbColumn, d);
                if (k > 0)
                    setAspect(SingleChartAspectCell(i, j), { 0, i, 0, j, k, d, AspectTrendAt(source, t, i, j, k, d) });
            }
        }
        GridCell& zodiac = grid.At(grid.intRows - 1, 0);
        zodiac.strText = strZodiac;
        zodiac.dblForeColor = dblBlack;
        zodiac.dblBackColor = PositionCellBackground();
        zodiac.blnVisible = true;
        const PatternSky sky = MakePatternSky(L[0], n, udtOrbs, MidpointOrbRadians(config));
        WriteSingleChartReport(result.udtReports, result.intAspectCount, sky, result.intPatternCount);
    } else {
        const double t = request.dblChartJD[rule.intSlotDateSet[0]];
        for (int i = 1; i <= intMaxBodies; ++i) {
            for (int j = 1; j <= n; ++j) {
                const int k = FindAspect(L[1][i], L[0][j], udtOrbs, rule.intAspectOrbColumn, d);
                if (k == 0)
                    continue;
                const int intTrend = blnSynastry ? 0 : AspectTrendToFixedAt(source, t, L[1][i], j, k, d);
                setAspect(TwoChartAspectCell(i, j), { 0, j, 1, i, k, d, intTrend });
            }
        }
        WriteTwoChartReport(result.udtReports, result.intAspectCount);
    }
    AddChartAngles(request, config, udtOrbs, result);
}

void PublishChart(const ChartRequest& request, const ChartResult& result)
{
    ShownChartState state = ShownChartNow();
    for (int k = 0; k < 3; ++k) {
        if (ModeUsesDateSet(request.intMode, k))
            state.dblChartJD[k] = request.dblChartJD[k];
    }
    state.positions = result.udtPositions;
    for (int k = 0; k < 8; ++k)
        state.intAspectCount[k] = result.intAspectCount[k];
    SetShownChart(state);
}

void PublishInvalidDate(int k, double dblCode)
{
    if (k < 0 || k >= 3)
        return;
    ShownChartState state = ShownChartNow();
    state.dblChartJD[k] = dblCode;
    SetShownChart(state);
}

QString ModeName(int intMode)
{
    static const TextId kModeNames[7] = { TextId::AppTitle, TextId::ModePlanetary, TextId::ModeNatal1,
        TextId::ModeNatal2, TextId::ModePersonal1, TextId::ModePersonal2, TextId::ModeSynastry };
    return GetText(kModeNames[intMode >= modePlanetary && intMode <= modeSynastry ? intMode : modeNone]);
}

QString ChartTitle(int intMode, const OrbTable& udtOrbs)
{
    if (intMode < modePlanetary || intMode > modeSynastry)
        return GetText(TextId::AppTitle);
    const QString strTitle = GetText(TextId::AppTitle) + QStringLiteral(" - ") + ModeName(intMode);
    return TitleWithOrbs(udtOrbs, strTitle, !IsSingleChartMode(intMode), intMode == modeSynastry);
}

QString TitleWithOrbs(
    const OrbTable& udtOrbs, const QString& strTitle, bool blnPersonal, bool blnSynastry, bool blnAddPeriod)
{
    const int c = blnSynastry ? 1 : 0;
    const double dblLargest = blnPersonal ? udtOrbs.dblMaxOrbCol[c] : udtOrbs.dblMaxOrb;
    const double dblSmallest = blnPersonal ? udtOrbs.dblMinOrbCol[c] : udtOrbs.dblMinOrb;
    if (udtOrbs.blnAllOrbsEqual) {
        QString strResult = strTitle + QStringLiteral("  ") + GetText(TextId::Orb) + QLatin1Char(' ')
            + AngleToDegMinText(dblLargest, true);
        if (blnAddPeriod)
            strResult += QLatin1Char('.');
        return strResult;
    }
    return strTitle + QStringLiteral("  ") + GetText(TextId::Orbs) + QStringLiteral(": ")
        + AngleToDegMinText(dblSmallest, true) + QLatin1Char(' ') + GetText(TextId::OrbsTo) + QLatin1Char(' ')
        + AngleToDegMinText(dblLargest, true);
}

QString LongitudeErrorText(int intCode)
{
    if (intCode == -99)
        return QStringLiteral("<");
    return intCode == -100 ? QStringLiteral(">") : QStringLiteral("?");
}

void FormatAspectCell(
    const ConfigurationSettings& config, const OrbTable& udtOrbs, int intOrbColumn, GridCell& cell, int k, double d)
{
    bool blnBold = false;
    if (config.chkUseBoldface) {
        if (config.opt1DegOfOrb)
            blnBold = d < dblPi / 180.0;
        else
            blnBold = d < udtOrbs.dblOrb[k][intOrbColumn] / BoldfaceFactorItemData(config.cboBoldfaceFactor);
    }
    cell.blnBold = blnBold;
    cell.dblForeColor = config.dblAspectColor[k];
}

} // namespace qal
