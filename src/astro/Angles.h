// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Angles: radians throughout, with 2π and π as the program has always taken
// them, and the one place where degrees and radians are converted and angles
// are brought into one turn.
#pragma once

namespace qal {

constexpr double dblTwoPi = 6.28318530717959;
constexpr double dblPi = 3.14159265358979;

// Degrees to radians and back, with the program's 2π.
constexpr double DegToRad(double dblDegrees)
{
    return dblDegrees / 360.0 * dblTwoPi;
}

constexpr double RadToDeg(double dblRadians)
{
    return dblRadians / dblTwoPi * 360.0;
}

// The angle (radians) brought into [0, 2π): 2π is added while it is below 0,
// then subtracted while it is 2π or more. Infinite and NaN angles give 0.
double NormalizeAngle(double dblAngle);

} // namespace qal
