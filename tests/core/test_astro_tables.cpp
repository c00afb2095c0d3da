// The chart vocabulary and the angle and position texts.
#include "astro/AstroTables.h"
#include "chart/CurrentChart.h"
#include "settings/Configuration.h"
#include "TestSupport.h"
#include "text/Texts.h"

#include <gtest/gtest.h>

using namespace qal;
using qal::test::Rad;
using qal::test::RadDM;

namespace {

using AstroTables = ::testing::Test;

} // namespace

TEST_F(AstroTables, CompactSignTextRoundsAndNeverReaches360)
{
    struct Case {
        double dblAngle;
        const char* expected;
    };
    const Case cases[] = {
        { RadDM(12, 34), "12Ari34" },
        { RadDM(359, 59.8), "29Pis59" }, // would round to 360°: stays at 59'
        { RadDM(29, 59.4), "29Ari59" },
        { RadDM(29, 59.7), "0Tau0" }, // 60' carries into the next sign
        { RadDM(123, 45), "3Leo45" },
        { 0.0, "0Ari0" },
        { -0.001, "" },
        { dblTwoPi, "" },
        { 7.0, "" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(LongitudeToSignText(c.dblAngle, false).toStdString(), c.expected) << c.dblAngle;
}

TEST_F(AstroTables, WholeDegreeSignTextRoundsUpWithinTheSign)
{
    EXPECT_EQ(LongitudeToSignText(RadDM(12, 34), true), QStringLiteral("13° in Aries"));
    EXPECT_EQ(LongitudeToSignText(RadDM(12, 30), true), QStringLiteral("12° in Aries"));
    EXPECT_EQ(LongitudeToSignText(RadDM(12, 31), true), QStringLiteral("13° in Aries"));
    EXPECT_EQ(LongitudeToSignText(RadDM(59, 40), true), QStringLiteral("29° in Taurus")); // never into Gemini
    EXPECT_EQ(LongitudeToSignText(RadDM(359, 59.8), true), QStringLiteral("29° in Pisces"));
    EXPECT_EQ(LongitudeToSignText(-1.0, true), QString());
}

TEST_F(AstroTables, DegreeMinuteTextFlagsAndCarries)
{
    struct Case {
        double dblAngle;
        bool omit, blank, negative, rollOver;
        const char* expected;
    };
    const Case cases[] = {
        { RadDM(359, 59.99), false, false, false, false, "359°59'" },
        { RadDM(359, 59.99), false, false, false, true, "360°0'" },
        { RadDM(2, 59.99), false, false, false, false, "3°0'" },
        { Rad(8), true, false, false, false, "8°" },
        { Rad(8), false, false, false, false, "8°0'" },
        { RadDM(7, 30), true, false, false, false, "7°30'" },
        { RadDM(12, 5), false, true, false, false, "12° 5'" },
        { RadDM(12, 5), false, false, false, false, "12°5'" },
        { RadDM(0, 7), false, false, false, false, "0°7'" },
        { -RadDM(3, 20), false, false, false, false, "" },
        { -RadDM(3, 20), false, false, true, false, "-3°20'" },
        { -RadDM(3, 20), false, true, true, false, "-3° 20'" },
        { dblTwoPi, false, false, false, false, "" },
        { -7.0, false, false, true, false, "" },
    };
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
    EXPECT_EQ(strBodyName[8], QStringLiteral("Neptun"));
    EXPECT_EQ(udtSign[4].Abbr, QStringLiteral("Löw"));
    EXPECT_EQ(udtSign[8].Name, QStringLiteral("Schütze"));
    EXPECT_EQ(udtAspectText[1].Abbr, QStringLiteral("Kon"));
    EXPECT_EQ(udtAspectText[3].Abbr, QStringLiteral("Qua"));
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

TEST_F(AstroTables, AnglesColoursAndInnerPlanets)
{
    EXPECT_DOUBLE_EQ(dblAspectAngle[2], dblTwoPi / 2);
    EXPECT_DOUBLE_EQ(dblAspectAngle[7], 150.0 / 360.0 * dblTwoPi);
    EXPECT_EQ(udtConfig.dblAspectColor[1], 255 + 256 * 255.0); // yellow: red in the low byte
    EXPECT_EQ(dblColorPalette[11], 128 + 256 * 64.0);
    for (int b = 0; b <= 10; ++b)
        EXPECT_EQ(blnInnerPlanet[b], b >= 1 && b <= 4) << b;
    EXPECT_TRUE(strDataFolder.endsWith(QLatin1Char('/')));
}

TEST_F(AstroTables, ZodiacNameFollowsTheZodiacInUse)
{
    udtConfig.blnSidereal = false;
    const QString strTropical = ZodiacName(false);
    udtConfig.blnSidereal = true;
    const QString strSidereal = ZodiacName(false);
    EXPECT_FALSE(strTropical.isEmpty());
    EXPECT_NE(strTropical, strSidereal);
    EXPECT_EQ(ZodiacName(true), strSidereal + QLatin1Char('.'));
}
