// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "chart/PatternSearch.h"

#include "util/SearchThreads.h"
#include "util/WorkPool.h"

#include <algorithm>
#include <deque>

namespace qal {
namespace {

constexpr double kSpanReachDays = 3660; // the outer planets' patterns last years
constexpr double kSameMoment = 1.0 / 1440; // formations less than a minute apart are one

using Bodies = std::vector<int>;

bool Holds(const std::vector<Bodies>& list, const Bodies& bodies)
{
    return std::find(list.begin(), list.end(), bodies) != list.end();
}

// The formations within one step between two charts.
class Step {
public:
    Step(const LongitudeSource& source, const OrbTable& udtOrbs, const PatternSearchQuery& query)
        : m_source(source)
        , m_orbs(udtOrbs)
        , m_query(query)
    {
    }

    // The formations from tBefore to t, in time order: each new occurrence
    // of sky (those of the same minute together), or with intAtLeast above 1
    // the moment the count first reached it, with every occurrence holding.
    std::vector<PatternFormation> Formations(const std::vector<Bodies>& before, double tBefore, const PatternSky& sky,
        const std::vector<Bodies>& now, double t) const
    {
        std::vector<Bodies> formed;
        for (const Bodies& bodies : now) {
            if (!Holds(before, bodies))
                formed.push_back(bodies);
        }
        // Each new one formed at its span's start, within the step.
        std::vector<std::pair<double, SpannedOccurrence>> fresh;
        for (SpannedOccurrence& o : Spanned(sky, formed, t)) {
            const bool blnKnown = o.span && o.span->blnFormedFound;
            fresh.emplace_back(blnKnown ? std::clamp(o.span->dblFormed, tBefore, t) : t, std::move(o));
        }
        std::stable_sort(fresh.begin(), fresh.end(), [](const auto& x, const auto& y) { return x.first < y.first; });

        std::vector<PatternFormation> formations;
        for (size_t i = 0; i < fresh.size();) {
            const double m = fresh[i].first;
            const PatternSky after = SkyAt(m + kSameMoment / 2); // just after it formed
            const std::vector<Bodies> holding = PatternKindBodies(after, m_query.intKind);
            PatternFormation formation { m, static_cast<int>(holding.size()), {} };
            for (; i < fresh.size() && fresh[i].first - m < kSameMoment; ++i)
                formation.occurrences.push_back(std::move(fresh[i].second));
            if (m_query.intAtLeast <= 1) {
                formations.push_back(std::move(formation));
            } else if (formation.intCount >= m_query.intAtLeast) {
                formation.occurrences = Spanned(after, holding, m + kSameMoment / 2);
                formations.push_back(std::move(formation));
                break; // the count rose to it once in this step
            }
        }
        return formations;
    }

    PatternSky SkyAt(double t) const
    {
        double L[intMaxBodies + 1] = {};
        for (int b = 1; b <= intMaxBodies; ++b)
            L[b] = m_source(b, t);
        return MakePatternSky(L, intMaxBodies, m_orbs, m_query.dblMidpointOrb);
    }

private:
    // The occurrences of the kind among the sky's lines with the wanted
    // bodies, with their spans around t.
    std::vector<SpannedOccurrence> Spanned(const PatternSky& sky, const std::vector<Bodies>& wanted, double t) const
    {
        std::vector<SpannedOccurrence> result;
        if (wanted.empty())
            return result;
        for (const PatternOccurrence& p : PatternKindOccurrences(sky, m_query.intKind)) {
            if (Holds(wanted, p.bodies))
                result.push_back(
                    { p, PatternSpanAround(m_source, p, m_orbs, m_query.dblMidpointOrb, t, kSpanReachDays) });
        }
        return result;
    }

