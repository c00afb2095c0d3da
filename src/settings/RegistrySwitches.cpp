// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "settings/RegistrySwitches.h"

#include "astro/ChartAngles.h"
#include "dates/DatePr2.h"
#include "platform/Registry3.h"
#include "settings/Configuration.h"

#include <algorithm>

namespace qal {

const QString strSwitchesKeyPath = QStringLiteral("Software\\Brenvale\\QAL");

namespace {

QString Digit(bool blnTicked)
{
    return blnTicked ? QStringLiteral("1") : QStringLiteral("0");
}

bool Write(const char* strName, const QString& strValue)
{
    return platform::RegistryWriteSucceeded(platform::WriteRegistryString(
        platform::HkeyCurrentUser, strSwitchesKeyPath, QString::fromLatin1(strName), strValue));
}

// The stored "0" or "1": strFailedDefault when the read fails, strOtherDefault
// when it reads something else.
bool ReadSwitch(const char* strName, const QString& strFailedDefault, const QString& strOtherDefault)
{
    QString strText;
    const QString strStatus = platform::ReadRegistryString(
        platform::HkeyCurrentUser, strSwitchesKeyPath, QString::fromLatin1(strName), strText);
    if (!strStatus.startsWith(QLatin1Char('0')))
        strText = strFailedDefault;
    else if (strText != QLatin1String("0") && strText != QLatin1String("1"))
        strText = strOtherDefault;
    return strText == QLatin1String("1");
}

} // namespace

QString DefaultTZDisp(int intComputerMinutes)
{
    return Digit(intComputerMinutes >= -600 && intComputerMinutes <= -150);
}

void ApplyTZDispSwitch(ConfigurationSettings& config)
{
    // The computer's offset is read at this moment, for the default only.
    config.chkDisplayNATZabbr = ReadSwitch("TZDisp", DefaultTZDisp(GetComputerTimeZoneMinutes()), QStringLiteral("1"));
    StoreTZDispSwitch(config);
    config.blnDisplayNATZabbr = config.chkDisplayNATZabbr;
}

bool StoreTZDispSwitch(const ConfigurationSettings& config)
{
    return Write("TZDisp", Digit(config.chkDisplayNATZabbr));
}

void ApplyIncludeTransitingMoonSwitch(ConfigurationSettings& config)
{
    config.chkIncludeTransitingMoon = ReadSwitch("Moon", QStringLiteral("1"), QStringLiteral("1"));
    StoreIncludeTransitingMoonSwitch(config);
    config.blnIncludeTransitingMoon = config.chkIncludeTransitingMoon;
}

bool StoreIncludeTransitingMoonSwitch(const ConfigurationSettings& config)
{
    return Write("Moon", Digit(config.chkIncludeTransitingMoon));
}

void ApplyInnerPlanetAspectSwitch(ConfigurationSettings& config)
{
    // "1" means the aspects are shown: the box that suppresses them is clear.
    config.chkSuppressInnerPlanetAspectDisplay = !ReadSwitch("IPAD", QStringLiteral("1"), QStringLiteral("1"));
    StoreInnerPlanetAspectSwitch(config);
    config.blnShowInnerPlanetAspects = !config.chkSuppressInnerPlanetAspectDisplay;
}

bool StoreInnerPlanetAspectSwitch(const ConfigurationSettings& config)
{
    return Write("IPAD", Digit(!config.chkSuppressInnerPlanetAspectDisplay));
}

void ApplyWhiteBackgroundSwitch(ConfigurationSettings& config)
{
    config.chkSaveGraphicWithWhiteBackground = ReadSwitch("SGWWB", QStringLiteral("0"), QStringLiteral("0"));
    StoreWhiteBackgroundSwitch(config);
    config.blnSaveGraphicWithWhiteBackground = config.chkSaveGraphicWithWhiteBackground;
}

bool StoreWhiteBackgroundSwitch(const ConfigurationSettings& config)
{
    return Write("SGWWB", Digit(config.chkSaveGraphicWithWhiteBackground));
}

void ApplyHouseSettings(ConfigurationSettings& config)
{
    QString strLetter;
    const QString strStatus = platform::ReadRegistryString(
        platform::HkeyCurrentUser, strSwitchesKeyPath, QStringLiteral("Houses"), strLetter);
    const int intSystem = strStatus.startsWith(QLatin1Char('0')) && strLetter.size() == 1
        ? HouseSystemOfLetter(strLetter.at(0))
        : -1;
    config.intHouseSystem = std::max(0, intSystem);
    config.blnShowHouseCusps = ReadSwitch("HouseCusps", QStringLiteral("1"), QStringLiteral("1"));
    StoreHouseSettings(config);
}

bool StoreHouseSettings(const ConfigurationSettings& config)
{
    const bool blnSystem = Write("Houses", QString(QLatin1Char(HouseSystemLetter(config.intHouseSystem))));
    return Write("HouseCusps", Digit(config.blnShowHouseCusps)) && blnSystem;
}

bool StoreSwitches(const ConfigurationSettings& config)
{
    const bool blnStored[] = { StoreTZDispSwitch(config), StoreIncludeTransitingMoonSwitch(config),
        StoreInnerPlanetAspectSwitch(config), StoreWhiteBackgroundSwitch(config), StoreHouseSettings(config) };
    return std::all_of(std::begin(blnStored), std::end(blnStored), [](bool b) { return b; });
}

bool ReadExactMomentsSwitch()
{
    return ReadSwitch("ExactMoments", QStringLiteral("0"), QStringLiteral("0"));
}

void StoreExactMomentsSwitch(bool blnOn)
{
    Write("ExactMoments", Digit(blnOn));
}

bool ReadCalendarSkyEventsSwitch()
{
    return ReadSwitch("CalendarSkyEvents", QStringLiteral("0"), QStringLiteral("0"));
}

void StoreCalendarSkyEventsSwitch(bool blnOn)
{
    Write("CalendarSkyEvents", Digit(blnOn));
}

} // namespace qal
