// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// qal-cli: reading the command line, the three commands in their formats,
// streaming, calendar files and bad input.
#include "CliTests.h"
#include "TestSupport.h"
#include "aspects/Patterns.h"
#include "util/SearchThreads.h"
#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "util/Version.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <gtest/gtest.h>
#include <libical/ical.h>

#include <cmath>
#include <utility>

using namespace qal;
using namespace qal::cli;
using namespace qal::clitest;

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
    std::optional<int> intSecond;
    EXPECT_TRUE(ParseDate(QStringLiteral("2000-02-29"), y, m, d, intSecond) && !intSecond);
    EXPECT_TRUE(ParseDate(QStringLiteral("0001-01-01T00:00"), y, m, d, intSecond) && intSecond == 0);
    EXPECT_TRUE(ParseDate(QStringLiteral("2799-12-31T23:59"), y, m, d, intSecond) && intSecond == 86340);
    EXPECT_TRUE(ParseDate(QStringLiteral("1879-03-14T11:30:20"), y, m, d, intSecond) && intSecond == 41420);
    for (const char* bad : { "1900-02-29", "2800-01-01", "0000-12-31", "2018-13-01", "2018-3-5", "2018-03-05T24:00",
             "2018-03-05 12:00", "20180305", "2018-03-05T12:00:60" })
        EXPECT_FALSE(ParseDate(QString::fromLatin1(bad), y, m, d, intSecond)) << bad;
    // The Julian calendar has its 29 February in 1900.
    EXPECT_TRUE(ParseDate(QStringLiteral("1900-02-29"), y, m, d, intSecond, platform::kJulian));

    double dblDays = 0;
    EXPECT_TRUE(ParseStep(QStringLiteral("30m"), dblDays) && std::fabs(dblDays - 30 / 1440.0) < 1e-12);
    EXPECT_TRUE(ParseStep(QStringLiteral("7d"), dblDays) && dblDays == 7);
    EXPECT_FALSE(ParseStep(QStringLiteral("0d"), dblDays));

    // Command-line names, and the program's own names of the patterns.
    const std::pair<const char*, int> patterns[] = { { "grand-trine", patGrandTrine }, { "T-Square", patTSquare },
        { "Grand trine", patGrandTrine }, { "stellium-4", patFourStellium }, { "", -1 }, { "square", -1 } };
    for (const auto& [strName, intKind] : patterns)
        EXPECT_EQ(PatternKindFromName(QString::fromLatin1(strName)), intKind) << strName;

    // The progress line: the bar, the years, the count and the time left, within the width.
    EXPECT_EQ(ProgressLine(25, 100, 1234, "events", 10, 80),
        QStringLiteral("[#########---------------------------]  25 of 100 years  1234 events  0:30 left"));
    EXPECT_EQ(ProgressLine(25, 100, 7, "findings", 0.5, 30), QStringLiteral("25 of 100 years  7 findings"));
}

