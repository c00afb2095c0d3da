// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "aspects/AspectSpans.h"
#include "platform/Calendar.h"

#include "aspects/Aspects.h"
#include "astro/Angles.h"

#include <algorithm>

#include <cmath>

namespace qal {
namespace {

// More probes than any aspect of the ephemeris' range can need: a search
// that goes on past them answers "not known".
constexpr int kMaxProbes = 400000;

// Walks from the local midnight starting day dblStartDay in direction
// intDirection (−1 back, +1 forward) to the first midnight at which the
// aspect does not hold; that midnight's day number, or −1. Midnights at
// which the aspect must still hold (the bodies cannot have moved out of the
// orb yet at their fastest) are passed over without a look.
double FirstMidnightWithout(const LongitudeSource& source, const OrbTable& udtOrbs, const AspectSpanQuery& q,
    double dblStartDay, int intDirection)
{
    double t = platform::LocalMidnight(dblStartDay, q.intTimezoneMinutes);
    const double dblFastestApart
        = (q.dblFixedFirstLongitude ? 0 : MaxDailyMotion(q.intFirstBody)) + MaxDailyMotion(q.intSecondBody);
    const double dblOrbDegrees = RadToDeg(udtOrbs.dblOrb[q.intKind][q.intOrbColumn]);
    for (int i = 0; i < kMaxProbes; ++i) {
        const double L1 = q.dblFixedFirstLongitude ? *q.dblFixedFirstLongitude : source(q.intFirstBody, t);
        const double L2 = source(q.intSecondBody, t);
        if (L1 < 0 || L2 < 0)
            return -1;
        const double dblExactness = AspectExactness(L1, L2, q.intKind, udtOrbs, q.intOrbColumn);
        if (dblExactness < 0)
            return platform::LocalDayNumber(t, q.intTimezoneMinutes);
        const double dblDaysInside = dblExactness * dblOrbDegrees / dblFastestApart;
        t += intDirection * std::max(1.0, std::floor(dblDaysInside));
    }
    return -1;
}

} // namespace

double AspectBeginningDay(const LongitudeSource& source, const OrbTable& udtOrbs, const AspectSpanQuery& query)
{
    return FirstMidnightWithout(source, udtOrbs, query, std::floor(query.dblDayValue), -1);
}

double AspectEndDay(const LongitudeSource& source, const OrbTable& udtOrbs, const AspectSpanQuery& query)
{
    const double dblDay = FirstMidnightWithout(source, udtOrbs, query, std::floor(query.dblDayValue) + 1, +1);
    return dblDay < 0 ? -1 : dblDay - 1; // the day before the aspect no longer holds
}

int AspectDurationDays(double dblBeginningDay, double dblEndDay)
{
    return static_cast<int>(std::trunc(dblEndDay)) - static_cast<int>(std::trunc(dblBeginningDay)) + 1;
}

} // namespace qal
