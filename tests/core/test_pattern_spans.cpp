// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// When aspect patterns formed and dissolve: constructed skies with known
// answers, and every pattern of a real sky checked at the edges of its span.
#include "TestSupport.h"
#include "aspects/Aspects.h"
#include "aspects/PatternSpans.h"
#include "astro/Angles.h"
#include "settings/Configuration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace qal;
using test::Rad;

namespace {

constexpr double kOneMinute = 1.0 / 1440;
constexpr double tSky = 2458000.0;

OrbTable Orbs()
{
    return OrbTableFor(ConfigurationSettings());
}

// The sky of source at t as the pattern searches see it.
PatternSky SkyAt(const LongitudeSource& source, double t)
{
    double L[intMaxBodies + 1] = {};
    for (int b = 1; b <= intMaxBodies; ++b)
        L[b] = source(b, t);
    return MakePatternSky(L, intMaxBodies, Orbs(), Rad(2.5));
}

const PatternOccurrence* FindOccurrence(const std::vector<PatternOccurrence>& found, int intKind)
{
    const auto it = std::find_if(found.begin(), found.end(), [&](const auto& o) { return o.intKind == intKind; });
    return it == found.end() ? nullptr : &*it;
}

TEST(PatternSpans, ConstructedSkiesGiveTheirKnownSpans)
{
    // Jupiter moves 0.2° a day from 0°, Saturn 0.1° a day from 120°, Uranus
    // stands at 240°: the Jupiter–Uranus trine (orb 7°) holds least long,
    // 35 days either side of tSky. The other bodies are not in this sky.
    const LongitudeSource source = [](int b, double t) {
        return b == 5 ? NormalizeAngle(Rad(0.2 * (t - tSky)))
            : b == 6  ? NormalizeAngle(Rad(120 + 0.1 * (t - tSky)))
            : b == 7  ? Rad(240)
                      : -1.0;
    };
    const std::vector<PatternOccurrence> found = PatternOccurrences(SkyAt(source, tSky), false);
    const PatternOccurrence* trine = FindOccurrence(found, patGrandTrine);
    ASSERT_NE(trine, nullptr);
    EXPECT_EQ(trine->bodies, (std::vector<int> { 5, 6, 7 }));
    EXPECT_TRUE(trine->strLine.startsWith(strPatternName[patGrandTrine] + QStringLiteral(": Ju-Sa-Ur")));
    const std::optional<PatternSpan> span = PatternSpanAround(source, *trine, Orbs(), Rad(2.5), tSky, 400);
    ASSERT_TRUE(span.has_value());
    EXPECT_NEAR(span->dblFormed, tSky - 35, kOneMinute);
    EXPECT_NEAR(span->dblDissolves, tSky + 35, kOneMinute);
    EXPECT_TRUE(span->blnFormedFound && span->blnDissolvesFound);
    // Not reached within the search: said so.
    const std::optional<PatternSpan> near = PatternSpanAround(source, *trine, Orbs(), Rad(2.5), tSky, 10);
    ASSERT_TRUE(near.has_value());
    EXPECT_FALSE(near->blnFormedFound || near->blnDissolvesFound);
    // At a moment when it does not hold: nothing.
    EXPECT_FALSE(PatternSpanAround(source, *trine, Orbs(), Rad(2.5), tSky + 40, 400).has_value());

    // Saturn moves 0.1° a day through the midpoint (50°) of Jupiter (0°) and
    // Uranus (100°): within 2°30' for 25 days either side.
    const LongitudeSource midpointSource = [](int b, double t) {
        return b == 5 ? Rad(0) : b == 6 ? NormalizeAngle(Rad(50 + 0.1 * (t - tSky))) : b == 7 ? Rad(100) : -1.0;
    };
    const std::vector<PatternOccurrence> midpoints = PatternOccurrences(SkyAt(midpointSource, tSky), true);
    const PatternOccurrence* midpoint = FindOccurrence(midpoints, patMidpoint);
    ASSERT_NE(midpoint, nullptr);
    EXPECT_EQ(midpoint->bodies, (std::vector<int> { 5, 6, 7 }));
    const std::optional<PatternSpan> midpointSpan
        = PatternSpanAround(midpointSource, *midpoint, Orbs(), Rad(2.5), tSky, 400);
    ASSERT_TRUE(midpointSpan.has_value());
    EXPECT_NEAR(midpointSpan->dblFormed, tSky - 25, kOneMinute);
    EXPECT_NEAR(midpointSpan->dblDissolves, tSky + 25, kOneMinute);
}

TEST(PatternSpans, EveryPatternOfARealSkyHoldsExactlyWithinItsSpan)
{
    const LongitudeSource source = EphemerisSource(false);
    const OrbTable orbs = Orbs();
    int intChecked = 0;
    for (const double t : { 2458183.0625, 2459205.5, 2460400.9 }) {
        for (const PatternOccurrence& o : PatternOccurrences(SkyAt(source, t), false)) {
            const std::optional<PatternSpan> span = PatternSpanAround(source, o, orbs, Rad(2.5), t, 400);
            ASSERT_TRUE(span.has_value()) << o.strLine.toStdString();
            EXPECT_LE(span->dblFormed, t);
            EXPECT_GE(span->dblDissolves, t);
            // Inside its span every line of the pattern is found again (a
            // stellium may be listed within a larger one that a passing body
            // makes); just outside (where found) it is not.
            const auto isStellium
                = [](int intKind) { return intKind >= patSixStellium && intKind <= patThreeStellium; };
            const auto present = [&](double x) {
                for (const PatternOccurrence& other : PatternOccurrences(SkyAt(source, x), false)) {
                    if (other.intKind == o.intKind && other.bodies == o.bodies)
                        return true;
                    if (isStellium(o.intKind) && isStellium(other.intKind) && other.intKind < o.intKind
                        && std::includes(other.bodies.begin(), other.bodies.end(), o.bodies.begin(), o.bodies.end()))
                        return true;
                }
                return false;
            };
            EXPECT_TRUE(present(span->dblFormed + kOneMinute)) << o.strLine.toStdString();
            EXPECT_TRUE(present(span->dblDissolves - kOneMinute)) << o.strLine.toStdString();
            EXPECT_TRUE(!span->blnFormedFound || !present(span->dblFormed - kOneMinute)) << o.strLine.toStdString();
            EXPECT_TRUE(!span->blnDissolvesFound || !present(span->dblDissolves + kOneMinute)) << o.strLine.toStdString();
            ++intChecked;
        }
    }
    EXPECT_GE(intChecked, 5);
}

} // namespace