    const LongitudeSource& m_source;
    const OrbTable& m_orbs;
    const PatternSearchQuery& m_query;
};

// What one run of charts found: its formations in time order, how many
// charts it looked at and the last moment it looked at.
struct Run {
    std::vector<PatternFormation> formations;
    long long intCharts = 0;
    double dblReached = 0;
};

// The charts i0 .. i1 − 1 of the query's grid (those past dblUntil left
// out); the chart before i0 tells what was there already.
Run SearchRun(const LongitudeSource& source, const OrbTable& udtOrbs, const PatternSearchQuery& query, long long i0,
    long long i1, const JobControl& control)
{
    const Step step(source, udtOrbs, query);
    Run run;
    std::vector<Bodies> before;
    double tBefore = query.dblFrom + (i0 - 1) * query.dblStep;
    if (i0 > 0)
        before = PatternKindBodies(step.SkyAt(tBefore), query.intKind);
    run.dblReached = tBefore;
    for (long long i = i0; i < i1 && !(i % 256 == 0 && control.StopRequested()); ++i) {
        const double t = query.dblFrom + i * query.dblStep;
        if (t > query.dblUntil)
            break;
        const PatternSky sky = step.SkyAt(t);
        ++run.intCharts;
        run.dblReached = t;
        std::vector<Bodies> now = PatternKindBodies(sky, query.intKind);
        const bool blnSomethingNew
            = std::any_of(now.begin(), now.end(), [&](const Bodies& bodies) { return !Holds(before, bodies); });
        // With intAtLeast above 1 only a rise from below to at least it counts.
        const bool blnMayRise = query.intAtLeast <= 1
            || (static_cast<int>(before.size()) < query.intAtLeast && static_cast<int>(now.size()) >= query.intAtLeast);
        if (i > 0 && blnSomethingNew && blnMayRise) {
            for (PatternFormation& formation : step.Formations(before, tBefore, sky, now, t))
                run.formations.push_back(std::move(formation));
        }
        before = std::move(now);
        tBefore = t;
    }
    return run;
}

} // namespace

double FindPatternFormations(const LongitudeSource& source, const OrbTable& udtOrbs, const PatternSearchQuery& query,
    const std::function<bool(const PatternFormation&)>& found, long long& intCharts, const SearchWatch& watch)
{
    if (!(query.dblStep > 0) || query.intKind < 0 || query.intKind >= intNumPatternKinds
        || query.dblUntil < query.dblFrom)
        return query.dblFrom;
    // The grid in runs of charts, searched by threads a few runs ahead of
    // the one whose findings are told (in order, as one thread would). The
    // first runs are short: a search for the next few findings ends soon.
    const auto runStart = [](long long r) {
        constexpr long long intFirst = 256, intLongest = 4096; // charts
        return r <= 4 ? intFirst * ((1LL << r) - 1) : intFirst * 15 + (r - 4) * intLongest;
    };
    const long long intGridCharts = static_cast<long long>((query.dblUntil - query.dblFrom) / query.dblStep) + 1;
    long long intRuns = 0;
    while (runStart(intRuns) < intGridCharts)
        ++intRuns;
    // The next runs wait as jobs on the work pool, a few ahead of the one
    // taken; the references they hold are to this function's own arguments,
    // which outlive them: the jobs left when the search ends are asked to
    // stop and waited for as the queue goes.
    // One thread asked for: one run at a time.
    const std::size_t intAhead = SearchThreads() == 1 ? 1 : 2 * static_cast<std::size_t>(SearchThreads());
    std::deque<Job<Run>> ahead;
    long long intQueued = 0;
    const auto queueRuns = [&] {
        for (; intQueued < intRuns && ahead.size() < intAhead; ++intQueued) {
            const long long r = intQueued;
            ahead.push_back(StartJob<Run>([&udtOrbs, &query, &runStart, source, r](JobControl& control) {
                return SearchRun(source, udtOrbs, query, runStart(r), runStart(r + 1), control);
            }));
        }
    };
    double dblReached = query.dblFrom;
    bool blnStop = false;
    for (long long r = 0; r < intRuns && !blnStop; ++r) {
        queueRuns();
        Run run = ahead.front().Take();
        ahead.pop_front();
        intCharts += run.intCharts;
        dblReached = run.dblReached;
        for (const PatternFormation& formation : run.formations) {
            if (!found(formation)) {
                blnStop = true;
                dblReached = formation.dblMoment;
                break;
            }
        }
        if (!blnStop && watch.keepGoing && !watch.keepGoing(dblReached))
            blnStop = true;
    }
    return dblReached;
}

} // namespace qal
