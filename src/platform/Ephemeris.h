// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The ephemeris: apparent geocentric ecliptic longitudes of date, computed by
// the Swiss Ephemeris for a moment in Universal Time.
//
// Planet numbers are the ephemeris' own: 1 Mercury, 2 Venus, 3 Sun, 4 Mars,
// 5 Jupiter, 6 Saturn, 7 Uranus, 8 Neptune, and 9 Pluto (used only to build
// the Pluto day table). Results are radians in [0, 2π); a failure is a
// negative value. Nothing throws and nothing is printed.
#pragma once

#include <QString>

namespace qal::platform {

// Looks for data files first in strFolder (the program's folder, so a user can
// drop more files beside the program), then in the system's data folder.
// strFolder is left as the folder in use.
void SetDataFilesFolder(QString& strFolder);

// Apparent longitude of date (light-time, aberration, nutation) of a planet
// at Julian day dblJdUT (UT), radians; negative on failure. intYear, the
// calendar year of the moment, is accepted for the caller's convenience only.
double PlanetApparentLongitude(int intPlanet, double dblJdUT, int intYear = 0);

// The speed of the apparent longitude of date of a planet (1..9 as above,
// 10 the Moon) at a moment (UT), radians a day, as the ephemeris computes
// it with the position; NaN on failure.
double LongitudeSpeed(int intPlanet, double dblJdUT);

// The next solar or lunar eclipse after a moment (UT), anywhere on the
// Earth: the moment of greatest eclipse, its whole course (the Moon's shadow
// on the Earth, or the Moon in the Earth's penumbra) and its kind.
enum class EclipseType { Total, Annular, Hybrid, Partial, Penumbral };
struct Eclipse {
    bool blnFound = false;
    double dblMaximum = 0; // UT
    double dblBegin = 0;
    double dblEnd = 0;
    EclipseType type = EclipseType::Partial;
};
Eclipse NextEclipse(bool blnSolar, double dblJdUT);

// The Moon's apparent geocentric longitude of date, radians, at the moment
// 2451545.0 + dblDaysSinceJ2000 (UT); negative on failure.
double MoonPosition(double dblDaysSinceJ2000);

// The same longitude as PlanetApparentLongitude (intPlanet 1..9, 10 the
// Moon) without the nutation, and the nutation in longitude that the
// apparent longitude adds to it, radians: the first is smooth over weeks,
// the second the same for every body.
double LongitudeWithoutNutation(int intPlanet, double dblJdUT);
double NutationInLongitude(double dblJdUT);

// Whether the ephemeris' data files give planet intPlanet (1..9 as above, 10
// the Moon) at the moment, rather than its analytic theory: where they meet,
// the two differ by a fraction of an arc second.
bool FromDataFiles(int intPlanet, double dblJdUT);

// The ephemeris' ΔT (TT − UT) in days at a moment in UT, for comparisons
// with values given in Terrestrial Time.
double DeltaT(double dblJdUT);

// The houses of a place at a moment (UT): the twelve cusps and the
// Ascendant and the Midheaven, radians of tropical ecliptic longitude of
// date, in the house system of that letter ('P' Placidus, 'K' Koch, 'E'
// equal, 'W' whole sign, 'O' Porphyry, 'R' Regiomontanus, 'C' Campanus).
// Where the system has no houses (Placidus and Koch within the polar
// circles) the cusps are Porphyry's and blnSystemHeld is false; blnKnown is
// false for a moment or place out of range.
struct HouseCusps {
    double dblCusp[13] = {}; // 1..12
    double dblAscendant = 0;
    double dblMidheaven = 0;
    bool blnSystemHeld = true;
    bool blnKnown = false;
};
HouseCusps HousesAt(double dblJdUT, double dblLatitude, double dblLongitude, char chrSystem);

} // namespace qal::platform
