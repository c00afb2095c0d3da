// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Loading the interface text file and expanding text markers.
#include "astro/AstroTables.h"
#include "platform/TextLibrary.h"
#include "text/Texts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include <gtest/gtest.h>

#include <utility>

using namespace qal;

namespace {

// Writes a file in a temporary folder and loads it; the program's own texts
// are loaded again afterwards.
class TextFile {
public:
    ~TextFile() { LoadProgramTexts(QStringLiteral(QAL_DATA_DIR), QStringLiteral("qal.dat")); }
    TextLoadResult Load(const QByteArray& content)
    {
        QFile file(m_dir.filePath(QStringLiteral("qal.dat")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        return LoadProgramTexts(m_dir.path(), QStringLiteral("qal.dat"));
    }
    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

const QByteArray kGoodRecord = "@1\nEN One\nDE Eins\nES Uno\n";

} // namespace

TEST(TextLibrary, LoadFailuresAreReportedWithTheirLine)
{
    struct Case {
        const char* name;
        QByteArray content;
        int intExpected;
        const char* message;
    };
    const QByteArray tooLong = "@1\nEN " + QByteArray(1025, 'x') + "\nDE a\nES b\n";
    // 125 good records fill lines 1 to 500; faults beyond line 500 must still
    // name their own kind and line.
    QByteArray manyRecords;
    for (int i = 1; i <= 125; ++i)
        manyRecords += "@" + QByteArray::number(i) + "\nEN a\nDE b\nES c\n";
    const Case cases[] = {
        { "empty file", "", -6, "File is empty." },
        { "only blanks", "  \n\n", -6, "File is empty." },
        { "only comments", "# nothing here\n", 0, "No program text was read." },
        { "German line missing", "@1\nEN One\nES Uno\n", -500, "Missing string at line 3." },
        { "record cut short at the end", "# c\n@1\nEN One\n", -500, "Missing string at line 4." },
        { "stray line", kGoodRecord + "hello\n", -500, "Missing string at line 5." },
        { "bad number", "@x\nEN a\nDE b\nES c\n", -500, "Missing string at line 1." },
        { "number out of range", "@40000\nEN a\nDE b\nES c\n", -500, "Missing string at line 1." },
        { "blank line inside a record", "@1\nEN a\n\nDE b\nES c\n", -500, "Missing string at line 3." },
        { "duplicate", kGoodRecord + "\n@1\nEN a\nDE b\nES c\n", -1500, "Duplicate in program text at line 6." },
        { "too long", tooLong, -1000, "String too long at line 2." },
        { "German line missing at line 503", manyRecords + "@200\nEN a\nES c\n", -500, "Missing string at line 503." },
        { "too long at line 1502", manyRecords + QByteArray("#\n").repeated(1000) + "@999" + tooLong.mid(2), -1000,
            "String too long at line 1502." },
        { "duplicate at line 2001", manyRecords + QByteArray("#\n").repeated(1500) + kGoodRecord, -1500,
            "Duplicate in program text at line 2001." },
        { "invalid UTF-8", "@1\nEN \xff\xfe\nDE b\nES c\n", -7, "Error reading file." },
        { "longest text", "@1\nEN " + QByteArray(1024, 'x') + "\nDE a\nES b\n", 1, "" },
        { "CR LF line ends", "@1\r\nEN One\r\nDE Eins\r\nES Uno\r\n@2\r\nEN ~\r\nDE ~\r\nES ~\r\n", 2, "" },
        { "byte-order mark", "\xEF\xBB\xBF" + kGoodRecord, 1, "" },
    };
    for (const Case& c : cases) {
        TextFile file;
        const TextLoadResult result = file.Load(c.content);
        EXPECT_EQ(result.intResult, c.intExpected) << c.name;
        EXPECT_EQ(result.strMessage.toStdString(), c.message) << c.name;
    }

    // The codes no file fault gives.
    const std::pair<int, const char*> others[] = { { -2, "Particular memory allocation error." },
        { -3, "Too much program text." }, { -4, "Text not recovered." }, { -8, "General memory allocation error." },
        { -5, "Error -5" }, { -501, "Error -501" } };
    for (const auto& [intCode, strMessage] : others)
        EXPECT_EQ(TextLoadFailureMessage(intCode, 0, {}), QString::fromLatin1(strMessage));
}

TEST(TextLibrary, TheFileIsFoundOrNamedAndItsTextsServeEachLanguage)
{
    // The path is named with one separator between the folder and the file,
    // and a folder given with its separator is found.
    const TextLoadResult result = LoadProgramTexts(QStringLiteral("/nonexistent/folder/"), QStringLiteral("qal.dat"));
    EXPECT_EQ(result.intResult, -1);
    EXPECT_EQ(
        result.strMessage, QStringLiteral("Cannot open file containing program text.\r\n/nonexistent/folder/qal.dat"));
    TextFile file;
    ASSERT_EQ(file.Load(kGoodRecord).intResult, 1);
    EXPECT_EQ(LoadProgramTexts(file.folder() + QLatin1Char('/'), QStringLiteral("qal.dat")).intResult, 1);

#ifdef Q_OS_UNIX
    // A folder, a device and a pipe in place of the text file: refused as
    // files that cannot be opened, never read (a pipe would block, a device
    // never end).
    const QDir dir(file.folder());
    ASSERT_TRUE(dir.mkdir(QStringLiteral("folder.dat")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("zero.dat"))));
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("fifo.dat"))).constData(), 0600), 0);
    for (const char* name : { "folder.dat", "zero.dat", "fifo.dat" }) {
        const TextLoadResult special = LoadProgramTexts(dir.path(), QString::fromLatin1(name));
        EXPECT_EQ(special.intResult, -1) << name;
        EXPECT_TRUE(special.strMessage.startsWith(QStringLiteral("Cannot open file containing program text."))) << name;
    }
