// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The chart wheel: glyph placement, aspect lines and what is printed, checked
// on the recorded drawing and on the occupancy canvas.
#include "TestSupport.h"
#include "aspects/Aspects.h"
#include "astro/AstroTables.h"
#include "drawing/ChartWheel.h"
#include "settings/Configuration.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace qal;

namespace {

class ChartWheel : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int s = 0; s < 2; ++s)
            for (int b = 1; b <= 10; ++b)
                positions.dblLongitude[s][b] = -99.0;
        BuildSingleChartGrid(grid);
    }

    void Place(int intSlot, int b, double dblDegrees) { positions.dblLongitude[intSlot][b] = test::Rad(dblDegrees); }

    WheelDrawing Draw(int intMode, const AspectGrid& table) const
    {
        return DrawWheel({ positions, table, udtConfig, intMode, blocks });
    }
    WheelDrawing Draw() const { return Draw(modePlanetary, grid); }

    // Lines other than the twelve spokes, in drawing order.
    static std::vector<PictureOp> AspectLines(const WheelDrawing& drawing)
    {
        std::vector<PictureOp> lines;
        for (const PictureOp& op : drawing.picture->Ops())
            if (op.kind == PictureOp::Kind::Line && op.color != WheelLineColor())
                lines.push_back(op);
        return lines;
    }

    static bool Touches(const PictureOp& line, const WheelDrawing& drawing, int intSet, int b)
    {
        const QPoint end = LineEnd(drawing.printPosition[intSet][b]);
        return (line.x1 == end.x() && line.y1 == end.y()) || (line.x2 == end.x() && line.y2 == end.y());
    }

    // How often a glyph is printed.
    static int GlyphPrints(const WheelDrawing& drawing, const QString& strGlyph)
    {
        int intPrints = 0;
        for (const PictureOp& op : drawing.picture->Ops())
            intPrints += op.kind == PictureOp::Kind::Glyph && op.strText == strGlyph ? 1 : 0;
        return intPrints;
    }

    // Distance of the centre of a placed glyph from the centre of the wheel.
    static double Radius(const WheelDrawing& drawing, const WheelGeometry& g, int intSet, int b)
    {
        const QPoint c = drawing.printPosition[intSet][b] + QPoint(150, 150);
        return std::hypot(c.x() - g.cx, c.y() - g.cy);
    }

    ChartPositions positions;
    AspectGrid grid;
    WheelTextBlocks blocks;
};


TEST_F(ChartWheel, BodiesAtTheSameLongitudeAreBothPlacedAndOnlyBodiesWithAPosition)
{
    Place(0, 1, 100);
    Place(0, 2, 100);
    const WheelDrawing drawing = Draw();
    ASSERT_TRUE(drawing.blnComplete);
    ASSERT_TRUE(drawing.blnPlaced[0][1] && drawing.blnPlaced[0][2]);
    // Mercury is placed first and keeps the rim; the Sun moves inward, along
    // the same direction, until its box is clear of Mercury's glyph.
    const WheelGeometry g = OneRingGeometry();
    EXPECT_GT(Radius(drawing, g, 0, 2), Radius(drawing, g, 0, 1) + 200);
    EXPECT_LT(Radius(drawing, g, 0, 2), g.intStartRadius + 1);
    // The Sun's glyph box holds nothing but disc and spokes of the picture
    // drawn before it: it does not reach Mercury's glyph.
    const QRect mercuryInk(drawing.printPosition[0][2] + QPoint(0, 40), QSize(250, 200));
    EXPECT_FALSE(QRect(drawing.printPosition[0][1], QSize(250, 300)).intersects(mercuryInk));
    // A body without a position is neither placed nor printed; each placed
    // glyph is printed twice (placed, then again over the lines).
    EXPECT_FALSE(drawing.blnPlaced[0][9]);
    EXPECT_EQ(GlyphPrints(drawing, strBodyGlyph[9]), 0);
    EXPECT_EQ(GlyphPrints(drawing, strBodyGlyph[1]), 2);
}

