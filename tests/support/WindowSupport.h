// Driving the main window in tests: a loaded window, questions answered by
// the test, and date sets filled as a user would.
#pragma once

#include "mainwindow/frmMain.h"

#include <gtest/gtest.h>

#include <memory>

namespace qal::test {

// The folders a window of the tests works with: the build's data files and a
// user folder inside the test run's temporary home.
platform::AppFolders TestFolders();

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Fills date set k: year text, month 1..12, day, "hh:mm" and zone text
    // ("" leaves a list empty).
    void FillDateSet(int k, const char* strYear, int intMonth, int intDay, const char* strHour, const char* strZone);
    // The text of the cell at row r, column c of the current grid.
    QString Cell(int r, int c) const;
    // The texts (not glyphs) printed on the wheel shown.
    QStringList PrintedWheelTexts() const;

    std::unique_ptr<frmMain> form;
};

} // namespace qal::test
