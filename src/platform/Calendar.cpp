// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "platform/Calendar.h"

#include "platform/Clock.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace qal::platform {
namespace {

// Division rounding towards minus infinity, so the formulas hold for every year.
constexpr long long FloorDiv(long long a, long long b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// Julian days of about a million years either side of the present.
constexpr double kMaxDayMagnitude = 4e8;

} // namespace

bool IsGregorianLeapYear(long long intYear)
{
    return (intYear % 4 == 0 && intYear % 100 != 0) || intYear % 400 == 0;
}

int GregorianMonthLength(int m, long long intYear)
{
    static const int kLengths[12] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    if (m < 1 || m > 12)
        return 0;
    return m == 2 && IsGregorianLeapYear(intYear) ? 29 : kLengths[m - 1];
}

bool IsJulianLeapYear(long long intYear)
{
    return intYear % 4 == 0;
}

int MonthLength(int m, long long intYear, int intCalendar)
{
    if (intCalendar == kJulian && m == 2)
        return IsJulianLeapYear(intYear) ? 29 : 28;
    return GregorianMonthLength(m, intYear);
}

int EuroDateToJdn(EuroDate& udtDate)
{
    const long long y = udtDate.year;
    const int m = udtDate.month;
    const int d = udtDate.day;
    const bool blnJulian = udtDate.calendar == kJulian;
    udtDate.valid = ((udtDate.calendar == kGregorian || blnJulian) && m >= 1 && m <= 12 && d >= 1
                        && d <= MonthLength(m, y, udtDate.calendar))
        ? 1
        : 0;
    // Standard civil-to-day-number conversions (months counted from March).
    const long long a = FloorDiv(14 - std::clamp(m, 1, 12), 12);
    const long long y2 = y + 4800 - a;
    const long long m2 = std::clamp(m, 1, 12) + 12 * a - 3;
    const long long n = blnJulian
        ? d + FloorDiv(153 * m2 + 2, 5) + 365 * y2 + FloorDiv(y2, 4) - 32083
        : d + FloorDiv(153 * m2 + 2, 5) + 365 * y2 + FloorDiv(y2, 4) - FloorDiv(y2, 100) + FloorDiv(y2, 400) - 32045;
    udtDate.dayNumber = static_cast<int>(std::clamp<long long>(n, INT_MIN, INT_MAX));
    return udtDate.dayNumber;
}

void JdnToEuroDate(EuroDate& udtDate)
{
    if (udtDate.calendar == kJulian) {
        const long long c = static_cast<long long>(udtDate.dayNumber) + 32082;
        const long long d = FloorDiv(4 * c + 3, 1461);
        const long long e = c - FloorDiv(1461 * d, 4);
        const long long m = FloorDiv(5 * e + 2, 153);
        udtDate.day = static_cast<int>(e - FloorDiv(153 * m + 2, 5) + 1);
        udtDate.month = static_cast<int>(m + 3 - 12 * FloorDiv(m, 10));
        udtDate.year = static_cast<int>(d - 4800 + FloorDiv(m, 10));
        return;
    }
    const long long a = static_cast<long long>(udtDate.dayNumber) + 32044;
    const long long b = FloorDiv(4 * a + 3, 146097);
    const long long c = a - FloorDiv(146097 * b, 4);
    const long long d = FloorDiv(4 * c + 3, 1461);
    const long long e = c - FloorDiv(1461 * d, 4);
    const long long m = FloorDiv(5 * e + 2, 153);
    udtDate.day = static_cast<int>(e - FloorDiv(153 * m + 2, 5) + 1);
    udtDate.month = static_cast<int>(m + 3 - 12 * FloorDiv(m, 10));
    udtDate.year = static_cast<int>(100 * b + d - 4800 + FloorDiv(m, 10));
}

int EuroDayOfWeek(int intDayNumber)
{
    // Day number 0 was a Monday.
    return static_cast<int>(((static_cast<long long>(intDayNumber) + 1) % 7 + 7) % 7);
}

QString SeparateThousands(const QString& strNumber, QChar chrSeparator)
{
    QString strSign;
    QString strDigits = strNumber;
    if (strDigits.startsWith(QLatin1Char('-')) || strDigits.startsWith(QLatin1Char('+'))) {
        strSign = strDigits.left(1);
        strDigits.remove(0, 1);
    }
    for (qsizetype i = strDigits.size() - 3; i > 0; i -= 3)
        strDigits.insert(i, chrSeparator);
    return strSign + strDigits;
}

int GetTimezoneSeconds()
{
    return -ComputerUtcOffsetSeconds();
}

int YearOfJulianDay(double dblJd)
{
    if (!(std::fabs(dblJd) < kMaxDayMagnitude))
        return 0;
    EuroDate udtDate;
    udtDate.calendar = kGregorian;
    udtDate.dayNumber = static_cast<int>(std::floor(dblJd + 0.5));
    JdnToEuroDate(udtDate);
    return udtDate.year;
}

int LocalDayNumber(double dblMoment, int intZoneMinutes)
{
    return static_cast<int>(std::floor(dblMoment + 0.5 + intZoneMinutes / 1440.0));
}

double LocalMidnight(double dblDay, int intZoneMinutes)
{
    return dblDay - 0.5 - intZoneMinutes / 1440.0;
}

} // namespace qal::platform
