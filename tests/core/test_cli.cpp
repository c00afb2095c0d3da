// qal-cli: reading the command line, the three commands in their three
// formats, and bad input.
#include "TestSupport.h"
#include "aspects/Patterns.h"
#include "astro/PlutoTable.h"
#include "cli/CliArguments.h"
#include "cli/CliCommands.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

using namespace qal;
using namespace qal::cli;

namespace {

constexpr double kMinute = 1.0 / 1440;

// An event of the aspect calendar on one line: "2021-02-17 exact Uranus Square Saturn 1/2".
QString EventLine(const QJsonValue& e)
{
    QStringList parts { e[QStringLiteral("moment")].toString().left(10) };
    for (const char* strKey : { "event", "body", "aspect", "other" })
        parts << e[QString::fromLatin1(strKey)].toString();
    return parts.join(QLatin1Char(' '))
        + QStringLiteral(" %1/%2").arg(e[QStringLiteral("pass")].toInt()).arg(e[QStringLiteral("passes")].toInt());
}

class Cli : public ::testing::Test {
protected:
    // Runs a command line given as one string; the output and the status.
    int Run(const QString& strLine)
    {
        out.clear();
        err.clear();
        return RunCli(strLine.split(QLatin1Char(' '), Qt::SkipEmptyParts), out, err);
    }
    QJsonObject Json(const QString& strLine)
    {
        EXPECT_EQ(Run(strLine + QStringLiteral(" --format json")), intExitOk) << err.toStdString();
        QJsonParseError parse;
        const QJsonDocument doc = QJsonDocument::fromJson(out.toUtf8(), &parse);
        EXPECT_EQ(parse.error, QJsonParseError::NoError) << out.toStdString();
        return doc.object();
    }
    QString out, err;
};

TEST(CliArguments, MomentsZonesStepsAndPatterns)
{
    // Offsets in their forms, the zone list's texts and its North American names.
    const std::pair<const char*, int> zones[] = { { "Z", 0 }, { "+05:45", 345 }, { "-3:30", -210 }, { "+1", 60 },
        { "UTC+0530", 330 }, { "GMT+1:00", 60 }, { "est", -300 } };
    for (const auto& [strZone, intMinutes] : zones) {
        int z = 9999;
        EXPECT_TRUE(ParseZone(QString::fromLatin1(strZone), z) && z == intMinutes) << strZone;
    }
    int z = 0;
    for (const char* bad : { "", "+15", "+14:30", "+5:60", "Mars", "1:00", "++1" })
        EXPECT_FALSE(ParseZone(QString::fromLatin1(bad), z)) << bad;

    int y = 0, m = 0, d = 0;
    std::optional<int> intMinute;
    EXPECT_TRUE(ParseDate(QStringLiteral("2000-02-29"), y, m, d, intMinute) && !intMinute);
    EXPECT_TRUE(ParseDate(QStringLiteral("0001-01-01T00:00"), y, m, d, intMinute) && intMinute == 0);
    EXPECT_TRUE(ParseDate(QStringLiteral("2799-12-31T23:59"), y, m, d, intMinute) && intMinute == 1439);
    for (const char* bad : { "1900-02-29", "2800-01-01", "0000-12-31", "2018-13-01", "2018-3-5", "2018-03-05T24:00",
             "2018-03-05 12:00", "20180305" })
        EXPECT_FALSE(ParseDate(QString::fromLatin1(bad), y, m, d, intMinute)) << bad;

    double dblDays = 0;
    EXPECT_TRUE(ParseStep(QStringLiteral("30m"), dblDays) && std::fabs(dblDays - 30 / 1440.0) < 1e-12);
    EXPECT_TRUE(ParseStep(QStringLiteral("7d"), dblDays) && dblDays == 7);
    EXPECT_FALSE(ParseStep(QStringLiteral("0d"), dblDays));

    // Command-line names, and the program's own names of the patterns.
    const std::pair<const char*, int> patterns[] = { { "grand-trine", patGrandTrine }, { "T-Square", patTSquare },
        { "Grand trine", patGrandTrine }, { "stellium-4", patFourStellium }, { "", -1 }, { "square", -1 } };
    for (const auto& [strName, intKind] : patterns)
        EXPECT_EQ(PatternKindFromName(QString::fromLatin1(strName)), intKind) << strName;
}

TEST_F(Cli, BadInputSaysWhyAndEndsWithStatusTwo)
{
    const char* const bad[] = { "bogus", "chart", "chart 2018-03-05", "chart 2018-02-30 12:00 +1",
        "chart 2018-03-05 25:00 +1", "chart 2018-03-05 12:00 +15", "chart 2018-03-05 12:00 Z --orbs 1,2",
        "chart 2018-03-05 12:00 Z --orbs 16", "chart 2018-03-05 12:00 Z --format xml",
        "chart 2018-03-05 12:00 Z --lang fr", "chart 2018-03-05 12:00 Z --zone +1",
        "chart 2018-03-05 12:00 Z --natal 1970-06-01", "aspects 2018-03-01", "aspects 2018-03-02 2018-03-01",
        "find nothing 2018-01-01", "find grand-trine 2018-01-01 --step 1w", "find grand-trine 2018-01-01 --at-least 0",
        "find grand-trine 2018-01-01 --natal 1970-06-01 12:00 Z", "chart 2018-03-05 12:00 Z --until 2019-01-01" };
    for (const char* line : bad) {
        EXPECT_EQ(Run(QString::fromLatin1(line)), intExitBadInput) << line;
        EXPECT_TRUE(err.startsWith(QStringLiteral("qal-cli: "))) << line;
        EXPECT_TRUE(out.isEmpty()) << line;
    }
    // Help for everything, with status 0; the last, the help of find, lists the patterns.
    for (const char* line : { "--help", "help", "chart --help", "aspects -h", "find --help" }) {
        EXPECT_EQ(Run(QString::fromLatin1(line)), intExitOk) << line;
        EXPECT_TRUE(out.startsWith(QStringLiteral("qal-cli"))) << line;
    }
    EXPECT_TRUE(out.contains(QStringLiteral("\n  grand-sextile\n")));
}

TEST_F(Cli, ChartInThreeFormats)
{
    // 5 March 2018, 14:30 in GMT+1:00.
    const QJsonObject chart = Json(QStringLiteral("chart 2018-03-05 14:30 +01:00"));
    EXPECT_EQ(chart[QStringLiteral("mode")].toString(), QStringLiteral("planetary"));
    const QJsonArray charts = chart[QStringLiteral("charts")].toArray();
    ASSERT_EQ(charts.size(), 1);
    EXPECT_EQ(charts[0][QStringLiteral("moment")].toString(), QStringLiteral("2018-03-05T14:30+01:00"));
    EXPECT_DOUBLE_EQ(charts[0][QStringLiteral("jd_ut")].toDouble(), 2458183.0625);
    const QJsonArray positions = charts[0][QStringLiteral("positions")].toArray();
    ASSERT_EQ(positions.size(), 10);
    EXPECT_EQ(positions[0][QStringLiteral("position")].toString(), QStringLiteral("14Pis55"));
    EXPECT_EQ(chart[QStringLiteral("total")].toInt(), 17);
    const QJsonArray aspects = chart[QStringLiteral("aspects")].toArray();
    ASSERT_EQ(aspects.size(), 17);
    QStringList first;
    for (const char* strKey : { "body", "other", "aspect", "deviation_text", "trend" })
        first << aspects[0][QString::fromLatin1(strKey)].toString();
    EXPECT_EQ(first.join(QLatin1Char(',')), QStringLiteral("Sun,Neptune,Conjunction,0°57',separating"));

    // The same as CSV: one header, ten positions, 17 aspects, 7 counts.
    ASSERT_EQ(Run(QStringLiteral("chart 2018-03-05T14:30 GMT+1:00 --format csv")), intExitOk);
    const QStringList rows = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(rows[0],
        QStringLiteral("record,chart,body,longitude,position,retrograde,other_chart,other_body,aspect,"
                       "deviation,trend,text"));
    EXPECT_EQ(rows.filter(QRegularExpression(QStringLiteral("^position,"))).size(), 10);
    EXPECT_EQ(rows.filter(QRegularExpression(QStringLiteral("^aspect,"))).size(), 17);
    EXPECT_EQ(rows.filter(QRegularExpression(QStringLiteral("^count,"))).size(), 7);
    EXPECT_TRUE(rows.contains(QStringLiteral("aspect,sky,Sun,,,,sky,Neptune,Conjunction,0.9477,separating,0°57'")));
    for (const QString& row : rows)
        EXPECT_EQ(row.count(QLatin1Char(',')), 11) << row.toStdString(); // no field needs quoting here

    // As text, in German, with a birth chart: the transits to it.
    ASSERT_EQ(Run(QStringLiteral("chart 2018-03-05 14:30 +1 --natal 1970-06-01 08:00 +1 --lang de")), intExitOk);
    EXPECT_TRUE(out.startsWith(QStringLiteral("QAL - Quick Aspect Lookup - Persönliche Transite zu Radix 1")));
    EXPECT_TRUE(out.contains(QStringLiteral("Transit Uranus Opposition Radix Jupiter")));
    EXPECT_TRUE(out.contains(QStringLiteral("Geburt: 1.Juni 1970, 08:00 (UTC+01:00)")));

    // A sidereal chart moves the positions back by the sidereal offset, between 20° and 30° in 2018.
    const QJsonObject sidereal = Json(QStringLiteral("chart 2018-03-05 14:30 +01:00 --sidereal"));
    const QJsonValue siderealSun = sidereal[QStringLiteral("charts")][0][QStringLiteral("positions")][0];
    const double dblSun = positions[0][QStringLiteral("longitude")].toDouble();
    EXPECT_NEAR(dblSun - siderealSun[QStringLiteral("longitude")].toDouble(), 25, 5);
    // One orb for all kinds: fewer aspects.
    EXPECT_LT(Json(QStringLiteral("chart 2018-03-05 14:30 +01:00 --orbs 2"))[QStringLiteral("total")].toInt(), 17);
}

TEST_F(Cli, AspectCalendarToTheMinute)
{
    // The full Moon of 2 March 2018, 00:51 UT, published.
    const QJsonArray events
        = Json(QStringLiteral("aspects 2018-03-01 2018-03-04 --zone Z"))[QStringLiteral("events")].toArray();
    EXPECT_GT(events.size(), 20);
    int intFullMoons = 0;
    double dblLast = 0;
    for (const QJsonValue& e : events) {
        EXPECT_GE(e[QStringLiteral("jd_ut")].toDouble(), dblLast); // in time order
        dblLast = e[QStringLiteral("jd_ut")].toDouble();
        if (EventLine(e).contains(QStringLiteral(" exact Moon Opposition Sun 1/"))) {
            ++intFullMoons;
            EXPECT_NEAR(dblLast, 2458179.5 + 51 * kMinute, 2 * kMinute);
        }
    }
    EXPECT_EQ(intFullMoons, 1);

    // Saturn square Uranus over two years, searched a year at a time: the
    // stretch across the year's end (1 July 2021) is one, with both passes.
    const QJsonObject years = Json(QStringLiteral("aspects 2020-07-01 2022-07-01 --zone Z --orbs 0,0,6,0,0,0,0"));
    QStringList squares;
    for (const QJsonValue& e : years[QStringLiteral("events")].toArray()) {
        if (EventLine(e).contains(QStringLiteral(" Uranus Square Saturn ")))
            squares << EventLine(e).remove(QStringLiteral(" Uranus Square Saturn"));
    }
    EXPECT_EQ(squares.join(QStringLiteral(", ")),
        QStringLiteral("2020-12-25 begins 0/0, 2021-02-17 exact 1/2, 2021-06-14 exact 2/2, 2021-08-21 ends 0/0, "
                       "2021-10-27 begins 0/0, 2021-12-24 exact 1/1, 2022-02-14 ends 0/0"));

    // Text in the zone asked for; transits to a birth chart name it natal.
    ASSERT_EQ(Run(QStringLiteral("aspects 2018-03-01 2018-03-04 --zone +01:00")), intExitOk);
    EXPECT_TRUE(out.contains(QStringLiteral("2018-03-02 01:5"))) << out.toStdString();
    ASSERT_EQ(Run(QStringLiteral("aspects 2018-03-01 2018-03-10 --natal 1970-06-01 08:00 +1")), intExitOk);
    EXPECT_TRUE(out.contains(QStringLiteral(" natal "))) << out.toStdString();
    ASSERT_EQ(Run(QStringLiteral("aspects 2018-03-01 2018-03-04 --format csv")), intExitOk);
    EXPECT_TRUE(out.startsWith(QStringLiteral("moment,event,body,aspect,other,pass,passes\n")));
}

TEST_F(Cli, FindTheNextPatternWithItsSpan)
{
    const QJsonArray findings
        = Json(QStringLiteral("find grand-trine 2018-01-01 --results 3"))[QStringLiteral("findings")].toArray();
    ASSERT_EQ(findings.size(), 3);
    QString strLastDissolved; // of the previous finding: each finding is a new formation
    for (const QJsonValue& f : findings) {
        const QString strMoment = f[QStringLiteral("moment")].toString();
        EXPECT_GT(strMoment, strLastDissolved);
        EXPECT_GE(f[QStringLiteral("count")].toInt(), 1);
        for (const QJsonValue& occurrence : f[QStringLiteral("occurrences")].toArray()) {
            EXPECT_TRUE(occurrence[QStringLiteral("text")].toString().startsWith(QStringLiteral("Grand trine: ")));
            EXPECT_EQ(occurrence[QStringLiteral("bodies")].toArray().size(), 3);
            EXPECT_LE(occurrence[QStringLiteral("formed")].toString(), strMoment);
            EXPECT_GE(occurrence[QStringLiteral("dissolves")].toString(), strMoment);
            strLastDissolved = std::max(strLastDissolved, occurrence[QStringLiteral("dissolves")].toString());
        }
    }
    // None within the span: an empty list, status 0.
    const QString strNone = QStringLiteral("find grand-sextile 2018-01-01 --until 2018-01-03");
    EXPECT_TRUE(Json(strNone)[QStringLiteral("findings")].toArray().isEmpty());
    ASSERT_EQ(Run(strNone), intExitOk);
    EXPECT_EQ(out, QStringLiteral("Grand sextile: -\n"));
}

} // namespace
