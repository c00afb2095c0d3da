// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The main window's computation and its chart modes.
#include "mainwindow/frmMain.h"

#include "chart/CurrentChart.h"
#include "dialogs/frmConfigure.h"
#include "settings/Configuration.h"
#include "text/Texts.h"
#include "ui/MessageBoxes.h"

#include <QLineEdit>
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
    ConfigureDialog();
    SetOrbTable(udtConfig);

    // Read the moments the mode needs, in date-set order; the first invalid
    // one is reported and everything shown stays as it was.
    ChartRequest request;
    request.intMode = intMode;
    request.blnRadians = optRadians->isChecked();
    for (int k = 0; k < 3; ++k) {
        if (!ModeUsesDateSet(intMode, k))
            continue;
        request.dblChartJD[k] = InputDateToAJDate(k);
        const DateSetPlace place = ReadDateSet(k).place;
        if (place.blnHasCoordinates) // the chart's angles and houses
            request.place[k] = ChartPlace { place.dblLatitude, place.dblLongitude };
        if (request.dblChartJD[k] == dblClockTwice && !m_flags.blnLanguageChange) {
            // Which of the two is asked; the answer stays with the date set.
            if (!AskWhichRepeatedTime(k)) {
                PublishInvalidDate(k, dblClockTwice);
                blnInvalidDateReported = true;
                return;
            }
            request.dblChartJD[k] = InputDateToAJDate(k);
        }
        if (request.dblChartJD[k] < 0) {
            RejectDateSet(k, request.dblChartJD[k]);
            return;
        }
    }
    intChartMode = intMode;
    for (int k = 0; k < 3; ++k) {
        if (!ModeUsesDateSet(intMode, k))
            continue;
        m_shown.strComputedYear[k] = txbYearCE[k]->text();
        m_shown.udtSet[k] = ReadDateSet(k);
    }

    ChartResult result;
    std::copy(std::begin(intPatternCount), std::end(intPatternCount), std::begin(result.intPatternCount));
    ComputeChart(request, udtConfig, udtOrbTable, result);
    PublishChart(request, result);
    std::copy(std::begin(result.intPatternCount), std::end(result.intPatternCount), std::begin(intPatternCount));
    m_shown.udtGrid = std::move(result.udtGrid);
    m_shown.udtReports = std::move(result.udtReports);
    m_shown.udtAngles[0] = result.angles[0];
    m_shown.udtAngles[1] = result.angles[1];
    m_shown.angleAspects = std::move(result.angleAspects);
    m_shown.udtTextBlocks = PrepareTextBlocks();
    m_shown.udtOrbs = udtOrbTable;
    m_shown.udtInputs = DurationInputs();
    m_shown.udtInputs.intMode = intMode;
    std::copy(std::begin(request.dblChartJD), std::end(request.dblChartJD), m_shown.udtInputs.dblChartJD);
    if (ModeUsesDateSet(intMode, 0)) {
        DateSetInput udtCurrent = m_shown.udtSet[0];
        m_shown.udtInputs.dblDayValue = DateSetToDayValue(udtCurrent);
        // The zone of the moments the reports write: the offset the current moment was read with.
        const DateSetReading reading = qal::ReadDateSet(udtCurrent, intComputerTzIndex);
        m_shown.udtInputs.intTimezoneMinutes = static_cast<int>(std::lround(reading.intOffsetSeconds / 60.0));
    }
    m_shown.udtInputs.blnSidereal = udtConfig.blnSidereal;
    if (IsPersonalMode(intMode) && m_shown.udtAngles[1].blnKnown) { // the natal angles, still for the transits
        m_shown.udtInputs.dblNatalAngle[0] = m_shown.udtAngles[1].dblAscendant;
        m_shown.udtInputs.dblNatalAngle[1] = m_shown.udtAngles[1].dblMidheaven;
    }

    setWindowTitle(ChartTitle(intMode, udtOrbTable));
    ShowTable();
    if (WheelShown())
        DrawWheel();
    cmdToggleGraphic->setEnabled(!blnRunning); // while a run is on, Stop must stay in reach
    cmdToggleGraphic->show();
    RefreshViewControls();
    TestRunUntilFound();
}

