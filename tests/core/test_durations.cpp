// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// When aspects begin and end, the duration records and the texts of the
// durations window. Reference skies are the Swiss Ephemeris' apparent
// geocentric longitudes of date, asked directly.
#include "TestSupport.h"
#include "aspects/AspectSpans.h"
#include "aspects/Aspects.h"
#include "astro/AstroTables.h"
#include "chart/ChartCompute.h"
#include "chart/DurationReport.h"
#include "chart/Durations.h"
#include "platform/Ephemeris.h"
#include "settings/Configuration.h"
#include "text/Texts.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace qal;
using test::Rad;

namespace {

// Body 1 moves one degree a day from 0° at noon UT of day 2458000; body 2
// stands at 90°: a conjunction within 10° from 80° to 100°.
double Constructed(int b, double t)
{
    return b == 2 ? Rad(90) : NormalizeAngle(Rad(t - 2458000.0));
}

} // namespace

TEST(AspectSpans, LocalMidnightsNatalBodiesAndSlowPairs)
{
    // At 23:30 local time in GMT+2 on day 2458090 the end search probes the
    // midnight 30 minutes later first, the beginning search the one 23.5
    // hours earlier. Local midnight of day n is UT n − 0.5 − 2/24: body 1
    // then stands at (n − 2458000) − 0.583°. Going back, 80.417° (n 2458081)
    // still holds, 79.417° (n 2458080) does not: the aspect began that day.
    // Going forward 99.417° (n 2458100) holds, 100.417° does not.
    const AspectSpanQuery q { 2, 1, 1, 0, 120, 2458090 + 23.5 / 24, {} };
    EXPECT_EQ(AspectBeginningDay(Constructed, udtOrbTable, q), 2458080.0);
    EXPECT_EQ(AspectEndDay(Constructed, udtOrbTable, q), 2458100.0);
    EXPECT_EQ(AspectDurationDays(2458080.0, 2458100.0), 21); // both days counted
    // An aspect that does not hold at today's midnight yet but at the moment
    // (18:00: 80.25°; midnight: 79.5°): it began today.
    EXPECT_EQ(AspectBeginningDay(Constructed, udtOrbTable, { 2, 1, 1, 0, 0, 2458080.75, {} }), 2458080.0);
    // A longitude that is not available on the way: not known.
    const auto ending = [](int b, double t) { return t > 2458092 ? -100.0 : Constructed(b, t); };
    EXPECT_EQ(AspectEndDay(ending, udtOrbTable, q), -1);

    // Body 1 conjunct a natal point at 90°, which stands still: asked for, it
    // would not be available. With the personal-transit orb (a third: 3°20'):
    // 87.5° holds, 86.5° not.
    const auto natal = [](int b, double t) { return b == 9 ? -100.0 : Constructed(1, t); };
    const AspectSpanQuery transit { 9, 1, 1, 1, 0, 2458090.5, Rad(90) };
    EXPECT_EQ(AspectBeginningDay(natal, udtOrbTable, transit), 2458087.0);
    EXPECT_EQ(AspectEndDay(natal, udtOrbTable, transit), 2458093.0);

    // Uranus conjunct Pluto, exact at midnight: the search passes over the
    // midnights at which the two cannot yet have left the orb, yet names the
    // day that probing every midnight names.
    std::vector<double> probes;
    const auto slow = [&](int b, double t) {
        if (b == 9)
            return Rad(90);
        probes.push_back(t);
        return NormalizeAngle(Rad((t - 2457999.5) / 20)); // 1° in 20 days, 90° at 2459799.5
    };
    const double dblSlowBegin = AspectBeginningDay(slow, udtOrbTable, { 7, 9, 1, 0, 0, 2459800.5, {} });
    ASSERT_GE(probes.size(), 3u);
    EXPECT_GT(probes[0] - probes[1], 20); // far from the orb's edge: a large step
    EXPECT_EQ(probes[probes.size() - 2] - probes.back(), 1); // at the edge: day by day
    EXPECT_LT(probes.size(), 30u); // instead of some 200 midnights
    double dblEveryMidnight = 2459799.5;
    while (AspectExactness(slow(7, dblEveryMidnight), Rad(90), 1, udtOrbTable, 0) >= 0)
        dblEveryMidnight -= 1;
    EXPECT_EQ(dblSlowBegin, dblEveryMidnight + 0.5);
}

