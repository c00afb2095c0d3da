// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Reading date sets, date texts, the calendar and the computer's zone.
#include "TestSupport.h"
#include "chart/TimeStep.h"
#include "dates/DatePr2.h"
#include "platform/Calendar.h"
#include "text/Texts.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

using namespace qal;

namespace {

DateSetInput Set(const char* strYear, int m, int d, int h, int z)
{
    DateSetInput udtInput;
    udtInput.strYear = QString::fromUtf8(strYear);
    udtInput.intMonth = m;
    udtInput.intDay = d;
    udtInput.intHour = h;
    udtInput.intTimezone = z;
    return udtInput;
}

int ZoneIndex(const char* strText)
{
    return static_cast<int>(TimezoneListItems(false).indexOf(QString::fromLatin1(strText)));
}

} // namespace

TEST(Dates, DateSetsBecomeMomentsAndWriteBackWhatTheyUsed)
{
    // 5 March 2018, 14:30 (hour entry 30): the local day value.
    DateSetInput udtInput = Set("2018", 3, 5, 30, 0);
    EXPECT_DOUBLE_EQ(DateSetToDayValue(udtInput), 2458183 + 870.0 / 1440);
    // An empty zone takes the computer's zone entry (GMT+1:00) when there is one ...
    EXPECT_DOUBLE_EQ(DateSetToMoment(udtInput, ZoneIndex("GMT+1:00")), 2458183.0625);
    EXPECT_EQ(udtInput.intTimezone, ZoneIndex("GMT+1:00"));
    // ... and counts as GMT when the computer's zone matches no entry.
    udtInput = Set("2018", 3, 5, 30, 0);
    EXPECT_DOUBLE_EQ(DateSetToMoment(udtInput, 0), 2458183.0625 + 60.0 / 1440);
    EXPECT_EQ(udtInput.intTimezone, 0);

    // The year is cleaned and an empty hour becomes noon, both written back.
    udtInput = Set("-500", 3, 5, 0, 0);
    EXPECT_DOUBLE_EQ(DateSetToDayValue(udtInput), 1903745.0 + 0.5); // 5 March 500, 12:00
    EXPECT_EQ(udtInput.strYear, QStringLiteral("500"));
    EXPECT_EQ(udtInput.intHour, intNoonHourIndex);
    // An invalid set keeps its hour and zone: they are only filled once the date is good.
    udtInput = Set("2018", 4, 31, 0, 0);
    EXPECT_LT(DateSetToMoment(udtInput, 5), 0);
    EXPECT_EQ(udtInput.intHour, 0);
    EXPECT_EQ(udtInput.intTimezone, 0);

    const int gmt = ZoneIndex("GMT");
    const struct {
        const char* name;
        DateSetInput input;
        double expected;
    } cases[] = { { "first day", Set("1", 1, 1, 25, gmt), 1721426.0 },
        { "last year", Set("2799", 12, 31, 25, gmt), 2743738.0 }, { "year 2800", Set("2800", 1, 1, 25, gmt), -4.0 },
        { "huge year", Set("99999999999999999999", 1, 1, 25, gmt), -4.0 }, { "year 0", Set("0", 1, 1, 25, gmt), -3.0 },
        { "letters only", Set("abc", 1, 1, 25, gmt), -1.0 }, { "no month", Set("2018", 0, 5, 25, gmt), -1.0 },
        { "no day", Set("2018", 3, 0, 25, gmt), -1.0 }, { "29 Feb 1900", Set("1900", 2, 29, 25, gmt), -2.0 },
        { "29 Feb 2000", Set("2000", 2, 29, 25, gmt), 2451604.0 }, { "31 April", Set("2018", 4, 31, 25, gmt), -2.0 },
        { "GMT-11:30 midnight", Set("2000", 1, 1, 1, 1), 2451544.5 + 690.0 / 1440 } };
    for (auto c : cases)
        EXPECT_DOUBLE_EQ(DateSetToMoment(c.input, 0), c.expected) << c.name;
}

