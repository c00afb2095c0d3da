// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "chart/SkyEvents.h"

#include "astro/Angles.h"
#include "astro/AstroTables.h"
#include "astro/ChartState.h"
#include "platform/Ephemeris.h"

#include <algorithm>
#include <cmath>

namespace qal {
namespace {

constexpr double kPieceDays = 30;
constexpr double kRootGrid = 1.0 / (1 << 20); // days: a bisection ends within a twentieth of a second
constexpr double kSignAngle = dblPi / 6;
constexpr double kVoidLookAhead = 4; // days: a void stretch that ends in the next piece may begin in this one
constexpr int intMostVoidSigns = 3; // signs looked back for the Moon's last aspect
// Each piece looks this far beyond its ends and keeps what falls within it:
// a passage at a piece's edge is found by both pieces, to the same digit,
// and kept by one.
constexpr double kEdgeDays = 1;

// An angle that moves with time (radians, any turn), NaN where unknown.
using AngleCourse = std::function<double(double)>;

struct Passage {
    double dblMoment = 0;
    double dblTarget = 0; // radians in [0, 2π)
    bool blnBackward = false;
};

// The moment in [a, c] at which f changes sign, f(a) = fa: bisected on a
// grid of fixed moments, so that searches of the same passage from other
// samples agree to the last digit.
double Bisect(const std::function<double(double)>& f, double a, double c, double fa)
{
    auto lo = static_cast<long long>(std::floor(a / kRootGrid)), hi = static_cast<long long>(std::ceil(c / kRootGrid));
    const bool blnNegativeBefore = fa < 0;
    while (hi - lo > 1) {
        const long long m = lo + (hi - lo) / 2;
        const double fm = f(static_cast<double>(m) * kRootGrid);
        if (!std::isfinite(fm))
            break;
        ((fm < 0) == blnNegativeBefore ? lo : hi) = m;
    }
    return (static_cast<double>(lo) + 0.5) * kRootGrid;
}

// The zero of a smooth f in [a, c], where f(a) = fa and f(c) = fc differ in
// sign: regula falsi with the Illinois step (each endpoint kept twice
// halves its value), to a twentieth of a second; a handful of calls where
// bisection takes twenty.
double SmoothRoot(const std::function<double(double)>& f, double a, double c, double fa, double fc)
{
    double m = a, dblLast = c;
    int intSide = 0;
    for (int i = 0; i < 60 && std::fabs(m - dblLast) > kRootGrid / 4; ++i) {
        dblLast = m;
        m = (a * fc - c * fa) / (fc - fa);
        const double fm = f(m);
        if (!std::isfinite(fm) || fm == 0)
            break;
        if ((fm < 0) == (fa < 0)) {
            a = m, fa = fm;
            if (intSide == -1)
                fc /= 2;
            intSide = -1;
        } else {
            c = m, fc = fm;
            if (intSide == 1)
                fa /= 2;
            intSide = 1;
        }
    }
    return m;
}

// The moments in [samples.front(), samples.back()) at which angle passes one
// of the targets (radians in [0, 2π)). Between two samples the angle must
// move less than the least gap between targets and less than half a turn.
std::vector<Passage> Passages(const AngleCourse& angle, const std::vector<double>& targets, const std::vector<double>& samples)
{
    std::vector<Passage> found;
    if (samples.size() < 2)
        return found;
    double a = samples.front(), ga = angle(a);
    for (size_t i = 1; i < samples.size(); ++i) {
        const double c = samples[i], gc = angle(c);
        if (std::isfinite(ga) && std::isfinite(gc)) {
            const double dblMoved = std::remainder(gc - ga, dblTwoPi);
            for (const double T : targets) {
                const double dblAhead = std::remainder(T - ga, dblTwoPi);
                const bool blnPassed
                    = dblMoved > 0 ? dblAhead > 0 && dblAhead <= dblMoved : dblAhead < 0 && dblAhead >= dblMoved;
                if (!blnPassed)
                    continue;
                const auto off = [&](double t) { return std::remainder(angle(t) - T, dblTwoPi); };
                found.push_back({ Bisect(off, a, c, std::remainder(ga - T, dblTwoPi)), T, dblMoved < 0 });
            }
        }
        a = c, ga = gc;
    }
    std::sort(found.begin(), found.end(), [](const Passage& x, const Passage& y) { return x.dblMoment < y.dblMoment; });
    return found;
}

// t0, the whole multiples of dblStep between t0 and t1, and t1: the same
// moments for every search that covers them, so that a passage is narrowed
// down from the same two samples whichever span found it.
std::vector<double> Samples(double t0, double t1, double dblStep)
{
    std::vector<double> samples { t0 };
    for (double k = std::floor(t0 / dblStep) + 1; k * dblStep < t1; ++k)
        samples.push_back(k * dblStep);
    samples.push_back(t1);
    return samples;
}

AngleCourse LongitudeCourse(const LongitudeSource& source, int b)
{
    return [&source, b](double t) {
        const double L = source(b, t);
        return L < 0 ? std::nan("") : L;
    };
}

// The angle from body b to body c (c's longitude less b's).
AngleCourse Separation(const LongitudeSource& source, int b, int c)
{
    return [&source, b, c](double t) {
        const double Lb = source(b, t), Lc = source(c, t);
        return Lb < 0 || Lc < 0 ? std::nan("") : Lc - Lb;
    };
}

std::vector<double> SignCusps()
{
    std::vector<double> cusps;
    for (int s = 0; s < intNumSigns; ++s)
        cusps.push_back(s * kSignAngle);
    return cusps;
}

int SignOf(double dblLongitude)
{
    return static_cast<int>(std::floor(NormalizeAngle(dblLongitude) / kSignAngle + 1e-9)) % intNumSigns;
}

// The sign a passage of a cusp enters.
int SignEntered(const Passage& p)
{
    const int intCusp = static_cast<int>(std::lround(p.dblTarget / kSignAngle)) % intNumSigns;
    return p.blnBackward ? (intCusp + intNumSigns - 1) % intNumSigns : intCusp;
}

// The passages in the piece [p0, p1), looked for from a day before it to a
// day after it on samples dblStep apart and at the moments in turns (where
// the angle turns back): a passage at the meeting of two pieces is found by
// both, to the same digit, and kept by one.
std::vector<Passage> PassagesInPiece(const AngleCourse& angle, const std::vector<double>& targets, double p0,
    double p1, double dblStep, const std::vector<double>& turns = {})
{
    std::vector<double> samples = Samples(p0 - kEdgeDays, p1 + kEdgeDays, dblStep);
    samples.insert(samples.end(), turns.begin(), turns.end());
    std::sort(samples.begin(), samples.end());
    std::vector<Passage> found = Passages(angle, targets, samples);
    std::erase_if(found, [&](const Passage& p) { return p.dblMoment < p0 || p.dblMoment >= p1; });
    return found;
}

// The event of a body at a moment, standing at dblLongitude (in its sign).
SkyEvent EventAt(double t, SkyEventKind kind, int b, double dblLongitude)
{
    SkyEvent e;
    e.dblMoment = t;
    e.kind = kind;
    e.intBody = b;
    e.dblLongitude = dblLongitude;
    e.intSign = SignOf(dblLongitude);
    return e;
}

std::vector<Passage> MoonIngresses(const LongitudeSource& source, double t0, double t1)
{
    return Passages(LongitudeCourse(source, intMoon), SignCusps(), Samples(t0, t1, 0.5));
}

// The major aspects by the angle from the body to the Moon: the angle and its kind.
struct MajorAspect {
    double dblAngle;
    int intKind;
};
constexpr MajorAspect kMajorAspects[] = { { 0, intConjunction }, { 60, intSextile }, { 90, intSquare },
    { 120, intTrine }, { 180, intOpposition }, { 240, intTrine }, { 270, intSquare }, { 300, intSextile } };

// The Moon's last exact major aspect to the Sun .. Pluto in [t0, t1]:
// its moment, body and kind; false when it makes none.
bool LastMoonAspect(const LongitudeSource& source, double t0, double t1, SkyEvent& last)
{
    static const std::vector<double> targets = [] {
        std::vector<double> angles;
        for (const MajorAspect& a : kMajorAspects)
            angles.push_back(a.dblAngle * dblPi / 180);
        return angles;
    }();
    bool blnFound = false;
    const std::vector<double> samples = Samples(t0, t1, 0.5);
    for (int b = intSun; b <= intPluto; ++b) {
        const std::vector<Passage> passages = Passages(Separation(source, b, intMoon), targets, samples);
        if (passages.empty() || (blnFound && passages.back().dblMoment <= last.dblSpanBegin))
            continue;
        const Passage& p = passages.back();
        blnFound = true;
        last.dblSpanBegin = p.dblMoment;
        last.intAspectBody = b;
        const double dblDegrees = p.dblTarget * 180 / dblPi;
        for (const MajorAspect& a : kMajorAspects) {
            if (std::fabs(a.dblAngle - dblDegrees) < 1e-6)
                last.intAspectKind = a.intKind;
        }
    }
    return blnFound;
}

} // namespace

std::vector<SkyEvent> StationsOf(const LongitudeSource& source, int b, double t0, double t1)
{
    std::vector<SkyEvent> stations;
    if (b < intMercury || b > intPluto)
        return stations;
    // Which way the body moves, from the fitted longitudes a quarter of an
    // hour either side; where that turns, the ephemeris' own speed decides.
    constexpr double h = 1.0 / 96;
    const auto motion = [&](double t) {
        const double L0 = source(b, t - h), L1 = source(b, t + h);
        return L0 < 0 || L1 < 0 ? std::nan("") : std::remainder(L1 - L0, dblTwoPi);
    };
    const int intPlanet = EphemerisPlanetNumber(b);
    const auto speed = [intPlanet](double t) { return platform::LongitudeSpeed(intPlanet, t); };
    const std::vector<double> samples = Samples(t0 - kEdgeDays, t1 + kEdgeDays, 1.0);
    double a = samples.front(), ma = motion(a);
    for (size_t i = 1; i < samples.size(); ++i) {
        const double c = samples[i], mc = motion(c);
        if (std::isfinite(ma) && std::isfinite(mc) && (ma < 0) != (mc < 0)) {
            // The ephemeris' speed brackets its zero a little apart from the
            // fitted one: widen the bracket until it changes sign within it.
            double lo = a, hi = c, slo = speed(lo), shi = speed(hi);
            for (int k = 0; k < 4 && std::isfinite(slo) && std::isfinite(shi) && (slo < 0) == (shi < 0); ++k) {
                lo -= 0.25, hi += 0.25;
                slo = speed(lo), shi = speed(hi);
            }
            if (std::isfinite(slo) && std::isfinite(shi) && (slo < 0) != (shi < 0)) {
                const double t = SmoothRoot(speed, lo, hi, slo, shi);
                SkyEvent station = EventAt(t, SkyEventKind::Station, b, source(b, t));
                station.blnRetrograde = ma > 0;
                if (station.dblMoment >= t0 && station.dblMoment < t1 && station.dblLongitude >= 0)
                    stations.push_back(station);
            }
        }
        a = c, ma = mc;
    }
    return stations;
}

std::optional<double> ReturnMoment(
    const LongitudeSource& source, int b, double dblLongitude, double t, bool blnForward)
{
    constexpr double kMinute = 1.0 / 1440, kSearchDays = 550;
    const double dblDays = b == intMoon ? 30 : kSearchDays; // a month holds a lunar return
    const double t0 = blnForward ? t + kMinute : t - dblDays, t1 = blnForward ? t + dblDays : t - kMinute;
    std::vector<Passage> found
        = Passages(LongitudeCourse(source, b), { NormalizeAngle(dblLongitude) }, Samples(t0, t1, 1.0));
    std::erase_if(found, [](const Passage& p) { return p.blnBackward; });
    if (found.empty())
        return std::nullopt;
    return blnForward ? found.front().dblMoment : found.back().dblMoment;
}

SkyEventSearch::SkyEventSearch(const SkyEventQuery& query, LongitudeSource source)
    : m_query(query)
    , m_source(std::move(source))
    , m_dblDone(query.dblFrom)
{
}

bool SkyEventSearch::NextPiece(std::vector<SkyEvent>& events)
{
    events.clear();
    if (m_blnStopped || !(m_dblDone < m_query.dblUntil))
        return false;
    const double p0 = m_dblDone, p1 = std::min(m_query.dblUntil, p0 + kPieceDays);
    for (auto& stations : m_stations)
        stations.reset();
    using Adder = void (SkyEventSearch::*)(double, double, std::vector<SkyEvent>&);
    static const std::pair<SkyEventSet, Adder> kAdders[] = {
        { kIngresses, &SkyEventSearch::AddIngresses },
        { kStations, &SkyEventSearch::AddStations },
        { kLunations, &SkyEventSearch::AddLunations },
        { kEclipses, &SkyEventSearch::AddEclipses },
        { kVoidMoon, &SkyEventSearch::AddVoidMoon },
        { kReturns, &SkyEventSearch::AddReturns },
    };
    for (const auto& [kind, add] : kAdders) {
        if (!(m_query.kinds & kind))
            continue;
        if (m_query.stopRequested && m_query.stopRequested()) {
            m_blnStopped = true;
            events.clear();
            return false;
        }
        (this->*add)(p0, p1, events);
    }
    std::stable_sort(events.begin(), events.end(),
        [](const SkyEvent& x, const SkyEvent& y) { return x.dblMoment < y.dblMoment; });
    m_dblDone = p1;
    return true;
}

const std::vector<SkyEvent>& SkyEventSearch::StationsAbout(int b, double p0, double p1)
{
    std::optional<std::vector<SkyEvent>>& stations = m_stations[b];
    if (!stations)
        stations = StationsOf(m_source, b, p0 - kEdgeDays, p1 + kEdgeDays);
    return *stations;
}

void SkyEventSearch::AddIngresses(double p0, double p1, std::vector<SkyEvent>& events)
{
    for (int b = 1; b <= intMaxBodies; ++b) {
        if (!(m_query.intIngressBodies & (1u << b)))
            continue;
        // Between its stations a planet moves one way only: each is a sample too.
        std::vector<double> turns;
        for (const SkyEvent& station : StationsAbout(b, p0, p1))
            turns.push_back(station.dblMoment);
        const double dblStep = b == intMoon ? 0.5 : 1.0;
        for (const Passage& p : PassagesInPiece(LongitudeCourse(m_source, b), SignCusps(), p0, p1, dblStep, turns)) {
            SkyEvent ingress = EventAt(p.dblMoment, SkyEventKind::Ingress, b, p.dblTarget);
            ingress.intSign = SignEntered(p);
            ingress.blnRetrograde = p.blnBackward;
            events.push_back(ingress);
        }
    }
}

void SkyEventSearch::AddStations(double p0, double p1, std::vector<SkyEvent>& events)
{
    for (int b = intMercury; b <= intPluto; ++b) {
        for (const SkyEvent& station : StationsAbout(b, p0, p1)) {
            if (station.dblMoment >= p0 && station.dblMoment < p1)
                events.push_back(station);
        }
    }
}

void SkyEventSearch::AddLunations(double p0, double p1, std::vector<SkyEvent>& events)
{
    static const std::vector<double> phases = { 0, dblPi / 2, dblPi, 3 * dblPi / 2 };
    for (const Passage& p : PassagesInPiece(Separation(m_source, intSun, intMoon), phases, p0, p1, 1.0)) {
        if (p.blnBackward)
            continue;
        SkyEvent lunation = EventAt(p.dblMoment, SkyEventKind::Lunation, intMoon, m_source(intMoon, p.dblMoment));
        lunation.intPhase = static_cast<int>(std::lround(p.dblTarget / (dblPi / 2))) % 4;
        events.push_back(lunation);
    }
}

void SkyEventSearch::AddEclipses(double p0, double p1, std::vector<SkyEvent>& events)
{
    for (int intWhich = 0; intWhich < 2; ++intWhich) {
        const bool blnSolar = intWhich == 0;
        NextEclipse& next = m_nextEclipse[intWhich];
        const auto search = [&](double t) {
            const platform::Eclipse found = platform::NextEclipse(blnSolar, t);
            next.blnSearched = true;
            next.blnFound = found.blnFound;
            next.event.dblMoment = found.dblMaximum;
            next.event.kind = SkyEventKind::Eclipse;
            next.event.intBody = blnSolar ? intSun : intMoon;
            next.event.eclipse = static_cast<EclipseKind>(found.type);
            next.event.dblSpanBegin = found.dblBegin;
            next.event.dblSpanEnd = found.dblEnd;
        };
        if (m_source(intMoon, p0) < 0 && m_source(intMoon, p1) < 0) {
            next.blnSearched = false; // no eclipse counts here: search again where the Moon is known
            continue;
        }
        if (!next.blnSearched)
            search(p0 - 1.0 / 1440);
        while (next.blnFound && next.event.dblMoment < p1) {
            SkyEvent eclipse = next.event;
            eclipse.dblLongitude = m_source(eclipse.intBody, eclipse.dblMoment);
            eclipse.intSign = SignOf(eclipse.dblLongitude);
            // An eclipse counts where the Moon is known, as every event of the Moon.
            if (eclipse.dblMoment >= p0 && eclipse.dblLongitude >= 0 && m_source(intMoon, eclipse.dblMoment) >= 0)
                events.push_back(eclipse);
            search(eclipse.dblMoment + 1);
        }
    }
}

void SkyEventSearch::AddVoidMoon(double p0, double p1, std::vector<SkyEvent>& events)
{
    for (const Passage& ingress : MoonIngresses(m_source, p0, p1 + kVoidLookAhead)) {
        // The stretch ends where the Moon leaves its sign; it began at the
        // Moon's last aspect in that sign, or in the one before when it
        // made none there.
        SkyEvent stretch;
        stretch.dblSpanEnd = ingress.dblMoment;
        double dblSignEnd = ingress.dblMoment;
        bool blnFound = false;
        for (int k = 0; k < intMostVoidSigns && !blnFound; ++k) {
            const std::vector<Passage> before = MoonIngresses(m_source, dblSignEnd - 3.0, dblSignEnd - kRootGrid * 10);
            if (before.empty())
                break;
            blnFound = LastMoonAspect(m_source, before.back().dblMoment, dblSignEnd, stretch);
            dblSignEnd = before.back().dblMoment;
        }
        if (!blnFound)
            continue;
        stretch.intBody = intMoon;
        stretch.intSignEntered = SignEntered(ingress);
        const double dblBegin = stretch.dblSpanBegin;
        if (dblBegin >= p0 && dblBegin < p1) {
            SkyEvent begins = stretch;
            begins.dblMoment = dblBegin;
            begins.kind = SkyEventKind::VoidBegins;
            begins.dblLongitude = m_source(intMoon, dblBegin);
            begins.intSign = SignOf(begins.dblLongitude);
            events.push_back(begins);
        }
        if (ingress.dblMoment >= p0 && ingress.dblMoment < p1) {
            SkyEvent ends = stretch;
            ends.dblMoment = ingress.dblMoment;
            ends.kind = SkyEventKind::VoidEnds;
            ends.dblLongitude = ingress.dblTarget;
            ends.intSign = stretch.intSignEntered;
            events.push_back(ends);
        }
    }
}

void SkyEventSearch::AddReturns(double p0, double p1, std::vector<SkyEvent>& events)
{
    if (!m_query.dblNatalMoment)
        return;
    for (const int b : { intSun, intMoon }) {
        const double dblNatal = m_source(b, *m_query.dblNatalMoment);
        if (dblNatal < 0)
            continue;
        const double dblStep = b == intMoon ? 0.5 : 1.0;
        for (const Passage& p : PassagesInPiece(LongitudeCourse(m_source, b), { dblNatal }, p0, p1, dblStep)) {
            if (!p.blnBackward)
                events.push_back(EventAt(p.dblMoment, SkyEventKind::Return, b, dblNatal));
        }
    }
}

std::vector<SkyEvent> SkyEventsBetween(const SkyEventQuery& query, const LongitudeSource& source)
{
    std::vector<SkyEvent> all, piece;
    SkyEventSearch search(query, source);
    while (search.NextPiece(piece))
        all.insert(all.end(), piece.begin(), piece.end());
    return all;
}

} // namespace qal
