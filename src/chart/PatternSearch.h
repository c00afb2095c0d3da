// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Looking for the moments at which aspect patterns form, chart after chart,
// as a run does but without waiting. Each chart costs its ten longitudes and
// the searches its pattern kind needs; a new occurrence is then narrowed down
// to the minute it formed. Nothing is written.
#pragma once

#include "aspects/Orbs.h"
#include "aspects/PatternSpans.h"
#include "aspects/Patterns.h"
#include "astro/Longitudes.h"

#include <functional>
#include <optional>
#include <vector>

namespace qal {

struct PatternSearchQuery {
    int intKind = 0; // the pattern kind
    int intAtLeast = 1; // occurrences at least
    double dblFrom = 0; // first moment (UT)
    double dblUntil = 0; // last moment looked at
    double dblStep = 1; // days between charts
    double dblMidpointOrb = 0; // radians
};

// An occurrence with the moments it formed and dissolves (none when the
// search for them failed).
struct SpannedOccurrence {
    PatternOccurrence occurrence;
    std::optional<PatternSpan> span;
};

// One formation: occurrences of the kind that were not there before formed
// (with intAtLeast above 1: the number of occurrences rose to intAtLeast).
struct PatternFormation {
    double dblMoment = 0; // UT, to a fraction of a second
    int intCount = 0; // occurrences of the kind holding just after it
    // With intAtLeast 1 the occurrences that formed, otherwise every one holding.
    std::vector<SpannedOccurrence> occurrences;
};

// How a long search shows where it is and hears a request to stop: after
// every few thousand charts it asks keepGoing with the moment reached.
struct SearchWatch {
    std::function<bool(double dblReached)> keepGoing;
};

// Calls found for every formation after query.dblFrom up to dblUntil, in
// time order, until it returns false, and returns the last moment looked at.
// Occurrences already there at dblFrom formed before it and do not count;
// occurrences that form within the same minute are one formation. A pattern that forms and dissolves
// between two charts is not seen. intCharts counts the charts looked at
// (also those looked at ahead by the threads); the search also ends when
// watch.keepGoing says so. Runs of charts are searched by SearchThreads()
// threads, each with a copy of source; found is called on the caller's
// thread, in time order, as with one.
double FindPatternFormations(const LongitudeSource& source, const OrbTable& udtOrbs, const PatternSearchQuery& query,
    const std::function<bool(const PatternFormation&)>& found, long long& intCharts, const SearchWatch& watch = {});

} // namespace qal
