// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Calendar files (iCalendar, RFC 5545) written with libical: events at a
// moment or over a stretch of time, in UTC, that calendar programs import.
// A file is its opening lines, the events one after another and its closing
// line, so that a long list can be written as it is found.
#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace qal::platform {

struct CalendarEvent {
    QString strUid; // the same for the same event, so that a newer file updates it
    QString strSummary;
    QString strDescription; // lines separated by "\n"
    double dblStart = 0; // Julian day (UT)
    std::optional<double> dblEnd; // none: an event of one moment
};

// BEGIN:VCALENDAR with the version, the product and the calendar's name.
QString CalendarBegin(const QString& strName);

// One VEVENT, stamped with the moment the file is written.
QString CalendarEventText(const CalendarEvent& udtEvent, const QDateTime& stamp);

// END:VCALENDAR.
QString CalendarEnd();

} // namespace qal::platform
