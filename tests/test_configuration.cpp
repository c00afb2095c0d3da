// The configuration record: defaults, reset, accept and the list contents.
#include "settings/Configuration.h"

#include <gtest/gtest.h>

using namespace qal;

TEST(Configuration, DefaultsOfAFreshRecord)
{
    const ConfigurationSettings config;
    const int orbs[8] = { 10, 9, 6, 7, 5, 4, 5, 1 };
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(config.cboOrb[i], orbs[i]) << i;
        EXPECT_EQ(config.intOrbIndex[i], orbs[i]) << i;
    }
    EXPECT_TRUE(config.chkUseBoldface);
    EXPECT_TRUE(config.opt1DegOfOrb);
    EXPECT_EQ(BoldfaceFactorItems().at(config.cboBoldfaceFactor), QStringLiteral("1/4"));
    EXPECT_EQ(OrbProportionItemData(config.cboPersonalOrbsProportion[0]), 3);
    EXPECT_EQ(OrbProportionItemData(config.cboPersonalOrbsProportion[1]), 3);
    EXPECT_DOUBLE_EQ(MidpointOrbDegrees(config.cboOrbForMidpoints), 0.5);
    EXPECT_FALSE(config.blnSidereal);
    EXPECT_TRUE(config.blnIncludeTransitingMoon);
    EXPECT_TRUE(config.blnShowInnerPlanetAspects);
    EXPECT_FALSE(config.blnSaveGraphicWithWhiteBackground);
    EXPECT_TRUE(config.chkKeepZodiac);
    EXPECT_EQ(config.dblAspectColor[2], 255 + 65536 * 255.0); // magenta
    EXPECT_EQ(config.dblPendingColor[4], 256 * 255.0); // green
}

TEST(Configuration, ListContentsAndItemData)
{
    EXPECT_EQ(OrbListItemText(0), QStringLiteral("0°"));
    EXPECT_EQ(OrbListItemText(15), QStringLiteral("15°"));
    EXPECT_EQ(OrbListItemData(7), 420);
    EXPECT_EQ(OrbListItemData(15), 900);
    EXPECT_EQ(BoldfaceFactorItems(), QStringList({ "1/2", "1/3", "1/4", "1/5", "1/6", "1/8", "1/10", "1/15", "1/20" }));
    const int factors[] = { 2, 3, 4, 5, 6, 8, 10, 15, 20 };
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(BoldfaceFactorItemData(i), factors[i]);
    EXPECT_EQ(OrbProportionItems(), QStringList({ "1", "1/2", "1/3", "1/4", "1/5" }));
    EXPECT_EQ(OrbProportionItemData(0), 1);
    EXPECT_EQ(OrbProportionItemData(4), 5);
    EXPECT_EQ(MidpointOrbItems(),
        QStringList({ "0° 5'", "0° 15'", "0° 30'", "1° 0'", "1° 30'", "2° 0'", "2° 30'", "3° 0'" }));
    EXPECT_DOUBLE_EQ(MidpointOrbDegrees(0), 5.0 / 60.0);
    EXPECT_DOUBLE_EQ(MidpointOrbDegrees(2), 0.5);
    EXPECT_DOUBLE_EQ(MidpointOrbDegrees(7), 3.0);
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
