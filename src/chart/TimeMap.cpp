// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "chart/TimeMap.h"

#include "astro/AstroTables.h"
#include "astro/FastLongitudes.h"
#include "chart/AspectCalendar.h"
#include "chart/ChartModes.h"
#include "dates/DatePr2.h"
#include "platform/Calendar.h"
#include "settings/Configuration.h"
#include "util/WorkPool.h"
#include "text/Texts.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace qal {
namespace {

constexpr double kMonthDays = 365.25 / 12;

double FirstBeginning(const TimeMapRow& row)
{
    return row.stretches.empty() ? 0 : row.stretches.front().dblBegin;
}

platform::EuroDate DateOf(int intDayNumber)
{
    platform::EuroDate date;
    date.calendar = platform::kGregorian;
    date.dayNumber = intDayNumber;
    platform::JdnToEuroDate(date);
    return date;
}

// "Mar. 5" in English, "5. März" in German.
QString DayLabel(const platform::EuroDate& date)
{
    const QString strMonth = MonthName(date.month, true, intCurrentLanguage);
    return IsGerman() ? QString::number(date.day) + QStringLiteral(". ") + strMonth
                      : strMonth + QLatin1Char(' ') + QString::number(date.day);
}

} // namespace

QString TimeMapDayLabel(double dblMoment, int intZoneMinutes)
{
    return DayLabel(DateOf(platform::LocalDayNumber(dblMoment, intZoneMinutes)));
}

void TimeMapSpan(double dblNow, int intMonths, int intZoneMinutes, double& dblFrom, double& dblUntil)
{
    dblFrom = intMonths >= 12 ? MomentMonthsLater(dblNow, -1, intZoneMinutes) : dblNow - intMonths * kMonthDays / 13;
    dblUntil = MomentMonthsLater(dblFrom, intMonths, intZoneMinutes);
}

std::vector<TimeMapRow> ComputeTimeMap(const TimeMapRequest& request, const ConfigurationSettings& config,
    const OrbTable& udtOrbs, const WorkWatch& watch)
{
    const DurationInputs& chart = request.chart;
    const bool blnPersonal = IsPersonalMode(chart.intMode);
    AspectCalendarQuery query;
    query.dblFrom = request.dblFrom;
    query.dblUntil = request.dblUntil;
    if (blnPersonal) {
        query.dblNatalMoment = chart.dblChartJD[RuleOfMode(chart.intMode).intSlotDateSet[1]];
        query.dblNatalAngle[0] = chart.dblNatalAngle[0];
        query.dblNatalAngle[1] = chart.dblNatalAngle[1];
    }
    query.udtOrbs = udtOrbs;
    for (int k = 1; k <= intNumAspectKinds; ++k) {
        if (config.dblAspectColor[k] == 0) // a kind whose lines are off
            query.udtOrbs.dblOrb[k][0] = query.udtOrbs.dblOrb[k][1] = 0;
    }
    query.blnSidereal = chart.blnSidereal;
    query.pairWanted = [&](int a, int b) {
        // (a natal angle is a point, not an inner planet)
        if (!config.blnShowInnerPlanetAspects && ((a <= intMaxBodies && blnInnerPlanet[a]) || blnInnerPlanet[b]))
            return false;
        // The moving bodies: in a transit the second, in the sky both.
        const bool blnMovingMoon = b == intMoon || (!blnPersonal && a == intMoon);
        if (blnMovingMoon && !request.blnMovingMoon)
            return false;
        if (request.blnSlowOnly
            && (b < intJupiter || b == intMoon || (!blnPersonal && (a < intJupiter || a == intMoon))))
            return false;
        return true;
    };

    query.stopRequested = watch.stopRequested;

    std::map<std::tuple<int, int, int>, TimeMapRow> rows;
    AspectCalendar search(query, FastSource(chart.blnSidereal));
    AspectCalendarPiece piece;
    while (search.NextPiece(piece)) {
        watch.Progress((search.SearchedUntil() - request.dblFrom) / (request.dblUntil - request.dblFrom));
        for (const auto& aspect : piece.stretches) {
            TimeMapRow& row = rows[{ aspect->intFirstBody, aspect->intSecondBody, aspect->intKind }];
            row.intFirstBody = aspect->intFirstBody;
            row.intSecondBody = aspect->intSecondBody;
            row.intKind = aspect->intKind;
            row.blnNatal = aspect->blnNatal;
            row.dblOrb = aspect->dblOrb;
            row.stretches.push_back(aspect->stretch);
        }
    }
    if (search.Stopped())
        return {};
    std::vector<TimeMapRow> result;
    for (auto& [key, row] : rows)
        result.push_back(std::move(row));
    SortTimeMap(result, TimeMapOrder::FirstBeginning);
    return result;
}

