// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Where the bodies stand: geocentric apparent ecliptic longitudes of date.
//
// Sun to Neptune come from the ephemeris, Pluto from its day table, the Moon
// from the lunar function. All angles are radians; moments are Julian days in
// Universal Time. A negative longitude is not available: −99 before and −100
// after the range of the Pluto table and the Moon (1600-01-01 .. 2099-12-31),
// any other negative value an ephemeris failure passed on unchanged (also for
// moments no ephemeris reaches, NaN and infinities included).
#pragma once

#include <functional>

namespace qal {

// Where a computation takes its longitudes from: body (1..10) and moment (UT)
// in, radians or a negative code out. The ephemeris in either zodiac is one
// source; tests hand in constructed skies.
//
// Across threads: a source is called on one thread at a time; work on
// several threads gives each thread its own copy. Copies share nothing
// unlocked: the ephemeris keeps its state for each thread, the fast source's
// cache is locked, a memoized source's copies each remember on their own.
using LongitudeSource = std::function<double(int intBody, double dblMoment)>;

// Ephemeris planet number of a body: Sun 3, Mercury 1, Venus 2, Mars .. Neptune
// unchanged; Pluto and the Moon keep their own numbers.
int EphemerisPlanetNumber(int intBody);

// Longitude of body b (1..10) at moment t, tropical, or sidereal (shifted by
// an offset that steps once a year) when blnSidereal is set.
double LongitudeAt(int b, double t, bool blnSidereal);

// The ephemeris as a longitude source in the given zodiac.
LongitudeSource EphemerisSource(bool blnSidereal);

// The same with Pluto from the ephemeris itself (to a fraction of an arc
// second, where the day table holds arc minutes), available over the same
// years as the table: for moments to the minute and for curves drawn at
// steps finer than a day, where the table's minutes show as steps.
LongitudeSource PreciseSource(bool blnSidereal);

// The same longitudes, each body and moment computed once and then
// remembered (for searches that ask the same moments many times); a copy
// starts with what was remembered so far and goes on by itself.
LongitudeSource MemoizedSource(LongitudeSource source);

// Gregorian calendar year of a moment.
int YearOfJD(double t);

// The Moon's longitude at moment t, or −99 / −100 outside 1600..2099.
double MoonLongitude(double t);

// Sidereal offset (ayanamsa) of a calendar year, radians.
double SiderealOffset(int intYear);

// True when body b, standing at dblLongitude at moment t, moves backwards:
// its longitude half an hour later (from source) is smaller by less than half
// a turn. Never true for the Sun, the Moon or a body without a position.
bool IsRetrogradeAt(const LongitudeSource& source, int b, double dblBodyLongitude, double t);

// The fastest body b's geocentric longitude moves, degrees a day, a little
// above its true maximum (1 Sun .. 9 Pluto, 10 Moon; the Moon's for others).
double MaxDailyMotion(int b);

} // namespace qal
