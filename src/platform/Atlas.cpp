// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "platform/Atlas.h"

#include <geonames.h>

#include <algorithm>

namespace qal::platform {
namespace {

QString Text(const gchar* strText)
{
    return strText ? QString::fromUtf8(strText) : QString();
}

std::vector<AtlasCity> ReadAtlas()
{
    std::vector<AtlasCity> cities;
    const gint intCount = geonames_get_n_cities();
    cities.reserve(static_cast<std::size_t>(std::max(0, intCount)));
    for (gint i = 0; i < intCount; ++i) {
        GeonamesCity* city = geonames_get_city(i);
        if (!city)
            continue;
        AtlasCity entry;
        entry.strName = Text(geonames_city_get_name(city));
        entry.strRegion = Text(geonames_city_get_state(city));
        entry.strCountry = Text(geonames_city_get_country(city));
        entry.strCountryCode = Text(geonames_city_get_country_code(city));
        entry.strZoneId = Text(geonames_city_get_timezone(city));
        entry.dblLatitude = geonames_city_get_latitude(city);
        entry.dblLongitude = geonames_city_get_longitude(city);
        entry.intPopulation = geonames_city_get_population(city);
        geonames_city_free(city);
        cities.push_back(std::move(entry));
    }
    std::stable_sort(cities.begin(), cities.end(),
        [](const AtlasCity& a, const AtlasCity& b) { return a.intPopulation > b.intPopulation; });
    return cities;
}

} // namespace

const std::vector<AtlasCity>& AtlasCities()
{
    static const std::vector<AtlasCity> cities = ReadAtlas();
    return cities;
}

} // namespace qal::platform
