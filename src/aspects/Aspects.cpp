#include "aspects/Aspects.h"

#include "astro/AstroTables.h"
#include "astro/Longitudes.h"
#include "settings/Configuration.h"

#include <QLocale>

#include <cmath>

namespace qal {

double dblOrb[8][3];
double dblMaxOrb = 0;
double dblMinOrb = 0;
bool blnAllOrbsEqual = false;
double dblMaxOrbCol[2];
double dblMinOrbCol[2];

namespace {

// Largest and smallest non-zero orb of one column; the smallest starts above any orb.
void Extremes(int intColumn, double& dblMax, double& dblMin)
{
    dblMax = 0;
    dblMin = 20;
    for (int k = 1; k <= intNumAspectKinds; ++k) {
        const double dblValue = dblOrb[k][intColumn];
        if (dblValue > dblMax)
            dblMax = dblValue;
        if (dblValue > 0 && dblValue < dblMin)
            dblMin = dblValue;
    }
}

// Round to 6 decimals of a radian, halves to even, as a whole number of micro-radians.
double Micro(double x)
{
    return std::nearbyint(x * 1e6);
}

double Deviation(double L1, double L2, int k)
{
    return std::fabs(ShorterArc(L1, L2) - dblAspectAngle[k]);
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

void SetOrbs()
{
    for (int k = 1; k <= intNumAspectKinds; ++k)
        dblOrb[k][0] = OrbListItemData(udtConfig.intOrbIndex[k - 1]) / 60.0 / 360.0 * dblTwoPi;
    for (int c = 1; c <= 2; ++c) {
        const int d = OrbProportionItemData(udtConfig.cboPersonalOrbsProportion[c - 1]);
        for (int k = 1; k <= intNumAspectKinds; ++k)
            dblOrb[k][c] = dblOrb[k][0] / d;
    }
    ComputeOrbExtremes();
}

void ComputeOrbExtremes()
{
    Extremes(0, dblMaxOrb, dblMinOrb);
    blnAllOrbsEqual = dblMinOrb == dblMaxOrb;
    for (int c = 1; c <= 2; ++c)
        Extremes(c, dblMaxOrbCol[c - 1], dblMinOrbCol[c - 1]);
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

int FindAspect(double L1, double L2, int intOrbColumn, double& dblDeviation)
{
    if (L1 < 0 || L2 < 0)
        return 0;
    const double s = ShorterArc(L1, L2);
    for (int k = 1; k <= intNumAspectKinds; ++k) {
        const double dblDev = std::fabs(s - dblAspectAngle[k]);
        if (dblDev < dblOrb[k][intOrbColumn]) {
            dblDeviation = dblDev;
            return k;
        }
    }
    return 0;
}

bool IsAspectBetweenBodies(int b1, int b2, int k, double& dblDeviation)
{
    const double L1 = dblLongitude[0][b1];
    const double L2 = dblLongitude[0][b2];
    if (L1 < 0 || L2 < 0)
        return false;
    dblDeviation = Deviation(L1, L2, k);
    return dblDeviation < dblOrb[k][0];
}

bool IsAspectWithOrbColumn(double L1, double L2, int k, int intOrbColumn, double& dblExactness)
{
    dblExactness = -1.0;
    if (L1 < 0 || L2 < 0)
        return false;
    const double dblDev = Deviation(L1, L2, k);
    const double dblThisOrb = dblOrb[k][intOrbColumn];
    if (!(dblDev < dblThisOrb))
        return false;
    dblExactness = (dblThisOrb - dblDev) / dblThisOrb;
    return true;
}

int AspectTrend(double t, int b1, int b2, int k, double dblDeviation)
{
    const double dblLater = t + 1.0 / 48.0;
    return Trend(Deviation(GetLongitude(b1, dblLater), GetLongitude(b2, dblLater), k), dblDeviation);
}

int AspectTrendToFixed(double dblFixedLongitude, int b, int k, double dblDeviation)
{
    const double L1 = GetLongitude(b, dblChartJD[0] + 1.0 / 48.0);
    return Trend(Deviation(L1, dblFixedLongitude, k), dblDeviation);
}

QString DeviationText(double dblDeviation, bool blnRadians)
{
    if (blnRadians)
        return QLocale().toString(dblDeviation, 'f', 4);
    return AngleToDegMinText(dblDeviation);
}

} // namespace qal
