// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "drawing/ChartWheel.h"

#include "astro/AstroTables.h"
#include "settings/Configuration.h"
#include "drawing/Colors.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace qal {
namespace {

constexpr double kRadiusFactor = 0.98; // a glyph moves inward by 2 % per attempt
constexpr double kMinRadius = 100;
constexpr int kSampleStep = 10;
constexpr double kGlyphGap = 15; // twips kept between two glyphs
constexpr double kUnderlineReach = 40; // twips a retrograde glyph's underline reaches below its ink
constexpr int kGlyphOffset = 150; // print position = glyph centre − 150
constexpr int kLineEndOffset = 120;
constexpr double kSignGlyphPoints = 8;
constexpr double kTextPoints = 8.25;
constexpr int kSignRingRadius = 800;
constexpr int kTextLineHeight = 210;
constexpr int kTextMargin = 45; // twips kept between a side text and the disc

int Round(double v)
{
    return static_cast<int>(std::lround(v));
}

QPoint OnCircle(const WheelGeometry& g, double dblAngle, double dblRadius)
{
    return { Round(g.cx + dblRadius * std::cos(dblAngle)), Round(g.cy - dblRadius * std::sin(dblAngle)) };
}

// Free when every sample of the glyph box is black (the disc) or the colour
// of a line across it (the spokes, the axes, the cusps); anything else drawn
// there (a glyph, an axis' label), or the picture's edge, makes it occupied.
bool IsPlaceFree(const RecordedPicture& picture, const QPoint& centre, int intBoxBottom)
{
    const QRgb free[] = { qRgb(0, 0, 0), WheelLineColor().rgb(), AxisColor().rgb(), CuspColor().rgb() };
    for (int dy = -kGlyphOffset; dy <= intBoxBottom; dy += kSampleStep) {
        for (int dx = -kGlyphOffset; dx <= 100; dx += kSampleStep) {
            QRgb c = 0;
            if (!picture.PointRgb(centre.x() + dx, centre.y() + dy, c) || std::find(std::begin(free), std::end(free), c) == std::end(free))
                return false;
        }
    }
    return true;
}

// The houses of a chart with a place, under the glyphs: each cusp a thin
// line from the sign ring to the rim with its house's number in the middle
// of the house, the two axes across the disc with "AC" and "MC" at the rim.
void DrawHouses(RecordedPicture& picture, const WheelGeometry& g, const ChartAngles& angles, bool blnCusps)
{
    constexpr int kCuspInner = kSignRingRadius + 250;
    constexpr int kHouseNumberRadius = kSignRingRadius + 420;
    constexpr double kLabelPoints = 7.5;
    if (blnCusps) {
        for (int i = 1; i <= 12; ++i) {
            const QPoint from = OnCircle(g, angles.dblCusp[i], kCuspInner);
            const QPoint to = OnCircle(g, angles.dblCusp[i], g.intDiscRadius);
            picture.Line(from.x(), from.y(), to.x(), to.y(), CuspColor(), 1);
            // The middle of house i, from its cusp to the next (the arc may pass 0°).
            const double dblNext = angles.dblCusp[i % 12 + 1];
            double dblArc = dblNext - angles.dblCusp[i];
            if (dblArc < 0)
                dblArc += dblTwoPi;
            const QPoint at = OnCircle(g, angles.dblCusp[i] + dblArc / 2, kHouseNumberRadius);
            picture.Print(at.x() - 60, at.y() - 80, QString::number(i), false, kLabelPoints, CuspColor());
        }
    }
    for (const double dblAxis : { angles.dblAscendant, angles.dblMidheaven }) {
        const QPoint from = OnCircle(g, dblAxis + dblPi, g.intDiscRadius);
        const QPoint to = OnCircle(g, dblAxis, g.intDiscRadius);
        picture.Line(from.x(), from.y(), to.x(), to.y(), AxisColor(), 2);
    }
    // The labels a shade lighter than the axes: glyphs keep off them.
    const QColor label(224, 224, 224);
    for (const int intPoint : { intAscendant, intMidheaven }) {
        const QPoint at = OnCircle(g, angles.PointLongitude(intPoint), g.intDiscRadius - 170);
        picture.Print(at.x() - 90, at.y() - 90, PointAbbr(intPoint), false, kLabelPoints, label);
    }
}

void PrepareDisc(RecordedPicture& picture, const WheelGeometry& g)
{
    picture.Disc(g.cx, g.cy, g.intDiscRadius, Qt::black, Qt::white);
    for (int i = 0; i < 12; ++i) {
        const QPoint end = OnCircle(g, DegToRad(i * 30.0), g.intStartRadius);
        picture.Line(g.cx, g.cy, end.x(), end.y(), WheelLineColor(), 1);
    }
}

class WheelPainter {
public:
    WheelPainter(const WheelInputs& inputs, const WheelGeometry& g, WheelDrawing& drawing)
        : m_in(inputs)
        , m_g(g)
        , m_drawing(drawing)
        , m_picture(*drawing.picture)
        , m_blnTwoRing(!RuleOfMode(inputs.intMode).blnSingleChart)
        , m_blnMoonExcluded(
              RuleOfMode(inputs.intMode).blnTransitingMoonOptional && !inputs.config.blnIncludeTransitingMoon)
    {
    }

