// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "dialogs/frmTimeMap.h"

#include "astro/AstroTables.h"
#include "chart/AspectCalendarEvents.h"
#include "chart/SkyEventTexts.h"
#include "chart/ChartModes.h"
#include "dates/DatePr2.h"
#include "drawing/Colors.h"
#include "drawing/GraphicsConversion.h"
#include "drawing/ImageExport.h"
#include "text/Texts.h"
#include "ui/ControlNames.h"
#include "ui/JobProgress.h"
#include "ui/Keys.h"
#include "ui/ScreenFit.h"
#include "ui/MessageBoxes.h"
#include "ui/PictureBox.h"
#include "ui/PictureFiles.h"
#include "util/Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolTip>
#include <QVBoxLayout>

#include <cmath>

namespace qal {

frmTimeMap::frmTimeMap(QWidget* owner)
    : QWidget(owner, Qt::Window)
{
    auto* layout = new QVBoxLayout(this);
    auto* controls = new QHBoxLayout;
    lblSpan = ui::Named(new QLabel(this), "lblSpan");
    cboSpan = ui::Named(new QComboBox(this), "cboSpan");
    cboSpan->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    lblSortBy = ui::Named(new QLabel(this), "lblSortBy");
    cboSortBy = ui::Named(new QComboBox(this), "cboSortBy");
    cboSortBy->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    chkMovingMoon = ui::Named(new QCheckBox(this), "chkMovingMoon");
    chkSlowOnly = ui::Named(new QCheckBox(this), "chkSlowOnly");
    for (QWidget* w :
        std::initializer_list<QWidget*> { lblSpan, cboSpan, lblSortBy, cboSortBy, chkMovingMoon, chkSlowOnly }) {
        controls->addWidget(w);
        if (w == cboSpan || w == cboSortBy || w == chkMovingMoon)
            controls->addSpacing(16);
    }
    controls->addStretch(1);
    layout->addLayout(controls);
    lblHint = ui::Named(new QLabel(this), "lblHint");
    layout->addWidget(lblHint);
    scrMap = ui::Named(new QScrollArea(this), "scrMap");
    scrMap->setWidgetResizable(false);
    scrMap->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    picMap = ui::Named(new PictureBox, "picMap");
    scrMap->setWidget(picMap);
    layout->addWidget(scrMap, 1);
    auto* buttons = new QHBoxLayout;
    cmdSaveImage = ui::Named(new QPushButton(this), "cmdSaveImage");
    cmdClose = ui::Named(new QPushButton(this), "cmdClose");
    jobProgress = new ui::JobProgress(this);
    buttons->addWidget(cmdSaveImage);
    buttons->addSpacing(16);
    buttons->addWidget(jobProgress, 1);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);
    resize(1100, 640);