void frmMain::RejectDateSet(int k, double dblCode)
{
    PublishInvalidDate(k, dblCode);
    if (!m_flags.blnLanguageChange) // a language switch shows no question about dates
        ReportInvalidDate(k);
}

QString frmMain::ClockFaultText(int k, int intCode) const
{
    DateSetInput udtInput = ReadDateSet(k);
    const DateSetReading reading = qal::ReadDateSet(udtInput, intComputerTzIndex, udtConfig.blnDisplayNATZabbr);
    const PlaceClock& clock = reading.clock;
    switch (intCode) {
    case static_cast<int>(dblClockUnreadable): return GetText(TextId::ClockUnreadable);
    case static_cast<int>(dblClockSkipped):
        return GetTextWithMarkers(TextId::ClockSkipped, ZoneEntryText(clock.intOffsets[0], clock.strAbbreviations[0]),
            ZoneEntryText(clock.intOffsets[1], clock.strAbbreviations[1]));
    case static_cast<int>(dblZoneUnknown): return GetTextWithMarkers(TextId::ZoneUnknown, udtInput.place.strZoneId);
    default: return {};
    }
}

bool frmMain::AskWhichRepeatedTime(int k)
{
    DateSetInput udtInput = ReadDateSet(k);
    const DateSetReading reading = qal::ReadDateSet(udtInput, intComputerTzIndex, udtConfig.blnDisplayNATZabbr);
    const PlaceClock& clock = reading.clock;
    static const TextId kDateSets[3] = { TextId::DateSetCurrent, TextId::DateSetNatal1, TextId::DateSetNatal2 };
    const QString strQuestion = GetTextWithMarkers(TextId::ClockTwiceQuestion, DateSetClockText(udtInput),
        ZoneEntryText(clock.intOffsets[0], clock.strAbbreviations[0]),
        ZoneEntryText(clock.intOffsets[1], clock.strAbbreviations[1]));
    const ui::MsgAnswer answer = ui::MsgBox(strQuestion, ui::MsgIcon::Question, ui::MsgButtons::YesNoCancel,
        GetText(kDateSets[k]), 1, this);
    if (answer == ui::MsgAnswer::Cancel)
        return false;
    m_extras[k].repeated = answer == ui::MsgAnswer::Yes ? RepeatedTime::Earlier : RepeatedTime::Later;
    return true;
}

void frmMain::ReportInvalidDate(int k)
{
    static const TextId kDateSets[3] = { TextId::DateSetCurrent, TextId::DateSetNatal1, TextId::DateSetNatal2 };
    static const TextId kReasons[4]
        = { TextId::DateIncomplete, TextId::DateImpossible, TextId::DateTooEarly, TextId::DateTooLate };
    const int c = static_cast<int>(std::nearbyint(dblChartJD[k]));
    QString strMessage = GetText(kDateSets[k]) + QLatin1Char(' ');
    if (c <= -1 && c >= -4)
        strMessage += GetText(kReasons[-c - 1]);
    else
        strMessage += ClockFaultText(k, c);
    ui::MsgBox(strMessage, ui::MsgIcon::Information, ui::MsgButtons::Ok, GetText(TextId::InvalidDate), 1, this);
    blnInvalidDateReported = true;
}

QString frmMain::AddOrbToTitle(const QString& strTitle, bool blnPersonal, bool blnAddPeriod) const
{
    return TitleWithOrbs(udtOrbTable, strTitle, blnPersonal, optSynastry->isChecked(), blnAddPeriod);
}

int frmMain::GetTotalNumAspects() const
{
    return qal::GetTotalNumAspects(m_shown.udtGrid);
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
    // Stepping moves the current moment, which only some modes use.
    EnableStepping(!blnRunning && ModeUsesDateSet(intChartMode, 0));
    RefreshViewControls();
}

void frmMain::optPlanetary_Click()
{
    ModeClicked();
}

void frmMain::optNatal_Click(int)
{
    ModeClicked();
}

void frmMain::optPersonal_Click(int)
{
    ModeClicked();
}

void frmMain::optSynastry_Click()
{
    ModeClicked();
}

} // namespace qal
