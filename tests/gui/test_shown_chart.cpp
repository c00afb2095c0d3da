// What the main window shows stays as the last computation left it: after an
// invalid date, while other moments are computed, and while inputs are edited
// but not computed.
#include "WindowSupport.h"
#include "chart/ChartCompute.h"
#include "drawing/PictureBox.h"
#include "settings/Configuration.h"
#include "text/Texts.h"
#include "ui/UiScript.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

using namespace qal;
using qal::test::MainWindowTest;

namespace {

class ShownChart : public MainWindowTest {
protected:
    // Everything a user sees of the last computation.
    struct Snapshot {
        QStringList cells;
        QString strReport, strReport1, strTitle;
        QVector<PictureOp> wheel;
        bool blnWheelShown;
        QString strToggle;
        double dblMoments[3];
        ChartPositions positions;
    };
    Snapshot Take() const
    {
        Snapshot s;
        for (const QLabel* cell : form->txbCell)
            s.cells << (cell->isVisible() ? cell->text() : QString());
        s.strReport = form->txbReport->toPlainText();
        s.strReport1 = form->txbReport1->toPlainText();
        s.strTitle = form->windowTitle();
        s.blnWheelShown = form->WheelShown();
        if (form->picGraphic->Picture())
            s.wheel = form->picGraphic->Picture()->Ops();
        s.strToggle = form->cmdToggleGraphic->text();
        std::copy(std::begin(dblChartJD), std::end(dblChartJD), s.dblMoments);
        s.positions = udtShownChart;
        return s;
    }
    static void ExpectSame(const Snapshot& a, const Snapshot& b)
    {
        EXPECT_EQ(a.cells, b.cells);
        EXPECT_EQ(a.strReport, b.strReport);
        EXPECT_EQ(a.strReport1, b.strReport1);
        EXPECT_EQ(a.strTitle, b.strTitle);
        EXPECT_EQ(a.blnWheelShown, b.blnWheelShown);
        EXPECT_EQ(a.strToggle, b.strToggle);
        ASSERT_EQ(a.wheel.size(), b.wheel.size());
        for (qsizetype i = 0; i < a.wheel.size(); ++i)
            EXPECT_TRUE(a.wheel[i].strText == b.wheel[i].strText && a.wheel[i].x1 == b.wheel[i].x1
                && a.wheel[i].y1 == b.wheel[i].y1 && a.wheel[i].color == b.wheel[i].color)
                << i;
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(a.dblMoments[k], b.dblMoments[k]) << k;
        for (int s = 0; s < 2; ++s)
            for (int b1 = 1; b1 <= 10; ++b1)
                EXPECT_EQ(a.positions.dblLongitude[s][b1], b.positions.dblLongitude[s][b1]);
    }
};

} // namespace

TEST_F(ShownChart, AThousandOtherMomentsLeaveTheShownChartAlone)
{
    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    form->optPlanetary->click();
    form->cmdToggleGraphic->click();
    const Snapshot before = Take();

    // A search over many days, as the durations and the runs will make it.
    ChartRequest request;
    request.intMode = modePlanetary;
    int intGrandTrines = 0;
    for (int d = 0; d < 1000; ++d) {
        request.dblChartJD[0] = 2451545.0 + d * 7.3;
        ChartResult result;
        ComputeChart(request, udtConfig, udtOrbTable, result);
        intGrandTrines += result.intPatternCount[patGrandTrine];
    }
    EXPECT_GT(intGrandTrines, 0); // the search did find something
    QApplication::processEvents();
    ExpectSame(before, Take());
}

TEST_F(ShownChart, AnInvalidDateLeavesTheWheelAndEverythingElse)
{
    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    form->optPlanetary->click();
    form->cmdToggleGraphic->click();
    ASSERT_TRUE(form->WheelShown());
    const Snapshot before = Take();

    FillDateSet(0, "2018", 2, 30, "14:30", "GMT+1:00"); // 30 February
    form->cmdCompute->click();
    EXPECT_EQ(ui::TakeMessageLog().size(), 1);
    Snapshot after = Take();
    after.dblMoments[0] = before.dblMoments[0]; // the invalid date's code is recorded for the stepping
    ExpectSame(before, after);
    EXPECT_LT(dblChartJD[0], 0);
    EXPECT_NE(form->picGraphic->Picture(), nullptr);

    // An undone step leaves it too.
    FillDateSet(0, "2799", 12, 31, "12:00", "GMT");
    form->cmdCompute->click();
    const Snapshot last = Take();
    form->cboForwardBack->setCurrentIndex(1);
    form->cmdForwardBack[0]->click();
    ui::TakeMessageLog();
    Snapshot stepped = Take();
    stepped.dblMoments[0] = last.dblMoments[0];
    ExpectSame(last, stepped);
    EXPECT_EQ(form->txbYearCE[0]->text(), QStringLiteral("2799"));
}

