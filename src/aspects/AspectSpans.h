// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// When an aspect began and when it ends, to the day.
//
// From the current moment the search probes the local midnights back to the
// first midnight at which the aspect does not hold, and forward likewise. It
// passes over the midnights at which the bodies cannot yet have left the orb
// at their fastest motion, so the answer is that of probing every midnight. The current moment itself is never probed.
// Results are day numbers (the whole Julian day number of the local date), or
// −1 when a longitude on the way is not available.
#pragma once

#include "aspects/Orbs.h"
#include "astro/Longitudes.h"

#include <optional>

namespace qal {

struct AspectSpanQuery {
    int intFirstBody = 0; // the natal body in the Personal modes
    int intSecondBody = 0; // the moving body
    int intKind = 0;
    int intOrbColumn = 0; // 0 base orbs, 1 personal transits
    int intTimezoneMinutes = 0; // the current moment's zone, east positive
    double dblDayValue = 0; // the current moment: local day number + local clock time
    // A natal body stands still at its birth longitude (radians).
    std::optional<double> dblFixedFirstLongitude;
};

double AspectBeginningDay(const LongitudeSource& source, const OrbTable& udtOrbs, const AspectSpanQuery& query);
double AspectEndDay(const LongitudeSource& source, const OrbTable& udtOrbs, const AspectSpanQuery& query);

// The number of days from the first to the last day, both counted.
int AspectDurationDays(double dblBeginningDay, double dblEndDay);

} // namespace qal