TEST_F(Cli, BadInputSaysWhyAndEndsWithStatusTwo)
{
    const char* const bad[] = { "", "bogus", "chart", "chart 2018-03-05", "chart 2018-02-30 12:00 +1",
        "chart 2018-03-05 25:00 +1", "chart 2018-03-05 12:00 +15", "chart 2018-03-05 12:00 Z --orbs 1,2",
        "chart 2018-03-05 12:00 Z --orbs 16", "chart 2018-03-05 12:00 Z --format xml",
        "chart 2018-03-05 12:00 Z --lang fr", "chart 2018-03-05 12:00 Z --zone +1",
        "chart 2018-03-05 12:00 Z --natal 1970-06-01", "aspects 2018-03-01", "aspects 2018-03-02 2018-03-01",
        "find nothing 2018-01-01", "find grand-trine 2018-01-01 --step 1w", "find grand-trine 2018-01-01 --at-least 0",
        "find grand-trine 2018-01-01 --natal 1970-06-01 12:00 Z", "chart 2018-03-05 12:00 Z --until 2019-01-01",
        "chart 2018-03-05 12:00 Z --format ics", "aspects 2018-03-01 2018-03-02 --ics-stretches",
        "aspects 2018-03-01 2018-03-02 --format csv --format json" };
    for (const char* line : bad) {
        EXPECT_EQ(Run(QString::fromLatin1(line)), intExitBadInput) << line;
        EXPECT_TRUE(err.startsWith(QStringLiteral("qal-cli: "))) << line;
        EXPECT_TRUE(out.isEmpty()) << line;
    }
    // Said plainly: nothing at all shows how to start; a time taken for the
    // zone is named; a second birth chart is refused; a huge argument is
    // quoted by its beginning only.
    Run(QString());
    EXPECT_TRUE(err.contains(QStringLiteral("qal-cli chart DATE [TIME] ZONE")));
    Run(QStringLiteral("chart 2018-03-05 -01:30 Z"));
    EXPECT_TRUE(err.contains(QStringLiteral("\"Z\" was not expected after \"2018-03-05 -01:30\", which was read as "
                                            "DATE ZONE")))
        << err.toStdString();
    EXPECT_EQ(Run(QStringLiteral("chart 2018-03-05 12:00 Z --natal 1970-06-01 08:00 +1 --natal 1971-06-01 08:00 +1")),
        intExitBadInput);
    EXPECT_TRUE(err.contains(QStringLiteral("--natal: given twice")));
    EXPECT_EQ(Run(QStringLiteral("chart ") + QString(100000, QLatin1Char('9'))), intExitBadInput);
    EXPECT_LT(err.size(), 200);

    // Help for everything, with status 0; the last, the help of find, lists the patterns.
    for (const char* line : { "--help", "help", "chart --help", "aspects -h", "find --help" }) {
        EXPECT_EQ(Run(QString::fromLatin1(line)), intExitOk) << line;
        EXPECT_TRUE(out.startsWith(QStringLiteral("qal-cli"))) << line;
    }
    EXPECT_TRUE(out.contains(QStringLiteral("\n  grand-sextile\n")));
    EXPECT_EQ(Run(QStringLiteral("--version")), intExitOk);
    EXPECT_TRUE(out.startsWith(QStringLiteral("qal-cli %1\n").arg(QLatin1String(kQalVersion))));
    EXPECT_TRUE(out.contains(QStringLiteral("License AGPL-3.0-or-later: GNU Affero General Public License")));
    EXPECT_TRUE(out.contains(QStringLiteral("NO WARRANTY")));
}

