// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "astro/Angles.h"

#include <cmath>

namespace qal {

double NormalizeAngle(double dblAngle)
{
    if (!std::isfinite(dblAngle))
        return 0.0;
    // Far outside one turn, reduce first so the loops below stay short.
    if (dblAngle < -dblTwoPi || dblAngle >= 2 * dblTwoPi)
        dblAngle = std::fmod(dblAngle, dblTwoPi);
    while (dblAngle < 0)
        dblAngle += dblTwoPi;
    while (dblAngle >= dblTwoPi)
        dblAngle -= dblTwoPi;
    return dblAngle;
}

} // namespace qal
