// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Aspect patterns among the bodies of one chart.
//
// The searches look at bodies 1..intNumBodies of a PatternSky (the
// longitudes of one chart with the base orbs, its separations worked out
// once and shared by every search) and return one line per occurrence
// ("\r\n" after each), empty when there is none, and count the occurrences.
// The short form is "T-square: Ma-Ju-Sa (average orb 2°15')"; the long form
// names the bodies in full ("Mars-Jupiter-Saturn").
#pragma once

#include "aspects/Orbs.h"
#include "astro/AstroTables.h"

#include <QString>

#include <functional>
#include <vector>

namespace qal {

// The pattern kinds by number (the index of intPatternCount and of the
// pattern names).
constexpr int patGrandTrine = 0;
constexpr int patKite = 1;
constexpr int patRectangle = 2;
constexpr int patTSquare = 3;
constexpr int patGrandCross = 4;
constexpr int patYod = 5;
constexpr int patYodKite = 6;
constexpr int patTrapezium = 7;
constexpr int patSixStellium = 8;
constexpr int patFiveStellium = 9;
constexpr int patFourStellium = 10;
constexpr int patThreeStellium = 11;
constexpr int patGrandSextile = 12;
constexpr int patMidpoint = 13;

struct PatternSky {
    double dblLongitude[intMaxBodies + 1] = {}; // radians; negative = not available
    int intNumBodies = intMaxBodies;
    double dblSeparation[intMaxBodies + 1][intMaxBodies + 1] = {}; // shorter arc; −1 without a position
    double dblOrb[8] = {}; // base orbs of kinds 1..7
    double dblMidpointOrb = 0; // radians
};

// The sky of longitudes L (bodies 1..10) with the bodies 1..intNumBodies
// taking part (intBodiesInSky), the base orbs of udtOrbs and the midpoint orb in radians.
PatternSky MakePatternSky(
    const double (&L)[intMaxBodies + 1], int intBodiesInSky, const OrbTable& udtOrbs, double dblMidpointOrb);


QString FindGrandTrines(const PatternSky& sky, bool blnLongForm, int& intCount);
QString FindKites(const PatternSky& sky, bool blnLongForm, int& intCount);
QString FindRectangles(const PatternSky& sky, bool blnLongForm, int& intCount);
QString FindTSquares(const PatternSky& sky, bool blnLongForm, int& intCount);
QString FindGrandCrosses(const PatternSky& sky, bool blnLongForm, int& intCount);
QString FindYods(const PatternSky& sky, bool blnLongForm, int& intCount);
QString FindYodKites(const PatternSky& sky, bool blnLongForm, int& intCount);
QString FindTrapeziums(const PatternSky& sky, bool blnLongForm, int& intCount);
QString FindSixStelliums(const PatternSky& sky, bool blnLongForm, int& intCount);
QString FindFiveStelliums(const PatternSky& sky, bool blnLongForm, int& intCount);
QString FindFourStelliums(const PatternSky& sky, bool blnLongForm, int& intCount);
QString FindThreeStelliums(const PatternSky& sky, bool blnLongForm, int& intCount);
// Sets the count to 1 whenever it lists an occurrence.
QString FindGrandSextiles(const PatternSky& sky, bool blnLongForm, int& intCount);

// Midpoint configurations of the bodies 1..9 (never the Moon): one body at
// the midpoint of two others, or opposite it, within the midpoint orb. (The
// window lists them for the chart shown.)
QString FindMidpoints(const PatternSky& sky, bool blnLongForm, int& intCount);

// The line of bodies a, b and c when one of them stands at the midpoint of
// the other two: outer bodies in ascending order with the midpoint body
// between them; "" otherwise.
QString MidpointLine(const PatternSky& sky, int a, int b, int c, bool blnLongForm);

// Runs every search in the report's order: kinds 0 to 7, the largest
// stellium found (the smaller ones are then not searched and count 0), the
// grand sextile and the midpoints. Each non-empty result is followed by a
// blank line; its count goes into intPatternCount, while a kind that found
// nothing keeps its previous count.
QString RunPatternSearches(const PatternSky& sky, bool blnLongForm, int intPatternCount[intNumPatternKinds]);

// Runs every search in the report's order (the smaller stelliums only when
// no larger one was found) and calls visit(kind, lines, count) for each
// search that found something.
void ForEachPatternGroup(const PatternSky& sky, bool blnLongForm,
    const std::function<void(int intKind, const QString& strLines, int intCount)>& visit);

// One occurrence of a pattern: its kind, its bodies in the order of its line,
// and the line.
struct PatternOccurrence {
    int intKind = 0;
    std::vector<int> bodies;
    QString strLine;
};

// Every occurrence, in the report's order (as RunPatternSearches lists them).
std::vector<PatternOccurrence> PatternOccurrences(const PatternSky& sky, bool blnLongForm);

// The same counts as RunPatternSearches in the short form gives, without
// writing any text: every count is set (0 for a kind not found).
void CountPatterns(const PatternSky& sky, int intPatternCount[intNumPatternKinds]);

// The count CountPatterns gives for one kind, running only the searches that
// kind needs (for a smaller stellium, the larger ones first).
int CountPatternKind(const PatternSky& sky, int intKind);

// The bodies of each occurrence CountPatternKind counts, in the order of
// their lines.
std::vector<std::vector<int>> PatternKindBodies(const PatternSky& sky, int intKind);

// The same occurrences with their lines in the short form.
std::vector<PatternOccurrence> PatternKindOccurrences(const PatternSky& sky, int intKind);

} // namespace qal
