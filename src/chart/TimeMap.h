// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The time map of a chart: over a span of months or years one row per aspect
// (a pair of bodies and a kind) with each stretch within orb and each exact
// pass, and the dates across the top with ticks that suit the span. In the
// Planetary mode the aspects among the bodies of the sky, in the Personal
// modes the transits to the natal chart.
#pragma once

#include "aspects/AspectMoments.h"
#include "aspects/Orbs.h"
#include "chart/Durations.h"
#include "chart/SkyEvents.h"
#include "util/WorkWatch.h"

#include <QString>

#include <vector>

namespace qal {

struct ConfigurationSettings;

// The spans to choose from, in months, and the one shown first.
inline constexpr int kTimeMapSpanMonths[] = { 1, 3, 6, 13, 24, 60, 120 };
inline constexpr int intDefaultTimeMapSpan = 3; // 13 months: one before the current moment, twelve after

// The span of intMonths calendar months around the current moment dblNow
// (UT) in the zone: a year or more starts a month before it, a shorter span
// a thirteenth of itself; it ends intMonths months after its start (ten
// years from 6 November 2026 end on 6 November 2036).
void TimeMapSpan(double dblNow, int intMonths, int intZoneMinutes, double& dblFrom, double& dblUntil);

struct TimeMapRequest {
    DurationInputs chart; // the chart shown: its mode, moments, zone and zodiac
    double dblFrom = 0; // UT
    double dblUntil = 0;
    bool blnMovingMoon = false; // rows of the moving Moon
    bool blnSlowOnly = false; // only Jupiter to Pluto move (in the sky: both bodies)
};

struct TimeMapRow {
    int intFirstBody = 0; // the natal body of a transit
    int intSecondBody = 0; // the moving body of a transit
    int intKind = 0;
    bool blnNatal = false;
    double dblOrb = 0; // radians
    std::vector<OrbStretch> stretches; // each whole, in time order; at least one meets the span
};

// The rows of the chart's time map, in the order of their first beginning.
// The configuration decides as on the wheel: kinds whose lines are off
// (colour 0) and, when so switched, aspects of the inner planets are left out.
// The watch hears how far the span is searched; a request to stop ends the
// search within a pair of bodies, and the rows are then empty and not to be
// used.
std::vector<TimeMapRow> ComputeTimeMap(const TimeMapRequest& request, const ConfigurationSettings& config,
    const OrbTable& udtOrbs, const WorkWatch& watch = {});

// The sky's events of the strip above the rows: the stations of Mercury to
// Pluto, the ingresses of Jupiter to Pluto and the eclipses, in the chart's
// zodiac. A request to stop ends the search between pieces of the span (the
// events are then not to be used).
std::vector<SkyEvent> ComputeTimeMapEvents(const TimeMapRequest& request, const WorkWatch& watch = {});

// What the time map shows: its rows and the events of its strip, computed
// one after the other as the window and qal-cli show them (both not to be
// used after a request to stop).
struct TimeMapComputed {
    std::vector<TimeMapRow> rows;
    std::vector<SkyEvent> skyEvents;
};
TimeMapComputed ComputeTimeMapWithEvents(const TimeMapRequest& request, const ConfigurationSettings& config,
    const OrbTable& udtOrbs, const WorkWatch& watch = {});

// "March 5, 2018 to March 5, 2019": the span's first and last local days.
QString TimeMapSpanText(double dblFrom, double dblUntil, int intZoneMinutes);

// One stretch of a row as the calendar names and describes it.
struct AspectStretch;
AspectStretch StretchOfRow(const TimeMapRow& row, const OrbStretch& stretch);

enum class TimeMapOrder { FirstBeginning, MovingBody, Kind };
void SortTimeMap(std::vector<TimeMapRow>& rows, TimeMapOrder order);

struct TimeTick {
    double dblMoment = 0; // UT of a local midnight
    QString strLabel; // "" for a small tick
};

// The local day of a moment as the ticks name it: "Mar. 5", "5. März".
QString TimeMapDayLabel(double dblMoment, int intZoneMinutes);

// The ticks of the span in the zone: days for up to a fortnight, weeks
// (Mondays, days between) up to about three months, months up to three
// years (the year named at January), years beyond (quarters between).
// Labels in the interface language.
std::vector<TimeTick> TimeMapTicks(double dblFrom, double dblUntil, int intZoneMinutes);

} // namespace qal
