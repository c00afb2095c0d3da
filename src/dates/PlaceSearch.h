// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Finding a place: the atlas searched as one types, and coordinates typed
// as astrologers write them.
#pragma once

#include "platform/Atlas.h"

#include <QString>

#include <optional>
#include <vector>

namespace qal {

// The atlas' cities whose name, or a word of it, begins with the query's
// city part, ignoring case and accents ("sao paulo" finds São Paulo). A
// qualifier narrows them by country, country code or region: after a comma
// ("Paris, France", "Springfield, Illinois") or as a last word of two
// letters ("Paris FR"). Names that are the query come first, then names
// that begin with it, then the rest, each the larger cities first; at most
// intLimit of them.
std::vector<platform::AtlasCity> SearchPlaces(const QString& strQuery, int intLimit = 50);

// Latitude and longitude, degrees north and east.
struct Coordinates {
    double dblLatitude = 0;
    double dblLongitude = 0;
};

// Coordinates typed as "48N24 9E59", "48°24'N 9°59'E", "48.40, 9.99" or
// "-33.87 151.21" (latitude first unless the letters say otherwise); none
// when the text is not two coordinates within their ranges.
std::optional<Coordinates> ParseCoordinates(const QString& strText);

// "48°24'N 9°59'E": to the arc minute, as a birth record gives them.
QString CoordinatesText(double dblLatitude, double dblLongitude);

} // namespace qal