    connect(cboSpan, &QComboBox::currentIndexChanged, this, [this] { cboSpan_Click(); });
    connect(cboSortBy, &QComboBox::currentIndexChanged, this, [this] { cboSortBy_Click(); });
    connect(chkMovingMoon, &QCheckBox::clicked, this, [this] { Recompute(); });
    connect(chkSlowOnly, &QCheckBox::clicked, this, [this] { Recompute(); });
    connect(jobProgress, &ui::JobProgress::finished, this, [this] { ShowComputedMap(); });
    connect(jobProgress, &ui::JobProgress::cancelled, this, [this] { CancelComputation(); });
    connect(cmdSaveImage, &QPushButton::clicked, this, [this] { cmdSaveImage_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { hide(); });
    picMap->SetOnMouseMove([this](int x, int y) { picMap_MouseMove(x, y); });
    picMap->onDoubleClick = [this](int x, int y) { picMap_DblClick(x, y); };
    picMap->onKeyPress = [this](int intKey) { return picMap_KeyPress(intKey); };
    picMap->setFocusPolicy(Qt::StrongFocus);
    ui::CloseOnEscape(this, [this] { hide(); });
    SetLanguageDependentText();
    cboSpan->setCurrentIndex(intDefaultTimeMapSpan);
}

void frmTimeMap::SetLanguageDependentText()
{
    m_blnFilling = true;
    const int intSpan = std::max(0, cboSpan->currentIndex());
    cboSpan->clear();
    for (const int intMonths : kTimeMapSpanMonths) {
        if (intMonths == 1)
            cboSpan->addItem(GetText(TextId::SpanOneMonth));
        else if (intMonths % 12 == 0)
            cboSpan->addItem(
                GetText(TextId::SpanYears).replace(QStringLiteral("[n]"), QString::number(intMonths / 12)));
        else
            cboSpan->addItem(GetText(TextId::SpanMonths).replace(QStringLiteral("[n]"), QString::number(intMonths)));
    }
    cboSpan->setCurrentIndex(intSpan);
    const int intOrder = std::max(0, cboSortBy->currentIndex());
    cboSortBy->clear();
    cboSortBy->addItems(
        { GetText(TextId::OrderFirstBeginning), GetText(TextId::OrderMovingBody), GetText(TextId::OrderKind) });
    cboSortBy->setCurrentIndex(intOrder);
    m_blnFilling = false;
    setWindowTitle(GetText(TextId::TimeMap));
    lblSpan->setText(GetText(TextId::TimeMapSpan));
    lblSortBy->setText(GetText(TextId::SortBy));
    chkMovingMoon->setText(GetText(TextId::ShowTheMoon));
    chkSlowOnly->setText(GetText(TextId::SlowBodiesOnly));
    cmdSaveImage->setText(GetText(TextId::SaveImage));
    cmdClose->setText(GetText(TextId::Close));
    jobProgress->SetLanguageDependentText();
    lblHint->setText(HintText());
    if (!m_drawing.ticks.empty()) { // the dates and the title in the language now
        m_drawing = MakeTimeMapDrawing(m_shownRequest, { std::move(m_drawing.rows), std::move(m_drawing.skyEvents) }, m_content.config,
            m_content.chart.dblChartJD[0], m_content.strChartTitle, false);
        Redraw();
    }
}

QString frmTimeMap::HintText() const
{
    return GetText(IsPersonalMode(m_content.chart.intMode) ? TextId::TimeMapHintTransits : TextId::TimeMapHintSky);
}

void frmTimeMap::Show(const TimeMapContent& content)
{
    m_content = content;
    SetLanguageDependentText();
    show();
    ui::FitOnScreen(this);
    raise();
    Recompute();
}

void frmTimeMap::cboSpan_Click()
{
    if (!m_blnFilling && isVisible())
        Recompute();
}

void frmTimeMap::cboSortBy_Click()
{
    if (m_blnFilling)
        return;
    SortTimeMap(m_drawing.rows, static_cast<TimeMapOrder>(std::max(0, cboSortBy->currentIndex())));
    Redraw();
}

void frmTimeMap::Recompute()
{
    // The map of the span and switches chosen, computed on the work pool
    // from values of its own; the map shown stays until it is done.
    const DurationInputs& chart = m_content.chart;
    TimeMapRequest request;
    request.chart = chart;
    TimeMapSpan(chart.dblChartJD[0], kTimeMapSpanMonths[std::max(0, cboSpan->currentIndex())],
        chart.intTimezoneMinutes, request.dblFrom, request.dblUntil);
    request.blnMovingMoon = chkMovingMoon->isChecked();
    request.blnSlowOnly = chkSlowOnly->isChecked();
    m_jobRequest = request;
    m_job = StartJob<TimeMapComputed>(
        [request, config = m_content.config, orbs = m_content.orbs](JobControl& control) {
            return ComputeTimeMapWithEvents(request, config, orbs, WatchOf(control));
        });
    jobProgress->Watch(m_job);
}

void frmTimeMap::ShowComputedMap()
{
    TimeMapComputed map = m_job.Take();
    SortTimeMap(map.rows, static_cast<TimeMapOrder>(std::max(0, cboSortBy->currentIndex())));
    m_shownRequest = m_jobRequest;
    m_shown = { cboSpan->currentIndex(), chkMovingMoon->isChecked(), chkSlowOnly->isChecked() };
    m_drawing = MakeTimeMapDrawing(
        m_shownRequest, std::move(map), m_content.config, m_content.chart.dblChartJD[0], m_content.strChartTitle, false);
    Redraw();
}

void frmTimeMap::CancelComputation()
{
    m_job = {}; // asked to stop, and waited for: it stops within a pair of bodies
    // Nothing changes on screen: the choices go back to those of the map shown.
    m_blnFilling = true;
    cboSpan->setCurrentIndex(m_shown.intSpan);
    chkMovingMoon->setChecked(m_shown.blnMoon);
    chkSlowOnly->setChecked(m_shown.blnSlowOnly);
    m_blnFilling = false;
}

void frmTimeMap::Redraw()
{
    m_intChosenRow = m_intChosenStretch = -1; // rows computed or ordered anew
    picMap->SetChosenArea({});
    lblHint->setText(HintText());
    const int intWidth = std::max(1, scrMap->viewport()->width() - 1) * intTwipsPerPixel;
    m_layout = LayOutTimeMap(m_drawing, intWidth);
    picMap->setFixedSize(m_layout.intWidth / intTwipsPerPixel, m_layout.intHeight / intTwipsPerPixel);
    picMap->SetPicture(PaintTimeMap(m_drawing, m_layout));
}

void frmTimeMap::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!m_drawing.ticks.empty())
        Redraw();
}

