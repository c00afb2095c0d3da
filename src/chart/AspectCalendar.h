// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The aspect calendar of a span: every aspect that comes within orb, becomes
// exact or leaves its orb, to a fraction of a second, searched a piece of the
// span at a time so that it can be written as it is found and takes the same
// memory for a century as for a month.
//
// Each stretch within orb is followed to its real beginning and end, also
// beyond the span, so that "pass 2 of 3" counts the passes of the whole
// stretch whatever span was asked for.
#pragma once

#include "aspects/AspectMoments.h"
#include "aspects/Orbs.h"
#include "astro/ChartState.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

namespace qal {

// One stretch within orb of one aspect.
struct AspectStretch {
    int intFirstBody = 0; // the natal body for transits to a birth chart
    int intSecondBody = 0;
    int intKind = 0; // 1..7
    bool blnNatal = false; // the first body stands at its birth longitude
    double dblOrb = 0; // radians
    OrbStretch stretch; // an edge not reached within a century and a half is not found
};

enum class AspectEventKind { Begins, Exact, Ends };

struct AspectEvent {
    double dblMoment = 0; // UT
    AspectEventKind kind = AspectEventKind::Exact;
    int intPass = 0; // exact: 1.. of the stretch's passes
    std::shared_ptr<const AspectStretch> aspect;
};

struct AspectCalendarQuery {
    double dblFrom = 0; // UT
    double dblUntil = 0;
    std::optional<double> dblNatalMoment; // transits to the birth chart of this moment
    // And to its Ascendant and Midheaven (radians; negative: none), which
    // stand still as its bodies do (first body intAscendant, intMidheaven).
    double dblNatalAngle[2] = { -1, -1 };
    OrbTable udtOrbs; // the base orbs judge the sky, the personal ones transits
    bool blnSidereal = false;
    // Which pairs to follow (the first body natal for transits); all when empty.
    std::function<bool(int intFirstBody, int intSecondBody)> pairWanted;
    // Asked before each pair (on the pool's threads, so it must be safe to
    // call from any): once it says stop, the piece under way is dropped and
    // the search ends (NextPiece gives false, Stopped() true).
    std::function<bool()> stopRequested;
};

// What one piece of the span holds.
struct AspectCalendarPiece {
    std::vector<AspectEvent> events; // within the piece, in time order
    std::vector<std::shared_ptr<const AspectStretch>> stretches; // met for the first time in this piece
};

class AspectCalendar {
public:
    // The longitudes come from source (the ephemeris with Pluto to the second
    // for the program's own moments); each thread of the search reads a copy
    // of its own.
    AspectCalendar(const AspectCalendarQuery& query, LongitudeSource source);

    // Searches the next piece of the span; false when the span is done.
    bool NextPiece(AspectCalendarPiece& piece);

    // Up to where the span has been searched (UT).
    double SearchedUntil() const { return m_dblDone; }
    // Whether the search ended because it was asked to stop.
    bool Stopped() const { return m_blnStopped; }

private:
    using Key = std::tuple<int, int, int>; // first body, second body, kind
    using OpenStretches = std::map<Key, std::shared_ptr<const AspectStretch>>;
    void SearchPair(const LongitudeSource& source, OpenStretches& open, int a, int b, int k, double p0, double p1,
        bool blnLast, AspectCalendarPiece& piece) const;

    AspectCalendarQuery m_query;
    bool m_blnStopped = false;
    LongitudeSource m_source;
    double m_dblDone = 0;
    double m_dblNatal[intMaxPoints + 1] = {}; // the birth longitudes and angles; negative: not available
    OpenStretches m_open; // going on past the piece searched
};

} // namespace qal
