// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "aspects/Patterns.h"

#include "aspects/Aspects.h"
#include "astro/AstroTables.h"
#include "text/Texts.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace qal {
namespace {

// The aspect test on the separations worked out once for the sky.
inline bool InSky(const PatternSky& sky, int b1, int b2, int k, double& dblDeviation)
{
    const double s = sky.dblSeparation[b1][b2];
    if (s < 0)
        return false;
    dblDeviation = std::fabs(s - dblAspectAngle[k]);
    return dblDeviation < sky.dblOrb[k];
}

// The aspect test of the searches, adding the deviation to a running sum.
inline bool Asp(const PatternSky& sky, int b1, int b2, int k, double& dblSum)
{
    double dblDev = 0;
    if (!InSky(sky, b1, b2, k, dblDev))
        return false;
    dblSum += dblDev;
    return true;
}

// Whether every aspect of a group holds. Unlike &&, every Asp of the group
// runs (a braced list evaluates all its elements, left to right). That
// changes no result, as the deviations summed are used only when the whole
// group holds; it keeps each group one expression, listed as the pattern's
// definition lists its aspects.
bool AllOf(std::initializer_list<bool> results)
{
    bool blnAll = true;
    for (bool r : results)
        blnAll = blnAll && r;
    return blnAll;
}

// The bodies of one occurrence, in the order of its line.
class Bodies {
public:
    Bodies(std::initializer_list<int> bodies)
    {
        for (int b : bodies)
            m_intBody[m_intCount++] = b;
    }
    explicit Bodies(const std::vector<int>& bodies)
    {
        for (int b : bodies)
            m_intBody[m_intCount++] = b;
    }
    const int* begin() const { return m_intBody; }
    const int* end() const { return m_intBody + m_intCount; }

private:
    int m_intBody[6] = {};
    int m_intCount = 0;
};

QString BodiesText(const Bodies& bodies, bool blnLongForm)
{
    QString strText;
    for (int b : bodies) {
        if (!strText.isEmpty())
            strText += QLatin1Char('-');
        strText += blnLongForm ? strBodyName[b] : strBodyAbbr[b];
    }
    return strText;
}

// The occurrences one search finds: their lines (unless only counted) and
// their number.
class PatternList {
public:
    PatternList(int intKind, bool blnLongForm, bool blnWithText = true, bool blnWithBodies = false)
        : m_intKind(intKind)
        , m_blnLongForm(blnLongForm)
        , m_blnWithText(blnWithText)
        , m_blnWithBodies(blnWithText || blnWithBodies)
    {
    }

    // The bodies part of a line, with the average orb in the short form when
    // dblAverage is not negative.
    QString Candidate(const Bodies& bodies, double dblAverage) const
    {
        QString strText = BodiesText(bodies, m_blnLongForm);
        if (!m_blnLongForm && dblAverage >= 0)
            strText += QStringLiteral(" (") + GetText(TextId::AverageOrb) + QLatin1Char(' ')
                + AngleToDegMinText(dblAverage) + QLatin1Char(')');
        return strText;
    }

    void AddCandidate(const QString& strCandidate, const Bodies& bodies)
    {
        ++intCount;
        if (m_blnWithBodies)
            occurrences.emplace_back(bodies.begin(), bodies.end());
        if (!m_blnWithText)
            return;
        QString strLine
            = m_blnLongForm ? strCandidate : strPatternName[m_intKind] + QStringLiteral(": ") + strCandidate;
        strText += strLine + strCrLf;
        lines << strLine;
    }

    void Add(const Bodies& bodies, double dblAverage)
    {
        if (m_blnWithText)
            AddCandidate(Candidate(bodies, dblAverage), bodies);
        else
            AddCandidate(QString(), bodies);
    }

    bool LongForm() const { return m_blnLongForm; }
    bool WithText() const { return m_blnWithText; }

