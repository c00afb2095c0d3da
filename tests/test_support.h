// Shared helpers for the tests.
#pragma once

#include <QString>

#include <gtest/gtest.h>

namespace qal::test {

// The folder the build puts qal.dat and pluto.slx in.
QString DataFolder();

// Loads the interface texts and fills the chart tables once, in English.
void LoadTextsAndTables();

// Degrees to radians with the program's 2π.
double Rad(double dblDegrees);
// Degrees and minutes to radians.
double RadDM(double dblDegrees, double dblMinutes);

// A test that starts from the loaded texts and tables in English, the
// default configuration and its orbs, and puts all of them back afterwards.
class ChartTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

} // namespace qal::test
