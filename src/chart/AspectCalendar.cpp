// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "chart/AspectCalendar.h"

#include "astro/AstroTables.h"
#include "astro/ChartState.h"
#include "astro/FastLongitudes.h"
#include "util/WorkPool.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace qal {
namespace {

constexpr double kFirstPieceDays = 31; // a month: the first lines come at once
constexpr double kPieceDays = 366; // then a year at a time
constexpr double kReachDays = 150 * 365.25; // how far a stretch is followed beyond the span
constexpr double kPastEdge = 1e-5; // days (about a second) past a stretch's end before searching on

} // namespace

AspectCalendar::AspectCalendar(const AspectCalendarQuery& query, LongitudeSource source)
    : m_query(query)
    , m_source(std::move(source))
    , m_dblDone(query.dblFrom)
{
    if (m_query.dblNatalMoment) {
        for (int b = 1; b <= intMaxBodies; ++b)
            m_dblNatal[b] = m_source(b, *m_query.dblNatalMoment);
        m_dblNatal[intAscendant] = m_query.dblNatalAngle[0];
        m_dblNatal[intMidheaven] = m_query.dblNatalAngle[1];
    } else {
        m_dblNatal[intAscendant] = m_dblNatal[intMidheaven] = -1;
    }
}

bool AspectCalendar::NextPiece(AspectCalendarPiece& piece)
{
    piece = AspectCalendarPiece();
    const auto stopRequested = [this] { return m_query.stopRequested && m_query.stopRequested(); };
    if (m_blnStopped || !(m_dblDone < m_query.dblUntil) || (m_blnStopped = stopRequested()))
        return false;
    const double p0 = m_dblDone;
    const double p1 = std::min(m_query.dblUntil, p0 + (p0 == m_query.dblFrom ? kFirstPieceDays : kPieceDays));
    const bool blnLast = p1 >= m_query.dblUntil;
    const bool blnNatal = m_query.dblNatalMoment.has_value();
    std::vector<std::pair<int, int>> pairs;
    for (int a = 1; a <= (blnNatal ? intMaxPoints : intMaxBodies); ++a) {
        if (blnNatal && m_dblNatal[a] < 0)
            continue;
        for (int b = blnNatal ? 1 : a + 1; b <= intMaxBodies; ++b) {
            if (!m_query.pairWanted || m_query.pairWanted(a, b))
                pairs.emplace_back(a, b);
        }
    }

    // The pairs shared out among the pool's threads as each is free, each
    // pair with its own events and stretches going on; put together in the
    // pairs' order and sorted by moment keeping that order, the events are
    // the same as one thread would find.
    std::vector<AspectCalendarPiece> found(pairs.size());
    std::vector<OpenStretches> open(pairs.size());
    for (auto& [key, aspect] : m_open) {
        const auto at = std::find(pairs.begin(), pairs.end(), std::make_pair(std::get<0>(key), std::get<1>(key)));
        if (at != pairs.end())
            open[static_cast<size_t>(at - pairs.begin())].emplace(key, aspect);
    }
    // Each pair on the work pool with a source of its own (copies share
    // only the fast source's cache, which is locked).
    ForEach(pairs.size(), [&](std::size_t i) {
        if (stopRequested())
            return;
        const LongitudeSource source = m_source;
        for (int k = 1; k <= intNumAspectKinds; ++k)
            SearchPair(source, open[i], pairs[i].first, pairs[i].second, k, p0, p1, blnLast, found[i]);
    });

    if ((m_blnStopped = stopRequested()))
        return false; // pairs were left out: the piece is not whole
    m_open.clear();
    for (size_t i = 0; i < pairs.size(); ++i) {
        m_open.merge(open[i]);
        piece.events.insert(piece.events.end(), found[i].events.begin(), found[i].events.end());
        piece.stretches.insert(piece.stretches.end(), found[i].stretches.begin(), found[i].stretches.end());
    }
    std::stable_sort(piece.events.begin(), piece.events.end(),
        [](const AspectEvent& x, const AspectEvent& y) { return x.dblMoment < y.dblMoment; });
    m_dblDone = p1;
    return true;
}

void AspectCalendar::SearchPair(const LongitudeSource& source, OpenStretches& open, int a, int b, int k, double p0,
    double p1, bool blnLast, AspectCalendarPiece& piece) const
{
    const bool blnNatal = m_query.dblNatalMoment.has_value();
    AspectCourseQuery query;
    query.intFirstBody = a;
    query.intSecondBody = b;
    query.intKind = k;
    query.dblOrb = m_query.udtOrbs.dblOrb[k][blnNatal ? 1 : 0];
    if (!(query.dblOrb > 0))
        return;
    if (blnNatal)
        query.dblFixedFirstLongitude = m_dblNatal[a];

    const auto inPiece = [&](double t) { return t >= p0 && (t < p1 || (blnLast && t <= p1)); };
    const auto addEvents = [&](const std::shared_ptr<const AspectStretch>& aspect) {
        const OrbStretch& s = aspect->stretch;
        if (s.blnBeginFound && inPiece(s.dblBegin))
            piece.events.push_back({ s.dblBegin, AspectEventKind::Begins, 0, aspect });
        for (size_t i = 0; i < s.exact.size(); ++i) {
            if (inPiece(s.exact[i]))
                piece.events.push_back({ s.exact[i], AspectEventKind::Exact, static_cast<int>(i) + 1, aspect });
        }
        if (s.blnEndFound && inPiece(s.dblEnd))
            piece.events.push_back({ s.dblEnd, AspectEventKind::Ends, 0, aspect });
    };

    // A stretch found in an earlier piece that went on into this one.
    const Key key { a, b, k };
    double dblFrom = p0;
    if (const auto going = open.find(key); going != open.end()) {
        addEvents(going->second);
        const double dblEnd = going->second->stretch.dblEnd;
        if (dblEnd >= p1 && !blnLast)
            return;
        open.erase(going);
        dblFrom = dblEnd + kPastEdge;
    }
    if (!(dblFrom < p1))
        return;
    double dblCovered = -std::numeric_limits<double>::infinity();
    for (const OrbStretch& part : OrbStretches(source, query, dblFrom, p1)) {
        if (part.dblBegin < dblCovered)
            continue; // inside a whole stretch already listed
        const auto aspect = std::make_shared<AspectStretch>();
        aspect->intFirstBody = a;
        aspect->intSecondBody = b;
        aspect->intKind = k;
        aspect->blnNatal = blnNatal;
        aspect->dblOrb = query.dblOrb;
        aspect->stretch = part;
        if (!part.blnBeginFound || !part.blnEndFound) {
            // Cut by the piece: followed to its real edges with all its passes.
            const double t = part.blnBeginFound ? part.dblEnd : part.dblBegin;
            if (const std::optional<OrbStretch> whole = StretchAround(source, query, t, kReachDays))
                aspect->stretch = *whole;
        }
        dblCovered = aspect->stretch.dblEnd;
        piece.stretches.push_back(aspect);
        addEvents(aspect);
        if (aspect->stretch.dblEnd >= p1 && !blnLast)
            open[key] = aspect;
    }
}

} // namespace qal