    QString strText;
    int intCount = 0;
    std::vector<std::vector<int>> occurrences; // the bodies of each line (with text or bodies only)
    QStringList lines;

private:
    int m_intKind;
    bool m_blnLongForm;
    bool m_blnWithText;
    bool m_blnWithBodies;
};

// Calls visit(i, j, k, sum) for every grand trine i < j < k.
template <typename Visit> void ForEachGrandTrine(const PatternSky& sky, Visit visit)
{
    const int n = sky.intNumBodies;
    for (int i = 1; i <= n; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            double s1 = 0;
            if (!Asp(sky, i, j, intTrine, s1))
                continue;
            for (int k = j + 1; k <= n; ++k) {
                double s = s1;
                if (Asp(sky, i, k, intTrine, s) && Asp(sky, j, k, intTrine, s))
                    visit(i, j, k, s);
            }
        }
    }
}

// Calls visit(i, j, k, sum) for every yod: i, j sextile, k quincunx to both.
template <typename Visit> void ForEachYod(const PatternSky& sky, Visit visit)
{
    const int n = sky.intNumBodies;
    for (int i = 1; i <= n; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            double s1 = 0;
            if (!Asp(sky, i, j, intSextile, s1))
                continue;
            for (int k = 1; k <= n; ++k) {
                double s = s1;
                if (Asp(sky, i, k, intQuincunx, s) && Asp(sky, j, k, intQuincunx, s))
                    visit(i, j, k, s);
            }
        }
    }
}

void SearchGrandTrines(const PatternSky& sky, PatternList& list)
{
    ForEachGrandTrine(sky, [&](int i, int j, int k, double s) { list.Add({ i, j, k }, s / 3); });
}

void CheckKiteTail(
    const PatternSky& sky, int intTail, int intApex, int intLeft, int intRight, double dblTrineSum, PatternList& list)
{
    double s = 0;
    if (AllOf({ Asp(sky, intTail, intLeft, intSextile, s), Asp(sky, intTail, intApex, intOpposition, s),
            Asp(sky, intTail, intRight, intSextile, s) }))
        list.Add({ intApex, intLeft, intRight, intTail }, (dblTrineSum + s) / 6);
}

void SearchKites(const PatternSky& sky, PatternList& list)
{
    ForEachGrandTrine(sky, [&](int i, int j, int k, double s) {
        for (int m = 1; m <= sky.intNumBodies; ++m) {
            if (m == i || m == j || m == k)
                continue;
            CheckKiteTail(sky, m, i, j, k, s, list);
            CheckKiteTail(sky, m, j, k, i, s, list);
            CheckKiteTail(sky, m, k, i, j, s, list);
        }
    });
}

void SearchRectangles(const PatternSky& sky, PatternList& list)
{
    // A rectangle is found once from each of its oppositions; the second
    // finding is recognised by its text, so the text is built even when the
    // lines are only counted (in the short form then, as the report has it).
    const PatternList textForm(patRectangle, list.WithText() && list.LongForm());
    QString strPrevious; // the previously accepted candidate of this search
    const int n = sky.intNumBodies;
    for (int a = 1; a <= n; ++a) {
        for (int b = a + 1; b <= n; ++b) {
            double s1 = 0;
            if (!Asp(sky, a, b, intOpposition, s1))
                continue;
            for (int c = 1; c <= n; ++c) {
                double s2 = s1;
                if (!Asp(sky, b, c, intSextile, s2))
                    continue;
                for (int d = a + 1; d <= n; ++d) {
                    double s = s2;
                    if (!Asp(sky, c, d, intOpposition, s) || !Asp(sky, d, a, intSextile, s))
                        continue;
                    if (!AllOf({ Asp(sky, b, d, intTrine, s), Asp(sky, a, c, intTrine, s) }))
                        continue;
                    const QString strCandidate = textForm.Candidate({ a, b, c, d }, s / 6);
                    if (!strPrevious.isEmpty() && strCandidate.mid(6, 5) == strPrevious.left(5))
                        continue;
                    strPrevious = strCandidate;
                    list.AddCandidate(strCandidate, { a, b, c, d });
                }
            }
        }
    }
}