#endif

    // The texts in each language, and the marker of a deliberately empty one.
    ASSERT_EQ(file.Load("# texts\n@7\nEN  Seven\nDE Sieben\nES Siete\n@9\nEN ~\nDE nichts\nES ~\n").intResult, 2);
    EXPECT_EQ(GetText(7), QStringLiteral(" Seven")); // a leading blank is part of the wording
    EXPECT_EQ(GetText(9), QString());
    EXPECT_EQ(GetText(8), QString()); // missing: empty, nothing reported
    SetInterfaceLanguage(intLangGerman);
    EXPECT_EQ(GetText(7), QStringLiteral("Sieben"));
    EXPECT_EQ(GetText(9), QStringLiteral("nichts"));
    SetInterfaceLanguage(intLangSpanish);
    EXPECT_EQ(GetText(7), QStringLiteral("Siete"));

    // A failed load leaves nothing loaded rather than half a table.
    EXPECT_LT(file.Load("@7\nEN a\n").intResult, 0);
    EXPECT_EQ(GetText(7), QString());
}

TEST(TextMarkers, ExpansionChainStopsAtTheFirstEmptyReplacement)
{
    // r1 is always replaced, even by nothing; r2 empty stops the chain so r3 is
    // never tried; the caret still becomes a line break.
    EXPECT_EQ(ExpandTextMarkers(QStringLiteral("[r1]-[r2]-[r3]^end"), QStringLiteral("A"), {}, QStringLiteral("C")),
        QStringLiteral("A-[r2]-[r3]\r\nend"));
    EXPECT_EQ(ExpandTextMarkers(QStringLiteral("[r1][r2][r3][r4][r5]"), {}, QStringLiteral("b"), QStringLiteral("c"),
                  QStringLiteral("d"), QStringLiteral("e")),
        QStringLiteral("bcde"));
    EXPECT_EQ(ExpandTextMarkers(QStringLiteral("[r1] [r1] [r2] [r4]"), QStringLiteral("x"), QStringLiteral("y"), {},
                  QStringLiteral("w")),
        QStringLiteral("x x y [r4]"));
    // Without markers or carets the text is returned untouched.
    EXPECT_EQ(ExpandTextMarkers(QStringLiteral("plain [x]"), QStringLiteral("A")), QStringLiteral("plain [x]"));
    EXPECT_EQ(ExpandTextMarkers(QStringLiteral("a^b^"), {}), QStringLiteral("a\r\nb\r\n"));
}
