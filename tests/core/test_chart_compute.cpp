// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Computing a chart in each mode (the cells of the table, bold face and
// colour, the reports, the title) and answering a double click on an aspect,
// on the core alone.
//
// Expected positions for 2018-03-05 13:30 UT are those of the Swiss
// Ephemeris (apparent geocentric longitudes of date): Sun 344°55',
// Mercury 358°40', Venus 358°13', Mars 262°57', Jupiter 233°12',
// Saturn 277°38', Uranus 26°07', Neptune 343°58', Pluto 290°44',
// Moon 210°04'. The aspect counts were worked out by hand from them with the
// default orbs (10, 9, 6, 7, 5, 4, 5 degrees).
#include "TestSupport.h"
#include "aspects/Aspects.h"
#include "astro/AstroTables.h"
#include "chart/AspectQuestion.h"
#include "chart/ChartCompute.h"
#include "dates/DatePr2.h"
#include "settings/Configuration.h"
#include "text/Texts.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace qal;

namespace {

constexpr double kMarch2018 = 2458183.0625; // 5 March 2018, 14:30 in GMT+1:00
constexpr double kJuly2018 = 2458315.0; // 15 July 2018, 12:00 GMT
constexpr double kNatal1970 = 2440738.5 + 7.0 / 24; // 1 June 1970, 08:00 in GMT+1:00

struct Computed {
    ChartResult result;
    QString Cell(int r, int c) const { return result.udtGrid.At(r, c).strText; }
    const GridCell& At(int r, int c) const { return result.udtGrid.At(r, c); }
};

Computed Compute(int intMode, double t0, double t1 = 0, double t2 = 0, bool blnRadians = false)
{
    ChartRequest request;
    request.intMode = intMode;
    request.dblChartJD[0] = t0;
    request.dblChartJD[1] = t1;
    request.dblChartJD[2] = t2;
    request.blnRadians = blnRadians;
    SetOrbTable(udtConfig);
    Computed c;
    ComputeChart(request, udtConfig, udtOrbTable, c.result);
    return c;
}

} // namespace

TEST(ChartCompute, PlanetaryCellsReportsAndTitle)
{
    const Computed c = Compute(modePlanetary, kMarch2018);
    ASSERT_EQ(c.result.udtGrid.intRows, 11);
    ASSERT_EQ(c.result.udtGrid.intCols, 10);
    const struct {
        int r, c;
        const char* strText;
    } cells[] = {
        { 0, 0, "344°55'\r\n14Pis55" }, // Sun
        { 0, 8, "290°44'\r\n20Cap44" }, // Pluto from its table
        { 0, 9, "210°4'\r\n0Sco4" }, // Moon
        { 1, 0, "s" }, // glyph row
        { 10, 0, "Tropical zodiac" }, { 2, 7, "Con\r\n0°57' +" }, // Sun conjunct Neptune, separating
        { 8, 9, "Opp\r\n3°56' +" }, // the Moon opposite Uranus
        { 5, 4, "Ssx\r\n0°15' -" }, // Mars and Jupiter, applying
        { 2, 1, "" }, // Sun and Mercury: 13°45' apart
    };
    for (const auto& cell : cells)
        EXPECT_EQ(c.Cell(cell.r, cell.c), QString::fromUtf8(cell.strText)) << cell.r << "," << cell.c;
    EXPECT_TRUE(c.At(2, 7).blnBold); // within 1°
    EXPECT_FALSE(c.At(8, 9).blnBold);
    EXPECT_EQ(c.At(8, 9).dblForeColor, udtConfig.dblAspectColor[intOpposition]);
    EXPECT_FALSE(c.At(3, 0).blnVisible); // below the diagonal

    const QString strReport = c.result.udtReports.strReport;
    EXPECT_TRUE(strReport.startsWith(QStringLiteral("2 conjunctions\r\n1 opposition\r\n3 squares\r\n3 trines\r\n"
                                                    "1 sextile\r\n4 semisextiles\r\n3 quincunxes\r\n"
                                                    "17 aspects in total\r\n\r\n")))
        << strReport.toStdString();
    EXPECT_EQ(GetTotalNumAspects(c.result.udtGrid), 17);
    EXPECT_FALSE(strReport.contains(QStringLiteral("retrograde"))); // nothing retrograde that day
    EXPECT_EQ(ChartTitle(modePlanetary, udtOrbTable), GetText(1) + QStringLiteral(" - Planetary  Orbs: 4° to 10°"));

    // Radians with four decimals, and in German its own names.
    const Computed radians = Compute(modePlanetary, kMarch2018, 0, 0, true);
    static const QRegularExpression fourDecimals(QStringLiteral("^\\d+\\.\\d{4}$"));
    for (int col = 0; col < 10; ++col)
        EXPECT_TRUE(fourDecimals.match(radians.Cell(0, col)).hasMatch()) << radians.Cell(0, col).toStdString();
    EXPECT_EQ(radians.Cell(2, 7), QStringLiteral("Con\r\n0.0165 +"));
    SetInterfaceLanguage(intLangGerman);
    const Computed german = Compute(modePlanetary, kMarch2018);
    EXPECT_TRUE(german.result.udtReports.strReport.startsWith(
        QStringLiteral("2 Konjunktion\r\n1 Opposition\r\n3 Quadrat\r\n3 Trigon\r\n1 Sextil\r\n")));
    EXPECT_TRUE(german.result.udtReports.strReport.contains(QStringLiteral("Insgesamt 17 Aspekte")));
    EXPECT_EQ(german.Cell(0, 0), QStringLiteral("344°55'\r\n14Fis55"));
}

