// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The place of a date set and the clock it kept: a zone of the IANA
// database, and (from the atlas or typed) the place itself with its
// coordinates. With a zone the date set's offset is no longer picked from
// the zone list: it is the zone's at that local moment, summer and war time
// included; where the database knows only local mean time ("LMT") for the
// date, the place's own longitude gives it (four minutes a degree, east
// ahead, to the second), not the zone's reference city's.
#pragma once

#include <QString>

namespace qal {

namespace platform {
struct AtlasCity;
}

struct DateSetPlace {
    QString strZoneId; // "Europe/Berlin"; "" none: the zone list's offset counts
    QString strName; // "Ulm"; "" for a zone alone
    QString strRegion; // "Baden-Württemberg"
    QString strCountry; // "Germany"
    bool blnHasCoordinates = false;
    double dblLatitude = 0; // degrees, north positive
    double dblLongitude = 0; // degrees, east positive

    bool HasZone() const { return !strZoneId.isEmpty(); }
    bool operator==(const DateSetPlace&) const = default;
};

DateSetPlace PlaceOfCity(const platform::AtlasCity& city);

// Which of a clock time that happened twice is meant.
enum class RepeatedTime { Ask, Earlier, Later };

// A date set's clock at a local reading (seconds from 1970-01-01 00:00 on
// the local clock, proleptic Gregorian).
struct PlaceClock {
    enum class Kind { Known, Skipped, Twice, UnknownZone };
    Kind kind = Kind::UnknownZone;
    int intOffsetSeconds = 0; // Known: east of UTC
    QString strAbbreviation; // Known: "CEST", "LMT"
    bool blnLocalMeanTime = false; // the place's own mean time
    // Skipped: before and after the jump; Twice: the first and the second time.
    int intOffsets[2] = { 0, 0 };
    QString strAbbreviations[2];
};
PlaceClock ReadPlaceClock(const DateSetPlace& place, long long intLocalSeconds, RepeatedTime which);

// An offset as the zone list's own entry shows it: "GMT+2:00 CEST",
// "GMT+0:39:58 LMT", "GMT" (an abbreviation that only repeats the offset,
// "+0530" or "GMT", is left out).
QString ZoneEntryText(int intOffsetSeconds, const QString& strAbbreviation);

// "GMT+2:00", "GMT-4:56:02", "GMT".
QString GmtOffsetText(int intOffsetSeconds);

} // namespace qal
