#include "chart/PatternSearch.h"

#include <algorithm>

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

} // namespace

double FindPatternFormations(const LongitudeSource& source, const OrbTable& udtOrbs, const PatternSearchQuery& query,
    const std::function<bool(const PatternFormation&)>& found, long long& intCharts, const SearchWatch& watch)
{
    if (!(query.dblStep > 0) || query.intKind < 0 || query.intKind >= intNumPatternKinds)
        return query.dblFrom;
    const Step step(source, udtOrbs, query);
    std::vector<Bodies> before;
    double tBefore = query.dblFrom;
    for (long long i = 0;; ++i) {
        const double t = query.dblFrom + i * query.dblStep;
        if (t > query.dblUntil)
            return tBefore;
        const PatternSky sky = step.SkyAt(t);
        ++intCharts;
        if (watch.intEveryCharts > 0 && intCharts % watch.intEveryCharts == 0 && !watch.keepGoing(t))
            return t;
        std::vector<Bodies> now = PatternKindBodies(sky, query.intKind);
        const bool blnSomethingNew
            = std::any_of(now.begin(), now.end(), [&](const Bodies& bodies) { return !Holds(before, bodies); });
        // With intAtLeast above 1 only a rise from below to at least it counts.
        const bool blnMayRise = query.intAtLeast <= 1
            || (static_cast<int>(before.size()) < query.intAtLeast && static_cast<int>(now.size()) >= query.intAtLeast);
        if (i > 0 && blnSomethingNew && blnMayRise) {
            for (const PatternFormation& formation : step.Formations(before, tBefore, sky, now, t)) {
                if (!found(formation))
                    return t;
            }
        }
        before = std::move(now);
        tBefore = t;
    }
}

} // namespace qal
