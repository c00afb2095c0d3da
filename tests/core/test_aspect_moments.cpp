// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Exact moments and stretches within orb, to the minute: against the Swiss
// Ephemeris asked directly minute by minute, against published times, and
// on constructed motions with stations.
#include "TestSupport.h"
#include "aspects/AspectMoments.h"
#include "astro/Angles.h"
#include "astro/AstroTables.h"
#include "astro/FastLongitudes.h"
#include "astro/Longitudes.h"
#include "chart/AspectCalendar.h"
#include "chart/PatternSearch.h"
#include "platform/Calendar.h"
#include "platform/Ephemeris.h"
#include "settings/Configuration.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace qal;
using test::Rad;

namespace {

constexpr double kMinute = 1.0 / 1440;
constexpr double t0 = 2458000.0; // the middle of the constructed motions

// Julian day (UT) of a Gregorian date and time.
double Moment(int y, int m, int d, int hh, int mm)
{
    platform::EuroDate date { y, m, d, platform::kGregorian, 0, 0 };
    return platform::EuroDateToJdn(date) - 0.5 + (hh * 60 + mm) / 1440.0;
}

// The ephemeris itself, asked directly.
double Direct(int b, double t)
{
    return b == intMoon ? platform::MoonPosition(t - 2451545.0)
                        : platform::PlanetApparentLongitude(EphemerisPlanetNumber(b), t);
}

// How far bodies a and b stand from the exact angle of kind k at t, signed,
// with the ephemeris asked directly.
double Deviation(int a, int b, int k, double t)
{
    const double d = std::remainder(Direct(b, t) - Direct(a, t), dblTwoPi);
    return k == 1 ? d : (k == 2 ? std::remainder(d - dblPi, dblTwoPi) : std::fabs(d) - dblAspectAngle[k]);
}

// Whether they pass it within a minute of t: the deviation changes sign
// between a minute before and a minute after, and is small (not the far side
// of the circle).
bool ExactWithinAMinute(int a, int b, int k, double t)
{
    return (Deviation(a, b, k, t - kMinute) < 0) != (Deviation(a, b, k, t + kMinute) < 0)
        && std::fabs(Deviation(a, b, k, t)) < 0.01;
}

AspectCourseQuery Query(int a, int b, int k, double dblOrbDegrees)
{
    return { a, b, k, Rad(dblOrbDegrees), std::nullopt };
}

TEST(AspectMoments, RealSkiesToTheMinute)
{
    const LongitudeSource source = EphemerisSource(false);

    // The great conjunction of Jupiter and Saturn, 21 December 2020.
    std::vector<double> exact
        = ExactMoments(source, Query(5, 6, 1, 1), Moment(2020, 12, 1, 0, 0), Moment(2021, 1, 31, 0, 0));
    ASSERT_EQ(exact.size(), 1u);
    EXPECT_TRUE(ExactWithinAMinute(5, 6, 1, exact[0]));
    EXPECT_NEAR(exact[0], Moment(2020, 12, 21, 18, 20), 30 * kMinute); // as published, within the half hour

    // Saturn square Uranus in 2021: three passes, 17 February, 14 June and
    // 24 December; with an orb of 3° the first two fall in one stretch, and
    // the square leaves the orb before the third.
    exact = ExactMoments(source, Query(6, 7, 3, 3), Moment(2020, 7, 1, 0, 0), Moment(2022, 7, 1, 0, 0));
    ASSERT_EQ(exact.size(), 3u);
    const int intDays[3][2] = { { 2, 17 }, { 6, 14 }, { 12, 24 } };
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_TRUE(ExactWithinAMinute(6, 7, 3, exact[i])) << i;
        EXPECT_NEAR(exact[i], Moment(2021, intDays[i][0], intDays[i][1], 12, 0), 0.5 + kMinute) << i;
    }
    const std::vector<OrbStretch> stretches
        = OrbStretches(source, Query(6, 7, 3, 3), Moment(2020, 7, 1, 0, 0), Moment(2022, 7, 1, 0, 0));
    ASSERT_EQ(stretches.size(), 2u);
    ASSERT_EQ(stretches[0].exact.size(), 2u);
    ASSERT_EQ(stretches[1].exact.size(), 1u);
    EXPECT_NEAR(stretches[0].exact[1], exact[1], kMinute / 100);
    EXPECT_NEAR(stretches[1].exact[0], exact[2], kMinute / 100);
    for (const OrbStretch& stretch : stretches) {
        EXPECT_TRUE(stretch.blnBeginFound && stretch.blnEndFound);
        // Just inside the orb at its edges, just outside beyond them.
        EXPECT_LT(std::fabs(Deviation(6, 7, 3, stretch.dblBegin + kMinute)), Rad(3));
        EXPECT_GT(std::fabs(Deviation(6, 7, 3, stretch.dblBegin - kMinute)), Rad(3));
        EXPECT_LT(std::fabs(Deviation(6, 7, 3, stretch.dblEnd - kMinute)), Rad(3));
        EXPECT_GT(std::fabs(Deviation(6, 7, 3, stretch.dblEnd + kMinute)), Rad(3));
    }