TEST_F(Cli, OptionsStandAnywhereAfterTheCommandAndSomeBeforeIt)
{
    // The same request in every order gives the same output.
    const std::pair<const char*, const char*> sameRequest[] = {
        { "chart 2024-01-01 12:00 +01:00 --lang de", "--lang de chart 2024-01-01 12:00 +01:00" },
        { "chart 2018-03-05 12:00 Z --natal 1970-06-01 08:00 +1 --orbs 3",
            "chart --orbs 3 --natal 1970-06-01 08:00 +1 2018-03-05 12:00 Z" },
        { "aspects 2021-01-01 2021-01-03 --zone +1 --format csv", "aspects --format csv --zone +1 2021-01-01 2021-01-03" },
        { "find grand-trine 2024-01-01 --until 2030-01-01 --quiet", "--quiet find --until 2030-01-01 grand-trine 2024-01-01" },
    };
    for (const auto& [strOne, strOther] : sameRequest) {
        ASSERT_EQ(Run(QString::fromLatin1(strOne)), intExitOk) << strOne << err.toStdString();
        const QString strFirst = out;
        ASSERT_EQ(Run(QString::fromLatin1(strOther)), intExitOk) << strOther << err.toStdString();
        EXPECT_EQ(out, strFirst) << strOther;
    }
    EXPECT_TRUE(out.contains(QStringLiteral("Grand trine")) || out.contains(QStringLiteral("grand")));
    Run(QStringLiteral("--lang de chart 2024-01-01 12:00 +01:00"));
    EXPECT_TRUE(out.contains(QStringLiteral("Planetenstand")));
    // Before the command only what every command takes there.
    EXPECT_EQ(Run(QStringLiteral("--sidereal chart 2024-01-01 12:00 Z")), intExitBadInput);
    EXPECT_TRUE(err.contains(QStringLiteral("--sidereal comes after the command")));
    EXPECT_EQ(Run(QStringLiteral("--lang fr chart 2024-01-01 12:00 Z")), intExitBadInput);
    EXPECT_EQ(Run(QStringLiteral("chart 2024-01-01 12:00 Z --natal 1970-06-01 08:00 --orbs 3")), intExitBadInput);
    EXPECT_TRUE(err.contains(QStringLiteral("--natal: a time zone is missing"))) << err.toStdString();

    // Each command's help lists exactly the options the table gives it.
    for (const CommandSpec& command : CommandTable()) {
        Run(QLatin1String(command.strName) + QStringLiteral(" --help"));
        for (const OptionSpec& option : OptionTable()) {
            const bool blnListed = out.contains(QStringLiteral("\n  ") + QLatin1String(option.strName) + QLatin1Char(' '))
                || out.contains(QStringLiteral("\n  ") + QLatin1String(option.strName) + QLatin1Char('\n'));
            EXPECT_EQ(blnListed, (option.commands & CommandBit(command.command)) != 0)
                << command.strName << ' ' << option.strName;
        }
        for (const QString& strLine : out.split(QLatin1Char('\n')))
            EXPECT_LE(strLine.size(), 79) << strLine.toStdString();
    }

    // A birth chart outside the years the Moon and Pluto are known in says so.
    ASSERT_EQ(Run(QStringLiteral("aspects 2020-01-01 2020-01-03 --natal 1500-01-01 12:00 Z")), intExitOk);
    EXPECT_TRUE(err.contains(QStringLiteral("the birth chart lies outside 1600-01-01 to 2099-12-31")));
    ASSERT_EQ(Run(QStringLiteral("aspects 2020-01-01 2020-01-03 --natal 1990-01-01 12:00 Z")), intExitOk);
    EXPECT_EQ(err, QString());
}

TEST_F(Cli, ChartInItsFormats)
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
    // The same document on one line.
    ASSERT_EQ(Run(QStringLiteral("chart 2018-03-05 14:30 +01:00 --format jsonl")), intExitOk);
    EXPECT_EQ(out.count(QLatin1Char('\n')), 1);
    EXPECT_EQ(QJsonDocument::fromJson(out.toUtf8()).object(), chart);

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
    // One orb for all kinds: fewer aspects; every kind off: one orb of 0°.
    EXPECT_LT(Json(QStringLiteral("chart 2018-03-05 14:30 +01:00 --orbs 2"))[QStringLiteral("total")].toInt(), 17);
    ASSERT_EQ(Run(QStringLiteral("chart 2018-03-05 14:30 +01:00 --orbs 0")), intExitOk);
    EXPECT_TRUE(out.startsWith(QStringLiteral("QAL - Quick Aspect Lookup - Planetary  Orb 0°\n")));

    // Years before 1000: four digits in ISO moments, the time kept in the text.
    ASSERT_EQ(Run(QStringLiteral("chart 0099-03-01 04:25 Z")), intExitOk);
    EXPECT_TRUE(out.contains(QStringLiteral("March 1, 99, 04:25 (UTC+00:00)"))) << out.toStdString();
    EXPECT_EQ(Json(QStringLiteral("chart 0099-03-01 04:25 Z"))[QStringLiteral("charts")][0][QStringLiteral("moment")],
        QStringLiteral("0099-03-01T04:25+00:00"));
}

