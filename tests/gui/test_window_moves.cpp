// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Ordinary moves in the main window that once gave wrong results: a refused
// date or step followed by a command on the chart shown, a mode between two
// two-chart tables, a report after the chart moved on.
#include "TestSupport.h"
#include "WindowSupport.h"
#include "dialogs/frmDurations.h"
#include "dialogs/frmTimeMap.h"
#include "astro/Angles.h"
#include "astro/ChartState.h"
#include "text/Texts.h"
#include "ui/UiScript.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace qal;

namespace {

constexpr double kMovesMarch2018 = 2458183.0625; // 5 March 2018, 14:30 in GMT+1:00

class WindowMoves : public test::MainWindowTest {
protected:
    QString DurationsText() const
    {
        return test::Control<QPlainTextEdit>(form->DurationsWindow(), "txbOutput")->toPlainText();
    }
    // The events of the calendar the durations window saves now.
    int CalendarEvents(const QTemporaryDir& dir)
    {
        const QString strFile = dir.filePath(QStringLiteral("sky.ics"));
        ui::QueueFileName(strFile);
        test::Control<QPushButton>(form->DurationsWindow(), "cmdSaveCalendar")->click();
        test::WaitForJobs(form->DurationsWindow()); // the courses, worked out for the calendar
        ui::TakeMessageLog();
        QFile file(strFile);
        return file.open(QIODevice::ReadOnly) ? static_cast<int>(file.readAll().count("BEGIN:VEVENT")) : -1;
    }
};

TEST_F(WindowMoves, AfterARefusedDateOrStepTheCommandsWorkOnTheChartShown)
{
    QTemporaryDir dir;
    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    optPlanetary()->click();
    test::Control<QWidget>(form.get(), "cmdReport")->setFocus();
    cmdReport()->click();
    const QString strReport = DurationsText();
    const int intEvents = CalendarEvents(dir);
    ASSERT_GT(intEvents, 10);
    form->DurationsWindow()->hide();

    // 31 February, Compute, OK: the table shows March 5 as before, and so does
    // everything that works on the chart shown.
    cboMonthCE(0)->setCurrentIndex(2);
    cboDayCE(0)->setCurrentIndex(31);
    cmdCompute()->click();
    ASSERT_EQ(ui::TakeMessageLog().size(), 1); // "Invalid date"
    cmdReport()->click();
    EXPECT_EQ(form->DurationsWindow()->Content().inputs.dblChartJD[0], kMovesMarch2018);
    EXPECT_EQ(DurationsText(), strReport);
    EXPECT_EQ(CalendarEvents(dir), intEvents);
    OpenTimeMap();
    EXPECT_EQ(form->TimeMapWindow()->Chart().dblChartJD[0], kMovesMarch2018);
    EXPECT_FALSE(form->TimeMapWindow()->Drawing().rows.empty());
    form->TimeMapWindow()->hide();
    form->DurationsWindow()->hide();

    // A step refused at the end of the years: the last chart stays the one worked on.
    FillDateSet(0, "2799", 12, 31, "12:00", "GMT");
    cmdCompute()->click();
    cmdForwardBack(0)->click();
    ui::TakeMessageLog();
    cmdReport()->click();
    const double dblLastDay = form->DurationsWindow()->Content().inputs.dblChartJD[0];
    EXPECT_NEAR(dblLastDay, 2743738.0, 1e-9); // 2799-12-31 12:00 UT
    EXPECT_FALSE(DurationsText().contains(QStringLiteral("0°0' (conjunct)")));
}

TEST_F(WindowMoves, EveryComputationFillsTheWholeGridOfItsMode)
{
    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    FillDateSet(1, "1970", 6, 15, "08:00", "GMT+1:00");
    FillDateSet(2, "1985", 1, 2, "06:00", "GMT");
    for (QRadioButton* mode : { optPersonal(0), optPlanetary(), optPersonal(0), optNatal(0), optSynastry() }) {
        mode->click();
        const AspectGrid& grid = form->Grid();
        for (int i = 0; i < grid.CellCount(); ++i)
            EXPECT_EQ(txbCell(i)->isVisibleTo(picTable()), grid.cells[static_cast<size_t>(i)].blnVisible)
                << mode->text().toStdString() << " cell " << i;
    }
}

TEST_F(WindowMoves, ReportShowsTheChartNowShownAndTheTimeMapFollows)
{
    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    optPlanetary()->click();
    cmdReport()->click();
    OpenTimeMap();
    frmDurations* durations = form->DurationsWindow();
    EXPECT_EQ(durations->Content().inputs.dblChartJD[0], kMovesMarch2018);

    // A step forward, then Report: the open windows show the new chart.
    cboForwardBack()->setCurrentIndex(1); // a day
    cmdForwardBack(0)->click();
    cmdReport()->click();
    test::WaitForTimeMap(form->TimeMapWindow());
    EXPECT_EQ(durations->Content().inputs.dblChartJD[0], kMovesMarch2018 + 1);
    EXPECT_EQ(form->TimeMapWindow()->Chart().dblChartJD[0], kMovesMarch2018 + 1);

    // The same chart again: the window comes to the front as it is, also from minimised.
    durations->showMinimized();
    cmdReport()->click();
    EXPECT_FALSE(durations->isMinimized());
    EXPECT_TRUE(durations->isVisible());
    EXPECT_EQ(durations->Content().inputs.dblChartJD[0], kMovesMarch2018 + 1);
}

// Returns: in a Personal mode the Returns button's menu takes the current
// moment to the transiting Sun's or Moon's return to its natal place, to the
// minute, in the current date set's zone; the chart computed there has the
// body back where it stood at birth.
TEST_F(WindowMoves, ReturnsTakeTheCurrentMomentToTheSunsAndTheMoonsReturn)
{
    FillDateSet(0, "2021", 3, 1, "12:00", "GMT+1:00");
    FillDateSet(1, "1970", 6, 15, "08:00", "GMT+1:00");
    QPushButton* returns = test::Control<QPushButton>(form.get(), "cmdReturns");
    optPlanetary()->click();
    EXPECT_FALSE(returns->isVisible());
    optPersonal(0)->click();
    ASSERT_TRUE(returns->isVisible());
    const auto choose = [&](const char* strAction) {
        QAction* action = form->findChild<QAction*>(QLatin1String(strAction));
        ASSERT_NE(action, nullptr) << strAction;
        action->trigger();
    };
    const auto apart = [](int b) { return std::fabs(std::remainder(dblLongitude[0][b] - dblLongitude[1][b], dblTwoPi)); };

    choose("mnuNextSolarReturn");
    const double dblSolar = form->ShownDurationInputs().dblChartJD[0];
    EXPECT_EQ(txbYearCE(0)->text(), QStringLiteral("2021"));
    EXPECT_EQ(cboMonthCE(0)->currentIndex(), 6);
    EXPECT_NEAR(dblSolar, 2459380.5, 1.0); // 15 June 2021
    EXPECT_LT(apart(intSun), 5.0 / 3600 * dblPi / 180); // within the Sun's minute: 2.5″
    EXPECT_TRUE(cboHour(0)->currentText().contains(QLatin1Char(':')));

    choose("mnuNextLunarReturn");
    const double dblLunar = form->ShownDurationInputs().dblChartJD[0];
    EXPECT_GT(dblLunar, dblSolar);
    EXPECT_LT(dblLunar - dblSolar, 27.6);
    EXPECT_LT(apart(intMoon), 40.0 / 3600 * dblPi / 180); // within the Moon's minute: 33″
    choose("mnuNextLunarReturn");
    EXPECT_NEAR(form->ShownDurationInputs().dblChartJD[0] - dblLunar, 27.3, 0.4);
    choose("mnuPreviousLunarReturn");
    EXPECT_NEAR(form->ShownDurationInputs().dblChartJD[0], dblLunar, 1.0 / 1440);
    choose("mnuPreviousSolarReturn");
    EXPECT_NEAR(form->ShownDurationInputs().dblChartJD[0], dblSolar, 1.0 / 1440);
    choose("mnuPreviousSolarReturn");
    EXPECT_NEAR(form->ShownDurationInputs().dblChartJD[0], dblSolar - 365.25, 0.1);

    // As Forward and Back, only with a complete current moment.
    txbYearCE(0)->clear();
    form->Timer1_Timer();
    EXPECT_FALSE(returns->isEnabled());
    txbYearCE(0)->setText(QStringLiteral("2021"));
    form->Timer1_Timer();
    EXPECT_TRUE(returns->isEnabled());

    // A birth chart before the Moon is known: said so, nothing moves.
    FillDateSet(1, "1500", 6, 15, "08:00", "GMT+1:00");
    const double dblBefore = form->ShownDurationInputs().dblChartJD[0];
    choose("mnuNextLunarReturn");
    const auto messages = ui::TakeMessageLog();
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_EQ(messages.back().strText, GetText(TextId::NoReturnFound));
    EXPECT_EQ(form->ShownDurationInputs().dblChartJD[0], dblBefore);
}

} // namespace
