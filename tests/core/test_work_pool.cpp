// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The work pool: every index of a ForEach once, nested ones too, an
// exception passed on once all have ended; jobs that give their value or
// what they threw, report their progress and stop when asked, also in the
// middle of a long search, and a pool stopped while a search runs.
#include "TestSupport.h"
#include "chart/AspectCourse.h"
#include "chart/ChartCompute.h"
#include "chart/ChartModes.h"
#include "chart/Durations.h"
#include "chart/TimeMap.h"
#include "settings/Configuration.h"
#include "util/SearchThreads.h"
#include "util/WorkPool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

using namespace qal;

namespace {

constexpr double kPoolMarch2018 = 2458183.0; // 5 March 2018, 12:00 UT

// Ten years of the sky with the Moon: long enough to be stopped half-way.
TimeMapRequest TenYearsOfTheSky()
{
    TimeMapRequest request;
    request.chart.intMode = modePlanetary;
    request.chart.dblChartJD[0] = kPoolMarch2018;
    request.blnMovingMoon = true;
    request.dblFrom = kPoolMarch2018;
    request.dblUntil = kPoolMarch2018 + 3652.5;
    return request;
}

Job<std::vector<TimeMapRow>> StartTimeMap(const TimeMapRequest& request)
{
    return StartJob<std::vector<TimeMapRow>>([request](JobControl& control) {
        const ConfigurationSettings config;
        return ComputeTimeMap(request, config, OrbTableFor(config), WatchOf(control));
    });
}

void WaitFor(const std::function<bool()>& done)
{
    while (!done())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

TEST(WorkPool, ForEachCallsEveryIndexOnceAlsoNestedAndPassesOnWhatWasThrown)
{
    ASSERT_GT(WorkPoolWorkers(), 0); // the tests' runtime started the pool
    SetSearchThreads(2);
    std::vector<std::atomic<int>> calls(200);
    ForEach(calls.size(), [&](std::size_t i) {
        // Each call asks for more work on the pool: the caller works too, so no wait is left unserved.
        ForEach(5, [&](std::size_t) { calls[i]++; });
    });
    for (const std::atomic<int>& n : calls)
        EXPECT_EQ(n.load(), 5);

    std::atomic<int> intEnded { 0 };
    EXPECT_THROW(ForEach(50,
                     [&](std::size_t i) {
                         ++intEnded;
                         if (i == 7)
                             throw std::runtime_error("seven");
                     }),
        std::runtime_error);
    EXPECT_EQ(intEnded.load(), 50); // thrown only once every call had ended
    ForEach(0, [](std::size_t) { FAIL(); });
}

TEST(WorkPool, JobsGiveTheirValueOrWhatTheyThrewAndTheirProgress)
{
    Job<int> answer = StartJob<int>([](JobControl& control) {
        control.SetProgress(0.5);
        return 42;
    });
    EXPECT_EQ(answer.Take(), 42);
    EXPECT_FALSE(answer.Valid());

    Job<int> failing = StartJob<int>([](JobControl&) -> int { throw std::invalid_argument("no"); });
    EXPECT_THROW(failing.Take(), std::invalid_argument);

    // Jobs kept waiting in the queue: dropped before they begin, they never run.
    std::atomic<bool> blnRan { false };
    {
        const test::WorkPoolHold busy;
        Job<int> never = StartJob<int>([&](JobControl&) {
            blnRan = true;
            return 1;
        });
        EXPECT_FALSE(never.Ready());
    }
    EXPECT_FALSE(blnRan.load());
}

// Asked to stop half-way, the ten years end within moments and say so by
// their progress; dropped while it runs, a search is waited for; and the pool
// stopped while a search runs lets it end first (as at exit).
TEST(WorkPool, ASearchStopsWhenAskedAndThePoolStopsAfterIt)
{
    Job<std::vector<TimeMapRow>> map = StartTimeMap(TenYearsOfTheSky());
    WaitFor([&] { return map.Ready() || map.Control().Progress() > 0.2; });
    ASSERT_FALSE(map.Ready()) << "the map was done before it could be stopped";
    map.Control().RequestStop();
    WaitFor([&] { return map.Ready(); });
    EXPECT_LT(map.Control().Progress(), 0.9);
    map.Take();

    Job<std::vector<TimeMapRow>> dropped = StartTimeMap(TenYearsOfTheSky());
    WaitFor([&] { return dropped.Control().Progress() > 0; });
    dropped = {}; // asked to stop and waited for, here

    // The courses of a report, worked out on the pool while the pool is
    // stopped and started again.
    const ChartRequest request { modePlanetary, { kPoolMarch2018 } };
    ChartResult chart;
    ComputeChart(request, udtConfig, udtOrbTable, chart);
    const DurationInputs in { modePlanetary, { kPoolMarch2018 }, kPoolMarch2018, 0 };
    const QStringList records = DurationRecords(chart.udtGrid, in, udtOrbTable);
    const OrbTable orbs = udtOrbTable;
    const DurationCourses direct = WorkOutCourses(records, in, orbs, {}, 0, {}); // on several threads
    EXPECT_EQ(direct.aspects.size(), records.size());
    Job<DurationCourses> courses = StartJob<DurationCourses>([&](JobControl& control) {
        return WorkOutCourses(records, in, orbs, {}, 0, WatchOf(control));
    });
    StopWorkPool(); // the workers finish what they began; what waits runs here
    EXPECT_TRUE(courses.Ready());
    StartWorkPool();
    EXPECT_EQ(courses.Take().aspects.size(), records.size());
    EXPECT_GT(WorkPoolWorkers(), 0);
}

} // namespace