TEST(Dates, ListsOfTheDateInputs)
{
    const QStringList zones = TimezoneListItems(false);
    ASSERT_EQ(zones.size(), intTimezoneListCount);
    // The half-hour pattern, then the real zones beyond it after the old
    // entries, so an index saved before they were added keeps its meaning.
    const struct {
        int intIndex;
        int intMinutes;
        const char* strText;
    } entries[] = { { 1, -690, "GMT-11:30" }, { 23, -30, "GMT-0:30" }, { 24, 0, "GMT" }, { 26, 60, "GMT+1:00" },
        { 47, 690, "GMT+11:30" }, { 48, -720, "GMT-12:00" }, { 49, 345, "GMT+5:45" }, { 50, 525, "GMT+8:45" },
        { 51, 720, "GMT+12:00" }, { 52, 765, "GMT+12:45" }, { 53, 780, "GMT+13:00" }, { 54, 825, "GMT+13:45" },
        { 55, 840, "GMT+14:00" } };
    for (const auto& zone : entries) {
        EXPECT_EQ(zones[zone.intIndex], QString::fromLatin1(zone.strText));
        EXPECT_EQ(TimezoneItemValue(zone.intIndex), zone.intMinutes);
        EXPECT_EQ(TimezoneIndexOfMinutes(zone.intMinutes), zone.intIndex);
    }
    EXPECT_EQ(TimezoneItemValue(0), 0);
    EXPECT_EQ(TimezoneIndexOfMinutes(255), 0); // UTC+4:15 is no zone

    // Ten entries show North American names instead.
    const QStringList american = TimezoneListItems(true);
    EXPECT_EQ(american[TimezoneIndexOfMinutes(-300)], QStringLiteral("EST/CDT"));
    EXPECT_EQ(american[4], QStringLiteral("HAST"));
    EXPECT_EQ(american[17], QStringLiteral("NST"));
    EXPECT_EQ(american[19], QStringLiteral("NDT"));
    EXPECT_EQ(american[20], QStringLiteral("GMT-2:00"));
    int intChanged = 0;
    for (int i = 0; i < intTimezoneListCount; ++i)
        intChanged += american[i] != zones[i] ? 1 : 0;
    EXPECT_EQ(intChanged, 10);

    EXPECT_EQ(HourListItems()[intNoonHourIndex], QStringLiteral("12:00"));
    EXPECT_EQ(HourListItems().size(), intHourListCount);
    EXPECT_EQ(MonthListItems(intLangSpanish)[12], QStringLiteral("December"));
}

TEST(Dates, DateAndTimeTexts)
{
    EXPECT_EQ(JDNToDateText(2458183, false, intLangEnglish), QStringLiteral("March 5, 2018"));
    EXPECT_EQ(JDNToDateText(2458183, true, intLangEnglish), QStringLiteral("Mar. 5, 2018"));
    EXPECT_EQ(JDNToDateText(2458183, false, intLangGerman), QStringLiteral("5.März 2018"));
    EXPECT_EQ(JDNToDateText(2458244, true, intLangGerman), QStringLiteral("5.Mai 2018"));
    EXPECT_EQ(JDNToDateText(2458372, true, intLangEnglish), QStringLiteral("Sept. 10, 2018"));
    EXPECT_EQ(JDNToDateText(2458183, false, intLangSpanish), QStringLiteral("March 5, 2018"));
    // Years beyond four digits are grouped in thousands.
    EXPECT_EQ(JDNToDateText(6230000, false, intLangEnglish).right(6), QStringLiteral("12,345"));
    EXPECT_EQ(JDNToDateText(6230000, false, intLangGerman).right(6), QStringLiteral("12.345"));
    // The window writes the year as it is; qal-cli's ISO dates have four digits.
    EXPECT_EQ(EuroDateToText(EuroDate { 812, 7, 1 }), QStringLiteral("812-07-01"));
    EXPECT_EQ(IsoDateText(EuroDate { 812, 7, 1 }), QStringLiteral("0812-07-01"));
    EXPECT_EQ(LocalMomentText(2017818.5 + 0.25, 60), QStringLiteral("812-07-01 07:00"));
    EXPECT_EQ(IsoLocalMomentText(2017818.5 + 0.25, 60), QStringLiteral("0812-07-01 07:00"));

    EXPECT_EQ(DayFractionToText(0.5, false), QStringLiteral("12:00"));
    EXPECT_EQ(DayFractionToText(0.999999, true), QStringLiteral("23:59:59"));
    EXPECT_EQ(DayFractionToText(0.0, true), QStringLiteral("00:00:00"));
    EXPECT_EQ(DayFractionToText(14.5 / 24 - 1e-9, false), QStringLiteral("14:30")); // a hair below is not cut down
    for (const double f : { 1.0, -0.1, std::nan("") })
        EXPECT_EQ(DayFractionToText(f, false), QStringLiteral("XX:XX:XX")) << f;

    EXPECT_EQ(DayOfWeekText(2458183, intLangEnglish), QStringLiteral("Monday"));
    EXPECT_EQ(DayOfWeekText(1721426, intLangEnglish), QStringLiteral("Monday")); // 1 January of year 1
    EXPECT_EQ(WeekdayText(0, intLangEnglish), QStringLiteral("Sunday"));
    EXPECT_EQ(WeekdayText(6, intLangGerman), QStringLiteral("Samstag"));
    EXPECT_EQ(WeekdayText(7, intLangEnglish), QString());
    EXPECT_EQ(SeparateThousands(QStringLiteral("1234567"), QStringLiteral(",")), QStringLiteral("1,234,567"));
    EXPECT_EQ(SeparateThousands(QStringLiteral("-12345"), QStringLiteral(".")), QStringLiteral("-12.345"));
    EXPECT_EQ(SeparateThousands(QStringLiteral("123"), QStringLiteral(",")), QStringLiteral("123"));
    EXPECT_EQ(SeparateThousands(QStringLiteral("12345"), QString()), QStringLiteral("12345"));
}