QString frmTimeMap::PointedText(int x, int y) const
{
    // An event of the strip: its local moment and what happens, a line each.
    QStringList events;
    for (const SkyEvent* e : SkyEventsAt(m_drawing, m_layout, x, y))
        events << LocalMomentText(e->dblMoment, m_content.chart.intTimezoneMinutes) + QStringLiteral("  ") + SkyEventName(*e);
    if (!events.isEmpty())
        return events.join(QLatin1Char('\n'));
    int intRow = -1;
    const OrbStretch* stretch = StretchAt(m_drawing, m_layout, x, y, intRow);
    if (!stretch)
        return {};
    const AspectStretch aspect = StretchOfRow(m_drawing.rows[static_cast<size_t>(intRow)], *stretch);
    return AspectName(aspect) + QLatin1Char('\n') + StretchDescription(aspect, m_content.chart.intTimezoneMinutes);
}

void frmTimeMap::picMap_MouseMove(int x, int y)
{
    const QString strText = PointedText(x, y);
    if (strText.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(QCursor::pos(), strText, picMap);
}

void frmTimeMap::picMap_DblClick(int x, int y)
{
    int intRow = -1;
    const OrbStretch* stretch = StretchAt(m_drawing, m_layout, x, y, intRow);
    if (stretch)
        OpenStretch(intRow, *stretch);
}

void frmTimeMap::OpenStretch(int intRow, const OrbStretch& stretch)
{
    const TimeMapRow& row = m_drawing.rows[static_cast<size_t>(intRow)];
    if (row.blnNatal) {
        Q_EMIT transitChosen(CellAspect { row.intFirstBody, row.intSecondBody, row.intKind, true }, stretch);
        return;
    }
    const AspectStretch aspect = StretchOfRow(row, stretch);
    ui::MsgBox(StretchDescription(aspect, m_content.chart.intTimezoneMinutes), ui::MsgIcon::Information,
        ui::MsgButtons::Ok, AspectName(aspect), 1, this);
}

bool frmTimeMap::picMap_KeyPress(int intKey)
{
    const int intRows = static_cast<int>(m_drawing.rows.size());
    if (intRows == 0)
        return false;
    const auto stretchesOf = [&](int r) -> const std::vector<OrbStretch>& {
        return m_drawing.rows[static_cast<size_t>(r)].stretches;
    };
    // The stretch of a row nearest the current moment, for a row newly chosen.
    const auto nearestNow = [&](int r) {
        const std::vector<OrbStretch>& stretches = stretchesOf(r);
        int intBest = 0;
        double dblBest = 1e300;
        for (size_t i = 0; i < stretches.size(); ++i) {
            const double d = std::max({ 0.0, stretches[i].dblBegin - m_drawing.dblNow,
                m_drawing.dblNow - stretches[i].dblEnd });
            if (d < dblBest)
                dblBest = d, intBest = static_cast<int>(i);
        }
        return intBest;
    };
    switch (intKey) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int intStep = intKey == Qt::Key_Down ? 1 : -1;
        m_intChosenRow = m_intChosenRow < 0 ? 0 : std::clamp(m_intChosenRow + intStep, 0, intRows - 1);
        m_intChosenStretch = nearestNow(m_intChosenRow);
        break;
    }
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (m_intChosenRow < 0)
            return false;
        m_intChosenStretch = std::clamp(m_intChosenStretch + (intKey == Qt::Key_Right ? 1 : -1), 0,
            static_cast<int>(stretchesOf(m_intChosenRow).size()) - 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_intChosenRow < 0 || m_intChosenStretch < 0)
            return false;
        OpenStretch(m_intChosenRow, stretchesOf(m_intChosenRow)[static_cast<size_t>(m_intChosenStretch)]);
        return true;
    default: return false;
    }
    ShowChosen();
    return true;
}