    // Neptune sextile Pluto, 2026 to 2032: thirteen passes, each within a
    // minute also for Pluto (from the ephemeris, not its day table).
    exact = ExactMoments(PreciseSource(false), Query(8, 9, 5, 5), Moment(2026, 1, 1, 0, 0), Moment(2033, 1, 1, 0, 0));
    ASSERT_EQ(exact.size(), 13u);
    for (const double t : exact)
        EXPECT_TRUE(ExactWithinAMinute(8, 9, 5, t)) << t;

    // The full Moon of 21 January 2000, published for 04:40 UT.
    exact = ExactMoments(source, Query(1, 10, 2, 10), Moment(2000, 1, 20, 0, 0), Moment(2000, 1, 22, 0, 0));
    ASSERT_EQ(exact.size(), 1u);
    EXPECT_NEAR(exact[0], Moment(2000, 1, 21, 4, 40), 2 * kMinute);
    EXPECT_TRUE(ExactWithinAMinute(1, 10, 2, exact[0]));
    // The Moon's stretch within a 10° orb of that opposition: under a day either side.
    const std::optional<OrbStretch> around = StretchAround(source, Query(1, 10, 2, 10), exact[0], 30);
    ASSERT_TRUE(around.has_value());
    EXPECT_GT(around->dblEnd - around->dblBegin, 1.2);
    EXPECT_LT(around->dblEnd - around->dblBegin, 1.9);
    ASSERT_EQ(around->exact.size(), 1u);
    EXPECT_NEAR(around->exact[0], exact[0], kMinute / 10);
}

// The Moon (body 10) moving on a parabola about a natal point at 100°: it
// turns at day t0, dblDepth degrees beyond the exact point (negative: short
// of it).
struct Station {
    double dblDepth = 0;
    double operator()(int, double t) const { return NormalizeAngle(Rad(100 + 3 * (t - t0) * (t - t0) - dblDepth)); }
};

AspectCourseQuery NatalConjunction(double dblOrbDegrees)
{
    return { 1, 10, 1, Rad(dblOrbDegrees), Rad(100) };
}

