// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The aspect test.
//
// Two longitudes (radians; negative = not available) form aspect kind k when
// the distance of their separation from the kind's exact angle is strictly
// below the orb of that kind; the kinds are tried in order 1..7 and the first
// within orb wins. Every test takes the orb table it judges with.
#pragma once

#include "aspects/Orbs.h"
#include "astro/Longitudes.h"

#include <QString>

namespace qal {

// The shorter arc between two longitudes, in [0, π], without the leader.
double ShorterArc(double L1, double L2);

// The shorter arc between two longitudes, in [0, π]. intLeadSign becomes −1
// when the second body is ahead, +1 when the first is; it is left as it was
// when neither holds.
double AngularSeparation(double L1, double L2, int& intLeadSign);

// The separation with the sign of the body that is ahead.
double SignedSeparation(double L1, double L2);

// Distance of the separation of two longitudes from the exact angle of kind k.
double AspectDeviation(double L1, double L2, int k);

// The first aspect kind (1..7) the two longitudes form with the orbs of
// column intOrbColumn, with its deviation from exact; 0 when none.
int FindAspect(double L1, double L2, const OrbTable& udtOrbs, int intOrbColumn, double& dblDeviation);

// (orb − deviation) / orb when the longitudes form kind k with the orbs of
// column intOrbColumn, else −1.
double AspectExactness(double L1, double L2, int k, const OrbTable& udtOrbs, int intOrbColumn);

// +1 separating (the deviation half an hour after t is larger), −1 applying,
// 0 unchanged, for bodies b1 and b2 at moment t (UT).
int AspectTrendAt(const LongitudeSource& source, double t, int b1, int b2, int k, double dblDeviation);

// The same for moving body b at moment t against a fixed longitude.
int AspectTrendToFixedAt(
    const LongitudeSource& source, double t, double dblFixedLongitude, int b, int k, double dblDeviation);

// The deviation as the aspect table shows it: 4 decimals of a radian, or
// degrees and minutes such as 0°7'.
QString DeviationText(double dblDeviation, bool blnRadians);

} // namespace qal
