// The aspect test and the orb table.
//
// Two longitudes (radians; negative = not available) form aspect kind k when
// the distance of their separation from the kind's exact angle is strictly
// below the orb of that kind; the kinds are tried in order 1..7 and the first
// within orb wins.
#pragma once

#include <QString>

namespace qal {

// Orbs in radians by aspect kind 1..7 and column: 0 base, 1 personal
// transits, 2 synastry (columns 1 and 2 are column 0 divided by the
// configured proportions). Rebuilt by SetOrbs, nothing else writes it.
extern double dblOrb[8][3];

// Extremes of the non-zero orbs, derived by ComputeOrbExtremes.
extern double dblMaxOrb;
extern double dblMinOrb;
extern bool blnAllOrbsEqual;
extern double dblMaxOrbCol[2]; // index 0 for column 1, 1 for column 2
extern double dblMinOrbCol[2];

// Rebuilds the orb table from the accepted orbs and the proportion lists of
// the configuration, then the extremes.
void SetOrbs();
void ComputeOrbExtremes();

// The shorter arc between two longitudes, in [0, π]. intLeadSign becomes −1
// when the second body is ahead, +1 when the first is; it is left as it was
// when neither holds.
double AngularSeparation(double L1, double L2, int& intLeadSign);

// The shorter arc between two longitudes, in [0, π], without the leader.
double ShorterArc(double L1, double L2);

// The separation with the sign of the body that is ahead.
double SignedSeparation(double L1, double L2);

// The first aspect kind (1..7) the two longitudes form with the orbs of
// column intOrbColumn, with its deviation from exact; 0 when none.
int FindAspect(double L1, double L2, int intOrbColumn, double& dblDeviation);

// Whether bodies b1 and b2 of chart slot 0 form kind k with the base orbs;
// the deviation is handed back in any case.
bool IsAspectBetweenBodies(int b1, int b2, int k, double& dblDeviation);

// Whether the two longitudes form kind k with the orbs of column intOrbColumn;
// dblExactness is (orb − deviation) / orb, or −1 when they do not.
bool IsAspectWithOrbColumn(double L1, double L2, int k, int intOrbColumn, double& dblExactness);

// +1 separating (the deviation half an hour after t is larger), −1 applying,
// 0 unchanged, for bodies b1 and b2 at moment t (UT).
int AspectTrend(double t, int b1, int b2, int k, double dblDeviation);

// The same for moving body b against a fixed longitude, from the current
// moment dblChartJD[0].
int AspectTrendToFixed(double dblFixedLongitude, int b, int k, double dblDeviation);

// The deviation as the aspect table shows it: 4 decimals of a radian, or
// degrees and minutes such as 0°7'.
QString DeviationText(double dblDeviation, bool blnRadians);

} // namespace qal