TEST(AspectSpans, RealSkiesDayByDayAgainstTheEphemeris)
{
    const LongitudeSource source = EphemerisSource(false);
    // The ephemeris itself, asked directly.
    const LongitudeSource ephemeris = [](int body, double t) {
        return body == intMoon ? platform::MoonPosition(t - 2451545.0)
                               : platform::PlanetApparentLongitude(EphemerisPlanetNumber(body), t);
    };
    // Probing every local midnight (GMT) from the current date in direction
    // step, with longitudes lon: the last day on which the aspect holds.
    const auto direct = [&](const LongitudeSource& lon, const AspectSpanQuery& q, int step) {
        for (double n = std::floor(q.dblDayValue) + (step > 0 ? 1 : 0);; n += step) {
            const double t = n - 0.5;
            const double dblArc = ShorterArc(lon(q.intFirstBody, t), lon(q.intSecondBody, t));
            if (!(std::fabs(dblArc - dblAspectAngle[q.intKind]) < udtOrbTable.dblOrb[q.intKind][0]))
                return step > 0 ? n - 1 : n;
        }
    };
    const auto check = [&](const LongitudeSource& lon, const AspectSpanQuery& q) {
        SCOPED_TRACE(testing::Message() << q.intFirstBody << "-" << q.intSecondBody << " at " << q.dblDayValue);
        EXPECT_EQ(AspectBeginningDay(source, udtOrbTable, q), direct(lon, q, -1));
        EXPECT_EQ(AspectEndDay(source, udtOrbTable, q), direct(lon, q, +1));
    };
    // Moments within the aspect, local day values in GMT.
    const AspectSpanQuery known[] = {
        { 5, 6, 1, 0, 0, 2459205.5, {} }, // Jupiter conjunct Saturn, December 2020
        { 6, 7, 3, 0, 0, 2459247.5, {} }, // Saturn square Uranus, February 2021
        { 1, 10, 2, 0, 0, 2451565.7, {} }, // Sun opposite Moon, full Moon of 21 January 2000
        { 4, 5, 1, 0, 0, 2458198.5, {} }, // Mars conjunct Jupiter, March 2018
    };
    for (const AspectSpanQuery& q : known)
        check(ephemeris, q);

    // Every aspect of three skies, the fast bodies among them, passed over
    // midnights or not: the same days as probing every midnight of the
    // same longitudes (Pluto from its table).
    for (const double dblDay : { 2458183.6, 2458331.2, 2460400.9 }) {
        for (int a = 1; a <= intMoon; ++a) {
            for (int b = a + 1; b <= intMoon; ++b) {
                double dblDeviation = 0;
                const int k
                    = FindAspect(source(a, dblDay - 0.5), source(b, dblDay - 0.5), udtOrbTable, 0, dblDeviation);
                if (k != 0)
                    check(source, { a, b, k, 0, 0, dblDay, {} });
            }
        }
    }
}

TEST(DurationRecords, FixedLayoutOfEveryKindOfRecord)
{
    ChartRequest request { modePlanetary, { 2458183.0625 } }; // 5 March 2018, 14:30 in GMT+1:00
    ChartResult chart;
    ComputeChart(request, udtConfig, udtOrbTable, chart);
    DurationInputs in { modePlanetary, { request.dblChartJD[0] }, 2458183 + 14.5 / 24, 60 };
    const QStringList records = DurationRecords(chart.udtGrid, in, udtOrbTable);
    EXPECT_EQ(records.size(), 17);
    for (const QString& r : records)
        EXPECT_EQ(r.size(), 39) << r.toStdString();
    // Sun conjunct Neptune (cell row 2, column 7): bodies 1 and 8, kind 1.
    const auto sunNeptune
        = std::find_if(records.begin(), records.end(), [](const QString& r) { return r.startsWith(" 1 8 1 1 "); });
    ASSERT_NE(sunNeptune, records.end());
    const DurationRecord r = ParseDurationRecord(*sunNeptune);
    EXPECT_NEAR(r.dblDeviation, Rad(57.0 / 60), Rad(0.5 / 60));
    EXPECT_TRUE(sunNeptune->mid(9, 8).startsWith(QStringLiteral("0.0"))); // six decimals, leading zero
    EXPECT_TRUE(r.blnDaysComputed);
    EXPECT_LT(r.intBeginning, 2458183);
    EXPECT_GT(r.intEnd, 2458183);
    EXPECT_EQ(r.intDays, r.intEnd - r.intBeginning + 1);
    // An aspect of the Moon gets blanks, no days.
    const auto moon
        = std::find_if(records.begin(), records.end(), [](const QString& r) { return r.mid(2, 2) == "10"; });
    ASSERT_NE(moon, records.end());
    EXPECT_EQ(moon->mid(17), QString(22, QLatin1Char(' ')));

    // A natal chart's records carry dashes.
    request.intMode = in.intMode = modeNatal1;
    request.dblChartJD[1] = in.dblChartJD[1] = 2448058.0; // 15 June 1990, noon UT
    ComputeChart(request, udtConfig, udtOrbTable, chart);
    for (const QString& rec : DurationRecords(chart.udtGrid, in, udtOrbTable))
        EXPECT_EQ(rec.mid(17), QString(22, QLatin1Char('-')));
}