TEST_F(ShownChart, TheWheelNamesTheMomentComputedNotTheInputs)
{
    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    form->optPlanetary->click();
    FillDateSet(0, "2019", 7, 1, "08:00", "GMT");
    form->cmdToggleGraphic->click(); // shows the wheel of the chart computed
    EXPECT_TRUE(PrintedWheelTexts().contains(QStringLiteral("Mar. 5, 2018")));
    EXPECT_TRUE(PrintedWheelTexts().contains(QStringLiteral("14:30 GMT+1:00")));
    EXPECT_FALSE(PrintedWheelTexts().contains(QStringLiteral("July 1, 2019")));
}

TEST_F(ShownChart, EnterThenTheWheelButtonShowsTheWheel)
{
    form->optPlanetary->click();
    form->show();
    // The user types a year, presses Enter, then clicks the wheel button: the
    // year field loses its focus on the way, which must not hide the button.
    form->txbYearCE[0]->setText(QStringLiteral("2020"));
    form->txbYearCE_KeyUp(0, 13);
    form->txbYearCE_LostFocus(0);
    EXPECT_FALSE(form->cmdToggleGraphic->isHidden());
    form->cmdToggleGraphic->click();
    EXPECT_TRUE(form->WheelShown());
    form->cmdToggleGraphic->click();

    // A year typed but not computed: the table no longer matches.
    form->txbYearCE[0]->setText(QStringLiteral("2021"));
    form->txbYearCE_LostFocus(0);
    EXPECT_TRUE(form->cmdToggleGraphic->isHidden());
}

TEST_F(ShownChart, ChoosingADayShowsTheValuesReadForTheWeekday)
{
    form->show();
    form->txbYearCE[1]->setText(QStringLiteral("19a90"));
    form->cboMonthCE[1]->setCurrentIndex(6);
    form->cboDayCE[1]->setCurrentIndex(15);
    form->cboDayCE_Click(1);
    EXPECT_EQ(form->cboDayCE[1]->toolTip(), QStringLiteral("Friday")); // 15 June 1990
    EXPECT_EQ(form->txbYearCE[1]->text(), QStringLiteral("1990"));
    EXPECT_EQ(form->cboHour[1]->currentText(), QStringLiteral("12:00"));
}

TEST_F(ShownChart, SteppingIsOnlyOfferedWhereTheModeUsesTheCurrentMoment)
{
    FillDateSet(1, "1990", 6, 15, "12:00", "GMT");
    FillDateSet(2, "1985", 1, 2, "06:00", "GMT");
    const struct {
        QRadioButton* option;
        bool blnStepping;
    } modes[] = { { form->optNatal[0], false }, { form->optPlanetary, true }, { form->optSynastry, false },
        { form->optPersonal[1], true }, { form->optNatal[1], false } };
    for (const auto& mode : modes) {
        mode.option->click();
        EXPECT_EQ(form->cmdForwardBack[0]->isEnabled(), mode.blnStepping) << mode.option->text().toStdString();
        EXPECT_EQ(form->cmdForwardBack[1]->isEnabled(), mode.blnStepping);
        EXPECT_EQ(form->cboForwardBack->isEnabled(), mode.blnStepping);
    }
}

TEST_F(ShownChart, EveryCaptionFitsInBothLanguages)
{
    for (int intLanguage : { intLangEnglish, intLangGerman }) {
        SetInterfaceLanguage(intLanguage);
        form->SetLanguageDependentText();
        for (QAbstractButton* button : form->findChildren<QAbstractButton*>()) {
            if (button->text().isEmpty() || button->window() != form.get())
                continue;
            // The text, and for option buttons their indicator and gap.
            const bool blnOption = qobject_cast<QRadioButton*>(button) != nullptr;
            const int intNeeded = button->fontMetrics().horizontalAdvance(button->text()) + (blnOption ? 22 : 8);
            EXPECT_LE(intNeeded, button->width()) << intNeeded << " > " << button->width() << " "
                                                  << button->text().toStdString() << " in language " << intLanguage;
        }
        for (QLabel* label : form->findChildren<QLabel*>()) {
            if (label->parent() == form->picTable || label->text().isEmpty() || label->window() != form.get())
                continue;
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                << label->text().toStdString() << " in language " << intLanguage;
        }
    }
}
