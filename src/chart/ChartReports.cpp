// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "chart/ChartReports.h"

#include "astro/AstroTables.h"
#include "text/Texts.h"

#include <QStringList>

namespace qal {
namespace {

int TotalAspects(const int intKindCounts[8])
{
    int intTotal = 0;
    for (int k = 1; k <= intNumAspectKinds; ++k)
        intTotal += intKindCounts[k];
    return intTotal;
}

QString TotalText(int intTotal)
{
    return GetText(TextId::AspectsInTotal).replace(QLatin1Char('N'), QString::number(intTotal));
}

} // namespace

QString AspectCountText(int k, int intCount)
{
    QString strName = udtAspectText[k].Name;
    if (!IsGerman()) {
        strName = strName.toLower();
        if (intCount != 1)
            strName += k == intQuincunx ? QStringLiteral("es") : QStringLiteral("s");
    }
    return QString::number(intCount) + QLatin1Char(' ') + strName;
}

void WriteSingleChartReport(
    ChartReports& reports, const int intKindCounts[8], const PatternSky& sky, int intPatternCount[intNumPatternKinds])
{
    QString& r = reports.strReport;
    for (int k = 1; k <= intNumAspectKinds; ++k) {
        if (intKindCounts[k] >= 1)
            r += AspectCountText(k, intKindCounts[k]) + strCrLf;
    }
    const int intTotal = TotalAspects(intKindCounts);
    if (intTotal == 0)
        r += GetText(TextId::NoAspects) + strCrLf;
    else if (intTotal > 1)
        r += TotalText(intTotal) + strCrLf;
    r += strCrLf;
    r += RunPatternSearches(sky, false, intPatternCount);
    if (reports.intRetrogradeCount > 0)
        r += QString::number(reports.intRetrogradeCount) + QLatin1Char(' ') + GetText(TextId::Retrograde)
            + QStringLiteral(": ") + reports.strRetrogradeList;
}

void WriteTwoChartReport(ChartReports& reports, const int intKindCounts[8])
{
    QStringList items;
    for (int k = 1; k <= intNumAspectKinds; ++k) {
        if (intKindCounts[k] >= 1)
            items << AspectCountText(k, intKindCounts[k]);
    }
    const int intTotal = TotalAspects(intKindCounts);
    if (intTotal == 0) {
        reports.strReport1 = GetText(TextId::NoAspects);
        return;
    }
    reports.strReport1 = items.join(QStringLiteral(", "));
    if (intTotal > 1)
        reports.strReport1 += QStringLiteral(". ") + TotalText(intTotal);
}

} // namespace qal
