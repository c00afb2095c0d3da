// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The six chart modes: one table that says, for each mode, which date set
// each chart slot is computed at, which orb column judges its aspects and its
// bold face, whether its bodies move (so that aspects begin and end), and
// whether the transiting Moon may be left out.
#pragma once

namespace qal {

// The chart modes by number, in the order of the window's option buttons.
constexpr int modeNone = 0;
constexpr int modePlanetary = 1; // the sky at one moment (date set 0)
constexpr int modeNatal1 = 2; // natal chart 1 (date set 1)
constexpr int modeNatal2 = 3; // natal chart 2 (date set 2)
constexpr int modePersonal1 = 4; // transits (date set 0) to natal chart 1
constexpr int modePersonal2 = 5; // transits (date set 0) to natal chart 2
constexpr int modeSynastry = 6; // natal chart 1 against natal chart 2

struct ModeRule {
    bool blnSingleChart; // one chart (11 × 10 grid) or two (12 × 12)
    int intSlotDateSet[2]; // date set of chart slots 0 and 1; −1: the slot is not used
    int intAspectOrbColumn; // orb column of the aspect test
    int intBoldOrbColumn; // orb column the bold face is judged against
    bool blnMoving; // the chart's aspects begin and end (Planetary and Personal)
    bool blnTransitingMoonOptional; // slot 0's Moon takes part only when the configuration includes it
};

// The rule of a mode (1..6); modeNone gives an empty single-chart rule.
const ModeRule& RuleOfMode(int intMode);

inline bool IsSingleChartMode(int intMode)
{
    return intMode >= modePlanetary && intMode <= modeNatal2;
}

inline bool IsPersonalMode(int intMode)
{
    return intMode == modePersonal1 || intMode == modePersonal2;
}

// Whether the mode reads date set k (0 current moment, 1 and 2 natal charts).
bool ModeUsesDateSet(int intMode, int k);

// 10 bodies, or 9 (without the Moon) in the Personal modes when the
// transiting Moon is not included.
int NumBodiesForMode(int intMode, bool blnIncludeTransitingMoon);

} // namespace qal
