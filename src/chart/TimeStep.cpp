// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "chart/TimeStep.h"

namespace qal {
namespace {

// The month after (or before) m, carrying into the year text.
int NextMonth(DateSetInput& s, int y, bool blnForward)
{
    int m = s.intMonth + (blnForward ? 1 : -1);
    if (m > 12) {
        m = 1;
        s.strYear = QString::number(y + 1);
    } else if (m < 1) {
        m = 12;
        s.strYear = QString::number(y - 1);
    }
    return m;
}

// Lowers the day while the date does not exist, but not below 28, so that a
// date invalid for another reason is left for the computation to report.
void ClampDay(DateSetInput& s)
{
    while (s.intDay > 28) {
        DateSetInput probe = s;
        if (DateSetToDayValue(probe) >= 0)
            break;
        --s.intDay;
    }
}

// Days in the date set's month, in its calendar.
int MonthDays(const DateSetInput& s, int y)
{
    return platform::MonthLength(s.intMonth, y, s.blnJulian ? platform::kJulian : platform::kGregorian);
}

// A clock time off the half hour moves by half an hour; true when it
// crossed midnight (the day then follows as for the hour list's last entry).
bool StepTypedClock(DateSetInput& s, bool blnForward)
{
    constexpr int kHalfHour = 1800, kDay = 86400;
    s.intClockSeconds += blnForward ? kHalfHour : -kHalfHour;
    if (s.intClockSeconds >= kDay) {
        s.intClockSeconds -= kDay;
        return true;
    }
    if (s.intClockSeconds < 0) {
        s.intClockSeconds += kDay;
        return true;
    }
    return false;
}

void Forward(DateSetInput& s, int intInterval, int y)
{
    const int dim = MonthDays(s, y);
    switch (intInterval) {
    case stepHalfHour: {
        bool blnNextDay = false;
        if (s.intClockSeconds >= 0) {
            blnNextDay = StepTypedClock(s, true);
        } else if (s.intHour + 1 <= 48) {
            ++s.intHour;
        } else {
            s.intHour = 1;
            blnNextDay = true;
        }
        if (blnNextDay && s.intDay + 1 <= dim) {
            ++s.intDay;
        } else if (blnNextDay) {
            s.intMonth = NextMonth(s, y, true);
            s.intDay = 1;
        }
        break;
    }
    case stepDay:
    case stepWeek: {
        const int d = s.intDay + (intInterval == stepDay ? 1 : 7);
        if (d <= dim) {
            s.intDay = d;
        } else {
            s.intMonth = NextMonth(s, y, true);
            s.intDay = intInterval == stepDay ? 1 : d - dim;
        }
        break;
    }
    case stepMonth:
        s.intMonth = NextMonth(s, y, true);
        ClampDay(s);
        break;
    case stepYear:
        s.strYear = QString::number(y + 1);
        ClampDay(s);
        break;
    default: break;
    }
}

void Back(DateSetInput& s, int intInterval, int y)
{
    switch (intInterval) {
    case stepHalfHour: {
        bool blnDayBefore = false;
        if (s.intClockSeconds >= 0) {
            blnDayBefore = StepTypedClock(s, false);
        } else if (s.intHour - 1 >= 1) {
            --s.intHour;
        } else {
            s.intHour = 48;
            blnDayBefore = true;
        }
        if (blnDayBefore && s.intDay - 1 >= 1) {
            --s.intDay;
        } else if (blnDayBefore) {
            s.intMonth = NextMonth(s, y, false);
            s.intDay = MonthDays(s, s.strYear.toInt());
        }
        break;
    }
    case stepDay:
    case stepWeek: {
        const int d = s.intDay - (intInterval == stepDay ? 1 : 7);
        if (d >= 1) {
            s.intDay = d;
        } else {
            s.intMonth = NextMonth(s, y, false);
            s.intDay = MonthDays(s, s.strYear.toInt()) - (intInterval == stepDay ? 0 : -d);
        }
        break;
    }
    case stepMonth:
        s.intMonth = NextMonth(s, y, false);
        ClampDay(s);
        break;
    case stepYear:
        s.strYear = QString::number(y - 1);
        ClampDay(s);
        break;
    default: break;
    }
}

} // namespace

double StepDateSet(DateSetInput& udtSet, int intInterval, bool blnForward, int intComputerTzIndex)
{
    // The year as the computation reads it (cleaned); the indices as they
    // are, so that a date that does not exist (31 November) or lies beyond
    // the range still steps, and the hour and the zone stay, so that an
    // empty hour steps from midnight. Only a missing year, month or day, or a
    // year beyond any calendar, leaves nothing to step from.
    DateSetInput udtRead = udtSet;
    const double dblCode = DateSetToMoment(udtRead, intComputerTzIndex);
    bool blnYear = false;
    const int y = udtRead.strYear.toInt(&blnYear);
    if (dblCode == dblDateIncomplete || !blnYear || y < -32768 || y > 32767)
        return dblCode < 0 ? dblCode : dblDateTooLate;
    udtSet.strYear = udtRead.strYear;
    if (blnForward)
        Forward(udtSet, intInterval, y);
    else
        Back(udtSet, intInterval, y);
    return 0;
}

} // namespace qal