TEST(ChartCompute, RetrogradeBodiesAndBodiesOutsideTheTables)
{
    // 15 July 2018: Mars, Saturn, Neptune and Pluto retrograde (Jupiter had
    // turned direct on July 10, Mercury turned back only on July 26).
    Computed c = Compute(modePlanetary, kJuly2018);
    EXPECT_TRUE(c.Cell(0, 3).startsWith(QStringLiteral("307°6' r\r\n")));
    EXPECT_FALSE(c.Cell(0, 4).contains(QStringLiteral(" r")));
    EXPECT_TRUE(c.result.udtReports.strReport.endsWith(QStringLiteral("4 retrograde: Ma Sa Ne Pl ")));
    EXPECT_EQ(c.result.udtReports.intRetrogradeCount, 4);
    // In radians no marker and no report line.
    c = Compute(modePlanetary, kJuly2018, 0, 0, true);
    EXPECT_FALSE(c.Cell(0, 3).contains(QStringLiteral(" r")));
    EXPECT_FALSE(c.result.udtReports.strReport.contains(GetText(389)));

    // Pluto's table starts in 1600 and the Moon's ephemeris too: "<", and no aspect.
    c = Compute(modePlanetary, 2268924.0); // 1 January 1500
    EXPECT_EQ(c.Cell(0, 8), QStringLiteral("<"));
    EXPECT_EQ(c.Cell(0, 9), QStringLiteral("<"));
    for (int r = 2; r <= 9; ++r)
        EXPECT_EQ(c.Cell(r, 8), QString()) << r;
    EXPECT_FALSE(c.Cell(0, 0).isEmpty()); // the Sun comes from the ephemeris
    EXPECT_EQ(Compute(modePlanetary, 2506331.0).Cell(0, 9), QStringLiteral(">")); // 1 January 2150
}

TEST(ChartCompute, PersonalTransitsWithAndWithoutTheTransitingMoon)
{
    Computed c = Compute(modePersonal1, kMarch2018, kMarch2018); // natal chart at the same moment
    ASSERT_EQ(c.result.udtGrid.intRows, 12);
    EXPECT_EQ(c.Cell(1, 1), GetText(69));
    EXPECT_EQ(c.Cell(0, 2), c.Cell(2, 0)); // the same positions in both charts
    EXPECT_TRUE(c.Cell(11, 11).startsWith(QStringLiteral("Con\r\n0°0'"))); // natal Moon, transiting Moon
    const int intWithMoon = GetTotalNumAspects(c.result.udtGrid);

    test::ChangeConfig([&](ConfigurationSettings& c) { c.blnIncludeTransitingMoon = false; });
    c = Compute(modePersonal1, kMarch2018, kMarch2018);
    EXPECT_EQ(c.result.udtPositions.intNumBodies, 9);
    for (int r = 0; r < 12; ++r)
        EXPECT_EQ(c.Cell(r, 11), QString()) << r; // no transiting Moon
    // The natal Moon still meets the transiting bodies: quincunx transiting
    // Mercury, 1°24' within a third of the 5° orb.
    EXPECT_TRUE(c.Cell(11, 3).startsWith(QStringLiteral("Qui\r\n1°24'"))) << c.Cell(11, 3).toStdString();
    EXPECT_LT(GetTotalNumAspects(c.result.udtGrid), intWithMoon);
}

