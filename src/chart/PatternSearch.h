// Looking for the next moment at which the sky holds an aspect pattern,
// chart after chart, as a run does but without waiting. Each chart costs its
// ten longitudes and the searches its pattern kind needs; nothing is written.
#pragma once

#include "aspects/Orbs.h"
#include "astro/Longitudes.h"

#include <optional>

namespace qal {

struct PatternSearchQuery {
    int intKind = 0; // the pattern kind
    int intAtLeast = 1; // occurrences at least
    double dblFrom = 0; // first moment (UT)
    double dblUntil = 0; // last moment looked at
    double dblStep = 1; // days between charts
    double dblMidpointOrb = 0; // radians
};

// The first moment from dblFrom, in steps, at which the pattern is there
// at least intAtLeast times; none up to dblUntil. intCharts counts the charts
// looked at.
std::optional<double> FindPatternMoment(
    const LongitudeSource& source, const OrbTable& udtOrbs, const PatternSearchQuery& query, long long& intCharts);

} // namespace qal