TEST(Dates, CalendarArithmeticAndRounding)
{
    // Minutes after the day's start, rounded to the half hour; exactly 15
    // minutes rounds down, 1440 is the next day.
    const int intMinutes[][2] = { { 0, 0 }, { 600, 600 }, { 615, 600 }, { 616, 630 }, { 16, 30 }, { 1430, 1440 } };
    for (const auto& c : intMinutes) {
        double x = 2458183 + c[0] / 1440.0;
        RoundToHalfHour(x);
        EXPECT_NEAR(x, 2458183 + c[1] / 1440.0, 1e-9) << c[0];
    }

    EXPECT_EQ(DaysInMonth(2, 1900), 28);
    EXPECT_EQ(DaysInMonth(2, 2000), 29);
    EXPECT_EQ(DaysInMonth(4, 2019), 30);
    EXPECT_EQ(DaysInMonth(12, 2019), 31);
    EXPECT_EQ(DaysInMonth(13, 2000), 0);
    EXPECT_EQ(DaysInMonth(0, 2000), 0);
    EXPECT_TRUE(IsLeapYear(1900, QStringLiteral("julian"))); // only the first letter counts
    EXPECT_FALSE(IsLeapYear(1900, QStringLiteral("G")));
    EXPECT_TRUE(IsLeapYear(2000, QStringLiteral("G")));
    EXPECT_TRUE(IsLeapYear(-4, QStringLiteral("G")));
    EXPECT_FALSE(IsLeapYear(-3, QStringLiteral("G")));

    // Every day of years 1 to 2799 converts to a date and back.
    for (int n = intFirstDayNumber; n <= intLastDayNumber; ++n) {
        EuroDate udtDate { 0, 0, 0, platform::kGregorian, n };
        platform::JdnToEuroDate(udtDate);
        udtDate.dayNumber = 0;
        ASSERT_EQ(platform::EuroDateToJdn(udtDate), n);
        ASSERT_NE(udtDate.valid, 0) << n;
    }
    EuroDate udtDate { 1582, 10, 4, platform::kGregorian }; // proleptic: no gap
    EXPECT_EQ(platform::EuroDateToJdn(udtDate), 2299150); // 15 October is 2299161
    udtDate.calendar = 'X';
    platform::EuroDateToJdn(udtDate);
    EXPECT_EQ(udtDate.valid, 0); // the Gregorian and the Julian calendar only
    udtDate.calendar = 'J';
    EXPECT_EQ(platform::EuroDateToJdn(udtDate), 2299160); // the day before 15 October 1582 (Gregorian)
    EXPECT_NE(udtDate.valid, 0);

    EXPECT_EQ(CleanIntegerText(QStringLiteral("-500"), false, false), QStringLiteral("500"));
    EXPECT_EQ(CleanIntegerText(QStringLiteral("-500"), true, false), QStringLiteral("-500"));
    EXPECT_EQ(CleanIntegerText(QStringLiteral("20a18"), false, false), QStringLiteral("2018"));
    EXPECT_EQ(CleanIntegerText(QStringLiteral("1-2+3"), true, true), QStringLiteral("123"));
    EXPECT_EQ(CleanIntegerText(QStringLiteral("+7"), false, true), QStringLiteral("+7"));
    EXPECT_EQ(CleanIntegerText(QStringLiteral("abc"), true, true), QString());
}

