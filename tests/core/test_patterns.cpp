// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Aspect patterns found in charts built from chosen longitudes.
#include "TestSupport.h"
#include "aspects/Aspects.h"
#include "aspects/Patterns.h"
#include "astro/AstroTables.h"
#include "astro/Longitudes.h"
#include "settings/Configuration.h"
#include "text/Texts.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

using namespace qal;

namespace {

class Patterns : public ::testing::Test {
protected:
    // Places the given bodies (degrees); every other body has no position.
    void Chart(std::initializer_list<std::pair<int, double>> bodies)
    {
        m_intNumBodies = 10;
        for (int b = 1; b <= 10; ++b)
            m_L[b] = -99.0;
        for (const auto& [b, dblDeg] : bodies)
            m_L[b] = test::Rad(dblDeg);
    }
    // The chart as the searches see it, with the orbs of the configuration.
    PatternSky Sky() const { return MakePatternSky(m_L, m_intNumBodies, udtOrbTable, MidpointOrbRadians(udtConfig)); }

    double m_L[11] = {};
    int m_intNumBodies = 10;

    static QString Orb(const char* strAngle)
    {
        return QStringLiteral(" (") + GetText(TextId::AverageOrb) + QLatin1Char(' ') + QString::fromUtf8(strAngle)
            + QStringLiteral(")\r\n");
    }
};


TEST_F(Patterns, GrandTrineKiteAndAKindSwitchedOff)
{
    Chart({ { 7, 250 }, { 2, 10 }, { 5, 130 } });
    int intCount = -1;
    EXPECT_EQ(FindGrandTrines(Sky(), false, intCount), QStringLiteral("Grand trine: Me-Ju-Ur") + Orb("0°0'"));
    EXPECT_EQ(intCount, 1);
    EXPECT_EQ(FindGrandTrines(Sky(), true, intCount), QStringLiteral("Mercury-Jupiter-Uranus\r\n"));

    // Mars opposite the Sun and sextile to the other two: a kite whose first
    // name is the body opposite the tail and whose last is the tail. The six
    // deviations 1°, 0°, 1° (trines) and 0°, 1°, 1° average 0°40'.
    Chart({ { 1, 10 }, { 5, 131 }, { 7, 250 }, { 4, 191 } });
    EXPECT_EQ(FindKites(Sky(), false, intCount), QStringLiteral("Kite: Su-Ju-Ur-Ma") + Orb("0°40'"));
    EXPECT_EQ(FindGrandTrines(Sky(), false, intCount), QStringLiteral("Grand trine: Su-Ju-Ur") + Orb("0°40'"));

    // An aspect kind with orb 0 finds nothing.
    test::ChangeConfig([&](ConfigurationSettings& c) { c.intOrbIndex[3] = 0; }); // trine switched off
    SetOrbTable(udtConfig);
    EXPECT_EQ(FindGrandTrines(Sky(), false, intCount), QString());
    EXPECT_EQ(intCount, 0);
}

TEST_F(Patterns, RectangleTSquareGrandCrossYodYodKiteAndTrapezium)
{
    // Sun 0°, Mercury 120°, Venus 180°, Mars 300°: found as Su-Ve-Me-Ma and
    // again as Me-Ma-Su-Ve, which the duplicate rule suppresses.
    Chart({ { 1, 0 }, { 2, 120 }, { 3, 180 }, { 4, 300 } });
    int intCount = -1;
    EXPECT_EQ(FindRectangles(Sky(), false, intCount), QStringLiteral("Rectangle: Su-Ve-Me-Ma") + Orb("0°0'"));
    EXPECT_EQ(intCount, 1);

    Chart({ { 4, 10 }, { 6, 190 }, { 5, 101 } });
    EXPECT_EQ(FindTSquares(Sky(), false, intCount), QStringLiteral("T-square: Ma-Ju-Sa") + Orb("0°40'"));
    EXPECT_EQ(FindTSquares(Sky(), true, intCount), QStringLiteral("Mars-Jupiter-Saturn\r\n"));

    Chart({ { 1, 0 }, { 2, 90 }, { 3, 270 }, { 4, 180 } });
    EXPECT_EQ(FindGrandCrosses(Sky(), false, intCount), QStringLiteral("Grand cross: Su-Me-Ma-Ve") + Orb("0°0'"));
    EXPECT_EQ(intCount, 1);
    FindTSquares(Sky(), false, intCount);
    EXPECT_EQ(intCount, 4);

    // A yod with Saturn at the apex (deviations 1°, 0°, 1°); Pluto opposite the
    // apex and semisextile to both makes it a yod-kite: the six deviations
    // average 0°30', and 1°40' once Pluto moves to 33°.
    Chart({ { 2, 0 }, { 3, 61 }, { 6, 210 }, { 9, 30 } });
    EXPECT_EQ(FindYods(Sky(), false, intCount), QStringLiteral("Yod: Me-Sa-Ve") + Orb("0°40'"));
    EXPECT_EQ(FindYodKites(Sky(), false, intCount), QStringLiteral("Yod-kite: Me-Sa-Ve-Pl") + Orb("0°30'"));
    m_L[9] = test::Rad(33);
    EXPECT_EQ(FindYodKites(Sky(), false, intCount), QStringLiteral("Yod-kite: Me-Sa-Ve-Pl") + Orb("1°40'"));

    Chart({ { 1, 0 }, { 2, 180 }, { 3, 120 }, { 4, 60 } });
    EXPECT_EQ(FindTrapeziums(Sky(), false, intCount), QStringLiteral("Trapezium: Su-Me-Ve-Ma") + Orb("0°0'"));

    // Two grand sextiles are both listed but count as one.
    Chart({ { 1, 0 }, { 2, 60 }, { 3, 120 }, { 4, 180 }, { 5, 240 }, { 6, 300 }, { 8, 60.5 } });
    EXPECT_EQ(FindGrandSextiles(Sky(), false, intCount),
        QStringLiteral("Grand sextile: Su-Ve-Ju-Me-Ma-Sa\r\nGrand sextile: Su-Ve-Ju-Ma-Sa-Ne\r\n"));
    EXPECT_EQ(intCount, 1);
}

TEST_F(Patterns, LargestStelliumWinsAndEveryCountingAgrees)
{
    // Compares the count of each kind alone with the whole counting; gives
    // the number of kinds found.
    const auto expectSameCounts = [](const PatternSky& sky, const std::string& strWhere) {
        int intAll[intNumPatternKinds];
        CountPatterns(sky, intAll);
        int intFound = 0;
        for (int k = 0; k < intNumPatternKinds; ++k) {
            EXPECT_EQ(CountPatternKind(sky, k), intAll[k]) << strWhere << ", kind " << k;
            intFound += intAll[k] > 0 ? 1 : 0;
        }
        return intFound;
    };
    Chart({ { 1, 10 }, { 2, 12 }, { 3, 14 }, { 4, 16 } });
    int intPatternCount[14] = { 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7 }; // counts of an earlier computation
    // Pairs 2°, 4°, 6°, 2°, 4°, 2° average 3°20'.
    EXPECT_EQ(RunPatternSearches(Sky(), false, intPatternCount),
        QStringLiteral("4-Stellium: Su-Me-Ve-Ma") + Orb("3°20'") + QStringLiteral("\r\n"));
    EXPECT_EQ(intPatternCount[patFourStellium], 1);
    EXPECT_EQ(intPatternCount[patThreeStellium], 0); // not searched: cleared
    EXPECT_EQ(intPatternCount[patFiveStellium], 7); // searched, found nothing: unchanged
    int intCount = -1;
    EXPECT_EQ(FindThreeStelliums(Sky(), true, intCount).count(QStringLiteral("\r\n")), 4);
    EXPECT_EQ(intCount, 4);

    // A 4-stellium hides the 3-stelliums inside it; a 5-stellium both.
    EXPECT_EQ(CountPatternKind(Sky(), patFourStellium), 1);
    EXPECT_EQ(expectSameCounts(Sky(), "4-stellium"), 1); // the 4-stellium alone
    Chart({ { 1, 10 }, { 2, 12 }, { 3, 14 }, { 4, 16 }, { 5, 11 } });
    EXPECT_EQ(CountPatternKind(Sky(), patFiveStellium), 1);
    expectSameCounts(Sky(), "5-stellium");
    // Real skies a little over a week apart for thirty years, Moon included.
    const LongitudeSource source = EphemerisSource(false);
    int intWithPatterns = 0;
    for (double t = 2451545.0; t < 2451545.0 + 10958; t += 8.37) {
        double L[intMaxBodies + 1] = {};
        for (int b = 1; b <= intMaxBodies; ++b)
            L[b] = source(b, t);
        intWithPatterns += expectSameCounts(
            MakePatternSky(L, intMaxBodies, udtOrbTable, MidpointOrbRadians(udtConfig)), "JD " + std::to_string(t));
    }
    EXPECT_GT(intWithPatterns, 1000); // the skies did hold patterns to count
}

TEST_F(Patterns, MidpointsAreListedOnceAndNeverNameTheMoon)
{
    Chart({ { 1, 0 }, { 2, 20.2 }, { 3, 40 }, { 10, 20 } });
    int intCount = -1;
    EXPECT_EQ(FindMidpoints(Sky(), false, intCount), QStringLiteral("Midpoint: Su-Me-Ve\r\n"));
    EXPECT_EQ(intCount, 1);
    EXPECT_EQ(FindMidpoints(Sky(), true, intCount), QStringLiteral("Sun-Mercury-Venus\r\n"));

    // The opposite point counts too; outer bodies stay in ascending order.
    Chart({ { 6, 0 }, { 2, 200.2 }, { 3, 40 } });
    EXPECT_EQ(FindMidpoints(Sky(), false, intCount), QStringLiteral("Midpoint: Ve-Me-Sa\r\n"));
    EXPECT_EQ(MidpointLine(Sky(), 6, 2, 3, false), QStringLiteral("Ve-Me-Sa"));

    // The orb comes from the configuration: 0.5° by default, 0.25° at index 1.
    test::ChangeConfig([&](ConfigurationSettings& c) { c.cboOrbForMidpoints = 1; });
    FindMidpoints(Sky(), false, intCount);
    EXPECT_EQ(intCount, 1);
    m_L[2] = test::Rad(200.3);
    EXPECT_EQ(FindMidpoints(Sky(), false, intCount), QString());
    EXPECT_EQ(intCount, 0);

    // Equal longitudes or a body without a position give no candidate.
    Chart({ { 1, 0 }, { 2, 0 }, { 3, 40 } });
    EXPECT_EQ(MidpointLine(Sky(), 1, 2, 3, false), QString());
}

TEST_F(Patterns, TheMoonTakesPartOnlyWithTenBodiesAndGermanLinesUseGermanNames)
{
    Chart({ { 10, 10 }, { 6, 190 }, { 5, 100 } });
    int intCount = -1;
    EXPECT_EQ(FindTSquares(Sky(), false, intCount), QStringLiteral("T-square: Sa-Ju-Mo") + Orb("0°0'"));
    m_intNumBodies = 9;
    EXPECT_EQ(FindTSquares(Sky(), false, intCount), QString());
    EXPECT_EQ(intCount, 0);
    int intPatternCount[14] = {};
    EXPECT_FALSE(RunPatternSearches(Sky(), false, intPatternCount).contains(QStringLiteral("Mo")));

    SetInterfaceLanguage(intLangGerman);
    Chart({ { 4, 10 }, { 6, 190 }, { 5, 100 } });
    EXPECT_EQ(FindTSquares(Sky(), false, intCount), QStringLiteral("T-Quadrat: Ma-Ju-Sa (mittlerer Orbis 0°0')\r\n"));
}

} // namespace
