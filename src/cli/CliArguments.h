// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The command line of qal-cli: commands, moments, zones and options, read
// into one set of options or refused with a message that says why. Which
// options there are, what follows each and which commands take it is
// declared in CliOptionTable; options may stand anywhere after the command,
// and --lang, --quiet, --help and --version before it too.
//
// Dates are ISO 8601, "1990-06-15" or "1990-06-15T12:00"; times may carry
// seconds; zones are "Z", "UTC", offsets such as "+05:45" or "-3", the zone
// list's own texts ("GMT+1:00", "EST"), or zones of the database
// ("Europe/Berlin"), whose clock at that local moment counts; a place from
// the atlas or by its coordinates may stand for a zone.
#pragma once

#include "cli/CliOptionTable.h"
#include "dates/BirthPlace.h"
#include "platform/Calendar.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace qal::cli {

enum class Format { Text, Csv, Json, Jsonl, Ics };

// A moment given on the command line: UT and the zone it was given in.
struct Moment {
    double dblJD = 0;
    int intZoneMinutes = 0; // the offset it was read with, to the minute (for its texts)
    int intOffsetSeconds = 0; // the same to the second (a place's mean time)
    QString strZoneName; // "Europe/Berlin", or the offset as given ("+01:00", "UTC")
    QString strAbbreviation; // "CEST", "LMT"; "" for an offset
    DateSetPlace place; // with a zone of the database: that zone, and the place when one was given
    bool blnJulian = false; // its date was given in the Julian calendar
};

struct Options {
    Command command = Command::Help;
    QString strHelpTopic; // the command whose help was asked for ("" general)
    Moment udtMoment; // chart: its moment; aspects and find: the start
    std::optional<Moment> udtNatal; // a birth chart: personal transits to it
    std::optional<Moment> udtUntil; // aspects, events, timemap: the end; find: --until
    int intZoneMinutes = 0; // the zone moments are written in
    QString strZoneId; // that zone by its name in the database ("" for an offset): its offset at each moment
    RepeatedTime repeated = RepeatedTime::Ask; // --earlier, --later
    QString strPlacesQuery; // places: what to look for
    bool blnSidereal = false;
    int intHouseSystem = 0; // astro/ChartAngles.h: 0 Placidus
    std::optional<std::array<int, 7>> orbs; // whole degrees of the seven kinds
    Format format = Format::Text;
    int intLanguage = 0; // intLangEnglish
    int intPattern = -1; // find: the pattern kind
    int intAtLeast = 1; // find: how many occurrences at least
    double dblStepDays = 1; // find: the step between charts
    int intResults = 1; // find: how many findings; places: how many cities (20 unless given)
    bool blnIcsStretches = false; // aspects as a calendar: the stretches within orb too
    bool blnWithEvents = false; // aspects: the sky's events among them
    unsigned intSkyEvents = ~0u; // events: the kinds asked for (chart/SkyEvents.h)
    bool blnQuiet = false; // no progress line
    // timemap: the picture file (its extension names the type: .svg, .pdf,
    // .png), its width, the Moon's rows, only Jupiter to Pluto moving, white.
    QString strOutput;
    int intWidth = 1400;
    bool blnMovingMoon = false;
    bool blnSlowOnly = false;
    bool blnWhite = false;
};

// Reads the arguments after the program's name; "" when they are good,
// otherwise a message for the user (the program then ends with status 2).
// Arguments are quoted in messages by their first few dozen characters.
QString ParseCommandLine(const QStringList& args, Options& o);

// The arguments as the system handed them over (argv after the program's
// name), as text; "" when they are good, otherwise why not: an argument that
// is not text in the system's encoding (a file name of other bytes) would
// name another file, so it is refused.
QString ArgumentsFromSystem(int argc, const char* const argv[], QStringList& args);

// A zone as minutes east of UTC; false when the text names none.
bool ParseZone(const QString& strZone, int& intMinutes);

// A date "YYYY-MM-DD", optionally with "THH:MM[:SS]", in years 1 to 2799 of
// the calendar given (the time as seconds of the day).
bool ParseDate(const QString& strDate, int& y, int& m, int& d, std::optional<int>& intSecondOfDay,
    int intCalendar = platform::kGregorian);

// A time "HH:MM" (or "H:MM"), optionally with ":SS", as seconds of the day.
bool ParseTime(const QString& strTime, int& intSecondOfDay);

// The offset in minutes east of UTC of the zone moments are written in, at
// moment t (a zone of the database changes it with summer time).
int ZoneMinutesAt(const Options& o, double t);

// A step such as "30m", "6h", "1d" or "7d", in days.
bool ParseStep(const QString& strStep, double& dblDays);

// A pattern kind from its name in English or German, any case, with blanks
// or hyphens ("grand-trine", "T-Square", "Drachen"); −1 when none.
int PatternKindFromName(const QString& strName);

} // namespace qal::cli
