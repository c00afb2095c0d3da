// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The main window's chart wheel: switching between table and wheel, the
// side texts and drawing the wheel of the current chart.
#include "mainwindow/frmMain.h"

#include "chart/ChartModes.h"
#include "chart/CurrentChart.h"
#include "dialogs/frmConfigure.h"
#include "ui/PictureBox.h"
#include "settings/Configuration.h"
#include "text/Texts.h"
#include "ui/MessageBoxes.h"
#include "util/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace qal {

bool frmMain::WheelShown() const
{
    return picGraphic->isVisible();
}

WheelTextBlocks frmMain::PrepareTextBlocks() const
{
    static const TextId kDateSets[3] = { TextId::DateSetCurrent, TextId::DateSetNatal1, TextId::DateSetNatal2 };
    // Date and time of a date set as the computation read it, short enough
    // for a corner of the wheel.
    const auto dateLines = [this](int k) {
        const DateSetTexts texts
            = TextsOfDateSet(ReadDateSet(k), intComputerTzIndex, udtConfig.blnDisplayNATZabbr, true);
        if (texts.strDate.isEmpty())
            return QStringList { QString(), QString() };
        return QStringList { texts.strDate, texts.strClock + QLatin1Char(' ') + texts.strZone };
    };
    const int intMode = intChartMode;
    const ModeRule& rule = RuleOfMode(intMode);
    WheelTextBlocks blocks;
    const int intFirstSet = rule.intSlotDateSet[0];
    blocks.block[0] = QStringList { ModeName(intMode) } + dateLines(intFirstSet);
    if (rule.blnSingleChart) {
        blocks.block[3] = { ZodiacName(false), AddOrbToTitle(QString(), false).trimmed() };
        return blocks;
    }
    const int intSecondSet = rule.intSlotDateSet[1];
    const QStringList second = QStringList { GetText(kDateSets[intSecondSet]) } + dateLines(intSecondSet);
    const QStringList lines { second[0], second[1] + QStringLiteral(", ") + second[2], ZodiacName(false),
        AddOrbToTitle(QString(), true).trimmed() };
    blocks.block[intMode == modeSynastry ? 2 : 1] = lines;
    return blocks;
}

QString frmMain::WheelToolTip() const
{
    const WheelTextBlocks& blocks = m_shown.udtTextBlocks;
    QStringList lines { m_legend.strChart[0] + QStringLiteral(": ") + ModeName(intChartMode),
        m_legend.strChart[1] + QStringLiteral(": ") + blocks.block[0].value(1) + QLatin1Char(' ')
            + blocks.block[0].value(2),
        m_legend.strChart[2] + QStringLiteral(": ") + ZodiacName(false), QString() };
    if (RuleOfMode(intChartMode).blnSingleChart)
        lines << m_legend.strOneRing[0] << m_legend.strOneRing[1];
    else if (intChartMode == modeSynastry)
        lines << QStringList(std::begin(m_legend.strSynastry), std::end(m_legend.strSynastry))
              << m_legend.strOneRing[1];
    else
        lines << QStringList(std::begin(m_legend.strTransits), std::end(m_legend.strTransits))
              << m_legend.strOneRing[1];
    return lines.join(QLatin1Char('\n'));
}

void frmMain::DrawWheel()
{
    LeaveTransitGraph();
    // The angles of the one chart, or of the natal chart (chart 1 in synastry).
    const ChartAngles& angles = m_shown.udtAngles[IsPersonalMode(intChartMode) ? 1 : 0];
    const WheelInputs inputs { udtShownChart, m_shown.udtGrid, udtConfig, intChartMode, m_shown.udtTextBlocks, &angles };
    WheelDrawing drawing = qal::DrawWheel(inputs);
    picGraphic->SetPicture(std::move(drawing.picture));
    PlaceWheel();
    cmdToggleGraphic->setText(GetText(TextId::ShowTable));
    picGraphic->setToolTip(WheelToolTip());
    picGraphic->show();
    picTable->hide();
    if (!drawing.blnComplete)
        ui::MsgBox(GetText(TextId::WheelNoRoom), ui::MsgIcon::Exclamation, ui::MsgButtons::Ok,
            GetText(TextId::ChartWheel), 1, this);
}

void frmMain::LeaveTransitGraph()
{
    if (blnGraphShown && m_flags.blnGraphHidDialog)
        ConfigureDialog()->show(); // the graph had put it aside
    blnGraphShown = false;
    m_flags.blnGraphHidDialog = false;
}

void frmMain::cmdToggleGraphic_Click()
{
    picGraphic->setToolTip(QString());
    LeaveTransitGraph();
    if (WheelShown()) {
        cmdToggleGraphic->setText(GetText(TextId::ShowWheel));
        picGraphic->hide();
        picTable->show();
        PlaceReports(picTable);
    } else if (intChartMode != modeNone) {
        DrawWheel();
        cmdRun->setText(GetText(TextId::Run));
    }
    RefreshViewControls();
}

void frmMain::RefreshViewControls()
{
    if (blnGraphShown) {
        cmdToggleGraphic->setText(GetText(TextId::ShowTable));
        lblNotice->hide();
        cmdRun->hide();
    } else if (WheelShown()) {
        cmdToggleGraphic->setText(GetText(TextId::ShowTable));
        lblNotice->hide();
        const bool blnMoving = cboForwardBack->currentIndex() > 0 || udtConfig.blnIncludeTransitingMoon;
        const bool blnModeRuns
            = optPlanetary->isChecked() || optPersonal[0]->isChecked() || optPersonal[1]->isChecked();
        cmdRun->setVisible(blnMoving && blnModeRuns && !cmdToggleGraphic->isHidden());
    } else {
        cmdToggleGraphic->setText(GetText(TextId::ShowWheel));
        lblNotice->show();
        cmdRun->hide();
    }
    cmdReturns->setVisible(IsPersonalMode(SelectedChartMode()));
    // The save button saves the picture shown, or the state beside the table.
    cmdSaveAs->setText(GetText(WheelShown() ? TextId::SaveImage : TextId::SaveAs));
    RefreshHint();
}

} // namespace qal
