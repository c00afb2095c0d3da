// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// What the tests of qal-cli share: a fixture that runs a command line, an
// output that stops or loses its reader when told, and calendar files read
// back with libical.
#pragma once

#include "cli/CliCommands.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

#include <gtest/gtest.h>
#include <libical/ical.h>

#include <vector>

namespace qal::clitest {

using namespace qal::cli;

// Output that keeps each write, and stops or loses its reader after some.
class ScriptedOutput : public Output {
public:
    bool Write(const QString& strLines) override
    {
        if (strLines.isEmpty())
            return true;
        if (intWritesBeforeReaderGoes-- == 0)
            return false;
        writes << strLines;
        return true;
    }
    bool StopRequested() const override { return writes.size() >= intWritesBeforeStop; }
    void Progress(double dblYearsDone, double, long long, const char*) override { years << dblYearsDone; }
    QStringList writes;
    QList<double> years;
    int intWritesBeforeReaderGoes = -1;
    qsizetype intWritesBeforeStop = 1 << 30;
};

class Cli : public ::testing::Test {
protected:
    // Runs a command line given as one string; the output and the status.
    int Run(const QString& strLine)
    {
        out.clear();
        err.clear();
        return RunCli(strLine.split(QLatin1Char(' '), Qt::SkipEmptyParts), out, err);
    }
    // Each line of the command's --format jsonl output.
    std::vector<QJsonObject> JsonLines(const QString& strLine)
    {
        EXPECT_EQ(Run(strLine + QStringLiteral(" --format jsonl")), intExitOk) << err.toStdString();
        std::vector<QJsonObject> records;
        for (const QString& strRecord : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            records.push_back(QJsonDocument::fromJson(strRecord.toUtf8()).object());
        return records;
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

// The events of a calendar file, read back with libical: uid → summary, description, start.
struct ParsedEvent {
    QString strSummary, strDescription;
    double dblStart = 0;
    bool blnHasEnd = false;
};
inline QMap<QString, ParsedEvent> ParseCalendar(const QString& strText)
{
    QMap<QString, ParsedEvent> events;
    icalcomponent* calendar = icalparser_parse_string(strText.toUtf8().constData());
    EXPECT_NE(calendar, nullptr);
    if (!calendar)
        return events;
    EXPECT_EQ(icalcomponent_count_errors(calendar), 0);
    for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        const icaltimetype start = icalcomponent_get_dtstart(e);
        ParsedEvent event { QString::fromUtf8(icalcomponent_get_summary(e)),
            QString::fromUtf8(icalcomponent_get_description(e)),
            static_cast<double>(icaltime_as_timet(start)) / 86400.0 + 2440587.5,
            icalcomponent_get_first_property(e, ICAL_DTEND_PROPERTY) != nullptr };
        events.insert(QString::fromUtf8(icalcomponent_get_uid(e)), event);
    }
    icalcomponent_free(calendar);
    return events;
}

} // namespace qal::clitest
