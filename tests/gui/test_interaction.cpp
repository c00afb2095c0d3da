// Asking about an aspect: double clicks on table cells (the Moon note, the
// beginning and end, the durations question, the transit graph) and right
// clicks on the wheel and on the graph, through the main window.
#include "TestSupport.h"
#include "WindowSupport.h"
#include "aspects/Aspects.h"
#include "astro/AstroTables.h"
#include "astro/ChartState.h"
#include "astro/Longitudes.h"
#include "chart/AspectGrid.h"
#include "chart/TransitGraph.h"
#include "dates/DatePr2.h"
#include "dialogs/frmConfigure.h"
#include "dialogs/frmDurations.h"
#include "drawing/ChartWheel.h"
#include "drawing/PictureBox.h"
#include "settings/Configuration.h"
#include "text/Texts.h"
#include "ui/Colors.h"
#include "ui/UiScript.h"
#include "util/Twips.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

#include <cmath>
#include <functional>

using namespace qal;
using qal::test::AspectCell;
using qal::test::MainWindowTest;

namespace {

class Interaction : public MainWindowTest {
protected:
    // Right click at a pixel of the picture shown.
    void RightClickPixel(int px, int py)
    {
        form->picGraphic_MouseUp(2, 0, px * intTwipsPerPixel + 7, py * intTwipsPerPixel + 7);
    }

    // The first pixel of the picture's canvas in the colour, searched row by row.
    bool FindPixel(const QColor& color, QPoint& at) const
    {
        const QImage& canvas = form->picGraphic->Picture()->Canvas();
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                if ((canvas.pixel(x, y) | 0xFF000000u) == color.rgb()) {
                    at = { x, y };
                    return true;
                }
            }
        }
        return false;
    }

    // Personal transits to natal chart 1 of 1 June 1970 at 5 March 2018.
    void ShowPersonalChart()
    {
        FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
        FillDateSet(1, "1970", 6, 1, "08:00", "GMT+1:00");
        form->optPersonal[0]->click();
        ASSERT_EQ(form->intChartMode, modePersonal1);
    }
};

TEST_F(Interaction, MoonAspectsNameTheHoursOfTheirOrb)
{
    // Orbs of 5°: the Moon's aspects last about 20 hours.
    for (int i = 0; i < intSetAllOrbList; ++i)
        udtConfig.intOrbIndex[i] = 5;
    AspectCell cell;
    for (int intDay = 1; intDay <= 28 && cell.intIndex < 0; ++intDay) {
        FillDateSet(0, "2018", 3, intDay, "14:30", "GMT+1:00");
        form->cmdCompute->click();
        cell = FindAspectCell([](const AspectCell& c) { return c.intColBody == intMoon; });
    }
    ASSERT_GE(cell.intIndex, 0) << "no Moon aspect in March 2018";
    form->txbCell_DblClick(cell.intIndex);
    QList<ui::MessageRecord> log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].strText.contains(QStringLiteral("about 20 hours"))) << log[0].strText.toStdString();
    EXPECT_EQ(log[0].icon, ui::MsgIcon::Information);
    EXPECT_EQ(log[0].strTitle,
        strBodyName[cell.intRowBody] + QLatin1Char(' ') + udtAspectText[cell.intKind].Phrase + QStringLiteral(" Moon"));

    // The same in German, titled with the German names.
    form->optGerman->click();
    ui::TakeMessageLog();
    form->txbCell_DblClick(cell.intIndex);
    log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].strText.contains(QStringLiteral("etwa 20 Stunden"))) << log[0].strText.toStdString();
    EXPECT_TRUE(log[0].strTitle.endsWith(QStringLiteral(" Mond")));
    EXPECT_FALSE(form->blnGraphShown);
}