// Bodies a few degrees apart, two and three and more together (Saturn and
// Neptune, Jupiter with Mars and Venus, the Sun with Mercury, Venus and the
// Moon): each later glyph moves inward until it touches none placed before,
// as the smooth screen shows them (the first set's ink and the underline of
// a retrograde one, the second set's opaque boxes), in both wheels.
TEST_F(ChartWheel, GlyphsOfNearbyBodiesNeverTouch)
{
    const double crowd[] = { 0, 40, 41.5, 43, 200.5, 203, 202, 45, 357, 359, 42 }; // degrees of bodies 1..10
    for (int s = 0; s < 2; ++s)
        for (int b = 1; b <= 10; ++b)
            Place(s, b, crowd[b] + s * 1.2);
    positions.intRetrograde[0][6] = positions.intRetrograde[0][8] = true;
    for (const int intMode : { modePlanetary, modePersonal1 }) {
        AspectGrid table;
        if (intMode == modePlanetary)
            BuildSingleChartGrid(table);
        else
            BuildTwoChartGrid(table, intMode, false, QString());
        const WheelDrawing drawing = Draw(intMode, table);
        ASSERT_TRUE(drawing.blnComplete) << intMode;
        std::vector<QRectF> areas;
        for (int s = 0; s < (intMode == modePlanetary ? 1 : 2); ++s) {
            for (int b = 1; b <= 10; ++b) {
                const QPoint at = drawing.printPosition[s][b];
                QRectF area = s == 1 ? QRectF(at, QSizeF(250, 300))
                                     : RecordedPicture::GlyphInkBox(at.x(), at.y(), strBodyGlyph[b]);
                if (s == 0 && positions.intRetrograde[0][b])
                    area.setBottom(area.bottom() + 20);
                for (const QRectF& other : areas)
                    EXPECT_FALSE(area.intersects(other)) << intMode << " set " << s << " body " << b;
                areas.push_back(area);
            }
        }
    }
}

TEST_F(ChartWheel, AspectLinesFollowTheTableAndTheOptions)
{
    Place(0, 1, 10); // Sun
    Place(0, 5, 130); // Jupiter: trine the Sun
    Place(0, 6, 100); // Saturn: square the Sun
    grid.At(2, 4).strText = QStringLiteral("Tri\r\n0°0' +");
    grid.At(2, 5).strText = QStringLiteral("Sqr\r\n0°0' +");
    grid.At(2, 5).blnBold = true;
    grid.At(6, 5).strText = QStringLiteral("Ssx\r\n0°0'\r\nQui"); // Jupiter–Saturn: a cell naming two kinds

    WheelDrawing drawing = Draw();
    std::vector<PictureOp> lines = AspectLines(drawing);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].intWidth, 1);
    EXPECT_EQ(lines[0].color, QColor(0, 255, 0)); // trine green
    EXPECT_TRUE(Touches(lines[0], drawing, 0, 1) && Touches(lines[0], drawing, 0, 5));
    EXPECT_EQ(lines[1].intWidth, 2); // bold cell: a close aspect
    EXPECT_EQ(lines[1].color, QColor(255, 0, 0));
    EXPECT_EQ(lines[2].color, QColor(128, 128, 255));
    EXPECT_EQ(lines[3].color, QColor(128, 128, 128));

    // A kind whose colour is 0 draws nothing although the table shows it.
    test::ChangeConfig([&](ConfigurationSettings& c) { c.dblAspectColor[4] = 0; });
    lines = AspectLines(Draw());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].color, QColor(255, 0, 0));

    // Without inner-planet aspects no line touches the Sun.
    test::ChangeConfig([&](ConfigurationSettings& c) { c.blnShowInnerPlanetAspects = false; });
    drawing = Draw();
    lines = AspectLines(drawing);
    ASSERT_EQ(lines.size(), 2u);
    for (const PictureOp& line : lines)
        EXPECT_FALSE(Touches(line, drawing, 0, 1));
}

