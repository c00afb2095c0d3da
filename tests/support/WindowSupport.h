// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Driving the main window in tests: a loaded window, questions answered by
// the test, and date sets filled as a user would.
#pragma once

#include "WindowDriver.h"
#include "mainwindow/frmMain.h"
#include "dialogs/frmTimeMap.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace qal::test {

// The folders a window of the tests works with: the build's data files and a
// user folder inside the test run's temporary home.
platform::AppFolders TestFolders();

// An aspect cell of the table shown: its first aspect kind and its bodies
// (the row's body is intP1, the column's intP2).
struct AspectCell {
    int intIndex = -1; // −1: none found
    int intKind = 0;
    int intRowBody = 0;
    int intColBody = 0;
};

// Drives the progress panels of window (as their timers' ticks would) until
// the computations they watch are over.
void WaitForJobs(QWidget* window);
// The same for the time map; returns map.
frmTimeMap* WaitForTimeMap(frmTimeMap* map);

// Every visible text of window (and its children) that is wider than its
// widget: labels (a word-wrapped one by its longest word), buttons with their
// indicator, each entry of a list, as "text (needs x, has y)".
QStringList TextsThatDoNotFit(const QWidget* window);

class MainWindowTest : public ::testing::Test, public MainWindowControls {
protected:
    void SetUp() override;
    void TearDown() override;
    // Makes a new main window and starts it, as the next start of the program.
    void StartWindow();
    // The text of the cell at row r, column c of the current grid.
    QString Cell(int r, int c) const;
    // The texts (not glyphs) printed on the wheel shown.
    QStringList PrintedWheelTexts() const;
    // The first aspect cell of the table shown that satisfies accept.
    AspectCell FindAspectCell(const std::function<bool(const AspectCell&)>& accept) const;
    // In a Personal mode: the first transit of a body from intFirstBody on
    // (not the Moon) whose beginning and end are known (zone GMT+1:00).
    AspectCell FindTransitWithKnownSpan(int intFirstBody) const;
    // Clicks Time map in the durations window and lets the map be computed.
    frmTimeMap* OpenTimeMap();

    std::unique_ptr<frmMain> form;
};

} // namespace qal::test
