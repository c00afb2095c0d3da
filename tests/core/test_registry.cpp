// The per-user store, the four switches kept in it, and the stored language.
// The store lives in the test run's temporary home and starts empty for
// every test.
#include "TestSupport.h"
#include "astro/AstroTables.h"
#include "platform/Clock.h"
#include "platform/Registry3.h"
#include "settings/Configuration.h"
#include "settings/RegistrySwitches.h"
#include "text/Language.h"
#include "text/Texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <gtest/gtest.h>

using namespace qal;
using platform::HkeyCurrentUser;
using platform::ReadRegistryString;
using platform::WriteRegistryString;

namespace {

const QString kKey = QStringLiteral("Software\\Brenvale\\QAL");

QString Read(const char* strName)
{
    QString strValue;
    ReadRegistryString(HkeyCurrentUser, kKey, QString::fromLatin1(strName), strValue);
    return strValue;
}

void Write(const char* strName, const char* strValue)
{
    WriteRegistryString(HkeyCurrentUser, kKey, QString::fromLatin1(strName), QString::fromLatin1(strValue));
}

} // namespace

TEST(Registry, StatusTextsOfEveryOutcome)
{
    QString strValue = QStringLiteral("stale");
    // Nothing stored yet: the key itself is missing.
    EXPECT_EQ(ReadRegistryString(HkeyCurrentUser, kKey, QStringLiteral("Moon"), strValue),
        QStringLiteral("1 Key not found or is empty."));
    EXPECT_EQ(strValue, QString());
    EXPECT_EQ(ReadRegistryString(HkeyCurrentUser, kKey, QString(), strValue),
        QStringLiteral("1 Key not found or is empty.")); // the key is looked for first
    EXPECT_EQ(ReadRegistryString(HkeyCurrentUser, QString(), QStringLiteral("Moon"), strValue),
        QStringLiteral("1 Key not found or is empty."));

    EXPECT_EQ(WriteRegistryString(HkeyCurrentUser, kKey, QStringLiteral("Moon"), QStringLiteral("1")),
        QStringLiteral("0 New key created.  The operation completed successfully."));
    EXPECT_EQ(WriteRegistryString(HkeyCurrentUser, kKey, QStringLiteral("IPAD"), QStringLiteral("0")),
        QStringLiteral("0 Key already exists.  The operation completed successfully."));
    EXPECT_EQ(ReadRegistryString(HkeyCurrentUser, kKey, QStringLiteral("Moon"), strValue), QStringLiteral("0 OK"));
    EXPECT_EQ(strValue, QStringLiteral("1"));
    EXPECT_EQ(ReadRegistryString(HkeyCurrentUser, kKey, QStringLiteral("SGWWB"), strValue),
        QStringLiteral("3 Name not found."));
    EXPECT_EQ(ReadRegistryString(HkeyCurrentUser, kKey, QString(), strValue), QStringLiteral("2 Name not specified."));
    EXPECT_EQ(Read("IPAD"), QStringLiteral("0")); // an empty name touched nothing

    // An empty value counts as missing; a terminating zero or line end is dropped.
    Write("Language", "");
    EXPECT_EQ(ReadRegistryString(HkeyCurrentUser, kKey, QStringLiteral("Language"), strValue),
        QStringLiteral("3 Name not found."));
    WriteRegistryString(HkeyCurrentUser, kKey, QStringLiteral("Language"), QStringLiteral("DE") + QChar(0));
    EXPECT_EQ(Read("Language"), QStringLiteral("DE"));
    WriteRegistryString(HkeyCurrentUser, kKey, QStringLiteral("Language"), QStringLiteral("DE\r\n"));
    EXPECT_EQ(Read("Language"), QStringLiteral("DE"));

    // The store is the test run's own, never the user's.
    const QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brenvale"), QStringLiteral("QAL"));
    EXPECT_TRUE(store.fileName().startsWith(QDir::homePath())) << store.fileName().toStdString();
    EXPECT_TRUE(store.fileName().contains(QStringLiteral("qttest"))) << store.fileName().toStdString();
}