TEST(DurationReport, DurationsInWordsAndTheListSortedByTheChosenKey)
{
    const struct {
        int intDays;
        const char* strText;
    } durations[] = { { 1, "1 day" }, { 364, "364 days" }, { 365, "1 year" }, { 366, "1 year, 1 day" },
        { 367, "1 year,2 days" }, { 730, "1 year,365 days" }, { 731, "2 years, 1 day" } };
    for (const auto& d : durations)
        EXPECT_EQ(DurationText(d.intDays), QString::fromUtf8(d.strText)) << d.intDays;

    // Mars square Jupiter, two days; Sun sextile Venus, unknown beginning;
    // Sun trine Moon (no days). By orb: the closest first.
    QStringList records { QStringLiteral(" 4 5 4 3 0.020000 2458180 2458181     2"),
        QStringLiteral(" 1 3 1 5 0.010000      -1      -1      "),
        QStringLiteral(" 110 1 4 0.030000                      ") };
    SortDurationRecords(records, sortOrb);
    const DurationColumns columns = SetColumnWidths();
    DurationListOptions o;
    o.orbs = udtOrbTable; // the default orbs: a trine of 7°
    const QStringList lines = ListDurations(records, columns, o).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    // Columns: a body name (7: "Jupiter", "Mercury", "Neptune"), the orb and
    // the adjective (11 + 10), a body name, then the dates in 19 each.
    EXPECT_EQ(
        lines[0], QStringLiteral("Sun     0°34' (sextile)       Venus   from an unknown date,    to an unknown date"));
    EXPECT_EQ(lines[1],
        QStringLiteral(
            "Mars    1°9' (square)         Jupiter from March 2, 2018,      to March 3, 2018       (2 days)"));
    EXPECT_EQ(lines[2], QStringLiteral("Sun     1°43' (trine)         Moon    (Moon aspect: lasts about 28 hours)"));

    // By beginning: the Moon's aspects are left out in the Planetary mode.
    o.intSortIndex = sortBeginning;
    SortDurationRecords(records, sortBeginning);
    EXPECT_EQ(ListDurations(records, columns, o).count(QStringLiteral("\r\n")), 2);
    // Without durations only the names.
    o.blnShowDuration = false;
    EXPECT_EQ(ListDurations(records, columns, o).split(QStringLiteral("\r\n")).value(0).size(), 35);
    // In the Personal modes the natal and transiting bodies are marked.
    o.intMode = modePersonal1;
    EXPECT_TRUE(ListDurations(records, columns, o).startsWith(QStringLiteral("n.Sun")));
    EXPECT_TRUE(ListDurations(records, columns, o).contains(QStringLiteral("tr.Venus")));
    // The transiting Moon's note counts the orb of personal transits (a
    // third of 7°: about 9 hours), which its exact moments keep to.
    o.blnShowDuration = true;
    o.intSortIndex = sortOrb;
    EXPECT_TRUE(ListDurations(records, columns, o).contains(QStringLiteral("lasts about 9 hours")));
    EXPECT_EQ(SortListItems(modePersonal1).value(0), QStringLiteral("natal planet"));

    // A long course line under an aspect is broken to the list's width, its
    // continuation indented further; no word is lost or split.
    o.courseLine = [](const QString&) {
        QStringList moments;
        for (int i = 1; i <= 9; ++i)
            moments << QStringLiteral("2018-0%1-05 14:3%1").arg(i);
        return QStringLiteral("exact: ") + moments.join(QStringLiteral(", ")) + QStringLiteral(" (9 passes)");
    };
    const QStringList listed = ListDurations(records, columns, o).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    int intWidestAspect = 0, intWidestCourse = 0, intContinued = 0;
    QString strCourseWords;
    for (const QString& strLine : listed) {
        const bool blnCourse = strLine.startsWith(QStringLiteral("        "));
        (blnCourse ? intWidestCourse : intWidestAspect)
            = std::max(blnCourse ? intWidestCourse : intWidestAspect, static_cast<int>(strLine.size()));
        if (blnCourse)
            strCourseWords += strLine.trimmed() + QLatin1Char(' ');
        intContinued += strLine.startsWith(QStringLiteral("          ")) ? 1 : 0;
    }
    EXPECT_LE(intWidestCourse, intWidestAspect);
    EXPECT_GE(intContinued, 3); // each of the three courses needs a second line
    EXPECT_EQ(strCourseWords.count(QStringLiteral("2018-0")), 27);
    EXPECT_EQ(SortListItems(modePlanetary).value(0), QStringLiteral("first planet"));
}

