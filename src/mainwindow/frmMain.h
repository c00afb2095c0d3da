// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The main window: three date sets, the chart modes, the aspect table, the
// reports and the chart wheel. Its handlers are split over several files by
// concern (frmMain.cpp: controls, layout, showing the table; the others
// frmMain<Concern>.cpp, as the sections below name them). The computing
// itself happens in the core (chart/); the window gathers inputs and shows
// results.
#pragma once

#include "chart/AspectQuestion.h"
#include "chart/ChartCompute.h"
#include "chart/Durations.h"
#include "chart/TransitGraph.h"
#include "dates/DatePr2.h"
#include "dialogs/frmRun.h"
#include "drawing/ChartWheel.h"
#include "platform/DataPaths.h"
#include "settings/StateFile.h"
#include "text/TextIds.h"

#include <QMainWindow>
#include <QVector>

#include <functional>
#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTimer;
class QWidget;

namespace qal {

class CoreRuntime;
class PictureBox;
struct CornerText;
class frmConfigure;
class frmDurations;
class frmPlace;
class frmPopUp;
class frmTimeMap;
class frmView;
struct DurationsContent;
struct OrbStretch;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Start-up: texts, tables, date lists, the Pluto table, the current
    // moment in Planetary mode, the first computation. False when the program
    // cannot run (the user has been told why).
    bool Form_Load(const platform::AppFolders& folders);

    // The controls are the window's own. Each has the object name the
    // design gives it (control arrays with their index: "txbYearCE0",
    // "optNatal1", "cmdForwardBack0", "txbCell12"), so that a test finds
    // one as a user finds it by its caption. Below are the handlers the
    // controls call and what the window shows.

    // --- Computing (frmMainCompute.cpp) ---
    void cmdCompute_Click();
    void optPlanetary_Click();
    void optNatal_Click(int intIndex);
    void optPersonal_Click(int intIndex);
    void optSynastry_Click();
    QString AddOrbToTitle(const QString& strTitle, bool blnPersonal, bool blnAddPeriod = false) const;
    int GetTotalNumAspects() const;

    // --- Date sets (frmMainDates.cpp) ---
    double InputDateToAJDate(int k);
    QString InputDateToString(int intI, bool blnAbbreviated);
    void SetDateToNow();
    void ShowWeekdayTip(int k);
    void cboMonthCE_Click(int k);
    void cboDayCE_Click(int k);
    void cboHour_Click(int k);
    void cboTimezone_Click(int k);
    void txbYearCE_KeyUp(int k, int intKeyCode);
    void txbYearCE_LostFocus(int k);
    void cmdClear_Click(int k);
    void cmdNow_Click();
    void DateSetChanged(int k);
    // The place, the clock it kept and the calendar of date set k, in the
    // place dialog (dialogs/frmPlace.h).
    void cmdPlace_Click(int k);
    frmPlace* PlaceDialog();

    // --- The chart wheel (frmMainWheel.cpp) ---
    void cmdToggleGraphic_Click();

    // --- Time stepping (frmMainStepping.cpp) ---
    void cmdForwardBack_Click(int intIndex);
    // The current date set taken to the transiting Sun's or Moon's return
    // to its place in the Personal mode's natal chart, the next or the one before.
    void ReturnChart(int intBody, bool blnForward);
    void SetUpReturnsMenu(QWidget* parent);
    void SetReturnsText();
    void cboForwardBack_Click();
    void Timer2_Timer();

    // --- Language and configuration (frmMainSettings.cpp) ---
    void optEnglish_Click();
    void optGerman_Click();
    void cmdConfigure_Click();

    // --- Saved state and quitting (frmMainState.cpp) ---
    QString SaveState(const QString& strFileName);
    QString LoadState(const QString& strFileName);
    // The state as a file would hold it now.
    QByteArray CurrentStateText() const;
    // The message of a state file that was refused: the file, why, and that
    // nothing changed.
    static QString StateNotLoadedText(const QString& strFileName, const QString& strError);
    void cmdSave_Click();
    void cmdRestore_Click();
    void cmdLoadState_Click();
    void cmdSaveAs_Click();
    void cmdQuit_Click();
    void Form_Unload();

    // --- Housekeeping (frmMainTimer.cpp) ---
    void Timer1_Timer();

    // --- Running (frmMainRun.cpp) ---
    void cmdRun_Click();

    // --- Asking about an aspect (frmMainInteraction.cpp) ---
    void txbCell_DblClick(int Index);
    // A key on a table cell (frmMainKeys.cpp): the arrows move to the next
    // visible cell, Enter asks as a double click does; true when used.
    bool txbCell_KeyDown(int Index, int KeyCode);
    // Button 2 is the right button; X and Y are twips of the picture.
    void picGraphic_MouseUp(int Button, int Shift, int X, int Y);

