#include "aspects/Patterns.h"

#include "aspects/Aspects.h"
#include "astro/AstroTables.h"
#include "astro/Longitudes.h"
#include "settings/Configuration.h"
#include "text/Texts.h"

#include <initializer_list>
#include <vector>

namespace qal {
namespace {

enum AspectKind { Con = 1, Opp, Sqr, Tri, Sxt, Ssx, Qui };

constexpr int kAverageOrbLabel = 154;

// The aspect test of the searches, adding the deviation to a running sum.
bool Asp(int b1, int b2, int k, double& dblSum)
{
    double dblDev = 0;
    if (!IsAspectBetweenBodies(b1, b2, k, dblDev))
        return false;
    dblSum += dblDev;
    return true;
}

// Tests every aspect of a group before combining the results.
bool AllOf(std::initializer_list<bool> results)
{
    bool blnAll = true;
    for (bool r : results)
        blnAll = blnAll && r;
    return blnAll;
}

QString BodiesText(const std::vector<int>& bodies, bool blnLongForm)
{
    QString strText;
    for (int b : bodies) {
        if (!strText.isEmpty())
            strText += QLatin1Char('-');
        strText += blnLongForm ? strBodyName[b] : strBodyAbbr[b];
    }
    return strText;
}

// The bodies part of a line, with the average orb in the short form when
// dblAverage is not negative.
QString Candidate(const std::vector<int>& bodies, bool blnLongForm, double dblAverage)
{
    QString strText = BodiesText(bodies, blnLongForm);
    if (!blnLongForm && dblAverage >= 0)
        strText += QStringLiteral(" (") + GetText(kAverageOrbLabel) + QLatin1Char(' ') + AngleToDegMinText(dblAverage)
            + QLatin1Char(')');
    return strText;
}

QString Line(int intKind, const QString& strCandidate, bool blnLongForm)
{
    if (blnLongForm)
        return strCandidate + strCrLf;
    return strPatternName[intKind] + QStringLiteral(": ") + strCandidate + strCrLf;
}

// Appends an occurrence and counts it.
void Add(
    QString& strText, int& intCount, int intKind, const std::vector<int>& bodies, bool blnLongForm, double dblAverage)
{
    strText += Line(intKind, Candidate(bodies, blnLongForm, dblAverage), blnLongForm);
    ++intCount;
}

// Calls visit(i, j, k, sum) for every grand trine i < j < k.
template <typename Visit> void ForEachGrandTrine(Visit visit)
{
    const int n = intNumBodies;
    for (int i = 1; i <= n; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            double s1 = 0;
            if (!Asp(i, j, Tri, s1))
                continue;
            for (int k = j + 1; k <= n; ++k) {
                double s = s1;
                if (Asp(i, k, Tri, s) && Asp(j, k, Tri, s))
                    visit(i, j, k, s);
            }
        }
    }
}

// Calls visit(i, j, k, sum) for every yod: i, j sextile, k quincunx to both.
template <typename Visit> void ForEachYod(Visit visit)
{
    const int n = intNumBodies;
    for (int i = 1; i <= n; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            double s1 = 0;
            if (!Asp(i, j, Sxt, s1))
                continue;
            for (int k = 1; k <= n; ++k) {
                double s = s1;
                if (Asp(i, k, Qui, s) && Asp(j, k, Qui, s))
                    visit(i, j, k, s);
            }
        }
    }
}

void CheckKiteTail(int intTail, int intApex, int intLeft, int intRight, double dblTrineSum, bool blnLongForm,
    QString& strText, int& intCount)
{
    double s = 0;
    if (AllOf({ Asp(intTail, intLeft, Sxt, s), Asp(intTail, intApex, Opp, s), Asp(intTail, intRight, Sxt, s) }))
        Add(strText, intCount, patKite, { intApex, intLeft, intRight, intTail }, blnLongForm, (dblTrineSum + s) / 6);
}

