// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
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

#include <utility>

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

QString Write(const char* strName, const char* strValue)
{
    return WriteRegistryString(HkeyCurrentUser, kKey, QString::fromLatin1(strName), QString::fromLatin1(strValue));
}

// The four switches as stored: "TZDisp", "Moon", "IPAD", "SGWWB".
QString StoredSwitches()
{
    return Read("TZDisp") + Read("Moon") + Read("IPAD") + Read("SGWWB");
}

void ApplyAllSwitches(ConfigurationSettings& config)
{
    ApplyTZDispSwitch(config);
    ApplyIncludeTransitingMoonSwitch(config);
    ApplyInnerPlanetAspectSwitch(config);
    ApplyWhiteBackgroundSwitch(config);
}

} // namespace

TEST(Registry, StatusTextsOfEveryOutcomeAndTheStoredLanguage)
{
    QString strValue = QStringLiteral("stale");
    const auto read = [&](const QString& strKey, const char* strName) {
        return ReadRegistryString(HkeyCurrentUser, strKey, QString::fromLatin1(strName), strValue);
    };
    const QString strNoKey = QStringLiteral("1 Key not found or is empty.");
    const QString strNoName = QStringLiteral("3 Name not found.");
    // Nothing stored yet: the key itself is missing, and it is looked for
    // before the name.
    EXPECT_EQ(read(kKey, "Moon"), strNoKey);
    EXPECT_EQ(strValue, QString());
    EXPECT_EQ(read(kKey, nullptr), strNoKey);
    EXPECT_EQ(read(QString(), "Moon"), strNoKey);

    EXPECT_EQ(Write("Moon", "1"), QStringLiteral("0 New key created.  The operation completed successfully."));
    EXPECT_EQ(Write("IPAD", "0"), QStringLiteral("0 Key already exists.  The operation completed successfully."));
    EXPECT_EQ(read(kKey, "Moon"), QStringLiteral("0 OK"));
    EXPECT_EQ(strValue, QStringLiteral("1"));
    EXPECT_EQ(read(kKey, "SGWWB"), strNoName);
    EXPECT_EQ(read(kKey, nullptr), QStringLiteral("2 Name not specified."));

    // The stored language: only the exact codes count.
    EXPECT_EQ(ReadLanguageFromRegistry(), intLangEnglish); // nothing stored
    const std::pair<const char*, int> languages[] = { { "DE", intLangGerman }, { "ES", intLangSpanish },
        { "EN", intLangEnglish }, { "xx", intLangEnglish }, { "de", intLangEnglish } };
    for (const auto& [strCode, intLanguage] : languages) {
        Write("Language", strCode);
        EXPECT_EQ(ReadLanguageFromRegistry(), intLanguage) << strCode;
    }
    SetInterfaceLanguage(intLangGerman);
    WriteLanguageToRegistry();
    EXPECT_EQ(Read("Language"), QStringLiteral("DE"));
    EXPECT_EQ(LanguageCode(intLangSpanish), QStringLiteral("ES"));

    // An empty value counts as missing; a terminating zero or line end is dropped.
    Write("Language", "");
    EXPECT_EQ(read(kKey, "Language"), strNoName);
    for (const QString& strEnd : { QString(QChar(0)), QStringLiteral("\r\n") }) {
        Write("Language", "");
        WriteRegistryString(HkeyCurrentUser, kKey, QStringLiteral("Language"), QStringLiteral("DE") + strEnd);
        EXPECT_EQ(Read("Language"), QStringLiteral("DE"));
    }

    // The store is the test run's own, never the user's.
    const QSettings store(
        QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brenvale"), QStringLiteral("QAL"));
    EXPECT_TRUE(store.fileName().startsWith(QDir::homePath())) << store.fileName().toStdString();
    EXPECT_TRUE(store.fileName().contains(QStringLiteral("qttest"))) << store.fileName().toStdString();
}

TEST(Registry, SwitchesAreReadNormalisedAndWrittenBack)
{
    // UTC−10:00 to UTC−2:30, both included, show North American names.
    // Written back at once, as the box shows it.
    const std::pair<int, const char*> zones[]
        = { { -150, "1" }, { -120, "0" }, { -600, "1" }, { -630, "0" }, { 0, "0" }, { -300, "1" } };
    ConfigurationSettings config;
    for (const auto& [intOffsetMinutes, strTZDisp] : zones) {
        test::ClearUserStore();
        platform::SetTestClock(test::DefaultTestNow(), QTimeZone(intOffsetMinutes * 60));
        ApplyTZDispSwitch(config);
        EXPECT_EQ(Read("TZDisp"), QString::fromLatin1(strTZDisp)) << intOffsetMinutes;
    }
    // Nothing stored: the defaults ("TZDisp" from the zone, still UTC−5:00;
    // inner-planet aspects shown), written back at once as the boxes show them.
    test::ClearUserStore();
    ApplyAllSwitches(config);
    EXPECT_EQ(StoredSwitches(), QStringLiteral("1110"));

    // Stored values win over the zone and set the boxes and the values they
    // govern; "IPAD" is the inverse of its box.
    Write("TZDisp", "0");
    Write("Moon", "0");
    Write("IPAD", "0");
    Write("SGWWB", "1");
    ApplyAllSwitches(config);
    EXPECT_FALSE(config.chkDisplayNATZabbr);
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

    // A malformed value is replaced at the next load: by the default, and
    // "TZDisp" by "1" in any zone.
    platform::SetTestClock(test::DefaultTestNow(), QTimeZone::utc());
    Write("TZDisp", "maybe");
    Write("Moon", "no");
    Write("SGWWB", "2");
    ApplyAllSwitches(config);
    EXPECT_EQ(StoredSwitches(), QStringLiteral("1110"));
}

TEST(Registry, ARubbishSettingsFileIsWrittenBackCleanAndAFullDiskKeepsIt)
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
    ApplyAllSwitches(config);
    EXPECT_EQ(ReadLanguageFromRegistry(), intLangEnglish);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray old = file.readAll();
    file.close();
    QStringList lines = QString::fromUtf8(old).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    lines.sort();
    EXPECT_EQ(lines.join(QLatin1Char(' ')), QStringLiteral("IPAD=1 Language=EN Moon=1 SGWWB=0 TZDisp=1 [General]"));

    // A full disk keeps that file as it is, and the status says so.
    QString strStatus;
    {
        test::FileSizeLimit full(old.size() / 2);
        if (!full.Active())
            GTEST_SKIP() << "no file-size limit on this system";
        strStatus = Write("Moon", "0");
    }
    EXPECT_FALSE(strStatus.endsWith(QStringLiteral("The operation completed successfully.")))
        << strStatus.toStdString();
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
