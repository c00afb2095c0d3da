// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "mainwindow/frmMain.h"

#include "dialogs/frmDurations.h"
#include "dialogs/frmTimeMap.h"

#include "mainwindow/MainLayout.h"

#include "astro/AstroTables.h"
#include "drawing/Colors.h"
#include "drawing/Fonts.h"
#include "platform/GlyphMap.h"
#include "text/Texts.h"
#include "ui/ControlNames.h"
#include "ui/PictureBox.h"
#include "util/Twips.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTimer>

namespace qal {
namespace {

using ui::Named;
using namespace layout;

constexpr int kMaxCells = 144;
constexpr int kCellPadding = 6; // pixels beside a cell's widest text

QFont ControlFont(int intPointSize = 9, bool blnBold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(intPointSize);
    font.setBold(blnBold);
    return font;
}

// An aspect colour as text on the table's white background: light colours
// (yellow, cyan, light green) are darkened until they read well; the hue stays.
QColor LegibleOnWhite(const QColor& color)
{
    const double dblLuma = 0.299 * color.redF() + 0.587 * color.greenF() + 0.114 * color.blueF();
    constexpr double kMaxLuma = 0.55;
    if (dblLuma <= kMaxLuma)
        return color;
    const double f = kMaxLuma / dblLuma;
    return QColor::fromRgbF(static_cast<float>(color.redF() * f), static_cast<float>(color.greenF() * f),
        static_cast<float>(color.blueF() * f));
}

} // namespace

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent)
{
    CreateControls();
    LayOutControls();
}

frmMain::~frmMain()
{
    // The windows whose work may still run on the pool go first: their jobs
    // are asked to stop and waited for while the pool still runs (the
    // runtime, a member, stops it before the other children go).
    delete m_frmTimeMap;
    delete m_frmDurations;
    // The fields lose their focus while the window's children are torn
    // down; by then nothing may reach this window any more.
    for (QObject* filter : m_keyFilters)
        delete filter;
}