void frmTimeMap::ShowChosen()
{
    if (m_intChosenRow < 0 || m_intChosenRow >= static_cast<int>(m_drawing.rows.size())) {
        picMap->SetChosenArea({});
        return;
    }
    const TimeMapRow& row = m_drawing.rows[static_cast<size_t>(m_intChosenRow)];
    const OrbStretch& stretch = row.stretches[static_cast<size_t>(m_intChosenStretch)];
    const int x0 = std::max(m_layout.intBarsLeft, m_layout.X(stretch.dblBegin));
    const int x1 = std::min(m_layout.intBarsRight, m_layout.X(stretch.dblEnd));
    const int y = m_layout.intRowsTop + m_intChosenRow * m_layout.intRowHeight;
    const QRect area(x0 - 60, y + 15, std::max(120, x1 - x0 + 120), m_layout.intRowHeight - 30);
    picMap->SetChosenArea(area);
    scrMap->ensureVisible(area.center().x() / intTwipsPerPixel, area.center().y() / intTwipsPerPixel,
        area.width() / intTwipsPerPixel / 2 + 20, area.height() / intTwipsPerPixel + 20);
    const AspectStretch aspect = StretchOfRow(row, stretch);
    lblHint->setText(AspectName(aspect) + QStringLiteral(": ")
        + StretchDescription(aspect, m_content.chart.intTimezoneMinutes).replace(QLatin1Char('\n'), QStringLiteral("; ")));
}

std::unique_ptr<RecordedPicture> frmTimeMap::PictureForSaving() const
{
    TimeMapDrawing drawing = m_drawing;
    drawing.blnWhiteBackground = m_content.config.blnSaveGraphicWithWhiteBackground;
    return PaintTimeMap(drawing, LayOutTimeMap(drawing, m_layout.intWidth));
}

void frmTimeMap::cmdSaveImage_Click()
{
    ui::PictureFileType type = ui::PictureFileType::Png;
    const QString strFile = ui::AskPictureFileName(this, type);
    if (strFile.isEmpty())
        return;
    const std::unique_ptr<RecordedPicture> picture = PictureForSaving();
    QString strError;
    if (type == ui::PictureFileType::Svg || type == ui::PictureFileType::Pdf) {
        strError = WriteVectorFile(strFile, type == ui::PictureFileType::Svg ? VectorFormat::Svg : VectorFormat::Pdf,
            picture->WidthTwips(), picture->HeightTwips(), m_drawing.strTitle,
            [&](QPainter& painter) { picture->Replay(painter); });
    } else {
        // Twice the size is drawn anew, not scaled up.
        strError
            = WriteImageFile(picture->Render(type == ui::PictureFileType::PngForPrint ? 2 : 1, true), strFile, "PNG");
    }
    ui::ReportPictureSaved(this, cmdSaveImage->text(), strFile, strError);
}

} // namespace qal
