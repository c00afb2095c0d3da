// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Body longitudes against published reference values, and the rules around them.
#include "TestSupport.h"
#include "astro/AstroTables.h"
#include "astro/FastLongitudes.h"
#include "astro/Longitudes.h"
#include "astro/PlutoTable.h"
#include "chart/CurrentChart.h"
#include "dates/DatePr2.h"
#include "platform/Ephemeris.h"
#include "settings/Configuration.h"
#include "util/SearchThreads.h"

#include <gtest/gtest.h>

#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

using namespace qal;

namespace {

constexpr double kArcSecond = dblTwoPi / 360.0 / 3600.0;

using Longitudes = ::testing::Test;

// Difference of two angles folded into [-π, π).
double AngleDiff(double a, double b)
{
    return std::remainder(a - b, dblTwoPi);
}

} // namespace

TEST_F(Longitudes, BodiesMatchMeeusMapToTheEphemerisAndStayWithinOneTurn)
{
    const auto atTD = [](int b, double dblTD) { return GetLongitude(b, dblTD - platform::DeltaT(dblTD)); };
    // Meeus, Astronomical Algorithms (2nd ed.), example 25.b: the Sun on
    // 1992 October 13.0 TD, apparent longitude 199°54'21.55" (geometric
    // 199°54'26.18" + nutation 15.908" − aberration 20.539").
    EXPECT_LT(std::fabs(AngleDiff(atTD(1, 2448908.5), test::Rad(199 + 54 / 60.0 + 21.549 / 3600.0))), kArcSecond);
    // Example 47.a: the Moon on 1992 April 12.0 TD, apparent longitude
    // 133.167265° (geometric 133.162655° + nutation 0.004610°).
    EXPECT_LT(std::fabs(AngleDiff(atTD(10, 2448724.5), test::Rad(133.167265))), 5.0 * kArcSecond);

    const int kPlanetNumber[11] = { 0, 3, 1, 2, 4, 5, 6, 7, 8, 9, 10 };
    for (int b = 1; b <= 10; ++b)
        EXPECT_EQ(EphemerisPlanetNumber(b), kPlanetNumber[b]) << b;
    // The mapping reaches the ephemeris: body 2 is Mercury, never within 28° of
    // the Sun; body 3 Venus within 48°; the Sun's own longitude is body 1.
    const double t2000 = 2451545.0;
    EXPECT_LT(std::fabs(AngleDiff(GetLongitude(2, t2000), GetLongitude(1, t2000))), test::Rad(28.5));
    EXPECT_LT(std::fabs(AngleDiff(GetLongitude(3, t2000), GetLongitude(1, t2000))), test::Rad(48.0));
    EXPECT_DOUBLE_EQ(GetLongitude(1, t2000), platform::PlanetApparentLongitude(3, t2000));

    for (double t : { 2305448.0, 2415020.0, t2000, 2488069.4 })
        for (int b = 1; b <= 10; ++b) {
            const double L = GetLongitude(b, t);
            EXPECT_TRUE(L >= 0.0 && L < dblTwoPi) << b << " " << t << ": " << L;
        }
    EXPECT_LT(GetLongitude(0, t2000), 0.0);
    EXPECT_LT(GetLongitude(11, t2000), 0.0);
}

TEST_F(Longitudes, OutsideTheirRangeTheMoonAndPlutoGiveCodesAndNoBodyAPosition)
{
    EXPECT_EQ(MoonLongitude(2305447.4), -99.0); // day number 2305447
    EXPECT_GE(MoonLongitude(2305447.5), 0.0); // day number 2305448
    EXPECT_GE(MoonLongitude(2488069.49), 0.0);
    EXPECT_EQ(MoonLongitude(2488069.5), -100.0);
    EXPECT_EQ(GetLongitude(9, 2305447.4), -99.0);
    EXPECT_EQ(GetLongitude(9, 2488070.0), -100.0);
    // The planets come from the ephemeris and reach well beyond.
    EXPECT_GE(GetLongitude(5, 1721426.0), 0.0); // 1 January of year 1
    EXPECT_GE(GetLongitude(8, 2743738.0), 0.0); // 31 December 2799
    EXPECT_EQ(LongitudeAt(10, -1e300, false), -99.0); // before the Moon's range
    EXPECT_EQ(LongitudeAt(9, 1e300, false), -100.0); // after Pluto's
    // Codes are never shifted into the sidereal zodiac.
    test::ChangeConfig([&](ConfigurationSettings& c) { c.blnSidereal = true; });
    EXPECT_EQ(GetLongitude(10, 2305447.4), -99.0);
    EXPECT_EQ(GetLongitude(9, 2488070.0), -100.0);

    // Moments beyond any calendar: not available (NaN fails too).
    const double kInf = std::numeric_limits<double>::infinity();
    for (double t : { 1e300, -1e300, kInf, -kInf, std::nan(""), 1e12, -1e12 }) {
        for (int b = 1; b <= 10; ++b) {
            EXPECT_LT(LongitudeAt(b, t, false), 0) << b << " at " << t;
            EXPECT_LT(LongitudeAt(b, t, true), 0) << b << " at " << t;
        }
        (void)YearOfJD(t); // defined for every moment (checked by the sanitizer run)
        double x = t;
        RoundToHalfHour(x);
        EXPECT_TRUE(std::isnan(t) ? std::isnan(x) : x == t);
        EXPECT_EQ(AngleToDegMinText(t), QString());
        EXPECT_EQ(LongitudeToSignText(t, false), QString());
    }
}

