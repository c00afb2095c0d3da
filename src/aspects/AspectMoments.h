// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// When an aspect is exact, and when it comes within its orb and leaves it,
// to the minute.
//
// The course of an aspect is followed through a function of time that is
// zero when the aspect is exact: the signed separation from the exact angle
// (conjunction, opposition) or the distance of the separation from the
// kind's angle. It is sampled in steps short enough for the two bodies'
// fastest motion, every change of sign is narrowed down by bisection, and
// every dip between samples is narrowed down to its lowest point, so that a
// body turning at a station still counts: a dip that crosses zero gives two
// exact moments, a dip that only touches it (within 0.2″) one.
#pragma once

#include "astro/Longitudes.h"

#include <functional>
#include <optional>
#include <vector>

namespace qal {

struct AspectCourseQuery {
    int intFirstBody = 0; // the natal body in the Personal modes
    int intSecondBody = 0; // the moving body
    int intKind = 0; // 1..7
    double dblOrb = 0; // radians
    // A natal body stands still at its birth longitude (radians).
    std::optional<double> dblFixedFirstLongitude;
};

// One stretch of time within the orb.
struct OrbStretch {
    double dblBegin = 0; // moment (UT) the aspect comes within orb
    double dblEnd = 0; // and leaves it
    bool blnBeginFound = true; // false: it already held where the search began
    bool blnEndFound = true; // false: it still held where the search ended
    std::vector<double> exact; // the exact moments within it, ascending: its passes
};

// Every moment in [t0, t1] at which the aspect is exact, ascending.
std::vector<double> ExactMoments(const LongitudeSource& source, const AspectCourseQuery& query, double t0, double t1);

// The stretches within orb that meet [t0, t1], cut to it, with their exact
// moments.
std::vector<OrbStretch> OrbStretches(
    const LongitudeSource& source, const AspectCourseQuery& query, double t0, double t1);

// The stretch that holds moment t, searched up to dblMaxDays either way;
// none when the aspect does not hold at t or a longitude is not available.
std::optional<OrbStretch> StretchAround(
    const LongitudeSource& source, const AspectCourseQuery& query, double t, double dblMaxDays);

// The stretch around t in which margin stays negative, sampled every
// dblStep and searched up to dblMaxDays either way, its edges narrowed down
// to a fraction of a second; without exact moments. None when margin is not
// negative at t. A NaN of margin ends the search in that direction.
std::optional<OrbStretch> MarginStretchAround(
    const std::function<double(double)>& margin, double t, double dblStep, double dblMaxDays);

// The same without looking for the exact moments.
std::optional<OrbStretch> OrbEdgesAround(
    const LongitudeSource& source, const AspectCourseQuery& query, double t, double dblMaxDays);

// The sampling step for the query: one day at the most, short enough that
// the separation changes by at most a degree between samples.
double CourseStep(const AspectCourseQuery& query);

} // namespace qal
