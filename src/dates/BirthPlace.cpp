// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "dates/BirthPlace.h"

#include "platform/Atlas.h"
#include "platform/ZoneHistory.h"

#include <QRegularExpression>

#include <cmath>
#include <cstdlib>

namespace qal {
namespace {

constexpr double kSecondsPerDegree = 240; // the Sun's hour angle moves a degree in four minutes

bool IsLocalMeanTime(const QString& strAbbreviation)
{
    return strAbbreviation == QLatin1String("LMT");
}

} // namespace

DateSetPlace PlaceOfCity(const platform::AtlasCity& city)
{
    DateSetPlace place;
    place.strZoneId = city.strZoneId;
    place.strName = city.strName;
    place.strRegion = city.strRegion;
    place.strCountry = city.strCountry;
    place.blnHasCoordinates = true;
    place.dblLatitude = city.dblLatitude;
    place.dblLongitude = city.dblLongitude;
    return place;
}

PlaceClock ReadPlaceClock(const DateSetPlace& place, long long intLocalSeconds, RepeatedTime which)
{
    PlaceClock clock;
    const platform::LocalReading reading = platform::ReadLocalClock(place.strZoneId, intLocalSeconds);
    using Kind = platform::LocalReading::Kind;
    if (reading.kind == Kind::UnknownZone)
        return clock;
    for (int i = 0; i < 2; ++i) {
        clock.intOffsets[i] = reading.offsets[i].intSeconds;
        clock.strAbbreviations[i] = reading.offsets[i].strAbbreviation;
    }
    if (reading.kind == Kind::Skipped) {
        clock.kind = PlaceClock::Kind::Skipped;
        return clock;
    }
    if (reading.kind == Kind::Twice && which == RepeatedTime::Ask) {
        clock.kind = PlaceClock::Kind::Twice;
        return clock;
    }
    const platform::ZoneOffset& offset
        = reading.kind == Kind::Twice && which == RepeatedTime::Later ? reading.offsets[1] : reading.offsets[0];
    clock.kind = PlaceClock::Kind::Known;
    clock.intOffsetSeconds = offset.intSeconds;
    clock.strAbbreviation = offset.strAbbreviation;
    // Before standard time the database keeps its reference city's mean
    // time; the place kept its own.
    if (IsLocalMeanTime(offset.strAbbreviation) && place.blnHasCoordinates) {
        clock.intOffsetSeconds = static_cast<int>(std::lround(place.dblLongitude * kSecondsPerDegree));
        clock.blnLocalMeanTime = true;
    }
    return clock;
}

QString GmtOffsetText(int intOffsetSeconds)
{
    if (intOffsetSeconds == 0)
        return QStringLiteral("GMT");
    const int intAbs = std::abs(intOffsetSeconds);
    QString strText = QStringLiteral("GMT") + (intOffsetSeconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        + QString::number(intAbs / 3600) + QLatin1Char(':') + QStringLiteral("%1").arg(intAbs / 60 % 60, 2, 10, QLatin1Char('0'));
    if (intAbs % 60 != 0)
        strText += QLatin1Char(':') + QStringLiteral("%1").arg(intAbs % 60, 2, 10, QLatin1Char('0'));
    return strText;
}

QString ZoneEntryText(int intOffsetSeconds, const QString& strAbbreviation)
{
    static const QRegularExpression numeric(QStringLiteral("^[+-]\\d{2,4}$"));
    const QString strOffset = GmtOffsetText(intOffsetSeconds);
    if (strAbbreviation.isEmpty() || strAbbreviation == QLatin1String("GMT") || strAbbreviation == QLatin1String("UTC")
        || numeric.match(strAbbreviation).hasMatch())
        return strOffset;
    return strOffset + QLatin1Char(' ') + strAbbreviation;
}

} // namespace qal
