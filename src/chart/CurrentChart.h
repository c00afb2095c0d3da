// The routines of the program's design that work on the shown chart and the
// accepted configuration. Each is a thin forward: it hands the module-wide
// state (the shown chart of astro/ChartState.h, the accepted orbs of
// aspects/Orbs.h, the configuration record) to a core function that takes
// its inputs as arguments. Searches over other moments call the core
// functions directly and leave this state alone.
#pragma once

#include "aspects/Patterns.h"

#include <QString>

namespace qal {

// The configuration's zodiac.
double GetLongitude(int b, double t);
bool IsRetrograde(int b, double dblBodyLongitude, double t);
QString ZodiacName(bool blnWithFullStop);

// Slot 0 of the shown chart with the accepted base orbs; the deviation is
// handed back in any case.
bool IsAspectBetweenBodies(int b1, int b2, int k, double& dblDeviation);

// The accepted orbs of column intOrbColumn; dblExactness is (orb −
// deviation) / orb, or −1 when the longitudes do not form kind k.
bool IsAspectWithOrbColumn(double L1, double L2, int k, int intOrbColumn, double& dblExactness);

int AspectTrend(double t, int b1, int b2, int k, double dblDeviation);
// Moving body b at the current moment dblChartJD[0] against a fixed longitude.
int AspectTrendToFixed(double dblFixedLongitude, int b, int k, double dblDeviation);

// Slot 0 of the shown chart as the pattern searches see it.
PatternSky ShownPatternSky();

QString FindGrandTrines(bool blnLongForm, int& intCount);
QString FindKites(bool blnLongForm, int& intCount);
QString FindRectangles(bool blnLongForm, int& intCount);
QString FindTSquares(bool blnLongForm, int& intCount);
QString FindGrandCrosses(bool blnLongForm, int& intCount);
QString FindYods(bool blnLongForm, int& intCount);
QString FindYodKites(bool blnLongForm, int& intCount);
QString FindTrapeziums(bool blnLongForm, int& intCount);
QString FindSixStelliums(bool blnLongForm, int& intCount);
QString FindFiveStelliums(bool blnLongForm, int& intCount);
QString FindFourStelliums(bool blnLongForm, int& intCount);
QString FindThreeStelliums(bool blnLongForm, int& intCount);
QString FindGrandSextiles(bool blnLongForm, int& intCount);

} // namespace qal
