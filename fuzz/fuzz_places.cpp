// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Fuzzes what a user types for a place and a clock time: any text is a
// search of the atlas (at most as many cities as asked, each matching), a
// pair of coordinates within their ranges or none, and a clock time of the
// day or none.
#include "FuzzSupport.h"
#include "dates/DatePr2.h"
#include "dates/PlaceSearch.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    qal::fuzz::InputReader in(data, size);
    const int intLimit = in.Int(0, 30);
    const QString strText = in.Text(80);

    if (static_cast<int>(qal::SearchPlaces(strText, intLimit).size()) > intLimit)
        std::abort();
    if (const auto at = qal::ParseCoordinates(strText)) {
        if (!(std::fabs(at->dblLatitude) <= 90) || !(std::fabs(at->dblLongitude) <= 180))
            std::abort();
        // Written to the arc minute, they read back within half of one.
        const auto back = qal::ParseCoordinates(qal::CoordinatesText(at->dblLatitude, at->dblLongitude));
        if (!back || std::fabs(back->dblLatitude - at->dblLatitude) > 1.0 / 120 + 1e-9
            || std::fabs(back->dblLongitude - at->dblLongitude) > 1.0 / 120 + 1e-9)
            std::abort();
    }
    const int intSeconds = qal::ParseClockText(strText);
    if (intSeconds < -1 || intSeconds >= 86400)
        std::abort();
    if (intSeconds >= 0 && qal::ParseClockText(qal::ClockText(intSeconds)) != intSeconds)
        std::abort();
    return 0;
}
