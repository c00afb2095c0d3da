// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The angles and the houses: against the ephemeris asked directly for a
// table of places and moments (the far north too, where Placidus and Koch
// give way to Porphyry), sidereal as the bodies are, the aspects to the
// angles in each mode, and the transits to a natal angle over time, a slow
// planet's three passes among them.
#include "TestSupport.h"
#include "aspects/Aspects.h"
#include "astro/AstroTables.h"
#include "astro/ChartAngles.h"
#include "astro/FastLongitudes.h"
#include "astro/Longitudes.h"
#include "chart/AspectCalendar.h"
#include "chart/AspectCourse.h"
#include "chart/ChartCompute.h"
#include "chart/ChartModes.h"
#include "chart/Durations.h"
#include "settings/Configuration.h"
#include "text/Texts.h"

#include <gtest/gtest.h>

#include <swephexp.h>

#include <cmath>

using namespace qal;

namespace {

double ArcSeconds(double a, double b)
{
    double d = std::fabs(a - b);
    if (d > dblPi)
        d = dblTwoPi - d;
    return RadToDeg(d) * 3600;
}

TEST(Angles, AsTheEphemerisGivesThemForPlacesAndMoments)
{
    const struct {
        double t, dblLatitude, dblLongitude;
    } cases[] = {
        { 2407422.9514, 48.3984, 9.9916 }, // Ulm, 1879
        { 2458183.0625, 51.5085, -0.1257 }, // London, 2018
        { 2440738.79, -33.8679, 151.2073 }, // Sydney, 1970
        { 2451545.0, 0.0, -78.5 }, // the equator
        { 2415020.5, 64.1355, -21.8954 }, // Reykjavík, 1900
    };
    for (const auto& c : cases) {
        for (int intSystem = 0; intSystem < intNumHouseSystems; ++intSystem) {
            double cusps[13] = {}, ascmc[10] = {};
            swe_houses_ex(c.t, 0, c.dblLatitude, c.dblLongitude, HouseSystemLetter(intSystem), cusps, ascmc);
            const ChartAngles angles = AnglesAt(c.t, c.dblLatitude, c.dblLongitude, intSystem, false);
            ASSERT_TRUE(angles.blnKnown);
            EXPECT_TRUE(angles.blnSystemHeld) << c.dblLatitude;
            EXPECT_LT(ArcSeconds(angles.dblAscendant, DegToRad(ascmc[0])), 1) << c.t << " " << intSystem;
            EXPECT_LT(ArcSeconds(angles.dblMidheaven, DegToRad(ascmc[1])), 1) << c.t << " " << intSystem;
            for (int i = 1; i <= 12; ++i)
                EXPECT_LT(ArcSeconds(angles.dblCusp[i], DegToRad(cusps[i])), 1) << c.t << " " << intSystem << " " << i;
        }
    }
    // The first cusp of every system that begins at the Ascendant is the Ascendant.
    const ChartAngles placidus = AnglesAt(2458183.0625, 51.5, 0, 0, false);
    EXPECT_EQ(placidus.dblCusp[1], placidus.dblAscendant);
    EXPECT_EQ(placidus.dblCusp[10], placidus.dblMidheaven);
    // Sidereal: shifted as the bodies are.
    const ChartAngles sidereal = AnglesAt(2458183.0625, 51.5, 0, 0, true);
    EXPECT_NEAR(NormalizeAngle(placidus.dblAscendant - sidereal.dblAscendant), SiderealOffset(2018), 1e-12);

    // Far north Placidus and Koch have no houses: Porphyry's stand in, and the chart says so.
    for (const int intSystem : { 0, 1 }) {
        const ChartAngles polar = AnglesAt(2407422.95, 78.2232, 15.6267, intSystem, false); // Longyearbyen
        ASSERT_TRUE(polar.blnKnown);
        EXPECT_FALSE(polar.blnSystemHeld);
        const ChartAngles porphyry = AnglesAt(2407422.95, 78.2232, 15.6267, 4, false);
        for (int i = 1; i <= 12; ++i)
            EXPECT_NEAR(polar.dblCusp[i], porphyry.dblCusp[i], 1e-12);
    }
    EXPECT_FALSE(AnglesAt(2458183.0, 91, 0, 0, false).blnKnown);
    EXPECT_EQ(HouseSystemOfLetter(QLatin1Char('w')), 3);
    EXPECT_EQ(HouseSystemOfLetter(QLatin1Char('X')), -1);
}

// The report names the angles and the aspects to them as each mode pairs them.
TEST(Angles, TheReportsAspectsToTheAnglesInEachMode)
{
    ConfigurationSettings config;
    const OrbTable orbs = OrbTableFor(config);
    const auto compute = [&](int intMode, bool blnPlace0, bool blnPlace1) {
        ChartRequest request;
        request.intMode = intMode;
        request.dblChartJD[0] = 2458183.0625;
        request.dblChartJD[1] = 2407422.9514;
        request.dblChartJD[2] = 2440738.79;
        if (blnPlace0)
            request.place[0] = ChartPlace { 51.5085, -0.1257 };
        if (blnPlace1) {
            request.place[1] = ChartPlace { 48.3984, 9.9916 };
            request.place[2] = ChartPlace { -33.8679, 151.2073 };
        }
        ChartResult result;
        ComputeChart(request, config, orbs, result);
        return result;
    };
    // Without a place nothing changes.
    const ChartResult plain = compute(modeNatal1, false, false);
    EXPECT_FALSE(plain.angles[0].blnKnown);
    EXPECT_TRUE(plain.angleAspects.empty());
    EXPECT_FALSE(plain.udtReports.strReport.contains(GetText(TextId::AnglesHeader)));

    const ChartResult natal = compute(modeNatal1, false, true);
    ASSERT_TRUE(natal.angles[0].blnKnown);
    ASSERT_FALSE(natal.angleAspects.empty());
    for (const ChartAspect& a : natal.angleAspects) {
        EXPECT_EQ(a.intSlot1, 0);
        EXPECT_EQ(a.intSlot2, 0);
        EXPECT_TRUE(IsAngle(a.intBody2));
        EXPECT_LE(a.dblDeviation, orbs.dblOrb[a.intKind][0]);
    }
    const QString& strReport = natal.udtReports.strReport;
    EXPECT_TRUE(strReport.contains(QStringLiteral("AC ") + AngleToDegMinText(natal.angles[0].dblAscendant) + QLatin1Char(' ')
        + LongitudeToSignText(natal.angles[0].dblAscendant, false)))
        << strReport.toStdString();
    for (const ChartAspect& a : natal.angleAspects) {
        EXPECT_TRUE(strReport.contains(strBodyName[a.intBody1] + QLatin1Char(' ') + udtAspectText[a.intKind].Phrase
            + QLatin1Char(' ') + PointName(a.intBody2) + QLatin1Char(' ') + DeviationText(a.dblDeviation, false)))
            << strReport.toStdString();
    }

    // Personal: the transiting bodies to the natal angles, with the personal orbs.
    const ChartResult personal = compute(modePersonal1, true, true);
    ASSERT_TRUE(personal.angles[1].blnKnown);
    for (const ChartAspect& a : personal.angleAspects) {
        EXPECT_EQ(a.intSlot1, 0);
        EXPECT_EQ(a.intSlot2, 1);
        EXPECT_LE(a.dblDeviation, orbs.dblOrb[a.intKind][1]);
    }
    EXPECT_TRUE(personal.udtReports.strReport1.contains(GetText(TextId::NatalLower) + QStringLiteral(" Ascendant"))
        || personal.udtReports.strReport1.contains(GetText(TextId::NatalLower) + QStringLiteral(" Midheaven")));
    // Synastry: each chart's bodies to the other's angles.
    const ChartResult synastry = compute(modeSynastry, false, true);
    bool blnBothWays[2] = {};
    for (const ChartAspect& a : synastry.angleAspects) {
        EXPECT_EQ(a.intSlot2, 1 - a.intSlot1);
        blnBothWays[a.intSlot1] = true;
    }
    EXPECT_TRUE(blnBothWays[0] && blnBothWays[1]);
    // Planetary: the sky's bodies to the angles of the current moment's place; in German.
    SetInterfaceLanguage(intLangGerman);
    const ChartResult planetary = compute(modePlanetary, true, false);
    EXPECT_TRUE(planetary.angles[0].blnKnown);
    EXPECT_TRUE(planetary.udtReports.strReport.contains(QStringLiteral("Achsen:")));
    EXPECT_EQ(planetary.udtReports.strReport.contains(QStringLiteral("Aspekte zu den Achsen:")),
        !planetary.angleAspects.empty());
    SetInterfaceLanguage(intLangEnglish);
}

// A natal Midheaven where Pluto turns: Pluto crosses it three times, and the
// durations, the courses and the calendar of the transits all count three.
TEST(Angles, ATransitToTheNatalMidheavenWithThreePasses)
{
    // Pluto in 2021 between its stations: the middle of its loop.
    const LongitudeSource source = PreciseSource(false);
    double dblLow = 7, dblHigh = 0;
    for (double t = 2459215.5; t < 2459580.5; t += 1) {
        dblLow = std::min(dblLow, source(intPluto, t));
        dblHigh = std::max(dblHigh, source(intPluto, t));
    }
    const double dblNatalMc = (dblLow + dblHigh) / 2;
    DurationInputs in;
    in.intMode = modePersonal1;
    in.dblChartJD[0] = 2459396.5; // 1 July 2021, in the middle of the stretch
    in.dblChartJD[1] = 2440738.79;
    in.dblDayValue = 2459397.0;
    in.dblNatalAngle[0] = 1.0; // an Ascendant no slow planet reaches this year
    in.dblNatalAngle[1] = dblNatalMc;
    const OrbTable orbs = OrbTableFor(ConfigurationSettings());

    ChartAspect transit { 0, intPluto, 1, intMidheaven, 1, 0.01, 0 };
    const QStringList records = AngleDurationRecords({ transit }, in, orbs);
    ASSERT_EQ(records.size(), 1);
    const DurationRecord record = ParseDurationRecord(records[0]);
    EXPECT_EQ(record.intFirstBody, intMidheaven);
    EXPECT_EQ(record.intSecondBody, intPluto);
    EXPECT_TRUE(record.blnDaysComputed);
    const auto course = CourseOfRecord(record, in, orbs, FastSource(false));
    ASSERT_TRUE(course);
    ASSERT_EQ(course->exact.size(), 3u);
    for (const double t : course->exact)
        EXPECT_LT(ArcSeconds(PreciseSource(false)(intPluto, t), dblNatalMc), 0.5);
    // Not in the other modes: the angles of a moving sky are not followed.
    DurationInputs planetary = in;
    planetary.intMode = modePlanetary;
    EXPECT_TRUE(AngleDurationRecords({ transit }, planetary, orbs).isEmpty());

    // The calendar of 2021 holds the same three passes.
    AspectCalendarQuery query;
    query.dblFrom = 2459215.5;
    query.dblUntil = 2459580.5;
    query.dblNatalMoment = in.dblChartJD[1];
    query.dblNatalAngle[1] = dblNatalMc;
    query.udtOrbs = orbs;
    query.pairWanted = [](int a, int b) { return a == intMidheaven && b == intPluto; };
    AspectCalendar calendar(query, FastSource(false));
    AspectCalendarPiece piece;
    std::vector<double> passes;
    while (calendar.NextPiece(piece)) {
        for (const AspectEvent& e : piece.events) {
            if (e.kind == AspectEventKind::Exact && e.aspect->intKind == 1)
                passes.push_back(e.dblMoment);
        }
    }
    ASSERT_EQ(passes.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_NEAR(passes[i], course->exact[i], 1.0 / 86400);
}

} // namespace