void SearchTSquares(const PatternSky& sky, PatternList& list)
{
    const int n = sky.intNumBodies;
    for (int i = 1; i <= n; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            double s1 = 0;
            if (!Asp(sky, i, j, intOpposition, s1))
                continue;
            for (int k = 1; k <= n; ++k) {
                double s = s1;
                if (Asp(sky, i, k, intSquare, s) && Asp(sky, j, k, intSquare, s))
                    list.Add({ i, k, j }, s / 3);
            }
        }
    }
}

void SearchGrandCrosses(const PatternSky& sky, PatternList& list)
{
    const int n = sky.intNumBodies;
    for (int a = 1; a <= n; ++a) {
        for (int b = a + 1; b <= n; ++b) {
            double s1 = 0;
            if (!Asp(sky, a, b, intSquare, s1))
                continue;
            for (int c = b + 1; c <= n; ++c) {
                double s2 = s1;
                if (!Asp(sky, a, c, intSquare, s2))
                    continue;
                for (int d = a + 1; d <= n; ++d) {
                    double s = s2;
                    if (Asp(sky, a, d, intOpposition, s) && Asp(sky, b, c, intOpposition, s)
                        && Asp(sky, b, d, intSquare, s) && Asp(sky, d, c, intSquare, s))
                        list.Add({ a, b, d, c }, s / 6);
                }
            }
        }
    }
}

void SearchYods(const PatternSky& sky, PatternList& list)
{
    ForEachYod(sky, [&](int i, int j, int k, double s) { list.Add({ i, k, j }, s / 3); });
}

void SearchYodKites(const PatternSky& sky, PatternList& list)
{
    ForEachYod(sky, [&](int i, int j, int k, double s3) {
        for (int m = 1; m <= sky.intNumBodies; ++m) {
            if (m == i || m == j || m == k)
                continue;
            double s = s3;
            if (!Asp(sky, m, k, intOpposition, s))
                continue;
            if (AllOf({ Asp(sky, m, j, intSemisextile, s), Asp(sky, m, i, intSemisextile, s) }))
                list.Add({ i, k, j, m }, s / 6);
        }
    });
}

void SearchTrapeziums(const PatternSky& sky, PatternList& list)
{
    const int n = sky.intNumBodies;
    for (int a = 1; a <= n; ++a) {
        for (int b = a + 1; b <= n; ++b) {
            double s1 = 0;
            if (!Asp(sky, a, b, intOpposition, s1))
                continue;
            for (int c = 1; c <= n; ++c) {
                double s2 = s1;
                if (c == a || c == b || !Asp(sky, a, c, intTrine, s2))
                    continue;
                for (int d = 1; d <= n; ++d) {
                    double s = s2;
                    if (d == a || d == b || d == c)
                        continue;
                    if (Asp(sky, a, d, intSextile, s) && Asp(sky, c, d, intSextile, s) && Asp(sky, b, c, intSextile, s)
                        && Asp(sky, b, d, intTrine, s))
                        list.Add({ a, b, c, d }, s / 6);
                }
            }
        }
    }
}

// Stelliums of intSize bodies in ascending order, every pair conjunct; the
// pairs a new body makes are all tested before the group is judged.
void AddStelliums(const PatternSky& sky, int intSize, std::vector<int>& chosen, double dblSum, PatternList& list)
{
    if (static_cast<int>(chosen.size()) == intSize) {
        const int intPairs = intSize * (intSize - 1) / 2;
        list.Add(Bodies(chosen), dblSum / intPairs);
        return;
    }
    const int intFirst = chosen.empty() ? 1 : chosen.back() + 1;
    for (int b = intFirst; b <= sky.intNumBodies; ++b) {
        double s = dblSum;
        bool blnAll = true;
        for (auto it = chosen.rbegin(); it != chosen.rend(); ++it)
            blnAll = Asp(sky, *it, b, intConjunction, s) && blnAll;
        if (!blnAll)
            continue;
        chosen.push_back(b);
        AddStelliums(sky, intSize, chosen, s, list);
        chosen.pop_back();
    }
}

void SearchStelliums(const PatternSky& sky, int intSize, PatternList& list)
{
    std::vector<int> chosen;
    chosen.reserve(6);
    AddStelliums(sky, intSize, chosen, 0, list);
}

