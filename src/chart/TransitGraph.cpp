// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "chart/TransitGraph.h"
#include "platform/Calendar.h"

#include "aspects/Aspects.h"
#include "astro/AstroTables.h"
#include "dates/DatePr2.h"
#include "util/Twips.h"

#include <algorithm>
#include <cmath>

namespace qal {

TransitGraphScale MakeTransitGraphScale(double dblBeginningDay, double dblEndDay, double dblTransitOrb, int intTimezoneMinutes)
{
    TransitGraphScale scale;
    scale.dblStart = platform::LocalMidnight(std::floor(dblBeginningDay), intTimezoneMinutes);
    const double dblEnd = platform::LocalMidnight(std::floor(dblEndDay) + 1, intTimezoneMinutes);
    scale.dblTimePerRow = (dblEnd - scale.dblStart) / intGraphRows;
    scale.dblOrb = dblTransitOrb;
    scale.intTimezoneMinutes = intTimezoneMinutes;
    return scale;
}

double RowMoment(const TransitGraphScale& scale, int intRow)
{
    return scale.dblStart + intRow * scale.dblTimePerRow;
}

double MomentAtY(const TransitGraphScale& scale, int intYTwips)
{
    const int intRow
        = static_cast<int>(std::lround((intYTwips - intGraphTop * intTwipsPerPixel) / double(intTwipsPerPixel)));
    return RowMoment(scale, intRow);
}

double DistanceAtX(const TransitGraphScale& scale, int intXTwips)
{
    return (intXTwips / double(intTwipsPerPixel) - intGraphExactX) * (scale.dblOrb / intGraphOrbWidth);
}

double ExactPoint(double dblNatal, int k, double dblTransitingNow)
{
    if (k == intConjunction)
        return dblNatal;
    if (k == intOpposition)
        return NormalizeAngle(dblNatal + dblPi);
    const double dblAhead = NormalizeAngle(dblNatal + dblAspectAngle[k]);
    const double dblBehind = NormalizeAngle(dblNatal - dblAspectAngle[k]);
    return ShorterArc(dblTransitingNow, dblAhead) <= ShorterArc(dblTransitingNow, dblBehind) ? dblAhead : dblBehind;
}

TransitCurves MakeTransitCurves(
    const LongitudeSource& source, int intTransiting, double dblExactPoint, const TransitGraphScale& scale)
{
    TransitCurves curves;
    curves.distance.assign(intGraphRows + 1, -1);
    curves.motion.assign(intGraphRows + 1, -1);
    // The longitudes of the rows and of one row beyond either end; the
    // motion of a row comes from its two neighbours.
    std::vector<double> L(intGraphRows + 3);
    for (int j = -1; j <= intGraphRows + 1; ++j)
        L[j + 1] = source(intTransiting, RowMoment(scale, j));
    std::vector<double> motion(intGraphRows + 1, 0);
    double dblFastest = 0;
    for (int j = 0; j <= intGraphRows; ++j) {
        if (L[j + 1] < 0)
            continue;
        const double e = SignedSeparation(L[j + 1], dblExactPoint);
        if (std::fabs(e) < scale.dblOrb)
            curves.distance[j] = static_cast<int>(std::lround(intGraphExactX + intGraphOrbWidth * e / scale.dblOrb));
        if (L[j] < 0 || L[j + 2] < 0)
            continue;
        motion[j] = std::remainder(L[j + 2] - L[j], dblTwoPi);
        dblFastest = std::max(dblFastest, std::fabs(motion[j]));
    }
    if (dblFastest > 0) {
        // The fastest motion of the graph's days reaches nearly to its edge.
        const double dblScale = (intGraphGridColumns * intGraphGridColumnWidth) / dblFastest;
        for (int j = 0; j <= intGraphRows; ++j) {
            if (L[j + 1] >= 0 && L[j] >= 0 && L[j + 2] >= 0)
                curves.motion[j] = static_cast<int>(std::lround(intGraphExactX + motion[j] * dblScale));
        }
    }
    return curves;
}

int NowGridRow(const TransitGraphScale& scale, double dblNow)
{
    const double dblHalfRow = intGraphGridRowHeight * scale.dblTimePerRow / 2;
    for (int i = 1; i <= intGraphGridRows; ++i) {
        if (RowMoment(scale, i * intGraphGridRowHeight) > dblNow - dblHalfRow)
            return i;
    }
    return 0;
}

QString GraphMomentText(const TransitGraphScale& scale, double dblMoment)
{
    return LocalMomentText(dblMoment, scale.intTimezoneMinutes, false); // a clock's reading: seconds cut
}

} // namespace qal