TEST(ChartCompute, SynastryUsesItsOwnOrbsJudgesBoldOnTheTransitOrbsAndShowsNoTrend)
{
    test::ChangeConfig([&](ConfigurationSettings& c) { c.cboPersonalOrbsProportion[0] = 4; }); // personal transits: 1/5
    test::ChangeConfig([&](ConfigurationSettings& c) { c.cboPersonalOrbsProportion[1] = 0; }); // synastry: the full orbs
    test::ChangeConfig([&](ConfigurationSettings& c) { c.chkUseBoldface = true; });
    test::ChangeConfig([](ConfigurationSettings& c) { c.opt1DegOfOrb = false; }); // bold below a fraction of the orb
    test::ChangeConfig([&](ConfigurationSettings& c) { c.cboBoldfaceFactor = 0; }); // 1/2
    const Computed c = Compute(modeSynastry, 0, kMarch2018, kMarch2018);
    EXPECT_EQ(c.Cell(0, 1), GetText(75));
    EXPECT_EQ(c.Cell(1, 1), GetText(14));
    // Moon opposite Uranus: 3°56' is within the full 9° synastry orb but not
    // within half the 1°48' transit orb.
    EXPECT_EQ(c.Cell(11, 8), QStringLiteral("Opp\r\n3°56'"));
    EXPECT_FALSE(c.At(11, 8).blnBold);
    EXPECT_EQ(c.Cell(2, 9), QStringLiteral("Con\r\n0°57'")); // 0°57' < 2° / 2: bold
    EXPECT_TRUE(c.At(2, 9).blnBold);
    EXPECT_TRUE(c.At(5, 6).blnBold); // Mars and Jupiter 0°16' < 0°48' / 2
    for (const GridCell& cell : c.result.udtGrid.cells)
        EXPECT_FALSE(cell.strText.endsWith(QStringLiteral(" +")) || cell.strText.endsWith(QStringLiteral(" -")));
    EXPECT_EQ(ChartTitle(modeSynastry, udtOrbTable), GetText(1) + QStringLiteral(" - Synastry  Orbs: 4° to 10°"));
}

TEST(ChartCompute, ComputingOtherMomentsLeavesTheShownChartAlone)
{
    ChartRequest request;
    request.intMode = modePlanetary;
    request.dblChartJD[0] = kMarch2018;
    ChartResult shown;
    ComputeChart(request, udtConfig, udtOrbTable, shown);
    PublishChart(request, shown);
    int intGrandTrines = 0;
    for (int d = 0; d < 300; ++d) {
        request.dblChartJD[0] = 2451545.0 + d * 7.3;
        ChartResult result;
        ComputeChart(request, udtConfig, udtOrbTable, result);
        intGrandTrines += result.intPatternCount[patGrandTrine];
    }
    EXPECT_GT(intGrandTrines, 0); // the search did find something
    EXPECT_EQ(dblChartJD[0], kMarch2018);
    for (int b = 1; b <= intMaxBodies; ++b)
        EXPECT_EQ(dblLongitude[0][b], shown.udtPositions.dblLongitude[0][b]) << b;
}

