#include "mainwindow/ChartCompute.h"

#include "aspects/Aspects.h"
#include "aspects/Patterns.h"
#include "astro/AstroTables.h"
#include "astro/Longitudes.h"
#include "settings/Configuration.h"
#include "text/Texts.h"

#include <QLocale>

#include <cmath>

namespace qal {
namespace {

// Slot and body standing in a position cell of the grid, if it is one.
struct PositionCell {
    int intCell;
    int intSlot;
    int intBody;
};

std::vector<PositionCell> PositionCells(bool blnSingle)
{
    std::vector<PositionCell> result;
    for (int b = 1; b <= intMaxBodies; ++b) {
        if (blnSingle) {
            result.push_back({ SingleChartPositionCell(b), 0, b });
        } else {
            result.push_back({ TwoChartPositionCell(0, b), 0, b });
            result.push_back({ TwoChartPositionCell(1, b), 1, b });
        }
    }
    return result;
}

QString PositionText(int s, int b, bool blnRadians, ChartReports& reports)
{
    const double L = dblLongitude[s][b];
    if (L < 0)
        return LongitudeErrorText(static_cast<int>(L));
    if (blnRadians)
        return QLocale().toString(L, 'f', 4);
    QString strText = AngleToDegMinText(L);
    if (intRetrograde[s][b]) {
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

void SetAspectCell(GridCell& cell, int k, double d, bool blnRadians, int intTrend, int intBoldColumn)
{
    cell.strText = udtAspectText[k].Abbr + strCrLf + DeviationText(d, blnRadians) + TrendMarker(intTrend);
    FormatAspectCell(intBoldColumn, cell, k, d);
    ++intAspectCount[k];
}

int TotalAspects()
{
    int intTotal = 0;
    for (int k = 1; k <= intNumAspectKinds; ++k)
        intTotal += intAspectCount[k];
    return intTotal;
}

QString TotalText(int intTotal)
{
    return GetText(127).replace(QLatin1Char('N'), QString::number(intTotal));
}

void WriteSingleChartReport(ChartReports& reports, int intPatternCount[14])
{
    QString& r = reports.strReport;
    for (int k = 1; k <= intNumAspectKinds; ++k) {
        if (intAspectCount[k] >= 1)
            r += AspectCountText(k, intAspectCount[k]) + strCrLf;
    }
    const int intTotal = TotalAspects();
    if (intTotal == 0)
        r += GetText(126) + strCrLf;
    else if (intTotal > 1)
        r += TotalText(intTotal) + strCrLf;
    r += strCrLf;
    r += RunPatternSearches(false, intPatternCount);
    if (reports.intRetrogradeCount > 0)
        r += QString::number(reports.intRetrogradeCount) + QLatin1Char(' ') + GetText(389) + QStringLiteral(": ")
            + reports.strRetrogradeList;
}

void WriteTwoChartReport(ChartReports& reports)
{
    QStringList items;
    for (int k = 1; k <= intNumAspectKinds; ++k) {
        if (intAspectCount[k] >= 1)
            items << AspectCountText(k, intAspectCount[k]);
    }
    const int intTotal = TotalAspects();
    if (intTotal == 0) {
        reports.strReport1 = GetText(126);
        return;
    }
    reports.strReport1 = items.join(QStringLiteral(", "));
    if (intTotal > 1)
        reports.strReport1 += QStringLiteral(". ") + TotalText(intTotal);
}

} // namespace

int NumBodiesForMode(int intMode)
{
    if (IsSingleChartMode(intMode) || intMode == modeSynastry || udtConfig.blnIncludeTransitingMoon)
        return intMaxBodies;
    return intMaxBodies - 1;
}

void ComputeChart(int intMode, bool blnRadians, AspectGrid& grid, ChartReports& reports, int intPatternCount[14])
{
    const bool blnSingle = IsSingleChartMode(intMode);
    const bool blnSynastry = intMode == modeSynastry;
    if (blnSingle)
        BuildSingleChartGrid(grid);
    else
        BuildTwoChartGrid(grid, intMode);

    // The moment of each chart slot.
    double dblSlotJD[2] = { 0, 0 };
    if (blnSingle) {
        dblSlotJD[0] = dblChartJD[intMode - modePlanetary];
    } else {
        dblSlotJD[0] = dblChartJD[blnSynastry ? 1 : 0];
        dblSlotJD[1] = dblChartJD[intMode == modePersonal1 ? 1 : 2];
    }
    const int intSlots = blnSingle ? 1 : 2;
    const int intLastBody = blnSingle ? intNumBodies : intMaxBodies;
    for (int s = 0; s < intSlots; ++s) {
        for (int b = 1; b <= intLastBody; ++b) {
            dblLongitude[s][b] = GetLongitude(b, dblSlotJD[s]);
            intRetrograde[s][b] = IsRetrograde(b, dblLongitude[s][b], dblSlotJD[s]);
        }
    }

    reports = ChartReports();
    const bool blnMoonExcluded = !blnSingle && !blnSynastry && !udtConfig.blnIncludeTransitingMoon;
    for (const PositionCell& p : PositionCells(blnSingle)) {
        GridCell& cell = grid.cells[p.intCell];
        cell.dblBackColor = PositionCellBackground();
        cell.dblForeColor = dblBlack;
        const bool blnEmpty = blnMoonExcluded && p.intSlot == 0 && p.intBody == intMoon;
        cell.strText = blnEmpty ? QString() : PositionText(p.intSlot, p.intBody, blnRadians, reports);
    }

    for (int k = 1; k <= intNumAspectKinds; ++k)
        intAspectCount[k] = 0;
    double d = 0;
    if (blnSingle) {
        for (int i = 1; i <= intNumBodies; ++i) {
            for (int j = i + 1; j <= intNumBodies; ++j) {
                const int k = FindAspect(dblLongitude[0][i], dblLongitude[0][j], 0, d);
                if (k > 0)
                    SetAspectCell(grid.cells[SingleChartAspectCell(i, j)], k, d, blnRadians,
                        AspectTrend(dblSlotJD[0], i, j, k, d), 0);
            }
        }
        GridCell& zodiac = grid.At(grid.intRows - 1, 0);
        zodiac.strText = ZodiacName(false);
        zodiac.dblForeColor = dblBlack;
        zodiac.dblBackColor = PositionCellBackground();
        zodiac.blnVisible = true;
        WriteSingleChartReport(reports, intPatternCount);
    } else {
        const int intOrbColumn = blnSynastry ? 2 : 1;
        for (int i = 1; i <= intMaxBodies; ++i) {
            for (int j = 1; j <= intNumBodies; ++j) {
                const int k = FindAspect(dblLongitude[1][i], dblLongitude[0][j], intOrbColumn, d);
                if (k == 0)
                    continue;
                const int intTrend = blnSynastry ? 0 : AspectTrendToFixed(dblLongitude[1][i], j, k, d);
                SetAspectCell(grid.cells[TwoChartAspectCell(i, j)], k, d, blnRadians, intTrend, 1);
            }
        }
        WriteTwoChartReport(reports);
    }
}

QString ChartTitle(int intMode)
{
    if (intMode < modePlanetary || intMode > modeSynastry)
        return GetText(1);
    const QString strTitle = GetText(1) + QStringLiteral(" - ") + GetText(8 + intMode);
    return AddOrbToTitle(strTitle, !IsSingleChartMode(intMode), intMode == modeSynastry);
}

QString AddOrbToTitle(const QString& strTitle, bool blnPersonal, bool blnSynastry, bool blnAddPeriod)
{
    const int c = blnSynastry ? 1 : 0;
    const double dblLargest = blnPersonal ? dblMaxOrbCol[c] : dblMaxOrb;
    const double dblSmallest = blnPersonal ? dblMinOrbCol[c] : dblMinOrb;
    if (blnAllOrbsEqual) {
        QString strResult
            = strTitle + QStringLiteral("  ") + GetText(33) + QLatin1Char(' ') + AngleToDegMinText(dblLargest, true);
        if (blnAddPeriod)
            strResult += QLatin1Char('.');
        return strResult;
    }
    return strTitle + QStringLiteral("  ") + GetText(34) + QStringLiteral(": ") + AngleToDegMinText(dblSmallest, true)
        + QLatin1Char(' ') + GetText(35) + QLatin1Char(' ') + AngleToDegMinText(dblLargest, true);
}

QString LongitudeErrorText(int intCode)
{
    if (intCode == -99)
        return QStringLiteral("<");
    return intCode == -100 ? QStringLiteral(">") : QStringLiteral("?");
}

void FormatAspectCell(int intOrbColumn, GridCell& cell, int k, double d)
{
    bool blnBold = false;
    if (udtConfig.chkUseBoldface) {
        if (udtConfig.opt1DegOfOrb)
            blnBold = d < dblPi / 180.0;
        else
            blnBold = d < dblOrb[k][intOrbColumn] / BoldfaceFactorItemData(udtConfig.cboBoldfaceFactor);
    }
    cell.blnBold = blnBold;
    cell.dblForeColor = udtConfig.dblAspectColor[k];
}

QString AspectCountText(int k, int intCount)
{
    QString strName = udtAspectText[k].Name;
    if (!IsGerman()) {
        strName = strName.toLower();
        if (intCount != 1)
            strName += k == 7 ? QStringLiteral("es") : QStringLiteral("s");
    }
    return QString::number(intCount) + QLatin1Char(' ') + strName;
}

} // namespace qal
