// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "dates/TimeZones.h"

#include <cstdlib>

namespace qal {
namespace {

struct NorthAmericanZone {
    int intIndex;
    const char* strName;
};
const NorthAmericanZone kNorthAmericanZones[] = {
    { 4, "HAST" },
    { 6, "AKST/HADT" },
    { 8, "PST/AKDT" },
    { 10, "MST/PDT" },
    { 12, "CST/MDT" },
    { 14, "EST/CDT" },
    { 16, "AST/EDT" },
    { 17, "NST" },
    { 18, "ADT" },
    { 19, "NDT" },
};

constexpr int kFirstAddedEntry = 48;
constexpr int kAddedZones[] = { -720, 345, 525, 720, 765, 780, 825, 840 };

QString GmtText(int intMinutes)
{
    if (intMinutes == 0)
        return QStringLiteral("GMT");
    const int intAbs = std::abs(intMinutes);
    return QStringLiteral("GMT%1%2:%3")
        .arg(intMinutes < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(intAbs / 60)
        .arg(intAbs % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

QStringList TimezoneListItems(bool blnNorthAmerican)
{
    QStringList items;
    for (int i = 0; i < intTimezoneListCount; ++i)
        items << (i == 0 ? QString() : GmtText(TimezoneItemValue(i)));
    if (blnNorthAmerican) {
        for (const NorthAmericanZone& zone : kNorthAmericanZones)
            items[zone.intIndex] = QString::fromLatin1(zone.strName);
    }
    return items;
}

int TimezoneItemValue(int i)
{
    if (i < 1 || i >= intTimezoneListCount)
        return 0;
    if (i >= kFirstAddedEntry)
        return kAddedZones[i - kFirstAddedEntry];
    return (i - intGmtIndex) * 30;
}

int TimezoneIndexOfMinutes(int intMinutes)
{
    for (int i = 1; i < intTimezoneListCount; ++i) {
        if (TimezoneItemValue(i) == intMinutes)
            return i;
    }
    return 0;
}

QString UtcOffsetText(int intMinutes)
{
    const int intAbs = std::abs(intMinutes);
    return QStringLiteral("%1%2:%3")
        .arg(intMinutes < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(intAbs / 60, 2, 10, QLatin1Char('0'))
        .arg(intAbs % 60, 2, 10, QLatin1Char('0'));
}

} // namespace qal