void frmMain::CreateControls()
{
    // The controls stand on a canvas of the design's size or larger, in a
    // scroll area: a smaller window scrolls (frmMainLayout.cpp).
    scrMain = Named(new QScrollArea(this), "scrMain");
    scrMain->setWidgetResizable(true);
    scrMain->setFrameShape(QFrame::NoFrame);
    auto* central = new QWidget;
    m_canvas = central;
    scrMain->setWidget(central);
    setCentralWidget(scrMain);
    central->setFont(ControlFont());

    for (int k = 0; k < 3; ++k) {
        lblDateSet[k] = Named(new QLabel(central), "lblDateSet", k);
        txbYearCE[k] = Named(new QLineEdit(central), "txbYearCE", k);
        txbYearCE[k]->setMaxLength(8);
        cboMonthCE[k] = Named(new QComboBox(central), "cboMonthCE", k);
        cboDayCE[k] = Named(new QComboBox(central), "cboDayCE", k);
        cboHour[k] = Named(new QComboBox(central), "cboHour", k);
        // A clock time off the half hour is typed into the hour list ("08:13").
        cboHour[k]->setEditable(true);
        cboHour[k]->setInsertPolicy(QComboBox::NoInsert);
        cboHour[k]->completer()->setCompletionMode(QCompleter::InlineCompletion);
        cboTimezone[k] = Named(new QComboBox(central), "cboTimezone", k);
        cboTimezone[k]->setMaxVisibleItems(24);
        cmdClear[k] = Named(new QPushButton(central), "cmdClear", k);
        cmdPlace[k] = Named(new QPushButton(central), "cmdPlace", k);
        connect(cmdPlace[k], &QPushButton::clicked, this, [this, k] { cmdPlace_Click(k); });
        connect(cboHour[k]->lineEdit(), &QLineEdit::textEdited, this, [this, k] { HourTextEdited(k); });
        connect(cboMonthCE[k], &QComboBox::activated, this, [this, k] { cboMonthCE_Click(k); });
        connect(cboDayCE[k], &QComboBox::activated, this, [this, k] { cboDayCE_Click(k); });
        connect(cboHour[k], &QComboBox::activated, this, [this, k] { cboHour_Click(k); });
        connect(cboTimezone[k], &QComboBox::activated, this, [this, k] { cboTimezone_Click(k); });
        connect(cmdClear[k], &QPushButton::clicked, this, [this, k] { cmdClear_Click(k); });
    }

    auto* modes = new QButtonGroup(this);
    optPlanetary = Named(new QRadioButton(central), "optPlanetary");
    optSynastry = Named(new QRadioButton(central), "optSynastry");
    for (int i = 0; i < 2; ++i) {
        optNatal[i] = Named(new QRadioButton(central), "optNatal", i);
        optPersonal[i] = Named(new QRadioButton(central), "optPersonal", i);
    }
    for (QRadioButton* opt : { optPlanetary, optNatal[0], optNatal[1], optPersonal[0], optPersonal[1], optSynastry })
        modes->addButton(opt);
    connect(optPlanetary, &QRadioButton::clicked, this, [this] { optPlanetary_Click(); });
    connect(optSynastry, &QRadioButton::clicked, this, [this] { optSynastry_Click(); });
    for (int i = 0; i < 2; ++i) {
        connect(optNatal[i], &QRadioButton::clicked, this, [this, i] { optNatal_Click(i); });
        connect(optPersonal[i], &QRadioButton::clicked, this, [this, i] { optPersonal_Click(i); });
    }

    fraLanguage = Named(new QGroupBox(central), "fraLanguage");
    optEnglish = Named(new QRadioButton(fraLanguage), "optEnglish");
    optGerman = Named(new QRadioButton(fraLanguage), "optGerman");
    optEnglish->setChecked(true);
    connect(optEnglish, &QRadioButton::clicked, this, [this] { optEnglish_Click(); });
    connect(optGerman, &QRadioButton::clicked, this, [this] { optGerman_Click(); });
    cmdConfigure = Named(new QPushButton(central), "cmdConfigure");
    connect(cmdConfigure, &QPushButton::clicked, this, [this] { cmdConfigure_Click(); });

    auto* display = new QButtonGroup(this);
    optDegrees = Named(new QRadioButton(central), "optDegrees");
    optRadians = Named(new QRadioButton(central), "optRadians");
    display->addButton(optDegrees);
    display->addButton(optRadians);
    optDegrees->setChecked(true);
    for (QRadioButton* opt : { optDegrees, optRadians })
        connect(opt, &QRadioButton::clicked, this, [this] {
            if (intChartMode != modeNone)
                cmdCompute_Click();
        });

    cmdCompute = Named(new QPushButton(central), "cmdCompute");
    cmdCompute->setFont(ControlFont(9, true));
    cmdCompute->setDefault(true);
    connect(cmdCompute, &QPushButton::clicked, this, [this] { cmdCompute_Click(); });
    cmdNow = Named(new QPushButton(central), "cmdNow");
    connect(cmdNow, &QPushButton::clicked, this, [this] { cmdNow_Click(); });

    picTable = Named(new QWidget(central), "picTable"); // the window's background shows between the cells as grid lines
    picGraphic = Named(new PictureBox(central), "picGraphic");
    picGraphic->hide();
    cmdToggleGraphic = Named(new QPushButton(central), "cmdToggleGraphic");
    connect(cmdToggleGraphic, &QPushButton::clicked, this, [this] { cmdToggleGraphic_Click(); });
    cboForwardBack = Named(new QComboBox(central), "cboForwardBack");
    connect(cboForwardBack, &QComboBox::activated, this, [this] { cboForwardBack_Click(); });
    for (int i = 0; i < 2; ++i) {
        cmdForwardBack[i] = Named(new QPushButton(central), "cmdForwardBack", i);
        connect(cmdForwardBack[i], &QPushButton::clicked, this, [this, i] { cmdForwardBack_Click(i); });
    }
    SetUpReturnsMenu(central);
    // The commands on files and the program, along the bottom.
    const std::pair<QPushButton**, const char*> commands[] = { { &cmdSave, "cmdSave" }, { &cmdRestore, "cmdRestore" },
        { &cmdSaveAs, "cmdSaveAs" }, { &cmdLoadState, "cmdLoadState" }, { &cmdHelp, "cmdHelp" },
        { &cmdQuit, "cmdQuit" }, { &cmdRun, "cmdRun" }, { &cmdReport, "cmdReport" } };
    for (const auto& [button, strName] : commands)
        *button = Named(new QPushButton(central), strName);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { cmdHelp_Click(); });
    connect(cmdRun, &QPushButton::clicked, this, [this] { cmdRun_Click(); });
    connect(cmdReport, &QPushButton::clicked, this, [this] { cmdReport_Click(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdRestore, &QPushButton::clicked, this, [this] { cmdRestore_Click(); });
    connect(cmdSaveAs, &QPushButton::clicked, this, [this] { cmdSaveAs_Click(); });
    connect(cmdLoadState, &QPushButton::clicked, this, [this] { cmdLoadState_Click(); });
    connect(cmdQuit, &QPushButton::clicked, this, [this] { cmdQuit_Click(); });
    cmdRun->hide();
    lblNotice = Named(new QLabel(central), "lblNotice");
    lblNotice->setTextFormat(Qt::PlainText);
    lblClickonAspect = Named(new QLabel(central), "lblClickonAspect");
    lblClickonAspect->setTextFormat(Qt::PlainText);
    picGraphic->onMouseUp = [this](Qt::MouseButton button, int x, int y) {
        picGraphic_MouseUp(button == Qt::RightButton ? 2 : (button == Qt::LeftButton ? 1 : 4), 0, x, y);
    };
    Timer1 = Named(new QTimer(this), "Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    Timer2 = Named(new QTimer(this), "Timer2");
    connect(Timer2, &QTimer::timeout, this, [this] { Timer2_Timer(); });
    txbCell.reserve(kMaxCells);
    for (int i = 0; i < kMaxCells; ++i) {
        auto* cell = Named(new QLabel(picTable), "txbCell", i);
        cell->setTextFormat(Qt::PlainText);
        cell->setAlignment(Qt::AlignCenter);
        cell->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        cell->setAutoFillBackground(true);
        cell->setFont(ControlFont(8));
        cell->hide();
        txbCell.append(cell);
    }

    txbReport = Named(new QPlainTextEdit(central), "txbReport");
    txbReport1 = Named(new QPlainTextEdit(central), "txbReport1");
    for (QPlainTextEdit* box : { txbReport, txbReport1 }) {
        box->setReadOnly(true);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    }
    txbReport1->hide();
    InstallKeyHandling();
}

void frmMain::GetRowCol(int intCell, int intNumCols)
{
    CellRowCol(intCell, intNumCols, intRow, intCol);
}

void frmMain::RenderCell(int intCell)
{
    QLabel* label = txbCell[intCell];
    const GridCell& cell = m_shown.udtGrid.cells[static_cast<size_t>(intCell)];
    // A cell shown as before is left as it is: a step changes few cells, and
    // setting a label's font, text and palette costs more than the chart.
    if (static_cast<size_t>(intCell) >= m_cellsShown.size())
        m_cellsShown.resize(static_cast<size_t>(intCell) + 1);
    ShownCell& shown = m_cellsShown[static_cast<size_t>(intCell)];
    const ShownCell wanted { cell.strText, cell.blnGlyph, cell.blnBold, cell.dblBackColor, cell.dblForeColor,
        cell.blnVisible, true };
    if (shown == wanted)
        return;
    shown = wanted;
    shown.intTextWidth = -1; // measured again when asked
    QString strShown = cell.strText;
    strShown.remove(QLatin1Char('\r'));
    if (cell.blnGlyph) {
        label->setFont(GlyphFont(std::lround(14 * m_dblViewScale)));
        label->setText(platform::GlyphSymbols(strShown));
    } else {
        QFont font = label->font();
        font.setFamily(QStringLiteral("Arial"));
        font.setPointSizeF(std::round(8 * m_dblViewScale * 2) / 2); // the cells' text grows with them
        font.setBold(cell.blnBold);
        label->setFont(font);
        label->setText(strShown);
    }
    // Positions and aspects bring their own line breaks; only captions wrap.
    label->setWordWrap(!strShown.contains(QLatin1Char('\n')));
    QPalette palette = label->palette();
    const bool blnDefaultBack = cell.dblBackColor < 0;
    palette.setColor(QPalette::Window, blnDefaultBack ? QColor(Qt::white) : ToQColor(cell.dblBackColor));
    const QColor fore = ToQColor(cell.dblForeColor);
    palette.setColor(QPalette::WindowText, blnDefaultBack ? LegibleOnWhite(fore) : fore);
    label->setPalette(palette);
    label->setVisible(cell.blnVisible);
}

int frmMain::CellTextWidth(int intCell)
{
    // The widest line, or for a caption that wraps its widest word; measured
    // once for what the cell shows.
    int& intMeasured = m_cellsShown[static_cast<size_t>(intCell)].intTextWidth;
    if (intMeasured >= 0)
        return intMeasured;
    const QLabel* label = txbCell[intCell];
    QString strText = label->text();
    if (label->wordWrap())
        strText.replace(QLatin1Char(' '), QLatin1Char('\n'));
    int intWidest = 0;
    for (const QString& strPart : strText.split(QLatin1Char('\n')))
        intWidest = std::max(intWidest, label->fontMetrics().horizontalAdvance(strPart));
    return intMeasured = intWidest;
}

void frmMain::ShowTable()
{
    setUpdatesEnabled(false);
    const AspectGrid& grid = m_shown.udtGrid;
    const int intCells = grid.CellCount();
    // Each column as wide as the design's cells, or as its widest text needs.
    std::vector<int> columnWidth(static_cast<size_t>(grid.intCols), ViewPx(kCellWidth));
    for (int i = 0; i < intCells; ++i) {
        RenderCell(i);
        GetRowCol(i, grid.intCols);
        if (grid.cells[static_cast<size_t>(i)].blnVisible) {
            int& intWidth = columnWidth[static_cast<size_t>(intCol)];
            intWidth = std::max(intWidth, CellTextWidth(i) + kCellPadding);
        }
    }
    std::vector<int> columnLeft(columnWidth.size() + 1, 0);
    for (size_t c = 0; c < columnWidth.size(); ++c)
        columnLeft[c + 1] = columnLeft[c] + columnWidth[c];
    for (int i = 0; i < intCells; ++i) {
        GetRowCol(i, grid.intCols);
        txbCell[i]->setGeometry(columnLeft[static_cast<size_t>(intCol)], ViewPx(intRow * kCellHeight),
            columnWidth[static_cast<size_t>(intCol)] - 1, ViewPx(kCellHeight) - 1);
    }
    // Cells beyond this grid are hidden, and remembered as hidden: a later,
    // larger grid shows them again even where their text is unchanged.
    for (int i = intCells; i < txbCell.size(); ++i) {
        txbCell[i]->hide();
        if (static_cast<size_t>(i) < m_cellsShown.size())
            m_cellsShown[static_cast<size_t>(i)].blnVisible = false;
    }
    picTable->resize(columnLeft.back(), ViewPx(grid.intRows * kCellHeight));
    ShowReports();
    if (!WheelShown())
        picTable->show();
    setUpdatesEnabled(true);
}

void frmMain::ShowReports()
{
    const bool blnSingle = IsSingleChartMode(intChartMode);
    QPlainTextEdit* shown = blnSingle ? txbReport : txbReport1;
    QPlainTextEdit* hidden = blnSingle ? txbReport1 : txbReport;
    QString strText = blnSingle ? m_shown.udtReports.strReport : m_shown.udtReports.strReport1;
    strText.replace(strCrLf, QStringLiteral("\n"));
    shown->setPlainText(strText);
    shown->show();
    hidden->hide();
    PlaceReports(WheelShown() ? static_cast<QWidget*>(picGraphic) : picTable);
}

} // namespace qal
