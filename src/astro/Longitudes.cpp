// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "astro/Longitudes.h"

#include "astro/AstroTables.h"
#include "astro/PlutoTable.h"
#include "platform/Calendar.h"
#include "platform/Ephemeris.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <unordered_map>

namespace qal {

int EphemerisPlanetNumber(int intBody)
{
    switch (intBody) {
    case 1: return 3;
    case 2: return 1;
    case 3: return 2;
    default: return intBody;
    }
}

int YearOfJD(double t)
{
    return platform::YearOfJulianDay(t);
}

double MoonLongitude(double t)
{
    const double dblDay = std::floor(t + 0.5);
    if (!(dblDay >= intFirstTableDay))
        return -99.0;
    if (dblDay > intLastTableDay)
        return -100.0;
    return platform::MoonPosition(t - 2451545.0);
}

double SiderealOffset(int intYear)
{
    return 0.416314 + (intYear - 2000) * 243.8 / 1000000.0;
}

namespace {

// Pluto from the ephemeris where its day table reaches (the same range, so
// that both tell the same bodies available at the same moments).
double PlutoFromEphemeris(double t, int y)
{
    const double dblDay = std::floor(t + 0.5);
    if (!(dblDay >= intFirstTableDay))
        return -99.0;
    if (dblDay > intLastTableDay)
        return -100.0;
    return platform::PlanetApparentLongitude(intPluto, t, y);
}

double Longitude(int b, double t, bool blnSidereal, bool blnPrecisePluto)
{
    const int intPlanet = EphemerisPlanetNumber(b);
    const int y = YearOfJD(t);
    double L;
    if (b == intPluto)
        L = blnPrecisePluto ? PlutoFromEphemeris(t, y) : PlutoLongitude(t);
    else if (b == intMoon)
        L = MoonLongitude(t);
    else if (b >= 1 && b <= 8)
        L = platform::PlanetApparentLongitude(intPlanet, t, y);
    else
        L = -1.0;
    if (L < 0)
        return L;
    if (blnSidereal)
        L = NormalizeAngle(L - SiderealOffset(y));
    return L;
}

} // namespace

double LongitudeAt(int b, double t, bool blnSidereal)
{
    return Longitude(b, t, blnSidereal, false);
}

LongitudeSource EphemerisSource(bool blnSidereal)
{
    return [blnSidereal](int b, double t) { return Longitude(b, t, blnSidereal, false); };
}

LongitudeSource PreciseSource(bool blnSidereal)
{
    return [blnSidereal](int b, double t) { return Longitude(b, t, blnSidereal, true); };
}

bool IsRetrogradeAt(const LongitudeSource& source, int b, double dblBodyLongitude, double t)
{
    if (dblBodyLongitude < 0 || b == 1 || b == intMoon)
        return false;
    const double L1 = source(b, t + 1.0 / 48.0);
    if (L1 < 0)
        return false;
    const double d = L1 - dblBodyLongitude;
    return d < 0 && std::fabs(d) < dblPi;
}

double MaxDailyMotion(int b)
{
    static constexpr double kMaxDailyMotion[11] = { 0, 1.03, 2.3, 1.3, 0.85, 0.26, 0.14, 0.075, 0.045, 0.045, 15.5 };
    return b >= 1 && b <= 10 ? kMaxDailyMotion[b] : kMaxDailyMotion[10];
}

LongitudeSource MemoizedSource(LongitudeSource source)
{
    // One table per body, keyed by the moment's bits; held by the source
    // itself, so that each copy remembers on its own.
    using Table = std::unordered_map<std::uint64_t, double>;
    return [source = std::move(source), known = std::array<Table, intMaxBodies + 1>()](int b, double t) mutable {
        if (b < 0 || b > intMaxBodies)
            return source(b, t);
        std::uint64_t key = 0;
        std::memcpy(&key, &t, sizeof key);
        Table& table = known[static_cast<size_t>(b)];
        const auto it = table.find(key);
        if (it != table.end())
            return it->second;
        const double L = source(b, t);
        table.emplace(key, L);
        return L;
    };
}

} // namespace qal