void SearchGrandSextiles(const PatternSky& sky, PatternList& list)
{
    const int n = sky.intNumBodies;
    ForEachGrandTrine(sky, [&](int a, int b, int c, double) {
        const auto outside = [&](int x) { return x != b && x != c; };
        for (int d = a + 1; d <= n; ++d) {
            if (!outside(d))
                continue;
            for (int e = d + 1; e <= n; ++e) {
                double s = 0;
                if (!outside(e) || !Asp(sky, d, e, intTrine, s))
                    continue;
                for (int f = e + 1; f <= n; ++f) {
                    if (!outside(f) || !Asp(sky, d, f, intTrine, s) || !Asp(sky, e, f, intTrine, s))
                        continue;
                    int intSextiles = 0;
                    for (int x : { a, b, c }) {
                        for (int y : { d, e, f })
                            intSextiles += Asp(sky, x, y, intSextile, s) ? 1 : 0;
                    }
                    if (intSextiles == 6) {
                        list.Add({ a, b, c, d, e, f }, -1);
                        list.intCount = 1;
                    }
                }
            }
        }
    });
}

// Whether body x stands at the midpoint of y and z, or at the opposite point:
// its distance from the nearer of the two is the remainder of half a circle.
bool AtMidpoint(const PatternSky& sky, int x, int y, int z)
{
    const double* L = sky.dblLongitude;
    return std::fabs(std::remainder((L[z] + L[y]) / 2 - L[x], dblPi)) < sky.dblMidpointOrb;
}

// The midpoint body and the outer bodies in ascending order, or false.
bool FindMidpointBody(const PatternSky& sky, int a, int b, int c, int (&intLine)[3])
{
    const double* L = sky.dblLongitude;
    if (L[a] < 0 || L[b] < 0 || L[c] < 0 || L[a] == L[b] || L[a] == L[c] || L[b] == L[c])
        return false;
    int intMid = 0, intOuter1 = 0, intOuter2 = 0;
    if (AtMidpoint(sky, a, b, c))
        intMid = a, intOuter1 = b, intOuter2 = c;
    else if (AtMidpoint(sky, b, a, c))
        intMid = b, intOuter1 = a, intOuter2 = c;
    else if (AtMidpoint(sky, c, a, b))
        intMid = c, intOuter1 = a, intOuter2 = b;
    else
        return false;
    if (intOuter1 > intOuter2)
        std::swap(intOuter1, intOuter2);
    intLine[0] = intOuter1;
    intLine[1] = intMid;
    intLine[2] = intOuter2;
    return true;
}

void SearchMidpoints(const PatternSky& sky, PatternList& list)
{
    // Each configuration is found from several loop orders and listed once:
    // remembered by its bodies, as its line would be.
    std::vector<int> found;
    for (int i = 1; i <= 8; ++i) {
        for (int j = i + 1; j <= 9; ++j) {
            double s = 0;
            if (Asp(sky, i, j, intConjunction, s))
                continue;
            for (int k = 1; k <= 9; ++k) {
                if (k == i || k == j)
                    continue;
                const bool blnWithJ = Asp(sky, k, j, intConjunction, s);
                const bool blnWithI = Asp(sky, k, i, intConjunction, s);
                if (blnWithJ || blnWithI)
                    continue;
                int intLine[3];
                if (!FindMidpointBody(sky, i, k, j, intLine))
                    continue;
                const int intKey = intLine[0] * 100 + intLine[1] * 10 + intLine[2];
                if (std::find(found.begin(), found.end(), intKey) != found.end())
                    continue;
                found.push_back(intKey);
                list.Add({ intLine[0], intLine[1], intLine[2] }, -1);
            }
        }
    }
}

using Search = void (*)(const PatternSky&, PatternList&);

void SearchSix(const PatternSky& sky, PatternList& list)
{
    SearchStelliums(sky, 6, list);
}
void SearchFive(const PatternSky& sky, PatternList& list)
{
    SearchStelliums(sky, 5, list);
}
void SearchFour(const PatternSky& sky, PatternList& list)
{
    SearchStelliums(sky, 4, list);
}
void SearchThree(const PatternSky& sky, PatternList& list)
{
    SearchStelliums(sky, 3, list);
}

