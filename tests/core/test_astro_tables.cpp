// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The chart vocabulary and the angle and position texts.
#include "TestSupport.h"
#include "astro/AstroTables.h"
#include "chart/CurrentChart.h"
#include "settings/Configuration.h"
#include "text/Texts.h"

#include <gtest/gtest.h>

using namespace qal;
using qal::test::Rad;
using qal::test::RadDM;

namespace {

using AstroTables = ::testing::Test;

} // namespace

TEST_F(AstroTables, SignTextsRoundWithinTheSignAndNeverReach360)
{
    struct Case {
        double dblAngle;
        bool blnWholeDegree;
        const char* expected;
    };
    // Compact: 359°59.8' would round to 360° and stays at 59'; at 29°59.7'
    // the 60' carry into the next sign. Whole degrees round up from half a
    // degree but never into the next sign.
    const Case cases[] = { { RadDM(12, 34), false, "12Ari34" }, { RadDM(359, 59.8), false, "29Pis59" },
        { RadDM(29, 59.4), false, "29Ari59" }, { RadDM(29, 59.7), false, "0Tau0" }, { RadDM(123, 45), false, "3Leo45" },
        { 0.0, false, "0Ari0" }, { -0.001, false, "" }, { dblTwoPi, false, "" },
        { RadDM(12, 30), true, "12° in Aries" }, { RadDM(12, 31), true, "13° in Aries" },
        { RadDM(59, 40), true, "29° in Taurus" }, { RadDM(359, 59.8), true, "29° in Pisces" }, { -1.0, true, "" } };
    for (const Case& c : cases)
        EXPECT_EQ(LongitudeToSignText(c.dblAngle, c.blnWholeDegree).toStdString(), c.expected) << c.dblAngle;
}

TEST_F(AstroTables, DegreeMinuteTextFlagsAndCarries)
{
    struct Case {
        double dblAngle;
        bool omit, blank, negative, rollOver;
        const char* expected;
    };
    const Case cases[] = { { RadDM(359, 59.99), false, false, false, false, "359°59'" },
        { RadDM(359, 59.99), false, false, false, true, "360°0'" },
        { RadDM(2, 59.99), false, false, false, false, "3°0'" }, { Rad(8), true, false, false, false, "8°" },
        { Rad(8), false, false, false, false, "8°0'" }, { RadDM(7, 30), true, false, false, false, "7°30'" },
        { RadDM(12, 5), false, true, false, false, "12° 5'" }, { RadDM(12, 5), false, false, false, false, "12°5'" },
        { -RadDM(3, 20), false, false, false, false, "" }, { -RadDM(3, 20), false, false, true, false, "-3°20'" },
        { -RadDM(3, 20), false, true, true, false, "-3° 20'" }, { dblTwoPi, false, false, false, false, "" },
        { -7.0, false, false, true, false, "" } };
    for (const Case& c : cases)
        EXPECT_EQ(AngleToDegMinText(c.dblAngle, c.omit, c.blank, c.negative, c.rollOver).toStdString(), c.expected)
            << c.expected;
}

TEST_F(AstroTables, NameTablesFollowTheLanguage)
{
    EXPECT_EQ(strBodyName[0], QStringLiteral("Earth"));
    EXPECT_EQ(strBodyName[10], QStringLiteral("Moon"));
    EXPECT_EQ(udtAspectText[7].Label, QStringLiteral("quincunx (150°)"));
    EXPECT_EQ(udtAspectText[3].Phrase, QStringLiteral("square to"));

    SetInterfaceLanguage(intLangGerman);
    EXPECT_EQ(strBodyName[0], QStringLiteral("Earth")); // left as it was
    EXPECT_EQ(strBodyName[1], QStringLiteral("Sonne"));
    EXPECT_EQ(strBodyAbbr[1], QStringLiteral("So"));
    EXPECT_EQ(udtSign[4].Abbr, QStringLiteral("Löw"));
    EXPECT_EQ(udtSign[8].Name, QStringLiteral("Schütze"));
    EXPECT_EQ(udtAspectText[1].Abbr, QStringLiteral("Kon"));
    EXPECT_EQ(udtAspectText[7].Name, QStringLiteral("Quinkunx"));
    EXPECT_EQ(udtAspectText[7].Phrase, QStringLiteral("Quinkunx"));
    EXPECT_EQ(udtAspectText[1].Label, QStringLiteral("Konjunktion (0°)"));
    EXPECT_EQ(strPatternName[12], QStringLiteral("Großes Sextil"));
    EXPECT_EQ(LongitudeToSignText(RadDM(12, 34), false), QStringLiteral("12Wid34"));
    EXPECT_EQ(LongitudeToSignText(RadDM(132, 34), true), QStringLiteral("13° in Löwe"));

    // Every language but German takes the English tables.
    SetInterfaceLanguage(intLangSpanish);
    EXPECT_EQ(strBodyName[1], QStringLiteral("Sun"));
    EXPECT_EQ(udtSign[0].Name, QStringLiteral("Aries"));
    EXPECT_EQ(udtAspectText[3].Abbr, QStringLiteral("Sqr"));
    EXPECT_EQ(strPatternName[3], QStringLiteral("T-square"));
}

TEST_F(AstroTables, AnglesColoursInnerPlanetsAndTheZodiacName)
{
    EXPECT_DOUBLE_EQ(dblAspectAngle[2], dblTwoPi / 2);
    EXPECT_DOUBLE_EQ(dblAspectAngle[7], 150.0 / 360.0 * dblTwoPi);
    EXPECT_EQ(udtConfig.dblAspectColor[1], 255 + 256 * 255.0); // yellow: red in the low byte
    EXPECT_EQ(dblColorPalette[11], 128 + 256 * 64.0);
    for (int b = 0; b <= 10; ++b)
        EXPECT_EQ(blnInnerPlanet[b], b >= 1 && b <= 4) << b;
    EXPECT_TRUE(strDataFolder.endsWith(QLatin1Char('/')));

    const QString strTropical = ZodiacName(false);
    test::ChangeConfig([&](ConfigurationSettings& c) { c.blnSidereal = true; });
    const QString strSidereal = ZodiacName(false);
    EXPECT_FALSE(strTropical.isEmpty());
    EXPECT_NE(strTropical, strSidereal);
    EXPECT_EQ(ZodiacName(true), strSidereal + QLatin1Char('.'));
}
