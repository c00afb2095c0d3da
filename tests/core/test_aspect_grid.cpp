// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The aspect table's grids, the title with its orbs and the count texts.
#include "TestSupport.h"
#include "aspects/Aspects.h"
#include "astro/AstroTables.h"
#include "chart/AspectGrid.h"
#include "chart/ChartCompute.h"
#include "chart/CurrentChart.h"
#include "settings/Configuration.h"
#include "text/Texts.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace qal;

using AspectGridTest = ::testing::Test;

TEST_F(AspectGridTest, SingleChartTriangleTwoChartSquareAndTheBodiesOfEachCell)
{
    AspectGrid grid;
    BuildSingleChartGrid(grid);
    ASSERT_EQ(grid.CellCount(), 110);
    int r = -1, c = -1;
    CellRowCol(23, grid.intCols, r, c);
    EXPECT_TRUE(r == 2 && c == 3) << r << "," << c;
    EXPECT_EQ(SingleChartAspectCell(1, 4), 23); // the Sun–Mars aspect
    EXPECT_EQ(SingleChartPositionCell(10), 9);
    EXPECT_FALSE(grid.At(3, 0).blnVisible); // 3 > 0 + 2
    EXPECT_EQ(grid.At(2, 0).strText, strBodyGlyph[1]);
    EXPECT_TRUE(grid.At(2, 0).blnGlyph);
    EXPECT_EQ(grid.At(2, 0).dblBackColor, RGBColor(200, 200, 220));
    EXPECT_EQ(grid.At(10, 8).strText, strBodyGlyph[9]);
    int intVisible = 0;
    for (const GridCell& cell : grid.cells)
        intVisible += cell.blnVisible ? 1 : 0;
    EXPECT_EQ(intVisible, 110 - 36); // rows 3..10 hide 1 + 2 + ... + 8 cells
    // A rebuild starts from empty cells.
    grid.At(2, 3).strText = QStringLiteral("Sqr");
    grid.At(2, 3).blnBold = true;
    BuildSingleChartGrid(grid);
    EXPECT_TRUE(grid.At(2, 3).strText.isEmpty() && !grid.At(2, 3).blnBold);

    // The two-chart square: its captions by mode, the Moon's glyphs, its cells.
    AspectGrid two;
    const auto captions = [&two] {
        return QStringList { two.At(0, 0).strText, two.At(0, 1).strText, two.At(1, 0).strText, two.At(1, 1).strText };
    };
    BuildTwoChartGrid(two, modePersonal2, false, ZodiacName(false));
    ASSERT_EQ(two.CellCount(), 144);
    EXPECT_EQ(captions(), (QStringList { ZodiacName(false), GetText(68), GetText(71), GetText(70) }));
    EXPECT_FALSE(two.At(1, 1).blnGlyph);
    EXPECT_EQ(two.At(1, 11).strText, strBodyGlyph[10]);
    EXPECT_EQ(two.At(11, 1).strText, strBodyGlyph[10]);
    EXPECT_EQ(TwoChartPositionCell(0, 1), 2);
    EXPECT_EQ(TwoChartPositionCell(1, 1), 24);
    EXPECT_EQ(TwoChartAspectCell(10, 10), 143);
    BuildTwoChartGrid(two, modeSynastry, false, QStringLiteral("Z"));
    EXPECT_EQ(captions(), (QStringList { QStringLiteral("Z"), GetText(75), GetText(76), GetText(14) }));
    // Without the transiting Moon its glyph is left out; the natal Moon stays.
    BuildTwoChartGrid(two, modePersonal1, true, QStringLiteral("Z"));
    EXPECT_EQ(two.At(1, 11).strText, QString());
    EXPECT_EQ(two.At(11, 1).strText, strBodyGlyph[10]);
    BuildTwoChartGrid(two, modePersonal1, false, QString());
    EXPECT_EQ(two.At(1, 1).strText, GetText(69));

    // Each aspect cell stands for two bodies. Columns: single chart (1) or
    // two charts (0), row, column, aspect cell (1) or not (0), the row's
    // body and the column's body.
    const int cases[][6] = {
        { 1, 2, 3, 1, 1, 4 }, // Sun–Mars
        { 1, 10, 9, 1, 9, 10 }, // Pluto–Moon, the last aspect cell
        { 1, 2, 0, 0, 0, 0 }, // the Sun's glyph on the diagonal
        { 1, 1, 5, 0, 0, 0 }, // the glyph row
        { 1, 0, 4, 0, 0, 0 }, // a position
        { 0, 11, 11, 1, 10, 10 }, // natal Moon, transiting Moon
        { 0, 5, 9, 1, 4, 8 }, // natal Mars, transiting Neptune
        { 0, 1, 4, 0, 0, 0 }, // a glyph cell
        { 0, 4, 0, 0, 0, 0 }, // a natal position
    };
    for (const auto& intCase : cases) {
        const AspectGrid& g = intCase[0] ? grid : two;
        const CellBodies bodies = BodiesOfCell(g, g.Index(intCase[1], intCase[2]));
        EXPECT_EQ(bodies.blnAspectCell, intCase[3] == 1) << intCase[1] << "," << intCase[2];
        EXPECT_TRUE(!intCase[3] || (bodies.intRowBody == intCase[4] && bodies.intColBody == intCase[5]))
            << intCase[1] << "," << intCase[2] << ": bodies " << bodies.intRowBody << ", " << bodies.intColBody;
    }
}