TEST_F(ChartWheel, GlyphsStandOnTopRetrogradeOnesUnderlinedTheSignRingInsideAndInkInTheBox)
{
    Place(0, 4, 200);
    positions.intRetrograde[0][4] = true;
    Place(0, 6, 20);
    blocks.block[0] = QStringList { QStringLiteral("Planetary"), QStringLiteral("Mar. 5, 2018") };
    blocks.block[3] = QStringList { QStringLiteral("Tropical zodiac") };
    const WheelDrawing drawing = Draw();
    const QVector<PictureOp>& ops = drawing.picture->Ops();
    // The last glyph or text printed with the given text.
    const auto last = [&](const QString& strText) {
        const auto it = std::find_if(ops.crbegin(), ops.crend(), [&](const PictureOp& op) {
            return (op.kind == PictureOp::Kind::Text || op.kind == PictureOp::Kind::Glyph) && op.strText == strText;
        });
        return it == ops.crend() ? PictureOp() : *it;
    };
    EXPECT_TRUE(last(strBodyGlyph[4]).blnUnderline);
    EXPECT_FALSE(last(strBodyGlyph[6]).blnUnderline);
    EXPECT_EQ(last(strBodyGlyph[4]).color, QColor(Qt::white));
    EXPECT_EQ(last(strSignGlyph[0]).color, WheelLineColor());
    EXPECT_EQ(last(strSignGlyph[0]).dblPointSize, 8);
    EXPECT_EQ(QPoint(last(strBodyGlyph[11]).x1, last(strBodyGlyph[11]).y1), QPoint(2860, 2840));
    const PictureOp date = last(QStringLiteral("Mar. 5, 2018"));
    EXPECT_EQ(QPoint(date.x1, date.y1), QPoint(0, 210));
    EXPECT_TRUE(date.blnOpaque);
    EXPECT_EQ(last(QStringLiteral("Tropical zodiac")).x1, 4600);

    // On the canvas: background grey outside the disc, black disc.
    EXPECT_EQ(drawing.picture->PointColor(30, 5990), QColor(224, 224, 224));
    EXPECT_EQ(drawing.picture->PointColor(3000 + 1500, 3000 + 300), QColor(Qt::black));
    EXPECT_FALSE(drawing.picture->PointColor(-1, 10).isValid());

    // Every body glyph, printed alone, leaves its ink inside its glyph box on
    // the canvas (one pixel for 15 twips), so two glyphs whose boxes are
    // apart never touch.
    const QRect box(QPoint(1200, 1200) / 15, QSize(intGlyphBoxWidth / 15, intGlyphBoxHeight / 15));
    for (int b = 1; b <= 10; ++b) {
        RecordedPicture alone(3000, 3000, WheelBackground());
        alone.PrintGlyph(1200, 1200, strBodyGlyph[b], Qt::white, b == 4);
        const QImage& canvas = alone.Canvas();
        int intInk = 0;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                if (QColor(canvas.pixel(x, y)) != WheelBackground()) {
                    ++intInk;
                    EXPECT_TRUE(box.contains(x, y)) << "glyph " << b << " ink at " << x << "," << y;
                }
        EXPECT_GT(intInk, 20) << "glyph " << b;
    }
}

TEST_F(ChartWheel, TwoRingWheelWarnsWhenCrowdedAndPlacesTheSecondSetInside)
{
    // Twenty glyphs on one ray of the two-ring wheel cannot all find room.
    for (int s = 0; s < 2; ++s)
        for (int b = 1; b <= 10; ++b)
            Place(s, b, 45);
    AspectGrid twoGrid;
    BuildTwoChartGrid(twoGrid, modePersonal1, false, QString());
    WheelDrawing drawing = Draw(modePersonal1, twoGrid);
    EXPECT_FALSE(drawing.blnComplete);
    EXPECT_TRUE(drawing.blnPlaced[0][10]); // the first ones found room
    EXPECT_FALSE(drawing.blnPlaced[1][1]);

    // Then the natal chart at the same places as the transits.
    for (int s = 0; s < 2; ++s)
        for (int b = 1; b <= 10; ++b)
            Place(s, b, b * 36.0);
    positions.intRetrograde[1][6] = true;
    twoGrid.At(11, 11).strText = QStringLiteral("Con\r\n0°0'"); // natal Moon, transiting Moon
    twoGrid.At(2, 3).strText = QStringLiteral("Ssx\r\n6°0'"); // natal Sun, transiting Mercury
    drawing = Draw(modePersonal1, twoGrid);
    ASSERT_TRUE(drawing.blnComplete);
    const WheelGeometry g = TwoRingGeometry();
    for (int b = 1; b <= 10; ++b)
        EXPECT_LT(Radius(drawing, g, 1, b), Radius(drawing, g, 0, b) - 150) << b;
    EXPECT_EQ(AspectLines(drawing).size(), 2u);
    // The retrograde Saturn of the second set: its own colour, printed opaque.
    bool blnSaturnOpaque = false;
    for (const PictureOp& op : drawing.picture->Ops())
        if (op.kind == PictureOp::Kind::Glyph && op.strText == strBodyGlyph[6] && op.color == SecondSetColor(true))
            blnSaturnOpaque = op.blnOpaque;
    EXPECT_TRUE(blnSaturnOpaque);

    // Without the transiting Moon it is placed but not printed, and no line
    // leaves it; the natal Moon stays.
    test::ChangeConfig([&](ConfigurationSettings& c) { c.blnIncludeTransitingMoon = false; });
    BuildTwoChartGrid(twoGrid, modePersonal1, true, QString());
    twoGrid.At(11, 11).strText = QStringLiteral("Con\r\n0°0'");
    drawing = Draw(modePersonal1, twoGrid);
    EXPECT_TRUE(drawing.blnPlaced[0][10]);
    EXPECT_EQ(GlyphPrints(drawing, strBodyGlyph[10]), 2); // the natal Moon, placed and printed again
    EXPECT_TRUE(AspectLines(drawing).empty());
}

