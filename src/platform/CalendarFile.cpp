// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "platform/CalendarFile.h"

#include "platform/Calendar.h"

#include <libical/ical.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace qal::platform {
namespace {

const char* const kEndLine = "END:VCALENDAR\r\n";

// A component's text as libical writes it (folded, escaped, CRLF), freed.
QString ComponentText(icalcomponent* component)
{
    char* text = icalcomponent_as_ical_string_r(component);
    const QString strText = QString::fromUtf8(text);
    std::free(text);
    icalcomponent_free(component);
    return strText;
}

// A moment in UTC, to the second.
icaltimetype UtcTime(double dblJD)
{
    const double dblSeconds = std::round((dblJD + 0.5) * 86400.0);
    const double dblDay = std::floor(dblSeconds / 86400.0);
    const int intSecondOfDay = static_cast<int>(dblSeconds - dblDay * 86400.0);
    EuroDate date;
    date.calendar = kGregorian;
    date.dayNumber = static_cast<int>(dblDay);
    JdnToEuroDate(date);
    icaltimetype t = icaltime_null_time();
    t.year = date.year;
    t.month = date.month;
    t.day = date.day;
    t.hour = intSecondOfDay / 3600;
    t.minute = intSecondOfDay / 60 % 60;
    t.second = intSecondOfDay % 60;
    t.is_date = 0;
    t.zone = icaltimezone_get_utc_timezone();
    return t;
}

icaltimetype UtcTime(const QDateTime& moment)
{
    const QDateTime utc = moment.toUTC();
    icaltimetype t = icaltime_null_time();
    t.year = utc.date().year();
    t.month = utc.date().month();
    t.day = utc.date().day();
    t.hour = utc.time().hour();
    t.minute = utc.time().minute();
    t.second = utc.time().second();
    t.zone = icaltimezone_get_utc_timezone();
    return t;
}

} // namespace

QString CalendarBegin(const QString& strName)
{
    icalcomponent* calendar = icalcomponent_vanew(ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"),
        icalproperty_new_prodid("-//QAL//Quick Aspect Lookup//EN"), icalproperty_new_calscale("GREGORIAN"),
        icalproperty_new_method(ICAL_METHOD_PUBLISH), nullptr);
    icalproperty* name = icalproperty_new_x(strName.toUtf8().constData());
    icalproperty_set_x_name(name, "X-WR-CALNAME");
    icalcomponent_add_property(calendar, name);
    QString strText = ComponentText(calendar);
    strText.chop(static_cast<int>(std::strlen(kEndLine)));
    return strText;
}

QString CalendarEventText(const CalendarEvent& udtEvent, const QDateTime& stamp)
{
    icalcomponent* event
        = icalcomponent_vanew(ICAL_VEVENT_COMPONENT, icalproperty_new_uid(udtEvent.strUid.toUtf8().constData()),
            icalproperty_new_dtstamp(UtcTime(stamp)), icalproperty_new_dtstart(UtcTime(udtEvent.dblStart)),
            icalproperty_new_summary(udtEvent.strSummary.toUtf8().constData()),
            icalproperty_new_description(udtEvent.strDescription.toUtf8().constData()),
            icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT), nullptr);
    if (udtEvent.dblEnd)
        icalcomponent_add_property(event, icalproperty_new_dtend(UtcTime(*udtEvent.dblEnd)));
    return ComponentText(event);
}

QString CalendarEnd()
{
    return QString::fromLatin1(kEndLine);
}

} // namespace qal::platform
