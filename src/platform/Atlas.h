// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The atlas of places: the cities of 15,000 people or more of the GeoNames
// database (CC BY 4.0), as Debian's libgeonames holds them, with their
// coordinates, region, country and IANA time zone.
#pragma once

#include <QString>

#include <vector>

namespace qal::platform {

struct AtlasCity {
    QString strName; // "Ulm"
    QString strRegion; // "Baden-Württemberg"
    QString strCountry; // "Germany"
    QString strCountryCode; // "DE"
    QString strZoneId; // "Europe/Berlin"
    double dblLatitude = 0; // degrees, north positive
    double dblLongitude = 0; // degrees, east positive
    long long intPopulation = 0;
};

// Every city of the atlas, read once on first use (on the window's thread
// or qal-cli's), the larger cities first.
const std::vector<AtlasCity>& AtlasCities();

} // namespace qal::platform