TEST_F(Interaction, PlanetaryDoubleClickTellsTheSpanAndAsksAboutTheDurations)
{
    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    form->optPlanetary->click();
    const AspectCell cell = FindAspectCell([](const AspectCell& c) { return c.intColBody != intMoon; });
    ASSERT_GE(cell.intIndex, 0);
    const double dblStart = form->BeginningOfAspect(cell.intRowBody, cell.intColBody, cell.intKind, 0, 60);
    const double dblEnd = form->EndOfAspect(cell.intRowBody, cell.intColBody, cell.intKind, 0, 60);
    ASSERT_GE(dblStart, 0);
    ASSERT_GE(dblEnd, dblStart);

    ui::QueueMsgAnswer(ui::MsgAnswer::No);
    form->txbCell_DblClick(cell.intIndex);
    QList<ui::MessageRecord> log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    const QString strExpected = QStringLiteral("With an orb of ") + AngleToDegMinText(dblOrb[cell.intKind][0])
        + QStringLiteral(" this ") + udtAspectText[cell.intKind].Name.toLower() + strCrLf + QStringLiteral("begins on ")
        + JDNToDateText(static_cast<int>(dblStart), false, intLangEnglish) + strCrLf + QStringLiteral("and ends on ")
        + JDNToDateText(static_cast<int>(dblEnd), false, intLangEnglish) + QStringLiteral(".") + strCrLf + strCrLf
        + QStringLiteral("Do you want to see the durations of all current aspects?");
    EXPECT_EQ(log[0].strText, strExpected);
    EXPECT_EQ(log[0].icon, ui::MsgIcon::Question);
    EXPECT_EQ(log[0].buttons, ui::MsgButtons::YesNo);
    EXPECT_EQ(log[0].intDefaultButton, 2);
    EXPECT_EQ(log[0].strTitle,
        strBodyName[cell.intRowBody] + QLatin1Char(' ') + udtAspectText[cell.intKind].Phrase + QLatin1Char(' ')
            + strBodyName[cell.intColBody]);
    EXPECT_FALSE(form->blnGraphShown);
    EXPECT_FALSE(form->DurationsWindow()->isVisible());

    // Yes opens the durations of every current aspect.
    ui::QueueMsgAnswer(ui::MsgAnswer::Yes);
    form->txbCell_DblClick(cell.intIndex);
    ui::TakeMessageLog();
    EXPECT_TRUE(form->DurationsWindow()->isVisible());
    form->DurationsWindow()->hide();

    // In German the message is built from its own sentence.
    form->optGerman->click();
    ui::TakeMessageLog();
    ui::QueueMsgAnswer(ui::MsgAnswer::No);
    form->txbCell_DblClick(cell.intIndex);
    log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].strText.startsWith(QStringLiteral("Bei einem Orbis von ")));
    EXPECT_TRUE(log[0].strText.contains(
        QStringLiteral("Beginn: ") + JDNToDateText(static_cast<int>(dblStart), false, intLangGerman)));
    EXPECT_TRUE(log[0].strText.endsWith(QStringLiteral("Möchten Sie die Dauer aller aktuellen Aspekte sehen?")));
}

TEST_F(Interaction, ATransitWhoseEndIsUnknownAsksAboutTheDurations)
{
    // Pluto's table ends with 2099: a Pluto transit of its last days has
    // no known end, so there is no graph.
    for (int i = 0; i < intSetAllOrbList; ++i)
        udtConfig.intOrbIndex[i] = 15;
    FillDateSet(0, "2099", 12, 30, "12:00", "GMT");
    FillDateSet(1, "1970", 6, 1, "08:00", "GMT+1:00");
    form->optPersonal[0]->click();
    const AspectCell cell = FindAspectCell([](const AspectCell& c) { return c.intColBody == intPluto; });
    ASSERT_GE(cell.intIndex, 0);
    ui::QueueMsgAnswer(ui::MsgAnswer::No);
    form->txbCell_DblClick(cell.intIndex);
    const QList<ui::MessageRecord> log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].strText.contains(QStringLiteral("\r\nand ends on an unknown date.\r\n\r\nDo you want")))
        << log[0].strText.toStdString();
    EXPECT_EQ(log[0].buttons, ui::MsgButtons::YesNo);
    EXPECT_TRUE(log[0].strTitle.startsWith(QStringLiteral("Transiting Pluto ")));
    EXPECT_FALSE(form->blnGraphShown);
}

TEST_F(Interaction, FixedChartsAndEmptyCellsAnswerNothing)
{
    FillDateSet(1, "1970", 6, 1, "08:00", "GMT+1:00");
    form->optNatal[0]->click();
    const AspectCell cell = FindAspectCell([](const AspectCell&) { return true; });
    ASSERT_GE(cell.intIndex, 0);
    form->txbCell_DblClick(cell.intIndex);
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty());

    // A kind switched off in the configuration asks nothing either.
    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    form->optPlanetary->click();
    const AspectCell planetary = FindAspectCell([](const AspectCell& c) { return c.intColBody != intMoon; });
    ASSERT_GE(planetary.intIndex, 0);
    udtConfig.dblAspectColor[planetary.intKind] = 0;
    form->txbCell_DblClick(planetary.intIndex);
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty());
    // A caption cell has no aspect.
    form->txbCell_DblClick(0);
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty());
}

