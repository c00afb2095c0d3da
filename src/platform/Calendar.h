// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The calendar: proleptic Gregorian day numbers, weekdays, thousands grouping
// and the computer's time zone.
//
// A day number is the whole Julian day of a date's noon: 1 January of year 1
// is 1721426.
#pragma once

#include <QString>

namespace qal::platform {

// The date record exchanged with the calendar.
struct EuroDate {
    int year = 0;
    int month = 0; // 1..12
    int day = 0; // 1..31
    int calendar = 0; // character code of the calendar letter; 71 ("G") is Gregorian
    int dayNumber = 0;
    int valid = 0; // written by EuroDateToJdn: 0 = impossible date
};

constexpr int kGregorian = 71; // "G"
constexpr int kJulian = 74; // "J": the calendar before the Gregorian reform, as old records give dates

// The local day number of a moment (a Julian day in UT) in a zone of
// intZoneMinutes east of Greenwich: the day that local clocks show.
int LocalDayNumber(double dblMoment, int intZoneMinutes);

// The moment (UT) of the local midnight that begins day number dblDay in
// the zone.
double LocalMidnight(double dblDay, int intZoneMinutes);

// Day number of the record's year, month and day in its calendar (Gregorian
// or Julian); sets its valid flag (0 also for another calendar).
int EuroDateToJdn(EuroDate& udtDate);

// Fills year, month and day from the record's day number, in its calendar
// (Julian for kJulian, Gregorian otherwise).
void JdnToEuroDate(EuroDate& udtDate);

// Weekday of a day number: 0 Sunday .. 6 Saturday.
int EuroDayOfWeek(int intDayNumber);

// strNumber with the separator between groups of three digits ("1234567" →
// "1,234,567"); a leading sign is kept in front.
QString SeparateThousands(const QString& strNumber, QChar chrSeparator);

// Whether a year of the Gregorian calendar is a leap year (proleptic, any
// year, negative ones included).
bool IsGregorianLeapYear(long long intYear);

// Days in month m (1..12) of a Gregorian year.
int GregorianMonthLength(int m, long long intYear);

// Whether a year of the Julian calendar is a leap year (every fourth).
bool IsJulianLeapYear(long long intYear);

// Days in month m (1..12) of a year in the calendar (kGregorian or kJulian).
int MonthLength(int m, long long intYear, int intCalendar);

// The computer's offset from UTC in seconds, positive west of Greenwich, as
// the clock gives it now (daylight saving included).
int GetTimezoneSeconds();

// Gregorian calendar year of a Julian day (UT). Moments beyond a million
// years either way (and NaN) give year 0 rather than an undefined value.
int YearOfJulianDay(double dblJd);

} // namespace qal::platform