TEST_F(Longitudes, SiderealOffsetAngleRangeAndRetrogradeMotion)
{
    EXPECT_DOUBLE_EQ(SiderealOffset(2000), 0.416314);
    EXPECT_NEAR(SiderealOffset(2001) - SiderealOffset(2000), 243.8e-6, 1e-12);
    for (double t : { 2451545.0, 2451909.0 /* 31 Dec 2000 */, 2451911.0 /* 2 Jan 2001 */ }) {
        const double dblTropical = GetLongitude(4, t);
        test::ChangeConfig([&](ConfigurationSettings& c) { c.blnSidereal = true; });
        EXPECT_NEAR(GetLongitude(4, t), NormalizeAngle(dblTropical - SiderealOffset(YearOfJD(t))), 1e-12) << t;
        test::ChangeConfig([&](ConfigurationSettings& c) { c.blnSidereal = false; });
    }
    EXPECT_EQ(YearOfJD(2451910.49), 2000);
    EXPECT_EQ(YearOfJD(2451910.5), 2001);

    EXPECT_DOUBLE_EQ(NormalizeAngle(dblTwoPi), 0.0);
    EXPECT_NEAR(NormalizeAngle(-1000 * dblTwoPi - 1.0), dblTwoPi - 1.0, 1e-9);
    EXPECT_NEAR(NormalizeAngle(1e9), std::fmod(1e9, dblTwoPi), 1e-6);
    EXPECT_EQ(NormalizeAngle(std::nan("")), 0.0);

    // Mars stood still on 2018 June 28 and turned direct on August 27: in the
    // middle of July it was retrograde, in October direct.
    const double dblJuly = 2458315.5; // 2018-07-15 0h UT
    const double dblOctober = 2458392.5; // 2018-09-30
    EXPECT_TRUE(IsRetrograde(4, GetLongitude(4, dblJuly), dblJuly));
    EXPECT_FALSE(IsRetrograde(4, GetLongitude(4, dblOctober), dblOctober));
    // Never for the Sun and the Moon, nor for a body without a position.
    EXPECT_FALSE(IsRetrograde(1, GetLongitude(1, dblJuly), dblJuly));
    EXPECT_FALSE(IsRetrograde(10, 1.0, dblJuly));
    EXPECT_FALSE(IsRetrograde(4, -99.0, dblJuly));
    // Only a step back of less than half a turn counts; a larger drop is a
    // pass through 0° in direct motion.
    const double dblLater = GetLongitude(5, dblJuly + 1.0 / 48);
    EXPECT_TRUE(IsRetrograde(5, dblLater + 0.001, dblJuly));
    EXPECT_TRUE(IsRetrograde(5, dblLater + dblPi - 0.001, dblJuly));
    EXPECT_FALSE(IsRetrograde(5, dblLater + dblPi + 0.001, dblJuly));
    EXPECT_FALSE(IsRetrograde(5, dblLater - 0.001, dblJuly));
}

