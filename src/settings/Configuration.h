// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The configuration record: every user setting that shapes the computation
// and the display, with its defaults, ranges and list contents.
//
// It holds both what the configuration dialog shows (list indices, check
// values, pending colours) and the accepted values the computation reads
// (intOrbIndex, dblAspectColor, blnSidereal, blnIncludeTransitingMoon,
// blnShowInnerPlanetAspects, blnSaveGraphicWithWhiteBackground). The dialog
// edits the shown values and copies them into the accepted ones on "Use
// settings"; the saved state and the registry switches write both.
#pragma once

#include "aspects/Orbs.h"

#include <QString>
#include <QStringList>

namespace qal {

constexpr int intNumOrbLists = 8; // seven aspect kinds and the "set all" orb
constexpr int intSetAllOrbList = 7;
constexpr int intMaxOrbDegrees = 15;

struct ConfigurationSettings {
    // --- What the configuration dialog shows ---
    int cboOrb[intNumOrbLists]; // list index = orb in whole degrees
    bool chkUseColor = true;
    bool chkUseBoldface = true;
    bool opt1DegOfOrb = true; // false: optProportionOfOrb
    int cboBoldfaceFactor = 2; // list index: "1/4"
    int cboPersonalOrbsProportion[2] = { 2, 2 }; // personal transits, synastry: "1/3"
    int cboOrbForMidpoints = 2; // list index: 0°30'
    bool optVedicAstrology = false; // false: optWesternAstrology (tropical)
    bool chkKeepZodiac = true;
    bool chkIncludeTransitingMoon = true;
    bool chkSuppressInnerPlanetAspectDisplay = false;
    bool chkSaveGraphicWithWhiteBackground = false;
    bool chkDisplayNATZabbr = true;
    double dblPendingColor[8]; // aspect kinds 1..7 as the colour labels show them

    // --- Accepted values read by the computation and the wheel ---
    int intOrbIndex[intNumOrbLists];
    double dblAspectColor[8]; // aspect kinds 1..7; 0 = kind not drawn
    bool blnSidereal = false;
    bool blnIncludeTransitingMoon = true;
    bool blnShowInnerPlanetAspects = true;
    bool blnSaveGraphicWithWhiteBackground = false;
    bool blnDisplayNATZabbr = true; // the zone lists name the North American zones

    // --- The houses of a chart with a place (taken at once, not pending) ---
    int intHouseSystem = 0; // chart/Angles.h: 0 Placidus
    bool blnShowHouseCusps = true; // the wheel draws the cusps

    ConfigurationSettings();
    bool operator==(const ConfigurationSettings&) const = default;
};

// The program's one configuration record, read anywhere on the window's
// thread (work on the pool is handed a copy). Written only through
// SetConfiguration, which the main window calls with what the configuration
// dialog, a state file or its own housekeeping hand it.
extern const ConfigurationSettings& udtConfig;
void SetConfiguration(const ConfigurationSettings& config);

// The orb table of a configuration: the accepted orbs (intOrbIndex) and the
// proportions as the two lists show them.
OrbTable OrbTableFor(const ConfigurationSettings& config);

// Rebuilds the accepted orb table (aspects/Orbs.h) from config.
void SetOrbTable(const ConfigurationSettings& config);

// The midpoint orb of a configuration, radians.
double MidpointOrbRadians(const ConfigurationSettings& config);

// Puts every shown setting back to its default, as "Reset to default" does,
// and the orb indices into intOrbIndex at once; the other accepted values
// change only when the shown ones are accepted. The zodiac is kept when
// chkKeepZodiac is set; the time-zone names follow the interface language.
void ResetToDefaults(ConfigurationSettings& config, bool blnEnglishInterface);

// Copies the shown settings into the accepted values, as "Use settings" does.
void AcceptShownSettings(ConfigurationSettings& config);

// The switch boxes show the switches in force (the dialog opening: a box
// ticked but never used goes back to what applies).
void ShowSwitchesInForce(ConfigurationSettings& config);

// What "Cancel" puts back: the shown values of the boxes and lists that are
// not orbs or colours, as they were when the dialog was opened.
struct ConfigurationSnapshot {
    bool chkUseBoldface = true;
    int cboBoldfaceFactor = 2;
    int cboPersonalOrbsProportion[2] = { 2, 2 };
    bool chkDisplayNATZabbr = true;
    bool chkIncludeTransitingMoon = true;
    bool chkSuppressInnerPlanetAspectDisplay = false;
    bool chkSaveGraphicWithWhiteBackground = false;
};
ConfigurationSnapshot TakeSnapshot(const ConfigurationSettings& config);
void RestoreSnapshot(ConfigurationSettings& config, const ConfigurationSnapshot& snapshot);

// "Set all non-zero orbs to:": every shown orb list of the seven kinds that is
// not at 0° takes the "set all" orb, accepted at once; orbs of 0 stay 0.
void SetAllNonzeroOrbs(ConfigurationSettings& config);

// The colour after dblColor in the palette (the last is followed by the
// first); a colour not in the palette stays as it is.
double NextPaletteColor(double dblColor);

// --- List contents and item data of the dialog's lists ---
QString OrbListItemText(int intIndex); // "0°" .. "15°"
int OrbListItemData(int intIndex); // arc minutes: index × 60
QStringList BoldfaceFactorItems(); // "1/2" .. "1/20"
int BoldfaceFactorItemData(int intIndex); // 2, 3, 4, 5, 6, 8, 10, 15, 20
QStringList OrbProportionItems(); // "1", "1/2" .. "1/5"
int OrbProportionItemData(int intIndex); // 1..5
QStringList MidpointOrbItems(); // "0° 5'" .. "3° 0'"
double MidpointOrbDegrees(int intIndex); // 5/60 .. 3 degrees

} // namespace qal
