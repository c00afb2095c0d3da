// When aspects begin and end, the duration records and the texts of the
// durations window. Reference skies are the Swiss Ephemeris' apparent
// geocentric longitudes of date, asked directly.
#include "TestSupport.h"
#include "aspects/AspectSpans.h"
#include "aspects/Aspects.h"
#include "astro/AstroTables.h"
#include "astro/PlutoTable.h"
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
    if (b == 2)
        return Rad(90);
    return NormalizeAngle(Rad(t - 2458000.0));
}

OrbTable Orbs()
{
    return OrbTableFor(ConfigurationSettings());
}

} // namespace

TEST(AspectSpans, LocalMidnightsAroundTheCurrentMoment)
{
    // At 23:30 local time in GMT+2 on day 2458090 the end search probes the
    // midnight 30 minutes later first, the beginning search the one 23.5
    // hours earlier. Local midnight of day n is UT n − 0.5 − 2/24: body 1
    // then stands at (n − 2458000) − 0.583°. Going back, 80.417° (n 2458081)
    // still holds, 79.417° (n 2458080) does not: the aspect began that day.
    // Going forward 99.417° (n 2458100) holds, 100.417° does not.
    AspectSpanQuery q { 2, 1, 1, 0, 120, 2458090 + 23.5 / 24, {} };
    const double dblBegin = AspectBeginningDay(Constructed, Orbs(), q);
    const double dblEnd = AspectEndDay(Constructed, Orbs(), q);
    EXPECT_EQ(dblBegin, 2458080.0);
    EXPECT_EQ(dblEnd, 2458100.0);
    EXPECT_EQ(AspectDurationDays(dblBegin, dblEnd), 21); // both days counted

    // An aspect that does not hold at today's midnight yet but at the moment:
    // it began today.
    AspectSpanQuery today { 2, 1, 1, 0, 0, 2458080.75, {} }; // 18:00: 80.25°; midnight: 79.5°
    EXPECT_EQ(AspectBeginningDay(Constructed, Orbs(), today), 2458080.0);

    // A longitude that is not available on the way: not known.
    const auto ending = [](int b, double t) { return t > 2458092 ? -100.0 : Constructed(b, t); };
    EXPECT_EQ(AspectEndDay(ending, Orbs(), q), -1);
}

TEST(AspectSpans, ANatalBodyStandsStillAndSlowPairsTakeLargerSteps)
{
    int intAskedForNatal = 0;
    const auto source = [&](int b, double t) {
        if (b == 9)
            ++intAskedForNatal;
        return Constructed(1, t);
    };
    AspectSpanQuery q { 9, 1, 1, 1, 0, 2458090.5, Rad(90) }; // body 1 conjunct a natal point at 90°
    // With the personal-transit orb (a third: 3°20'): 87.5° holds, 86.5° not.
    EXPECT_EQ(AspectBeginningDay(source, Orbs(), q), 2458087.0);
    EXPECT_EQ(AspectEndDay(source, Orbs(), q), 2458093.0);
    EXPECT_EQ(intAskedForNatal, 0);

    // Uranus and Pluto: the search passes over the midnights at which the
    // two cannot yet have left the orb, yet names the day that probing every
    // midnight names.
    std::vector<double> probes;
    const auto slow = [&](int b, double t) {
        if (b == 9)
            return Rad(90);
        probes.push_back(t);
        return NormalizeAngle(Rad((t - 2457999.5) / 20)); // 1° in 20 days, 90° at 2459799.5
    };
    AspectSpanQuery uranus { 7, 9, 1, 0, 0, 2459800.5, {} }; // Uranus conjunct Pluto, exact at midnight
    const double dblBegin = AspectBeginningDay(slow, Orbs(), uranus);
    double dblEveryMidnight = 2459799.5;
    while (AspectExactness(slow(7, dblEveryMidnight), Rad(90), 1, Orbs(), 0) >= 0)
        dblEveryMidnight -= 1;
    EXPECT_EQ(dblBegin, dblEveryMidnight + 0.5);
    probes.clear();
    AspectBeginningDay(slow, Orbs(), uranus);
    ASSERT_GE(probes.size(), 3u);
    EXPECT_GT(probes[0] - probes[1], 20); // far from the orb's edge: a large step
    EXPECT_EQ(probes[probes.size() - 2] - probes.back(), 1); // at the edge: day by day
    EXPECT_LT(probes.size(), 30u); // instead of some 200 midnights
}

