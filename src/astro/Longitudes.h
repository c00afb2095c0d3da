// Where the bodies stand: geocentric apparent ecliptic longitudes of date.
//
// Sun to Neptune come from the ephemeris, Pluto from its day table, the Moon
// from the lunar function. All angles are radians; moments are Julian days in
// Universal Time. A negative longitude is not available: −99 before and −100
// after the range of the Pluto table and the Moon (1600-01-01 .. 2099-12-31),
// any other negative value an ephemeris failure passed on unchanged.
#pragma once

namespace qal {

// Ephemeris planet number of a body: Sun 3, Mercury 1, Venus 2, Mars .. Neptune
// unchanged; Pluto and the Moon keep their own numbers.
int EphemerisPlanetNumber(int intBody);

// Longitude of body b (1..10) at moment t: tropical, or sidereal when the
// configuration says so (shifted by an offset that steps once a year).
double GetLongitude(int b, double t);

// The angle brought into [0, 2π).
double NormalizeAngle(double dblAngle);

// Gregorian calendar year of a moment.
int YearOfJD(double t);

// The Moon's longitude at moment t, or −99 / −100 outside 1600..2099.
double MoonLongitude(double t);

// Sidereal offset (ayanamsa) of a calendar year, radians.
double SiderealOffset(int intYear);

// True when body b, standing at dblLongitude at moment t, moves backwards:
// its longitude half an hour later is smaller by less than half a turn.
// Never true for the Sun, the Moon or a body without a position.
bool IsRetrograde(int b, double dblLongitude, double t);

} // namespace qal
