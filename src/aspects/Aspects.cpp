// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "aspects/Aspects.h"

#include "astro/AstroTables.h"

#include <QLocale>

#include <cmath>

namespace qal {
namespace {

// Round to 6 decimals of a radian, halves to even, as a whole number of micro-radians.
double Micro(double x)
{
    return std::nearbyint(x * 1e6);
}

int Trend(double dblNewDeviation, double dblDeviation)
{
    if (dblNewDeviation > dblDeviation)
        return 1;
    return dblNewDeviation < dblDeviation ? -1 : 0;
}

} // namespace

double ShorterArc(double L1, double L2)
{
    double d1 = L1 - L2;
    if (d1 < 0)
        d1 += dblTwoPi;
    double d2 = L2 - L1;
    if (d2 < 0)
        d2 += dblTwoPi;
    return d1 <= d2 ? d1 : d2;
}

double AngularSeparation(double L1, double L2, int& intLeadSign)
{
    const double s = ShorterArc(L1, L2);
    if (Micro(NormalizeAngle(s + L1)) == Micro(L2))
        intLeadSign = -1;
    else if (Micro(NormalizeAngle(s + L2)) == Micro(L1))
        intLeadSign = 1;
    return s;
}

double SignedSeparation(double L1, double L2)
{
    int intSign = 0;
    const double s = AngularSeparation(L1, L2, intSign);
    return s * intSign;
}

double AspectDeviation(double L1, double L2, int k)
{
    return std::fabs(ShorterArc(L1, L2) - dblAspectAngle[k]);
}

int FindAspect(double L1, double L2, const OrbTable& udtOrbs, int intOrbColumn, double& dblDeviation)
{
    if (L1 < 0 || L2 < 0)
        return 0;
    const double s = ShorterArc(L1, L2);
    for (int k = 1; k <= intNumAspectKinds; ++k) {
        const double dblDev = std::fabs(s - dblAspectAngle[k]);
        if (dblDev < udtOrbs.dblOrb[k][intOrbColumn]) {
            dblDeviation = dblDev;
            return k;
        }
    }
    return 0;
}

double AspectExactness(double L1, double L2, int k, const OrbTable& udtOrbs, int intOrbColumn)
{
    if (L1 < 0 || L2 < 0)
        return -1.0;
    const double dblDev = AspectDeviation(L1, L2, k);
    const double dblThisOrb = udtOrbs.dblOrb[k][intOrbColumn];
    if (!(dblDev < dblThisOrb))
        return -1.0;
    return (dblThisOrb - dblDev) / dblThisOrb;
}

int AspectTrendAt(const LongitudeSource& source, double t, int b1, int b2, int k, double dblDeviation)
{
    const double dblLater = t + 1.0 / 48.0;
    return Trend(AspectDeviation(source(b1, dblLater), source(b2, dblLater), k), dblDeviation);
}

int AspectTrendToFixedAt(
    const LongitudeSource& source, double t, double dblFixedLongitude, int b, int k, double dblDeviation)
{
    const double L1 = source(b, t + 1.0 / 48.0);
    return Trend(AspectDeviation(L1, dblFixedLongitude, k), dblDeviation);
}

QString DeviationText(double dblDeviation, bool blnRadians)
{
    if (blnRadians)
        return QLocale().toString(dblDeviation, 'f', 4);
    return AngleToDegMinText(dblDeviation);
}

} // namespace qal
