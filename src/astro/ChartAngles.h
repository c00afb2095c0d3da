// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The angles and the houses of a chart with a place: the Ascendant and the
// Midheaven (the Descendant and the Imum Coeli opposite them) and the
// twelve house cusps of the house system the configuration chooses, for the
// chart's moment, tropical or sidereal as the chart.
//
// The angles take part in aspects as points of their own (intAscendant,
// intMidheaven): in the report, and over time as natal points that stand
// still for the transits, as natal bodies do. Patterns stay among the bodies.
#pragma once

#include "astro/ChartState.h"

#include <QString>

namespace qal {

// The house systems the configuration offers, by list index.
constexpr int intNumHouseSystems = 7;
char HouseSystemLetter(int intIndex); // 'P', 'K', 'E', 'W', 'O', 'R', 'C'
QString HouseSystemName(int intIndex); // in the interface language
// The list index of a system's letter (any case); −1 for none.
int HouseSystemOfLetter(QChar chrLetter);

struct ChartAngles {
    bool blnKnown = false; // a place was given and the houses computed
    double dblAscendant = 0; // radians
    double dblMidheaven = 0;
    double dblCusp[13] = {}; // 1..12
    int intSystem = 0; // the list index asked for
    bool blnSystemHeld = true; // false: the system has no houses there, Porphyry's stand in
    // The longitude of intAscendant or intMidheaven.
    double PointLongitude(int intPoint) const { return intPoint == intMidheaven ? dblMidheaven : dblAscendant; }
};

// The angles and houses of a place (degrees, north and east positive) at a
// moment (UT); none when the ephemeris cannot give them.
ChartAngles AnglesAt(double t, double dblLatitude, double dblLongitude, int intSystem, bool blnSidereal);

// A body's or an angle's name, abbreviation and glyph text: the body tables
// for bodies, "Ascendant"/"AC" and "Midheaven"/"MC" for the angles (an
// angle's glyph is its abbreviation, drawn as text).
QString PointName(int intPoint);
QString PointAbbr(int intPoint);
bool IsAngle(int intPoint);

} // namespace qal
