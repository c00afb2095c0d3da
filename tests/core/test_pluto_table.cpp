// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The Pluto day table: its encoding, interpolation, range and accuracy.
#include "TestSupport.h"
#include "astro/AstroTables.h"
#include "astro/Longitudes.h"
#include "astro/PlutoTable.h"
#include "chart/CurrentChart.h"
#include "platform/Ephemeris.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include <gtest/gtest.h>

#include <cmath>

using namespace qal;

namespace {

// The table the build made, which every test starts with.
QString InstalledTable()
{
    return test::DataFolder() + QStringLiteral("/pluto.slx");
}

constexpr double kArcMinute = dblTwoPi / 360.0 / 60.0;

// The rest of a complete table after intUsed entries: every day at 0°0'.
QByteArray Padding(int intUsed)
{
    QByteArray content;
    for (int k = intUsed; k < intPlutoTableEntries; ++k)
        content += EncodePlutoEntry(k, 0, 0).toLatin1() + "\n";
    return content;
}

// Loads a table made of the given content from a temporary folder (made
// without content, the test puts the file in place itself: a pipe, a
// link...); the program's own table is loaded again afterwards.
struct SmallTable {
    SmallTable() = default;
    explicit SmallTable(const QByteArray& content)
    {
        QFile file(path());
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        Load();
    }
    ~SmallTable() { LoadPlutoTable(InstalledTable(), strError); }
    void Load() { blnLoaded = LoadPlutoTable(path(), strError); }
    QString path() const { return dir.filePath(QStringLiteral("pluto.slx")); }

    QTemporaryDir dir;
    QString strError;
    bool blnLoaded = false;
};

} // namespace

TEST(PlutoTable, EntriesDecodeWithTheirDayShiftAndInterpolate)
{
    // Character codes 60, 89, 90 at entry 0: 60·2 + 30 + 30/60; at entry 1 the
    // first code carries one more of shift: 60·1 + 30 + 0.5. Entry 55 decodes
    // like entry 0 again.
    {
        SmallTable table(QByteArray("<YZ\n<YZ\n") + Padding(2));
        ASSERT_TRUE(table.blnLoaded) << table.strError.toStdString();
        EXPECT_DOUBLE_EQ(PlutoTableValue(0), 150.5);
        EXPECT_DOUBLE_EQ(PlutoTableValue(1), 90.5);
    }
    {
        QByteArray shifted;
        for (int k = 0; k <= 55; ++k)
            shifted += EncodePlutoEntry(k, 150, 30).toLatin1() + "\n";
        EXPECT_EQ(shifted.left(3), QByteArray("<YZ"));
        EXPECT_EQ(shifted.mid(55 * 4, 3), QByteArray("<YZ")); // entry 55 is written like entry 0
        SmallTable table(shifted + Padding(56));
        ASSERT_TRUE(table.blnLoaded);
        EXPECT_DOUBLE_EQ(PlutoTableValue(55), 150.5);
        EXPECT_DOUBLE_EQ(PlutoTableValue(54), 150.5);
    }
    // 359°30', 0°18' and 10°0' on CR LF lines: interpolated across 0° and within the day.
    const auto line = [](int k, int d, int m) -> QByteArray { return EncodePlutoEntry(k, d, m).toLatin1() + "\r\n"; };
    SmallTable table(line(0, 359, 30) + line(1, 0, 18) + line(2, 10, 0) + Padding(3));
    ASSERT_TRUE(table.blnLoaded);
    const double dblDay0 = 2305447.5; // 0h UT of 1600-01-01
    EXPECT_NEAR(RadToDeg(PlutoLongitude(dblDay0 + 0.5)), 359.9, 1e-9);
    EXPECT_NEAR(RadToDeg(PlutoLongitude(dblDay0)), 359.5, 1e-9); // f = 0: that day's value
    EXPECT_NEAR(RadToDeg(PlutoLongitude(dblDay0 + 1.25)), 0.3 + 0.25 * 9.7, 1e-9);
    EXPECT_EQ(PlutoLongitude(dblDay0 - 0.01), -99.0);
}

