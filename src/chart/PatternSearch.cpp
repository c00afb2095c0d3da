#include "chart/PatternSearch.h"

#include "aspects/Patterns.h"

namespace qal {

std::optional<double> FindPatternMoment(
    const LongitudeSource& source, const OrbTable& udtOrbs, const PatternSearchQuery& query, long long& intCharts)
{
    if (!(query.dblStep > 0) || query.intKind < 0 || query.intKind >= intNumPatternKinds)
        return std::nullopt;
    double L[intMaxBodies + 1] = {};
    for (long long i = 0;; ++i) {
        const double t = query.dblFrom + i * query.dblStep;
        if (t > query.dblUntil)
            return std::nullopt;
        for (int b = 1; b <= intMaxBodies; ++b)
            L[b] = source(b, t);
        const PatternSky sky = MakePatternSky(L, intMaxBodies, udtOrbs, query.dblMidpointOrb);
        ++intCharts;
        if (CountPatternKind(sky, query.intKind) >= query.intAtLeast)
            return t;
    }
}

} // namespace qal
