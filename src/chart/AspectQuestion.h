// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Asking about one aspect of the chart shown (a double click on a cell of
// the table): which bodies and kind the cell stands for, when the aspect
// began and ends, and the answer the window shows — a message, or in the
// Personal modes the course of the transit as a graph.
#pragma once

#include "aspects/AspectMoments.h"
#include "chart/Durations.h"
#include "chart/TransitGraph.h"

#include <QString>

#include <optional>

namespace qal {

struct ConfigurationSettings;

// The aspect a cell of the grid stands for: its first aspect kind, the row's
// body and the body the aspect is to (in the Personal modes the natal body,
// then the transiting one).
struct CellAspect {
    int intP1 = 0;
    int intP2 = 0;
    int intKind = 0;
    bool blnPersonal = false; // the personal orbs judge; intP1 is natal and stands still
};

// The aspect of cell intCell; none for a cell without an aspect, in a chart
// whose aspects neither begin nor end, or for a kind whose lines are off
// (colour 0).
std::optional<CellAspect> AspectOfCell(
    const AspectGrid& grid, int intCell, int intMode, const ConfigurationSettings& config);

// What the answer is about: the chart shown and the local day of the natal
// date set as it was read (for the graph's title).
struct AspectQuestion {
    DurationInputs chart;
    double dblNatalDayValue = -1;
    bool blnExactMoments = false; // the exact moments are added to the message
};

struct AspectAnswer {
    QString strTitle; // "Mars square to Sun", "Transiting Saturn square to natal Sun"
    QString strMessage; // when the aspect began and ends (or how briefly the Moon's lasts)
    bool blnMoon = false; // an aspect of the Moon: the message is all there is
    double dblStart = -1; // day numbers; −1 not known
    double dblEnd = -1;
    // In the Personal modes with both days known: the transit graph instead.
    bool blnGraph = false;
    TransitGraphScale graphScale;
    TransitCurves graphCurves;
    QString strGraphTitle;
    // In the Planetary mode: the message and the offer of the durations list.
    QString strDurationsQuestion;
};

AspectAnswer AnswerAboutAspect(const CellAspect& aspect, const AspectQuestion& question, const OrbTable& udtOrbs);

// The transit graph of one stretch within orb of a transit (a Personal
// mode), from its first day to its last; no graph (blnGraph false) without
// a natal position.
AspectAnswer TransitGraphOfStretch(
    const CellAspect& aspect, const OrbStretch& stretch, const AspectQuestion& question, const OrbTable& udtOrbs);

// With blnExactMoments: two line breaks, the exact moments of the aspect
// around the current moment and its stretch within orb; otherwise "".
// dblStart and dblEnd are its days (−1 not known).
QString ExactMomentsOfAspect(const CellAspect& aspect, const DurationInputs& chart, const OrbTable& udtOrbs,
    double dblStart, double dblEnd, bool blnExactMoments);

} // namespace qal
