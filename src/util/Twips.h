// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Screen sizes are given in twips: 15 twips to a device-independent pixel
// (and 20 twips to a typographic point).
#pragma once

namespace qal {

constexpr int intTwipsPerPixel = 15;
constexpr int intTwipsPerPoint = 20;

// Twips to device-independent pixels.
constexpr int Px(int intTwips)
{
    return intTwips / intTwipsPerPixel;
}

} // namespace qal