TEST(Registry, TZDispDefaultsFromTheComputersZone)
{
    // UTC−10:00 to UTC−2:30, both included, show North American names.
    const struct {
        int intOffsetMinutes;
        bool blnNorthAmerican;
    } cases[] = { { -300, true }, { 60, false }, { -150, true }, { -120, false }, { -600, true }, { -630, false },
        { 0, false } };
    for (const auto& c : cases) {
        test::ClearUserStore();
        platform::SetTestClock(test::DefaultTestNow(), QTimeZone(c.intOffsetMinutes * 60));
        ConfigurationSettings config;
        config.chkDisplayNATZabbr = !c.blnNorthAmerican;
        ApplyTZDispSwitch(config);
        EXPECT_EQ(config.chkDisplayNATZabbr, c.blnNorthAmerican) << c.intOffsetMinutes;
        EXPECT_EQ(Read("TZDisp"), c.blnNorthAmerican ? QStringLiteral("1") : QStringLiteral("0")) << c.intOffsetMinutes;
    }
    // A stored value wins over the zone; a malformed one becomes "1".
    Write("TZDisp", "0");
    platform::SetTestClock(test::DefaultTestNow(), QTimeZone(-300 * 60));
    ConfigurationSettings config;
    ApplyTZDispSwitch(config);
    EXPECT_FALSE(config.chkDisplayNATZabbr);
    Write("TZDisp", "maybe");
    ApplyTZDispSwitch(config);
    EXPECT_TRUE(config.chkDisplayNATZabbr);
    EXPECT_EQ(Read("TZDisp"), QStringLiteral("1"));
}

TEST(Registry, SwitchesAreReadNormalisedAndWrittenBack)
{
    ConfigurationSettings config;
    // Nothing stored: the defaults, written back at once.
    ApplyIncludeTransitingMoonSwitch(config);
    ApplyInnerPlanetAspectSwitch(config);
    ApplyWhiteBackgroundSwitch(config);
    EXPECT_TRUE(config.chkIncludeTransitingMoon);
    EXPECT_FALSE(config.chkSuppressInnerPlanetAspectDisplay);
    EXPECT_FALSE(config.chkSaveGraphicWithWhiteBackground);
    EXPECT_EQ(Read("Moon"), QStringLiteral("1"));
    EXPECT_EQ(Read("IPAD"), QStringLiteral("1")); // inner-planet aspects shown
    EXPECT_EQ(Read("SGWWB"), QStringLiteral("0"));

    // A malformed value is replaced at the next load.
    Write("Moon", "no");
    Write("SGWWB", "2");
    ApplyIncludeTransitingMoonSwitch(config);
    ApplyWhiteBackgroundSwitch(config);
    EXPECT_EQ(Read("Moon"), QStringLiteral("1"));
    EXPECT_EQ(Read("SGWWB"), QStringLiteral("0"));

    // Stored values set the boxes and the values they govern; "IPAD" is the inverse of its box.
    Write("Moon", "0");
    Write("IPAD", "0");
    Write("SGWWB", "1");
    ApplyIncludeTransitingMoonSwitch(config);
    ApplyInnerPlanetAspectSwitch(config);
    ApplyWhiteBackgroundSwitch(config);
    EXPECT_FALSE(config.chkIncludeTransitingMoon);
    EXPECT_FALSE(config.blnIncludeTransitingMoon);
    EXPECT_TRUE(config.chkSuppressInnerPlanetAspectDisplay);
    EXPECT_FALSE(config.blnShowInnerPlanetAspects);
    EXPECT_TRUE(config.chkSaveGraphicWithWhiteBackground);
    EXPECT_TRUE(config.blnSaveGraphicWithWhiteBackground);

    // Writing stores what the boxes show.
    config.chkSuppressInnerPlanetAspectDisplay = false;
    StoreInnerPlanetAspectSwitch(config);
    EXPECT_EQ(Read("IPAD"), QStringLiteral("1"));
}

TEST(Registry, TheStoredLanguage)
{
    EXPECT_EQ(ReadLanguageFromRegistry(), intLangEnglish); // nothing stored
    EXPECT_EQ(strRegistryKey, kKey);
    const struct {
        const char* strCode;
        int intLanguage;
    } cases[] = { { "DE", intLangGerman }, { "ES", intLangSpanish }, { "EN", intLangEnglish }, { "xx", intLangEnglish },
        { "de", intLangEnglish } };
    for (const auto& c : cases) {
        Write("Language", c.strCode);
        EXPECT_EQ(ReadLanguageFromRegistry(), c.intLanguage) << c.strCode;
    }
    SetInterfaceLanguage(intLangGerman);
    WriteLanguageToRegistry();
    EXPECT_EQ(Read("Language"), QStringLiteral("DE"));
    EXPECT_EQ(LanguageCode(intLangSpanish), QStringLiteral("ES"));
}

