// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Fuzzes every function that takes a moment: any double, NaN and the
// infinities included, gives a longitude of one turn or a negative code,
// never NaN and never undefined behaviour.
#include "FuzzSupport.h"
#include "astro/AstroTables.h"
#include "astro/Longitudes.h"
#include "dates/DatePr2.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    qal::fuzz::InputReader in(data, size);
    const double t = in.Double();
    const bool blnSidereal = in.Byte() & 1;
    for (int b = 1; b <= qal::intMaxBodies; ++b) {
        const double L = qal::LongitudeAt(b, t, blnSidereal);
        if (std::isnan(L) || L >= qal::dblTwoPi)
            std::abort();
    }
    (void)qal::YearOfJD(t);
    double x = t;
    qal::RoundToHalfHour(x);
    (void)qal::DayFractionToText(t, true);
    (void)qal::AngleToDegMinText(t, true, true, true, true);
    (void)qal::LongitudeToSignText(t, true);
    const double a = qal::NormalizeAngle(t);
    if (!(a >= 0 && a < qal::dblTwoPi))
        std::abort();
    return 0;
}
