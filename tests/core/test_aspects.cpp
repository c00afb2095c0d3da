// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The aspect test, the orb table and the applying/separating trend.
#include "TestSupport.h"
#include "aspects/Aspects.h"
#include "astro/AstroTables.h"
#include "astro/Longitudes.h"
#include "chart/CurrentChart.h"
#include "settings/Configuration.h"

#include <gtest/gtest.h>

using namespace qal;
using test::Rad;

namespace {

class Aspects : public ::testing::Test {
protected:
    static void Orbs(std::initializer_list<int> degrees)
    {
        int i = 0;
        for (int d : degrees)
            test::ChangeConfig([&](ConfigurationSettings& c) { c.intOrbIndex[i++] = d; });
        SetOrbTable(udtConfig);
    }
};


TEST_F(Aspects, SeparationTakesTheShorterArcAndNamesTheLeader)
{
    int intSign = 0;
    EXPECT_NEAR(AngularSeparation(Rad(359), Rad(1), intSign), Rad(2), 1e-12);
    EXPECT_EQ(intSign, -1); // the second body, at 1°, is 2° ahead
    intSign = 0;
    EXPECT_NEAR(AngularSeparation(Rad(10), Rad(50), intSign), Rad(40), 1e-12);
    EXPECT_EQ(intSign, -1); // the second body is ahead
    intSign = 0;
    EXPECT_NEAR(AngularSeparation(Rad(0), Rad(180), intSign), dblTwoPi / 2, 1e-12);
    EXPECT_EQ(intSign, -1); // exactly opposite: the first test already holds
    EXPECT_NEAR(SignedSeparation(Rad(10), Rad(50)), -Rad(40), 1e-12);
    EXPECT_NEAR(SignedSeparation(Rad(50), Rad(10)), Rad(40), 1e-12);
    EXPECT_NEAR(SignedSeparation(Rad(350), Rad(5)), -Rad(15), 1e-12);
}

TEST_F(Aspects, FirstKindWithinOrbWinsAndTheOrbIsStrict)
{
    double dblDev = 0;
    EXPECT_EQ(FindAspect(Rad(359), Rad(1), udtOrbTable, 0, dblDev), 1);
    EXPECT_NEAR(dblDev, Rad(2), 1e-12);
    // A deviation exactly equal to the orb is not an aspect.
    EXPECT_EQ(FindAspect(0.0, udtOrbTable.dblOrb[1][0], udtOrbTable, 0, dblDev), 0);
    EXPECT_EQ(FindAspect(0.0, udtOrbTable.dblOrb[1][0] * 0.999999, udtOrbTable, 0, dblDev), 1);
    // With conjunction and opposition orbs of 10°, 175° is an opposition.
    Orbs({ 10, 10, 6, 7, 5, 4, 5, 1 });
    EXPECT_EQ(FindAspect(Rad(0), Rad(175), udtOrbTable, 0, dblDev), 2);
    EXPECT_NEAR(dblDev, Rad(5), 1e-12);
    // A body without a position forms nothing.
    EXPECT_EQ(FindAspect(-99.0, Rad(0), udtOrbTable, 0, dblDev), 0);
    EXPECT_EQ(FindAspect(Rad(0), -100.0, udtOrbTable, 0, dblDev), 0);
}

TEST_F(Aspects, OrbTableColumnsAndExtremes)
{
    EXPECT_NEAR(udtOrbTable.dblOrb[1][0], Rad(10), 1e-12);
    EXPECT_NEAR(udtOrbTable.dblOrb[1][1], Rad(10) / 3, 1e-12);
    EXPECT_NEAR(udtOrbTable.dblOrb[6][2], Rad(4) / 3, 1e-12);
    EXPECT_NEAR(udtOrbTable.dblMaxOrb, Rad(10), 1e-12);
    EXPECT_NEAR(udtOrbTable.dblMinOrb, Rad(4), 1e-12);
    EXPECT_FALSE(udtOrbTable.blnAllOrbsEqual);
    EXPECT_NEAR(udtOrbTable.dblMaxOrbCol[0], Rad(10) / 3, 1e-12);
    EXPECT_NEAR(udtOrbTable.dblMinOrbCol[1], Rad(4) / 3, 1e-12);

    // Proportions are read from the lists as they stand.
    test::ChangeConfig([&](ConfigurationSettings& c) { c.cboPersonalOrbsProportion[0] = 0; }); // 1
    test::ChangeConfig([&](ConfigurationSettings& c) { c.cboPersonalOrbsProportion[1] = 4; }); // 1/5
    SetOrbTable(udtConfig);
    EXPECT_NEAR(udtOrbTable.dblOrb[1][1], Rad(10), 1e-12);
    EXPECT_NEAR(udtOrbTable.dblOrb[1][2], Rad(2), 1e-12);

    Orbs({ 8, 8, 8, 8, 8, 8, 8, 1 });
    EXPECT_TRUE(udtOrbTable.blnAllOrbsEqual);
    // A kind switched off never lowers the smallest orb and is never found.
    Orbs({ 8, 8, 8, 0, 8, 8, 8, 1 });
    EXPECT_TRUE(udtOrbTable.blnAllOrbsEqual);
    EXPECT_NEAR(udtOrbTable.dblMinOrb, Rad(8), 1e-12);
    double dblDev = 0;
    EXPECT_EQ(FindAspect(Rad(0), Rad(120), udtOrbTable, 0, dblDev), 0);
    // The accepted orbs count, not what the lists show.
    test::ChangeConfig([&](ConfigurationSettings& c) { c.cboOrb[0] = 2; });
    SetOrbTable(udtConfig);
    EXPECT_NEAR(udtOrbTable.dblOrb[1][0], Rad(8), 1e-12);
    // Every kind off: the smallest orb keeps its start value of 20 radians,
    // so the two extremes differ (qal-cli's titles say "Orb 0°" instead).
    Orbs({ 0, 0, 0, 0, 0, 0, 0, 1 });
    EXPECT_EQ(udtOrbTable.dblMaxOrb, 0);
    EXPECT_EQ(udtOrbTable.dblMinOrb, 20);
    EXPECT_EQ(udtOrbTable.dblMinOrbCol[0], 20);
    EXPECT_FALSE(udtOrbTable.blnAllOrbsEqual);
}

TEST_F(Aspects, DeviationExactnessAndTrend)
{
    EXPECT_NEAR(AspectDeviation(Rad(10), Rad(102), 3), Rad(2), 1e-12);
    EXPECT_NEAR(AspectDeviation(Rad(10), Rad(102), 4), Rad(28), 1e-12);
    EXPECT_NEAR(AspectExactness(Rad(10), Rad(102), 3, udtOrbTable, 0), (6.0 - 2.0) / 6.0, 1e-12);
    EXPECT_NEAR(AspectExactness(Rad(10), Rad(100), 3, udtOrbTable, 1), 1.0, 1e-12);
    EXPECT_EQ(AspectExactness(Rad(10), Rad(102.5), 3, udtOrbTable, 1), -1.0); // orb 2° in column 1

    // New Moon of 2000 January 6, 18:14 UT: the Moon closes on the Sun before
    // it and draws away after it.
    const LongitudeSource source = EphemerisSource(false);
    for (const auto& [t, intExpected] : { std::pair { 2451549.5, -1 }, std::pair { 2451550.75, 1 } }) {
        double dblDev = 0;
        ASSERT_EQ(FindAspect(source(1, t), source(10, t), udtOrbTable, 0, dblDev), 1) << t;
        EXPECT_EQ(AspectTrendAt(source, t, 1, 10, 1, dblDev), intExpected) << t;
    }
    // A fixed point 5° ahead of the Sun: the Sun applies to it.
    const double t = 2451545.0;
    const double dblSun = source(1, t);
    EXPECT_EQ(AspectTrendToFixedAt(source, t, NormalizeAngle(dblSun + Rad(5)), 1, 1, Rad(5)), -1);
    EXPECT_EQ(AspectTrendToFixedAt(source, t, NormalizeAngle(dblSun - Rad(5)), 1, 1, Rad(5)), 1);
}

TEST_F(Aspects, DeviationTextInDegreesOrRadians)
{
    EXPECT_EQ(DeviationText(Rad(7.0 / 60), false), QStringLiteral("0°7'"));
    EXPECT_EQ(DeviationText(Rad(12), false), QStringLiteral("12°0'"));
    EXPECT_EQ(DeviationText(0.123456, true), QStringLiteral("0.1235"));
    EXPECT_EQ(DeviationText(0.0, true), QStringLiteral("0.0000"));
}

} // namespace