    // Places the glyphs of one set, bodies intFirst down to 1; false when one
    // found no place (drawing stops there).
    bool PlaceSet(int intSet, int intFirst)
    {
        for (int b = intFirst; b >= 1; --b) {
            const double L = m_in.positions.dblLongitude[intSet][b];
            if (L < 0)
                continue;
            double r = m_g.intStartRadius;
            QPoint centre = OnCircle(m_g, L, r);
            while (!IsPlaceFree(m_picture, centre, m_g.intBoxBottom) || TouchesPlacedGlyph(GlyphArea(intSet, b, centre))) {
                r *= kRadiusFactor;
                if (r < kMinRadius)
                    return false;
                centre = OnCircle(m_g, L, r);
            }
            const QPoint print(centre.x() - kGlyphOffset, centre.y() - kGlyphOffset);
            m_placedInks.push_back(GlyphArea(intSet, b, centre));
            m_drawing.blnPlaced[intSet][b] = true;
            m_drawing.printPosition[intSet][b] = print;
            if (intSet == 0 && b == intMoon && m_blnMoonExcluded)
                continue; // placed but not shown
            if (intSet == 0)
                m_picture.PrintGlyph(print.x(), print.y(), strBodyGlyph[b], Qt::white);
            else
                m_picture.PrintGlyph(print.x(), print.y(), strBodyGlyph[b], Qt::black, false, true);
        }
        return true;
    }

    // What body b's glyph of set intSet covers when centred at centre, as
    // the screen shows it: the first set's ink (with its underline when
    // retrograde), the second set's whole opaque box.
    QRectF GlyphArea(int intSet, int b, const QPoint& centre) const
    {
        const int x = centre.x() - kGlyphOffset, y = centre.y() - kGlyphOffset;
        if (intSet == 1)
            return QRectF(x, y, intGlyphBoxWidth, intGlyphBoxHeight);
        QRectF ink = RecordedPicture::GlyphInkBox(x, y, strBodyGlyph[b]);
        if (m_in.positions.intRetrograde[0][b])
            ink.setBottom(ink.bottom() + kUnderlineReach);
        return ink;
    }

    // Whether a glyph covering area would touch a glyph placed before: the
    // exact canvas's test alone lets nearby glyphs touch on the smooth screen.
    bool TouchesPlacedGlyph(const QRectF& area) const
    {
        const QRectF kept = area.adjusted(-kGlyphGap, -kGlyphGap, kGlyphGap, kGlyphGap);
        return std::any_of(
            m_placedInks.begin(), m_placedInks.end(), [&](const QRectF& placed) { return placed.intersects(kept); });
    }

