// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "aspects/AspectMoments.h"

#include "astro/Angles.h"
#include "astro/AstroTables.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace qal {
namespace {

constexpr double kPrecision = 1e-6; // days (about 0.1 s): where the narrowing stops
constexpr double kTouch = 1e-6; // radians (0.2″): a dip this close to exact is exact
const double kNoValue = std::numeric_limits<double>::quiet_NaN();

using Curve = std::function<double(double)>;

struct Sample {
    double t;
    double v;
};

// The fastest the two sides of an aspect can move apart, degrees a day.
double FastestRelativeMotion(const AspectCourseQuery& query)
{
    return (query.dblFixedFirstLongitude ? 0 : MaxDailyMotion(query.intFirstBody))
        + MaxDailyMotion(query.intSecondBody);
}

bool SameSign(double a, double b)
{
    return (a < 0) == (b < 0);
}

// The course of one aspect: its exactness and its margin to the orb.
class Course {
public:
    Course(const LongitudeSource& source, const AspectCourseQuery& query)
        : m_source(source)
        , m_q(query)
    {
    }

    // Zero when exact; signed across the exact point for the conjunction and
    // the opposition, the separation less the kind's angle otherwise. NaN
    // without a longitude.
    double Exactness(double t) const
    {
        const double L1 = m_q.dblFixedFirstLongitude ? *m_q.dblFixedFirstLongitude : m_source(m_q.intFirstBody, t);
        const double L2 = m_source(m_q.intSecondBody, t);
        if (L1 < 0 || L2 < 0)
            return kNoValue;
        const double d = std::remainder(L2 - L1, dblTwoPi);
        if (m_q.intKind == intConjunction)
            return d;
        if (m_q.intKind == intOpposition)
            return std::remainder(d - dblPi, dblTwoPi);
        return std::fabs(d) - dblAspectAngle[m_q.intKind];
    }

    // Negative while the aspect holds.
    double OrbMargin(double t) const { return std::fabs(Exactness(t)) - m_q.dblOrb; }

    // Whether a change of sign of the exactness between a and b is the jump
    // half a circle away from exact, not a zero.
    bool Wraps(double a, double b) const
    {
        return (m_q.intKind == intConjunction || m_q.intKind == intOpposition) && std::fabs(a) > dblPi / 2
            && std::fabs(b) > dblPi / 2;
    }

    // How far the exactness can move in one step of the search, radians.
    double Reach(double dblStep) const { return DegToRad(FastestRelativeMotion(m_q)) * dblStep; }

private:
    const LongitudeSource& m_source;
    const AspectCourseQuery& m_q;
};

// Narrows a change of sign of f between a and b down to kPrecision: by false
// position in its Illinois variant (the value kept at an end that stays put
// twice is halved, so that both ends close in), which on the smooth courses
// of aspects needs a handful of steps where halving the bracket takes twenty.
double Bisect(const Curve& f, Sample a, Sample b)
{
    double va = a.v, vb = b.v; // the end values as the steps weigh them
    int intKept = 0; // −1: a stayed put at the last step, +1: b did
    double dblLast = std::numeric_limits<double>::quiet_NaN();
    for (int i = 0; i < 100 && b.t - a.t > kPrecision; ++i) {
        double m = (a.t * vb - b.t * va) / (vb - va);
        if (!(m > a.t && m < b.t))
            m = (a.t + b.t) / 2;
        if (std::fabs(m - dblLast) < kPrecision / 8)
            return m; // the estimate has settled
        dblLast = m;
        const double v = f(m);
        if (std::isnan(v))
            break;
        if (v == 0)
            return m;
        if (SameSign(v, a.v)) {
            a = { m, v };
            va = v;
            if (intKept == +1)
                vb /= 2;
            intKept = +1;
        } else {
            b = { m, v };
            vb = v;
            if (intKept == -1)
                va /= 2;
            intKept = -1;
        }
    }
    return std::isnan(dblLast) ? (a.t + b.t) / 2 : std::clamp(dblLast, a.t, b.t);
}

// The lowest point of |f| in [a, b] (golden-section search).
Sample LowestPoint(const Curve& f, double a, double b)
{
    const double r = (std::sqrt(5.0) - 1) / 2;
    double c = b - r * (b - a), d = a + r * (b - a);
    double fc = std::fabs(f(c)), fd = std::fabs(f(d));
    while (b - a > kPrecision) {
        if (fc < fd) {
            b = d, d = c, fd = fc;
            c = b - r * (b - a);
            fc = std::fabs(f(c));
        } else {
            a = c, c = d, fc = fd;
            d = a + r * (b - a);
            fd = std::fabs(f(d));
        }
    }
    const double t = (a + b) / 2;
    return { t, f(t) };
}

// The zeros of f in [t0, t1], sampled every dblStep at the most: changes of
// sign, and dips between samples that cross zero (two zeros) or, when
// blnTouches, only touch it. dblReach is how far f can move in one step;
// wraps tells a jump from a zero.
std::vector<double> Zeros(const Curve& f, double t0, double t1, double dblStep, double dblReach, bool blnTouches,
    const std::function<bool(double, double)>& wraps)
{
    std::vector<double> zeros;
    if (!(t1 > t0))
        return zeros;
    const int n = std::max(1, static_cast<int>(std::ceil((t1 - t0) / dblStep)));
    const double h = (t1 - t0) / n;
    std::vector<Sample> s(static_cast<size_t>(n) + 1);
    for (int i = 0; i <= n; ++i) {
        const double t = i == n ? t1 : t0 + i * h;
        s[static_cast<size_t>(i)] = { t, f(t) };
    }
    for (size_t i = 0; i + 1 < s.size(); ++i) {
        const Sample a = s[i], b = s[i + 1];
        if (std::isnan(a.v) || std::isnan(b.v))
            continue;
        if (a.v == 0)
            zeros.push_back(a.t);
        else if (b.v != 0 && !SameSign(a.v, b.v) && !wraps(a.v, b.v))
            zeros.push_back(Bisect(f, a, b));
    }
    if (!std::isnan(s.back().v) && s.back().v == 0)
        zeros.push_back(s.back().t);
    for (size_t i = 1; i + 1 < s.size(); ++i) {
        const Sample a = s[i - 1], m = s[i], b = s[i + 1];
        if (std::isnan(a.v) || std::isnan(m.v) || std::isnan(b.v) || m.v == 0)
            continue;
        const bool blnDip = std::fabs(m.v) <= std::fabs(a.v) && std::fabs(m.v) <= std::fabs(b.v) && SameSign(a.v, m.v)
            && SameSign(m.v, b.v) && std::fabs(m.v) < dblReach;
        if (!blnDip)
            continue;
        const Sample low = LowestPoint(f, a.t, b.t);
        if (!SameSign(low.v, m.v) && low.v != 0) {
            zeros.push_back(Bisect(f, a, low));
            zeros.push_back(Bisect(f, low, b));
        } else if (blnTouches && std::fabs(low.v) < kTouch) {
            zeros.push_back(low.t);
        }
    }
    std::sort(zeros.begin(), zeros.end());
    // The same zero reached twice (a sample on it, a dip next to it) counts once.
    zeros.erase(std::unique(zeros.begin(), zeros.end(), [](double x, double y) { return y - x < 10 * kPrecision; }),
        zeros.end());
    return zeros;
}

} // namespace

