// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "chart/AspectCalendarEvents.h"

#include "astro/FastLongitudes.h"
#include "chart/SkyEventTexts.h"

#include "astro/AstroTables.h"
#include "astro/ChartAngles.h"
#include "chart/AspectCourse.h"
#include "chart/ChartModes.h"
#include "dates/TimeZones.h"
#include "text/Texts.h"

#include <QCryptographicHash>

#include <algorithm>
#include <cmath>

namespace qal {
namespace {

// A UID that depends only on what the event is: the aspect, the chart it
// belongs to and the UT day of its moment, never on the span searched.
QString Uid(const AspectStretch& aspect, const CalendarSource& from, const char* strWhat, double dblMoment)
{
    const long long intDay = static_cast<long long>(std::floor(dblMoment + 0.5));
    return CalendarUid(QStringLiteral("%1-%2-%3-%4-%5")
                           .arg(QString::fromLatin1(strWhat))
                           .arg(aspect.intFirstBody)
                           .arg(aspect.intSecondBody)
                           .arg(aspect.intKind)
                           .arg(intDay),
        from);
}

} // namespace

QString CalendarUid(const QString& strWhat, const CalendarSource& from)
{
    QString strKey = strWhat;
    if (from.dblNatalMoment)
        strKey += QStringLiteral("-natal-%1").arg(std::llround(*from.dblNatalMoment * 1440));
    if (from.blnSidereal)
        strKey += QStringLiteral("-sidereal");
    const QByteArray hash = QCryptographicHash::hash(strKey.toUtf8(), QCryptographicHash::Sha1).toHex().left(24);
    return QString::fromLatin1(hash) + QStringLiteral("@qal");
}

QString StretchDescription(const AspectStretch& aspect, int intZoneMinutes)
{
    const int z = intZoneMinutes;
    return GetText(TextId::Orb) + QLatin1Char(' ') + AngleToDegMinText(aspect.dblOrb, true) + QLatin1Char('\n')
        + ExactMomentsText(aspect.stretch, z) + QLatin1Char('\n') + StretchText(aspect.stretch, z) + QLatin1Char('\n')
        + GetText(TextId::TimesIn).replace(QStringLiteral("[zone]"), QStringLiteral("UTC") + UtcOffsetText(z));
}

QString AspectName(const AspectStretch& aspect)
{
    const QString strFirst = aspect.blnNatal
        ? GetText(TextId::NatalLower) + QLatin1Char(' ') + PointName(aspect.intFirstBody)
        : PointName(aspect.intFirstBody);
    return strBodyName[aspect.intSecondBody] + QLatin1Char(' ') + udtAspectText[aspect.intKind].Phrase
        + QLatin1Char(' ') + strFirst;
}

QString PassText(int intPass, int intPasses)
{
    return GetText(TextId::PassOf)
        .replace(QStringLiteral("[n]"), QString::number(intPass))
        .replace(QStringLiteral("[m]"), QString::number(intPasses));
}

platform::CalendarEvent PassEvent(const AspectStretch& aspect, int intPass, const CalendarSource& from)
{
    const double t = aspect.stretch.exact[static_cast<size_t>(intPass - 1)];
    const int intPasses = static_cast<int>(aspect.stretch.exact.size());
    platform::CalendarEvent event;
    event.strUid = Uid(aspect, from, "exact", t);
    event.strSummary = AspectName(aspect) + QStringLiteral(" (") + GetText(TextId::EventExact) + QStringLiteral(", ")
        + PassText(intPass, intPasses) + QLatin1Char(')');
    event.strDescription = StretchDescription(aspect, from.intZoneMinutes);
    event.dblStart = t;
    return event;
}

platform::CalendarEvent StretchEvent(const AspectStretch& aspect, const CalendarSource& from)
{
    platform::CalendarEvent event;
    event.strUid = Uid(aspect, from, "orb", aspect.stretch.dblBegin);
    event.strSummary = AspectName(aspect) + QStringLiteral(" (") + GetText(TextId::WithinOrb) + QLatin1Char(')');
    event.strDescription = StretchDescription(aspect, from.intZoneMinutes);
    event.dblStart = aspect.stretch.dblBegin;
    event.dblEnd = aspect.stretch.dblEnd;
    return event;
}

QString DurationsCalendarText(
    const std::vector<AspectStretch>& aspects, const DurationInputs& in, const QDateTime& stamp, bool blnSkyEvents)
{
    CalendarSource from;
    if (IsPersonalMode(in.intMode))
        from.dblNatalMoment = in.dblChartJD[RuleOfMode(in.intMode).intSlotDateSet[1]];
    from.blnSidereal = in.blnSidereal;
    from.intZoneMinutes = in.intTimezoneMinutes;
    QString strText = platform::CalendarBegin(GetText(TextId::AppTitle));
    for (const AspectStretch& aspect : aspects) {
        strText += platform::CalendarEventText(StretchEvent(aspect, from), stamp);
        for (int i = 1; i <= static_cast<int>(aspect.stretch.exact.size()); ++i)
            strText += platform::CalendarEventText(PassEvent(aspect, i, from), stamp);
    }
    if (blnSkyEvents && !aspects.empty()) {
        const double dblChart = in.dblChartJD[0];
        SkyEventQuery query;
        query.dblFrom = dblChart, query.dblUntil = dblChart;
        for (const AspectStretch& aspect : aspects) {
            query.dblFrom = std::min(query.dblFrom, aspect.stretch.dblBegin);
            query.dblUntil = std::max(query.dblUntil, aspect.stretch.dblEnd);
        }
        query.dblFrom = std::max(query.dblFrom, dblChart - 366);
        query.dblUntil = std::min(query.dblUntil, dblChart + 366);
        query.blnSidereal = in.blnSidereal;
        query.dblNatalMoment = from.dblNatalMoment;
        for (const SkyEvent& e : SkyEventsBetween(query, FastSource(in.blnSidereal))) {
            if (const auto event = SkyCalendarEvent(e, from, query.dblFrom))
                strText += platform::CalendarEventText(*event, stamp);
        }
    }
    return strText + platform::CalendarEnd();
}

} // namespace qal