namespace {

// The chart of a mode as the window shows it, and the cell of an aspect.
struct AskedChart {
    Computed chart;
    AspectQuestion question;
    // The first cell whose aspect accept takes.
    std::optional<CellAspect> Find(const std::function<bool(const CellAspect&)>& accept, int* intCell = nullptr) const
    {
        for (int i = 0; i < chart.result.udtGrid.CellCount(); ++i) {
            const std::optional<CellAspect> a
                = AspectOfCell(chart.result.udtGrid, i, question.chart.intMode, udtConfig);
            if (a && accept(*a)) {
                if (intCell)
                    *intCell = i;
                return a;
            }
        }
        return std::nullopt;
    }
    AspectAnswer Ask(const CellAspect& a) const { return AnswerAboutAspect(a, question, udtOrbTable); }
};

AskedChart Ask(int intMode, double t0, double t1 = 0, int intZone = 60)
{
    AskedChart asked;
    asked.chart = Compute(intMode, t0, t1);
    DurationInputs& in = asked.question.chart;
    in.intMode = intMode;
    in.dblChartJD[0] = t0;
    in.dblChartJD[1] = t1;
    in.intTimezoneMinutes = intZone;
    in.dblDayValue = std::floor(t0 + 0.5) + (t0 + 0.5 - std::floor(t0 + 0.5)) + intZone / 1440.0;
    asked.question.dblNatalDayValue = 2440739; // 1 June 1970
    return asked;
}

} // namespace

TEST(AspectQuestion, PlanetaryAspectsTellTheirDaysInTheirLanguage)
{
    const AskedChart asked = Ask(modePlanetary, kMarch2018);
    // Mars semisextile Jupiter: 27 February to 12 March 2018 (checked day by
    // day against the ephemeris in the span tests).
    const std::optional<CellAspect> a = asked.Find([](const CellAspect& c) { return c.intP1 == 4 && c.intP2 == 5; });
    ASSERT_TRUE(a.has_value());
    AspectAnswer answer = asked.Ask(*a);
    EXPECT_EQ(answer.strTitle, QStringLiteral("Mars semisextile to Jupiter"));
    EXPECT_EQ(answer.strDurationsQuestion,
        QStringLiteral("With an orb of 4°0' this semisextile\r\nbegins on February 27, 2018\r\n"
                       "and ends on March 12, 2018.\r\n\r\n"
                       "Do you want to see the durations of all current aspects?"));
    EXPECT_FALSE(answer.blnGraph || answer.blnMoon);

    SetInterfaceLanguage(intLangGerman);
    answer = asked.Ask(*a);
    EXPECT_TRUE(answer.strDurationsQuestion.startsWith(QStringLiteral("Bei einem Orbis von 4°0'")));
    EXPECT_TRUE(answer.strDurationsQuestion.contains(
        QStringLiteral("Beginn: ") + JDNToDateText(2458177, false, intLangGerman))); // 27 February 2018
    EXPECT_TRUE(
        answer.strDurationsQuestion.endsWith(QStringLiteral("Möchten Sie die Dauer aller aktuellen Aspekte sehen?")));

    // The Moon's aspects last hours: about four hours a degree of orb.
    SetInterfaceLanguage(intLangEnglish);
    const std::optional<CellAspect> moon = asked.Find([](const CellAspect& c) { return c.intP2 == intMoon; });
    ASSERT_TRUE(moon.has_value());
    answer = asked.Ask(*moon);
    EXPECT_TRUE(answer.blnMoon);
    EXPECT_TRUE(
        answer.strMessage.contains(QStringLiteral("about %1 hours").arg(udtConfig.intOrbIndex[moon->intKind - 1] * 4)))
        << answer.strMessage.toStdString();
    EXPECT_TRUE(answer.strTitle.endsWith(QStringLiteral(" Moon")));
}

