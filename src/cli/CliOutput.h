// Writing qal-cli's results: CSV lines that spreadsheet programs read as
// they are, moments as ISO 8601, angles as decimal degrees.
#pragma once

#include <QString>
#include <QStringList>

namespace qal::cli {

// One CSV line: fields joined by commas, quoted when they hold a comma, a
// quote or a line break; "\n" at the end.
QString CsvLine(const QStringList& fields);

// "2018-03-05T14:30+01:00": a moment in the zone, to the minute.
QString IsoMoment(double dblMoment, int intZoneMinutes);

// Radians as degrees with four decimals: "344.9194".
QString Degrees(double dblRadians);

// The output's line breaks: "\n" for every "\r\n" of the program's texts.
QString PlainLines(QString strText);

} // namespace qal::cli
