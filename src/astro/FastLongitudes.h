// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// A longitude source as fast as a polynomial, for the searches that ask for
// longitudes at nearby moments again and again (find, aspects, exact moments,
// pattern spans, durations, the time map, runs).
//
// Each body's apparent longitude is fitted with Chebyshev polynomials over
// short segments of time (the Moon a few days, the planets weeks), from the
// Swiss Ephemeris itself at the polynomial's nodes, Pluto included; within
// 0.001″ of the ephemeris asked directly. The coefficients are made on first
// use a block of segments at a time and kept in a cache of bounded size,
// shared, under its lock, by every copy of the source and by threads (each
// thread with a copy of its own: copies share nothing else). A segment where the
// ephemeris changes from its data files to its analytic theory (they differ
// by a fraction of an arc second) is not fitted: its moments go to the
// ephemeris directly. The Moon and Pluto are available over the years of
// the Pluto table, as with PreciseSource.
#pragma once

#include "astro/Longitudes.h"

#include <cstddef>

namespace qal {

// With blnPlutoFromTable, Pluto from its day table as the chart shows it
// (for the day-by-day beginning and end of an aspect), otherwise from the
// ephemeris (for moments to the minute).
LongitudeSource FastSource(bool blnSidereal, bool blnPlutoFromTable = false);

// The cache's size now (bytes), and emptying it (for measurements, and when
// the ephemeris' data files change).
std::size_t FastSourceCacheBytes();
void ClearFastSource();

// The cache is module-wide state with one writer: the core's runtime
// (chart/CoreStart.h) starts it when a program starts and stops it when the
// program ends, after the work pool. Without it the source asks the
// ephemeris for every moment (correct, only slower).
void StartFastSourceCache();
void StopFastSourceCache();

} // namespace qal