TEST_F(Interaction, PersonalDoubleClickDrawsATransitGraphThatReadsBack)
{
    ShowPersonalChart();
    EXPECT_EQ(form->lblClickonAspect->text(), GetText(TextId::DoubleClickHint));
    // A transit of Jupiter or a slower body, whose graph spans weeks.
    const AspectCell cell = FindTransitWithKnownSpan(5);
    const double dblStart = form->BeginningOfAspect(cell.intRowBody, cell.intColBody, cell.intKind, 1, 60);
    const double dblEnd = form->EndOfAspect(cell.intRowBody, cell.intColBody, cell.intKind, 1, 60);
    ASSERT_GE(cell.intIndex, 0);
    form->txbCell_DblClick(cell.intIndex);
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty());
    ASSERT_TRUE(form->blnGraphShown);
    EXPECT_TRUE(form->picGraphic->isVisible());
    EXPECT_EQ(form->picGraphic->toolTip(), GetText(TextId::GraphTooltip));
    EXPECT_EQ(form->cmdSaveAs->text(), GetText(TextId::SaveImage));
    EXPECT_TRUE(form->lblClickonAspect->text().isEmpty());
    EXPECT_FALSE(form->cmdRun->isVisible());

    // The title names the transit, the birth date and the orb.
    const QString strTitle = QStringLiteral("Transiting ") + strBodyName[cell.intColBody] + QStringLiteral(" in ")
        + udtAspectText[cell.intKind].Name.toLower() + QStringLiteral(" with natal ") + strBodyName[cell.intRowBody]
        + QStringLiteral(" (1970-06-01), orb ") + AngleToDegMinText(dblOrb[cell.intKind][1])
        + QStringLiteral(", tropical zodiac");
    EXPECT_TRUE(PrintedWheelTexts().contains(strTitle)) << PrintedWheelTexts().join(QLatin1Char('|')).toStdString();

    // Exactly one grid row, the current moment's, is white.
    const QImage& canvas = form->picGraphic->Picture()->Canvas();
    int intWhiteRows = 0;
    for (int i = 1; i <= intGraphGridRows; ++i) {
        const int y = intGraphTop + intGraphGridRowHeight * i;
        if (canvas.pixel(intGraphLeft + 2, y) == qRgb(255, 255, 255)
            && canvas.pixel(intGraphRight - 2, y) == qRgb(255, 255, 255))
            ++intWhiteRows;
    }
    EXPECT_EQ(intWhiteRows, 1);

    // Every fifth drawn point of the curve reads back its moment (within one
    // pixel row) and the transit's true distance from exact there.
    const QRgb aspectColor = ui::ToQColor(udtConfig.dblAspectColor[cell.intKind]).rgb();
    const double dblTimePerRow = (std::floor(dblEnd) + 1 - std::floor(dblStart)) / intGraphRows;
    const double dblFirstRow = std::floor(dblStart) - 60 / 1440.0 - 0.5;
    const LongitudeSource source = EphemerisSource(false);
    const double dblExact
        = ExactPoint(dblLongitude[1][cell.intRowBody], cell.intKind, dblLongitude[0][cell.intColBody]);
    const QRegularExpression reading(QStringLiteral(
        "On (\\d{4})-(\\d\\d)-(\\d\\d) at (\\d\\d):(\\d\\d) the transit is (\\d+)°(\\d+)' from exact\\."));
    int intChecked = 0;
    for (int y = intGraphTop; y <= intGraphTop + intGraphRows; y += 5) {
        int x = -1;
        for (int px = intGraphExactX - intGraphOrbWidth; px <= intGraphExactX + intGraphOrbWidth; ++px) {
            if ((canvas.pixel(px, y) | 0xFF000000u) == aspectColor) {
                x = px;
                break;
            }
        }
        if (x < 0)
            continue;
        RightClickPixel(x, y);
        const QList<ui::MessageRecord> log = ui::TakeMessageLog();
        ASSERT_EQ(log.size(), 1);
        EXPECT_EQ(log[0].strTitle, QStringLiteral("Transit graph"));
        const QRegularExpressionMatch m = reading.match(log[0].strText);
        ASSERT_TRUE(m.hasMatch()) << log[0].strText.toStdString();
        EXPECT_TRUE(log[0].strText.startsWith(QStringLiteral("Reading of the transit graph:") + strCrLf));
        EuroDate date;
        date.year = m.captured(1).toInt(), date.month = m.captured(2).toInt(), date.day = m.captured(3).toInt();
        date.calendar = platform::kGregorian;
        const double dblMoment
            = platform::EuroDateToJdn(date) - 0.5 + (m.captured(4).toInt() * 60 + m.captured(5).toInt() - 60) / 1440.0;
        EXPECT_NEAR(dblMoment, dblFirstRow + (y - intGraphTop) * dblTimePerRow, dblTimePerRow) << "row " << y;
        const double dblRead = test::Rad(m.captured(6).toInt() + m.captured(7).toInt() / 60.0);
        const double dblTrue = std::fabs(SignedSeparation(source(cell.intColBody, dblMoment), dblExact));
        const double dblPixel = dblOrb[cell.intKind][1] / intGraphOrbWidth;
        EXPECT_NEAR(dblRead, dblTrue, 2 * dblPixel + test::Rad(1 / 60.0)) << "row " << y;
        ++intChecked;
    }
    EXPECT_GT(intChecked, 10);

    // Black (the field) and the margins read nothing; left clicks do nothing.
    RightClickPixel(intGraphExactX + 3, 5);
    RightClickPixel(2, 200);
    form->picGraphic_MouseUp(1, 0, intGraphExactX * intTwipsPerPixel, 200 * intTwipsPerPixel);
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty());

    // Back to the table, then to the wheel: the graph is gone.
    form->cmdToggleGraphic->click();
    EXPECT_FALSE(form->blnGraphShown);
    EXPECT_FALSE(form->picGraphic->isVisible());
    EXPECT_EQ(form->cmdSaveAs->text(), GetText(TextId::SaveAs));
    EXPECT_EQ(form->lblClickonAspect->text(), GetText(TextId::DoubleClickHint));
    form->cmdToggleGraphic->click();
    EXPECT_TRUE(form->picGraphic->isVisible());
    EXPECT_FALSE(form->blnGraphShown);
    EXPECT_EQ(form->lblClickonAspect->text(), GetText(TextId::TropicalZodiac));
    EXPECT_EQ(form->cmdSaveAs->text(), GetText(TextId::SaveImage));
}

