// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The routines of the program's design that work on the shown chart and the
// accepted configuration. Each is a thin forward: it hands the module-wide
// state (the shown chart of astro/ChartState.h, the accepted orbs of
// aspects/Orbs.h, the configuration record) to a core function that takes
// its inputs as arguments. Searches over other moments call the core
// functions directly and leave this state alone.
#pragma once

#include "aspects/Patterns.h"

#include <QString>

namespace qal {

// The configuration's zodiac.
double GetLongitude(int b, double t);
bool IsRetrograde(int b, double dblBodyLongitude, double t);
QString ZodiacName(bool blnWithFullStop);

// Slot 0 of the shown chart as the pattern searches see it.
PatternSky ShownPatternSky();

} // namespace qal
