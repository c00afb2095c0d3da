// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The configuration record: defaults, reset, accept and the list contents.
#include "settings/Configuration.h"

#include <gtest/gtest.h>

using namespace qal;

TEST(Configuration, DefaultsAndListItemData)
{
    // The defaults that the computation reads before any dialog exists.
    const ConfigurationSettings config;
    EXPECT_EQ(OrbListItemData(config.intOrbIndex[0]), 600); // conjunction 10°, in arc minutes
    EXPECT_EQ(OrbListItemData(config.intOrbIndex[5]), 240); // semisextile 4°
    EXPECT_EQ(config.intOrbIndex[7], 1); // "set all" orb
    EXPECT_EQ(BoldfaceFactorItemData(config.cboBoldfaceFactor), 4);
    EXPECT_EQ(OrbProportionItemData(config.cboPersonalOrbsProportion[1]), 3);
    EXPECT_DOUBLE_EQ(MidpointOrbDegrees(config.cboOrbForMidpoints), 0.5);
    EXPECT_TRUE(config.blnIncludeTransitingMoon && config.blnShowInnerPlanetAspects && !config.blnSidereal);
    EXPECT_EQ(config.dblAspectColor[2], 255 + 65536 * 255.0); // magenta, red in the low byte

    EXPECT_EQ(OrbListItemText(15), QStringLiteral("15°"));
    EXPECT_EQ(OrbListItemData(7), 420);
    EXPECT_EQ(MidpointOrbItems().first(), QStringLiteral("0° 5'"));
    EXPECT_EQ(MidpointOrbItems().last(), QStringLiteral("3° 0'"));
    EXPECT_DOUBLE_EQ(MidpointOrbDegrees(0), 5.0 / 60.0);
    EXPECT_EQ(BoldfaceFactorItems().at(8), QStringLiteral("1/20"));
    EXPECT_EQ(BoldfaceFactorItemData(8), 20);
    // Out-of-range indices (from a damaged state file) stay within the lists.
    EXPECT_EQ(OrbListItemData(99), 900);
    EXPECT_EQ(BoldfaceFactorItemData(-1), 2);
    EXPECT_DOUBLE_EQ(MidpointOrbDegrees(50), 3.0);
}

TEST(Configuration, ResetKeepsTheZodiacOnlyWhenAskedAndAcceptCopiesTheShownValues)
{
    ConfigurationSettings config;
    config.cboOrb[0] = 3;
    config.chkUseBoldface = false;
    config.cboPersonalOrbsProportion[1] = 0;
    config.optVedicAstrology = true;
    config.chkIncludeTransitingMoon = false;
    config.chkSuppressInnerPlanetAspectDisplay = true;
    config.dblPendingColor[3] = 0;
    AcceptShownSettings(config);
    EXPECT_EQ(config.intOrbIndex[0], 3);
    EXPECT_TRUE(config.blnSidereal);
    EXPECT_FALSE(config.blnIncludeTransitingMoon);
    EXPECT_FALSE(config.blnShowInnerPlanetAspects);
    EXPECT_EQ(config.dblAspectColor[3], 0.0);

    ResetToDefaults(config, false);
    EXPECT_EQ(config.cboOrb[0], 10);
    EXPECT_EQ(config.intOrbIndex[0], 10); // orb indices are taken over at once
    EXPECT_TRUE(config.chkUseBoldface);
    EXPECT_EQ(config.cboPersonalOrbsProportion[1], 2);
    EXPECT_TRUE(config.optVedicAstrology); // "Keep selected zodiac" is ticked
    EXPECT_FALSE(config.chkDisplayNATZabbr); // German interface
    EXPECT_TRUE(config.chkIncludeTransitingMoon);
    EXPECT_EQ(config.dblPendingColor[3], 255.0);
    EXPECT_EQ(config.dblAspectColor[3], 0.0); // not applied until accepted
    EXPECT_FALSE(config.blnIncludeTransitingMoon); // likewise

    config.chkKeepZodiac = false;
    ResetToDefaults(config, true);
    EXPECT_FALSE(config.optVedicAstrology);
    EXPECT_TRUE(config.chkDisplayNATZabbr);
}
