// The aspect table's grids, the title with its orbs and the count texts.
#include "aspects/Aspects.h"
#include "astro/AstroTables.h"
#include "chart/AspectGrid.h"
#include "chart/ChartCompute.h"
#include "chart/CurrentChart.h"
#include "settings/Configuration.h"
#include "TestSupport.h"
#include "text/Texts.h"

#include <gtest/gtest.h>

using namespace qal;

using AspectGridTest = ::testing::Test;

TEST_F(AspectGridTest, SingleChartTriangle)
{
    AspectGrid grid;
    BuildSingleChartGrid(grid);
    ASSERT_EQ(grid.CellCount(), 110);
    int r = -1, c = -1;
    CellRowCol(23, grid.intCols, r, c);
    EXPECT_EQ(r, 2);
    EXPECT_EQ(c, 3);
    EXPECT_EQ(SingleChartAspectCell(1, 4), 23); // the Sun–Mars aspect
    EXPECT_EQ(SingleChartPositionCell(10), 9);
    EXPECT_FALSE(grid.At(3, 0).blnVisible); // 3 > 0 + 2
    EXPECT_TRUE(grid.At(2, 0).blnVisible);
    EXPECT_EQ(grid.At(2, 0).strText, strBodyGlyph[1]);
    EXPECT_TRUE(grid.At(2, 0).blnGlyph);
    EXPECT_EQ(grid.At(2, 0).dblBackColor, RGBColor(200, 200, 220));
    EXPECT_FALSE(grid.At(10, 0).blnVisible); // the zodiac cell waits for the computation
    EXPECT_EQ(grid.At(10, 8).strText, strBodyGlyph[9]);
    int intVisible = 0;
    for (const GridCell& cell : grid.cells)
        intVisible += cell.blnVisible ? 1 : 0;
    EXPECT_EQ(intVisible, 110 - 36); // rows 3..10 hide 1 + 2 + ... + 8 cells

    // A rebuild starts from empty cells.
    grid.At(2, 3).strText = QStringLiteral("Sqr");
    grid.At(2, 3).blnBold = true;
    BuildSingleChartGrid(grid);
    EXPECT_EQ(grid.At(2, 3).strText, QString());
    EXPECT_FALSE(grid.At(2, 3).blnBold);
}

TEST_F(AspectGridTest, TwoChartSquareCaptions)
{
    AspectGrid grid;
    BuildTwoChartGrid(grid, modePersonal2, false, ZodiacName(false));
    ASSERT_EQ(grid.CellCount(), 144);
    int r = -1, c = -1;
    CellRowCol(13, grid.intCols, r, c);
    EXPECT_EQ(r, 1);
    EXPECT_EQ(c, 1);
    EXPECT_EQ(grid.cells[13].strText, GetText(70));
    EXPECT_EQ(grid.At(0, 0).strText, ZodiacName(false));
    EXPECT_EQ(grid.At(0, 1).strText, GetText(68));
    EXPECT_EQ(grid.At(1, 0).strText, GetText(71));
    EXPECT_FALSE(grid.At(1, 1).blnGlyph);
    EXPECT_EQ(grid.At(1, 11).strText, strBodyGlyph[10]);
    EXPECT_EQ(grid.At(11, 1).strText, strBodyGlyph[10]);
    EXPECT_EQ(TwoChartPositionCell(0, 1), 2);
    EXPECT_EQ(TwoChartPositionCell(1, 1), 24);
    EXPECT_EQ(TwoChartAspectCell(10, 10), 143);

    BuildTwoChartGrid(grid, modeSynastry, false, QStringLiteral("Z"));
    EXPECT_EQ(grid.At(0, 0).strText, QStringLiteral("Z"));
    EXPECT_EQ(grid.At(0, 1).strText, GetText(75));
    EXPECT_EQ(grid.At(1, 0).strText, GetText(76));
    EXPECT_EQ(grid.At(1, 1).strText, GetText(14));
    BuildTwoChartGrid(grid, modePersonal1, false, QStringLiteral("Z"));
    EXPECT_EQ(grid.At(1, 1).strText, GetText(69));

    // Without the transiting Moon its glyph is left out; the natal Moon stays.
    BuildTwoChartGrid(grid, modePersonal1, true, QStringLiteral("Z"));
    EXPECT_EQ(grid.At(1, 11).strText, QString());
    EXPECT_EQ(grid.At(11, 1).strText, strBodyGlyph[10]);
}