TEST(Registry, ARubbishSettingsFileIsReadAsDefaultsAndWrittenBackClean)
{
    // Values of the wrong type (a list, bytes, a variant, control characters)
    // as a damaged or hand-edited file has them.
    const QString strFile = platform::UserStoreFile(kKey);
    QDir().mkpath(QFileInfo(strFile).path());
    QFile file(strFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[General]\nTZDisp=\\x1\\0abc\nMoon=@ByteArray(\\xff\\xfe)\nIPAD=a, b, c\n"
               "SGWWB=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x12QList<int>)\nLanguage=\\u00e4\\u00f6x\n");
    file.close();
    ConfigurationSettings config;
    ApplyTZDispSwitch(config);
    ApplyIncludeTransitingMoonSwitch(config);
    ApplyInnerPlanetAspectSwitch(config);
    ApplyWhiteBackgroundSwitch(config);
    EXPECT_EQ(ReadLanguageFromRegistry(), intLangEnglish);
    EXPECT_TRUE(config.chkIncludeTransitingMoon);
    EXPECT_FALSE(config.chkSuppressInnerPlanetAspectDisplay);
    EXPECT_FALSE(config.chkSaveGraphicWithWhiteBackground);

    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    lines.sort();
    EXPECT_EQ(lines,
        (QStringList { QStringLiteral("IPAD=1"), QStringLiteral("Language=EN"), QStringLiteral("Moon=1"),
            QStringLiteral("SGWWB=0"), QStringLiteral("TZDisp=1"), QStringLiteral("[General]") }));
}

TEST(Registry, AFullDiskKeepsTheSettingsFileAndSaysSo)
{
    Write("Language", "DE");
    Write("Moon", "1");
    QFile file(platform::UserStoreFile(kKey));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray old = file.readAll();
    file.close();
    QString strStatus;
    {
        test::FileSizeLimit full(old.size() / 2);
        if (!full.Active())
            GTEST_SKIP() << "no file-size limit on this system";
        strStatus = WriteRegistryString(HkeyCurrentUser, kKey, QStringLiteral("Moon"), QStringLiteral("0"));
    }
    EXPECT_FALSE(strStatus.endsWith(QStringLiteral("The operation completed successfully."))) << strStatus.toStdString();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
}

TEST(Registry, DialogRulesOnTheConfigurationRecord)
{
    ConfigurationSettings config;
    // "Set all non-zero orbs": zero orbs stay zero, the rest take the
    // "set all" orb and are accepted at once.
    config.cboOrb[3] = 0;
    config.cboOrb[intSetAllOrbList] = 3;
    SetAllNonzeroOrbs(config);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(config.cboOrb[i], i == 3 ? 0 : 3) << i;
        EXPECT_EQ(config.intOrbIndex[i], i == 3 ? 7 : 3) << i; // kind 4 keeps its accepted orb
    }
    EXPECT_EQ(config.intOrbIndex[intSetAllOrbList], 3);

    // Cancel puts back the boxes, not the orbs.
    const ConfigurationSnapshot snapshot = TakeSnapshot(config);
    config.chkUseBoldface = false;
    config.cboPersonalOrbsProportion[1] = 4;
    config.chkSaveGraphicWithWhiteBackground = true;
    config.cboOrb[0] = 9;
    RestoreSnapshot(config, snapshot);
    EXPECT_TRUE(config.chkUseBoldface);
    EXPECT_EQ(config.cboPersonalOrbsProportion[1], 2);
    EXPECT_FALSE(config.chkSaveGraphicWithWhiteBackground);
    EXPECT_EQ(config.cboOrb[0], 9);

    // The palette cycles; a colour outside it stays.
    EXPECT_EQ(NextPaletteColor(dblColorPalette[0]), dblColorPalette[1]);
    EXPECT_EQ(NextPaletteColor(dblColorPalette[11]), dblColorPalette[0]);
    EXPECT_EQ(NextPaletteColor(0), 0);
    EXPECT_EQ(NextPaletteColor(RGBColor(1, 2, 3)), RGBColor(1, 2, 3));
}
