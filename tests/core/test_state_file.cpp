// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Saved state files: the 51-line format to the byte, reading with its
// clamps and its end-of-file rule, faults that change nothing, and writing
// that never destroys the previous file, not even on a full disk.
#include "TestSupport.h"
#include "aspects/Orbs.h"
#include "astro/AstroTables.h"
#include "platform/DataPaths.h"
#include "settings/Configuration.h"
#include "settings/StateFile.h"
#include "text/Texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qal;

namespace {

// A state worth saving: three date sets, Natal chart 2, weekly steps and a
// configuration away from the defaults in every item the file holds.
void Sample(WindowInputs& inputs, ConfigurationSettings& config)
{
    inputs.udtDateSet[0] = test::DateSet(QStringLiteral("2018"), 3, 5, 30, 26);
    inputs.udtDateSet[1] = test::DateSet(QStringLiteral("1990"), 6, 15, 17, 24); // the third stays empty
    for (int i = 0; i < 6; ++i)
        inputs.blnMode[i] = i == 2;
    inputs.intForwardBack = 2;
    for (int i = 0; i < intNumOrbLists; ++i)
        config.cboOrb[i] = config.intOrbIndex[i] = i + 2;
    config.chkUseBoldface = false;
    config.cboBoldfaceFactor = 5;
    config.opt1DegOfOrb = false;
    config.blnSidereal = true;
    config.cboPersonalOrbsProportion[0] = 3;
    config.cboPersonalOrbsProportion[1] = 1;
    config.dblAspectColor[2] = RGBColor(0, 0, 255);
    config.chkKeepZodiac = false;
    config.cboOrbForMidpoints = 6;
    config.chkIncludeTransitingMoon = false;
}

QList<QByteArray> Lines(const QByteArray& text)
{
    QList<QByteArray> lines = text.split('\n');
    lines.removeLast();
    for (QByteArray& line : lines)
        line.chop(1); // the CR
    return lines;
}

} // namespace

