// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "chart/ChartModes.h"

namespace qal {
namespace {

constexpr ModeRule kRules[7] = {
    { true, { -1, -1 }, 0, 0, false, false }, // none
    { true, { 0, -1 }, 0, 0, true, false }, // Planetary
    { true, { 1, -1 }, 0, 0, false, false }, // Natal chart 1
    { true, { 2, -1 }, 0, 0, false, false }, // Natal chart 2
    { false, { 0, 1 }, 1, 1, true, true }, // transits to natal chart 1
    { false, { 0, 2 }, 1, 1, true, true }, // transits to natal chart 2
    { false, { 1, 2 }, 2, 1, false, false }, // synastry: judged with its own orbs, bold face with the transit orbs
};

} // namespace

const ModeRule& RuleOfMode(int intMode)
{
    return kRules[(intMode >= modePlanetary && intMode <= modeSynastry) ? intMode : modeNone];
}

bool ModeUsesDateSet(int intMode, int k)
{
    const ModeRule& rule = RuleOfMode(intMode);
    return k >= 0 && (rule.intSlotDateSet[0] == k || rule.intSlotDateSet[1] == k);
}

int NumBodiesForMode(int intMode, bool blnIncludeTransitingMoon)
{
    return RuleOfMode(intMode).blnTransitingMoonOptional && !blnIncludeTransitingMoon ? 9 : 10;
}

} // namespace qal