std::vector<SkyEvent> ComputeTimeMapEvents(const TimeMapRequest& request, const WorkWatch& watch)
{
    SkyEventQuery query;
    query.dblFrom = request.dblFrom;
    query.dblUntil = request.dblUntil;
    query.kinds = kStations | kIngresses | kEclipses;
    query.intIngressBodies = (1u << intJupiter) | (1u << intSaturn) | (1u << intUranus) | (1u << intNeptune) | (1u << intPluto);
    query.blnSidereal = request.chart.blnSidereal;
    query.stopRequested = watch.stopRequested;
    return SkyEventsBetween(query, FastSource(request.chart.blnSidereal));
}

TimeMapComputed ComputeTimeMapWithEvents(const TimeMapRequest& request, const ConfigurationSettings& config,
    const OrbTable& udtOrbs, const WorkWatch& watch)
{
    TimeMapComputed map;
    map.rows = ComputeTimeMap(request, config, udtOrbs, watch);
    map.skyEvents = ComputeTimeMapEvents(request, watch);
    return map;
}

QString TimeMapSpanText(double dblFrom, double dblUntil, int intZoneMinutes)
{
    const auto day = [&](double t) {
        return JDNToDateText(platform::LocalDayNumber(t, intZoneMinutes), false, intCurrentLanguage);
    };
    return GetText(TextId::FromTo).replace(QStringLiteral("[from]"), day(dblFrom)).replace(QStringLiteral("[to]"), day(dblUntil));
}

AspectStretch StretchOfRow(const TimeMapRow& row, const OrbStretch& stretch)
{
    AspectStretch aspect;
    aspect.intFirstBody = row.intFirstBody;
    aspect.intSecondBody = row.intSecondBody;
    aspect.intKind = row.intKind;
    aspect.blnNatal = row.blnNatal;
    aspect.dblOrb = row.dblOrb;
    aspect.stretch = stretch;
    return aspect;
}

void SortTimeMap(std::vector<TimeMapRow>& rows, TimeMapOrder order)
{
    // The slow bodies first (Pluto before Jupiter), the Moon last.
    const auto moving = [](const TimeMapRow& r) { return r.intSecondBody == intMoon ? 0 : r.intSecondBody; };
    std::stable_sort(rows.begin(), rows.end(), [&](const TimeMapRow& x, const TimeMapRow& y) {
        switch (order) {
        case TimeMapOrder::MovingBody:
            return std::make_tuple(-moving(x), FirstBeginning(x)) < std::make_tuple(-moving(y), FirstBeginning(y));
        case TimeMapOrder::Kind:
            return std::make_tuple(x.intKind, FirstBeginning(x)) < std::make_tuple(y.intKind, FirstBeginning(y));
        case TimeMapOrder::FirstBeginning: break;
        }
        return FirstBeginning(x) < FirstBeginning(y);
    });
}

std::vector<TimeTick> TimeMapTicks(double dblFrom, double dblUntil, int intZoneMinutes)
{
    // The first midnight at or after the span's start, the last before its end.
    const int intFirstDay = platform::LocalDayNumber(dblFrom, intZoneMinutes)
        + (platform::LocalMidnight(platform::LocalDayNumber(dblFrom, intZoneMinutes), intZoneMinutes) < dblFrom ? 1 : 0);
    const int intLastDay = platform::LocalDayNumber(dblUntil, intZoneMinutes);
    const double dblDays = dblUntil - dblFrom;
    std::vector<TimeTick> ticks;
    for (int n = intFirstDay; n <= intLastDay; ++n) {
        const platform::EuroDate date = DateOf(n);
        const bool blnMonday = platform::EuroDayOfWeek(n) == 1;
        QString strLabel;
        bool blnTick = true;
        if (dblDays <= 16) {
            strLabel = DayLabel(date);
        } else if (dblDays <= 100) {
            strLabel = blnMonday ? DayLabel(date) : QString();
        } else if (dblDays <= 1100) {
            blnTick = date.day == 1 || (dblDays <= 400 && blnMonday);
            if (date.day == 1) {
                strLabel = MonthName(date.month, true, intCurrentLanguage);
                if (date.month == 1)
                    strLabel += QLatin1Char(' ') + QString::number(date.year);
            }
        } else {
            blnTick = date.day == 1 && (date.month - 1) % 3 == 0;
            if (blnTick && date.month == 1)
                strLabel = QString::number(date.year);
        }
        if (blnTick)
            ticks.push_back({ platform::LocalMidnight(n, intZoneMinutes), strLabel });
    }
    return ticks;
}

} // namespace qal
