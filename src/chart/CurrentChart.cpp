// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "chart/CurrentChart.h"

#include "astro/Longitudes.h"
#include "settings/Configuration.h"

namespace qal {

double GetLongitude(int b, double t)
{
    return LongitudeAt(b, t, udtConfig.blnSidereal);
}

bool IsRetrograde(int b, double dblBodyLongitude, double t)
{
    return IsRetrogradeAt(EphemerisSource(udtConfig.blnSidereal), b, dblBodyLongitude, t);
}

QString ZodiacName(bool blnWithFullStop)
{
    return ZodiacText(udtConfig.blnSidereal, blnWithFullStop);
}

PatternSky ShownPatternSky()
{
    return MakePatternSky(dblLongitude[0], intNumBodies, udtOrbTable, MidpointOrbRadians(udtConfig));
}

} // namespace qal