    void DrawAspectLines()
    {
        const AspectGrid& grid = m_in.grid;
        const int intSetB = m_blnTwoRing ? 1 : 0;
        const ConfigurationSettings& config = m_in.config;
        for (int i = 0; i < grid.CellCount(); ++i) {
            const GridCell& cell = grid.cells[static_cast<size_t>(i)];
            const CellBodies bodies = BodiesOfCell(grid, i);
            if (cell.strText.isEmpty() || !bodies.blnAspectCell)
                continue;
            // Set A holds the column's body, set B the row's.
            const int b1 = bodies.intColBody;
            const int b2 = bodies.intRowBody;
            if (!m_drawing.blnPlaced[0][b1] || !m_drawing.blnPlaced[intSetB][b2])
                continue;
            for (int k = 1; k <= intNumAspectKinds; ++k) {
                if (!CellHasAspect(cell, k) || config.dblAspectColor[k] == 0)
                    continue;
                if ((blnInnerPlanet[b1] || blnInnerPlanet[b2]) && !config.blnShowInnerPlanetAspects)
                    continue;
                if (m_blnTwoRing && b1 == intMoon && m_blnMoonExcluded)
                    continue;
                const QPoint from = LineEnd(m_drawing.printPosition[0][b1]);
                const QPoint to = LineEnd(m_drawing.printPosition[intSetB][b2]);
                m_picture.Line(
                    from.x(), from.y(), to.x(), to.y(), ToQColor(config.dblAspectColor[k]), cell.blnBold ? 2 : 1);
            }
        }
    }

    // Glyphs again on top of the lines, the sign ring and the centre glyph.
    void Finish(int intLastA)
    {
        const ChartPositions& p = m_in.positions;
        for (int b = intLastA; b >= 1; --b) {
            if (!m_drawing.blnPlaced[0][b] || (m_blnTwoRing && b == intMoon && m_blnMoonExcluded))
                continue;
            const QPoint at = m_drawing.printPosition[0][b];
            m_picture.PrintGlyph(at.x(), at.y(), strBodyGlyph[b], Qt::white, p.intRetrograde[0][b]);
        }
        if (m_blnTwoRing) {
            for (int b = intMaxBodies; b >= 1; --b) {
                if (!m_drawing.blnPlaced[1][b])
                    continue;
                const QPoint at = m_drawing.printPosition[1][b];
                m_picture.PrintGlyph(
                    at.x(), at.y(), strBodyGlyph[b], SecondSetColor(p.intRetrograde[1][b]), false, true);
            }
        }
        for (int s = 0; s < intNumSigns; ++s) {
            const QPoint at = OnCircle(m_g, DegToRad(s * 30.0 + 15.0), kSignRingRadius);
            m_picture.Print(at.x() - 50, at.y() - 50, strSignGlyph[s], true, kSignGlyphPoints, WheelLineColor());
        }
        m_picture.Print(m_g.intCentreGlyphX, m_g.intCentreGlyphY, strBodyGlyph[11], true, 14, Qt::white);
    }

