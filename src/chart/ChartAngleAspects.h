// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// A chart's angles and the aspects to them: the angles of each slot whose
// date set has a place, and which bodies aspect which angles in each mode
// (Planetary and Natal: the chart's bodies to its own angles; Personal: the
// transiting bodies to the natal angles; Synastry: each chart's bodies to
// the other's angles), judged with the mode's orbs; and their lines in the
// report beside the table.
#pragma once

#include "chart/ChartCompute.h"

namespace qal {

// Fills result.angles and result.angleAspects and adds the angles' section
// to the report. Nothing for a chart without a place.
void AddChartAngles(
    const ChartRequest& request, const ConfigurationSettings& config, const OrbTable& udtOrbs, ChartResult& result);

// The slot whose angles the bodies of slot intBodySlot aspect in a mode; −1 none.
int AngleSlotFor(int intMode, int intBodySlot);

} // namespace qal
