// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Drawing the chart wheel: a black disc with twelve sign spokes, the body
// glyphs near the rim placed so that none overlaps another, the aspects of
// the aspect table as coloured lines between the glyphs, and the sign glyphs
// in a small ring about the centre. The one-ring wheel shows chart slot 0;
// the two-ring wheel shows slot 0 (set A: transits, or natal chart 1 in
// synastry) and slot 1 (set B); both sets start at the rim, and a glyph whose
// place is taken moves inward.
#pragma once

#include "astro/ChartState.h"
#include "astro/ChartAngles.h"
#include "chart/AspectGrid.h"
#include "drawing/RecordedPicture.h"

#include <QPoint>
#include <QStringList>

#include <memory>

namespace qal {

struct ConfigurationSettings;

struct WheelGeometry {
    int intWidth, intHeight; // picture size, twips
    int cx, cy; // centre
    int intDiscRadius;
    int intStartRadius; // spoke length and first glyph radius
    int intBoxBottom; // glyph box reaches this far below its centre
    int intCentreGlyphX, intCentreGlyphY;
};

WheelGeometry OneRingGeometry();
WheelGeometry TwoRingGeometry();

// The side texts of the wheel: block 0 (three lines), blocks 1 and 2 (up to
// four lines) and block 3 (two lines).
struct WheelTextBlocks {
    QStringList block[4];
};

// What a wheel is drawn from: the positions of the chart, its aspect table,
// the configuration (colours, inner-planet and transiting-Moon switches, the
// house cusps' switch), the chart mode, the side texts and, for a chart with
// a place, the angles and houses to draw (the one chart's; of two, the
// natal chart's or chart 1's).
struct WheelInputs {
    const ChartPositions& positions;
    const AspectGrid& grid;
    const ConfigurationSettings& config;
    int intMode;
    const WheelTextBlocks& blocks;
    const ChartAngles* angles = nullptr;
};

struct WheelDrawing {
    std::unique_ptr<RecordedPicture> picture;
    bool blnComplete = true; // false when a glyph found no free place
    bool blnPlaced[2][intMaxBodies + 1] = {}; // set, body
    QPoint printPosition[2][intMaxBodies + 1]; // top-left of each placed glyph, twips
};

// Draws the one-ring wheel (modes Planetary and Natal) or the two-ring wheel
// (modes Personal and Synastry), as the mode of inputs asks.
WheelDrawing DrawWheel(const WheelInputs& inputs);

// The point where an aspect line meets a glyph printed at printPosition.
QPoint LineEnd(const QPoint& printPosition);

// Where a side-text line of a block at x, top at y, starts: at x, or for a
// block right of the centre just right of the disc where the disc reaches
// further out at that line.
int TextStart(const WheelGeometry& g, int x, int intTop, int intLineHeight);

// The widest a side-text line starting at x, top at y, may be without running
// onto the disc (or past the picture's right edge).
int TextRoom(const WheelGeometry& g, int x, int intTop, int intLineHeight);

// Colours of the wheel.
QColor WheelBackground(); // 224, 224, 224
QColor WheelLineColor(); // 64, 64, 64: spokes and sign glyphs
QColor SecondSetColor(bool blnRetrograde); // 32, 32, 255 retrograde, else 32, 32, 32
QColor AxisColor(); // 200, 200, 200: the Ascendant–Descendant and Midheaven–Imum Coeli axes
QColor CuspColor(); // 96, 112, 160: the house cusps and their numbers

} // namespace qal
