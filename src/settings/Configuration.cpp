// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "settings/Configuration.h"

#include "astro/AstroTables.h"

#include <algorithm>

namespace qal {

namespace {

ConfigurationSettings g_config; // udtConfig's storage

const int kDefaultOrbs[intNumOrbLists] = { 10, 9, 6, 7, 5, 4, 5, 1 };
const int kBoldfaceFactors[] = { 2, 3, 4, 5, 6, 8, 10, 15, 20 };
const int kNumBoldfaceFactors = static_cast<int>(std::size(kBoldfaceFactors));
const double kMidpointOrbs[] = { 5.0 / 60.0, 0.25, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0 };
const int kNumMidpointOrbs = static_cast<int>(std::size(kMidpointOrbs));
constexpr int kNumProportions = 5;

// The fields a snapshot keeps, copied either way (they share their names).
template <typename From, typename To> void CopySnapshotFields(const From& from, To& to)
{
    to.chkUseBoldface = from.chkUseBoldface;
    to.cboBoldfaceFactor = from.cboBoldfaceFactor;
    to.cboPersonalOrbsProportion[0] = from.cboPersonalOrbsProportion[0];
    to.cboPersonalOrbsProportion[1] = from.cboPersonalOrbsProportion[1];
    to.chkDisplayNATZabbr = from.chkDisplayNATZabbr;
    to.chkIncludeTransitingMoon = from.chkIncludeTransitingMoon;
    to.chkSuppressInnerPlanetAspectDisplay = from.chkSuppressInnerPlanetAspectDisplay;
    to.chkSaveGraphicWithWhiteBackground = from.chkSaveGraphicWithWhiteBackground;
}

} // namespace

ConfigurationSettings::ConfigurationSettings()
{
    for (int i = 0; i < intNumOrbLists; ++i)
        cboOrb[i] = intOrbIndex[i] = kDefaultOrbs[i];
    for (int k = 0; k < 8; ++k)
        dblPendingColor[k] = dblAspectColor[k] = DefaultAspectColor(k);
}

OrbTable OrbTableFor(const ConfigurationSettings& config)
{
    int intDegrees[7];
    for (int i = 0; i < 7; ++i)
        intDegrees[i] = OrbListItemData(config.intOrbIndex[i]) / 60;
    return MakeOrbTable(intDegrees, OrbProportionItemData(config.cboPersonalOrbsProportion[0]),
        OrbProportionItemData(config.cboPersonalOrbsProportion[1]));
}

const ConfigurationSettings& udtConfig = g_config;

void SetConfiguration(const ConfigurationSettings& config)
{
    g_config = config;
}

void SetOrbTable(const ConfigurationSettings& config)
{
    SetOrbTable(OrbTableFor(config));
}

double MidpointOrbRadians(const ConfigurationSettings& config)
{
    return DegToRad(MidpointOrbDegrees(config.cboOrbForMidpoints));
}

void ResetToDefaults(ConfigurationSettings& config, bool blnEnglishInterface)
{
    for (int i = 0; i < intNumOrbLists; ++i)
        config.cboOrb[i] = config.intOrbIndex[i] = kDefaultOrbs[i];
    config.chkUseBoldface = true;
    config.cboBoldfaceFactor = 2;
    config.cboPersonalOrbsProportion[0] = config.cboPersonalOrbsProportion[1] = 2;
    config.opt1DegOfOrb = true;
    config.chkSuppressInnerPlanetAspectDisplay = false;
    config.chkSaveGraphicWithWhiteBackground = false;
    config.chkDisplayNATZabbr = blnEnglishInterface;
    config.chkIncludeTransitingMoon = true;
    if (!config.chkKeepZodiac)
        config.optVedicAstrology = false;
    for (int k = 1; k <= 7; ++k)
        config.dblPendingColor[k] = DefaultAspectColor(k);
    config.cboOrbForMidpoints = 2;
}

void AcceptShownSettings(ConfigurationSettings& config)
{
    for (int k = 1; k <= 7; ++k)
        config.dblAspectColor[k] = config.dblPendingColor[k];
    std::copy(std::begin(config.cboOrb), std::end(config.cboOrb), std::begin(config.intOrbIndex));
    config.blnIncludeTransitingMoon = config.chkIncludeTransitingMoon;
    config.blnShowInnerPlanetAspects = !config.chkSuppressInnerPlanetAspectDisplay;
    config.blnSaveGraphicWithWhiteBackground = config.chkSaveGraphicWithWhiteBackground;
    config.blnSidereal = config.optVedicAstrology;
    config.blnDisplayNATZabbr = config.chkDisplayNATZabbr;
}

void ShowSwitchesInForce(ConfigurationSettings& config)
{
    config.chkIncludeTransitingMoon = config.blnIncludeTransitingMoon;
    config.chkSuppressInnerPlanetAspectDisplay = !config.blnShowInnerPlanetAspects;
    config.chkSaveGraphicWithWhiteBackground = config.blnSaveGraphicWithWhiteBackground;
    config.chkDisplayNATZabbr = config.blnDisplayNATZabbr;
}

ConfigurationSnapshot TakeSnapshot(const ConfigurationSettings& config)
{
    ConfigurationSnapshot snapshot;
    CopySnapshotFields(config, snapshot);
    return snapshot;
}

void RestoreSnapshot(ConfigurationSettings& config, const ConfigurationSnapshot& snapshot)
{
    CopySnapshotFields(snapshot, config);
}

void SetAllNonzeroOrbs(ConfigurationSettings& config)
{
    for (int i = 0; i < intSetAllOrbList; ++i) {
        if (config.cboOrb[i] != 0)
            config.cboOrb[i] = config.intOrbIndex[i] = config.cboOrb[intSetAllOrbList];
    }
    config.intOrbIndex[intSetAllOrbList] = config.cboOrb[intSetAllOrbList];
}

double NextPaletteColor(double dblColor)
{
    for (int j = 0; j < 12; ++j) {
        if (dblColorPalette[j] == dblColor)
            return dblColorPalette[(j + 1) % 12];
    }
    return dblColor;
}

QString OrbListItemText(int intIndex)
{
    return QString::number(intIndex) + QStringLiteral("°");
}

int OrbListItemData(int intIndex)
{
    return std::clamp(intIndex, 0, intMaxOrbDegrees) * 60;
}

QStringList BoldfaceFactorItems()
{
    QStringList items;
    for (int f : kBoldfaceFactors)
        items << QStringLiteral("1/%1").arg(f);
    return items;
}

int BoldfaceFactorItemData(int intIndex)
{
    return kBoldfaceFactors[std::clamp(intIndex, 0, kNumBoldfaceFactors - 1)];
}

QStringList OrbProportionItems()
{
    QStringList items { QStringLiteral("1") };
    for (int d = 2; d <= kNumProportions; ++d)
        items << QStringLiteral("1/%1").arg(d);
    return items;
}

int OrbProportionItemData(int intIndex)
{
    return std::clamp(intIndex, 0, kNumProportions - 1) + 1;
}

QStringList MidpointOrbItems()
{
    QStringList items;
    for (double dblMidpointOrb : kMidpointOrbs) {
        const int intMinutes = static_cast<int>(dblMidpointOrb * 60.0 + 0.5);
        items << QStringLiteral("%1° %2'").arg(intMinutes / 60).arg(intMinutes % 60);
    }
    return items;
}

double MidpointOrbDegrees(int intIndex)
{
    return kMidpointOrbs[std::clamp(intIndex, 0, kNumMidpointOrbs - 1)];
}

} // namespace qal