TEST(PlutoTable, BadFilesAreRefusedAndTheLoadedTableStays)
{
    const double dblBefore = PlutoTableValue(1000);
    const auto refused = [&](const QByteArray& content) {
        SmallTable table(content);
        EXPECT_FALSE(table.blnLoaded);
        EXPECT_EQ(PlutoTableValue(1000), dblBefore);
        return table.strError;
    };
    EXPECT_TRUE(refused("<YZ\nabcd\n").contains(QStringLiteral("2")));
    EXPECT_FALSE(refused(" \n\n").isEmpty());
    // A malformed line is quoted only as a short, printable excerpt.
    const QString strLong = refused(QByteArray("<YZ\n") + QByteArray(1'000'000, 'x') + QByteArray("\x01\xff\n"));
    EXPECT_LT(strLong.size(), 60) << strLong.toStdString();
    EXPECT_TRUE(strLong.startsWith(QStringLiteral("Invalid entry 2 (\"xxxxxxxxxxxx\u2026\")")))
        << strLong.toStdString();
    EXPECT_EQ(refused("\x01\x02\x03\x04\n"), QStringLiteral("Invalid entry 1 (\"????\")."));
    // Larger than any table: refused before it is taken apart.
    EXPECT_TRUE(refused(QByteArray(intMaxPlutoFileBytes + 1, '\n')).contains(QStringLiteral("larger than")));

    // A table cut short (at a line end, so every entry it holds is good) is a
    // damaged install, not a valid one; a byte-order mark is no fault.
    QFile full(InstalledTable());
    ASSERT_TRUE(full.open(QIODevice::ReadOnly));
    const QByteArray whole = full.readAll();
    for (int intKept : { intPlutoTableEntries / 2, intPlutoTableEntries - 1000, intPlutoTableEntries - 1 }) {
        qsizetype intCut = 0;
        for (int k = 0; k < intKept; ++k)
            intCut = whole.indexOf('\n', intCut) + 1;
        EXPECT_EQ(refused(whole.left(intCut)),
            QStringLiteral("The file holds %1 of the 182623 entries needed; it is incomplete.").arg(intKept));
    }
    EXPECT_TRUE(SmallTable(QByteArray("\xEF\xBB\xBF") + whole).blnLoaded);

#ifdef Q_OS_UNIX
    // A pipe would block the reading, a device never end: both are refused
    // at once, as is a folder.
    for (const char* kind : { "fifo", "zero", "folder" }) {
        SmallTable table;
        const QString strPath = table.path();
        if (qstrcmp(kind, "fifo") == 0)
            ASSERT_EQ(mkfifo(QFile::encodeName(strPath).constData(), 0600), 0);
        else if (qstrcmp(kind, "zero") == 0)
            ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), strPath));
        else
            ASSERT_TRUE(QDir().mkpath(strPath));
        table.Load();
        EXPECT_FALSE(table.blnLoaded) << kind;
        EXPECT_EQ(table.strError, QStringLiteral("This is not an ordinary file.")) << kind;
    }
#endif
    QString strError;
    EXPECT_FALSE(LoadPlutoTable(QStringLiteral("/nonexistent/pluto.slx"), strError));
    EXPECT_FALSE(strError.isEmpty());
    EXPECT_EQ(PlutoLoadFailureTitle(), QStringLiteral("Read Pluto Data"));
    EXPECT_EQ(PlutoLoadFailureMessage(QStringLiteral("No such file")),
        QStringLiteral("Error when reading geocentric Pluto data.\r\nNo such file"));
}

TEST(PlutoTable, GeneratedTableIsCompleteAndMatchesTheEphemeris)
{
    ASSERT_EQ(PlutoTableSize(), intPlutoTableEntries);
    // The last day reads entries 182621 and 182622.
    EXPECT_GE(PlutoLongitude(2488069.4993), 0.0);
    EXPECT_EQ(PlutoLongitude(2488069.5), -100.0);

    // Every 97th day across the whole range: within half an arc minute at 0h
    // UT (the table's rounding), within one arc minute at any moment of the day.
    double dblWorst0h = 0, dblWorstAny = 0;
    for (int k = 0; k < intPlutoTableEntries - 1; k += 97) {
        const double t0 = 2305447.5 + k;
        const double dblEph0 = platform::PlanetApparentLongitude(9, t0);
        dblWorst0h = std::max(dblWorst0h, std::fabs(std::remainder(PlutoLongitude(t0) - dblEph0, dblTwoPi)));
        const double t = t0 + 0.37 + (k % 5) * 0.1;
        const double dblEph = platform::PlanetApparentLongitude(9, t);
        dblWorstAny = std::max(dblWorstAny, std::fabs(std::remainder(GetLongitude(9, t) - dblEph, dblTwoPi)));
    }
    EXPECT_LE(dblWorst0h, 0.5 * kArcMinute + 1e-12);
    EXPECT_LE(dblWorstAny, 1.0 * kArcMinute);
}
