// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// An aspect's stretch within orb in words and as calendar events, in the
// interface language: "Saturn square to natal Uranus", one event for each
// exact pass ("… (exact, pass 2 of 3)") and one for the stretch itself.
#pragma once

#include "chart/AspectCalendar.h"
#include "chart/Durations.h"
#include "platform/CalendarFile.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace qal {

// What besides the aspect itself tells one calendar's events from another's.
struct CalendarSource {
    std::optional<double> dblNatalMoment; // transits to this birth chart
    bool blnSidereal = false;
    int intZoneMinutes = 0; // the zone of the moments in the descriptions
};

// A UID that depends only on what the event is (strWhat) and on the chart
// and zodiac of the calendar, never on the span searched: a calendar that
// imports a newer file updates its events.
QString CalendarUid(const QString& strWhat, const CalendarSource& from);

// "Saturn square to Uranus", "Saturn square to natal Uranus".
QString AspectName(const AspectStretch& aspect);

// The orb, the exact passes, the stretch within orb and the zone of their
// moments, a line each.
QString StretchDescription(const AspectStretch& aspect, int intZoneMinutes);

// "pass 2 of 3".
QString PassText(int intPass, int intPasses);

// The event of exact pass intPass (1..) of the stretch.
platform::CalendarEvent PassEvent(const AspectStretch& aspect, int intPass, const CalendarSource& from);

// The event of the stretch within orb, from its beginning to its end (an
// edge that was not found is the nearest moment searched).
platform::CalendarEvent StretchEvent(const AspectStretch& aspect, const CalendarSource& from);

// A calendar file of the aspects of the durations window (in a Planetary or
// Personal chart, with their courses around the chart's moment): for each
// the passes and the stretch within orb; stamped with the moment it is made.
// With blnSkyEvents the sky's events too (in a Personal chart with the
// returns), from the first beginning to the last end of the aspects, at
// most a year either side of the chart's moment.
QString DurationsCalendarText(
    const std::vector<AspectStretch>& aspects, const DurationInputs& in, const QDateTime& stamp, bool blnSkyEvents = false);

} // namespace qal