TEST(AspectQuestion, APersonalTransitDrawsItsGraphUnlessAnEndIsUnknown)
{
    const AskedChart asked = Ask(modePersonal1, kMarch2018, kNatal1970); // natal 1 June 1970, 08:00 GMT+1
    const std::optional<CellAspect> a
        = asked.Find([](const CellAspect& c) { return c.intP2 >= 5 && c.intP2 != intMoon; });
    ASSERT_TRUE(a.has_value());
    const AspectAnswer answer = asked.Ask(*a);
    ASSERT_TRUE(answer.blnGraph);
    EXPECT_LE(answer.dblStart, std::floor(kMarch2018 + 0.5));
    EXPECT_GE(answer.dblEnd, std::floor(kMarch2018 + 0.5));
    EXPECT_EQ(answer.strGraphTitle,
        QStringLiteral("Transiting ") + strBodyName[a->intP2] + QStringLiteral(" in ")
            + udtAspectText[a->intKind].Name.toLower() + QStringLiteral(" with natal ") + strBodyName[a->intP1]
            + QStringLiteral(" (1970-06-01), orb ") + AngleToDegMinText(udtOrbTable.dblOrb[a->intKind][1])
            + QStringLiteral(", tropical zodiac"));
    EXPECT_EQ(answer.graphScale.dblOrb, udtOrbTable.dblOrb[a->intKind][1]);
    // The curve is the transit's distance from exact: within the orb on the
    // day asked about (the rows cover the aspect's days, local midnight to midnight).
    const int intRow = static_cast<int>((kMarch2018 - answer.graphScale.dblStart) / answer.graphScale.dblTimePerRow);
    ASSERT_GE(intRow, 0);
    EXPECT_GE(answer.graphCurves.distance[static_cast<size_t>(intRow)], intGraphExactX - intGraphOrbWidth);

    // Pluto's curves are drawn from the ephemeris: its motion changes smoothly
    // from row to row (the day table's arc minutes would scatter it).
    const AskedChart autumn = Ask(modePersonal1, 2458389.6875, kNatal1970); // 28 September 2018: Pluto trine Mercury
    const std::optional<CellAspect> plutoNow = autumn.Find([](const CellAspect& c) { return c.intP2 == intPluto; });
    ASSERT_TRUE(plutoNow.has_value());
    const AspectAnswer plutoAnswer = autumn.Ask(*plutoNow);
    ASSERT_TRUE(plutoAnswer.blnGraph);
    int intLargestJump = 0;
    for (size_t j = 1; j < plutoAnswer.graphCurves.motion.size(); ++j)
        intLargestJump = std::max(intLargestJump,
            std::abs(plutoAnswer.graphCurves.motion[j] - plutoAnswer.graphCurves.motion[j - 1]));
    EXPECT_LE(intLargestJump, 3);

    // Pluto's table ends with 2099: a transit of Pluto then has no known end,
    // so the days are told instead of drawn.
    for (int i = 0; i < intSetAllOrbList; ++i)
        test::ChangeConfig([&](ConfigurationSettings& c) { c.intOrbIndex[i] = 15; });
    const AskedChart late = Ask(modePersonal1, 2488068.0, kNatal1970, 0); // 30 December 2099
    const std::optional<CellAspect> pluto = late.Find([](const CellAspect& c) { return c.intP2 == intPluto; });
    ASSERT_TRUE(pluto.has_value());
    const AspectAnswer told = late.Ask(*pluto);
    EXPECT_FALSE(told.blnGraph);
    EXPECT_LT(told.dblEnd, 0);
    EXPECT_TRUE(told.strDurationsQuestion.contains(QStringLiteral("\r\nand ends on an unknown date.\r\n")));
    EXPECT_TRUE(told.strTitle.startsWith(QStringLiteral("Transiting Pluto ")));
}

TEST(AspectQuestion, FixedChartsCaptionsAndSwitchedOffKindsAskNothing)
{
    const AskedChart natal = Ask(modeNatal1, 0, kNatal1970);
    EXPECT_FALSE(natal.Find([](const CellAspect&) { return true; }).has_value());
    AskedChart planetary = Ask(modePlanetary, kMarch2018);
    EXPECT_FALSE(AspectOfCell(planetary.chart.result.udtGrid, 0, modePlanetary, udtConfig).has_value()); // a caption
    int intCell = -1;
    const std::optional<CellAspect> a = planetary.Find([](const CellAspect&) { return true; }, &intCell);
    ASSERT_TRUE(a.has_value());
    test::ChangeConfig([&](ConfigurationSettings& c) { c.dblAspectColor[a->intKind] = 0; });
    EXPECT_FALSE(AspectOfCell(planetary.chart.result.udtGrid, intCell, modePlanetary, udtConfig).has_value());
}