TEST_F(Cli, AspectCalendarToTheMinuteWithWholeStretches)
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

    // Saturn square Uranus: two stretches within orb, the first with two
    // passes, the second with one. A span that starts after the first pass
    // still counts the stretch's passes whole.
    const auto squares = [&](const QString& strSpan) {
        QStringList lines;
        const QJsonObject doc
            = Json(QStringLiteral("aspects ") + strSpan + QStringLiteral(" --zone Z --orbs 0,0,6,0,0,0,0"));
        for (const QJsonValue& e : doc[QStringLiteral("events")].toArray()) {
            if (EventLine(e).contains(QStringLiteral(" Uranus Square Saturn ")))
                lines << EventLine(e).remove(QStringLiteral(" Uranus Square Saturn"));
        }
        return lines.join(QStringLiteral(", "));
    };
    EXPECT_EQ(squares(QStringLiteral("2020-07-01 2022-07-01")),
        QStringLiteral("2020-12-25 begins 0/0, 2021-02-17 exact 1/2, 2021-06-14 exact 2/2, 2021-08-21 ends 0/0, "
                       "2021-10-27 begins 0/0, 2021-12-24 exact 1/1, 2022-02-14 ends 0/0"));
    EXPECT_EQ(squares(QStringLiteral("2021-03-01 2021-12-01")),
        QStringLiteral("2021-06-14 exact 2/2, 2021-08-21 ends 0/0, 2021-10-27 begins 0/0"));

    // JSON lines: one event a line; CSV with the same fields, the natal one included.
    ASSERT_EQ(
        Run(QStringLiteral("aspects 2018-03-01 2018-03-10 --natal 1970-06-01 08:00 +1 --format jsonl")), intExitOk);
    const QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    for (const QString& line : lines)
        EXPECT_TRUE(QJsonDocument::fromJson(line.toUtf8()).object()[QStringLiteral("natal")].toBool());
    ASSERT_EQ(Run(QStringLiteral("aspects 2018-03-01 2018-03-10 --natal 1970-06-01 08:00 +1 --format csv")), intExitOk);
    EXPECT_TRUE(out.startsWith(QStringLiteral("moment,jd_ut,event,body,aspect,other,natal,pass,passes\n")));
    EXPECT_EQ(out.count(QStringLiteral(",true,")), lines.size());
    // Text in the zone asked for; transits to a birth chart name it natal.
    ASSERT_EQ(Run(QStringLiteral("aspects 2018-03-01 2018-03-04 --zone +01:00")), intExitOk);
    EXPECT_TRUE(out.contains(QStringLiteral("2018-03-02 01:5"))) << out.toStdString();
    // Beyond the years of the Moon and Pluto: listed without them, and said so.
    ASSERT_EQ(Run(QStringLiteral("aspects 1599-12-20 1600-01-10 --orbs 0,0,0,0,0,0,5")), intExitOk);
    EXPECT_TRUE(err.contains(QStringLiteral("the Moon and Pluto are known from 1600-01-01")));
}

TEST_F(Cli, LongSpansStreamAndStopWithCompleteLines)
{
    const QStringList args
        = QStringLiteral("aspects 2020-01-01 2021-03-01 --orbs 0,0,6,0,0,0,0 --format jsonl").split(QLatin1Char(' '));
    // The first month, then a year at a time, each written as it is searched, with progress.
    ScriptedOutput all;
    ASSERT_EQ(RunCli(args, all, err), intExitOk);
    ASSERT_EQ(all.writes.size(), 3);
    ASSERT_EQ(all.years.size(), 3);
    EXPECT_NEAR(all.years.front(), 31 / 365.25, 1e-9);
    EXPECT_NEAR(all.years.back(), 425 / 365.25, 1e-9);
    // Ctrl-C after the first piece: what was written stands, in whole lines.
    ScriptedOutput stopped;
    stopped.intWritesBeforeStop = 1;
    EXPECT_EQ(RunCli(args, stopped, err), intExitStopped);
    EXPECT_EQ(stopped.writes, all.writes.mid(0, 1));
    EXPECT_TRUE(stopped.writes.back().endsWith(QLatin1Char('\n')));
    // The reader went away (a closed pipe): the command ends quietly.
    ScriptedOutput cut;
    cut.intWritesBeforeReaderGoes = 1;
    EXPECT_EQ(RunCli(args, cut, err), intExitOk);
    EXPECT_EQ(cut.writes.size(), 1);
    // --quiet: no progress.
    ScriptedOutput quiet;
    ASSERT_EQ(
        RunCli(args.mid(0, 2) + QStringList { QStringLiteral("2020-01-05"), QStringLiteral("--quiet") }, quiet, err),
        intExitOk);
    EXPECT_TRUE(quiet.years.isEmpty());
    EXPECT_FALSE(quiet.writes.isEmpty());
}