// The searches by pattern kind.
constexpr Search kSearches[intNumPatternKinds] = { SearchGrandTrines, SearchKites, SearchRectangles, SearchTSquares,
    SearchGrandCrosses, SearchYods, SearchYodKites, SearchTrapeziums, SearchSix, SearchFive, SearchFour, SearchThree,
    SearchGrandSextiles, SearchMidpoints };

QString Find(int intKind, const PatternSky& sky, bool blnLongForm, int& intCount)
{
    PatternList list(intKind, blnLongForm);
    kSearches[intKind](sky, list);
    intCount = list.intCount;
    return list.strText;
}

// The report's order of searches; visit(kind, list) after each that ran, and
// the smaller stelliums skipped once a larger one was found.
template <typename Visit> void RunSearches(const PatternSky& sky, bool blnLongForm, bool blnWithText, Visit visit)
{
    for (int intKind = 0; intKind < intNumPatternKinds; ++intKind) {
        PatternList list(intKind, blnLongForm, blnWithText);
        kSearches[intKind](sky, list);
        visit(intKind, list);
        if (intKind >= patSixStellium && intKind < patThreeStellium && list.intCount > 0)
            intKind = patThreeStellium; // a larger stellium was found
    }
}

} // namespace

PatternSky MakePatternSky(
    const double (&L)[intMaxBodies + 1], int intBodiesInSky, const OrbTable& udtOrbs, double dblMidpointOrb)
{
    PatternSky sky;
    sky.intNumBodies = intBodiesInSky;
    sky.dblMidpointOrb = dblMidpointOrb;
    for (int k = 1; k <= intNumAspectKinds; ++k)
        sky.dblOrb[k] = udtOrbs.dblOrb[k][0];
    for (int i = 0; i <= intMaxBodies; ++i)
        sky.dblLongitude[i] = L[i];
    for (int i = 1; i <= intMaxBodies; ++i) {
        for (int j = i; j <= intMaxBodies; ++j) {
            const bool blnBoth = L[i] >= 0 && L[j] >= 0;
            sky.dblSeparation[i][j] = sky.dblSeparation[j][i] = blnBoth ? ShorterArc(L[i], L[j]) : -1.0;
        }
    }
    return sky;
}

QString FindGrandTrines(const PatternSky& sky, bool blnLongForm, int& intCount)
{
    return Find(patGrandTrine, sky, blnLongForm, intCount);
}
QString FindKites(const PatternSky& sky, bool blnLongForm, int& intCount)
{
    return Find(patKite, sky, blnLongForm, intCount);
}
QString FindRectangles(const PatternSky& sky, bool blnLongForm, int& intCount)
{
    return Find(patRectangle, sky, blnLongForm, intCount);
}
QString FindTSquares(const PatternSky& sky, bool blnLongForm, int& intCount)
{
    return Find(patTSquare, sky, blnLongForm, intCount);
}
QString FindGrandCrosses(const PatternSky& sky, bool blnLongForm, int& intCount)
{
    return Find(patGrandCross, sky, blnLongForm, intCount);
}
QString FindYods(const PatternSky& sky, bool blnLongForm, int& intCount)
{
    return Find(patYod, sky, blnLongForm, intCount);
}
QString FindYodKites(const PatternSky& sky, bool blnLongForm, int& intCount)
{
    return Find(patYodKite, sky, blnLongForm, intCount);
}
QString FindTrapeziums(const PatternSky& sky, bool blnLongForm, int& intCount)
{
    return Find(patTrapezium, sky, blnLongForm, intCount);
}
QString FindSixStelliums(const PatternSky& sky, bool blnLongForm, int& intCount)
{
    return Find(patSixStellium, sky, blnLongForm, intCount);
}
QString FindFiveStelliums(const PatternSky& sky, bool blnLongForm, int& intCount)
{
    return Find(patFiveStellium, sky, blnLongForm, intCount);
}
QString FindFourStelliums(const PatternSky& sky, bool blnLongForm, int& intCount)
{
    return Find(patFourStellium, sky, blnLongForm, intCount);
}
QString FindThreeStelliums(const PatternSky& sky, bool blnLongForm, int& intCount)
{
    return Find(patThreeStellium, sky, blnLongForm, intCount);
}
QString FindGrandSextiles(const PatternSky& sky, bool blnLongForm, int& intCount)
{
    return Find(patGrandSextile, sky, blnLongForm, intCount);
}

