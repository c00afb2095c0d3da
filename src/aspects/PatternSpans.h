// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// When an aspect pattern formed and when it dissolves, to the minute.
//
// A pattern holds while every aspect among its bodies holds at the orbs it
// was found with (every two bodies of a pattern form one): it formed when the
// last of them came within orb and dissolves when the first of them leaves
// it. A midpoint holds while its middle body stays within the midpoint orb
// of the midpoint of the other two (or of the point opposite) and no two of
// the three are conjunct.
#pragma once

#include "aspects/AspectMoments.h"
#include "aspects/Orbs.h"
#include "aspects/Patterns.h"

#include <optional>

namespace qal {

struct PatternSpan {
    double dblFormed = 0; // moment (UT)
    double dblDissolves = 0;
    bool blnFormedFound = true; // false: it held as far back as the search went
    bool blnDissolvesFound = true;
};

// The span around moment t of an occurrence found in the sky of source at t
// (the bodies all move; the base orbs of udtOrbs), searched up to
// dblMaxDays either way; none when it does not hold at t.
std::optional<PatternSpan> PatternSpanAround(const LongitudeSource& source, const PatternOccurrence& occurrence,
    const OrbTable& udtOrbs, double dblMidpointOrb, double t, double dblMaxDays);

} // namespace qal