// Stelliums of intSize bodies in ascending order, every pair conjunct; the
// pairs a new body makes are all tested before the group is judged.
void FindStelliums(int intSize, int intKind, std::vector<int>& chosen, double dblSum, bool blnLongForm,
    QString& strText, int& intCount)
{
    if (static_cast<int>(chosen.size()) == intSize) {
        const int intPairs = intSize * (intSize - 1) / 2;
        Add(strText, intCount, intKind, chosen, blnLongForm, dblSum / intPairs);
        return;
    }
    const int intFirst = chosen.empty() ? 1 : chosen.back() + 1;
    for (int b = intFirst; b <= intNumBodies; ++b) {
        double s = dblSum;
        bool blnAll = true;
        for (auto it = chosen.rbegin(); it != chosen.rend(); ++it)
            blnAll = Asp(*it, b, Con, s) && blnAll;
        if (!blnAll)
            continue;
        chosen.push_back(b);
        FindStelliums(intSize, intKind, chosen, s, blnLongForm, strText, intCount);
        chosen.pop_back();
    }
}

QString Stelliums(int intSize, int intKind, bool blnLongForm, int& intCount)
{
    intCount = 0;
    QString strText;
    std::vector<int> chosen;
    FindStelliums(intSize, intKind, chosen, 0, blnLongForm, strText, intCount);
    return strText;
}

// Whether body x stands at the midpoint of y and z, or at the opposite point.
bool AtMidpoint(int x, int y, int z, double dblOrbRad)
{
    double dblMid = (dblLongitude[0][z] + dblLongitude[0][y]) / 2;
    if (ShorterArc(dblMid, dblLongitude[0][x]) < dblOrbRad)
        return true;
    dblMid = NormalizeAngle(dblMid + dblPi);
    return ShorterArc(dblMid, dblLongitude[0][x]) < dblOrbRad;
}

} // namespace

QString FindGrandTrines(bool blnLongForm, int& intCount)
{
    intCount = 0;
    QString strText;
    ForEachGrandTrine([&](int i, int j, int k, double s) {
        Add(strText, intCount, patGrandTrine, { i, j, k }, blnLongForm, s / 3);
    });
    return strText;
}

QString FindKites(bool blnLongForm, int& intCount)
{
    intCount = 0;
    QString strText;
    ForEachGrandTrine([&](int i, int j, int k, double s) {
        for (int m = 1; m <= intNumBodies; ++m) {
            if (m == i || m == j || m == k)
                continue;
            CheckKiteTail(m, i, j, k, s, blnLongForm, strText, intCount);
            CheckKiteTail(m, j, k, i, s, blnLongForm, strText, intCount);
            CheckKiteTail(m, k, i, j, s, blnLongForm, strText, intCount);
        }
    });
    return strText;
}

QString FindRectangles(bool blnLongForm, int& intCount)
{
    intCount = 0;
    QString strText;
    QString strPrevious; // the previously accepted candidate of this call
    const int n = intNumBodies;
    for (int a = 1; a <= n; ++a) {
        for (int b = a + 1; b <= n; ++b) {
            double s1 = 0;
            if (!Asp(a, b, Opp, s1))
                continue;
            for (int c = 1; c <= n; ++c) {
                double s2 = s1;
                if (!Asp(b, c, Sxt, s2))
                    continue;
                for (int d = a + 1; d <= n; ++d) {
                    double s = s2;
                    if (!Asp(c, d, Opp, s) || !Asp(d, a, Sxt, s))
                        continue;
                    if (!AllOf({ Asp(b, d, Tri, s), Asp(a, c, Tri, s) }))
                        continue;
                    const QString strCandidate = Candidate({ a, b, c, d }, blnLongForm, s / 6);
                    if (!strPrevious.isEmpty() && strCandidate.mid(6, 5) == strPrevious.left(5))
                        continue;
                    strPrevious = strCandidate;
                    strText += Line(patRectangle, strCandidate, blnLongForm);
                    ++intCount;
                }
            }
        }
    }
    return strText;
}

QString FindTSquares(bool blnLongForm, int& intCount)
{
    intCount = 0;
    QString strText;
    const int n = intNumBodies;
    for (int i = 1; i <= n; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            double s1 = 0;
            if (!Asp(i, j, Opp, s1))
                continue;
            for (int k = 1; k <= n; ++k) {
                double s = s1;
                if (Asp(i, k, Sqr, s) && Asp(j, k, Sqr, s))
                    Add(strText, intCount, patTSquare, { i, k, j }, blnLongForm, s / 3);
            }
        }
    }
    return strText;
}