QString FindMidpoints(const PatternSky& sky, bool blnLongForm, int& intCount)
{
    return Find(patMidpoint, sky, blnLongForm, intCount);
}

QString MidpointLine(const PatternSky& sky, int a, int b, int c, bool blnLongForm)
{
    int intLine[3];
    if (!FindMidpointBody(sky, a, b, c, intLine))
        return {};
    return BodiesText({ intLine[0], intLine[1], intLine[2] }, blnLongForm);
}

void ForEachPatternGroup(const PatternSky& sky, bool blnLongForm,
    const std::function<void(int intKind, const QString& strLines, int intCount)>& visit)
{
    RunSearches(sky, blnLongForm, true, [&](int intKind, const PatternList& list) {
        if (!list.strText.isEmpty())
            visit(intKind, list.strText, list.intCount);
    });
}

QString RunPatternSearches(const PatternSky& sky, bool blnLongForm, int intPatternCount[intNumPatternKinds])
{
    QString strReport;
    ForEachPatternGroup(sky, blnLongForm, [&](int intKind, const QString& strLines, int intCount) {
        strReport += strLines + strCrLf;
        intPatternCount[intKind] = intCount;
        if (intKind >= patSixStellium && intKind < patThreeStellium) {
            for (int intSmaller = intKind + 1; intSmaller <= patThreeStellium; ++intSmaller)
                intPatternCount[intSmaller] = 0;
        }
    });
    return strReport;
}

std::vector<PatternOccurrence> PatternOccurrences(const PatternSky& sky, bool blnLongForm)
{
    std::vector<PatternOccurrence> found;
    RunSearches(sky, blnLongForm, true, [&](int intKind, const PatternList& list) {
        for (size_t i = 0; i < list.occurrences.size(); ++i)
            found.push_back({ intKind, list.occurrences[i], list.lines[static_cast<qsizetype>(i)] });
    });
    return found;
}

namespace {

// The occurrences of one kind without their text; a smaller stellium has
// none once a larger one is there, as in the report.
PatternList SearchKind(const PatternSky& sky, int intKind, bool blnWithBodies, bool blnWithText = false)
{
    if (intKind > patSixStellium && intKind <= patThreeStellium) {
        for (int intLarger = patSixStellium; intLarger < intKind; ++intLarger) {
            PatternList larger(intLarger, false, false);
            kSearches[intLarger](sky, larger);
            if (larger.intCount > 0)
                return PatternList(intKind, false, false);
        }
    }
    PatternList list(intKind, false, blnWithText, blnWithBodies);
    kSearches[intKind](sky, list);
    return list;
}

} // namespace

int CountPatternKind(const PatternSky& sky, int intKind)
{
    return SearchKind(sky, intKind, false).intCount;
}

std::vector<std::vector<int>> PatternKindBodies(const PatternSky& sky, int intKind)
{
    return SearchKind(sky, intKind, true).occurrences;
}

std::vector<PatternOccurrence> PatternKindOccurrences(const PatternSky& sky, int intKind)
{
    const PatternList list = SearchKind(sky, intKind, true, true);
    std::vector<PatternOccurrence> found;
    for (size_t i = 0; i < list.occurrences.size(); ++i)
        found.push_back({ intKind, list.occurrences[i], list.lines.value(static_cast<qsizetype>(i)) });
    return found;
}

void CountPatterns(const PatternSky& sky, int intPatternCount[intNumPatternKinds])
{
    for (int intKind = 0; intKind < intNumPatternKinds; ++intKind)
        intPatternCount[intKind] = 0;
    RunSearches(
        sky, false, false, [&](int intKind, const PatternList& list) { intPatternCount[intKind] = list.intCount; });
}

} // namespace qal
