// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The time-zone list of a date set.
//
// Entry 0 is empty (offset 0); entries 1..47 run from "GMT-11:30" through
// "GMT" (24) to "GMT+11:30" in half hours, with the offset (i − 24) · 30
// minutes. Entries 48..55 add the real zones outside that pattern, after the
// old ones so that every index saved before keeps its meaning: −12:00,
// +5:45, +8:45, +12:00, +12:45, +13:00, +13:45 and +14:00.
#pragma once

#include <QStringList>

namespace qal {

constexpr int intTimezoneListCount = 56;
// The zone list's own entry after the others, shown while a place's (or a
// named zone's) clock gives a date set its offset.
constexpr int intPlaceZoneIndex = intTimezoneListCount;
constexpr int intGmtIndex = 24;

// The zone texts; with blnNorthAmerican ten of the half-hour entries show
// North American names instead (their offsets stay).
QStringList TimezoneListItems(bool blnNorthAmerican);

// Offset of zone entry i in minutes east (0 for the empty entry and beyond the list).
int TimezoneItemValue(int i);

// The first entry (1..) whose offset is intMinutes, or 0.
int TimezoneIndexOfMinutes(int intMinutes);

// "+05:45", "-03:30", "+00:00": an offset in minutes as the ISO 8601 zone suffix.
QString UtcOffsetText(int intMinutes);

} // namespace qal