TEST(Dates, ComputerZoneAndNow)
{
    test::SetClock(test::DefaultTestNow(), "Asia/Kathmandu"); // UTC+5:45 all year
    EXPECT_EQ(GetComputerTimeZoneMinutes(), 345);
    SetComputerTimeZone();
    EXPECT_EQ(intComputerTzMinutes, 345); // the list has an entry of its own for it

    // "Now" is the computer's moment shown 15 minutes early in GMT+5:30,
    // rounded to the half hour: within a quarter of an hour of the clock.
    const int intIndex = TimezoneIndexOfMinutes(intComputerTzMinutes);
    DateSetInput udtNow = DateSetForNow(intIndex);
    const double dblClock = GetComputerAJDate();
    EXPECT_EQ(udtNow.intTimezone, intIndex);
    EXPECT_LE(std::fabs(DateSetToMoment(udtNow, intIndex) - dblClock), 15.5 / 1440);
    // The clock's moment: 5 March 2018, 13:30 UTC.
    EXPECT_NEAR(dblClock, 2458183.0625, 1.0 / 86400);

    test::SetClock(test::DefaultTestNow(), "Etc/GMT+5"); // UTC-5:00
    SetComputerTimeZone();
    EXPECT_EQ(intComputerTzMinutes, -300);
}

TEST(Dates, SteppingCarriesThroughTheCalendar)
{
    // Hours are list indices: 1 is 00:00, each further index half an hour.
    const auto hour = [](int h, int m) { return 1 + 2 * h + m / 30; };
    const struct {
        const char* strYear;
        int intMonth, intDay, intHour, intInterval;
        bool blnForward;
        const char* strExpected; // year-month-day hour-index
    } cases[] = {
        { "2018", 12, 31, hour(23, 30), stepHalfHour, true, "2019-1-1 1" },
        { "2020", 3, 1, hour(0, 0), stepHalfHour, false, "2020-2-29 48" },
        { "2019", 3, 1, hour(0, 0), stepHalfHour, false, "2019-2-28 48" },
        { "2019", 5, 10, 0, stepHalfHour, true, "2019-5-10 1" }, // an empty hour steps from midnight
        { "2019", 5, 10, 0, stepHalfHour, false, "2019-5-9 48" },
        { "2019", 3, 3, hour(12, 0), stepWeek, false, "2019-2-24 25" },
        { "2019", 2, 28, hour(12, 0), stepWeek, true, "2019-3-7 25" },
        { "2019", 1, 31, hour(12, 0), stepMonth, true, "2019-2-28 25" },
        { "2019", 3, 31, hour(12, 0), stepMonth, false, "2019-2-28 25" },
        { "2020", 3, 31, hour(12, 0), stepMonth, false, "2020-2-29 25" },
        { "2019", 1, 15, hour(12, 0), stepMonth, false, "2018-12-15 25" },
        { "2020", 2, 29, hour(12, 0), stepYear, true, "2021-2-28 25" },
        { "2020", 2, 29, hour(12, 0), stepYear, false, "2019-2-28 25" },
        { "2019", 12, 31, hour(6, 0), stepDay, true, "2020-1-1 13" },
        { "2019", 3, 1, hour(6, 0), stepDay, false, "2019-2-28 13" },
        { "2018", 11, 31, hour(6, 0), stepDay, true, "2018-12-1 13" }, // a date that does not exist steps too
        { "2018", 11, 31, hour(6, 0), stepDay, false, "2018-11-30 13" },
        { "12a3", 6, 1, hour(12, 0), stepYear, true, "124-6-1 25" }, // the year read as computing reads it
        { "-5", 6, 1, hour(12, 0), stepYear, true, "6-6-1 25" }, // a minus sign is no sign
        { "2799", 12, 31, hour(12, 0), stepDay, true, "2800-1-1 25" }, // left for the computation to undo
    };
    for (const auto& c : cases) {
        DateSetInput set = test::DateSet(QString::fromLatin1(c.strYear), c.intMonth, c.intDay, c.intHour, 1);
        EXPECT_EQ(StepDateSet(set, c.intInterval, c.blnForward, 0), 0) << c.strExpected;
        EXPECT_EQ(QStringLiteral("%1-%2-%3 %4").arg(set.strYear).arg(set.intMonth).arg(set.intDay).arg(set.intHour),
            QString::fromLatin1(c.strExpected));
    }
    // Nothing to step from: the code, and nothing changes.
    DateSetInput empty = test::DateSet(QString(), 1, 1, 1, 1);
    EXPECT_LT(StepDateSet(empty, stepDay, true, 0), 0);
    EXPECT_EQ(empty.intDay, 1);
}
