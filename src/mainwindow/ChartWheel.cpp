#include "mainwindow/ChartWheel.h"

#include "astro/AstroTables.h"
#include "platform/Colors.h"
#include "settings/Configuration.h"

#include <cmath>

namespace qal {
namespace {

constexpr double kRadiusFactor = 0.98; // a glyph moves inward by 2 % per attempt
constexpr double kMinRadius = 100;
constexpr int kSampleStep = 10;
constexpr int kGlyphOffset = 150; // print position = glyph centre − 150
constexpr int kLineEndOffset = 120;
constexpr double kGlyphPoints = 14;
constexpr double kSignGlyphPoints = 8;
constexpr double kTextPoints = 8.25;
constexpr int kSignRingRadius = 800;
constexpr int kTextLineHeight = 210;

int Round(double v)
{
    return static_cast<int>(std::lround(v));
}

QPoint OnCircle(const WheelGeometry& g, double dblAngle, double dblRadius)
{
    return { Round(g.cx + dblRadius * std::cos(dblAngle)), Round(g.cy - dblRadius * std::sin(dblAngle)) };
}

// Free when every sample of the glyph box is black (the disc) or the line
// colour (the spokes); anything else drawn there, or the picture's edge,
// makes it occupied.
bool IsPlaceFree(const WheelPicture& picture, const QPoint& centre, int intBoxBottom)
{
    const QColor black(Qt::black);
    const QColor line = WheelLineColor();
    for (int dx = -kGlyphOffset; dx <= 100; dx += kSampleStep) {
        for (int dy = -kGlyphOffset; dy <= intBoxBottom; dy += kSampleStep) {
            const QColor c = picture.PointColor(centre.x() + dx, centre.y() + dy);
            if (c != black && c != line)
                return false;
        }
    }
    return true;
}

void PrepareDisc(WheelPicture& picture, const WheelGeometry& g)
{
    picture.Disc(g.cx, g.cy, g.intDiscRadius, Qt::black, Qt::white);
    for (int i = 0; i < 12; ++i) {
        const QPoint end = OnCircle(g, i * 30.0 / 360.0 * dblTwoPi, g.intStartRadius);
        picture.Line(g.cx, g.cy, end.x(), end.y(), WheelLineColor(), 1);
    }
}

// Places the glyphs of one set, bodies intFirst down to 1; false when one
// found no place (drawing stops there).
bool PlaceSet(WheelDrawing& drawing, const WheelGeometry& g, int intSet, int intFirst, bool blnSkipMoonPrint)
{
    WheelPicture& picture = *drawing.picture;
    for (int b = intFirst; b >= 1; --b) {
        const double L = dblLongitude[intSet][b];
        if (L < 0)
            continue;
        double r = g.intStartRadius;
        QPoint centre = OnCircle(g, L, r);
        while (!IsPlaceFree(picture, centre, g.intBoxBottom)) {
            r *= kRadiusFactor;
            if (r < kMinRadius)
                return false;
            centre = OnCircle(g, L, r);
        }
        const QPoint print(centre.x() - kGlyphOffset, centre.y() - kGlyphOffset);
        drawing.blnPlaced[intSet][b] = true;
        drawing.printPosition[intSet][b] = print;
        if (intSet == 0 && b == intMoon && blnSkipMoonPrint)
            continue;
        if (intSet == 0)
            picture.Print(print.x(), print.y(), strBodyGlyph[b], true, kGlyphPoints, Qt::white);
        else
            picture.Print(print.x(), print.y(), strBodyGlyph[b], true, kGlyphPoints, Qt::black, false, true);
    }
    return true;
}

// The bodies of an aspect cell: (body of set A, body of set B) or, in the
// one-ring wheel, the two bodies of chart slot 0.
bool CellBodies(const AspectGrid& grid, int intCell, bool blnTwoRing, int& b1, int& b2)
{
    int intRow = 0, intCol = 0;
    GetRowCol(intCell, grid.intCols, intRow, intCol);
    b1 = blnTwoRing ? intCol - 1 : intCol + 1;
    b2 = intRow - 1;
    const bool blnInside = b1 >= 1 && b1 <= intMaxBodies && b2 >= 1 && b2 <= intMaxBodies;
    return blnInside && (blnTwoRing ? intRow >= 2 && intCol >= 2 : intRow >= 2);
}

void DrawAspectLines(WheelDrawing& drawing, const AspectGrid& grid, bool blnTwoRing, bool blnMoonExcluded)
{
    const int intSetB = blnTwoRing ? 1 : 0;
    for (int i = 0; i < grid.CellCount(); ++i) {
        const GridCell& cell = grid.cells[static_cast<size_t>(i)];
        int b1 = 0, b2 = 0;
        if (cell.strText.isEmpty() || !CellBodies(grid, i, blnTwoRing, b1, b2))
            continue;
        if (!drawing.blnPlaced[0][b1] || !drawing.blnPlaced[intSetB][b2])
            continue;
        for (int k = 1; k <= intNumAspectKinds; ++k) {
            if (!cell.strText.contains(udtAspectText[k].Abbr) || udtConfig.dblAspectColor[k] == 0)
                continue;
            if ((blnInnerPlanet[b1] || blnInnerPlanet[b2]) && !udtConfig.blnShowInnerPlanetAspects)
                continue;
            if (blnTwoRing && b1 == intMoon && blnMoonExcluded)
                continue;
            const QPoint from = LineEnd(drawing.printPosition[0][b1]);
            const QPoint to = LineEnd(drawing.printPosition[intSetB][b2]);
            drawing.picture->Line(from.x(), from.y(), to.x(), to.y(), platform::ToQColor(udtConfig.dblAspectColor[k]),
                cell.blnBold ? 2 : 1);
        }
    }
}

void PrintTextBlock(WheelPicture& picture, const QStringList& lines, int x)
{
    for (int n = 0; n < lines.size(); ++n)
        picture.Print(x, kTextLineHeight * n, lines[n], false, kTextPoints, Qt::black, false, true);
}

void Finish(WheelDrawing& drawing, const WheelGeometry& g, int intLastA, bool blnTwoRing, bool blnMoonExcluded)
{
    WheelPicture& picture = *drawing.picture;
    for (int b = intLastA; b >= 1; --b) {
        if (!drawing.blnPlaced[0][b] || (blnTwoRing && b == intMoon && blnMoonExcluded))
            continue;
        const QPoint p = drawing.printPosition[0][b];
        picture.Print(p.x(), p.y(), strBodyGlyph[b], true, kGlyphPoints, Qt::white, intRetrograde[0][b]);
    }
    if (blnTwoRing) {
        for (int b = intMaxBodies; b >= 1; --b) {
            if (!drawing.blnPlaced[1][b])
                continue;
            const QPoint p = drawing.printPosition[1][b];
            picture.Print(
                p.x(), p.y(), strBodyGlyph[b], true, kGlyphPoints, SecondSetColor(intRetrograde[1][b]), false, true);
        }
    }
    for (int s = 0; s < intNumSigns; ++s) {
        const QPoint p = OnCircle(g, (s * 30.0 + 15.0) / 360.0 * dblTwoPi, kSignRingRadius);
        picture.Print(p.x() - 50, p.y() - 50, strSignGlyph[s], true, kSignGlyphPoints, WheelLineColor());
    }
    picture.Print(g.intCentreGlyphX, g.intCentreGlyphY, strBodyGlyph[11], true, kGlyphPoints, Qt::white);
}

} // namespace

WheelGeometry OneRingGeometry()
{
    WheelGeometry g { 6000, 6000, 3000, 3000, 2950, 2880, 150, 0, 0 };
    g.intCentreGlyphX = g.intWidth / 2 - 140;
    g.intCentreGlyphY = g.intCentreGlyphX - 20;
    return g;
}

WheelGeometry TwoRingGeometry()
{
    WheelGeometry g { 9900, 6600, 4950, 3300, 3250, 3200, 200, 0, 0 };
    g.intCentreGlyphX = g.intWidth / 2 - 140;
    g.intCentreGlyphY = g.intHeight / 2 - 150;
    return g;
}

QPoint LineEnd(const QPoint& printPosition)
{
    return printPosition + QPoint(kLineEndOffset, kLineEndOffset);
}

QColor WheelBackground()
{
    return { 224, 224, 224 };
}

QColor WheelLineColor()
{
    return { 64, 64, 64 };
}

QColor SecondSetColor(bool blnRetrograde)
{
    return blnRetrograde ? QColor(32, 32, 255) : QColor(32, 32, 32);
}

WheelDrawing DrawOneRingWheel(const AspectGrid& grid, const WheelTextBlocks& blocks)
{
    const WheelGeometry g = OneRingGeometry();
    WheelDrawing drawing;
    drawing.picture = std::make_unique<WheelPicture>(g.intWidth, g.intHeight, WheelBackground());
    PrepareDisc(*drawing.picture, g);
    if (!PlaceSet(drawing, g, 0, intNumBodies, false)) {
        drawing.blnComplete = false;
        return drawing;
    }
    DrawAspectLines(drawing, grid, false, false);
    Finish(drawing, g, intNumBodies, false, false);
    PrintTextBlock(*drawing.picture, blocks.block[0], 0);
    PrintTextBlock(*drawing.picture, blocks.block[3], 4600);
    return drawing;
}

WheelDrawing DrawTwoRingWheel(const AspectGrid& grid, int intMode, const WheelTextBlocks& blocks)
{
    const WheelGeometry g = TwoRingGeometry();
    const bool blnSynastry = intMode == modeSynastry;
    const bool blnMoonExcluded = !blnSynastry && !udtConfig.blnIncludeTransitingMoon;
    WheelDrawing drawing;
    drawing.picture = std::make_unique<WheelPicture>(g.intWidth, g.intHeight, WheelBackground());
    PrepareDisc(*drawing.picture, g);
    if (!PlaceSet(drawing, g, 0, intMaxBodies, blnMoonExcluded) || !PlaceSet(drawing, g, 1, intMaxBodies, false)) {
        drawing.blnComplete = false;
        return drawing;
    }
    DrawAspectLines(drawing, grid, true, blnMoonExcluded);
    Finish(drawing, g, intMaxBodies, true, blnMoonExcluded);
    PrintTextBlock(*drawing.picture, blocks.block[0], 1700);
    if (blnSynastry)
        PrintTextBlock(*drawing.picture, blocks.block[2], 7300);
    else
        PrintTextBlock(*drawing.picture, blocks.block[1], 7100);
    return drawing;
}

} // namespace qal
