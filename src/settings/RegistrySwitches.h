// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The four per-user switches of the configuration, kept in the per-user store
// under "Software\Brenvale\QAL" so that they hold before any saved state:
// "TZDisp" (North American zone names), "Moon" (include the transiting
// Moon), "IPAD" (inner-planet aspects shown: the inverse of the dialog's
// box) and "SGWWB" (save images with a white background).
//
// Each Apply... reads its value, falls back to the default when the read
// fails or the text is not "0" or "1", sets the configuration's box (and the
// accepted value it governs) and writes the value back at once, so that a
// missing or malformed value is replaced. Each Store... writes what the box
// shows and returns whether the value was kept. The configuration dialog
// applies them when it loads and stores them when its settings are used.
#pragma once

#include <QString>

namespace qal {

struct ConfigurationSettings;

extern const QString strSwitchesKeyPath; // "Software\Brenvale\QAL"

void ApplyTZDispSwitch(ConfigurationSettings& config);
bool StoreTZDispSwitch(const ConfigurationSettings& config);
void ApplyIncludeTransitingMoonSwitch(ConfigurationSettings& config);
bool StoreIncludeTransitingMoonSwitch(const ConfigurationSettings& config);
void ApplyInnerPlanetAspectSwitch(ConfigurationSettings& config);
bool StoreInnerPlanetAspectSwitch(const ConfigurationSettings& config);
void ApplyWhiteBackgroundSwitch(ConfigurationSettings& config);
bool StoreWhiteBackgroundSwitch(const ConfigurationSettings& config);

// The house system ("Houses": its letter, Placidus unless another is
// stored) and whether the wheel draws the cusps ("HouseCusps").
void ApplyHouseSettings(ConfigurationSettings& config);
bool StoreHouseSettings(const ConfigurationSettings& config);

// Stores the four switches as the boxes show them ("Use settings"), and the houses; false
// when the store could not keep them all (the settings file cannot be written).
bool StoreSwitches(const ConfigurationSettings& config);

// Whether the durations window and the details of an aspect show exact
// moments ("ExactMoments"; off unless stored as "1").
bool ReadExactMomentsSwitch();
void StoreExactMomentsSwitch(bool blnOn);

// Whether the durations window's calendar carries the sky's events
// ("CalendarSkyEvents"; off unless stored as "1").
bool ReadCalendarSkyEventsSwitch();
void StoreCalendarSkyEventsSwitch(bool blnOn);

// The "TZDisp" default when nothing usable is stored: "1" on a computer
// between UTC−10:00 and UTC−2:30 (both included), else "0".
QString DefaultTZDisp(int intComputerMinutes);

} // namespace qal