TEST_F(Longitudes, TheEphemerisFilesWhereTheyReachTheAnalyticEphemerisElsewhere)
{
    // Moments on both sides of the first day of the installed files (30
    // December 1799) and far before them, asked in a scrambled order so that
    // spans outside the files are met both before and after their
    // neighbours. Inside the files the longitude is the files' one, outside
    // it is the analytic ephemeris' one, and a second round gives the same
    // again. (The library's answers vary by some 1e-10 radians with what it
    // was asked before; its files and its analytic ephemeris differ by some
    // 1e-6.)
    std::vector<double> moments;
    for (double t = 2378497.0 - 2500; t < 2378497.0 + 2500; t += 37.3)
        moments.push_back(t);
    for (double t = 2305447.5; t < 2330000; t += 501.7)
        moments.push_back(t);
    moments.insert(moments.end(), { 2378496.5, 2378497.5 });
    std::shuffle(moments.begin(), moments.end(), std::mt19937(7));
    const int kSweBody[]
        = { SE_MERCURY, SE_VENUS, SE_SUN, SE_MARS, SE_JUPITER, SE_SATURN, SE_URANUS, SE_NEPTUNE, SE_PLUTO, SE_MOON };
    const auto found = [](int p, double t) {
        return p == 10 ? platform::MoonPosition(t - 2451545.0) : platform::PlanetApparentLongitude(p, t);
    };
    std::vector<double> first;
    int intAnalytic = 0;
    for (const double t : moments) {
        for (int p = 1; p <= 10; ++p) {
            double xx[6] = {};
            char serr[AS_MAXCH] = {};
            const int intFlags = swe_calc_ut(t, kSweBody[p - 1], SEFLG_SWIEPH, xx, serr);
            ASSERT_GE(intFlags, 0);
            if (!(intFlags & SEFLG_SWIEPH)) {
                ++intAnalytic;
                ASSERT_GE(swe_calc_ut(t, kSweBody[p - 1], SEFLG_MOSEPH, xx, serr), 0);
            }
            first.push_back(found(p, t));
            ASSERT_NEAR(AngleDiff(first.back(), xx[0] / 360.0 * dblTwoPi), 0, 1e-9) << "body " << p << " at JD " << t;
        }
    }
    EXPECT_GT(intAnalytic, 1000); // the analytic ephemeris did answer outside the files
    size_t i = 0;
    for (const double t : moments)
        for (int p = 1; p <= 10; ++p, ++i)
            ASSERT_NEAR(AngleDiff(found(p, t), first[i]), 0, 1e-9) << "body " << p << " at JD " << t;
}

