// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Dates, time zones and Julian days.
//
// A moment is a Julian day in Universal Time (a whole number at noon). The
// day number of a date is the whole Julian day of its noon (1 January of
// year 1 is 1721426, 31 December 2799 is 2743738). Dates are Gregorian,
// proleptic before 1582, in years 1 to 2799.
#pragma once

#include "dates/BirthPlace.h"
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
// Codes of the clock beyond the lists:
constexpr double dblClockUnreadable = -5.0; // the time typed is no clock time
constexpr double dblClockSkipped = -6.0; // the place's clocks jumped over that time that day
constexpr double dblClockTwice = -7.0; // the place's clocks showed that time twice, and which is not said
constexpr double dblZoneUnknown = -8.0; // the zone database has no such zone

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

constexpr int intClockFromList = -1; // DateSetInput::intClockSeconds: the hour list's entry counts
constexpr int intClockUnreadable = -2; // DateSetInput::intClockSeconds: what was typed is no clock time

// What one date set's inputs hold. Reading it cleans the year text and fills
// in the defaults it used, so the window can show the values that counted.
struct DateSetInput {
    QString strYear;
    int intMonth = 0; // list index 0..12
    int intDay = 0; // list index 0..31
    int intHour = 0; // list index 0..48
    int intTimezone = 0; // list index 0..55; intPlaceZoneIndex while a place's clock counts
    // Beyond the lists; with none of them a date set reads as the lists say.
    int intClockSeconds = intClockFromList; // a clock time off the half hour, seconds after midnight
    bool blnJulian = false; // the date is in the Julian calendar
    DateSetPlace place; // with a zone: its clock that day gives the offset
    RepeatedTime repeated = RepeatedTime::Ask; // a clock time the zone showed twice: which one
    bool operator==(const DateSetInput&) const = default;
};
// Whether a date set holds anything the lists cannot say.
bool HasBirthData(const DateSetInput& udtInput);

// What reading a date set gave, besides its moment: the local clock and the
// zone that counted.
struct DateSetReading {
    double dblMoment = dblDateIncomplete; // UT, or a negative code
    int intDayNumber = 0; // of the local date (the same day in either calendar)
    int intClockSeconds = 0; // after local midnight
    int intOffsetSeconds = 0; // east of UTC
    QString strZoneText; // as the zone list shows it: "GMT+1:00", "GMT+2:00 CEST"
    PlaceClock clock; // with a place: how its clocks read (which jump, which offsets)
};

// Reads a date set as DateSetToMoment does; blnNorthAmerican names the zone
// list's texts.
DateSetReading ReadDateSet(DateSetInput& udtInput, int intComputerTzIndex, bool blnNorthAmerican = false);

// A clock time typed as "08:13", "8:13", "0813" or "08:13:20": seconds after
// midnight, or −1.
int ParseClockText(const QString& strText);
// "08:13", or "08:13:20" when the seconds are not 0.
QString ClockText(int intSeconds);
// The date set's clock time as its hour list shows it: the entry, or what was typed.
QString DateSetClockText(const DateSetInput& udtInput);
// The date set's date: "March 5, 2018", "March 3, 1700 (Julian)".
QString DateSetDateText(const DateSetReading& reading, const DateSetInput& udtInput, bool blnAbbreviated);

// A date set as the reports and the wheel name it: its date, its clock time
// and its zone ("GMT+1:00", "GMT+2:00 CEST"; a place's zone by its name when
// its clock cannot be read). Empty when the date cannot be read.
struct DateSetTexts {
    QString strDate, strClock, strZone;
};
DateSetTexts TextsOfDateSet(DateSetInput udtInput, int intComputerTzIndex, bool blnNorthAmerican, bool blnAbbreviated);

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
// "March 5, 2018", "5.März 2018"; the date of that day in the calendar given.
QString JDNToDateText(int n, bool blnAbbreviated, int intLanguage, int intCalendar = platform::kGregorian);
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

// The same in a zone of the zone database, at its offset now; the date set
// keeps the zone, so that its own entry shows it.
DateSetInput DateSetForNowIn(const QString& strZoneId);

// The date set moved to a moment (UT), to the minute: its place and zone
// kept, the local date (Gregorian) and clock time of that zone at that
// moment (its place's clock then, summer time included, or its list
// entry's offset), and which of a clock time shown twice it is.
DateSetInput DateSetAtMoment(const DateSetInput& udtLike, double dblMoment);

} // namespace qal
