// The Pluto day table: its encoding, interpolation, range and accuracy.
#include "astro/AstroTables.h"
#include "astro/Longitudes.h"
#include "astro/PlutoTable.h"
#include "platform/Ephemeris.h"
#include "test_support.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

using namespace qal;

namespace {

constexpr double kArcMinute = dblTwoPi / 360.0 / 60.0;

// Loads a table made of the given entries from a temporary folder.
class SmallTable {
public:
    explicit SmallTable(const QByteArray& content)
    {
        QFile file(m_dir.filePath(QStringLiteral("pluto.slx")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        m_strSaved = strDataFolder;
        strDataFolder = m_dir.path() + QLatin1Char('/');
        m_blnLoaded = LoadPlutoTable(QStringLiteral("pluto.slx"), m_strError);
    }
    ~SmallTable()
    {
        strDataFolder = m_strSaved;
        QString strError;
        LoadPlutoTable(QStringLiteral("pluto.slx"), strError);
    }
    bool loaded() const { return m_blnLoaded; }
    const QString& error() const { return m_strError; }

private:
    QTemporaryDir m_dir;
    QString m_strSaved;
    QString m_strError;
    bool m_blnLoaded = false;
};

QByteArray Entries(std::initializer_list<std::pair<int, double>> degrees)
{
    QByteArray content;
    int k = 0;
    for (const auto& [intK, dblDeg] : degrees) {
        EXPECT_EQ(intK, k);
        const int intMinutes = static_cast<int>(std::lround(dblDeg * 60));
        content += EncodePlutoEntry(k++, intMinutes / 60, intMinutes % 60).toLatin1() + "\r\n";
    }
    return content;
}

class PlutoTable : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        test::LoadTextsAndTables();
        QString strError;
        ASSERT_TRUE(LoadPlutoTable(QStringLiteral("pluto.slx"), strError)) << strError.toStdString();
    }
};

} // namespace

TEST_F(PlutoTable, EntriesDecodeWithTheirDayShift)
{
    // Character codes 60, 89, 90 at entry 0: 60·2 + 30 + 30/60; at entry 1 the
    // first code carries one more of shift: 60·1 + 30 + 0.5. Entry 55 decodes
    // like entry 0 again.
    {
        SmallTable table(QByteArray("<YZ\n<YZ\n"));
        ASSERT_TRUE(table.loaded()) << table.error().toStdString();
        EXPECT_DOUBLE_EQ(PlutoTableValue(0), 150.5);
        EXPECT_DOUBLE_EQ(PlutoTableValue(1), 90.5);
    }
    {
        QByteArray shifted;
        for (int k = 0; k <= 55; ++k)
            shifted += EncodePlutoEntry(k, 150, 30).toLatin1() + "\n";
        EXPECT_EQ(shifted.left(3), QByteArray("<YZ"));
        EXPECT_EQ(shifted.mid(55 * 4, 3), QByteArray("<YZ")); // entry 55 is written like entry 0
        SmallTable table(shifted);
        ASSERT_TRUE(table.loaded());
        EXPECT_DOUBLE_EQ(PlutoTableValue(55), 150.5);
        EXPECT_DOUBLE_EQ(PlutoTableValue(54), 150.5);
    }
}

TEST_F(PlutoTable, InterpolatesAcrossZeroAndWithinTheDay)
{
    SmallTable table(Entries({ { 0, 359.5 }, { 1, 0.3 }, { 2, 10.0 } }));
    ASSERT_TRUE(table.loaded());
    const double dblDay0 = 2305447.5; // 0h UT of 1600-01-01
    EXPECT_NEAR(PlutoLongitude(dblDay0 + 0.5) / dblTwoPi * 360.0, 359.9, 1e-9);
    EXPECT_NEAR(PlutoLongitude(dblDay0) / dblTwoPi * 360.0, 359.5, 1e-9); // f = 0: that day's value
    EXPECT_NEAR(PlutoLongitude(dblDay0 + 1.25) / dblTwoPi * 360.0, 0.3 + 0.25 * 9.7, 1e-9);
    // A table shorter than the request answers "after the range".
    EXPECT_EQ(PlutoLongitude(dblDay0 + 2.0), -100.0);
    EXPECT_EQ(PlutoLongitude(dblDay0 - 0.01), -99.0);
}

TEST_F(PlutoTable, BadFilesAreRefusedAndTheLoadedTableStays)
{
    const double dblBefore = PlutoTableValue(1000);
    {
        SmallTable table(QByteArray("<YZ\nabcd\n"));
        EXPECT_FALSE(table.loaded());
        EXPECT_TRUE(table.error().contains(QStringLiteral("2"))) << table.error().toStdString();
        EXPECT_EQ(PlutoTableValue(1000), dblBefore);
    }
    {
        SmallTable table(QByteArray(" \n\n"));
        EXPECT_FALSE(table.loaded());
    }
    const QString strSaved = strDataFolder;
    strDataFolder = QStringLiteral("/nonexistent/");
    QString strError;
    EXPECT_FALSE(LoadPlutoTable(QStringLiteral("pluto.slx"), strError));
    EXPECT_FALSE(strError.isEmpty());
    strDataFolder = strSaved;
    EXPECT_EQ(PlutoLoadFailureTitle(), QStringLiteral("Read Pluto Data"));
    EXPECT_EQ(PlutoLoadFailureMessage(QStringLiteral("No such file")),
        QStringLiteral("Error when reading geocentric Pluto data.\r\nNo such file"));
}

TEST_F(PlutoTable, GeneratedTableIsCompleteAndMatchesTheEphemeris)
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
