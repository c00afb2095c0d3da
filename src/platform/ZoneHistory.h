// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The history of a time zone's clock: the offsets from UTC that a zone of
// the IANA database (the system's tzdata, through QTimeZone) kept at any
// moment, with summer time, war time and every change the database knows,
// back to the local mean time it records before standard time.
//
// Moments here are whole seconds on a proleptic Gregorian count from
// 1970-01-01 00:00: in UT, or as a local clock read them.
#pragma once

#include <QString>
#include <QStringList>

namespace qal::platform {

// The zone's clock at a moment in UT.
struct ZoneOffset {
    int intSeconds = 0; // east of UTC
    QString strAbbreviation; // "CEST", "LMT", "+0530"
};

// What a local clock reading was in a zone.
struct LocalReading {
    enum class Kind {
        Once, // the reading happened once: offsets[0]
        Skipped, // the clocks jumped over it (summer time began): offsets[0] before, offsets[1] after
        Twice, // the clocks went back over it: offsets[0] the first time, offsets[1] the second
        UnknownZone, // the database has no such zone
    };
    Kind kind = Kind::UnknownZone;
    ZoneOffset offsets[2];
};

// Whether the database knows the zone ("Europe/Berlin").
bool IsKnownZone(const QString& strZoneId);

// Every zone of the database, in alphabetical order.
QStringList KnownZones();

// The zone's clock at a moment in UT; offset 0 and no abbreviation for an
// unknown zone.
ZoneOffset ZoneOffsetAt(const QString& strZoneId, long long intUtcSeconds);

// How the zone's clocks showed a local reading.
LocalReading ReadLocalClock(const QString& strZoneId, long long intLocalSeconds);

// The computer's zone as the database names it (the test clock's in tests);
// "" when it has no name there.
QString ComputerZoneId();

} // namespace qal::platform