TEST_F(ChartWheel, SideTextsKeepTheirSizeAndBreakBeforeTheDisc)
{
    // The longest texts the corner blocks get (German): at their one size,
    // every word printed, a line broken between words where it would reach the
    // disc (only a single word that finds no room is printed over the edge, on
    // its opaque background).
    const QString strZodiac = QStringLiteral("Siderischer Tierkreis");
    const QString strOrbs = QStringLiteral("Orben: 1°20' bis 3°20'");
    const QString strOneRingOrbs = QStringLiteral("Orben: 4° bis 10°"); // breaks after "bis": "10°" alone
    for (int intMode : { modePlanetary, modePersonal1, modeSynastry }) {
        const bool blnOneRing = intMode == modePlanetary;
        blocks.block[0] = { blnOneRing ? QStringLiteral("Planetenstand") : QStringLiteral("Persönliche Transite zu Radix 1"),
            QStringLiteral("28.Sept. 2018"), QStringLiteral("14:30 GMT+10:00") };
        blocks.block[1] = blocks.block[2]
            = { QStringLiteral("Radix 2"), QStringLiteral("28.September 2018, 14:30 GMT+10:00"), strZodiac, strOrbs };
        blocks.block[3] = { QStringLiteral("Tropischer Tierkreis"), strOneRingOrbs };
        if (!blnOneRing) // the planetary wheel comes first, with the single-chart grid
            BuildTwoChartGrid(grid, intMode, false, QString());
        const WheelDrawing drawing = Draw(intMode, grid);
        const WheelGeometry g = blnOneRing ? OneRingGeometry() : TwoRingGeometry();
        QString strPrinted;
        for (const PictureOp& op : drawing.picture->Ops()) {
            if (op.kind != PictureOp::Kind::Text || op.blnGlyphFont)
                continue;
            EXPECT_EQ(op.dblPointSize, 8.25);
            if (op.strText.contains(QLatin1Char(' '))) {
                EXPECT_LE(drawing.picture->TextWidth(op.strText, op.dblPointSize), TextRoom(g, op.x1, op.y1, 210) + 1)
                    << intMode << " at " << op.x1 << "," << op.y1 << " " << op.strText.toStdString();
            }
            // No line, a single word neither, stands on the disc.
            const int intRight = op.x1 + drawing.picture->TextWidth(op.strText, op.dblPointSize);
            const double dx = std::clamp(g.cx, op.x1, intRight) - g.cx, dy = std::clamp(g.cy, op.y1, op.y1 + 210) - g.cy;
            EXPECT_GT(std::hypot(dx, dy), g.intDiscRadius)
                << intMode << " at " << op.x1 << "," << op.y1 << " " << op.strText.toStdString();
            strPrinted += op.strText + QLatin1Char(' ');
        }
        const QStringList expected = (blocks.block[0] + (blnOneRing ? blocks.block[3] : blocks.block[1])).join(QLatin1Char(' ')).split(QLatin1Char(' '));
        EXPECT_EQ(strPrinted.split(QLatin1Char(' '), Qt::SkipEmptyParts), expected); // nothing cut, nothing lost
    }
}

} // namespace
