// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The configuration dialog: orbs and colours of the aspect kinds, the bold
// face rule, the orb proportions for transits and synastry, the midpoint
// orb, the zodiac and four switches.
//
// The dialog edits a copy of the configuration record (settings/
// Configuration.h) that the main window hands it (ShowConfiguration): every
// edit goes into the copy's shown values at once and is reported
// (configurationChanged), and the main window, the record's one writer,
// applies it. "Use settings" accepts the shown values and recomputes while
// the dialog stays open; "Cancel" puts back what was shown when it opened;
// "Hide" just hides it. It is made once, hidden, at start-up and kept; made,
// it holds the defaults with the stored switches.
#pragma once

#include "settings/Configuration.h"

#include <QDialog>

class QScrollArea;
#include <QLabel>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace qal {

// A colour line of the dialog: reports mouse releases with their button.
class ColourLine : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void(Qt::MouseButton)> onMouseUp;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class frmConfigure : public QDialog {
    Q_OBJECT
public:
    explicit frmConfigure(QWidget* owner);

    // Whether the owning window has started: before that a reset asks no
    // question and uses no settings.
    void SetOwnerStarted(bool blnStarted) { m_blnOwnerStarted = blnStarted; }

    // --- Operations other windows use ---
    void cmdAccept_Click();
    void cmdCancel_Click();
    void cmdHide_Click();
    void cmdReset_Click();
    bool blnAccept = false; // "Use settings" was pressed during this showing

    // Captions in the current language (the main window's language switch).
    void SetLanguageDependentText();
    // Shows config (the record as it is now) in the controls, to be edited.
    void ShowConfiguration(const ConfigurationSettings& config);
    // The configuration as the dialog holds it.
    const ConfigurationSettings& Configuration() const { return m_config; }

    // --- Event handlers ---
    void Form_Activate();
    void Form_Unload();
    void lblAspectColor_MouseUp(int intIndex, Qt::MouseButton button);
    void cboOrb_Click(int intIndex);
    void cmdSetAllNonzeroOrbsToConjunctionOrb_Click();
    void chkUseBoldface_Click();

Q_SIGNALS:
    // The configuration was edited (its shown values, or accepted ones).
    void configurationChanged(const qal::ConfigurationSettings& config);
    // "Use settings" accepted the shown settings: the chart is to be computed anew.
    void settingsUsed();
    // "Cancel" put back the settings of the dialog's opening.
    void settingsCancelled();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // --- Controls ---
    QScrollArea* scrSettings = nullptr; // the settings, scrolling on a low screen
    // Sized to the settings shown, within the screen.
    void FitToContent();
    QLabel* Label3 = nullptr;
    QLabel* lblAspectName[7] = {};
    QComboBox* cboOrb[intNumOrbLists] = {};
    ColourLine* lblAspectColor[7] = {};
    QPushButton* cmdSetAllNonzeroOrbsToConjunctionOrb = nullptr;
    QCheckBox* chkUseBoldface = nullptr;
    QRadioButton* opt1DegOfOrb = nullptr;
    QRadioButton* optProportionOfOrb = nullptr;
    QComboBox* cboBoldfaceFactor = nullptr;
    QLabel* lblOfOrb = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* cboPersonalOrbsProportion[2] = {};
    QLabel* lblPersonalTransits = nullptr;
    QLabel* lblSynastry = nullptr;
    QLabel* lblOrbForMidpoints = nullptr;
    QComboBox* cboOrbForMidpoints = nullptr;
    QLabel* lblZodiac = nullptr;
    QRadioButton* optWesternAstrology = nullptr;
    QRadioButton* optVedicAstrology = nullptr;
    QCheckBox* chkKeepZodiac = nullptr;
    QLabel* lblHouseSystem = nullptr;
    QComboBox* cboHouseSystem = nullptr; // the houses of a chart with a place
    QCheckBox* chkShowHouseCusps = nullptr;
    QGroupBox* fraOptions = nullptr;
    QCheckBox* chkIncludeTransitingMoon = nullptr;
    QCheckBox* chkSuppressInnerPlanetAspectDisplay = nullptr;
    QCheckBox* chkSaveGraphicWithWhiteBackground = nullptr;
    QCheckBox* chkDisplayNATZabbr = nullptr;
    QPushButton* cmdAccept = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdReset = nullptr;
    QPushButton* cmdHide = nullptr;

private:
    struct DialogState {
        bool blnSilentReset = false; // set only while the close box resets
        ConfigurationSnapshot snapshot; // what Cancel puts back
        double dblLastColor[8] = {}; // last non-zero pending colour per kind, for a right click
    };

    DialogState m_state;
    bool m_blnOwnerStarted = false;
    ConfigurationSettings m_config; // the copy edited

    void CreateControls();
    void Form_Load();
    void ShowPendingColors();
    void FocusAccept();
    // A change the user made: applied to the shown settings and reported,
    // then the focus goes to "Use settings".
    void Edited(const std::function<void(ConfigurationSettings&)>& apply);
    void Publish();
    // Puts the copy's shown values into the controls.
    void ShowSettings();
};

} // namespace qal
