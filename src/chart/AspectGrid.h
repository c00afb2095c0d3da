// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The aspect table as a grid of text cells, independent of any widget.
//
// Cells are numbered row by row from 0: cell = row · columns + column. The
// single-chart grid (11 × 10) is a triangle: row 0 holds the positions, row 1
// and the diagonal the body glyphs, row r column c the aspect of body r − 1
// with body c + 1. The two-chart grid (12 × 12) is a square: columns belong
// to chart slot 0, rows to chart slot 1.
#pragma once

#include "chart/ChartModes.h"

#include <QString>

#include <vector>

namespace qal {

// Colour values as the program keeps them (red in the low byte).
constexpr double dblBlack = 0;
constexpr double dblDefaultBackground = -1; // the cell keeps the window's own background
double PositionCellBackground(); // red 230, green 255, blue 230
double LabelCellBackground(); // red 200, green 200, blue 220

struct GridCell {
    QString strText;
    bool blnBold = false;
    bool blnGlyph = false; // drawn in the glyph font, size 14
    bool blnVisible = true;
    double dblForeColor = dblBlack;
    double dblBackColor = dblDefaultBackground;
};

struct AspectGrid {
    int intRows = 0;
    int intCols = 0;
    std::vector<GridCell> cells;

    int CellCount() const { return static_cast<int>(cells.size()); }
    int Index(int intRow, int intCol) const { return intRow * intCols + intCol; }
    GridCell& At(int intRow, int intCol) { return cells[Index(intRow, intCol)]; }
    const GridCell& At(int intRow, int intCol) const { return cells[Index(intRow, intCol)]; }
};

// Row (cell \ columns) and column (cell mod columns) of a cell.
void CellRowCol(int intCell, int intNumCols, int& intRow, int& intCol);

// The two bodies an aspect cell stands for. In the single-chart grid both are
// bodies of chart slot 0: the row's body (row − 1) and the column's body
// (column + 1). In the two-chart grid the column's body (column − 1) is of
// slot 0 and the row's body (row − 1) of slot 1.
struct CellBodies {
    bool blnAspectCell = false; // false for position, glyph and caption cells
    int intRowBody = 0;
    int intColBody = 0;
};
CellBodies BodiesOfCell(const AspectGrid& grid, int intCell);

// Discards the previous cells and lays out the label cells of each shape.
// The two-chart grid names the zodiac in its corner and leaves the transiting
// Moon's glyph out when it does not take part.
void BuildSingleChartGrid(AspectGrid& grid);
void BuildTwoChartGrid(AspectGrid& grid, int intMode, bool blnMoonExcluded, const QString& strZodiacName);

// The grid cell of the position of body b of chart slot s, and of the aspect
// of bodies i and j (single chart: i < j; two charts: slot-1 body i with
// slot-0 body j).
int SingleChartPositionCell(int b);
int SingleChartAspectCell(int i, int j);
int TwoChartPositionCell(int intSlot, int b);
int TwoChartAspectCell(int i, int j);

// Whether the cell names aspect kind k: its text contains the kind's
// abbreviation (a cell may name two kinds).
bool CellHasAspect(const GridCell& cell, int k);

// Number of aspects the grid shows: every cell and kind the cell names.
int GetTotalNumAspects(const AspectGrid& grid);

} // namespace qal
