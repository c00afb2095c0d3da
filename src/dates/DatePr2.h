// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Dates, time zones and Julian days.
//
// A moment is a Julian day in Universal Time (a whole number at noon). The
// day number of a date is the whole Julian day of its noon (1 January of
// year 1 is 1721426, 31 December 2799 is 2743738). Dates are Gregorian,
// proleptic before 1582, in years 1 to 2799.
#pragma once

#include "dates/TimeZones.h"
#include "platform/Calendar.h"

#include <QString>
#include <QStringList>

namespace qal {

using platform::EuroDate;

constexpr int intFirstDayNumber = 1721426; // 1 January of year 1
constexpr int intLastDayNumber = 2743738; // 31 December 2799
constexpr int intMaxYear = 2799;

// Result codes of reading a date set.
constexpr double dblDateIncomplete = -1.0; // year empty, or month or day not chosen
constexpr double dblDateImpossible = -2.0; // such as 31 April
constexpr double dblDateTooEarly = -3.0; // before year 1
constexpr double dblDateTooLate = -4.0; // after 2799

// The computer's UTC offset in minutes, east positive, as set at start-up
// (UTC+5:45 is stored as UTC+5:30: the zone lists have half hours only).
// Written by SetComputerTimeZone at start-up (tests set it through
// SetComputerTimeZoneMinutes).
extern const int& intComputerTzMinutes;
void SetComputerTimeZoneMinutes(int intMinutes);

// --- Lists of a date set ---
QStringList MonthListItems(int intLanguage); // "", then the twelve full month names
QStringList DayListItems(); // "", "1" .. "31"
QStringList HourListItems(); // "", "00:00", "00:30" .. "23:30"
constexpr int intHourListCount = 49;
constexpr int intNoonHourIndex = 25; // "12:00"

// What one date set's inputs hold. Reading it cleans the year text and fills
// in the defaults it used, so the window can show the values that counted.
struct DateSetInput {
    QString strYear;
    int intMonth = 0; // list index 0..12
    int intDay = 0; // list index 0..31
    int intHour = 0; // list index 0..48
    int intTimezone = 0; // list index 0..47
};

// Local day number + local clock time / 1440 minutes, or a negative code.
// The year is cleaned and an empty hour becomes "12:00". (The main window's
// InputDateToDayNumber reads its controls through this.)
double DateSetToDayValue(DateSetInput& udtInput);

// The moment in UT, or a negative code; as DateSetToDayValue, and an empty
// zone becomes the computer's zone entry intComputerTzIndex when there is
// one (offset 0 otherwise). (The main window's InputDateToAJDate reads its
// controls through this.)
double DateSetToMoment(DateSetInput& udtInput, int intComputerTzIndex);

// --- Texts ---
QString JDNToDateText(int n, bool blnAbbreviated, int intLanguage); // "March 5, 2018", "5.März 2018"
// The day of a day value (day number + fraction) with a time and a zone text:
// "March 5, 2018, 14:30 (GMT+1:00)", in the interface language.
QString DateTimeZoneText(double dblDayValue, const QString& strTime, const QString& strZone, bool blnAbbreviated);
QString EuroDateToText(const EuroDate& udtDate); // "2018-03-05", "812-07-01"
// ISO 8601 with four digits of year also before 1000: "0812-07-01" (qal-cli).
QString IsoDateText(const EuroDate& udtDate);
QString DayFractionToText(double f, bool blnWithSeconds); // "14:30", "14:30:05"; "XX:XX:XX" outside [0, 1)
// A moment (UT) as the local date and time of a zone: "2018-03-07 05:12", to
// the nearest minute, or with the seconds cut as a clock shows them.
QString LocalMomentText(double dblMoment, int intZoneMinutes, bool blnRoundToMinute = true);
// The moment intMonths calendar months after dblMoment (UT; before it for a
// negative count) at the same local clock time in the zone; a day the month
// lacks (31 April) becomes the month's last.
double MomentMonthsLater(double dblMoment, int intMonths, int intZoneMinutes);
// The same with the date as IsoDateText writes it (qal-cli's output).
QString IsoLocalMomentText(double dblMoment, int intZoneMinutes, bool blnRoundToMinute = true);
QString DayOfWeekText(int n, int intLanguage);
QString WeekdayText(int w, int intLanguage); // 0 Sunday .. 6 Saturday; "" otherwise
QString SeparateThousands(const QString& strNumber, const QString& strSeparator);
QString MonthName(int m, bool blnAbbreviated, int intLanguage);

// Rounds a day value (day number + fraction) to the nearest half hour; a
// remainder of exactly 15 minutes rounds down. Infinite and NaN values, and
// values beyond any calendar, are left as they are.
void RoundToHalfHour(double& x);

bool IsLeapYear(int y, const QString& strCalendar);
int DaysInMonth(int m, int y); // 0 for a month outside 1..12

// Only the digits of strText, with a leading "-" or "+" when allowed.
QString CleanIntegerText(const QString& strText, bool blnAllowMinus, bool blnAllowPlus);

// --- The computer's clock and zone ---
int GetComputerTimeZoneMinutes();
void SetComputerTimeZone();
double GetComputerAJDate();

// The local day value of "now" rounded to the half hour and split into the
// list indices of a date set in the computer's zone. When the computer's zone
// is in no list entry (intComputerTzIndex 0), "now" is given in GMT instead,
// so that the moment is still the right one.
DateSetInput DateSetForNow(int intComputerTzIndex);

} // namespace qal
