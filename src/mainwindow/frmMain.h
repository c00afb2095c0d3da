// The main window: three date sets, the chart modes, the aspect table and
// the reports. Its handlers are split over several files by concern:
// frmMain.cpp (controls, layout, captions, showing the table),
// frmMainDates.cpp (the date sets), frmMainCompute.cpp (computing and the
// chart modes), frmMainWheel.cpp (the chart wheel), frmMainStepping.cpp
// (time stepping) and frmMainStartup.cpp (start-up).
#pragma once

#include "mainwindow/AspectGrid.h"
#include "mainwindow/ChartCompute.h"
#include "mainwindow/ChartWheel.h"

#include <QMainWindow>
#include <QVector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class QWidget;

namespace qal {

struct DateSetInput;
class PictureBox;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Start-up: texts, tables, date lists, the Pluto table, the current
    // moment in Planetary mode, the first computation. False when the program
    // cannot run (the user has been told why).
    bool Form_Load(const QString& strProgramFolder);

    // --- Computing (frmMainCompute.cpp) ---
    void cmdCompute_Click();
    void optPlanetary_Click();
    void optNatal_Click(int intIndex);
    void optPersonal_Click(int intIndex);
    void optSynastry_Click();
    int SelectedChartMode() const;
    void SelectChartMode(int intMode);
    void ReportInvalidDate(int k);

    // --- Date sets (frmMainDates.cpp) ---
    void SetUpTimezoneComboBoxes(bool blnPreserveIndices = false);
    void SetUpDateComboBoxes();
    void SetUpMonthAndStepLists();
    double InputDateToDayNumber(int k);
    double InputDateToAJDate(int k);
    QString InputDateToString(int intI, bool blnAbbreviated);
    void SetDateToNow();
    void ShowWeekdayTip(int k);
    void cboDateList_Click(int k, bool blnDayList);
    void txbYearCE_KeyUp(int k, int intKeyCode);
    void cmdClear_Click(int k);
    void cmdNow_Click();
    void DateSetChanged(int k);
    void txbYearCE_LostFocus(int k);

    // --- The chart wheel (frmMainWheel.cpp) ---
    void cmdToggleGraphic_Click();
    void DrawWheel();
    void ResetWheel();
    bool WheelShown() const;

    // --- Time stepping (frmMainStepping.cpp) ---
    void cmdForwardBack_Click(int intIndex);
    void cboForwardBack_Click();
    void EnableStepping(bool blnEnabled);
    void Timer2_Timer();

    // --- The table (frmMain.cpp) ---
    void GetRowCol(int intCell, int intNumCols);
    void ShowTable();
    void SetLanguageDependentText();
    QString CellText(int intCell) const;

    // Controls, as control arrays indexed by date set or element.
    QLineEdit* txbYearCE[3] = {};
    QComboBox* cboMonthCE[3] = {};
    QComboBox* cboDayCE[3] = {};
    QComboBox* cboHour[3] = {};
    QComboBox* cboTimezone[3] = {};
    QPushButton* cmdClear[3] = {};
    QLabel* lblDateSet[3] = {};
    QRadioButton* optPlanetary = nullptr;
    QRadioButton* optNatal[2] = {};
    QRadioButton* optPersonal[2] = {};
    QRadioButton* optSynastry = nullptr;
    QRadioButton* optDegrees = nullptr;
    QRadioButton* optRadians = nullptr;
    QPushButton* cmdCompute = nullptr;
    QPushButton* cmdNow = nullptr;
    QWidget* picTable = nullptr;
    PictureBox* picGraphic = nullptr;
    QPushButton* cmdToggleGraphic = nullptr;
    QPushButton* cmdForwardBack[2] = {};
    QComboBox* cboForwardBack = nullptr;
    QTimer* Timer2 = nullptr;
    QVector<QLabel*> txbCell;
    QPlainTextEdit* txbReport = nullptr;
    QPlainTextEdit* txbReport1 = nullptr;

    // State of the last computation.
    AspectGrid udtGrid;
    ChartReports udtReports;
    WheelTextBlocks udtTextBlocks;
    WheelDrawing udtWheel;
    int intChartMode = modeNone;
    int intPatternCount[14] = {};
    int intRow = 0;
    int intCol = 0;
    int intComputerTzIndex = 0;
    bool blnInvalidDateReported = false;
    bool blnSuppressModeClick = false;
    bool blnStepping = false;
    bool blnRunning = false;
    bool blnWaitingForTimer = false;
    bool blnRunQuickly = false; // the run's "Run quickly" choice
    bool blnLoaded = false;

private:
    QObject* m_yearKeyFilter[3] = {};

    void CreateControls();
    void LayOutControls();
    void ModeClicked();
    DateSetInput ReadDateSet(int k) const;
    void WriteDateSet(int k, const DateSetInput& udtInput);
    void ShowReports();
    void PrepareTextBlocks();
    void PlaceReports(QWidget* beside);
    void RenderCell(int intCell);
};

} // namespace qal