TEST(AspectSpans, RealSkiesDayByDayAgainstTheEphemeris)
{
    const OrbTable orbs = Orbs();
    // The ephemeris itself, asked directly: the first local midnight from
    // the current date, in direction step, at which bodies a and b are not
    // within orb of kind k.
    const LongitudeSource ephemeris = [](int body, double t) {
        return body == intMoon ? platform::MoonPosition(t - 2451545.0)
                               : platform::PlanetApparentLongitude(EphemerisPlanetNumber(body), t);
    };
    const auto direct = [&](int a, int b, int k, double dblDay, int step, const LongitudeSource& lon = {}) {
        const LongitudeSource& source = lon ? lon : ephemeris;
        for (double n = std::floor(dblDay) + (step > 0 ? 1 : 0);; n += step) {
            const double t = n - 0.5;
            const double dev = std::fabs(ShorterArc(source(a, t), source(b, t)) - dblAspectAngle[k]);
            if (!(dev < orbs.dblOrb[k][0]))
                return step > 0 ? n - 1 : n;
        }
    };
    const struct {
        const char* strWhat;
        int a, b, k;
        double dblDay; // a moment within the aspect, local day value in GMT
    } cases[] = {
        { "Jupiter conjunct Saturn, December 2020", 5, 6, 1, 2459205.5 },
        { "Saturn square Uranus, February 2021", 6, 7, 3, 2459247.5 },
        { "Sun opposite Moon, full Moon of 21 January 2000", 1, 10, 2, 2451565.7 },
        { "Mars conjunct Jupiter, March 2018", 4, 5, 1, 2458198.5 },
    };
    for (const auto& c : cases) {
        AspectSpanQuery q { c.a, c.b, c.k, 0, 0, c.dblDay, {} };
        const LongitudeSource source = EphemerisSource(false);
        EXPECT_EQ(AspectBeginningDay(source, orbs, q), direct(c.a, c.b, c.k, c.dblDay, -1)) << c.strWhat;
        EXPECT_EQ(AspectEndDay(source, orbs, q), direct(c.a, c.b, c.k, c.dblDay, +1)) << c.strWhat;
    }

    // Every aspect of three skies, the fast bodies among them, passed over
    // midnights or not: the same days as probing every midnight of the
    // same longitudes (Pluto from its table).
    const LongitudeSource source = EphemerisSource(false);
    for (const double dblDay : { 2458183.6, 2458331.2, 2460400.9 }) {
        for (int a = 1; a <= intMoon; ++a) {
            for (int b = a + 1; b <= intMoon; ++b) {
                double dblDeviation = 0;
                const int k = FindAspect(source(a, dblDay - 0.5), source(b, dblDay - 0.5), orbs, 0, dblDeviation);
                if (k == 0)
                    continue;
                AspectSpanQuery q { a, b, k, 0, 0, dblDay, {} };
                EXPECT_EQ(AspectBeginningDay(source, orbs, q), direct(a, b, k, dblDay, -1, source)) << a << "-" << b;
                EXPECT_EQ(AspectEndDay(source, orbs, q), direct(a, b, k, dblDay, +1, source)) << a << "-" << b;
            }
        }
    }
}

