// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "chart/AspectGrid.h"

#include "astro/AstroTables.h"
#include "text/Texts.h"

namespace qal {
namespace {

constexpr int kSingleRows = 11, kSingleCols = 10;
constexpr int kTwoRows = 12, kTwoCols = 12;

void Reset(AspectGrid& grid, int intRows, int intCols)
{
    grid.intRows = intRows;
    grid.intCols = intCols;
    grid.cells.assign(static_cast<size_t>(intRows * intCols), GridCell());
}

void SetLabel(GridCell& cell, const QString& strText, bool blnGlyph)
{
    cell.strText = strText;
    cell.blnGlyph = blnGlyph;
    cell.blnBold = false;
    cell.dblForeColor = dblBlack;
    cell.dblBackColor = LabelCellBackground();
}

} // namespace

double PositionCellBackground()
{
    return RGBColor(230, 255, 230);
}

double LabelCellBackground()
{
    return RGBColor(200, 200, 220);
}

void CellRowCol(int intCell, int intNumCols, int& intRow, int& intCol)
{
    intRow = intCell / intNumCols;
    intCol = intCell % intNumCols;
}

CellBodies BodiesOfCell(const AspectGrid& grid, int intCell)
{
    CellBodies bodies;
    if (intCell < 0 || intCell >= grid.CellCount())
        return bodies;
    int intRow = 0, intCol = 0;
    CellRowCol(intCell, grid.intCols, intRow, intCol);
    const bool blnSingle = grid.intCols == kSingleCols;
    bodies.intRowBody = intRow - 1;
    bodies.intColBody = blnSingle ? intCol + 1 : intCol - 1;
    bodies.blnAspectCell = intRow >= 2 && (blnSingle ? bodies.intColBody > bodies.intRowBody : intCol >= 2)
        && bodies.intColBody <= intMaxBodies;
    return bodies;
}

void BuildSingleChartGrid(AspectGrid& grid)
{
    Reset(grid, kSingleRows, kSingleCols);
    for (int c = 0; c < kSingleCols; ++c)
        SetLabel(grid.At(1, c), strBodyGlyph[c + 1], true);
    for (int r = 2; r < kSingleRows; ++r)
        SetLabel(grid.At(r, r - 2), strBodyGlyph[r - 1], true);
    for (int i = 0; i < grid.CellCount(); ++i) {
        int intRow = 0, intCol = 0;
        CellRowCol(i, kSingleCols, intRow, intCol);
        if (intRow > intCol + 2)
            grid.cells[i].blnVisible = false;
    }
}

void BuildTwoChartGrid(AspectGrid& grid, int intMode, bool blnMoonExcluded, const QString& strZodiacName)
{
    Reset(grid, kTwoRows, kTwoCols);
    const bool blnSynastry = intMode == modeSynastry;
    SetLabel(grid.At(0, 0), strZodiacName, false);
    SetLabel(grid.At(0, 1), GetText(blnSynastry ? TextId::Chart1 : TextId::TransitingPlanet), false);
    SetLabel(grid.At(1, 0), GetText(blnSynastry ? TextId::Chart2 : TextId::Natal), false);
    const TextId corner = blnSynastry
        ? TextId::ModeSynastry
        : (intMode == modePersonal1 ? TextId::TransitsToChart1 : TextId::TransitsToChart2);
    SetLabel(grid.At(1, 1), GetText(corner), false);
    for (int c = 2; c < kTwoCols; ++c) {
        const bool blnEmpty = c == kTwoCols - 1 && blnMoonExcluded;
        SetLabel(grid.At(1, c), blnEmpty ? QString() : strBodyGlyph[c - 1], true);
    }
    for (int r = 2; r < kTwoRows; ++r)
        SetLabel(grid.At(r, 1), strBodyGlyph[r - 1], true);
}

int SingleChartPositionCell(int b)
{
    return b - 1;
}

int SingleChartAspectCell(int i, int j)
{
    return (i + 1) * kSingleCols + (j - 1);
}

int TwoChartPositionCell(int intSlot, int b)
{
    return intSlot == 0 ? b + 1 : (b + 1) * kTwoCols;
}

int TwoChartAspectCell(int i, int j)
{
    return (i + 1) * kTwoCols + (j + 1);
}

bool CellHasAspect(const GridCell& cell, int k)
{
    return cell.strText.contains(udtAspectText[k].Abbr);
}

int GetTotalNumAspects(const AspectGrid& grid)
{
    int intTotal = 0;
    for (const GridCell& cell : grid.cells) {
        for (int k = 1; k <= intNumAspectKinds; ++k) {
            if (CellHasAspect(cell, k))
                ++intTotal;
        }
    }
    return intTotal;
}

} // namespace qal
