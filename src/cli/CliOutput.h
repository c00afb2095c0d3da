// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Writing qal-cli's results: where they go (written as they are found, so
// that a long search streams), CSV lines that spreadsheet programs read as
// they are, moments as ISO 8601, angles as decimal degrees, and the progress
// line of a long search.
#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <utility>

namespace qal::cli {

// Where a command writes. Commands write complete lines only.
class Output {
public:
    virtual ~Output() = default;
    // Writes complete lines; false when the command should write no more:
    // nobody reads them any more (a closed pipe: the command ends quietly),
    // or the write failed (WriteFailure then says why).
    virtual bool Write(const QString& strLines) = 0;
    // Why a write failed, in the interface language; "" while every write
    // went through or only the reader went away.
    virtual QString WriteFailure() const { return {}; }
    // Whether the user asked the command to stop (Ctrl-C).
    virtual bool StopRequested() const { return false; }
    // How far a long command has come: years searched of years asked, and
    // what it found so far ("events", "findings").
    virtual void Progress(
        double /*dblYearsDone*/, double /*dblYears*/, long long /*intFound*/, const char* /*strFoundWord*/)
    {
    }
};

// Output kept in memory (for tests and the program's own windows).
class TextOutput : public Output {
public:
    bool Write(const QString& strLines) override
    {
        strText += strLines;
        return true;
    }
    QString strText;
};

// One CSV line: fields joined by commas, quoted when they hold a comma, a
// quote or a line break; "\n" at the end.
QString CsvLine(const QStringList& fields);

// "2018-03-05T14:30+01:00": a moment in the zone, to the minute.
QString IsoMoment(double dblMoment, int intZoneMinutes);

// The local day number and the clock time (seconds) of a moment (UT) at an
// offset (seconds east).
std::pair<int, int> LocalDayAndClock(double dblMoment, int intOffsetSeconds);

// "1879-03-14T10:50:02Z": a moment in UT to the second.
QString IsoUtcMoment(double dblMoment);

// Radians as degrees with four decimals: "344.9194".
QString Degrees(double dblRadians);

// The output's line breaks: "\n" for every "\r\n" of the program's texts.
QString PlainLines(QString strText);

// A JSON object on one line, without a line break.
QString JsonLine(const QJsonObject& object);

// A JSON document written as it is found: the opening with the fields and the
// list's name, the items one a line, and the closing.
QString JsonListOpening(const QJsonObject& fields, const QString& strList);
QString JsonListItem(const QJsonObject& item, bool blnFirst);
QString JsonListClosing();

// The progress line of a long search, at most intWidth characters:
// "[#####-----]  37 of 100 years  12345 events  2:05 left".
QString ProgressLine(double dblYearsDone, double dblYears, long long intFound, const char* strFoundWord,
    double dblSeconds, int intWidth);

} // namespace qal::cli
