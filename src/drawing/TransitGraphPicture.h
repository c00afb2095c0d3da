// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Drawing the transit graph into a picture (chart/TransitGraph.h has its
// scales): a black field, the grid with its date labels and the current
// moment's row in white, the exact line, the distance labels, the curve of
// the distance from exact in the aspect's colour and, in grey, the curve of
// the transiting body's daily motion (right of the centre forward, left of
// it backward; where it crosses the centre the body stands still).
#pragma once

#include "chart/TransitGraph.h"
#include "drawing/RecordedPicture.h"

#include <memory>

namespace qal {

constexpr int intGraphWidthTwips = 10950;
constexpr int intGraphHeightTwips = 6600;

struct TransitGraphInputs {
    TransitGraphScale scale;
    TransitCurves curves;
    QColor aspectColor;
    double dblNow = 0; // the main window's current moment
    QString strTitle;
};

std::unique_ptr<RecordedPicture> PaintTransitGraph(const TransitGraphInputs& inputs);

// The colour of the motion curve.
QColor MotionCurveColor();

} // namespace qal
