// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The report texts beside the aspect table.
#pragma once

#include "aspects/Patterns.h"

#include <QString>

namespace qal {

struct ChartReports {
    QString strReport; // single-chart modes: counts, patterns, retrograde bodies
    QString strReport1; // two-chart modes: one line of counts
    int intRetrogradeCount = 0;
    QString strRetrogradeList; // abbreviations, each followed by a blank
};

// "2 trines", "1 quincunx", "2 quincunxes"; German names stay unchanged.
QString AspectCountText(int k, int intCount);

// The single-chart report: a line per aspect kind found, the total, then the
// pattern lines of sky (counts into intPatternCount) and the retrograde bodies.
void WriteSingleChartReport(
    ChartReports& reports, const int intKindCounts[8], const PatternSky& sky, int intPatternCount[intNumPatternKinds]);

// The two-chart report: the counts on one line with the total.
void WriteTwoChartReport(ChartReports& reports, const int intKindCounts[8]);

} // namespace qal
