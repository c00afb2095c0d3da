// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Asking the chart about one aspect: a double click on a table cell tells
// when the aspect began and ends (and draws the course of a personal
// transit); a right click names a line of the wheel or reads off a point of
// the transit graph.
#include "mainwindow/frmMain.h"

#include "mainwindow/MainLayout.h"

#include "aspects/Aspects.h"
#include "chart/AspectQuestion.h"
#include "chart/CurrentChart.h"
#include "dialogs/frmConfigure.h"
#include "dialogs/frmTimeMap.h"
#include "drawing/Colors.h"
#include "drawing/TransitGraphPicture.h"
#include "settings/Configuration.h"
#include "settings/RegistrySwitches.h"
#include "text/Texts.h"
#include "ui/Focus.h"
#include "ui/MessageBoxes.h"
#include "ui/PictureBox.h"
#include "util/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cmath>

namespace qal {

void frmMain::RefreshHint()
{
    if (WheelShown() && !blnGraphShown)
        lblClickonAspect->setText(ZodiacName(false));
    else if (!WheelShown() && (optPlanetary->isChecked() || optPersonal[0]->isChecked() || optPersonal[1]->isChecked()))
        lblClickonAspect->setText(GetText(TextId::DoubleClickHint));
    else
        lblClickonAspect->clear();
}

void frmMain::txbCell_DblClick(int Index)
{
    blnGraphShown = false;
    m_flags.blnGraphHidDialog = false;
    const std::optional<CellAspect> aspect = AspectOfCell(m_shown.udtGrid, Index, intChartMode, udtConfig);
    if (!aspect) {
        // Fixed charts have no beginning and no end; a switched-off kind is not asked about.
        if (Index >= 0 && Index < txbCell.size())
            txbCell[Index]->setSelection(0, 0);
        ui::FocusIfUsable(cmdCompute);
        return;
    }
    AspectQuestion question;
    question.chart = ShownDurationInputs();
    if (aspect->blnPersonal)
        question.dblNatalDayValue = DateSetToDayValue(m_shown.udtSet[RuleOfMode(intChartMode).intSlotDateSet[1]]);
    question.blnExactMoments = ReadExactMomentsSwitch();
    const AspectAnswer answer = AnswerAboutAspect(*aspect, question, m_shown.udtOrbs);

    if (answer.blnMoon) {
        ui::MsgBox(answer.strMessage, ui::MsgIcon::Information, ui::MsgButtons::Ok, answer.strTitle, 1, this);
        return;
    }
    if (answer.blnGraph) {
        DrawTransitGraph(*aspect, answer);
        return;
    }
    if (ui::MsgBox(answer.strDurationsQuestion, ui::MsgIcon::Question, ui::MsgButtons::YesNo, answer.strTitle, 2, this)
        == ui::MsgAnswer::Yes) {
        Timer1->stop();
        ShowDurations();
        Timer1->start();
    }
    ui::FocusIfUsable(cmdCompute);
    txbCell[Index]->setSelection(txbCell[Index]->text().size(), 0);
}

void frmMain::ShowTransitOfStretch(const CellAspect& aspect, const OrbStretch& stretch)
{
    if (blnRunning)
        return;
    if (WheelShown())
        cmdToggleGraphic_Click(); // the graph takes the table's place
    // The chart of the time map the stretch was chosen on.
    AspectQuestion question;
    question.chart = TimeMapWindow()->Chart();
    question.dblNatalDayValue = TimeMapWindow()->NatalDayValue();
    const AspectAnswer answer = TransitGraphOfStretch(aspect, stretch, question, udtOrbTable);
    if (!answer.blnGraph)
        return;
    DrawTransitGraph(aspect, answer);
    raise();
    activateWindow();
}

void frmMain::DrawTransitGraph(const CellAspect& aspect, const AspectAnswer& answer)
{
    TransitGraphInputs in;
    in.scale = answer.graphScale;
    in.curves = answer.graphCurves;
    in.aspectColor = ToQColor(udtConfig.dblAspectColor[aspect.intKind]);
    in.dblNow = dblChartJD[0];
    in.strTitle = answer.strGraphTitle;
    m_graphScale = in.scale;

    picGraphic->SetPicture(PaintTransitGraph(in));
    picGraphic->show();
    picTable->hide();
    PlaceView(picGraphic, layout::kGraphLeft, intGraphWidthTwips, intGraphHeightTwips);
    blnGraphShown = true;
    cmdToggleGraphic->setText(GetText(TextId::ShowTable));
    picGraphic->setToolTip(GetText(TextId::GraphTooltip));
    lblNotice->hide();
    cmdSaveAs->setText(GetText(TextId::SaveImage));
    cmdSaveAs->setEnabled(true);
    if (m_frmConfigure && m_frmConfigure->isVisible()) {
        m_frmConfigure->hide();
        m_flags.blnGraphHidDialog = true;
    }
    cmdToggleGraphic->setEnabled(true);
    cmdQuit->setEnabled(true);
    RefreshHint();
}

void frmMain::picGraphic_MouseUp(int Button, int /*Shift*/, int X, int Y)
{
    if (Button != 2 || !picGraphic->Picture())
        return;
    const QColor color = picGraphic->Picture()->PointColor(X, Y);
    if (!color.isValid())
        return;
    if (!blnGraphShown) {
        // A line of the wheel: the aspect kinds of its colour.
        if (color == QColor(Qt::black) || color == QColor(Qt::white) || color == QColor(224, 224, 224)
            || color == QColor(32, 32, 255))
            return;
        QStringList kinds;
        for (int k = 1; k <= intNumAspectKinds; ++k) {
            if (ToQColor(udtConfig.dblAspectColor[k]) == color)
                kinds << udtAspectText[k].Label;
        }
        if (kinds.isEmpty())
            return;
        QString strText = kinds.join(QStringLiteral(" or ")).toLower();
        strText[0] = strText[0].toUpper();
        ui::MsgBox(strText, ui::MsgIcon::None, ui::MsgButtons::Ok, QStringLiteral("This line is a"), 1, this);
        return;
    }
    // A point of the transit graph: its moment and its distance from exact.
    picGraphic->setToolTip(QString());
    if (color == QColor(Qt::black))
        return;
    if (Y < 315 || Y > 6195 || X <= 1800 || X >= 18875)
        return;
    const double dblMoment = MomentAtY(m_graphScale, Y);
    const double dblDistance = DistanceAtX(m_graphScale, X);
    const QString strMoment = GraphMomentText(m_graphScale, dblMoment);
    QString strReading = GetText(TextId::GraphReading)
                             .replace(QStringLiteral("[time]"), strMoment.section(QLatin1Char(' '), 1))
                             .replace(QStringLiteral("[date]"), strMoment.section(QLatin1Char(' '), 0, 0))
                             .replace(QStringLiteral("[exactness]"), AngleToDegMinText(std::fabs(dblDistance)));
    ui::MsgBox(GetText(TextId::GraphReadingTitle) + strCrLf + strReading, ui::MsgIcon::None, ui::MsgButtons::Ok,
        GetText(TextId::TransitGraph), 1, this);
}

} // namespace qal
