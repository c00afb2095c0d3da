// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The time map's rows and date ticks: the rows are the aspect calendar's
// stretches and passes, and the ticks suit the span in either language.
#include "TestSupport.h"
#include "chart/ChartModes.h"
#include "chart/TimeMap.h"
#include "dates/DatePr2.h"
#include "platform/Calendar.h"
#include "settings/Configuration.h"
#include "text/Texts.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace qal;

namespace {

double Midnight(int y, int m, int d)
{
    platform::EuroDate date { y, m, d, platform::kGregorian, 0, 0 };
    return platform::EuroDateToJdn(date) - 0.5;
}

TEST(TimeMap, RowsAreTheCalendarsStretchesAndPasses)
{
    // Squares only, 6°, among the slow bodies in 2021.
    ConfigurationSettings config;
    for (int i = 0; i < 7; ++i)
        config.intOrbIndex[i] = i == 2 ? 6 : 0;
    TimeMapRequest request;
    request.chart.intMode = modePlanetary;
    request.dblFrom = Midnight(2021, 1, 1);
    request.dblUntil = Midnight(2022, 1, 1);
    request.blnSlowOnly = true;
    const std::vector<TimeMapRow> rows = ComputeTimeMap(request, config, OrbTableFor(config));
    // Saturn square Uranus: one row, two stretches, three marks, as the course of the aspect has them.
    const auto row = std::find_if(rows.begin(), rows.end(),
        [](const TimeMapRow& r) { return r.intFirstBody == 6 && r.intSecondBody == 7 && r.intKind == 3; });
    ASSERT_NE(row, rows.end());
    AspectCourseQuery query { 6, 7, 3, test::Rad(6), std::nullopt };
    const std::vector<OrbStretch> course
        = OrbStretches(PreciseSource(false), query, Midnight(2020, 7, 1), Midnight(2022, 7, 1));
    ASSERT_EQ(row->stretches.size(), 2u);
    ASSERT_EQ(course.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_NEAR(row->stretches[i].dblBegin, course[i].dblBegin, 1e-4);
        EXPECT_NEAR(row->stretches[i].dblEnd, course[i].dblEnd, 1e-4);
        ASSERT_EQ(row->stretches[i].exact.size(), course[i].exact.size());
        for (size_t j = 0; j < course[i].exact.size(); ++j)
            EXPECT_NEAR(row->stretches[i].exact[j], course[i].exact[j], 1e-4);
    }
    EXPECT_EQ(course[0].exact.size() + course[1].exact.size(), 3u);
    // Only the slow bodies, and rows in the order of their first beginning.
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_TRUE(rows[i].intFirstBody >= 5 && rows[i].intSecondBody >= 5 && rows[i].intSecondBody <= 9);
        if (i > 0) {
            EXPECT_LE(rows[i - 1].stretches.front().dblBegin, rows[i].stretches.front().dblBegin);
        }
    }
    // A kind whose lines are off has no rows.
    config.dblAspectColor[3] = 0;
    EXPECT_TRUE(ComputeTimeMap(request, config, OrbTableFor(config)).empty());
}

TEST(TimeMap, TicksSuitTheSpanInEitherLanguage)
{
    const auto labels = [](double dblFrom, double dblDays) {
        QStringList named;
        int intTicks = 0;
        for (const TimeTick& tick : TimeMapTicks(dblFrom, dblFrom + dblDays, 0)) {
            ++intTicks;
            if (!tick.strLabel.isEmpty())
                named << tick.strLabel;
        }
        return std::make_pair(intTicks, named);
    };
    // A month: a tick each day, the Mondays named.
    const auto [intDays, mondays] = labels(Midnight(2021, 3, 1), 30);
    EXPECT_EQ(intDays, 31); // both ends are midnights
    EXPECT_EQ(mondays, QStringList({ "Mar. 1", "Mar. 8", "Mar. 15", "Mar. 22", "Mar. 29" }));
    // A year: the months named, January with its year, Mondays between.
    const auto [intYearTicks, months] = labels(Midnight(2021, 1, 1) - 1.0 / 24, 365);
    EXPECT_EQ(months.size(), 12);
    EXPECT_EQ(months.front(), QStringLiteral("Jan. 2021"));
    EXPECT_GT(intYearTicks, 60);
    // Ten years: the years named, quarters between.
    const auto [intQuarters, years] = labels(Midnight(2020, 6, 1), 3653);
    EXPECT_EQ(years, QStringList({ "2021", "2022", "2023", "2024", "2025", "2026", "2027", "2028", "2029", "2030" }));
    EXPECT_EQ(intQuarters, 40);
    // In German.
    SetInterfaceLanguage(intLangGerman);
    EXPECT_EQ(labels(Midnight(2021, 3, 1), 8).second.value(0), QStringLiteral("1. März"));
    EXPECT_EQ(labels(Midnight(2021, 2, 20), 60).second.value(1), QStringLiteral("1. März"));
    SetInterfaceLanguage(intLangEnglish);
}

} // namespace

namespace {

// Spans of calendar months: ten years from a month before 6 December 2026
// end on 6 November 2036 (three leap days in between), at the same clock
// time in the zone; a month that lacks the day ends on its last.
TEST(TimeMap, SpansAreCalendarMonthsInTheZone)
{
    const double dblNow = Midnight(2026, 12, 6) + 0.5 - 1.0 / 24; // 12:00 in UTC+1
    double dblFrom = 0, dblUntil = 0;
    TimeMapSpan(dblNow, 120, 60, dblFrom, dblUntil);
    EXPECT_NEAR(dblFrom, Midnight(2026, 11, 6) + 0.5 - 1.0 / 24, 1e-9);
    EXPECT_NEAR(dblUntil, Midnight(2036, 11, 6) + 0.5 - 1.0 / 24, 1e-9);
    TimeMapSpan(dblNow, 13, 60, dblFrom, dblUntil);
    EXPECT_NEAR(dblUntil, Midnight(2027, 12, 6) + 0.5 - 1.0 / 24, 1e-9);
    EXPECT_NEAR(MomentMonthsLater(Midnight(2027, 1, 31), 1, 0), Midnight(2027, 2, 28), 1e-9);
    EXPECT_NEAR(MomentMonthsLater(Midnight(2028, 3, 31), -1, 0), Midnight(2028, 2, 29), 1e-9);
    // A short span starts a thirteenth of itself before the moment.
    TimeMapSpan(dblNow, 1, 0, dblFrom, dblUntil);
    EXPECT_NEAR(dblNow - dblFrom, 365.25 / 12 / 13, 1e-9);
}

} // namespace
