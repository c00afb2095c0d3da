#include "aspects/PatternSpans.h"

#include "aspects/Aspects.h"
#include "astro/Angles.h"

#include <algorithm>
#include <cmath>

namespace qal {
namespace {

// The span of a midpoint [outer, middle, outer]: while the middle body stays
// within the orb of the midpoint of the outer two (or of its opposite point)
// and no two of the three are conjunct.
std::optional<OrbStretch> MidpointStretch(const LongitudeSource& source, const std::vector<int>& bodies, double dblMidpointOrb,
    double dblConjunctionOrb, double t, double dblMaxDays)
{
    if (bodies.size() != 3)
        return std::nullopt;
    const auto margin = [&](double x) {
        const double L1 = source(bodies[0], x), L2 = source(bodies[1], x), L3 = source(bodies[2], x);
        if (L1 < 0 || L2 < 0 || L3 < 0)
            return std::nan("");
        const double dblMid = (L1 + L3) / 2;
        double m = std::min(ShorterArc(dblMid, L2), ShorterArc(NormalizeAngle(dblMid + dblPi), L2)) - dblMidpointOrb;
        for (const auto& [a, b] : { std::pair(L1, L2), std::pair(L1, L3), std::pair(L2, L3) })
            m = std::max(m, dblConjunctionOrb - ShorterArc(a, b)); // apart by more than the conjunction's orb
        return m;
    };
    double dblFastest = 0;
    for (int b : bodies)
        dblFastest += MaxDailyMotion(b);
    return MarginStretchAround(margin, t, std::min(1.0, 1.0 / dblFastest), dblMaxDays);
}

} // namespace

std::optional<PatternSpan> PatternSpanAround(const LongitudeSource& source, const PatternOccurrence& occurrence,
    const OrbTable& udtOrbs, double dblMidpointOrb, double t, double dblMaxDays)
{
    std::vector<OrbStretch> stretches;
    if (occurrence.intKind == patMidpoint) {
        const std::optional<OrbStretch> stretch
            = MidpointStretch(source, occurrence.bodies, dblMidpointOrb, udtOrbs.dblOrb[1][0], t, dblMaxDays);
        if (!stretch)
            return std::nullopt;
        stretches.push_back(*stretch);
    } else {
        // Every aspect among the bodies at t.
        for (size_t i = 0; i < occurrence.bodies.size(); ++i) {
            for (size_t j = i + 1; j < occurrence.bodies.size(); ++j) {
                AspectCourseQuery query;
                query.intFirstBody = occurrence.bodies[i];
                query.intSecondBody = occurrence.bodies[j];
                double dblDeviation = 0;
                query.intKind = FindAspect(
                    source(query.intFirstBody, t), source(query.intSecondBody, t), udtOrbs, 0, dblDeviation);
                if (query.intKind == 0)
                    return std::nullopt; // every two bodies of a pattern form an aspect while it holds
                query.dblOrb = udtOrbs.dblOrb[query.intKind][0];
                const std::optional<OrbStretch> stretch = OrbEdgesAround(source, query, t, dblMaxDays);
                if (!stretch)
                    return std::nullopt;
                stretches.push_back(*stretch);
            }
        }
    }
    if (stretches.empty())
        return std::nullopt;
    PatternSpan span;
    span.dblFormed = -1e300;
    span.dblDissolves = 1e300;
    for (const OrbStretch& stretch : stretches) {
        if (stretch.dblBegin > span.dblFormed) {
            span.dblFormed = stretch.dblBegin;
            span.blnFormedFound = stretch.blnBeginFound;
        }
        if (stretch.dblEnd < span.dblDissolves) {
            span.dblDissolves = stretch.dblEnd;
            span.blnDissolvesFound = stretch.blnEndFound;
        }
    }
    return span;
}

} // namespace qal