TEST(StateFile, TheFormatToTheByteAndBackAgain)
{
    WindowInputs inputs;
    ConfigurationSettings config;
    Sample(inputs, config);
    const QByteArray text = StateFileText(inputs, config);
    EXPECT_TRUE(config.optVedicAstrology); // saving selects the zodiac in use

    // The same bytes on every computer: compare with the file kept in the tests.
    QFile golden(QStringLiteral(QAL_TEST_DATA_DIR "/sample-state.qal"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    EXPECT_EQ(text, golden.readAll());

    const QList<QByteArray> lines = Lines(text);
    ASSERT_EQ(lines.size(), 51);
    EXPECT_EQ(text.count("\r\n"), 51);
    EXPECT_EQ(lines[0], " 3 "); // printed integer: a blank before and after
    EXPECT_EQ(lines[2], "2018"); // printed text: unchanged
    EXPECT_EQ(lines[12], ""); // an empty year: an empty line
    EXPECT_EQ(lines[15], "#FALSE#"); // written booleans
    EXPECT_EQ(lines[29], "#TRUE#"); // sidereal
    EXPECT_EQ(lines[32], "2"); // written integers: bare digits
    EXPECT_EQ(lines[40], "65535"); // yellow, red in the low byte

    // Loading gives everything back.
    WindowInputs loaded;
    ConfigurationSettings back;
    OrbTable orbs;
    ASSERT_EQ(ReadStateText(text, loaded, back, orbs), QString());
    EXPECT_TRUE(back.optVedicAstrology); // read, not only set again by saving
    // The first two orb lists stand in the orb table until the next computation.
    EXPECT_DOUBLE_EQ(orbs.dblOrb[3][1], test::Rad(OrbListItemData(back.cboOrb[1]) / 60.0));
    // The file ends after line 51: the synastry proportion follows the personal one.
    EXPECT_EQ(back.cboPersonalOrbsProportion[0], 3);
    EXPECT_EQ(back.cboPersonalOrbsProportion[1], 3);
    // A line 52 is read when there is one (a negative one stands for 1/2).
    ASSERT_EQ(ReadStateText(text + " 4 \r\n", loaded, back, orbs), QString());
    EXPECT_EQ(back.cboPersonalOrbsProportion[1], 4);
    ASSERT_EQ(ReadStateText(text + "-1 \r\n", loaded, back, orbs), QString());
    EXPECT_EQ(back.cboPersonalOrbsProportion[1], 1);
    // Every item the file holds came back: saving again gives the same text.
    EXPECT_EQ(StateFileText(loaded, back), text);
}

TEST(StateFile, OddValuesAreClampedAndARefusedStateChangesNothing)
{
    WindowInputs saved;
    ConfigurationSettings config;
    Sample(saved, config);
    const QList<QByteArray> lines = Lines(StateFileText(saved, config));
    QList<QByteArray> odd = lines;
    odd[4] = " 60 "; // a zone beyond the list (a newer file, or a damaged one)
    odd[9] = " 30 "; // an old file's GMT+3:00 keeps its meaning
    odd[26] = "-1 "; // bold-face factor
    odd[31] = "-1 "; // personal-transit proportion
    odd[40] = "0"; // conjunction colour 0: keep the colour
    odd[48] = "-1 "; // midpoint orb
    WindowInputs oddInputs;
    ConfigurationSettings oddConfig;
    oddConfig.dblAspectColor[1] = RGBColor(1, 2, 3);
    oddConfig.chkSaveGraphicWithWhiteBackground = true;
    OrbTable oddOrbs;
    ASSERT_EQ(ReadStateText(odd.join("\r\n") + "\r\n", oddInputs, oddConfig, oddOrbs), QString());
    EXPECT_EQ(oddInputs.udtDateSet[0].intTimezone, 0);
    EXPECT_EQ(oddInputs.udtDateSet[1].intTimezone, 30);
    EXPECT_EQ(oddConfig.cboBoldfaceFactor, 2);
    EXPECT_EQ(oddConfig.cboPersonalOrbsProportion[0], 1);
    EXPECT_EQ(oddConfig.cboOrbForMidpoints, 3);
    EXPECT_EQ(oddConfig.dblAspectColor[1], RGBColor(1, 2, 3));
    EXPECT_FALSE(oddConfig.chkSaveGraphicWithWhiteBackground); // never stored, always cleared

    // Cut after line 30, or one item wrong: the reason names the line, and the
    // inputs, the configuration and the orbs stay exactly as they were.
    QList<QByteArray> wrongItem = lines;
    wrongItem[35] = "#TRUE#";
    QList<QByteArray> wrongBoolean = lines;
    wrongBoolean[16] = "yes";
    QList<QByteArray> cutColour = lines.mid(0, 41);
    cutColour[40] = "25"; // a colour cut short, and nothing after it
    const struct {
        QByteArray text;
        const char* strError;
    } cases[] = {
        { lines.mid(0, 30).join("\r\n") + "\r\n", "The file ends before line 31." },
        { wrongItem.join("\r\n") + "\r\n", "Line 36: a whole number was expected." },
        { wrongBoolean.join("\r\n") + "\r\n", "Line 17: #TRUE# or #FALSE# was expected." },
        { cutColour.join("\r\n"), "The file ends before line 42." },
        { QByteArray(), "The file ends before line 1." },
    };
    for (const auto& c : cases) {
        WindowInputs inputs;
        ConfigurationSettings loaded;
        OrbTable orbs;
        orbs.dblOrb[1][0] = 0.25;
        const QByteArray before = StateFileText(inputs, loaded);
        EXPECT_EQ(ReadStateText(c.text, inputs, loaded, orbs), QString::fromLatin1(c.strError));
        EXPECT_EQ(StateFileText(inputs, loaded), before) << c.strError;
        EXPECT_EQ(orbs.dblOrb[1][0], 0.25) << c.strError;
    }

    // In German, the reason is German.
    SetInterfaceLanguage(intLangGerman);
    EXPECT_EQ(ReadStateText(wrongItem.join("\r\n"), oddInputs, oddConfig, oddOrbs),
        QStringLiteral("Zeile 36: Eine ganze Zahl wurde erwartet."));
}

TEST(StateFile, WritingReplacesAnOldFileOnlyWhenTheNewOneIsComplete)
{
    QTemporaryDir dir;
    const QString strPath = dir.filePath(QStringLiteral("qal.usr"));
    const QStringList onlyTheFile { QStringLiteral("qal.usr") };
    ASSERT_EQ(WriteStateFile(strPath, "old\r\n"), QString());
    ASSERT_EQ(WriteStateFile(strPath, "new\r\n"), QString());
    QByteArray text;
    ASSERT_EQ(ReadStateFile(strPath, text), QString());
    EXPECT_EQ(text, QByteArray("new\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), onlyTheFile); // nothing left over

    // A save that cannot be made says why and leaves everything as it was.
    EXPECT_NE(WriteStateFile(dir.filePath(QStringLiteral("missing/folder/x.qal")), "x"), QString());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.qal")));
    EXPECT_NE(WriteStateFile(dir.filePath(QStringLiteral("taken.qal")), "x"), QString());
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("taken.qal"))).isDir());
    EXPECT_NE(ReadStateFile(dir.filePath(QStringLiteral("none.qal")), text), QString());

    // A full disk: the buffered bytes only fail when they reach the file, and
    // the save must notice that before it replaces anything.
    WindowInputs inputs;
    ConfigurationSettings config;
    {
        test::FileSizeLimit full(2);
        if (!full.Active())
            GTEST_SKIP() << "no file-size limit on this system";
        EXPECT_NE(WriteStateFile(strPath, StateFileText(inputs, config)), QString());
    }
    ASSERT_EQ(ReadStateFile(strPath, text), QString());
    EXPECT_EQ(text, QByteArray("new\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), onlyTheFile);
}

TEST(StateFile, DataFilesAreFoundBesideTheProgramOrInstalled)
{
    QTemporaryDir root;
    const QDir dir(root.path());
    ASSERT_TRUE(dir.mkpath(QStringLiteral("bin")) && dir.mkpath(QStringLiteral("share/qal")));
    QFile(dir.filePath(QStringLiteral("share/qal/qal.dat"))).open(QIODevice::WriteOnly);
    EXPECT_EQ(platform::FindDataFolder(dir.filePath(QStringLiteral("bin"))), dir.filePath(QStringLiteral("share/qal")));
    QFile(dir.filePath(QStringLiteral("bin/qal.dat"))).open(QIODevice::WriteOnly);
    EXPECT_EQ(platform::FindDataFolder(dir.filePath(QStringLiteral("bin"))), dir.filePath(QStringLiteral("bin")));
}
