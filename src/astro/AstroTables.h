// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The chart vocabulary and the global chart state.
//
// Bodies are numbered 1 Sun, 2 Mercury, 3 Venus, 4 Mars, 5 Jupiter, 6 Saturn,
// 7 Uranus, 8 Neptune, 9 Pluto, 10 Moon (0 is a name slot only); signs 0 Aries
// .. 11 Pisces; aspect kinds 1 conjunction, 2 opposition, 3 square, 4 trine,
// 5 sextile, 6 semisextile, 7 quincunx; pattern kinds 0..13.
//
// The tables are filled once by InitAstroTables at start-up; the name tables
// are refilled by SetAstroNames on every language switch. The chart state
// lives in astro/ChartState.h.
#pragma once

#include "astro/Angles.h"
#include "astro/ChartState.h"

#include <QString>

namespace qal {

constexpr int intNumAspectKinds = 7;
// The aspect kinds by number.
constexpr int intConjunction = 1;
constexpr int intOpposition = 2;
constexpr int intSquare = 3;
constexpr int intTrine = 4;
constexpr int intSextile = 5;
constexpr int intSemisextile = 6;
constexpr int intQuincunx = 7;
constexpr int intNumPatternKinds = 14;
constexpr int intNumSigns = 12;

struct SignText {
    QString Abbr;
    QString Name;
};

struct AspectText {
    QString Abbr; // "Con", "Opp", ... (German "Kon", "Qua" ...)
    QString Name; // "Conjunction"
    QString Phrase; // "conjunct", "square to"
    QString Adjective; // "conjunct", "square"
    QString Label; // "conjunction (0°)"
};

// --- Vocabulary (language-dependent ones refilled by SetAstroNames) ---
extern const QString (&strBodyName)[intMaxBodies + 1]; // 0 is "Earth" in English
extern const QString (&strBodyAbbr)[intMaxBodies + 1];
extern const QString (&strBodyGlyph)[intMaxBodies + 2]; // 1..11; 11 is the wheel's centre glyph
extern const QString (&strSignGlyph)[intNumSigns];
extern const SignText (&udtSign)[intNumSigns];
extern const AspectText (&udtAspectText)[intNumAspectKinds + 1];
extern const QString (&strPatternName)[intNumPatternKinds];
extern const double (&dblAspectAngle)[intNumAspectKinds + 1]; // radians
extern const double (&dblColorPalette)[12]; // colours the dialog cycles through
extern const bool (&blnInnerPlanet)[intMaxBodies + 1]; // Sun to Mars
extern const QString& strDataFolder; // folder of the data files, with a trailing "/"

// Colour value with red in the low byte, green in the middle, blue in the high byte.
constexpr double RGBColor(int r, int g, int b)
{
    return r + 256.0 * g + 65536.0 * b;
}

// The colour of aspect kind k (1..7) before any configuration; 0 otherwise.
double DefaultAspectColor(int k);

// Fills every table. strDataFiles (the folder of qal.dat and pluto.slx)
// becomes strDataFolder and is handed to the ephemeris as its data folder.
void InitAstroTables(const QString& strDataFiles);

// Fills the name tables for the current language: German when it is German,
// English for every other language. "Earth" is only set when English.
void SetAstroNames();

// Makes intLanguage the interface language (text/Texts.h) and refills the
// names that follow it: the one place the language is written.
void SetInterfaceLanguage(int intLanguage);

// Position text: "12Ari34" (compact) or "13° in Aries" (whole degrees);
// "" for an angle outside [0, 2π).
QString LongitudeToSignText(double dblAngle, bool blnWholeDegreeStyle);

// Degree-and-minute text such as 12°34', 8° or 12° 5'.
QString AngleToDegMinText(double dblAngle, bool blnOmitZeroMinutes = false, bool blnBlankBeforeMinutes = false,
    bool blnAllowNegative = false, bool blnRollOver360 = false);

// The name of the sidereal or the tropical zodiac, optionally with ".".
QString ZodiacText(bool blnSidereal, bool blnWithFullStop);

} // namespace qal
