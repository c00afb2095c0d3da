#include "chart/CurrentChart.h"

#include "aspects/Aspects.h"
#include "astro/Longitudes.h"
#include "settings/Configuration.h"

namespace qal {

double GetLongitude(int b, double t)
{
    return LongitudeAt(b, t, udtConfig.blnSidereal);
}

bool IsRetrograde(int b, double dblBodyLongitude, double t)
{
    return IsRetrogradeAt(EphemerisSource(udtConfig.blnSidereal), b, dblBodyLongitude, t);
}

QString ZodiacName(bool blnWithFullStop)
{
    return ZodiacText(udtConfig.blnSidereal, blnWithFullStop);
}

bool IsAspectBetweenBodies(int b1, int b2, int k, double& dblDeviation)
{
    const double L1 = dblLongitude[0][b1];
    const double L2 = dblLongitude[0][b2];
    if (L1 < 0 || L2 < 0)
        return false;
    dblDeviation = AspectDeviation(L1, L2, k);
    return dblDeviation < dblOrb[k][0];
}

bool IsAspectWithOrbColumn(double L1, double L2, int k, int intOrbColumn, double& dblExactness)
{
    dblExactness = AspectExactness(L1, L2, k, udtOrbTable, intOrbColumn);
    return dblExactness >= 0;
}

int AspectTrend(double t, int b1, int b2, int k, double dblDeviation)
{
    return AspectTrendAt(EphemerisSource(udtConfig.blnSidereal), t, b1, b2, k, dblDeviation);
}

int AspectTrendToFixed(double dblFixedLongitude, int b, int k, double dblDeviation)
{
    return AspectTrendToFixedAt(
        EphemerisSource(udtConfig.blnSidereal), dblChartJD[0], dblFixedLongitude, b, k, dblDeviation);
}

PatternSky ShownPatternSky()
{
    return MakePatternSky(dblLongitude[0], intNumBodies, udtOrbTable, MidpointOrbRadians(udtConfig));
}

QString FindGrandTrines(bool blnLongForm, int& intCount)
{
    return FindGrandTrines(ShownPatternSky(), blnLongForm, intCount);
}
QString FindKites(bool blnLongForm, int& intCount)
{
    return FindKites(ShownPatternSky(), blnLongForm, intCount);
}
QString FindRectangles(bool blnLongForm, int& intCount)
{
    return FindRectangles(ShownPatternSky(), blnLongForm, intCount);
}
QString FindTSquares(bool blnLongForm, int& intCount)
{
    return FindTSquares(ShownPatternSky(), blnLongForm, intCount);
}
QString FindGrandCrosses(bool blnLongForm, int& intCount)
{
    return FindGrandCrosses(ShownPatternSky(), blnLongForm, intCount);
}
QString FindYods(bool blnLongForm, int& intCount)
{
    return FindYods(ShownPatternSky(), blnLongForm, intCount);
}
QString FindYodKites(bool blnLongForm, int& intCount)
{
    return FindYodKites(ShownPatternSky(), blnLongForm, intCount);
}
QString FindTrapeziums(bool blnLongForm, int& intCount)
{
    return FindTrapeziums(ShownPatternSky(), blnLongForm, intCount);
}
QString FindSixStelliums(bool blnLongForm, int& intCount)
{
    return FindSixStelliums(ShownPatternSky(), blnLongForm, intCount);
}
QString FindFiveStelliums(bool blnLongForm, int& intCount)
{
    return FindFiveStelliums(ShownPatternSky(), blnLongForm, intCount);
}
QString FindFourStelliums(bool blnLongForm, int& intCount)
{
    return FindFourStelliums(ShownPatternSky(), blnLongForm, intCount);
}
QString FindThreeStelliums(bool blnLongForm, int& intCount)
{
    return FindThreeStelliums(ShownPatternSky(), blnLongForm, intCount);
}
QString FindGrandSextiles(bool blnLongForm, int& intCount)
{
    return FindGrandSextiles(ShownPatternSky(), blnLongForm, intCount);
}

} // namespace qal
