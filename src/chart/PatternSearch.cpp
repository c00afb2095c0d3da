#include "chart/PatternSearch.h"

#include <algorithm>
#include <limits>

namespace qal {
namespace {

constexpr double kSpanReachDays = 3660; // the outer planets' patterns last years
constexpr double kSameMoment = 1.0 / 1440; // formations less than a minute apart are one

using Bodies = std::vector<int>;

bool Holds(const std::vector<Bodies>& list, const Bodies& bodies)
{
    return std::find(list.begin(), list.end(), bodies) != list.end();
}

// An occurrence seen at either end of one step between charts, with the part
// of the step it held.
struct StepOccurrence {
    SpannedOccurrence spanned;
    bool blnNew = false; // not there at the chart before
    double dblFrom = 0;
    double dblUntil = std::numeric_limits<double>::infinity();
    bool HoldsAt(double t) const { return dblFrom <= t && t < dblUntil; }
};

class Step {
public:
    Step(const LongitudeSource& source, const OrbTable& udtOrbs, const PatternSearchQuery& query)
        : m_source(source)
        , m_orbs(udtOrbs)
        , m_query(query)
    {
    }

    // The occurrences of the step from tBefore (sky before, with before)
    // to t (sky now, with now).
    std::vector<StepOccurrence> Occurrences(const PatternSky& skyBefore, const std::vector<Bodies>& before,
        double tBefore, const PatternSky& sky, const std::vector<Bodies>& now, double t) const
    {
        std::vector<StepOccurrence> result;
        for (SpannedOccurrence& o : Spanned(sky, now, t)) {
            const bool blnNew = !Holds(before, o.occurrence.bodies);
            StepOccurrence s { std::move(o), blnNew, tBefore };
            // A new one formed within the step, at its span's start.
            if (s.blnNew && s.spanned.span && s.spanned.span->blnFormedFound)
                s.dblFrom = std::clamp(s.spanned.span->dblFormed, tBefore, t);
            else if (s.blnNew)
                s.dblFrom = t;
            result.push_back(std::move(s));
        }
        std::vector<Bodies> gone;
        for (const Bodies& bodies : before) {
            if (!Holds(now, bodies))
                gone.push_back(bodies);
        }
        for (SpannedOccurrence& o : Spanned(skyBefore, gone, tBefore)) {
            StepOccurrence s { std::move(o), false, tBefore, tBefore };
            if (s.spanned.span && s.spanned.span->blnDissolvesFound)
                s.dblUntil = std::clamp(s.spanned.span->dblDissolves, tBefore, t);
            result.push_back(std::move(s));
        }
        return result;
    }

private:
    // The occurrences of the kind among the sky's lines with the wanted
    // bodies, with their spans around t.
    std::vector<SpannedOccurrence> Spanned(const PatternSky& sky, const std::vector<Bodies>& wanted, double t) const
    {
        std::vector<SpannedOccurrence> result;
        if (wanted.empty())
            return result;
        for (const PatternOccurrence& p : PatternOccurrences(sky, false)) {
            if (p.intKind == m_query.intKind && Holds(wanted, p.bodies))
                result.push_back(
                    { p, PatternSpanAround(m_source, p, m_orbs, m_query.dblMidpointOrb, t, kSpanReachDays) });
        }
        return result;
    }

    const LongitudeSource& m_source;
    const OrbTable& m_orbs;
    const PatternSearchQuery& m_query;
};

int CountAt(const std::vector<StepOccurrence>& step, double t)
{
    return static_cast<int>(std::count_if(step.begin(), step.end(), [&](const auto& s) { return s.HoldsAt(t); }));
}

// The formations within one step, in time order: each new occurrence (those
// of the same minute together), or with intAtLeast above 1 the moment the
// count first reached it, with every occurrence holding then.
std::vector<PatternFormation> Formations(std::vector<StepOccurrence> step, int intAtLeast)
{
    std::vector<double> moments;
    for (const StepOccurrence& s : step) {
        if (s.blnNew)
            moments.push_back(s.dblFrom);
    }
    std::sort(moments.begin(), moments.end());
    std::vector<PatternFormation> formations;
    for (size_t i = 0; i < moments.size(); ++i) {
        const double m = moments[i];
        if (i > 0 && m - moments[i - 1] < kSameMoment)
            continue; // formed with the one before
        const int intCount = CountAt(step, m + kSameMoment / 2);
        PatternFormation formation { m, intCount, {} };
        for (StepOccurrence& s : step) {
            const bool blnFormedNow = s.blnNew && s.dblFrom >= m && s.dblFrom - m < kSameMoment;
            if (intAtLeast <= 1 ? blnFormedNow : s.HoldsAt(m + kSameMoment / 2))
                formation.occurrences.push_back(s.spanned);
        }
        if (intAtLeast <= 1) {
            formations.push_back(std::move(formation));
        } else if (intCount >= intAtLeast) {
            formations.push_back(std::move(formation));
            break; // the count rose to it once in this step
        }
    }
    return formations;
}

} // namespace

double FindPatternFormations(const LongitudeSource& source, const OrbTable& udtOrbs, const PatternSearchQuery& query,
    const std::function<bool(const PatternFormation&)>& found, long long& intCharts, const SearchWatch& watch)
{
    if (!(query.dblStep > 0) || query.intKind < 0 || query.intKind >= intNumPatternKinds)
        return query.dblFrom;
    const Step step(source, udtOrbs, query);
    double L[intMaxBodies + 1] = {};
    PatternSky skies[2];
    std::vector<Bodies> before;
    double tBefore = query.dblFrom;
    for (long long i = 0;; ++i) {
        const double t = query.dblFrom + i * query.dblStep;
        if (t > query.dblUntil)
            return tBefore;
        for (int b = 1; b <= intMaxBodies; ++b)
            L[b] = source(b, t);
        PatternSky& sky = skies[i % 2];
        sky = MakePatternSky(L, intMaxBodies, udtOrbs, query.dblMidpointOrb);
        ++intCharts;
        if (watch.intEveryCharts > 0 && intCharts % watch.intEveryCharts == 0 && !watch.keepGoing(t))
            return t;
        std::vector<Bodies> now = PatternKindBodies(sky, query.intKind);
        const bool blnSomethingNew
            = std::any_of(now.begin(), now.end(), [&](const Bodies& bodies) { return !Holds(before, bodies); });
        const bool blnMayRise = query.intAtLeast <= 1 || static_cast<int>(before.size()) < query.intAtLeast;
        if (i > 0 && blnSomethingNew && blnMayRise) {
            for (const PatternFormation& formation :
                Formations(step.Occurrences(skies[(i + 1) % 2], before, tBefore, sky, now, t), query.intAtLeast)) {
                if (!found(formation))
                    return t;
            }
        }
        before = std::move(now);
        tBefore = t;
    }
}

} // namespace qal
