// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Drawing the time map into a picture (chart/TimeMap.h has its rows and
// ticks): the title, the dates across the top with their grid, a strip of
// the sky's events (stations SR and SD, the slow bodies' ingresses, the
// eclipses) when there are any, one row per
// aspect labelled with the bodies' glyphs and the kind's name, a bar in the
// aspect's colour for each stretch within orb, a mark with its date at each
// exact pass, and a line at the current moment. The layout answers where a
// point of the picture lies (for pointing at a bar).
#pragma once

#include "chart/TimeMap.h"
#include "drawing/RecordedPicture.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace qal {

struct TimeMapDrawing {
    QString strTitle; // the chart, the span, the orbs and the zodiac
    std::vector<TimeMapRow> rows;
    std::vector<SkyEvent> skyEvents; // the strip's, in time order
    std::vector<TimeTick> ticks;
    double dblFrom = 0; // UT
    double dblUntil = 0;
    double dblNow = 0;
    int intZoneMinutes = 0; // of the pass labels
    QColor aspectColor[8]; // kinds 1..7
    bool blnWhiteBackground = false; // for print: dark marks on white
};

// Where things stand in a time map of a given width (twips).
struct TimeMapLayout {
    int intWidth = 0;
    int intHeight = 0;
    int intBarsLeft = 0; // the left edge of the span
    int intBarsRight = 0;
    int intStripTop = 0; // the sky's events, between the dates and the rows
    int intStripHeight = 0; // 0 without events
    int intRowsTop = 0;
    int intRowHeight = 0;
    QStringList titleLines; // the title broken to the picture's width
    double dblFrom = 0;
    double dblUntil = 0;
    int X(double dblMoment) const;
    double MomentAt(int x) const;
    int RowAt(int y) const; // −1 above or below the rows
};

// The drawing of a time map computed for request: its rows and events, the
// dates of its span in the chart's zone, the current moment, the colours of
// the configuration's aspect kinds, and the title (the chart's title, then
// the span); dark marks on white when asked.
TimeMapDrawing MakeTimeMapDrawing(const TimeMapRequest& request, TimeMapComputed computed,
    const ConfigurationSettings& config, double dblNow, const QString& strChartTitle, bool blnWhiteBackground);

TimeMapLayout LayOutTimeMap(const TimeMapDrawing& drawing, int intWidthTwips);

std::unique_ptr<RecordedPicture> PaintTimeMap(const TimeMapDrawing& drawing, const TimeMapLayout& layout);

// The stretch of the row at (x, y) under the point or nearest to it within a
// few pixels; null when there is none. intRow receives the row.
const OrbStretch* StretchAt(const TimeMapDrawing& drawing, const TimeMapLayout& layout, int x, int y, int& intRow);

// The strip's events whose ticks stand within a few pixels of (x, y), in
// time order; none outside the strip.
std::vector<const SkyEvent*> SkyEventsAt(const TimeMapDrawing& drawing, const TimeMapLayout& layout, int x, int y);

} // namespace qal