TEST(DurationReport, SummaryWithItsNumberWordsAndPatternsInBothLanguages)
{
    const struct {
        int intCount;
        bool blnGerman;
        const char* strText;
    } numbers[] = { { 0, false, "No" }, { 20, false, "Twenty" }, { 21, false, "Twenty one" },
        { 99, false, "Ninety nine" }, { 8, true, "Ache" }, { 16, true, "Sechszehn" }, { 21, true, "Eine und zwanzig" },
        { 30, true, "Dreißig" }, { 100, false, "100" }, { 12345, true, "12.345" }, { 12345, false, "12,345" } };
    for (const auto& n : numbers)
        EXPECT_EQ(NumberToWords(n.intCount, n.blnGerman), QString::fromUtf8(n.strText)) << n.intCount;

    ChartPositions positions;
    const double degrees[11] = { 0, 0, 90, 180, 270, 45, 300, 200, 100, 20, 130 };
    for (int b = 1; b <= 10; ++b)
        positions.dblLongitude[0][b] = positions.dblLongitude[1][b] = Rad(degrees[b]);
    // Two grand crosses? One: Sun, Mercury, Venus, Mars at the quarters.
    const PatternSky sky = MakePatternSky(positions.dblLongitude[0], 10, udtOrbTable, MidpointOrbRadians(udtConfig));
    const QStringList records { QStringLiteral(" 1 2 1 3 0.000000----------------------"),
        QStringLiteral(" 1 3 1 2 0.000000----------------------"),
        QStringLiteral(" 2 4 2 2 0.010000----------------------") };
    QString strText = WriteSummary(records, modeNatal1, positions, &sky);
    EXPECT_TRUE(strText.startsWith(QStringLiteral("In this natal chart there are three aspects. In order of exactness: "
                                                  "Sun (0° in Aries) square Mercury (0° in Cancer) (exact), then Sun")))
        << strText.toStdString();
    EXPECT_TRUE(strText.contains(QStringLiteral("and finally Mercury (0° in Cancer) opposite Mars (0° in Capricorn) "
                                                "(orb 0°34').\r\n\r\n")));
    EXPECT_TRUE(strText.contains(QStringLiteral("There is one grand cross: Sun-Mercury-Venus-Mars\r\n")));
    EXPECT_TRUE(strText.contains(QStringLiteral("There are four T-squares:\r\n")));
    EXPECT_TRUE(strText.endsWith(strCrLf + GetText(87) + strCrLf));

    // Synastry: the charts are marked, no patterns; German "dieser".
    SetInterfaceLanguage(intLangGerman);
    strText = WriteSummary(records.mid(0, 1), modeSynastry, positions, nullptr);
    EXPECT_TRUE(strText.startsWith(QStringLiteral("In dieser Synastrie gibt es einen Aspekt.")));
    EXPECT_TRUE(strText.contains(QStringLiteral("Sonne (1) (0° in Widder) Quadrat Merkur (2)")));
    EXPECT_FALSE(strText.contains(QStringLiteral("Aspektfigur")));

    // No patterns: the same English sentence in both languages. Three bodies
    // without an aspect among them, the others without a position.
    const double dblFew[4] = { 0, 0, 13, 47 };
    for (int b = 1; b <= 10; ++b)
        positions.dblLongitude[0][b] = b <= 3 ? Rad(dblFew[b]) : -99.0;
    const PatternSky empty = MakePatternSky(positions.dblLongitude[0], 10, udtOrbTable, MidpointOrbRadians(udtConfig));
    strText = WriteSummary(records.mid(0, 1), modeNatal1, positions, &empty);
    EXPECT_TRUE(strText.contains(QStringLiteral("\r\nThere are no aspect patterns.\r\n\r\n"))) << strText.toStdString();
}
