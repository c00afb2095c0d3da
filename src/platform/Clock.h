// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The computer's clock and time zone.
//
// Everything that asks for "now" or for the computer's zone goes through
// here, so that a test can set both: the real clock reads the system time
// and the system's zone database (daylight saving included).
#pragma once

#include <QDateTime>
#include <QTimeZone>

namespace qal::platform {

// The current moment (UTC).
QDateTime ClockNowUtc();

// The computer's time zone.
QTimeZone ComputerTimeZone();

// The computer's local date and clock time now.
QDateTime ComputerLocalNow();

// The computer's offset from UTC now, in seconds, east positive.
int ComputerUtcOffsetSeconds();

// --- For tests: a fixed moment and zone instead of the system's ---
void SetTestClock(const QDateTime& utcNow, const QTimeZone& zone);

} // namespace qal::platform
