// The main window's computation and its chart modes.
#include "mainwindow/frmMain.h"

#include "aspects/Aspects.h"
#include "astro/AstroTables.h"
#include "platform/MessageBoxes.h"
#include "text/Texts.h"

#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace qal {

int frmMain::SelectedChartMode() const
{
    if (optPlanetary->isChecked())
        return modePlanetary;
    if (optNatal[0]->isChecked())
        return modeNatal1;
    if (optNatal[1]->isChecked())
        return modeNatal2;
    if (optPersonal[0]->isChecked())
        return modePersonal1;
    if (optPersonal[1]->isChecked())
        return modePersonal2;
    return optSynastry->isChecked() ? modeSynastry : modeNone;
}

void frmMain::SelectChartMode(int intMode)
{
    QRadioButton* options[]
        = { nullptr, optPlanetary, optNatal[0], optNatal[1], optPersonal[0], optPersonal[1], optSynastry };
    if (intMode >= modePlanetary && intMode <= modeSynastry)
        options[intMode]->setChecked(true);
}

void frmMain::cmdCompute_Click()
{
    const int intMode = SelectedChartMode();
    if (intMode == modeNone)
        return;
    if (WheelShown())
        ResetWheel();
    SetOrbs();
    intNumBodies = NumBodiesForMode(intMode);

    // Read the moments the mode needs, in date-set order; the first invalid
    // one is reported and everything shown stays as it was.
    for (int k = 0; k < 3; ++k) {
        if (!ModeUsesDateSet(intMode, k))
            continue;
        dblChartJD[k] = InputDateToAJDate(k);
        if (dblChartJD[k] < 0) {
            ReportInvalidDate(k);
            return;
        }
    }
    intChartMode = intMode;

    setWindowTitle(ChartTitle(intMode));
    ComputeChart(intMode, optRadians->isChecked(), udtGrid, udtReports, intPatternCount);
    ShowTable();
    if (WheelShown())
        DrawWheel();
    cmdToggleGraphic->setEnabled(true);
    cmdToggleGraphic->show();
}

void frmMain::ReportInvalidDate(int k)
{
    const int c = static_cast<int>(std::nearbyint(dblChartJD[k]));
    QString strMessage = GetText(4 + k) + QLatin1Char(' ');
    if (c <= -1 && c >= -4)
        strMessage += GetText(144 - c);
    platform::MsgBox(strMessage, platform::MsgIcon::Information, platform::MsgButtons::Ok, GetText(153), 1, this);
    blnInvalidDateReported = true;
}

void frmMain::ModeClicked()
{
    if (blnSuppressModeClick)
        return;
    blnInvalidDateReported = false;
    cmdCompute_Click();
    if (blnInvalidDateReported) {
        // Go back to the mode of the last computation that got past the dates.
        blnSuppressModeClick = true;
        SelectChartMode(intChartMode);
        blnSuppressModeClick = false;
        blnInvalidDateReported = false;
        cmdToggleGraphic->setVisible(intChartMode != modeNone); // the view still shows that mode
    }
    EnableStepping(!blnRunning);
    cmdToggleGraphic->setText(GetText(WheelShown() ? 41 : 37));
}

void frmMain::optPlanetary_Click()
{
    ModeClicked();
}

void frmMain::optNatal_Click(int intIndex)
{
    Q_UNUSED(intIndex);
    ModeClicked();
}

void frmMain::optPersonal_Click(int intIndex)
{
    Q_UNUSED(intIndex);
    ModeClicked();
}

void frmMain::optSynastry_Click()
{
    ModeClicked();
}

} // namespace qal