TEST_F(Cli, OneThreadOrTwoTheSameOutput)
{
    for (const char* strLine : { "aspects 2019-01-01 2023-06-01 --orbs 0,0,6,5,0,0,0 --format jsonl",
             "find grand-trine 2024-01-01 --results 12 --format jsonl",
             "find yod 1990-01-01 --at-least 2 --format csv" }) {
        QString strOutputs[2];
        for (const int intThreads : { 1, 2 }) {
            SetSearchThreads(intThreads);
            Run(QString::fromLatin1(strLine));
            strOutputs[intThreads - 1] = out;
        }
        SetSearchThreads(0);
        EXPECT_FALSE(strOutputs[0].isEmpty()) << strLine;
        EXPECT_EQ(strOutputs[0], strOutputs[1]) << strLine;
    }
}

TEST_F(Cli, FindEveryNewFormationAtItsMinute)
{
    // Three grand trines of January 2024: the second and third formed
    // together at 19:38 on the 28th, while the first still held.
    const QJsonArray findings
        = Json(QStringLiteral("find grand-trine 2024-01-01 --results 2 --zone Z"))[QStringLiteral("findings")]
              .toArray();
    ASSERT_EQ(findings.size(), 2);
    EXPECT_EQ(findings[0][QStringLiteral("moment")].toString(), QStringLiteral("2024-01-27T18:56+00:00"));
    EXPECT_EQ(findings[1][QStringLiteral("moment")].toString(), QStringLiteral("2024-01-28T19:38+00:00"));
    const QJsonArray together = findings[1][QStringLiteral("occurrences")].toArray();
    ASSERT_EQ(together.size(), 2);
    EXPECT_EQ(findings[1][QStringLiteral("count")].toInt(), 3);
    for (const QJsonValue& occurrence : together) {
        EXPECT_TRUE(occurrence[QStringLiteral("text")].toString().startsWith(QStringLiteral("Grand trine: ")));
        EXPECT_EQ(occurrence[QStringLiteral("formed")].toString(), QStringLiteral("2024-01-28T19:38+00:00"));
        EXPECT_GT(occurrence[QStringLiteral("dissolves")].toString(), QStringLiteral("2024-01-29"));
    }
    // --at-least 2: the moment the count rose to two, with both listed.
    const QJsonArray two
        = Json(QStringLiteral("find grand-trine 2024-01-01 --at-least 2 --zone Z"))[QStringLiteral("findings")]
              .toArray();
    ASSERT_EQ(two.size(), 1);
    EXPECT_EQ(two[0][QStringLiteral("moment")].toString(), QStringLiteral("2024-01-28T19:38+00:00"));
    EXPECT_EQ(two[0][QStringLiteral("occurrences")].toArray().size(), 3);

    // None in the span: said so, status 1; the machine formats stay valid.
    const QString strNone = QStringLiteral("find grand-sextile 2018-01-01 --until 2018-01-03");
    ASSERT_EQ(Run(strNone), intExitFailure);
    EXPECT_EQ(out, QStringLiteral("Grand sextile: none formed from 2018-01-01 00:00 to 2018-01-03 00:00.\n"));
    ASSERT_EQ(Run(strNone + QStringLiteral(" --format json")), intExitFailure);
    EXPECT_TRUE(QJsonDocument::fromJson(out.toUtf8())[QStringLiteral("findings")].toArray().isEmpty());
    EXPECT_TRUE(err.contains(QStringLiteral("none formed")));
}

