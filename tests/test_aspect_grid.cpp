// The aspect table's grids, the title with its orbs and the count texts.
#include "aspects/Aspects.h"
#include "astro/AstroTables.h"
#include "mainwindow/AspectGrid.h"
#include "mainwindow/ChartCompute.h"
#include "settings/Configuration.h"
#include "test_support.h"
#include "text/Texts.h"

#include <gtest/gtest.h>

using namespace qal;

using AspectGridTest = test::ChartTest;

TEST_F(AspectGridTest, SingleChartTriangle)
{
    AspectGrid grid;
    BuildSingleChartGrid(grid);
    ASSERT_EQ(grid.CellCount(), 110);
    int r = -1, c = -1;
    GetRowCol(23, grid.intCols, r, c);
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
    BuildTwoChartGrid(grid, modePersonal2);
    ASSERT_EQ(grid.CellCount(), 144);
    int r = -1, c = -1;
    GetRowCol(13, grid.intCols, r, c);
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

    BuildTwoChartGrid(grid, modeSynastry);
    EXPECT_EQ(grid.At(0, 1).strText, GetText(75));
    EXPECT_EQ(grid.At(1, 0).strText, GetText(76));
    EXPECT_EQ(grid.At(1, 1).strText, GetText(14));
    BuildTwoChartGrid(grid, modePersonal1);
    EXPECT_EQ(grid.At(1, 1).strText, GetText(69));

    // Without the transiting Moon its glyph is left out, except in synastry.
    udtConfig.blnIncludeTransitingMoon = false;
    BuildTwoChartGrid(grid, modePersonal1);
    EXPECT_EQ(grid.At(1, 11).strText, QString());
    EXPECT_EQ(grid.At(11, 1).strText, strBodyGlyph[10]);
    BuildTwoChartGrid(grid, modeSynastry);
    EXPECT_EQ(grid.At(1, 11).strText, strBodyGlyph[10]);
}

TEST_F(AspectGridTest, TitleOrbNoteAndTheTextsAroundIt)
{
    EXPECT_EQ(AddOrbToTitle(QStringLiteral("T"), false, false), QStringLiteral("T  Orbs: 4° to 10°"));
    EXPECT_EQ(AddOrbToTitle(QStringLiteral("T"), false, false, true), QStringLiteral("T  Orbs: 4° to 10°"));
    // Personal transits: a third of each orb.
    EXPECT_EQ(AddOrbToTitle(QStringLiteral("T"), true, false), QStringLiteral("T  Orbs: 1°20' to 3°20'"));
    udtConfig.cboPersonalOrbsProportion[1] = 1; // synastry: half
    SetOrbs();
    EXPECT_EQ(AddOrbToTitle(QStringLiteral("T"), true, true), QStringLiteral("T  Orbs: 2° to 5°"));
    for (int i = 0; i < 7; ++i)
        udtConfig.intOrbIndex[i] = 8;
    SetOrbs();
    EXPECT_EQ(AddOrbToTitle(QStringLiteral("T"), false, false), QStringLiteral("T  Orb 8°"));
    EXPECT_EQ(AddOrbToTitle(QStringLiteral("T"), false, false, true), QStringLiteral("T  Orb 8°."));
    EXPECT_EQ(AddOrbToTitle(QStringLiteral("T"), true, false), QStringLiteral("T  Orb 2°40'"));

    EXPECT_EQ(LongitudeErrorText(-99), QStringLiteral("<"));
    EXPECT_EQ(LongitudeErrorText(-100), QStringLiteral(">"));
    EXPECT_EQ(LongitudeErrorText(-1), QStringLiteral("?"));

    EXPECT_EQ(AspectCountText(4, 2), QStringLiteral("2 trines"));
    EXPECT_EQ(AspectCountText(7, 1), QStringLiteral("1 quincunx"));
    EXPECT_EQ(AspectCountText(7, 2), QStringLiteral("2 quincunxes"));
    EXPECT_EQ(AspectCountText(1, 1), QStringLiteral("1 conjunction"));
    intCurrentLanguage = intLangGerman;
    SetAstroNames();
    EXPECT_EQ(AspectCountText(4, 2), QStringLiteral("2 Trigon"));
    intCurrentLanguage = intLangSpanish;
    SetAstroNames();
    EXPECT_EQ(AspectCountText(7, 3), QStringLiteral("3 quincunxes"));
}

TEST_F(AspectGridTest, BoldFaceRules)
{
    GridCell cell;
    FormatAspectCell(0, cell, 3, test::Rad(0.99));
    EXPECT_TRUE(cell.blnBold);
    EXPECT_EQ(cell.dblForeColor, udtConfig.dblAspectColor[3]);
    FormatAspectCell(0, cell, 3, test::Rad(1.0));
    EXPECT_FALSE(cell.blnBold);
    udtConfig.opt1DegOfOrb = false; // a quarter of the orb: 6°/4 = 1.5° for squares
    FormatAspectCell(0, cell, 3, test::Rad(1.4));
    EXPECT_TRUE(cell.blnBold);
    FormatAspectCell(1, cell, 3, test::Rad(1.4)); // column 1: 2°/4
    EXPECT_FALSE(cell.blnBold);
    udtConfig.chkUseBoldface = false;
    FormatAspectCell(0, cell, 3, 0.0);
    EXPECT_FALSE(cell.blnBold);
}