double CourseStep(const AspectCourseQuery& query)
{
    return std::min(1.0, 1.0 / FastestRelativeMotion(query));
}

std::vector<double> ExactMoments(const LongitudeSource& source, const AspectCourseQuery& query, double t0, double t1)
{
    const Course course(source, query);
    const double h = CourseStep(query);
    return Zeros([&](double t) { return course.Exactness(t); }, t0, t1, h, course.Reach(h), true,
        [&](double a, double b) { return course.Wraps(a, b); });
}

std::vector<OrbStretch> OrbStretches(
    const LongitudeSource& source, const AspectCourseQuery& query, double t0, double t1)
{
    const Course course(source, query);
    const double h = CourseStep(query);
    const Curve margin = [&](double t) { return course.OrbMargin(t); };
    std::vector<double> edges = Zeros(margin, t0, t1, h, course.Reach(h), false, [](double, double) { return false; });
    // The pieces between the edges, each inside the orb or not.
    edges.insert(edges.begin(), t0);
    edges.push_back(t1);
    std::vector<OrbStretch> stretches;
    for (size_t i = 0; i + 1 < edges.size(); ++i) {
        const double a = edges[i], b = edges[i + 1];
        if (!(b > a) || !(margin((a + b) / 2) < 0))
            continue;
        if (!stretches.empty() && stretches.back().dblEnd == a) {
            stretches.back().dblEnd = b; // an edge only touched
            continue;
        }
        OrbStretch stretch;
        stretch.dblBegin = a;
        stretch.dblEnd = b;
        stretch.blnBeginFound = i > 0;
        stretches.push_back(stretch);
    }
    for (OrbStretch& stretch : stretches) {
        stretch.blnEndFound = stretch.dblEnd < t1;
        stretch.exact = ExactMoments(source, query, stretch.dblBegin, stretch.dblEnd);
    }
    return stretches;
}

std::optional<OrbStretch> MarginStretchAround(
    const std::function<double(double)>& margin, double t, double dblStep, double dblMaxDays)
{
    const double v = margin(t);
    if (std::isnan(v) || v >= 0)
        return std::nullopt;
    // Walks from t in direction dir to the first sample outside and narrows
    // the edge down; false when there is none within reach.
    const auto edge = [&](int dir, double& dblEdge) {
        Sample inside { t, v };
        for (double d = dblStep; d <= dblMaxDays + dblStep / 2; d += dblStep) {
            const double x = t + dir * std::min(d, dblMaxDays);
            const double w = margin(x);
            if (std::isnan(w))
                break;
            if (w >= 0) {
                const Sample outside { x, w };
                dblEdge = dir < 0 ? Bisect(margin, outside, inside) : Bisect(margin, inside, outside);
                return true;
            }
            inside = { x, w };
        }
        dblEdge = inside.t;
        return false;
    };
    OrbStretch stretch;
    stretch.blnBeginFound = edge(-1, stretch.dblBegin);
    stretch.blnEndFound = edge(+1, stretch.dblEnd);
    return stretch;
}

std::optional<OrbStretch> OrbEdgesAround(
    const LongitudeSource& source, const AspectCourseQuery& query, double t, double dblMaxDays)
{
    const Course course(source, query);
    return MarginStretchAround([&](double x) { return course.OrbMargin(x); }, t, CourseStep(query), dblMaxDays);
}

std::optional<OrbStretch> StretchAround(
    const LongitudeSource& source, const AspectCourseQuery& query, double t, double dblMaxDays)
{
    std::optional<OrbStretch> stretch = OrbEdgesAround(source, query, t, dblMaxDays);
    if (stretch)
        stretch->exact = ExactMoments(source, query, stretch->dblBegin, stretch->dblEnd);
    return stretch;
}

} // namespace qal