TEST_F(Cli, CalendarFilesThatCalendarsReadAndUpdate)
{
    const QString strYear = QStringLiteral("aspects 2021-01-01 2022-01-01 --orbs 0,0,6,0,0,0,0 --lang de --format ics");
    ASSERT_EQ(Run(strYear), intExitOk);
    const QMap<QString, ParsedEvent> passes = ParseCalendar(out);
    // Lines folded at 75 octets, never inside a character; CRLF line ends.
    for (const QString& line : out.split(QStringLiteral("\r\n")))
        EXPECT_LE(line.toUtf8().size(), 75) << line.toStdString();
    EXPECT_FALSE(out.contains(QRegularExpression(QStringLiteral("[^\\r]\\n"))));

    // Saturn square Uranus in German, with its passes and its stretch described.
    QStringList summaries;
    for (const ParsedEvent& e : passes) {
        if (e.strSummary.startsWith(QStringLiteral("Uranus Quadrat Saturn")))
            summaries << e.strSummary;
    }
    summaries.sort();
    EXPECT_EQ(summaries.join(QStringLiteral(" | ")),
        QStringLiteral("Uranus Quadrat Saturn (exakt, Durchgang 1 von 1) | Uranus Quadrat Saturn (exakt, "
                       "Durchgang 1 von 2) | Uranus Quadrat Saturn (exakt, Durchgang 2 von 2)"));
    for (const ParsedEvent& e : passes) {
        EXPECT_FALSE(e.blnHasEnd);
        if (e.strSummary == QStringLiteral("Uranus Quadrat Saturn (exakt, Durchgang 2 von 2)")) {
            EXPECT_NEAR(e.dblStart, 2459379.5 + 22 / 24.0, 1.0 / 24); // 14 June 2021, about 22:02 UT
            EXPECT_TRUE(e.strDescription.contains(QStringLiteral("(2 Durchgänge)\nim Orbis vom 2020-12-25")))
                << e.strDescription.toStdString();
        }
    }

    // The same passes keep their UIDs in a second run and in a wider span; stretches come as events too.
    ASSERT_EQ(Run(strYear), intExitOk);
    EXPECT_EQ(ParseCalendar(out).keys(), passes.keys());
    ASSERT_EQ(Run(QStringLiteral("aspects 2020-07-01 2022-07-01 --orbs 0,0,6,0,0,0,0 --lang de --format ics "
                                 "--ics-stretches")),
        intExitOk);
    const QMap<QString, ParsedEvent> wider = ParseCalendar(out);
    for (const QString& strUid : passes.keys())
        EXPECT_EQ(wider.value(strUid).strSummary, passes.value(strUid).strSummary);
    int intStretches = 0;
    for (const ParsedEvent& e : wider)
        intStretches += e.strSummary.endsWith(QStringLiteral("(im Orbis)")) && e.blnHasEnd;
    EXPECT_GT(intStretches, 0);
}

} // namespace