    // --- The manual (frmMainHelp.cpp) ---
    void cmdHelp_Click();
    frmView* ViewerWindow();

    // --- Durations (frmMainDurations.cpp) ---
    // The day (a day number) the aspect of kind intAspect between the bodies
    // began and the day it ends, around the current moment of the chart
    // shown; −1 when not known. intPersonal is the orb column (1 in the
    // Personal modes, where the first body is the natal one and stands
    // still); intTimeZone the current moment's zone in minutes.
    double BeginningOfAspect(int intP1, int intP2, int intAspect, int intPersonal, int intTimeZone) const;
    double EndOfAspect(int intP1, int intP2, int intAspect, int intPersonal, int intTimeZone) const;
    void cmdReport_Click();
    // What the durations of the chart shown are computed from.
    DurationInputs ShownDurationInputs() const;
    // A date set as the chart shown read it: "March 5, 2018, 14:30 (GMT+1:00)";
    // and as its two parts, the date and the time with its zone.
    QString ShownDateText(int k) const;
    QStringList ShownDateParts(int k) const;

    // The windows that exist once each, made on first use and then kept.
    frmConfigure* ConfigureDialog();
    frmPopUp* PopUpWindow();
    frmRun* RunDialog();
    frmDurations* DurationsWindow();
    frmTimeMap* TimeMapWindow();

    // The canvas of the controls changed size: everything is placed anew.
    void CanvasResized();
    double ViewScale() const { return m_dblViewScale; }

