// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The sky's events in qal-cli's formats, for the events command and for
// aspects --with-events: the search the options ask for, each event as a
// record of the data formats, as a line of text and as a calendar event.
#pragma once

#include "chart/SkyEvents.h"
#include "cli/CliArguments.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace qal {
struct CalendarSource;
}

namespace qal::cli {

// The search of the options' span, zodiac and birth chart for those kinds.
SkyEventQuery SkyEventQueryOf(const Options& o, SkyEventSet kinds);

// The CSV columns of the sky's events beyond moment, jd_ut, event and body.
QStringList SkyEventColumns();

// A record's fields in the order of the columns, as a CSV line: the Julian
// day with six decimals, a longitude with four, a missing field empty.
QString CsvRecord(const QJsonObject& record, const QStringList& columns);

// The event in the format asked for; its record's moment in strMoment.
// blnFirst tracks the first item of a JSON list.
QString SkyEventLines(const Options& o, const SkyEvent& e, const QString& strMoment, const QStringList& csvColumns,
    const CalendarSource& calendar, const QDateTime& stamp, bool& blnFirst);

} // namespace qal::cli
