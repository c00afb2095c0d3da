// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The main window's time stepping: one step of the chosen interval forward
// or back for the current moment, and the paced repetition of forward steps
// while a run is on.
#include "mainwindow/frmMain.h"

#include "chart/TimeStep.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace qal {
namespace {

constexpr int kStepPause = 1000; // ms between the steps of a run
constexpr int kQuickStepPause = 100; // "Run quickly" in Planetary mode

} // namespace

void frmMain::EnableStepping(bool blnEnabled)
{
    cmdForwardBack[0]->setEnabled(blnEnabled);
    cmdForwardBack[1]->setEnabled(blnEnabled);
    cboForwardBack->setEnabled(blnEnabled);
    cmdReturns->setEnabled(blnEnabled); // a return moves the current moment as a step does
}

void frmMain::cboForwardBack_Click()
{
    if (isVisible() && cmdForwardBack[0]->isEnabled())
        cmdForwardBack[0]->setFocus();
}

void frmMain::Timer2_Timer()
{
    blnWaitingForTimer = false;
}

void frmMain::cmdForwardBack_Click(int intIndex)
{
    const bool blnForward = intIndex == 0;
    blnWaitingForTimer = false;
    blnStepping = true;
    for (;;) {
        QCoreApplication::processEvents(); // a click on the run button is seen between steps
        const DateSetInput udtBefore = ReadDateSet(0);
        DateSetInput udtStep = udtBefore;
        const double dblCode = StepDateSet(udtStep, cboForwardBack->currentIndex(), blnForward, intComputerTzIndex);
        if (dblCode < 0) {
            RejectDateSet(0, dblCode); // the current moment cannot be read, so there is nothing to step from
            break;
        }
        WriteDateSet(0, udtStep);
        for (int& intCount : intPatternCount)
            intCount = 0;
        cmdCompute_Click();
        if (dblChartJD[0] < 0) {
            WriteDateSet(0, udtBefore); // undo a step that left the valid range
            if (blnRunning)
                StopRun(); // and a run ends there, as Stop would end it
            break;
        }
        if (!blnForward || !blnRunning)
            break;

        blnWaitingForTimer = true;
        const bool blnQuick = optPlanetary->isChecked() && m_run.blnQuickly;
        Timer2->setInterval(blnQuick ? kQuickStepPause : kStepPause);
        Timer2->start();
        while (blnWaitingForTimer)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        Timer2->stop();
        if (!blnRunning)
            break;
    }
    blnStepping = false;
}

} // namespace qal