QString FindGrandCrosses(bool blnLongForm, int& intCount)
{
    intCount = 0;
    QString strText;
    const int n = intNumBodies;
    for (int a = 1; a <= n; ++a) {
        for (int b = a + 1; b <= n; ++b) {
            double s1 = 0;
            if (!Asp(a, b, Sqr, s1))
                continue;
            for (int c = b + 1; c <= n; ++c) {
                double s2 = s1;
                if (!Asp(a, c, Sqr, s2))
                    continue;
                for (int d = a + 1; d <= n; ++d) {
                    double s = s2;
                    if (Asp(a, d, Opp, s) && Asp(b, c, Opp, s) && Asp(b, d, Sqr, s) && Asp(d, c, Sqr, s))
                        Add(strText, intCount, patGrandCross, { a, b, d, c }, blnLongForm, s / 6);
                }
            }
        }
    }
    return strText;
}

QString FindYods(bool blnLongForm, int& intCount)
{
    intCount = 0;
    QString strText;
    ForEachYod([&](int i, int j, int k, double s) { Add(strText, intCount, patYod, { i, k, j }, blnLongForm, s / 3); });
    return strText;
}

QString FindYodKites(bool blnLongForm, int& intCount)
{
    intCount = 0;
    QString strText;
    ForEachYod([&](int i, int j, int k, double s3) {
        for (int m = 1; m <= intNumBodies; ++m) {
            if (m == i || m == j || m == k)
                continue;
            double s = s3;
            if (!Asp(m, k, Opp, s))
                continue;
            if (AllOf({ Asp(m, j, Ssx, s), Asp(m, i, Ssx, s) }))
                Add(strText, intCount, patYodKite, { i, k, j, m }, blnLongForm, s / 6);
        }
    });
    return strText;
}

QString FindTrapeziums(bool blnLongForm, int& intCount)
{
    intCount = 0;
    QString strText;
    const int n = intNumBodies;
    for (int a = 1; a <= n; ++a) {
        for (int b = a + 1; b <= n; ++b) {
            double s1 = 0;
            if (!Asp(a, b, Opp, s1))
                continue;
            for (int c = 1; c <= n; ++c) {
                double s2 = s1;
                if (c == a || c == b || !Asp(a, c, Tri, s2))
                    continue;
                for (int d = 1; d <= n; ++d) {
                    double s = s2;
                    if (d == a || d == b || d == c)
                        continue;
                    if (Asp(a, d, Sxt, s) && Asp(c, d, Sxt, s) && Asp(b, c, Sxt, s) && Asp(b, d, Tri, s))
                        Add(strText, intCount, patTrapezium, { a, b, c, d }, blnLongForm, s / 6);
                }
            }
        }
    }
    return strText;
}

QString FindSixStelliums(bool blnLongForm, int& intCount)
{
    return Stelliums(6, patSixStellium, blnLongForm, intCount);
}

QString FindFiveStelliums(bool blnLongForm, int& intCount)
{
    return Stelliums(5, patFiveStellium, blnLongForm, intCount);
}

QString FindFourStelliums(bool blnLongForm, int& intCount)
{
    return Stelliums(4, patFourStellium, blnLongForm, intCount);
}

QString FindThreeStelliums(bool blnLongForm, int& intCount)
{
    return Stelliums(3, patThreeStellium, blnLongForm, intCount);
}

QString FindGrandSextiles(bool blnLongForm, int& intCount)
{
    intCount = 0;
    QString strText;
    const int n = intNumBodies;
    ForEachGrandTrine([&](int a, int b, int c, double) {
        const auto outside = [&](int x) { return x != b && x != c; };
        for (int d = a + 1; d <= n; ++d) {
            if (!outside(d))
                continue;
            for (int e = d + 1; e <= n; ++e) {
                double s = 0;
                if (!outside(e) || !Asp(d, e, Tri, s))
                    continue;
                for (int f = e + 1; f <= n; ++f) {
                    if (!outside(f) || !Asp(d, f, Tri, s) || !Asp(e, f, Tri, s))
                        continue;
                    int intSextiles = 0;
                    for (int x : { a, b, c }) {
                        for (int y : { d, e, f })
                            intSextiles += Asp(x, y, Sxt, s) ? 1 : 0;
                    }
                    if (intSextiles == 6) {
                        strText += Line(patGrandSextile, Candidate({ a, b, c, d, e, f }, blnLongForm, -1), blnLongForm);
                        intCount = 1;
                    }
                }
            }
        }
    });
    return strText;
}

