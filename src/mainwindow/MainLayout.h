// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The main window's design, in twips: where its parts stand at the design's
// size. frmMainLayout.cpp places the controls from it; a larger window gives
// its extra room to the table, the wheel and the graph (scaled alike) and to
// the report beside them.
#pragma once

namespace qal::layout {

constexpr int kCellWidth = 990;
constexpr int kCellHeight = 540;
constexpr int kLeft = 1200; // left edge of the table, the wheel and the graph
constexpr int kGraphLeft = 750; // the transit graph is wider and starts further left
constexpr int kToolTop = 1740; // the row of view, stepping and command buttons
constexpr int kTableTop = 2400;
constexpr int kReportWidth = 4500;
constexpr int kReportGap = 120; // between the table or picture and the report
constexpr int kTableRows = 12;
constexpr int kTableColumns = 12;
constexpr int kRightColumn = 14865; // the units, the language, Configure
constexpr int kHelpLeft = 14640; // Help, beside Quit
constexpr int kRowHeight = 345;
constexpr int kBottomTop = kTableTop + kTableRows * kCellHeight + 120; // the file and program buttons
// The canvas at the design's size.
constexpr int kDesignWidth = kLeft + kTableColumns * kCellWidth + kReportGap + kReportWidth + 120;
constexpr int kDesignHeight = kBottomTop + kRowHeight + 180;
// The part that grows: the table (or picture) and the report beside it.
constexpr int kViewWidth = kDesignWidth - 120 - kLeft;
constexpr int kViewHeight = kTableRows * kCellHeight;

} // namespace qal::layout
