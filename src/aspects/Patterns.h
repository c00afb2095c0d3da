// Aspect patterns among the bodies of chart slot 0.
//
// Each search looks at bodies 1..intNumBodies with the base orbs and returns
// one line per occurrence ("\r\n" after each), empty when there is none, and
// counts the occurrences. The short form is "T-square: Ma-Ju-Sa (average orb
// 2°15')"; the long form names the bodies in full ("Mars-Jupiter-Saturn").
#pragma once

#include <QString>

namespace qal {

enum PatternKind {
    patGrandTrine,
    patKite,
    patRectangle,
    patTSquare,
    patGrandCross,
    patYod,
    patYodKite,
    patTrapezium,
    patSixStellium,
    patFiveStellium,
    patFourStellium,
    patThreeStellium,
    patGrandSextile,
    patMidpoint,
};

QString FindGrandTrines(bool blnLongForm, int& intCount);
QString FindKites(bool blnLongForm, int& intCount);
QString FindRectangles(bool blnLongForm, int& intCount);
QString FindTSquares(bool blnLongForm, int& intCount);
QString FindGrandCrosses(bool blnLongForm, int& intCount);
QString FindYods(bool blnLongForm, int& intCount);
QString FindYodKites(bool blnLongForm, int& intCount);
QString FindTrapeziums(bool blnLongForm, int& intCount);
QString FindSixStelliums(bool blnLongForm, int& intCount);
QString FindFiveStelliums(bool blnLongForm, int& intCount);
QString FindFourStelliums(bool blnLongForm, int& intCount);
QString FindThreeStelliums(bool blnLongForm, int& intCount);
// Sets the count to 1 whenever it lists an occurrence, however many.
QString FindGrandSextiles(bool blnLongForm, int& intCount);

// Bodies standing at the midpoint (or the opposite point) of two others,
// within the midpoint orb of the configuration; the Moon never takes part.
void CheckForMidpoint(bool blnLongForm, int& intCount, QString& strText);

// The line for bodies a, b and c without the pattern name: the two outer
// bodies in ascending order with the midpoint body between them; empty when
// none of the three stands at the midpoint of the other two.
QString MidpointText(int a, int b, int c, bool blnLongForm);

// Runs every search in the report's order: kinds 0 to 7, the largest
// stellium found (the smaller ones are then not searched and count 0), the
// grand sextile and the midpoints. Each non-empty result is followed by a
// blank line; its count goes into intPatternCount, while a kind that found
// nothing keeps its previous count.
QString RunPatternSearches(bool blnLongForm, int intPatternCount[14]);

} // namespace qal
