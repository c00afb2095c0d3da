// Screen sizes are given in twips: 15 twips to a device-independent pixel.
#pragma once

namespace qal {

constexpr int Px(int intTwips)
{
    return intTwips / 15;
}

} // namespace qal