namespace {

// Birth data on the command line: a zone of the database at that local
// moment, a place from the atlas or by its coordinates, seconds, the Julian
// calendar, a skipped and a repeated clock time, and the places command.
TEST_F(Cli, BirthDataAsAstrologersCiteIt)
{
    const auto chart = [&](const QString& strLine) {
        const QJsonObject root = Json(strLine);
        return root[QStringLiteral("charts")].toArray();
    };
    // Ulm, 14 March 1879, 11:30:20 by its own mean time (0:39:58 ahead of Greenwich).
    QJsonObject ulm = chart(QStringLiteral("chart 1879-03-14 11:30:20 --place Ulm"))[0].toObject();
    EXPECT_EQ(ulm[QStringLiteral("moment_ut")].toString(), QStringLiteral("1879-03-14T10:50:22Z"));
    EXPECT_EQ(ulm[QStringLiteral("zone")].toObject()[QStringLiteral("name")].toString(), QStringLiteral("Europe/Berlin"));
    EXPECT_EQ(ulm[QStringLiteral("zone")].toObject()[QStringLiteral("abbreviation")].toString(), QStringLiteral("LMT"));
    EXPECT_EQ(ulm[QStringLiteral("zone")].toObject()[QStringLiteral("offset_seconds")].toInt(), 2398);
    EXPECT_EQ(ulm[QStringLiteral("place")].toObject()[QStringLiteral("country")].toString(), QStringLiteral("Germany"));
    EXPECT_NEAR(ulm[QStringLiteral("place")].toObject()[QStringLiteral("longitude")].toDouble(), 9.9916, 1e-9);
    EXPECT_EQ(ulm[QStringLiteral("calendar")].toString(), QStringLiteral("gregorian"));
    // The same by its coordinates with its zone; a zone alone knows only Berlin's mean time.
    EXPECT_EQ(chart(QStringLiteral("chart 1879-03-14 11:30:20 Europe/Berlin --at 48.3984,9.9916"))[0]
                  .toObject()[QStringLiteral("moment_ut")].toString(),
        QStringLiteral("1879-03-14T10:50:22Z"));
    const QJsonObject berlin = chart(QStringLiteral("chart 1879-03-14 11:30:20 --zone Europe/Berlin"))[0].toObject();
    EXPECT_EQ(berlin[QStringLiteral("moment_ut")].toString(), QStringLiteral("1879-03-14T10:36:52Z"));
    EXPECT_FALSE(berlin.contains(QStringLiteral("place")));
    // An offset keeps its old form; the birth chart's place and calendar of its own.
    const QJsonArray two = chart(QStringLiteral(
        "chart 2018-03-05 14:30 +01:00 --natal 1752-09-02 06:00 --natal-place London --natal-julian"));
    EXPECT_EQ(two[0].toObject()[QStringLiteral("zone")].toObject()[QStringLiteral("name")].toString(), QStringLiteral("+01:00"));
    EXPECT_FALSE(two[0].toObject().contains(QStringLiteral("place")));
    EXPECT_EQ(two[1].toObject()[QStringLiteral("calendar")].toString(), QStringLiteral("julian"));
    EXPECT_EQ(two[1].toObject()[QStringLiteral("moment_ut")].toString(), QStringLiteral("1752-09-13T06:00:30Z"));
    ASSERT_EQ(Run(QStringLiteral("chart 1752-09-02 06:00 --place London --julian")), intExitOk);
    EXPECT_TRUE(out.contains(QStringLiteral("September 2, 1752 (Julian), 06:00 (Europe/London, GMT-0:00:30 LMT, London"))) << out.toStdString();
    // War time in India.
    EXPECT_EQ(chart(QStringLiteral("chart 1943-06-15 12:00 Asia/Kolkata"))[0].toObject()[QStringLiteral("moment_ut")].toString(),
        QStringLiteral("1943-06-15T05:30:00Z"));

    // Summer time began and ended in Berlin in 2021.
    EXPECT_EQ(Run(QStringLiteral("chart 2021-03-28 02:30 Europe/Berlin")), intExitBadInput);
    EXPECT_TRUE(err.contains(QStringLiteral("never happened: the clocks were put forward from GMT+1:00 CET to GMT+2:00 CEST")))
        << err.toStdString();
    EXPECT_EQ(Run(QStringLiteral("chart 2021-10-31 02:30 Europe/Berlin")), intExitBadInput);
    EXPECT_TRUE(err.contains(QStringLiteral("first at GMT+2:00 CEST, then at GMT+1:00 CET. Say which with --earlier or --later.")))
        << err.toStdString();
    EXPECT_EQ(chart(QStringLiteral("chart 2021-10-31 02:30 Europe/Berlin --earlier"))[0]
                  .toObject()[QStringLiteral("moment_ut")].toString(),
        QStringLiteral("2021-10-31T00:30:00Z"));
    EXPECT_EQ(chart(QStringLiteral("chart 2021-10-31 02:30 Europe/Berlin --later"))[0]
                  .toObject()[QStringLiteral("moment_ut")].toString(),
        QStringLiteral("2021-10-31T01:30:00Z"));

    // Refusals that say why.
    for (const char* strBad : { "chart 2018-03-05 12:00 --place Xqzzyv", "chart 2018-03-05 12:00 +01:00 --at 91,0",
             "chart 2018-03-05 12:00 +01:00 --at 48.4,9.99", "chart 2018-03-05 12:00 --place Ulm --zone UTC",
             "chart 2018-03-05 12:00 Mars/Olympus", "chart 2018-03-05 12:00 UTC --natal-place Ulm",
             "chart 2018-03-05 12:00 UTC --earlier --later", "places" }) {
        EXPECT_EQ(Run(QString::fromLatin1(strBad)), intExitBadInput) << strBad;
        EXPECT_FALSE(err.isEmpty()) << strBad;
    }

    // A zone of the database for a span: each moment at its own offset.
    ASSERT_EQ(Run(QStringLiteral("aspects 2021-03-01 2021-10-30 --zone Europe/Berlin --orbs 0,0,0,0,0,0,0 --format csv")),
        intExitOk); // no aspects: the head line only
    ASSERT_EQ(Run(QStringLiteral("find grand-trine 2021-06-01 --zone Europe/Berlin --format jsonl")), intExitOk);
    EXPECT_TRUE(out.contains(QStringLiteral("+02:00\""))) << out.toStdString(); // a summer moment in CEST

    // The places the atlas holds.
    ASSERT_EQ(Run(QStringLiteral("places Springfield, Illinois --format csv")), intExitOk);
    const QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 2);
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Springfield,Illinois,United States of America,America/Chicago,39.80")))
        << lines[1].toStdString();
    const QJsonObject places = Json(QStringLiteral("places Paris --results 2"));
    EXPECT_EQ(places[QStringLiteral("places")].toArray().size(), 2);
    EXPECT_EQ(Run(QStringLiteral("places Xqzzyv")), intExitFailure);
}

} // namespace