TEST(DurationRecords, FixedLayoutOfEveryKindOfRecord)
{
    ChartRequest request;
    request.intMode = modePlanetary;
    request.dblChartJD[0] = 2458183.0625; // 5 March 2018, 14:30 in GMT+1:00
    ChartResult chart;
    ComputeChart(request, udtConfig, udtOrbTable, chart);
    DurationInputs in;
    in.intMode = modePlanetary;
    in.dblChartJD[0] = request.dblChartJD[0];
    in.dblDayValue = 2458183 + 14.5 / 24;
    in.intTimezoneMinutes = 60;
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

TEST(DurationReport, DurationWordsAndNumberWords)
{
    const struct {
        int intDays;
        const char* strText;
    } durations[] = { { 1, "1 day" }, { 2, "2 days" }, { 364, "364 days" }, { 365, "1 year" }, { 366, "1 year, 1 day" },
        { 367, "1 year,2 days" }, { 730, "1 year,365 days" }, { 731, "2 years, 1 day" }, { 1095, "2 years,365 days" },
        { 1096, "3 years, 1 day" } };
    for (const auto& d : durations)
        EXPECT_EQ(DurationText(d.intDays), QString::fromUtf8(d.strText)) << d.intDays;

    EXPECT_EQ(NumberToWords(0, false), QStringLiteral("No"));
    EXPECT_EQ(NumberToWords(2, false), QStringLiteral("Two"));
    EXPECT_EQ(NumberToWords(20, false), QStringLiteral("Twenty"));
    EXPECT_EQ(NumberToWords(21, false), QStringLiteral("Twenty one"));
    EXPECT_EQ(NumberToWords(99, false), QStringLiteral("Ninety nine"));
    EXPECT_EQ(NumberToWords(8, true), QStringLiteral("Ache"));
    EXPECT_EQ(NumberToWords(16, true), QStringLiteral("Sechszehn"));
    EXPECT_EQ(NumberToWords(21, true), QStringLiteral("Eine und zwanzig"));
    EXPECT_EQ(NumberToWords(30, true), QStringLiteral("Dreißig"));
    EXPECT_EQ(NumberToWords(100, false), QStringLiteral("100"));
    EXPECT_EQ(NumberToWords(12345, true), QStringLiteral("12.345"));
    EXPECT_EQ(NumberToWords(12345, false), QStringLiteral("12,345"));
}

TEST(DurationReport, ListSortedByTheChosenKey)
{
    // Mars square Jupiter, two days; Sun sextile Venus, unknown beginning;
    // Sun trine Moon (no days).
    QStringList records { QStringLiteral(" 4 5 4 3 0.020000 2458180 2458181     2"),
        QStringLiteral(" 1 3 1 5 0.010000      -1      -1      "),
        QStringLiteral(" 110 1 4 0.030000                      ") };
    SortDurationRecords(records, sortOrb);
    EXPECT_TRUE(records[0].startsWith(QStringLiteral(" 1 3"))); // closest first
    EXPECT_TRUE(records[2].startsWith(QStringLiteral(" 110")));

    const DurationColumns columns = SetColumnWidths();
    EXPECT_EQ(columns.w1, 7); // "Jupiter", "Mercury", "Neptune"
    DurationListOptions o;
    o.intOrbIndex[3] = 7;
    QStringList lines = ListDurations(records, columns, o).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    // Columns: a body name (7), the orb and the adjective (11 + 10), a body
    // name, then the dates in 19 each.
    EXPECT_EQ(
        lines[0], QStringLiteral("Sun     0°34' (sextile)       Venus   from an unknown date,    to an unknown date"));
    EXPECT_EQ(lines[1],
        QStringLiteral(
            "Mars    1°9' (square)         Jupiter from March 2, 2018,      to March 3, 2018       (2 days)"));
    EXPECT_EQ(lines[2], QStringLiteral("Sun     1°43' (trine)         Moon    (Moon aspect: lasts about 28 hours)"));

    // By beginning: the Moon's aspects are left out in the Planetary mode.
    o.intSortIndex = sortBeginning;
    SortDurationRecords(records, sortBeginning);
    lines = ListDurations(records, columns, o).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), 2);
    // Without durations only the names.
    o.blnShowDuration = false;
    EXPECT_EQ(ListDurations(records, columns, o).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).value(0).size(), 35);
    // In the Personal modes the natal and transiting bodies are marked.
    o.intMode = modePersonal1;
    EXPECT_TRUE(ListDurations(records, columns, o).startsWith(QStringLiteral("n.Sun")));
    EXPECT_TRUE(ListDurations(records, columns, o).contains(QStringLiteral("tr.Venus")));
    EXPECT_EQ(SortListItems(modePersonal1).value(0), QStringLiteral("natal planet"));
    EXPECT_EQ(SortListItems(modePlanetary).value(0), QStringLiteral("first planet"));
}

TEST(DurationReport, SummaryWithItsPatternsInBothLanguages)
{
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
    for (int b = 1; b <= 10; ++b)
        positions.dblLongitude[0][b] = -99.0;
    positions.dblLongitude[0][1] = Rad(0);
    positions.dblLongitude[0][2] = Rad(13);
    positions.dblLongitude[0][3] = Rad(47);
    const PatternSky empty = MakePatternSky(positions.dblLongitude[0], 10, udtOrbTable, MidpointOrbRadians(udtConfig));
    strText = WriteSummary(records.mid(0, 1), modeNatal1, positions, &empty);
    EXPECT_TRUE(strText.contains(QStringLiteral("\r\nThere are no aspect patterns.\r\n\r\n"))) << strText.toStdString();
}
