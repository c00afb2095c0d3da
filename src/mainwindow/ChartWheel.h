// Drawing the chart wheel: a black disc with twelve sign spokes, the body
// glyphs near the rim placed so that none overlaps another, the aspects of
// the aspect table as coloured lines between the glyphs, and the sign glyphs
// in a small ring about the centre. The one-ring wheel shows chart slot 0;
// the two-ring wheel shows slot 0 (set A: transits, or natal chart 1 in
// synastry) and slot 1 (set B) inside it.
#pragma once

#include "mainwindow/AspectGrid.h"
#include "mainwindow/WheelPicture.h"

#include <QStringList>

#include <memory>

namespace qal {

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

struct WheelDrawing {
    std::unique_ptr<WheelPicture> picture;
    bool blnComplete = true; // false when a glyph found no free place
    bool blnPlaced[2][11] = {}; // set, body
    QPoint printPosition[2][11]; // top-left of each placed glyph, twips
};

// Draws the one-ring wheel of chart slot 0 (modes Planetary and Natal).
WheelDrawing DrawOneRingWheel(const AspectGrid& grid, const WheelTextBlocks& blocks);

// Draws the two-ring wheel of slots 0 and 1 (modes Personal and Synastry).
WheelDrawing DrawTwoRingWheel(const AspectGrid& grid, int intMode, const WheelTextBlocks& blocks);

// The point where an aspect line meets a glyph printed at printPosition.
QPoint LineEnd(const QPoint& printPosition);

// Colours of the wheel.
QColor WheelBackground(); // 224, 224, 224
QColor WheelLineColor(); // 64, 64, 64: spokes and sign glyphs
QColor SecondSetColor(bool blnRetrograde); // 32, 32, 255 retrograde, else 32, 32, 32

} // namespace qal
