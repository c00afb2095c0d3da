// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "platform/ZoneHistory.h"

#include "platform/Clock.h"

#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <vector>

namespace qal::platform {
namespace {

constexpr long long kDaySeconds = 86400;

QDateTime UtcOf(long long intUtcSeconds)
{
    return QDateTime::fromMSecsSinceEpoch(intUtcSeconds * 1000, QTimeZone::utc());
}

ZoneOffset OffsetOf(const QTimeZone& zone, long long intUtcSeconds)
{
    const QDateTime utc = UtcOf(intUtcSeconds);
    return { zone.offsetFromUtc(utc), zone.abbreviation(utc) };
}

} // namespace

bool IsKnownZone(const QString& strZoneId)
{
    return !strZoneId.isEmpty() && QTimeZone::isTimeZoneIdAvailable(strZoneId.toUtf8());
}

QStringList KnownZones()
{
    QStringList zones;
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds())
        zones << QString::fromUtf8(id);
    zones.sort();
    return zones;
}

ZoneOffset ZoneOffsetAt(const QString& strZoneId, long long intUtcSeconds)
{
    if (!IsKnownZone(strZoneId))
        return {};
    return OffsetOf(QTimeZone(strZoneId.toUtf8()), intUtcSeconds);
}

LocalReading ReadLocalClock(const QString& strZoneId, long long intLocalSeconds)
{
    LocalReading reading;
    if (!IsKnownZone(strZoneId))
        return reading;
    const QTimeZone zone(strZoneId.toUtf8());
    // The offsets in force a day either side; a reading t happened at
    // t − o for each offset o that is in force at that very moment.
    const ZoneOffset before = OffsetOf(zone, intLocalSeconds - kDaySeconds);
    const ZoneOffset after = OffsetOf(zone, intLocalSeconds + kDaySeconds);
    std::vector<ZoneOffset> found;
    for (const ZoneOffset& candidate : { before, after }) {
        const ZoneOffset there = OffsetOf(zone, intLocalSeconds - candidate.intSeconds);
        if (there.intSeconds == candidate.intSeconds
            && std::none_of(found.begin(), found.end(),
                [&](const ZoneOffset& o) { return o.intSeconds == there.intSeconds; }))
            found.push_back(there);
    }
    if (found.empty()) {
        reading.kind = LocalReading::Kind::Skipped;
        reading.offsets[0] = before;
        reading.offsets[1] = after;
    } else if (found.size() == 1) {
        reading.kind = LocalReading::Kind::Once;
        reading.offsets[0] = found[0];
    } else {
        // The first time is the one with the larger offset (the earlier moment).
        std::sort(found.begin(), found.end(),
            [](const ZoneOffset& a, const ZoneOffset& b) { return a.intSeconds > b.intSeconds; });
        reading.kind = LocalReading::Kind::Twice;
        reading.offsets[0] = found[0];
        reading.offsets[1] = found[1];
    }
    return reading;
}

QString ComputerZoneId()
{
    const QByteArray id = ComputerTimeZone().id();
    return IsKnownZone(QString::fromUtf8(id)) ? QString::fromUtf8(id) : QString();
}

} // namespace qal::platform