TEST_F(AspectGridTest, TitleOrbNoteCountTextsAndBoldFace)
{
    const QString strT = QStringLiteral("T");
    EXPECT_EQ(TitleWithOrbs(udtOrbTable, strT, false, false), QStringLiteral("T  Orbs: 4° to 10°"));
    EXPECT_EQ(TitleWithOrbs(udtOrbTable, strT, false, false, true), QStringLiteral("T  Orbs: 4° to 10°"));
    // Personal transits: a third of each orb.
    EXPECT_EQ(TitleWithOrbs(udtOrbTable, strT, true, false), QStringLiteral("T  Orbs: 1°20' to 3°20'"));

    GridCell cell;
    FormatAspectCell(udtConfig, udtOrbTable, 0, cell, 3, test::Rad(0.99));
    EXPECT_TRUE(cell.blnBold);
    EXPECT_EQ(cell.dblForeColor, udtConfig.dblAspectColor[3]);
    FormatAspectCell(udtConfig, udtOrbTable, 0, cell, 3, test::Rad(1.0));
    EXPECT_FALSE(cell.blnBold);
    test::ChangeConfig([](ConfigurationSettings& c) { c.opt1DegOfOrb = false; }); // a quarter of the orb: 6°/4 = 1.5° for squares
    FormatAspectCell(udtConfig, udtOrbTable, 0, cell, 3, test::Rad(1.4));
    EXPECT_TRUE(cell.blnBold);
    FormatAspectCell(udtConfig, udtOrbTable, 1, cell, 3, test::Rad(1.4)); // column 1: 2°/4
    EXPECT_FALSE(cell.blnBold);
    test::ChangeConfig([&](ConfigurationSettings& c) { c.chkUseBoldface = false; });
    FormatAspectCell(udtConfig, udtOrbTable, 0, cell, 3, 0.0);
    EXPECT_FALSE(cell.blnBold);

    test::ChangeConfig([&](ConfigurationSettings& c) { c.cboPersonalOrbsProportion[1] = 1; }); // synastry: half
    SetOrbTable(udtConfig);
    EXPECT_EQ(TitleWithOrbs(udtOrbTable, strT, true, true), QStringLiteral("T  Orbs: 2° to 5°"));
    for (int i = 0; i < 7; ++i)
        test::ChangeConfig([&](ConfigurationSettings& c) { c.intOrbIndex[i] = 8; });
    SetOrbTable(udtConfig);
    EXPECT_EQ(TitleWithOrbs(udtOrbTable, strT, false, false), QStringLiteral("T  Orb 8°"));
    EXPECT_EQ(TitleWithOrbs(udtOrbTable, strT, false, false, true), QStringLiteral("T  Orb 8°."));
    EXPECT_EQ(TitleWithOrbs(udtOrbTable, strT, true, false), QStringLiteral("T  Orb 2°40'"));

    EXPECT_EQ(LongitudeErrorText(-99), QStringLiteral("<"));
    EXPECT_EQ(LongitudeErrorText(-100), QStringLiteral(">"));
    EXPECT_EQ(LongitudeErrorText(-1), QStringLiteral("?"));
    EXPECT_EQ(AspectCountText(4, 2), QStringLiteral("2 trines"));
    EXPECT_EQ(AspectCountText(7, 1), QStringLiteral("1 quincunx"));
    EXPECT_EQ(AspectCountText(7, 2), QStringLiteral("2 quincunxes"));
    SetInterfaceLanguage(intLangGerman);
    EXPECT_EQ(AspectCountText(4, 2), QStringLiteral("2 Trigon"));
    SetInterfaceLanguage(intLangSpanish);
    EXPECT_EQ(AspectCountText(7, 3), QStringLiteral("3 quincunxes"));
}
