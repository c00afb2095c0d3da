// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Where the main window's controls stand. At the design's size everything is
// where the design puts it. A larger window moves the right-hand column right
// and the bottom row down and gives the room between to the table, the wheel
// and the graph, scaled alike (m_dblViewScale), and to the report beside
// them. A smaller window keeps the design's canvas and scrolls.
#include "mainwindow/MainLayout.h"
#include "mainwindow/frmMain.h"

#include "drawing/ChartWheel.h"
#include "drawing/TransitGraphPicture.h"
#include "ui/PictureBox.h"
#include "util/Twips.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>

#include <algorithm>
#include <cmath>

namespace qal {

using namespace layout;

namespace {

// Lays the window out again whenever its canvas changes size.
class CanvasResizeFilter : public QObject {
public:
    explicit CanvasResizeFilter(frmMain* form)
        : QObject(form)
        , m_form(form)
    {
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            m_form->CanvasResized();
        return QObject::eventFilter(watched, event);
    }

private:
    frmMain* m_form;
};

} // namespace

int frmMain::ViewPx(int intTwips) const
{
    return static_cast<int>(std::lround(intTwips * m_dblViewScale / intTwipsPerPixel));
}

void frmMain::LayOutControls()
{
    m_canvas->installEventFilter(new CanvasResizeFilter(this));
    m_canvas->setMinimumSize(Px(kDesignWidth), Px(kDesignHeight));
    ArrangeControls();
    // The design's size, or the screen's room where that is smaller (the
    // window then scrolls).
    QSize size(Px(kDesignWidth), Px(kDesignHeight));
    if (const QScreen* display = screen())
        size = size.boundedTo(display->availableGeometry().size());
    resize(size);
    EnableStepping(false);
}

void frmMain::CanvasResized()
{
    const double dblScale = ViewScaleFor(m_canvas->size());
    const bool blnScaleChanged = dblScale != m_dblViewScale;
    m_dblViewScale = dblScale;
    ArrangeControls();
    if (!blnScaleChanged || !m_flags.blnLoaded)
        return;
    // The table's cells and the picture shown take the new room.
    m_cellsShown.clear();
    if (!m_shown.udtGrid.cells.empty())
        ShowTable();
    if (blnGraphShown)
        PlaceView(picGraphic, kGraphLeft, intGraphWidthTwips, intGraphHeightTwips);
    else if (WheelShown())
        PlaceWheel();
}

double frmMain::ViewScaleFor(const QSize& canvas) const
{
    const double dblWide = (canvas.width() - Px(kDesignWidth - kViewWidth)) / double(Px(kViewWidth));
    const double dblHigh = (canvas.height() - Px(kDesignHeight - kViewHeight)) / double(Px(kViewHeight));
    return std::max(1.0, std::floor(std::min(dblWide, dblHigh) * 20) / 20); // in twentieths: steady while dragging
}

void frmMain::ArrangeControls()
{
    const int dx = std::max(0, m_canvas->width() - Px(kDesignWidth));
    const int dy = std::max(0, m_canvas->height() - Px(kDesignHeight));
    const auto at = [](QWidget* w, int x, int y, int intWidth, int intHeight) {
        w->setGeometry(Px(x), Px(y), Px(intWidth), Px(intHeight));
    };

    // Date sets: one row each, below a row of column headings.
    constexpr int kRowTop = 360, kRowStep = 405;
    struct Column {
        int intLeft, intWidth;
    };
    // The zone list is wide enough for a place's own entry ("GMT+0:39:58
    // LMT"); the place button ends the row.
    const Column label { 1500, 1560 }, year { 3120, 840 }, month { 4020, 1440 }, day { 5520, 690 }, hour { 6270, 1020 },
        zone { 7350, 2085 }, clear { 9495, 900 }, placeButton { 10455, 1020 };
    for (int k = 0; k < 3; ++k) {
        const int intTop = kRowTop + k * kRowStep;
        const auto place = [&](QWidget* w, const Column& c) { at(w, c.intLeft, intTop, c.intWidth, kRowHeight); };
        place(lblDateSet[k], label);
        place(txbYearCE[k], year);
        place(cboMonthCE[k], month);
        place(cboDayCE[k], day);
        place(cboHour[k], hour);
        place(cboTimezone[k], zone);
        place(cmdClear[k], clear);
        place(cmdPlace[k], placeButton);
    }

    // Chart modes in a column to the right of the date sets; the units and
    // the language at the right edge.
    constexpr int kModeLeft = 11565, kModeWidth = 3270, kModeStep = 285;
    QRadioButton* modes[] = { optPlanetary, optNatal[0], optNatal[1], optPersonal[0], optPersonal[1], optSynastry };
    for (int i = 0; i < 6; ++i)
        at(modes[i], kModeLeft, 120 + i * kModeStep, kModeWidth, kModeStep);
    at(optDegrees, kRightColumn, 120, 2880, kModeStep);
    at(optRadians, kRightColumn, 120 + kModeStep, 2880, kModeStep);
    at(fraLanguage, kRightColumn, 720, 2880, 930);
    at(optEnglish, 180, 270, 2600, kModeStep);
    at(optGerman, 180, 270 + kModeStep, 2600, kModeStep);
    for (QWidget* w : { static_cast<QWidget*>(optDegrees), static_cast<QWidget*>(optRadians),
             static_cast<QWidget*>(fraLanguage) })
        w->move(w->x() + dx, w->y());

    at(cmdCompute, 120, kRowTop, 1320, kRowHeight + kRowStep);
    at(cmdNow, 120, kRowTop + 2 * kRowStep, 1320, kRowHeight);

    // View, stepping and command buttons in a row above the table.
    at(cmdToggleGraphic, 1200, kToolTop, 1200, kRowHeight);
    at(cmdForwardBack[1], 2760, kToolTop, 1080, kRowHeight);
    at(cboForwardBack, 3900, kToolTop, 1500, kRowHeight);
    at(cmdForwardBack[0], 5460, kToolTop, 1080, kRowHeight);
    at(cmdConfigure, kRightColumn, kToolTop, 2880, kRowHeight);
    cmdConfigure->move(cmdConfigure->x() + dx, cmdConfigure->y());
    at(cmdRun, 6660, kToolTop, 1080, kRowHeight);
    at(cmdReport, 7860, kToolTop, 1200, kRowHeight);
    at(cmdReturns, 9180, kToolTop, 1500, kRowHeight);
    at(lblClickonAspect, kLeft, kToolTop + kRowHeight + 60, 11880, kTableTop - kToolTop - kRowHeight - 60);

    // Files and the program, below the table.
    at(cmdSave, 1200, kBottomTop, 1200, kRowHeight);
    at(cmdRestore, 2520, kBottomTop, 1800, kRowHeight);
    at(cmdSaveAs, 4440, kBottomTop, 1800, kRowHeight);
    at(cmdLoadState, 6360, kBottomTop, 1500, kRowHeight);
    at(lblNotice, 7980, kBottomTop, 6540, kRowHeight);
    at(cmdHelp, kHelpLeft, kBottomTop, 1380, kRowHeight);
    at(cmdQuit, 16140, kBottomTop, 1380, kRowHeight);
    for (QWidget* w : { cmdSave, cmdRestore, cmdSaveAs, cmdLoadState }) // the left ones move down only
        w->move(w->x(), w->y() + dy);
    for (QWidget* w : { static_cast<QWidget*>(lblNotice), static_cast<QWidget*>(cmdHelp),
             static_cast<QWidget*>(cmdQuit) })
        w->move(w->x() + (w == lblNotice ? 0 : dx), w->y() + dy);

    picTable->move(Px(kLeft), Px(kTableTop));
    PlaceReports(picGraphic->isVisible() ? static_cast<QWidget*>(picGraphic) : picTable);
}

void frmMain::PlaceView(QWidget* view, int intLeftTwips, int intWidthTwips, int intHeightTwips)
{
    view->setGeometry(Px(intLeftTwips), Px(kTableTop), ViewPx(intWidthTwips), ViewPx(intHeightTwips));
    PlaceReports(view);
}

void frmMain::PlaceWheel()
{
    const WheelGeometry g = RuleOfMode(intChartMode).blnSingleChart ? OneRingGeometry() : TwoRingGeometry();
    PlaceView(picGraphic, kLeft, g.intWidth, g.intHeight);
}

void frmMain::PlaceReports(QWidget* beside)
{
    // Beside the table or the picture, as high as the table at the view's
    // scale. At the design's size as wide as the design has it; in a larger
    // window it also takes the room the view did not take.
    const int intLeft = beside->x() + beside->width() + Px(kReportGap);
    const int intBesideAtDesign = static_cast<int>(std::lround(beside->width() / m_dblViewScale));
    const int dx = std::max(0, m_canvas->width() - Px(kDesignWidth));
    const int intWidth = Px(kReportWidth) + std::max(0, dx - (beside->width() - intBesideAtDesign));
    const int intHeight = std::max(beside->height(), ViewPx(kViewHeight));
    for (QPlainTextEdit* box : { txbReport, txbReport1 })
        box->setGeometry(intLeft, beside->y(), intWidth, intHeight);
    // A table widened for its texts widens the canvas so that the reports stay on it.
    const int intNeeded = beside->x() + intBesideAtDesign + Px(kReportGap) + Px(kReportWidth) + Px(120);
    m_canvas->setMinimumWidth(std::max(Px(kDesignWidth), intNeeded));
}

} // namespace qal