namespace {

// The angles and houses of a chart with a place, the aspects to them, and
// the transits to a natal chart's angles in the calendar.
TEST_F(Cli, AnglesAndHousesOfAChartWithAPlace)
{
    const QJsonObject root = Json(QStringLiteral("chart 1879-03-14 11:30 --place Ulm --houses K"));
    const QJsonObject chart = root[QStringLiteral("charts")].toArray()[0].toObject();
    const QJsonObject angles = chart[QStringLiteral("angles")].toObject();
    EXPECT_NEAR(angles[QStringLiteral("ascendant")].toDouble(), 101.6449, 1e-3);
    EXPECT_NEAR(angles[QStringLiteral("midheaven")].toDouble(), 342.8398, 1e-3);
    const QJsonObject houses = chart[QStringLiteral("houses")].toObject();
    EXPECT_EQ(houses[QStringLiteral("system")].toString(), QStringLiteral("Koch"));
    EXPECT_EQ(houses[QStringLiteral("cusps")].toArray().size(), 12);
    EXPECT_FALSE(root[QStringLiteral("angle_aspects")].toArray().isEmpty());
    // Without a place: no angles.
    EXPECT_FALSE(Json(QStringLiteral("chart 1879-03-14 11:30 +01:00"))[QStringLiteral("charts")]
                     .toArray()[0].toObject().contains(QStringLiteral("angles")));
    // Far north: Porphyry stands in, and says so.
    const QJsonObject polar = Json(QStringLiteral("chart 2020-01-01 12:00 Europe/Oslo --at 78.22,15.63"))[QStringLiteral("charts")]
                                  .toArray()[0].toObject()[QStringLiteral("houses")].toObject();
    EXPECT_FALSE(polar[QStringLiteral("system_held")].toBool());
    EXPECT_EQ(Run(QStringLiteral("chart 2020-01-01 12:00 UTC --houses X")), intExitBadInput);

    // Transits to the natal angles in the calendar, to the minute.
    ASSERT_EQ(Run(QStringLiteral("aspects 2020-01-01 2020-02-01 --natal 1879-03-14 11:30 --natal-place Ulm --orbs 0,0,6,0,0,0,0 --format csv")),
        intExitOk);
    EXPECT_TRUE(out.contains(QStringLiteral(",Square,Ascendant,true,"))) << out.left(500).toStdString();
    ASSERT_EQ(Run(QStringLiteral("aspects 2020-01-01 2020-02-01 --natal 1879-03-14 11:30 +01:00 --orbs 0,0,6,0,0,0,0 --format csv")),
        intExitOk);
    EXPECT_FALSE(out.contains(QStringLiteral("Ascendant"))); // no place, no angles
}

} // namespace