TEST_F(AspectGridTest, EachAspectCellStandsForTwoBodies)
{
    struct Case {
        bool blnSingle;
        int intRow, intCol;
        bool blnAspect;
        int intRowBody, intColBody;
    };
    const Case cases[] = {
        { true, 2, 3, true, 1, 4 }, // Sun–Mars
        { true, 10, 9, true, 9, 10 }, // Pluto–Moon, the last aspect cell
        { true, 2, 0, false, 1, 1 }, // the Sun's glyph on the diagonal
        { true, 1, 5, false, 0, 6 }, // the glyph row
        { true, 0, 4, false, -1, 5 }, // a position
        { false, 2, 2, true, 1, 1 }, // natal Sun, transiting Sun
        { false, 11, 11, true, 10, 10 }, // natal Moon, transiting Moon
        { false, 5, 9, true, 4, 8 }, // natal Mars, transiting Neptune
        { false, 1, 4, false, 0, 3 }, // a glyph cell
        { false, 4, 0, false, 3, -1 }, // a natal position
    };
    for (const Case& c : cases) {
        AspectGrid grid;
        if (c.blnSingle)
            BuildSingleChartGrid(grid);
        else
            BuildTwoChartGrid(grid, modePersonal1, false, QString());
        const CellBodies bodies = BodiesOfCell(grid, grid.Index(c.intRow, c.intCol));
        EXPECT_EQ(bodies.blnAspectCell, c.blnAspect) << c.intRow << "," << c.intCol;
        if (c.blnAspect) {
            EXPECT_EQ(bodies.intRowBody, c.intRowBody) << c.intRow << "," << c.intCol;
            EXPECT_EQ(bodies.intColBody, c.intColBody) << c.intRow << "," << c.intCol;
        }
    }
}

TEST_F(AspectGridTest, TitleOrbNoteAndTheTextsAroundIt)
{
    EXPECT_EQ(TitleWithOrbs(udtOrbTable, QStringLiteral("T"), false, false), QStringLiteral("T  Orbs: 4° to 10°"));
    EXPECT_EQ(TitleWithOrbs(udtOrbTable, QStringLiteral("T"), false, false, true), QStringLiteral("T  Orbs: 4° to 10°"));
    // Personal transits: a third of each orb.
    EXPECT_EQ(TitleWithOrbs(udtOrbTable, QStringLiteral("T"), true, false), QStringLiteral("T  Orbs: 1°20' to 3°20'"));
    udtConfig.cboPersonalOrbsProportion[1] = 1; // synastry: half
    SetOrbTable(udtConfig);
    EXPECT_EQ(TitleWithOrbs(udtOrbTable, QStringLiteral("T"), true, true), QStringLiteral("T  Orbs: 2° to 5°"));
    for (int i = 0; i < 7; ++i)
        udtConfig.intOrbIndex[i] = 8;
    SetOrbTable(udtConfig);
    EXPECT_EQ(TitleWithOrbs(udtOrbTable, QStringLiteral("T"), false, false), QStringLiteral("T  Orb 8°"));
    EXPECT_EQ(TitleWithOrbs(udtOrbTable, QStringLiteral("T"), false, false, true), QStringLiteral("T  Orb 8°."));
    EXPECT_EQ(TitleWithOrbs(udtOrbTable, QStringLiteral("T"), true, false), QStringLiteral("T  Orb 2°40'"));

    EXPECT_EQ(LongitudeErrorText(-99), QStringLiteral("<"));
    EXPECT_EQ(LongitudeErrorText(-100), QStringLiteral(">"));
    EXPECT_EQ(LongitudeErrorText(-1), QStringLiteral("?"));

    EXPECT_EQ(AspectCountText(4, 2), QStringLiteral("2 trines"));
    EXPECT_EQ(AspectCountText(7, 1), QStringLiteral("1 quincunx"));
    EXPECT_EQ(AspectCountText(7, 2), QStringLiteral("2 quincunxes"));
    EXPECT_EQ(AspectCountText(1, 1), QStringLiteral("1 conjunction"));
    SetInterfaceLanguage(intLangGerman);
    EXPECT_EQ(AspectCountText(4, 2), QStringLiteral("2 Trigon"));
    SetInterfaceLanguage(intLangSpanish);
    EXPECT_EQ(AspectCountText(7, 3), QStringLiteral("3 quincunxes"));
}

TEST_F(AspectGridTest, BoldFaceRules)
{
    GridCell cell;
    FormatAspectCell(udtConfig, udtOrbTable, 0, cell, 3, test::Rad(0.99));
    EXPECT_TRUE(cell.blnBold);
    EXPECT_EQ(cell.dblForeColor, udtConfig.dblAspectColor[3]);
    FormatAspectCell(udtConfig, udtOrbTable, 0, cell, 3, test::Rad(1.0));
    EXPECT_FALSE(cell.blnBold);
    udtConfig.opt1DegOfOrb = false; // a quarter of the orb: 6°/4 = 1.5° for squares
    FormatAspectCell(udtConfig, udtOrbTable, 0, cell, 3, test::Rad(1.4));
    EXPECT_TRUE(cell.blnBold);
    FormatAspectCell(udtConfig, udtOrbTable, 1, cell, 3, test::Rad(1.4)); // column 1: 2°/4
    EXPECT_FALSE(cell.blnBold);
    udtConfig.chkUseBoldface = false;
    FormatAspectCell(udtConfig, udtOrbTable, 0, cell, 3, 0.0);
    EXPECT_FALSE(cell.blnBold);
}
