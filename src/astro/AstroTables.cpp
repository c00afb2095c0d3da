// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "astro/AstroTables.h"

#include "astro/FastLongitudes.h"
#include "platform/Ephemeris.h"
#include "text/Texts.h"

#include <cmath>

namespace qal {

namespace {

// The tables' storage; written only by InitAstroTables and SetAstroNames.
QString g_strBodyName[intMaxBodies + 1];
QString g_strBodyAbbr[intMaxBodies + 1];
QString g_strBodyGlyph[intMaxBodies + 2];
QString g_strSignGlyph[intNumSigns];
SignText g_udtSign[intNumSigns];
AspectText g_udtAspectText[intNumAspectKinds + 1];
QString g_strPatternName[intNumPatternKinds];
double g_dblAspectAngle[intNumAspectKinds + 1];
double g_dblColorPalette[12];
bool g_blnInnerPlanet[intMaxBodies + 1];
QString g_strDataFolder;

} // namespace

const QString (&strBodyName)[intMaxBodies + 1] = g_strBodyName;
const QString (&strBodyAbbr)[intMaxBodies + 1] = g_strBodyAbbr;
const QString (&strBodyGlyph)[intMaxBodies + 2] = g_strBodyGlyph;
const QString (&strSignGlyph)[intNumSigns] = g_strSignGlyph;
const SignText (&udtSign)[intNumSigns] = g_udtSign;
const AspectText (&udtAspectText)[intNumAspectKinds + 1] = g_udtAspectText;
const QString (&strPatternName)[intNumPatternKinds] = g_strPatternName;
const double (&dblAspectAngle)[intNumAspectKinds + 1] = g_dblAspectAngle;
const double (&dblColorPalette)[12] = g_dblColorPalette;
const bool (&blnInnerPlanet)[intMaxBodies + 1] = g_blnInnerPlanet;
const QString& strDataFolder = g_strDataFolder;


namespace {

struct NamePair {
    const char* en;
    const char* de;
};

const NamePair kBodyNames[intMaxBodies + 1] = {
    { "Earth", nullptr },
    { "Sun", "Sonne" },
    { "Mercury", "Merkur" },
    { "Venus", "Venus" },
    { "Mars", "Mars" },
    { "Jupiter", "Jupiter" },
    { "Saturn", "Saturn" },
    { "Uranus", "Uranus" },
    { "Neptune", "Neptun" },
    { "Pluto", "Pluto" },
    { "Moon", "Mond" },
};
const NamePair kBodyAbbrs[intMaxBodies + 1] = {
    { "", "" },
    { "Su", "So" },
    { "Me", "Me" },
    { "Ve", "Ve" },
    { "Ma", "Ma" },
    { "Ju", "Ju" },
    { "Sa", "Sa" },
    { "Ur", "Ur" },
    { "Ne", "Ne" },
    { "Pl", "Pl" },
    { "Mo", "Mo" },
};
const char* const kBodyGlyphs = " sfghjSFGJaL"; // index 1..11
const char* const kSignGlyphs = "xcvbnmXCVBNM"; // index 0..11

const NamePair kSignAbbrs[intNumSigns] = {
    { "Ari", "Wid" },
    { "Tau", "Sti" },
    { "Gem", "Zwi" },
    { "Can", "Kre" },
    { "Leo", "Löw" },
    { "Vir", "Jun" },
    { "Lib", "Waa" },
    { "Sco", "Sko" },
    { "Sag", "Sch" },
    { "Cap", "Ste" },
    { "Aqu", "Was" },
    { "Pis", "Fis" },
};
const NamePair kSignNames[intNumSigns] = {
    { "Aries", "Widder" },
    { "Taurus", "Stier" },
    { "Gemini", "Zwilling" },
    { "Cancer", "Krebs" },
    { "Leo", "Löwe" },
    { "Virgo", "Jungfrau" },
    { "Libra", "Waage" },
    { "Scorpio", "Skorpion" },
    { "Sagittarius", "Schütze" },
    { "Capricorn", "Steinbock" },
    { "Aquarius", "Wassermann" },
    { "Pisces", "Fische" },
};

struct AspectNames {
    const char* abbrEn;
    const char* abbrDe;
    const char* nameEn;
    const char* phraseEn;
    const char* adjectiveEn;
    const char* labelStemEn;
    const char* nameDe; // German name, phrase and adjective are all this noun
    const char* labelStemDe;
};
const AspectNames kAspectNames[intNumAspectKinds + 1] = {
    { "", "", "", "", "", "", "", "" },
    { "Con", "Kon", "Conjunction", "conjunct", "conjunct", "conjunction (0", "Konjunktion", "Konjunktion (0" },
    { "Opp", "Opp", "Opposition", "opposite", "opposite", "opposition (180", "Opposition", "Opposition (180" },
    { "Sqr", "Qua", "Square", "square to", "square", "square (90", "Quadrat", "Quadrat (90" },
    { "Tri", "Tri", "Trine", "trine to", "trine", "trine (120", "Trigon", "Trigon (120" },
    { "Sxt", "Sxt", "Sextile", "sextile to", "sextile", "sextile (60", "Sextil", "Sextil (60" },
    { "Ssx", "Ssx", "Semisextile", "semisextile to", "semisextile", "semisextile (30", "Semisextil", "Semisextil (30" },
    { "Qui", "Qui", "Quincunx", "quincunx to", "quincunx", "quincunx (150", "Quinkunx", "Quinkunx (150" },
};
const double kAspectDegrees[intNumAspectKinds + 1] = { 0, 0, 180, 90, 120, 60, 30, 150 };
const double kDefaultColors[intNumAspectKinds + 1] = {
    0, RGBColor(255, 255, 0), // conjunction: yellow
    RGBColor(255, 0, 255), // opposition: magenta
    RGBColor(255, 0, 0), // square: red
    RGBColor(0, 255, 0), // trine: green
    RGBColor(0, 255, 255), // sextile: cyan
    RGBColor(128, 128, 255), // semisextile
    RGBColor(128, 128, 128), // quincunx: grey
};

const NamePair kPatternNames[intNumPatternKinds] = {
    { "Grand trine", "Großes Trigon" },
    { "Kite", "Drachen" },
    { "Rectangle", "Rechteck" },
    { "T-square", "T-Quadrat" },
    { "Grand cross", "Großes Kreuz" },
    { "Yod", "Yod" },
    { "Yod-kite", "Yod-Drachen" },
    { "Trapezium", "Trapez" },
    { "6-Stellium", "6-Stellium" },
    { "5-Stellium", "5-Stellium" },
    { "4-Stellium", "4-Stellium" },
    { "3-Stellium", "3-Stellium" },
    { "Grand sextile", "Großes Sextil" },
    { "Midpoint", "Halbsumme" },
};

const double kPalette[12] = {
    RGBColor(255, 255, 0),
    RGBColor(255, 0, 255),
    RGBColor(255, 0, 0),
    RGBColor(0, 255, 0),
    RGBColor(0, 255, 255),
    RGBColor(128, 128, 128),
    RGBColor(128, 128, 255),
    RGBColor(0, 0, 255),
    RGBColor(0, 192, 255),
    RGBColor(192, 0, 255),
    RGBColor(255, 192, 0),
    RGBColor(128, 64, 0),
};

QString Pick(const NamePair& pair, bool blnGerman)
{
    return QString::fromUtf8(blnGerman ? pair.de : pair.en);
}

} // namespace

double DefaultAspectColor(int k)
{
    return (k >= 1 && k <= intNumAspectKinds) ? kDefaultColors[k] : 0;
}

void InitAstroTables(const QString& strDataFiles)
{
    const QString strBefore = g_strDataFolder;
    g_strDataFolder = strDataFiles;
    if (!g_strDataFolder.endsWith(QLatin1Char('/')))
        g_strDataFolder += QLatin1Char('/');
    platform::SetDataFilesFolder(g_strDataFolder);
    // The fast source's blocks came from the ephemeris' files, which are others now.
    if (g_strDataFolder != strBefore)
        ClearFastSource();

    for (int b = 0; b <= intMaxBodies; ++b)
        g_blnInnerPlanet[b] = b >= 1 && b <= 4;
    for (int b = 1; b <= intMaxBodies + 1; ++b)
        g_strBodyGlyph[b] = QString(QLatin1Char(kBodyGlyphs[b]));
    for (int s = 0; s < intNumSigns; ++s)
        g_strSignGlyph[s] = QString(QLatin1Char(kSignGlyphs[s]));
    for (int i = 0; i < 12; ++i)
        g_dblColorPalette[i] = kPalette[i];
    for (int k = 0; k <= intNumAspectKinds; ++k)
        g_dblAspectAngle[k] = DegToRad(kAspectDegrees[k]);
    SetAstroNames();
}

void SetInterfaceLanguage(int intLanguage)
{
    StoreInterfaceLanguage(intLanguage);
    SetAstroNames();
}

void SetAstroNames()
{
    const bool blnGerman = IsGerman();
    if (!blnGerman)
        g_strBodyName[0] = QStringLiteral("Earth");
    for (int b = 1; b <= intMaxBodies; ++b) {
        g_strBodyName[b] = Pick(kBodyNames[b], blnGerman);
        g_strBodyAbbr[b] = Pick(kBodyAbbrs[b], blnGerman);
    }
    for (int s = 0; s < intNumSigns; ++s)
        g_udtSign[s] = { Pick(kSignAbbrs[s], blnGerman), Pick(kSignNames[s], blnGerman) };
    for (int k = 1; k <= intNumAspectKinds; ++k) {
        const AspectNames& n = kAspectNames[k];
        AspectText& t = g_udtAspectText[k];
        if (blnGerman) {
            t.Abbr = QString::fromUtf8(n.abbrDe);
            t.Name = t.Phrase = t.Adjective = QString::fromUtf8(n.nameDe);
            t.Label = QString::fromUtf8(n.labelStemDe);
        } else {
            t.Abbr = QString::fromUtf8(n.abbrEn);
            t.Name = QString::fromUtf8(n.nameEn);
            t.Phrase = QString::fromUtf8(n.phraseEn);
            t.Adjective = QString::fromUtf8(n.adjectiveEn);
            t.Label = QString::fromUtf8(n.labelStemEn);
        }
        t.Label += QStringLiteral("°)");
    }
    for (int p = 0; p < intNumPatternKinds; ++p)
        g_strPatternName[p] = Pick(kPatternNames[p], blnGerman);
}

QString LongitudeToSignText(double dblAngle, bool blnWholeDegreeStyle)
{
    if (!(dblAngle >= 0 && dblAngle < dblTwoPi)) // NaN too
        return {};
    const double dblDeg = RadToDeg(dblAngle);
    int d = static_cast<int>(std::floor(dblDeg));
    int m = static_cast<int>(std::nearbyint((dblDeg - d) * 60.0)); // halves to even
    if (m == 60) {
        if (d != 359) {
            m = 0;
            ++d;
        } else {
            m = 59;
        }
    }
    const int s = d / 30;
    d -= 30 * s;
    if (!blnWholeDegreeStyle)
        return QString::number(d) + udtSign[s].Abbr + QString::number(m);
    if (m >= 31 && d != 29)
        ++d;
    return QString::number(d) + QStringLiteral("° in ") + udtSign[s].Name;
}

QString AngleToDegMinText(
    double dblAngle, bool blnOmitZeroMinutes, bool blnBlankBeforeMinutes, bool blnAllowNegative, bool blnRollOver360)
{
    QString strSign;
    if (dblAngle < 0) {
        if (!blnAllowNegative)
            return {};
        dblAngle = -dblAngle;
        strSign = QStringLiteral("-");
    }
    if (!(dblAngle < dblTwoPi)) // NaN too
        return {};
    const double dblDegrees = RadToDeg(dblAngle);
    int D = static_cast<int>(dblDegrees + 0.00001);
    int M = static_cast<int>(std::nearbyint((dblDegrees - D) * 60.0));
    if (M == 60) {
        if (blnRollOver360 || D != 359) {
            ++D;
            M = 0;
        } else {
            M = 59;
        }
    }
    if (blnOmitZeroMinutes && M == 0)
        return strSign + QString::number(D) + QStringLiteral("°");
    const QString strMinutes = (blnBlankBeforeMinutes && M >= 0 ? QStringLiteral(" ") : QString()) + QString::number(M);
    return strSign + QString::number(D) + QStringLiteral("°") + strMinutes + QStringLiteral("'");
}

QString ZodiacText(bool blnSidereal, bool blnWithFullStop)
{
    QString strName = GetText(blnSidereal ? TextId::SiderealZodiac : TextId::TropicalZodiac);
    if (blnWithFullStop)
        strName += QLatin1Char('.');
    return strName;
}

} // namespace qal