TEST(AspectMoments, StationsAndStretchesWithinTheOrb)
{
    // Touching exact at the station: one exact moment.
    Station station;
    std::vector<double> exact = ExactMoments(station, NatalConjunction(5), t0 - 1.03, t0 + 0.97);
    ASSERT_EQ(exact.size(), 1u);
    EXPECT_NEAR(exact[0], t0, kMinute);
    // Just beyond: two exact moments 0.01 day apart, within one sampling step.
    station.dblDepth = 3 * 0.005 * 0.005;
    exact = ExactMoments(station, NatalConjunction(5), t0 - 1.03, t0 + 0.97);
    ASSERT_EQ(exact.size(), 2u);
    EXPECT_NEAR(exact[0], t0 - 0.005, kMinute / 10);
    EXPECT_NEAR(exact[1], t0 + 0.005, kMinute / 10);
    EXPECT_LT(0.01, CourseStep(NatalConjunction(5)));
    // Turning short of exact: none.
    station.dblDepth = -0.001;
    EXPECT_TRUE(ExactMoments(station, NatalConjunction(5), t0 - 1.03, t0 + 0.97).empty());

    // Two degrees a day through a natal point at 100° with an orb of 5°:
    // within orb from t0 − 2.5 to t0 + 2.5 days.
    const LongitudeSource steady = [](int, double t) { return NormalizeAngle(Rad(100 + 2 * (t - t0))); };
    std::vector<OrbStretch> stretches = OrbStretches(steady, NatalConjunction(5), t0 - 10, t0 + 10);
    ASSERT_EQ(stretches.size(), 1u);
    EXPECT_NEAR(stretches[0].dblBegin, t0 - 2.5, kMinute / 10);
    EXPECT_NEAR(stretches[0].dblEnd, t0 + 2.5, kMinute / 10);
    ASSERT_EQ(stretches[0].exact.size(), 1u);
    EXPECT_NEAR(stretches[0].exact[0], t0, kMinute / 10);

    // A span that starts inside the stretch cuts it and says so.
    stretches = OrbStretches(steady, NatalConjunction(5), t0 + 1, t0 + 10);
    ASSERT_EQ(stretches.size(), 1u);
    EXPECT_FALSE(stretches[0].blnBeginFound);
    EXPECT_DOUBLE_EQ(stretches[0].dblBegin, t0 + 1);
    EXPECT_TRUE(stretches[0].exact.empty());

    // Around a moment: the whole stretch, unless the search may not reach its edges.
    std::optional<OrbStretch> around = StretchAround(steady, NatalConjunction(5), t0 + 1, 10);
    ASSERT_TRUE(around.has_value());
    EXPECT_NEAR(around->dblBegin, t0 - 2.5, kMinute / 10);
    EXPECT_NEAR(around->dblEnd, t0 + 2.5, kMinute / 10);
    around = StretchAround(steady, NatalConjunction(5), t0 + 1, 1);
    ASSERT_TRUE(around.has_value());
    EXPECT_FALSE(around->blnBeginFound || around->blnEndFound);
    EXPECT_FALSE(StretchAround(steady, NatalConjunction(5), t0 + 3, 10).has_value());

    // A longitude that is not available ends the search there.
    const LongitudeSource ending = [&](int b, double t) { return t > t0 + 1.5 ? -100.0 : steady(b, t); };
    around = StretchAround(ending, NatalConjunction(5), t0, 10);
    ASSERT_TRUE(around.has_value());
    EXPECT_TRUE(around->blnBeginFound);
    EXPECT_FALSE(around->blnEndFound);
    EXPECT_LE(around->dblEnd, t0 + 1.5);
}

} // namespace

namespace {

// The aspect calendar and the pattern search find the same with the fast
// source as with the ephemeris asked directly: the same events and
// formations, their moments within a second.
TEST(AspectMoments, TheFastSourceFindsWhatTheEphemerisFinds)
{
    AspectCalendarQuery query;
    query.dblFrom = Moment(2024, 1, 1, 0, 0);
    query.dblUntil = Moment(2024, 3, 1, 0, 0);
    query.udtOrbs = OrbTableFor(ConfigurationSettings());
    const auto events = [&](const LongitudeSource& source) {
        std::vector<AspectEvent> all;
        AspectCalendar search(query, source);
        AspectCalendarPiece piece;
        while (search.NextPiece(piece))
            all.insert(all.end(), piece.events.begin(), piece.events.end());
        return all;
    };
    const std::vector<AspectEvent> direct = events(PreciseSource(false)), fast = events(FastSource(false));
    ASSERT_EQ(direct.size(), fast.size());
    EXPECT_GT(direct.size(), 500u);
    for (size_t i = 0; i < direct.size(); ++i) {
        EXPECT_NEAR(direct[i].dblMoment, fast[i].dblMoment, 1.0 / 86400) << i;
        EXPECT_EQ(direct[i].kind, fast[i].kind);
        EXPECT_EQ(
            direct[i].aspect->intFirstBody * 100 + direct[i].aspect->intSecondBody * 10 + direct[i].aspect->intKind,
            fast[i].aspect->intFirstBody * 100 + fast[i].aspect->intSecondBody * 10 + fast[i].aspect->intKind);
    }

    PatternSearchQuery find;
    find.intKind = patGrandTrine;
    find.dblFrom = query.dblFrom;
    find.dblUntil = query.dblFrom + 365;
    find.dblMidpointOrb = MidpointOrbRadians(ConfigurationSettings());
    const auto formations = [&](const LongitudeSource& source) {
        std::vector<double> moments;
        long long intCharts = 0;
        FindPatternFormations(
            source, query.udtOrbs, find,
            [&](const PatternFormation& f) {
                moments.push_back(f.dblMoment);
                return true;
            },
            intCharts);
        return moments;
    };
    const std::vector<double> directFormed = formations(PreciseSource(false)),
                              fastFormed = formations(FastSource(false));
    ASSERT_EQ(directFormed.size(), fastFormed.size());
    EXPECT_GT(directFormed.size(), 3u);
    for (size_t i = 0; i < directFormed.size(); ++i)
        EXPECT_NEAR(directFormed[i], fastFormed[i], 1.0 / 86400);
}

} // namespace
