// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "dates/DatePr2.h"

#include "platform/Clock.h"
#include "platform/ZoneHistory.h"
#include "text/Texts.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <utility>

namespace qal {

namespace {
int g_intComputerTzMinutes = 0; // intComputerTzMinutes' storage
} // namespace

const int& intComputerTzMinutes = g_intComputerTzMinutes;

void SetComputerTimeZoneMinutes(int intMinutes)
{
    g_intComputerTzMinutes = intMinutes;
}

namespace {

const char* const kMonthsEnglish[13] = { "", "January", "February", "March", "April", "May", "June", "July", "August",
    "September", "October", "November", "December" };
const char* const kMonthsEnglishShort[13]
    = { "", "Jan.", "Feb.", "Mar.", "Apr.", "May", "June", "July", "Aug.", "Sept.", "Oct.", "Nov.", "Dec." };
const char* const kMonthsGerman[13] = { "", "Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August",
    "September", "Oktober", "November", "Dezember" };
const char* const kMonthsGermanShort[13]
    = { "", "Jan.", "Feb.", "März", "Apr.", "Mai", "Juni", "Juli", "Aug.", "Sept.", "Okt.", "Nov.", "Dez." };
const char* const kWeekdaysEnglish[7]
    = { "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday" };
const char* const kWeekdaysGerman[7]
    = { "Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag" };

QString TwoDigits(long long v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

// Steps 1 to 6 shared by both readers: the day number of the date set, or a code.
double ReadDayNumber(DateSetInput& udtInput, int& intDayNumber)
{
    udtInput.strYear = CleanIntegerText(udtInput.strYear, false, false);
    if (udtInput.strYear.isEmpty() || udtInput.intMonth == 0 || udtInput.intDay == 0)
        return dblDateIncomplete;
    bool blnOk = false;
    const long long y = udtInput.strYear.toLongLong(&blnOk);
    if (!blnOk || y > intMaxYear)
        return dblDateTooLate;
    if (y < 1)
        return dblDateTooEarly;
    EuroDate udtDate;
    udtDate.year = static_cast<int>(y);
    udtDate.month = udtInput.intMonth;
    udtDate.day = udtInput.intDay;
    udtDate.calendar = udtInput.blnJulian ? platform::kJulian : platform::kGregorian;
    const int n = platform::EuroDateToJdn(udtDate);
    if (udtDate.valid == 0)
        return dblDateImpossible;
    if (n < intFirstDayNumber)
        return dblDateTooEarly;
    if (n > intLastDayNumber)
        return dblDateTooLate;
    if (udtInput.intHour == 0)
        udtInput.intHour = intNoonHourIndex;
    intDayNumber = n;
    return 0;
}

} // namespace

QStringList MonthListItems(int intLanguage)
{
    QStringList items;
    for (int m = 0; m <= 12; ++m)
        items << MonthName(m, false, intLanguage);
    return items;
}

QStringList DayListItems()
{
    QStringList items { QString() };
    for (int d = 1; d <= 31; ++d)
        items << QString::number(d);
    return items;
}

QStringList HourListItems()
{
    QStringList items { QString() };
    for (int h = 0; h <= 23; ++h)
        items << TwoDigits(h) + QStringLiteral(":00") << TwoDigits(h) + QStringLiteral(":30");
    return items;
}

bool HasBirthData(const DateSetInput& udtInput)
{
    return udtInput.intClockSeconds >= 0 || udtInput.blnJulian || udtInput.place.HasZone()
        || !udtInput.place.strName.isEmpty() || udtInput.place.blnHasCoordinates;
}

int ParseClockText(const QString& strText)
{
    static const QRegularExpression clock(QStringLiteral("^\\s*(\\d{1,2}):?(\\d{2})(?::(\\d{2}))?\\s*$"));
    const QRegularExpressionMatch m = clock.match(strText);
    if (!m.hasMatch())
        return -1;
    const int h = m.captured(1).toInt(), mi = m.captured(2).toInt(), s = m.hasCaptured(3) ? m.captured(3).toInt() : 0;
    if (h > 23 || mi > 59 || s > 59)
        return -1;
    return h * 3600 + mi * 60 + s;
}

QString ClockText(int intSeconds)
{
    QString strText = TwoDigits(intSeconds / 3600) + QLatin1Char(':') + TwoDigits(intSeconds / 60 % 60);
    if (intSeconds % 60 != 0)
        strText += QLatin1Char(':') + TwoDigits(intSeconds % 60);
    return strText;
}

QString DateSetClockText(const DateSetInput& udtInput)
{
    if (udtInput.intClockSeconds >= 0)
        return ClockText(udtInput.intClockSeconds);
    return udtInput.intHour >= 1 && udtInput.intHour < intHourListCount ? ClockText((udtInput.intHour - 1) * 1800)
                                                                        : QString();
}

QString DateSetDateText(const DateSetReading& reading, const DateSetInput& udtInput, bool blnAbbreviated)
{
    if (!udtInput.blnJulian)
        return JDNToDateText(reading.intDayNumber, blnAbbreviated, intCurrentLanguage);
    return JDNToDateText(reading.intDayNumber, blnAbbreviated, intCurrentLanguage, platform::kJulian)
        + QStringLiteral(" (") + GetText(TextId::JulianCalendarMark) + QLatin1Char(')');
}

DateSetReading ReadDateSet(DateSetInput& udtInput, int intComputerTzIndex, bool blnNorthAmerican)
{
    DateSetReading reading;
    int n = 0;
    const double dblCode = ReadDayNumber(udtInput, n);
    if (dblCode < 0) {
        reading.dblMoment = dblCode;
        return reading;
    }
    if (udtInput.intClockSeconds == intClockUnreadable) {
        reading.dblMoment = dblClockUnreadable;
        return reading;
    }
    reading.intDayNumber = n;
    reading.intClockSeconds
        = udtInput.intClockSeconds >= 0 ? udtInput.intClockSeconds : (udtInput.intHour - 1) * 1800;
    if (udtInput.place.HasZone()) {
        constexpr long long kUnixDay = 2440588; // the day number of 1970-01-01
        const long long intLocalSeconds = (n - kUnixDay) * 86400LL + reading.intClockSeconds;
        reading.clock = ReadPlaceClock(udtInput.place, intLocalSeconds, udtInput.repeated);
        switch (reading.clock.kind) {
        case PlaceClock::Kind::UnknownZone: reading.dblMoment = dblZoneUnknown; return reading;
        case PlaceClock::Kind::Skipped: reading.dblMoment = dblClockSkipped; return reading;
        case PlaceClock::Kind::Twice: reading.dblMoment = dblClockTwice; return reading;
        case PlaceClock::Kind::Known: break;
        }
        udtInput.intTimezone = intPlaceZoneIndex;
        reading.intOffsetSeconds = reading.clock.intOffsetSeconds;
        reading.strZoneText = ZoneEntryText(reading.clock.intOffsetSeconds, reading.clock.strAbbreviation);
    } else {
        if ((udtInput.intTimezone == 0 || udtInput.intTimezone >= intTimezoneListCount) && intComputerTzIndex > 0
            && intComputerTzIndex < intTimezoneListCount)
            udtInput.intTimezone = intComputerTzIndex;
        if (udtInput.intTimezone >= intTimezoneListCount)
            udtInput.intTimezone = 0;
        reading.intOffsetSeconds = TimezoneItemValue(udtInput.intTimezone) * 60;
        reading.strZoneText = TimezoneListItems(blnNorthAmerican).value(udtInput.intTimezone);
    }
    // Grouped as the list's reading always was, so that its moments stay the same to the last bit.
    reading.dblMoment = (n + reading.intClockSeconds / 86400.0) - reading.intOffsetSeconds / 86400.0 - 0.5;
    return reading;
}

DateSetTexts TextsOfDateSet(DateSetInput udtInput, int intComputerTzIndex, bool blnNorthAmerican, bool blnAbbreviated)
{
    const DateSetReading reading = ReadDateSet(udtInput, intComputerTzIndex, blnNorthAmerican);
    if (reading.intDayNumber == 0) // the date itself could not be read
        return {};
    DateSetTexts texts;
    texts.strDate = DateSetDateText(reading, udtInput, blnAbbreviated);
    texts.strClock = DateSetClockText(udtInput);
    texts.strZone = reading.dblMoment >= 0 ? reading.strZoneText : udtInput.place.strZoneId;
    return texts;
}

double DateSetToDayValue(DateSetInput& udtInput)
{
    int n = 0;
    const double dblCode = ReadDayNumber(udtInput, n);
    if (dblCode < 0)
        return dblCode;
    if (udtInput.intClockSeconds == intClockUnreadable)
        return dblClockUnreadable;
    const int intSeconds = udtInput.intClockSeconds >= 0 ? udtInput.intClockSeconds : (udtInput.intHour - 1) * 1800;
    return n + intSeconds / 86400.0;
}

double DateSetToMoment(DateSetInput& udtInput, int intComputerTzIndex)
{
    return ReadDateSet(udtInput, intComputerTzIndex).dblMoment;
}

QString MonthName(int m, bool blnAbbreviated, int intLanguage)
{
    if (m < 0 || m > 12)
        return {};
    const bool blnGerman = intLanguage == intLangGerman;
    const char* const* table = blnGerman ? (blnAbbreviated ? kMonthsGermanShort : kMonthsGerman)
                                         : (blnAbbreviated ? kMonthsEnglishShort : kMonthsEnglish);
    return QString::fromUtf8(table[m]);
}

QString DateTimeZoneText(double dblDayValue, const QString& strTime, const QString& strZone, bool blnAbbreviated)
{
    return JDNToDateText(static_cast<int>(std::floor(dblDayValue)), blnAbbreviated, intCurrentLanguage)
        + QStringLiteral(", ") + strTime + QStringLiteral(" (") + strZone + QLatin1Char(')');
}

QString JDNToDateText(int n, bool blnAbbreviated, int intLanguage, int intCalendar)
{
    const bool blnGerman = intLanguage == intLangGerman;
    EuroDate udtDate;
    udtDate.calendar = intCalendar;
    udtDate.dayNumber = n;
    platform::JdnToEuroDate(udtDate);
    QString strYear = QString::number(udtDate.year);
    if (udtDate.year > 9999 || udtDate.year < -9999)
        strYear = SeparateThousands(strYear, blnGerman ? QStringLiteral(".") : QStringLiteral(","));
    const QString strMonth = MonthName(udtDate.month, blnAbbreviated, intLanguage);
    if (blnGerman)
        return QString::number(udtDate.day) + QLatin1Char('.') + strMonth + QLatin1Char(' ') + strYear;
    return strMonth + QLatin1Char(' ') + QString::number(udtDate.day) + QStringLiteral(", ") + strYear;
}

QString EuroDateToText(const EuroDate& udtDate)
{
    return QString::number(udtDate.year) + QLatin1Char('-') + TwoDigits(udtDate.month) + QLatin1Char('-')
        + TwoDigits(udtDate.day);
}

QString IsoDateText(const EuroDate& udtDate)
{
    return QStringLiteral("%1").arg(udtDate.year, 4, 10, QLatin1Char('0')) + QLatin1Char('-') + TwoDigits(udtDate.month)
        + QLatin1Char('-') + TwoDigits(udtDate.day);
}

QString DayFractionToText(double f, bool blnWithSeconds)
{
    if (!(f >= 0) || f >= 1)
        return QStringLiteral("XX:XX:XX");
    if (f > 0 && f < 0.99999999)
        f += 0.00000001; // a hair below a whole second is not cut down
    long long s = static_cast<long long>(std::floor(f * 86400));
    if (s == 86400)
        s = 86399;
    const long long sec = s % 60;
    const long long min = ((s - sec) / 60) % 60;
    const long long hr = ((s - sec) / 60 - min) / 60;
    QString strText = TwoDigits(hr) + QLatin1Char(':') + TwoDigits(min);
    if (blnWithSeconds)
        strText += QLatin1Char(':') + TwoDigits(sec);
    return strText;
}

void RoundToHalfHour(double& x)
{
    if (!(std::fabs(x) < 1e15))
        return;
    double n = std::floor(x);
    const double f = x - n;
    if (f == 0)
        return;
    const long long t = static_cast<long long>(std::nearbyint(f * 1440)); // halves to even
    long long h = t / 30;
    if (t % 30 > 15)
        ++h;
    if (h == 48) {
        h = 0;
        n += 1;
    }
    x = n + h / 48.0;
}

QString WeekdayText(int w, int intLanguage)
{
    if (w < 0 || w > 6)
        return {};
    return QString::fromUtf8(intLanguage == intLangGerman ? kWeekdaysGerman[w] : kWeekdaysEnglish[w]);
}

QString DayOfWeekText(int n, int intLanguage)
{
    return WeekdayText(platform::EuroDayOfWeek(n), intLanguage);
}

QString SeparateThousands(const QString& strNumber, const QString& strSeparator)
{
    if (strSeparator.isEmpty())
        return strNumber;
    return platform::SeparateThousands(strNumber, strSeparator.at(0));
}

bool IsLeapYear(int y, const QString& strCalendar)
{
    if (strCalendar.left(1).toUpper() == QLatin1String("J"))
        return y % 4 == 0;
    return platform::IsGregorianLeapYear(y);
}

int DaysInMonth(int m, int y)
{
    return platform::GregorianMonthLength(m, y);
}

QString CleanIntegerText(const QString& strText, bool blnAllowMinus, bool blnAllowPlus)
{
    QString strKept;
    for (const QChar c : strText) {
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') || c == QLatin1Char('+'))
            strKept += c;
    }
    if (strKept.isEmpty())
        return {};
    QString strResult;
    const QChar chrFirst = strKept.at(0);
    const bool blnDropFirst
        = (chrFirst == QLatin1Char('-') && !blnAllowMinus) || (chrFirst == QLatin1Char('+') && !blnAllowPlus);
    if (!blnDropFirst)
        strResult += chrFirst;
    for (qsizetype i = 1; i < strKept.size(); ++i) {
        if (strKept.at(i).isDigit())
            strResult += strKept.at(i);
    }
    return strResult;
}

int GetComputerTimeZoneMinutes()
{
    return static_cast<int>(std::nearbyint(-platform::GetTimezoneSeconds() / 60.0));
}

void SetComputerTimeZone()
{
    const int intMinutes = GetComputerTimeZoneMinutes();
    // Lists without Nepal's +5:45 showed it as +5:30; a list with its own entry keeps it.
    SetComputerTimeZoneMinutes(intMinutes == 345 && TimezoneIndexOfMinutes(345) == 0 ? 330 : intMinutes);
}

double GetComputerAJDate()
{
    const QDateTime now = platform::ComputerLocalNow();
    const QDate date = now.date();
    const QTime time = now.time();
    EuroDate udtDate;
    udtDate.year = date.year();
    udtDate.month = date.month();
    udtDate.day = date.day();
    udtDate.calendar = platform::kGregorian;
    const int n = platform::EuroDateToJdn(udtDate);
    const int z = GetComputerTimeZoneMinutes();
    return n + (3600.0 * time.hour() + 60.0 * time.minute() + time.second() - 60.0 * z) / 86400.0 - 0.5;
}

namespace {

// The local date and the time of day of a moment.
std::pair<EuroDate, double> LocalDateAndTime(double dblMoment, int intZoneMinutes, bool blnRoundToMinute)
{
    const double dblLocal = dblMoment + 0.5 + intZoneMinutes / 1440.0;
    // Cut, a moment a hair below a whole minute (from arithmetic on days) still reads as that minute.
    const double x = blnRoundToMinute ? std::round(dblLocal * 1440) / 1440 : dblLocal + 1e-8;
    EuroDate date;
    date.calendar = platform::kGregorian;
    date.dayNumber = static_cast<int>(std::floor(x));
    platform::JdnToEuroDate(date);
    return { date, x - std::floor(x) };
}

} // namespace

double MomentMonthsLater(double dblMoment, int intMonths, int intZoneMinutes)
{
    const double dblLocal = dblMoment + 0.5 + intZoneMinutes / 1440.0;
    const double dblDay = std::floor(dblLocal);
    EuroDate date;
    date.calendar = platform::kGregorian;
    date.dayNumber = static_cast<int>(dblDay);
    platform::JdnToEuroDate(date);
    const int intMonthIndex = date.year * 12 + (date.month - 1) + intMonths;
    date.year = intMonthIndex / 12; // years here are positive
    date.month = intMonthIndex % 12 + 1;
    date.day = std::min(date.day, platform::GregorianMonthLength(date.month, date.year));
    return platform::EuroDateToJdn(date) + (dblLocal - dblDay) - 0.5 - intZoneMinutes / 1440.0;
}

QString LocalMomentText(double dblMoment, int intZoneMinutes, bool blnRoundToMinute)
{
    const auto [date, dblTime] = LocalDateAndTime(dblMoment, intZoneMinutes, blnRoundToMinute);
    return EuroDateToText(date) + QLatin1Char(' ') + DayFractionToText(dblTime, false);
}

QString IsoLocalMomentText(double dblMoment, int intZoneMinutes, bool blnRoundToMinute)
{
    const auto [date, dblTime] = LocalDateAndTime(dblMoment, intZoneMinutes, blnRoundToMinute);
    return IsoDateText(date) + QLatin1Char(' ') + DayFractionToText(dblTime, false);
}

namespace {

// The list indices of a local day value rounded to the half hour.
DateSetInput DateSetOfDayValue(double x)
{
    RoundToHalfHour(x);
    EuroDate udtDate;
    udtDate.calendar = platform::kGregorian;
    udtDate.dayNumber = static_cast<int>(std::floor(x));
    platform::JdnToEuroDate(udtDate);
    DateSetInput udtNow;
    udtNow.strYear = QString::number(udtDate.year);
    udtNow.intMonth = udtDate.month;
    udtNow.intDay = udtDate.day;
    const QString strTime = DayFractionToText(x - std::floor(x), false);
    udtNow.intHour = strTime.left(2).toInt() * 2 + 1 + (strTime.right(2) == QLatin1String("30") ? 1 : 0);
    return udtNow;
}

} // namespace

DateSetInput DateSetAtMoment(const DateSetInput& udtLike, double dblMoment)
{
    constexpr double kUnixDay = 2440588; // the day number of 1970-01-01
    const long long intUtc = std::llround((dblMoment - kUnixDay + 0.5) * 1440) * 60;
    const auto offsetAt = [&](long long t) {
        return udtLike.place.HasZone() ? platform::ZoneOffsetAt(udtLike.place.strZoneId, t).intSeconds
                                       : TimezoneItemValue(udtLike.intTimezone) * 60;
    };
    const long long intLocal = intUtc + offsetAt(intUtc);
    const long long intDay = static_cast<long long>(std::floor(intLocal / 86400.0));
    const int intSecondOfDay = static_cast<int>(intLocal - intDay * 86400);
    DateSetInput udtSet = DateSetOfDayValue(kUnixDay + static_cast<double>(intDay));
    udtSet.intHour = intSecondOfDay / 1800 + 1;
    udtSet.intClockSeconds = intSecondOfDay % 1800 == 0 ? intClockFromList : intSecondOfDay;
    udtSet.intTimezone = udtLike.intTimezone;
    udtSet.place = udtLike.place;
    // Before the clocks go back the first of the hour shown twice, after it the second.
    constexpr long long intTwoHours = 7200;
    if (offsetAt(intUtc) > offsetAt(intUtc + intTwoHours))
        udtSet.repeated = RepeatedTime::Earlier;
    else if (offsetAt(intUtc) < offsetAt(intUtc - intTwoHours))
        udtSet.repeated = RepeatedTime::Later;
    return udtSet;
}

DateSetInput DateSetForNow(int intComputerTzIndex)
{
    const bool blnInList = intComputerTzIndex > 0;
    DateSetInput udtNow = DateSetOfDayValue(GetComputerAJDate() + 0.5 + (blnInList ? intComputerTzMinutes : 0) / 1440.0);
    udtNow.intTimezone = blnInList ? intComputerTzIndex : intGmtIndex;
    return udtNow;
}

DateSetInput DateSetForNowIn(const QString& strZoneId)
{
    constexpr double kUnixDay = 2440588; // the day number of 1970-01-01
    const long long intUtc = platform::ClockNowUtc().toSecsSinceEpoch();
    const long long intLocal = intUtc + platform::ZoneOffsetAt(strZoneId, intUtc).intSeconds;
    DateSetInput udtNow = DateSetOfDayValue(kUnixDay + intLocal / 86400.0);
    udtNow.place.strZoneId = strZoneId;
    udtNow.intTimezone = intPlaceZoneIndex;
    return udtNow;
}

} // namespace qal
