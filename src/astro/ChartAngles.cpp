// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "astro/ChartAngles.h"

#include "astro/Angles.h"
#include "astro/AstroTables.h"
#include "astro/Longitudes.h"
#include "platform/Ephemeris.h"
#include "text/Texts.h"

namespace qal {
namespace {

constexpr char kLetters[intNumHouseSystems] = { 'P', 'K', 'E', 'W', 'O', 'R', 'C' };
constexpr TextId kNames[intNumHouseSystems] = { TextId::HousePlacidus, TextId::HouseKoch, TextId::HouseEqual,
    TextId::HouseWholeSign, TextId::HousePorphyry, TextId::HouseRegiomontanus, TextId::HouseCampanus };

} // namespace

char HouseSystemLetter(int intIndex)
{
    return intIndex >= 0 && intIndex < intNumHouseSystems ? kLetters[intIndex] : kLetters[0];
}

QString HouseSystemName(int intIndex)
{
    return GetText(kNames[intIndex >= 0 && intIndex < intNumHouseSystems ? intIndex : 0]);
}

int HouseSystemOfLetter(QChar chrLetter)
{
    for (int i = 0; i < intNumHouseSystems; ++i) {
        if (chrLetter.toUpper() == QLatin1Char(kLetters[i]))
            return i;
    }
    return -1;
}

ChartAngles AnglesAt(double t, double dblLatitude, double dblLongitude, int intSystem, bool blnSidereal)
{
    ChartAngles angles;
    const platform::HouseCusps houses = platform::HousesAt(t, dblLatitude, dblLongitude, HouseSystemLetter(intSystem));
    if (!houses.blnKnown)
        return angles;
    // The sidereal zodiac shifts the angles as it shifts the bodies (LongitudeAt).
    const double dblShift = blnSidereal ? SiderealOffset(YearOfJD(t)) : 0;
    angles.blnKnown = true;
    angles.intSystem = intSystem;
    angles.blnSystemHeld = houses.blnSystemHeld;
    angles.dblAscendant = NormalizeAngle(houses.dblAscendant - dblShift);
    angles.dblMidheaven = NormalizeAngle(houses.dblMidheaven - dblShift);
    for (int i = 1; i <= 12; ++i)
        angles.dblCusp[i] = NormalizeAngle(houses.dblCusp[i] - dblShift);
    return angles;
}

bool IsAngle(int intPoint)
{
    return intPoint == intAscendant || intPoint == intMidheaven;
}

QString PointName(int intPoint)
{
    if (IsAngle(intPoint))
        return GetText(intPoint == intAscendant ? TextId::Ascendant : TextId::Midheaven);
    return intPoint >= 0 && intPoint <= intMaxBodies ? strBodyName[intPoint] : QString();
}

QString PointAbbr(int intPoint)
{
    if (IsAngle(intPoint))
        return intPoint == intAscendant ? QStringLiteral("AC") : QStringLiteral("MC");
    return intPoint >= 0 && intPoint <= intMaxBodies ? strBodyAbbr[intPoint] : QString();
}

} // namespace qal
