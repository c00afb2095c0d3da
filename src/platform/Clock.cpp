// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "platform/Clock.h"

#include <optional>

namespace qal::platform {
namespace {

struct FixedClock {
    QDateTime utcNow;
    QTimeZone zone;
};
std::optional<FixedClock> g_testClock;

} // namespace

QDateTime ClockNowUtc()
{
    return g_testClock ? g_testClock->utcNow : QDateTime::currentDateTimeUtc();
}

QTimeZone ComputerTimeZone()
{
    return g_testClock ? g_testClock->zone : QTimeZone::systemTimeZone();
}

QDateTime ComputerLocalNow()
{
    return ClockNowUtc().toTimeZone(ComputerTimeZone());
}

int ComputerUtcOffsetSeconds()
{
    return ComputerTimeZone().offsetFromUtc(ClockNowUtc());
}

void SetTestClock(const QDateTime& utcNow, const QTimeZone& zone)
{
    g_testClock = FixedClock { utcNow.toUTC(), zone };
}

} // namespace qal::platform