namespace {

// The sanitizers look for faults, not for accuracy: a few years will do there.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool blnSanitized = true;
#elif defined(__has_feature)
constexpr bool blnSanitized = __has_feature(address_sanitizer) || __has_feature(thread_sanitizer);
#else
constexpr bool blnSanitized = false;
#endif

// The fast source against the ephemeris asked directly: in 1600–2100 at
// random moments, and in random weeks elsewhere in the years QAL takes.
TEST(FastSource, AsTheEphemerisToAThousandthOfAnArcSecondWithTheSameFlagsAndTableMinutes)
{
    std::mt19937 rng(2026);
    std::vector<double> moments(blnSanitized ? 5000 : 100000);
    std::uniform_real_distribution<double> years(
        intFirstTableDay, blnSanitized ? intFirstTableDay + 3653 : intLastTableDay);
    for (double& t : moments)
        t = years(rng);
    std::uniform_real_distribution<double> anywhere(1721426.0, 2743000.0), week(0, 7);
    for (int i = 0; i < (blnSanitized ? 10 : 100); ++i) {
        const double dblWeek = anywhere(rng);
        for (int j = 0; j < 10; ++j)
            moments.push_back(dblWeek + week(rng));
    }
    std::sort(moments.begin(), moments.end()); // each block of coefficients made once

    const LongitudeSource fast = FastSource(false), precise = PreciseSource(false);
    const LongitudeSource fastTable = FastSource(false, true), table = EphemerisSource(false);
    long long intCompared = 0, intOverAThousandth = 0;
    double dblWorst = 0;
    for (size_t i = 0; i < moments.size(); ++i) {
        const double t = moments[i];
        for (int b = 1; b <= intMaxBodies; ++b) {
            const double L = fast(b, t), P = precise(b, t);
            ASSERT_EQ(L < 0, P < 0) << b << " " << t; // available alike, the same codes
            if (P < 0) {
                EXPECT_EQ(L, P);
                continue;
            }
            const double dblMiss = std::fabs(AngleDiff(L, P)) / kArcSecond;
            dblWorst = std::max(dblWorst, dblMiss);
            intOverAThousandth += dblMiss > 0.001;
            ++intCompared;
            if (i % 10 != 0)
                continue;
            // The retrograde flag, except within a minute of a station.
            const double dblMotion = AngleDiff(precise(b, t + 1.0 / 48), P) / kArcSecond;
            if (std::fabs(dblMotion) > 0.01) {
                EXPECT_EQ(IsRetrogradeAt(fast, b, L, t), IsRetrogradeAt(precise, b, P, t)) << b << " " << t;
            }
            // The chart's degrees and minutes (Pluto from its table in both), except a hair from a whole minute.
            const double dblChart = table(b, t) / kArcSecond / 60, dblFast = fastTable(b, t) / kArcSecond / 60;
            if (std::fabs(dblChart - std::round(dblChart)) * 60 > 0.005) {
                EXPECT_EQ(std::floor(dblChart), std::floor(dblFast)) << b << " " << t;
            }
        }
    }
    // Within a thousandth of an arc second but where the ephemeris itself
    // bends or steps (its light bending right at the Sun, its own seams):
    // there within five thousandths.
    EXPECT_LT(dblWorst, 0.005);
    EXPECT_LT(intOverAThousandth * 10000, intCompared) << intOverAThousandth << " of " << intCompared;
}

// Where a body passes the Sun its light bends sharply, and a fitted piece
// strays most at its ends: the moments where earlier fits missed most
// (Mercury half a degree from the Sun at a segment's start, Uranus at its
// conjunctions of 1975 and 1602), each looked at minute by minute for a day
// either side, against the ephemeris asked directly.
TEST(FastSource, WithinTheBoundAtTheSunWhereEarlierFitsMissed)
{
    const LongitudeSource fast = FastSource(false), precise = PreciseSource(false);
    const struct {
        int intBody;
        double dblDay;
    } passes[] = { { intMercury, 2468825.13 }, { intUranus, 2442713.0 }, { intUranus, 2306297.0 } };
    for (const auto& pass : passes) {
        double dblWorst = 0;
        for (double t = pass.dblDay - 1; t < pass.dblDay + 1; t += 1.0 / 1440)
            dblWorst = std::max(dblWorst, std::fabs(AngleDiff(fast(pass.intBody, t), precise(pass.intBody, t))));
        EXPECT_LT(dblWorst / kArcSecond, 0.001) << pass.intBody << " " << pass.dblDay;
    }
}

// With the cache's own thread making the next blocks ahead, read forwards and
// backwards and with the cache emptied midway, every value is the one read
// on one thread alone.
TEST(FastSource, BlocksMadeAheadGiveTheSameValuesWhicheverWayTheyAreRead)
{
    const auto readYears = [](int intThreads) {
        SetSearchThreads(intThreads);
        ClearFastSource();
        const LongitudeSource fast = FastSource(false);
        std::vector<double> values;
        const double dblFrom = 2451545.0, dblDays = blnSanitized ? 1500 : 6000;
        for (double d = 0; d < dblDays; d += 3.7)
            for (int b = 1; b <= intMaxBodies; ++b)
                values.push_back(fast(b, dblFrom + d));
        ClearFastSource();
        for (double d = dblDays; d > 0; d -= 5.3) {
            for (int b = intMaxBodies; b >= 1; --b)
                values.push_back(fast(b, dblFrom - d));
            if (d < dblDays / 2 && d + 5.3 >= dblDays / 2)
                ClearFastSource();
        }
        return values;
    };
    const std::vector<double> alone = readYears(1), ahead = readYears(2);
    SetSearchThreads(0);
    ASSERT_EQ(alone.size(), ahead.size());
    for (size_t i = 0; i < alone.size(); ++i)
        ASSERT_EQ(alone[i], ahead[i]) << i;
}

// A memoized source asks its source once for each body and moment; a copy
// keeps what was asked before it was made and then remembers on its own
// (two threads may each hold one).
TEST(MemoizedSource, AsksOnceAndItsCopiesRememberOnTheirOwn)
{
    int intAsked = 0;
    const LongitudeSource memo = MemoizedSource([&intAsked](int b, double t) {
        ++intAsked;
        return b + t / 1e6;
    });
    EXPECT_EQ(memo(3, 10.5), 3 + 10.5 / 1e6);
    EXPECT_EQ(memo(3, 10.5), 3 + 10.5 / 1e6);
    EXPECT_EQ(intAsked, 1);
    const LongitudeSource copy = memo;
    copy(3, 10.5);
    EXPECT_EQ(intAsked, 1); // remembered before the copy was made
    copy(4, 10.5);
    memo(4, 10.5);
    EXPECT_EQ(intAsked, 3); // each asked for the new one itself
    EXPECT_EQ(memo(-1, 0), -1); // outside the bodies: passed on, not kept
    memo(-1, 0);
    EXPECT_EQ(intAsked, 5);
}

} // namespace