QString MidpointText(int a, int b, int c, bool blnLongForm)
{
    const double La = dblLongitude[0][a];
    const double Lb = dblLongitude[0][b];
    const double Lc = dblLongitude[0][c];
    if (La < 0 || Lb < 0 || Lc < 0 || La == Lb || La == Lc || Lb == Lc)
        return {};
    const double dblOrbRad = MidpointOrbDegrees(udtConfig.cboOrbForMidpoints) * dblTwoPi / 360.0;
    int intMid = 0, intOuter1 = 0, intOuter2 = 0;
    if (AtMidpoint(a, b, c, dblOrbRad))
        intMid = a, intOuter1 = b, intOuter2 = c;
    else if (AtMidpoint(b, a, c, dblOrbRad))
        intMid = b, intOuter1 = a, intOuter2 = c;
    else if (AtMidpoint(c, a, b, dblOrbRad))
        intMid = c, intOuter1 = a, intOuter2 = b;
    else
        return {};
    if (intOuter1 > intOuter2)
        std::swap(intOuter1, intOuter2);
    return BodiesText({ intOuter1, intMid, intOuter2 }, blnLongForm);
}

void CheckForMidpoint(bool blnLongForm, int& intCount, QString& strText)
{
    intCount = 0;
    strText.clear();
    for (int i = 1; i <= 8; ++i) {
        for (int j = i + 1; j <= 9; ++j) {
            double s = 0;
            if (Asp(i, j, Con, s))
                continue;
            for (int k = 1; k <= 9; ++k) {
                if (k == i || k == j)
                    continue;
                const bool blnWithJ = Asp(k, j, Con, s);
                const bool blnWithI = Asp(k, i, Con, s);
                if (blnWithJ || blnWithI)
                    continue;
                const QString strCandidate = MidpointText(i, k, j, blnLongForm);
                if (strCandidate.isEmpty() || strText.contains(strCandidate))
                    continue;
                strText += Line(patMidpoint, strCandidate, blnLongForm);
                ++intCount;
            }
        }
    }
}

QString RunPatternSearches(bool blnLongForm, int intPatternCount[14])
{
    QString strReport;
    const auto record = [&](int intKind, const QString& strText, int intCount) {
        if (strText.isEmpty())
            return false;
        strReport += strText + strCrLf;
        intPatternCount[intKind] = intCount;
        return true;
    };
    using Search = QString (*)(bool, int&);
    const Search searches[] = { FindGrandTrines, FindKites, FindRectangles, FindTSquares, FindGrandCrosses, FindYods,
        FindYodKites, FindTrapeziums, FindSixStelliums, FindFiveStelliums, FindFourStelliums, FindThreeStelliums };
    for (int intKind = patGrandTrine; intKind <= patTrapezium; ++intKind) {
        int intCount = 0;
        const QString strText = searches[intKind](blnLongForm, intCount);
        record(intKind, strText, intCount);
    }
    for (int intKind = patSixStellium; intKind <= patThreeStellium; ++intKind) {
        int intCount = 0;
        const QString strText = searches[intKind](blnLongForm, intCount);
        if (record(intKind, strText, intCount)) {
            for (int intSmaller = intKind + 1; intSmaller <= patThreeStellium; ++intSmaller)
                intPatternCount[intSmaller] = 0;
            break;
        }
    }
    int intCount = 0;
    const QString strSextiles = FindGrandSextiles(blnLongForm, intCount);
    record(patGrandSextile, strSextiles, intCount);
    QString strMidpoints;
    CheckForMidpoint(blnLongForm, intCount, strMidpoints);
    record(patMidpoint, strMidpoints, intCount);
    return strReport;
}

} // namespace qal
