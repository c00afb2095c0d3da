// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "aspects/PatternSpans.h"

#include "aspects/Aspects.h"
#include "astro/Angles.h"
#include "astro/AstroTables.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace qal {
namespace {

// The span of a midpoint [outer, middle, outer]: while the middle body stays
// within the orb of the midpoint of the outer two (or of its opposite point)
// and no two of the three are conjunct.
std::optional<OrbStretch> MidpointStretch(const LongitudeSource& source, const std::vector<int>& bodies,
    double dblMidpointOrb, double dblConjunctionOrb, double t, double dblMaxDays)
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
    std::optional<OrbStretch> stretch;
    if (occurrence.intKind == patMidpoint) {
        stretch = MidpointStretch(source, occurrence.bodies, dblMidpointOrb, udtOrbs.dblOrb[1][0], t, dblMaxDays);
    } else {
        // Every two bodies form an aspect while the pattern holds: the kinds
        // they form at t, followed together until the first leaves its orb.
        const std::vector<int>& bodies = occurrence.bodies;
        const size_t n = bodies.size();
        struct Pair {
            size_t i, j;
            int intKind;
        };
        std::vector<Pair> pairs;
        double dblFastest = 0;
        for (size_t i = 0; i < n; ++i) {
            for (size_t j = i + 1; j < n; ++j) {
                double dblDeviation = 0;
                const int k = FindAspect(source(bodies[i], t), source(bodies[j], t), udtOrbs, 0, dblDeviation);
                if (k == 0)
                    return std::nullopt;
                pairs.push_back({ i, j, k });
                dblFastest = std::max(dblFastest, MaxDailyMotion(bodies[i]) + MaxDailyMotion(bodies[j]));
            }
        }
        if (pairs.empty())
            return std::nullopt;
        std::vector<double> L(n);
        const auto margin = [&](double x) {
            for (size_t i = 0; i < n; ++i) {
                L[i] = source(bodies[i], x);
                if (L[i] < 0)
                    return std::nan("");
            }
            double m = -1e300;
            for (const Pair& p : pairs) {
                const double dblDeviation = std::fabs(ShorterArc(L[p.i], L[p.j]) - dblAspectAngle[p.intKind]);
                m = std::max(m, dblDeviation - udtOrbs.dblOrb[p.intKind][0]);
            }
            return m;
        };
        stretch = MarginStretchAround(margin, t, std::min(1.0, 1.0 / dblFastest), dblMaxDays);
    }
    if (!stretch)
        return std::nullopt;
    PatternSpan span;
    span.dblFormed = stretch->dblBegin;
    span.blnFormedFound = stretch->blnBeginFound;
    span.dblDissolves = stretch->dblEnd;
    span.blnDissolvesFound = stretch->blnEndFound;
    return span;
}

} // namespace qal