TEST_F(Interaction, TheGraphPutsTheConfigurationAsideUntilItGoes)
{
    ShowPersonalChart();
    form->ConfigureDialog()->show();
    const AspectCell cell = FindTransitWithKnownSpan(1);
    ASSERT_GE(cell.intIndex, 0);
    form->txbCell_DblClick(cell.intIndex);
    ASSERT_TRUE(form->blnGraphShown);
    EXPECT_FALSE(form->ConfigureDialog()->isVisible());
    // The housekeeping tick keeps the graph's controls: no stepping, no run.
    form->Timer1_Timer();
    EXPECT_FALSE(form->cmdForwardBack[0]->isEnabled());
    EXPECT_FALSE(form->cmdRun->isVisible());
    EXPECT_EQ(form->cmdToggleGraphic->text(), GetText(TextId::ShowTable));
    // Leaving the graph brings the dialog back.
    form->cmdToggleGraphic->click();
    EXPECT_TRUE(form->ConfigureDialog()->isVisible());
    form->Timer1_Timer();
    EXPECT_TRUE(form->cmdForwardBack[0]->isEnabled());

    // A graph drawn without the dialog leaves it hidden afterwards.
    form->ConfigureDialog()->hide();
    form->cmdToggleGraphic->click(); // the table
    form->txbCell_DblClick(cell.intIndex);
    ASSERT_TRUE(form->blnGraphShown);
    form->cmdCompute->click(); // the next computation draws the wheel again
    EXPECT_FALSE(form->blnGraphShown);
    EXPECT_TRUE(form->picGraphic->isVisible());
    EXPECT_FALSE(form->ConfigureDialog()->isVisible());
}

TEST_F(Interaction, RightClickOnAWheelLineNamesItsKinds)
{
    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    form->optPlanetary->click();
    form->cmdToggleGraphic->click();
    ASSERT_TRUE(form->picGraphic->isVisible());
    const AspectCell cell = FindAspectCell([](const AspectCell&) { return true; });
    ASSERT_GE(cell.intIndex, 0);
    // Another kind shares the colour of the aspect drawn.
    const int intOther = cell.intKind == 1 ? 2 : 1;
    udtConfig.dblAspectColor[intOther] = udtConfig.dblAspectColor[cell.intKind];
    form->cmdCompute->click();
    QPoint at;
    ASSERT_TRUE(FindPixel(ui::ToQColor(udtConfig.dblAspectColor[cell.intKind]), at));
    RightClickPixel(at.x(), at.y());
    QList<ui::MessageRecord> log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    const int a = std::min(cell.intKind, intOther), b = std::max(cell.intKind, intOther);
    QString strExpected = (udtAspectText[a].Label + QStringLiteral(" or ") + udtAspectText[b].Label).toLower();
    strExpected[0] = strExpected[0].toUpper();
    EXPECT_EQ(log[0].strText, strExpected);
    EXPECT_EQ(log[0].strTitle, QStringLiteral("This line is a"));

    // A spoke, the disc and the background name nothing; nor does a left click.
    ASSERT_TRUE(FindPixel(WheelLineColor(), at));
    RightClickPixel(at.x(), at.y());
    RightClickPixel(200, 200 - 10);
    RightClickPixel(1, 1);
    ASSERT_TRUE(FindPixel(ui::ToQColor(udtConfig.dblAspectColor[cell.intKind]), at));
    form->picGraphic_MouseUp(1, 0, at.x() * intTwipsPerPixel + 7, at.y() * intTwipsPerPixel + 7);
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty());
}

} // namespace
