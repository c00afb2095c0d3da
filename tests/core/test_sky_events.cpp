// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The sky's events checked against the ephemeris asked directly: a moment
// found must have the longitude (or the angle, or the speed) on one side of
// its point a second before and on the other a second after.
#include "astro/Angles.h"
#include "astro/AstroTables.h"
#include "astro/FastLongitudes.h"
#include "chart/SkyEvents.h"

#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>
#include <thread>

namespace qal {
namespace {

constexpr double kSecond = 1.0 / 86400;

double Jd(int y, int m, int d, double dblHour = 0)
{
    return swe_julday(y, m, d, dblHour, SE_GREG_CAL);
}

// Apparent longitude of date (radians) and its speed (radians a day) from the ephemeris itself.
double Direct(int b, double t, double* dblSpeed = nullptr)
{
    static const int kSweBody[] = { -1, SE_SUN, SE_MERCURY, SE_VENUS, SE_MARS, SE_JUPITER, SE_SATURN, SE_URANUS,
        SE_NEPTUNE, SE_PLUTO, SE_MOON };
    double xx[6] = {};
    char serr[AS_MAXCH] = {};
    EXPECT_GE(swe_calc_ut(t, kSweBody[b], SEFLG_SWIEPH | SEFLG_SPEED, xx, serr), 0);
    if (dblSpeed)
        *dblSpeed = xx[3] * dblPi / 180;
    return xx[0] * dblPi / 180;
}

// How far angle stands past target (radians, −π..π).
double Past(double dblAngle, double dblTarget)
{
    return std::remainder(dblAngle - dblTarget, dblTwoPi);
}

// The angle passes dblTarget within a second of t, forward (or backward).
void ExpectPassage(const std::function<double(double)>& angle, double dblTarget, double t, bool blnBackward,
    const char* strWhat)
{
    const double dblBefore = Past(angle(t - kSecond), dblTarget), dblAfter = Past(angle(t + kSecond), dblTarget);
    EXPECT_EQ(dblBefore < 0, !blnBackward) << strWhat << " at JD " << t;
    EXPECT_EQ(dblAfter > 0, !blnBackward) << strWhat << " at JD " << t;
}

std::vector<SkyEvent> EventsOf(SkyEventSet kinds, double t0, double t1, std::optional<double> natal = {})
{
    SkyEventQuery query;
    query.dblFrom = t0;
    query.dblUntil = t1;
    query.kinds = kinds;
    query.dblNatalMoment = natal;
    return SkyEventsBetween(query, FastSource(false));
}

std::vector<SkyEvent> OfBody(const std::vector<SkyEvent>& events, int b)
{
    std::vector<SkyEvent> found;
    for (const SkyEvent& e : events)
        if (e.intBody == b)
            found.push_back(e);
    return found;
}

TEST(SkyEvents, IngressesAsTheEphemerisTellsThemWithTheRetrogradeReturnAndTheMoonsMonth)
{
    const std::vector<SkyEvent> events = EventsOf(kIngresses, Jd(2020, 1, 1), Jd(2021, 1, 1));
    for (const SkyEvent& e : events) {
        ASSERT_EQ(e.kind, SkyEventKind::Ingress);
        const int intCusp = e.blnRetrograde ? (e.intSign + 1) % 12 : e.intSign;
        EXPECT_NEAR(e.dblLongitude, intCusp * dblPi / 6, 1e-12);
        ExpectPassage([&](double t) { return Direct(e.intBody, t); }, e.dblLongitude, e.dblMoment, e.blnRetrograde,
            "ingress");
    }
    // Saturn into Aquarius in March, back into Capricorn by retrograde motion
    // in July, and into Aquarius again in December.
    const std::vector<SkyEvent> saturn = OfBody(events, intSaturn);
    ASSERT_EQ(saturn.size(), 3u);
    EXPECT_EQ(saturn[0].intSign, 10);
    EXPECT_FALSE(saturn[0].blnRetrograde);
    EXPECT_NEAR(saturn[0].dblMoment, Jd(2020, 3, 22), 1);
    EXPECT_EQ(saturn[1].intSign, 9);
    EXPECT_TRUE(saturn[1].blnRetrograde);
    EXPECT_NEAR(saturn[1].dblMoment, Jd(2020, 7, 1, 23), 1);
    EXPECT_EQ(saturn[2].intSign, 10);
    EXPECT_FALSE(saturn[2].blnRetrograde);
    // The Sun enters each sign once, the Moon about thirteen times each.
    EXPECT_EQ(OfBody(events, intSun).size(), 12u);
    const size_t intMoon = OfBody(events, qal::intMoon).size();
    EXPECT_GE(intMoon, 160u);
    EXPECT_LE(intMoon, 162u);
    for (size_t i = 1; i < events.size(); ++i)
        EXPECT_LE(events[i - 1].dblMoment, events[i].dblMoment);
}

TEST(SkyEvents, MercuryStandsStillSixTimesIn2021AtTheZeroOfTheEphemerisSpeed)
{
    const std::vector<SkyEvent> events = EventsOf(kStations, Jd(2021, 1, 1), Jd(2022, 1, 1));
    const std::vector<SkyEvent> mercury = OfBody(events, intMercury);
    ASSERT_EQ(mercury.size(), 6u);
    const double expected[] = { Jd(2021, 1, 30), Jd(2021, 2, 21), Jd(2021, 5, 29), Jd(2021, 6, 22), Jd(2021, 9, 27),
        Jd(2021, 10, 18) };
    for (size_t i = 0; i < mercury.size(); ++i) {
        EXPECT_NEAR(mercury[i].dblMoment, expected[i], 1.0);
        EXPECT_EQ(mercury[i].blnRetrograde, i % 2 == 0);
    }
    for (const SkyEvent& e : events) {
        double dblBefore = 0, dblAfter = 0;
        Direct(e.intBody, e.dblMoment - 60 * kSecond, &dblBefore);
        Direct(e.intBody, e.dblMoment + 60 * kSecond, &dblAfter);
        EXPECT_EQ(dblBefore > 0, e.blnRetrograde) << "body " << e.intBody << " at JD " << e.dblMoment;
        EXPECT_EQ(dblAfter < 0, e.blnRetrograde) << "body " << e.intBody << " at JD " << e.dblMoment;
        EXPECT_NEAR(Past(e.dblLongitude, Direct(e.intBody, e.dblMoment)), 0, 1e-8);
        EXPECT_EQ(e.intSign, static_cast<int>(e.dblLongitude / (dblPi / 6))); // the sign it stands still in
    }
    // Each of Jupiter to Pluto turns once or twice a year; the Sun and the Moon never.
    for (int b = intJupiter; b <= intPluto; ++b) {
        EXPECT_GE(OfBody(events, b).size(), 1u) << b;
        EXPECT_LE(OfBody(events, b).size(), 2u) << b;
    }
    EXPECT_TRUE(OfBody(events, intSun).empty());
    EXPECT_TRUE(OfBody(events, qal::intMoon).empty());
}

TEST(SkyEvents, TheLunationsOfAYearInTheirOrderAtTheSunMoonAngle)
{
    const std::vector<SkyEvent> events = EventsOf(kLunations, Jd(2021, 1, 1), Jd(2022, 1, 1));
    ASSERT_EQ(events.size(), 49u);
    int intPerPhase[4] = {};
    for (size_t i = 0; i < events.size(); ++i) {
        const SkyEvent& e = events[i];
        ++intPerPhase[e.intPhase];
        if (i > 0) {
            EXPECT_EQ(e.intPhase, (events[i - 1].intPhase + 1) % 4);
        }
        ExpectPassage([](double t) { return Direct(qal::intMoon, t) - Direct(intSun, t); }, e.intPhase * dblPi / 2,
            e.dblMoment, false, "lunation");
        EXPECT_NEAR(Past(e.dblLongitude, Direct(qal::intMoon, e.dblMoment)), 0, 1e-8);
    }
    // 2021: new moons on 13 January .. 4 December, full moons 28 January ..
    // 19 December, last quarters 6 January .. 27 December (thirteen).
    EXPECT_EQ(intPerPhase[intNewMoon], 12);
    EXPECT_EQ(intPerPhase[intFirstQuarter], 12);
    EXPECT_EQ(intPerPhase[intFullMoon], 12);
    EXPECT_EQ(intPerPhase[intLastQuarter], 13);
    EXPECT_NEAR(events.front().dblMoment, Jd(2021, 1, 6, 9.6), 0.05); // last quarter
}

TEST(SkyEvents, TheEclipsesOfADecadeAsTheEphemerisOwnSearchFindsThem)
{
    const double t0 = Jd(2020, 1, 1), t1 = Jd(2030, 1, 1);
    const std::vector<SkyEvent> events = EventsOf(kEclipses, t0, t1);
    std::vector<double> expected[2];
    for (int intWhich = 0; intWhich < 2; ++intWhich) {
        double tret[10] = {};
        char serr[AS_MAXCH] = {};
        for (double t = t0;; t = tret[0] + 1) {
            const int intType = intWhich == 0 ? swe_sol_eclipse_when_glob(t, SEFLG_SWIEPH, 0, tret, 0, serr)
                                              : swe_lun_eclipse_when(t, SEFLG_SWIEPH, 0, tret, 0, serr);
            ASSERT_GT(intType, 0);
            if (tret[0] >= t1)
                break;
            expected[intWhich].push_back(tret[0]);
        }
    }
    std::vector<double> found[2];
    for (const SkyEvent& e : events) {
        found[e.intBody == intSun ? 0 : 1].push_back(e.dblMoment);
        EXPECT_LE(e.dblSpanBegin, e.dblMoment);
        EXPECT_GE(e.dblSpanEnd, e.dblMoment);
        EXPECT_LT(e.dblSpanEnd - e.dblSpanBegin, 0.5);
        if (e.intBody == intSun) // at new moon: the Sun and the Moon together
            EXPECT_NEAR(Past(Direct(qal::intMoon, e.dblMoment), Direct(intSun, e.dblMoment)), 0, 0.01);
        else
            EXPECT_NEAR(std::fabs(Past(Direct(qal::intMoon, e.dblMoment), Direct(intSun, e.dblMoment))), dblPi, 0.01);
    }
    ASSERT_EQ(found[0].size(), 22u);
    ASSERT_EQ(found[0].size(), expected[0].size());
    ASSERT_EQ(found[1].size(), expected[1].size());
    for (int i = 0; i < 2; ++i)
        for (size_t k = 0; k < found[i].size(); ++k)
            EXPECT_NEAR(found[i][k], expected[i][k], 60 * kSecond);
    // Kinds: the total eclipse of 8 April 2024, the hybrid one of 20 April
    // 2023, the annular one of 10 June 2021, the penumbral lunar eclipse of
    // 10 January 2020 and the total one of 8 November 2022.
    const auto kindAt = [&](double t) {
        for (const SkyEvent& e : events)
            if (std::fabs(e.dblMoment - t) < 1)
                return e.eclipse;
        ADD_FAILURE() << "no eclipse near JD " << t;
        return EclipseKind::Partial;
    };
    EXPECT_EQ(kindAt(Jd(2024, 4, 8, 18)), EclipseKind::Total);
    EXPECT_EQ(kindAt(Jd(2023, 4, 20, 4)), EclipseKind::Hybrid);
    EXPECT_EQ(kindAt(Jd(2021, 6, 10, 11)), EclipseKind::Annular);
    EXPECT_EQ(kindAt(Jd(2020, 1, 10, 19)), EclipseKind::Penumbral);
    EXPECT_EQ(kindAt(Jd(2022, 11, 8, 11)), EclipseKind::Total);
}

// The Moon's exact major aspects to the Sun .. Pluto in (t0, t1), found by
// sampling the ephemeris every ten minutes.
int DirectMoonAspectsBetween(double t0, double t1)
{
    int intFound = 0;
    for (int b = intSun; b <= intPluto; ++b) {
        double dblPrevious = Direct(qal::intMoon, t0) - Direct(b, t0);
        for (double t = t0 + 10.0 / 1440; t < t1; t += 10.0 / 1440) {
            const double dblNow = Direct(qal::intMoon, t) - Direct(b, t);
            for (const double dblAngle : { 0, 60, 90, 120, 180, 240, 270, 300 }) {
                const double A = dblAngle * dblPi / 180;
                if (Past(dblPrevious, A) < 0 && Past(dblNow, A) >= 0 && std::fabs(Past(dblNow, A)) < 0.5)
                    ++intFound;
            }
            dblPrevious = dblNow;
        }
    }
    return intFound;
}

TEST(SkyEvents, TheVoidMoonRunsFromItsLastAspectToItsIngressAndAcrossASignWithoutOne)
{
    const std::vector<SkyEvent> events = EventsOf(kVoidMoon, Jd(2021, 3, 1), Jd(2021, 4, 1));
    bool blnOpposition = false;
    int intStretches = 0;
    for (const SkyEvent& e : events) {
        if (e.kind != SkyEventKind::VoidBegins)
            continue;
        ++intStretches;
        // It begins at an exact aspect and ends at the Moon's ingress, with no aspect between.
        const double A = (e.intAspectKind == intOpposition ? 180 : 0) * dblPi / 180;
        if (e.intAspectKind == intOpposition || e.intAspectKind == intConjunction) {
            ExpectPassage([&](double t) { return Direct(qal::intMoon, t) - Direct(e.intAspectBody, t); }, A,
                e.dblMoment, false, "the void Moon's last aspect");
        }
        blnOpposition = blnOpposition || e.intAspectKind == intOpposition;
        EXPECT_EQ(DirectMoonAspectsBetween(e.dblSpanBegin + 2 * kSecond, e.dblSpanEnd), 0);
        ExpectPassage([](double t) { return Direct(qal::intMoon, t); },
            std::floor(Direct(qal::intMoon, e.dblSpanEnd + kSecond) / (dblPi / 6)) * dblPi / 6, e.dblSpanEnd,
            false, "the void Moon's end");
        const auto ends = std::find_if(events.begin(), events.end(),
            [&](const SkyEvent& x) { return x.kind == SkyEventKind::VoidEnds && x.dblMoment == e.dblSpanEnd; });
        if (e.dblSpanEnd < Jd(2021, 4, 1)) {
            EXPECT_NE(ends, events.end());
        }
    }
    EXPECT_GE(intStretches, 12);
    EXPECT_TRUE(blnOpposition);

    // 5 to 7 August 2002: the Moon makes no major aspect in Cancer, so it stays
    // void from its last aspect in Gemini until it enters Leo.
    const std::vector<SkyEvent> cancer = EventsOf(kVoidMoon, Jd(2002, 8, 6), Jd(2002, 8, 8));
    const auto leo = std::find_if(cancer.begin(), cancer.end(),
        [](const SkyEvent& x) { return x.kind == SkyEventKind::VoidEnds && x.intSign == 4; });
    ASSERT_NE(leo, cancer.end());
    EXPECT_LT(leo->dblSpanBegin, Jd(2002, 8, 5, 12));
    EXPECT_EQ(DirectMoonAspectsBetween(leo->dblSpanBegin + 2 * kSecond, leo->dblSpanEnd), 0);
}

TEST(SkyEvents, ReturnsToTheNatalSunAndMoonAndPiecesThatAddUpToTheWhole)
{
    const double natal = Jd(1970, 6, 15, 7);
    const double t0 = Jd(2021, 1, 1), t1 = Jd(2022, 1, 1);
    const std::vector<SkyEvent> events = EventsOf(kReturns, t0, t1, natal);
    ASSERT_EQ(OfBody(events, intSun).size(), 1u);
    EXPECT_NEAR(OfBody(events, intSun)[0].dblMoment, Jd(2021, 6, 15), 1);
    const std::vector<SkyEvent> lunar = OfBody(events, qal::intMoon);
    EXPECT_EQ(lunar.size(), 14u); // a sidereal month apart: 13.4 a year
    for (size_t i = 1; i < lunar.size(); ++i)
        EXPECT_NEAR(lunar[i].dblMoment - lunar[i - 1].dblMoment, 27.32, 0.3);
    for (const SkyEvent& e : events)
        ExpectPassage([&](double t) { return Direct(e.intBody, t); }, Direct(e.intBody, natal), e.dblMoment, false,
            "return");
    const double dblSolar = OfBody(events, intSun)[0].dblMoment;
    const auto next = ReturnMoment(FastSource(false), intSun, Direct(intSun, natal), t0, true);
    ASSERT_TRUE(next);
    EXPECT_NEAR(*next, dblSolar, kSecond);
    // From the return itself: the one before (a year earlier) and the one after.
    const auto before = ReturnMoment(FastSource(false), intSun, Direct(intSun, natal), dblSolar, false);
    const auto after = ReturnMoment(FastSource(false), intSun, Direct(intSun, natal), dblSolar, true);
    ASSERT_TRUE(before && after);
    EXPECT_NEAR(dblSolar - *before, 365.25, 0.1);
    EXPECT_NEAR(*after - dblSolar, 365.25, 0.1);
    const auto previousLunar
        = ReturnMoment(FastSource(false), qal::intMoon, Direct(qal::intMoon, natal), lunar[1].dblMoment, false);
    ASSERT_TRUE(previousLunar);
    EXPECT_NEAR(*previousLunar, lunar[0].dblMoment, kSecond);

    // A span searched in two parts gives what it gives whole, also when the
    // parts meet at the very moment of an event (each kind once).
    const double t2 = Jd(2021, 6, 1);
    const std::vector<SkyEvent> whole = EventsOf(kAllSkyEvents, t0, t2, natal);
    std::vector<double> splits = { Jd(2021, 3, 17, 5.5) };
    for (const SkyEventKind kind : { SkyEventKind::Ingress, SkyEventKind::Station, SkyEventKind::Lunation,
             SkyEventKind::VoidBegins, SkyEventKind::Return }) {
        const auto e = std::find_if(whole.begin() + 20, whole.end(), [&](const SkyEvent& x) { return x.kind == kind; });
        ASSERT_NE(e, whole.end());
        splits.push_back(e->dblMoment);
    }
    for (const double middle : splits) {
        std::vector<SkyEvent> parts = EventsOf(kAllSkyEvents, t0, middle, natal);
        const std::vector<SkyEvent> second = EventsOf(kAllSkyEvents, middle, t2, natal);
        parts.insert(parts.end(), second.begin(), second.end());
        ASSERT_EQ(whole.size(), parts.size()) << "split at JD " << middle;
        for (size_t i = 0; i < whole.size(); ++i) {
            EXPECT_EQ(whole[i].dblMoment, parts[i].dblMoment) << static_cast<int>(whole[i].kind) << " body " << whole[i].intBody << " diff s " << (whole[i].dblMoment - parts[i].dblMoment) * 86400;
            EXPECT_EQ(whole[i].kind, parts[i].kind);
            EXPECT_EQ(whole[i].intBody, parts[i].intBody);
        }
    }
}

// The time map's job searches on the work pool while the window may write a
// calendar with the same events: two threads at once find the same.
TEST(SkyEvents, TwoThreadsAtOnceFindTheSame)
{
    const double t0 = Jd(2024, 3, 1), t1 = Jd(2024, 5, 1);
    std::vector<SkyEvent> found[2];
    std::thread other([&] { found[1] = EventsOf(kAllSkyEvents, t0, t1, Jd(1970, 6, 15, 7)); });
    found[0] = EventsOf(kAllSkyEvents, t0, t1, Jd(1970, 6, 15, 7));
    other.join();
    ASSERT_EQ(found[0].size(), found[1].size());
    ASSERT_FALSE(found[0].empty());
    for (size_t i = 0; i < found[0].size(); ++i) {
        EXPECT_EQ(found[0][i].dblMoment, found[1][i].dblMoment);
        EXPECT_EQ(found[0][i].kind, found[1][i].kind);
    }
}

} // namespace
} // namespace qal
