// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// qal-cli events and aspects --with-events: every kind in every format,
// the calendar read back, the merge in time order, stopping and bad input.
#include "CliTests.h"
#include "TestSupport.h"
#include "cli/CliArguments.h"
#include "cli/CliCommands.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using namespace qal;
using namespace qal::cli;
using namespace qal::clitest;

namespace {

const QString kApril2024 = QStringLiteral("events 2024-04-01 2024-05-01 --natal 1970-06-15 08:00 +01:00");

TEST_F(Cli, EveryKindWithTheFieldsItNeedsInEveryFormat)
{
    const std::vector<QJsonObject> records = JsonLines(kApril2024);
    static const QRegularExpression utcSeconds(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$"));
    QSet<QString> kinds;
    double dblPrevious = 0;
    for (const QJsonObject& r : records) {
        const QString strEvent = r[QStringLiteral("event")].toString();
        kinds << strEvent;
        ASSERT_TRUE(utcSeconds.match(r[QStringLiteral("moment")].toString()).hasMatch()) << strEvent.toStdString();
        const double t = r[QStringLiteral("jd_ut")].toDouble();
        const QDateTime moment = QDateTime::fromString(r[QStringLiteral("moment")].toString(), Qt::ISODate);
        EXPECT_NEAR(moment.toSecsSinceEpoch() / 86400.0 + 2440587.5, t, 0.6 / 86400);
        EXPECT_GE(t, dblPrevious);
        dblPrevious = t;
        EXPECT_FALSE(r[QStringLiteral("body")].toString().isEmpty());
        EXPECT_TRUE(r[QStringLiteral("longitude")].isDouble());
        const QString strDirection = r[QStringLiteral("direction")].toString();
        const QString strPhase = r[QStringLiteral("phase")].toString();
        const QString strBody = r[QStringLiteral("body")].toString();
        if (strEvent == QLatin1String("ingress") || strEvent == QLatin1String("station")) {
            EXPECT_TRUE(strDirection == QLatin1String("direct") || strDirection == QLatin1String("retrograde"));
        }
        if (strEvent == QLatin1String("lunation")) {
            EXPECT_TRUE(QStringList({ QStringLiteral("new"), QStringLiteral("first-quarter"), QStringLiteral("full"),
                                        QStringLiteral("last-quarter") })
                            .contains(strPhase));
        }
        if (strEvent.startsWith(QLatin1String("void")) || strEvent == QLatin1String("eclipse")) {
            EXPECT_LT(r[QStringLiteral("begins")].toString(), r[QStringLiteral("ends")].toString());
        }
        if (strEvent == QLatin1String("return")) {
            EXPECT_TRUE(strBody == QLatin1String("Sun") || strBody == QLatin1String("Moon"));
        }
    }
    EXPECT_EQ(kinds,
        QSet<QString>({ QStringLiteral("ingress"), QStringLiteral("station"), QStringLiteral("lunation"),
            QStringLiteral("eclipse"), QStringLiteral("void-begins"), QStringLiteral("void-ends"),
            QStringLiteral("return") }));
    // Mercury turned retrograde on 1 April 2024 at 22:14 UT, the Sun was
    // eclipsed totally on 8 April at 18:17 in Aries.
    const auto find = [&](const QString& strEvent, const QString& strBody) {
        for (const QJsonObject& r : records)
            if (r[QStringLiteral("event")] == strEvent && r[QStringLiteral("body")] == strBody)
                return r;
        return QJsonObject();
    };
    const QJsonObject station = find(QStringLiteral("station"), QStringLiteral("Mercury"));
    EXPECT_TRUE(station[QStringLiteral("moment")].toString().startsWith(QStringLiteral("2024-04-01T22:1")));
    EXPECT_EQ(station[QStringLiteral("direction")], QStringLiteral("retrograde"));
    const QJsonObject eclipse = find(QStringLiteral("eclipse"), QStringLiteral("Sun"));
    EXPECT_TRUE(eclipse[QStringLiteral("moment")].toString().startsWith(QStringLiteral("2024-04-08T18:1")));
    EXPECT_EQ(eclipse[QStringLiteral("eclipse")], QStringLiteral("solar"));
    EXPECT_EQ(eclipse[QStringLiteral("kind")], QStringLiteral("total"));
    EXPECT_EQ(eclipse[QStringLiteral("sign")], QStringLiteral("Aries"));

    // The same events as a CSV table, a JSON document and lines of text.
    ASSERT_EQ(Run(kApril2024 + QStringLiteral(" --format csv")), intExitOk);
    const QStringList rows = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(rows.size(), static_cast<qsizetype>(records.size()) + 1);
    EXPECT_TRUE(rows[0].startsWith(QStringLiteral("moment,jd_ut,event,body,sign,direction,phase,eclipse,kind,longitude")));
    ASSERT_EQ(Run(kApril2024 + QStringLiteral(" --format json")), intExitOk);
    const QJsonObject document = QJsonDocument::fromJson(out.toUtf8()).object();
    EXPECT_EQ(document[QStringLiteral("command")], QStringLiteral("events"));
    EXPECT_EQ(document[QStringLiteral("events")].toArray().size(), static_cast<qsizetype>(records.size()));
    ASSERT_EQ(Run(kApril2024 + QStringLiteral(" --lang de --zone Europe/Berlin")), intExitOk);
    EXPECT_EQ(out.count(QLatin1Char('\n')), static_cast<qsizetype>(records.size()));
    EXPECT_TRUE(out.contains(QStringLiteral("2024-04-08 20:17  Sonnenfinsternis (total) im Zeichen Widder\n")) ||
                out.contains(QStringLiteral("2024-04-08 20:18  Sonnenfinsternis (total) im Zeichen Widder\n")))
        << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Merkur wird rückläufig")));

    // --kinds picks; a stop after the first piece leaves whole lines.
    for (const QJsonObject& r : JsonLines(kApril2024 + QStringLiteral(" --kinds station,eclipse"))) {
        const QString strEvent = r[QStringLiteral("event")].toString();
        EXPECT_TRUE(strEvent == QLatin1String("station") || strEvent == QLatin1String("eclipse"));
    }
    ScriptedOutput stopping;
    stopping.intWritesBeforeStop = 1;
    EXPECT_EQ(RunCli(QStringLiteral("events 2024-01-01 2025-01-01 --format jsonl").split(QLatin1Char(' ')), stopping, err),
        intExitStopped);
    ASSERT_EQ(stopping.writes.size(), 1);
    EXPECT_TRUE(stopping.writes.back().endsWith(QLatin1Char('\n')));
    EXPECT_LT(stopping.writes.back().count(QLatin1Char('\n')), 120); // a month's events, not the year's
}

TEST_F(Cli, CalendarFilesWithSpansAndUidsThatStay)
{
    ASSERT_EQ(Run(kApril2024 + QStringLiteral(" --format ics")), intExitOk);
    const auto april = ParseCalendar(out);
    int intVoid = 0, intEclipses = 0, intMoments = 0;
    for (const ParsedEvent& e : april) {
        const QString& strSummary = e.strSummary;
        const bool blnSpan = e.blnHasEnd;
        if (strSummary == QLatin1String("Moon void of course"))
            intVoid += blnSpan;
        else if (strSummary.contains(QLatin1String("eclipse")))
            intEclipses += blnSpan;
        else
            intMoments += !blnSpan;
    }
    EXPECT_GE(intVoid, 12); // one event for each stretch, from its beginning to its end
    EXPECT_EQ(intEclipses, 1);
    EXPECT_EQ(intMoments + intVoid + intEclipses, static_cast<int>(april.size()));
    EXPECT_TRUE(std::any_of(april.begin(), april.end(),
        [](const ParsedEvent& e) { return e.strSummary == QLatin1String("Solar eclipse (total) in Aries"); }));
    // A wider span keeps the UIDs of the same events.
    ASSERT_EQ(Run(QStringLiteral("events 2024-03-15 2024-05-15 --natal 1970-06-15 08:00 +01:00 --format ics")),
        intExitOk);
    const auto wider = ParseCalendar(out);
    for (const QString& strUid : april.keys())
        EXPECT_EQ(wider.value(strUid).strSummary, april.value(strUid).strSummary)
            << april.value(strUid).strSummary.toStdString();
}

TEST_F(Cli, AspectsWithTheSkysEventsInTimeOrderAndBadInput)
{
    const QString strAspects = QStringLiteral("aspects 2024-04-01 2024-04-20 --orbs 0,0,6,0,0,0,0");
    const std::vector<QJsonObject> merged = JsonLines(strAspects + QStringLiteral(" --with-events"));
    const std::vector<QJsonObject> aspects = JsonLines(strAspects);
    const std::vector<QJsonObject> events = JsonLines(QStringLiteral("events 2024-04-01 2024-04-20"));
    ASSERT_FALSE(aspects.empty());
    EXPECT_EQ(merged.size(), aspects.size() + events.size());
    for (size_t i = 1; i < merged.size(); ++i)
        EXPECT_LE(merged[i - 1][QStringLiteral("jd_ut")].toDouble(), merged[i][QStringLiteral("jd_ut")].toDouble());
    ASSERT_EQ(Run(strAspects + QStringLiteral(" --with-events --format csv")), intExitOk);
    EXPECT_EQ(out.count(QLatin1Char('\n')), static_cast<qsizetype>(merged.size()) + 1);
    EXPECT_TRUE(out.contains(QStringLiteral(",eclipse,Sun,")));

    // Before 1600 the planets' events stand, and a note names what is missing.
    ASSERT_EQ(Run(QStringLiteral("events 1599-11-01 1600-01-02 --kinds station,lunation")), intExitOk);
    EXPECT_TRUE(out.contains(QStringLiteral("Jupiter stations retrograde"))) << out.toStdString();
    EXPECT_FALSE(out.contains(QStringLiteral("moon in")));
    EXPECT_TRUE(err.contains(QStringLiteral("the Moon's events"))) << err.toStdString();

    for (const char* strBad : { "events 2024-04-01 2024-04-20 --kinds ingress,comet", "events 2024-04-01 2024-04-20 --kinds return",
             "events 2024-04-01 2024-04-20 --orbs 5", "events 2024-04-01 2024-04-20 --with-events",
             "events 2024-04-20 2024-04-01", "events 2024-04-01" }) {
        EXPECT_EQ(Run(QString::fromLatin1(strBad)), intExitBadInput) << strBad;
        EXPECT_TRUE(out.isEmpty()) << strBad;
        EXPECT_FALSE(err.isEmpty()) << strBad;
    }
}

} // namespace