    // --- What the window shows and where it stands ---
    bool IsLoaded() const { return m_flags.blnLoaded; } // start-up has finished
    bool Ended() const { return m_flags.blnEnded; } // the main window closed for good
    const AspectGrid& Grid() const { return m_shown.udtGrid; }
    const ChartReports& Reports() const { return m_shown.udtReports; }
    bool WheelShown() const;
    bool GraphShown() const { return blnGraphShown; } // the transit graph instead of the wheel
    int ChartMode() const { return intChartMode; } // the mode of the last computation that got past the dates
    bool Running() const { return blnRunning; }
    bool StateJustSaved() const { return blnStateJustSaved; }
    const QString& UserStateFile() const { return strUserStateFile; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Controls, as control arrays indexed by date set or element.
    QLineEdit* txbYearCE[3] = {};
    QComboBox* cboMonthCE[3] = {};
    QComboBox* cboDayCE[3] = {};
    QComboBox* cboHour[3] = {};
    QComboBox* cboTimezone[3] = {};
    QPushButton* cmdClear[3] = {};
    QPushButton* cmdPlace[3] = {}; // the place of the date set: its name, or "Place.."
    QLabel* lblDateSet[3] = {};
    QRadioButton* optPlanetary = nullptr;
    QRadioButton* optNatal[2] = {};
    QRadioButton* optPersonal[2] = {};
    QRadioButton* optSynastry = nullptr;
    QGroupBox* fraLanguage = nullptr;
    QRadioButton* optEnglish = nullptr;
    QRadioButton* optGerman = nullptr;
    QPushButton* cmdConfigure = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdRestore = nullptr;
    QPushButton* cmdSaveAs = nullptr;
    QPushButton* cmdLoadState = nullptr;
    QPushButton* cmdQuit = nullptr;
    QPushButton* cmdRun = nullptr;
    QPushButton* cmdReport = nullptr;
    QPushButton* cmdHelp = nullptr;
    QLabel* lblNotice = nullptr; // the notice label: a standing caption or a passing message
    QLabel* lblClickonAspect = nullptr; // the hint above the table or the wheel
    QTimer* Timer1 = nullptr; // housekeeping, every second
    QRadioButton* optDegrees = nullptr;
    QRadioButton* optRadians = nullptr;
    QPushButton* cmdCompute = nullptr;
    QPushButton* cmdNow = nullptr;
    QWidget* picTable = nullptr;
    PictureBox* picGraphic = nullptr;
    QPushButton* cmdToggleGraphic = nullptr;
    QPushButton* cmdForwardBack[2] = {};
    QPushButton* cmdReturns = nullptr; // Personal modes: its menu takes the current moment to a return
    QMenu* mnuReturns = nullptr;
    QComboBox* cboForwardBack = nullptr;
    QTimer* Timer2 = nullptr;
    QVector<QLabel*> txbCell;
    QPlainTextEdit* txbReport = nullptr;
    QPlainTextEdit* txbReport1 = nullptr;
    QScrollArea* scrMain = nullptr; // the canvas scrolls in a window smaller than the design
    QWidget* m_canvas = nullptr;
    double m_dblViewScale = 1; // the table, the wheel and the graph at this multiple of the design

    // Window state the program's design names.
    int intChartMode = modeNone; // the mode of the last computation that got past the dates
    int intPatternCount[intNumPatternKinds] = {};
    int intRow = 0;
    int intCol = 0;
    int intComputerTzIndex = 0;
    bool blnInvalidDateReported = false;
    bool blnSuppressModeClick = false;
    bool blnStepping = false;
    bool blnRunning = false;
    bool blnWaitingForTimer = false;
    QString strUserStateFile; // the user's own state file, "qal.usr"
    bool blnStateJustSaved = false; // saved or loaded in the last few housekeeping ticks
    bool blnUserStateUnreadable = false; // "qal.usr" could not be read at start-up: saved over only on the user's word
    int intTicksSinceSave = 0;
    bool blnGraphShown = false; // the transit graph is shown instead of the wheel
    QStringList strDurationRecord; // one record per aspect of the table (chart/Durations.h)
    int intDurationCount = 0;

    // What the last computation put on screen. Everything that works on "the
    // chart shown" (the durations, the time map, the calendar, a double
    // click, the transit graph) reads this, so that a later refused date or
    // step, which leaves the screen as it was, changes none of them.
    struct ShownChart {
        DurationInputs udtInputs; // the mode, the moments, the current zone and the zodiac computed
        OrbTable udtOrbs; // the orbs computed with
        AspectGrid udtGrid;
        ChartReports udtReports;
        WheelTextBlocks udtTextBlocks; // the side texts name the moments computed
        QString strComputedYear[3]; // year texts as last read by a computation
        DateSetInput udtSet[3]; // the date sets as the computation read them
        ChartAngles udtAngles[2]; // of the slots whose date sets have a place
        std::vector<ChartAspect> angleAspects; // the aspects to those angles
    };
    // Per date set, what its lists cannot hold: the place and the clock it
    // kept, the calendar, and which of a clock time that happened twice.
    struct DateSetExtras {
        DateSetPlace place;
        bool blnJulian = false;
        RepeatedTime repeated = RepeatedTime::Ask;
    };
    DateSetExtras m_extras[3];
    // The window's own flags.
    struct WindowFlags {
        bool blnLoaded = false;
        bool blnLanguageChange = false; // the language switch recomputes: an invalid date is not reported
        bool blnEnded = false;
        bool blnGraphHidDialog = false; // the transit graph hid the configuration dialog
    };
    // The caption pieces of the wheel's side texts (texts 104 to 116).
    struct LegendTexts {
        QString strChart[3]; // chart, date, zodiac
        QString strOneRing[2];
        QString strTransits[4];
        QString strSynastry[4];
    };

    ShownChart m_shown;
    WindowFlags m_flags;
    LegendTexts m_legend;
    RunRequest m_run; // what the run dialog asked for last
    frmConfigure* m_frmConfigure = nullptr;
    frmPopUp* m_frmPopUp = nullptr;
    frmRun* m_frmRun = nullptr;
    frmDurations* m_frmDurations = nullptr;
    frmTimeMap* m_frmTimeMap = nullptr;
    frmPlace* m_frmPlace = nullptr;
    frmView* m_frmView = nullptr;
    platform::AppFolders m_folders;
    std::shared_ptr<CoreRuntime> m_runtime;
    QObject* m_keyFilters[4] = {}; // the year fields' and the date lists' (frmMainKeys.cpp)
    std::function<bool()> m_dateListKeys; // whether a date list is handling a key
    QString m_strLoadedFile; // the state file the notice label names, "" for none
    TransitGraphScale m_graphScale; // the scales of the transit graph shown

    // Controls (frmMain.cpp); their places (frmMainLayout.cpp); the keys (frmMainKeys.cpp).
    void CreateControls();
    void ArrangeControls();
    // The view's scale for a canvas of that size: 1 at the design's size.
    double ViewScaleFor(const QSize& canvas) const;
    // Twips of the table, the wheel or the graph as pixels at the view's scale.
    int ViewPx(int intTwips) const;
    // The wheel, the graph or another view at the table's place, at the view's scale.
    void PlaceView(QWidget* view, int intLeftTwips, int intWidthTwips, int intHeightTwips);
    void PlaceWheel();
    void InstallKeyHandling();
    // Whether the date list changing now changes by a key of its own.
    bool DateListKeyChange() const;
    void LayOutControls();
    void GetRowCol(int intCell, int intNumCols);
    void ShowTable();
    void ShowReports();
    void PlaceReports(QWidget* beside);
    void RenderCell(int intCell);
    // What a cell of the table was last shown with.
    struct ShownCell {
        QString strText;
        bool blnGlyph = false, blnBold = false;
        double dblBackColor = 0, dblForeColor = 0;
        bool blnVisible = false, blnSet = false;
        int intTextWidth = -1; // measured: pixels; −1 not yet
        bool operator==(const ShownCell& other) const
        {
            return strText == other.strText && blnGlyph == other.blnGlyph && blnBold == other.blnBold
                && dblBackColor == other.dblBackColor && dblForeColor == other.dblForeColor
                && blnVisible == other.blnVisible && blnSet == other.blnSet;
        }
    };
    std::vector<ShownCell> m_cellsShown;
    // The width the text of a cell needs (pixels), once it is rendered.
    int CellTextWidth(int intCell);
    // Computing (frmMainCompute.cpp).
    void ReportInvalidDate(int k);
    void ModeClicked();
    int SelectedChartMode() const;
    void SelectChartMode(int intMode);
    void RejectDateSet(int k, double dblCode);
    // Date sets (frmMainDates.cpp).
    void SetUpTimezoneComboBoxes(bool blnPreserveIndices = false);
    void SetUpDateComboBoxes();
    void SetUpMonthAndStepLists();
    double InputDateToDayNumber(int k);
    DateSetInput ReadDateSet(int k) const;
    void WriteDateSet(int k, const DateSetInput& udtInput);
    // The place button's caption and the zone list's own entry of date set k.
    void ShowDateSetPlace(int k);
    // The clock time typed into or chosen in date set k's hour list.
    void HourTextEdited(int k);
    // A clock time that happened twice at the place: which was meant, asked; false when cancelled.
    bool AskWhichRepeatedTime(int k);
    // Why date set k's clock could not be read (codes −5 to −8), in the interface language.
    QString ClockFaultText(int k, int intCode) const;
    void DateListClicked(int k, bool blnDayList);
    // The wheel (frmMainWheel.cpp).
    // The controls that depend on whether the table, the wheel or the
    // transit graph is shown: the toggle's caption, the notice label, the run
    // button, the save button's role and the hint.
    void RefreshViewControls();
    WheelTextBlocks PrepareTextBlocks() const;
    QString WheelToolTip() const;
    void DrawWheel();
    // The transit graph gives way (to the wheel or the table): the
    // configuration dialog it put aside comes back.
    void LeaveTransitGraph();
    // Stepping and running (frmMainStepping.cpp, frmMainRun.cpp).
    void EnableStepping(bool blnEnabled);
    void EnableMainControls(bool blnEnabled);
    void TestRunUntilFound();
    // Ends a run as the Stop button does.
    void StopRun();
    // Language and configuration (frmMainSettings.cpp).
    void SetLanguageDependentText();
    void SwitchLanguage(int intLanguage);
    // The configuration dialog beside the window, the window moved so they meet.
    void PlaceConfigureDialog();
    // The settings of the configuration dialog were used: the chart follows them.
    void SettingsUsed();
    // Saved state (frmMainState.cpp).
    WindowInputs GatherInputs() const;
    void ApplyInputs(const WindowInputs& inputs);
    // After a state was loaded: selects Planetary unless Natal chart 1 or 2
    // is selected and computes that chart; false when its date is not valid.
    bool ComputeLoadedChart();
    void ShowNotice(TextId text, const QPushButton* beside);
    // Whether the user's own state file may be written: asks first when it
    // could not be read at start-up.
    bool MayReplaceUserState();
    // Before the settings are first read: a settings file that cannot be used
    // is set aside and reported; leftovers of interrupted saves are removed.
    void CheckUserFiles();
    void EndProgram();
    // Asking about an aspect (frmMainInteraction.cpp).
    void RefreshHint();
    void DrawTransitGraph(const CellAspect& aspect, const AspectAnswer& answer);
    // The time map of the durations window's chart; a transit's stretch
    // chosen on it shown as a graph.
    void ShowTimeMap(const DurationsContent& content, const QString& strTitle);
    void ShowTransitOfStretch(const CellAspect& aspect, const OrbStretch& stretch);
    // Durations (frmMainDurations.cpp).
    double DayOfShownAspect(
        int intP1, int intP2, int intAspect, int intPersonal, int intTimeZone, bool blnBeginning) const;
    // The duration records of the aspects of the table shown.
    void GetDurations();
    // The durations window's content for the chart shown.
    DurationsContent DurationsOfShownChart();
    // Gathers the durations of the chart shown and shows them in the durations window.
    void ShowDurations();
    // Saving the picture shown (frmMainExport.cpp).
    void SavePicture();
    // The description and the credit written into a saved wheel.
    QVector<CornerText> ImageTexts() const;
};

} // namespace qal