    // A side-text block at its one size, a line that would reach the disc
    // broken between words onto the next (the room narrows as the disc
    // widens); nothing is shrunk or cut.
    void PrintTextBlock(const QStringList& lines, int x)
    {
        int intRow = 0;
        const auto print = [&](const QString& strText) {
            const int y = kTextLineHeight * intRow++;
            int intStart = TextStart(m_g, x, y, kTextLineHeight);
            // A single word wider than the room left of the disc moves left
            // into the free corner rather than onto the disc.
            const int intWidth = m_picture.TextWidth(strText, kTextPoints), intRoom = TextRoom(m_g, x, y, kTextLineHeight);
            if (x < m_g.cx && intWidth > intRoom)
                intStart = std::max(0, x + intRoom - intWidth);
            m_picture.Print(intStart, y, strText, false, kTextPoints, Qt::black, false, true);
            m_picture.MarkLastAsSideText();
        };
        for (const QString& strLine : lines) {
            QString strRow;
            for (const QString& strWord : strLine.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                const QString strLonger = strRow.isEmpty() ? strWord : strRow + QLatin1Char(' ') + strWord;
                const int intRoom = TextRoom(m_g, x, kTextLineHeight * intRow, kTextLineHeight);
                if (!strRow.isEmpty() && m_picture.TextWidth(strLonger, kTextPoints) > intRoom) {
                    print(strRow);
                    strRow = strWord;
                } else {
                    strRow = strLonger;
                }
            }
            print(strRow);
        }
    }

private:
    const WheelInputs& m_in;
    const WheelGeometry& m_g;
    WheelDrawing& m_drawing;
    RecordedPicture& m_picture;
    bool m_blnTwoRing;
    bool m_blnMoonExcluded;
    std::vector<QRectF> m_placedInks; // what every glyph placed so far covers, both sets
};

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

namespace {

// Half the disc's width at the line's edge nearest the centre, where the
// disc reaches furthest out.
double DiscHalfChord(const WheelGeometry& g, int intTop, int intLineHeight)
{
    const int intNearY = std::clamp(g.cy, intTop, intTop + intLineHeight);
    const double dy = intNearY - g.cy;
    return std::fabs(dy) < g.intDiscRadius ? std::sqrt(double(g.intDiscRadius) * g.intDiscRadius - dy * dy) : 0;
}

} // namespace

int TextStart(const WheelGeometry& g, int x, int intTop, int intLineHeight)
{
    if (x < g.cx)
        return x;
    const double dblHalfChord = DiscHalfChord(g, intTop, intLineHeight);
    return dblHalfChord > 0 ? std::max(x, Round(g.cx + dblHalfChord) + kTextMargin) : x;
}

int TextRoom(const WheelGeometry& g, int x, int intTop, int intLineHeight)
{
    if (x >= g.cx)
        return std::max(0, g.intWidth - TextStart(g, x, intTop, intLineHeight));
    return std::max(0, Round(g.cx - DiscHalfChord(g, intTop, intLineHeight)) - kTextMargin - x);
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

QColor AxisColor()
{
    return { 200, 200, 200 };
}

QColor CuspColor()
{
    return { 96, 112, 160 };
}

WheelDrawing DrawWheel(const WheelInputs& inputs)
{
    const bool blnOneRing = RuleOfMode(inputs.intMode).blnSingleChart;
    const WheelGeometry g = blnOneRing ? OneRingGeometry() : TwoRingGeometry();
    WheelDrawing drawing;
    drawing.picture = std::make_unique<RecordedPicture>(g.intWidth, g.intHeight, WheelBackground());
    PrepareDisc(*drawing.picture, g);
    if (inputs.angles && inputs.angles->blnKnown)
        DrawHouses(*drawing.picture, g, *inputs.angles, inputs.config.blnShowHouseCusps);
    WheelPainter painter(inputs, g, drawing);
    const int intLastA = blnOneRing ? inputs.positions.intNumBodies : intMaxBodies;
    if (!painter.PlaceSet(0, intLastA) || (!blnOneRing && !painter.PlaceSet(1, intMaxBodies))) {
        drawing.blnComplete = false;
        return drawing;
    }
    painter.DrawAspectLines();
    painter.Finish(intLastA);
    if (blnOneRing) {
        painter.PrintTextBlock(inputs.blocks.block[0], 0);
        painter.PrintTextBlock(inputs.blocks.block[3], 4600);
    } else {
        painter.PrintTextBlock(inputs.blocks.block[0], 1700);
        if (inputs.intMode == modeSynastry)
            painter.PrintTextBlock(inputs.blocks.block[2], 7300);
        else
            painter.PrintTextBlock(inputs.blocks.block[1], 7100);
    }
    return drawing;
}

} // namespace qal
