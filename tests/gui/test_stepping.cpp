// Stepping the current moment through the real window, and switching
// between the table and the wheel.
#include "WindowSupport.h"
#include "astro/AstroTables.h"
#include "drawing/PictureBox.h"
#include "drawing/RecordedPicture.h"
#include "text/Texts.h"
#include "ui/MessageBoxes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace qal;
using qal::test::MainWindowTest;

namespace {

class Stepping : public MainWindowTest {
protected:
    // Sets date set 0, selects the interval and steps once.
    QString Step(const char* strYear, int intMonth, int intDay, const char* strHour, int intInterval, bool blnForward)
    {
        FillDateSet(0, strYear, intMonth, intDay, strHour, "GMT");
        form->cboForwardBack->setCurrentIndex(intInterval);
        form->cmdForwardBack[blnForward ? 0 : 1]->click();
        return Shown();
    }
    // Date set 0 as it reads now: "2019-01-01 00:00".
    QString Shown() const
    {
        return QStringLiteral("%1-%2-%3 %4")
            .arg(form->txbYearCE[0]->text())
            .arg(form->cboMonthCE[0]->currentIndex(), 2, 10, QLatin1Char('0'))
            .arg(form->cboDayCE[0]->currentIndex(), 2, 10, QLatin1Char('0'))
            .arg(form->cboHour[0]->currentText());
    }
};

enum { kHalfHour, kDay, kWeek, kMonth, kYear };

} // namespace

TEST_F(Stepping, CarriesThroughTheCalendar)
{
    form->optPlanetary->click();
    struct Case {
        const char* year;
        int month, day;
        const char* hour;
        int interval;
        bool forward;
        const char* expected;
    };
    const Case cases[] = {
        { "2018", 12, 31, "23:30", kHalfHour, true, "2019-01-01 00:00" },
        { "2020", 3, 1, "00:00", kHalfHour, false, "2020-02-29 23:30" },
        { "2019", 3, 1, "00:00", kHalfHour, false, "2019-02-28 23:30" },
        { "2019", 1, 1, "00:00", kHalfHour, false, "2018-12-31 23:30" },
        { "2019", 3, 3, "12:00", kWeek, false, "2019-02-24 12:00" },
        { "2019", 2, 28, "12:00", kWeek, true, "2019-03-07 12:00" },
        { "2019", 12, 28, "12:00", kWeek, true, "2020-01-04 12:00" },
        { "2019", 1, 31, "12:00", kMonth, true, "2019-02-28 12:00" },
        { "2019", 3, 31, "12:00", kMonth, false, "2019-02-28 12:00" },
        { "2020", 3, 31, "12:00", kMonth, false, "2020-02-29 12:00" },
        { "2019", 1, 15, "12:00", kMonth, false, "2018-12-15 12:00" },
        { "2020", 2, 29, "12:00", kYear, true, "2021-02-28 12:00" },
        { "2020", 2, 29, "12:00", kYear, false, "2019-02-28 12:00" },
        { "2019", 12, 31, "06:00", kDay, true, "2020-01-01 06:00" },
        { "2019", 3, 1, "06:00", kDay, false, "2019-02-28 06:00" },
        { "2018", 3, 5, "14:30", kDay, true, "2018-03-06 14:30" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(Step(c.year, c.month, c.day, c.hour, c.interval, c.forward).toStdString(), c.expected)
            << c.year << "-" << c.month << "-" << c.day << " " << c.hour << " interval " << c.interval;
    // Each step computed the new moment.
    EXPECT_NEAR(dblChartJD[0], 2458184.0 + 2.5 / 24, 1e-9); // 6 March 2018, 14:30 GMT
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty());
}

TEST_F(Stepping, AnEmptyHourStepsFromTheStartOfTheDay)
{
    form->optPlanetary->click();
    EXPECT_EQ(Step("2019", 5, 10, "", kHalfHour, true).toStdString(), "2019-05-10 00:00");
    EXPECT_EQ(Step("2019", 5, 10, "", kHalfHour, false).toStdString(), "2019-05-09 23:30");
}

TEST_F(Stepping, AStepOutOfTheRangeIsReportedAndUndone)
{
    form->optPlanetary->click();
    EXPECT_EQ(Step("2799", 12, 31, "12:00", kDay, true).toStdString(), "2799-12-31 12:00");
    const auto log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0].strText, GetText(4) + QLatin1Char(' ') + GetText(148));
    EXPECT_FALSE(form->blnStepping);
    EXPECT_EQ(Step("1", 1, 1, "00:00", kHalfHour, false).toStdString(), "1-01-01 00:00");
    EXPECT_EQ(ui::TakeMessageLog().size(), 1u);
}

TEST_F(Stepping, TheYearIsReadAsTheComputationReadsIt)
{
    form->optPlanetary->click();
    // Stray characters are dropped, as when computing; a minus sign is no sign.
    EXPECT_EQ(Step("12a3", 6, 1, "12:00", kYear, true).toStdString(), "124-06-01 12:00");
    EXPECT_EQ(Step("2,018", 6, 1, "12:00", kDay, true).toStdString(), "2018-06-02 12:00");
    EXPECT_EQ(Step("-5", 6, 1, "12:00", kYear, true).toStdString(), "6-06-01 12:00");
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty());
    // No year to step from: reported like an invalid date, nothing changes.
    EXPECT_EQ(Step("", 1, 1, "00:00", kDay, true).toStdString(), "-01-01 00:00");
    const auto log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0].strText, GetText(4) + QLatin1Char(' ') + GetText(145));
    EXPECT_EQ(log[0].strTitle, GetText(153));
    EXPECT_FALSE(form->blnStepping);
}

TEST_F(Stepping, ARunStepsForwardUntilStoppedAndABackStepNeverRunsOn)
{
    form->optPlanetary->click();
    FillDateSet(0, "2018", 3, 5, "12:00", "GMT");
    form->cboForwardBack->setCurrentIndex(kDay);

    // The pacing timer's ticks and the stop click arrive as window events
    // while the run waits; here they are posted instead of waited for.
    int intTicks = 0;
    std::function<void()> tick = [&] {
        ++intTicks;
        form->Timer2_Timer();
        if (intTicks == 3)
            form->blnRunning = false; // the stop button
        else
            QTimer::singleShot(0, form.get(), tick);
    };
    QTimer::singleShot(0, form.get(), tick);
    form->blnRunning = true;
    form->cmdForwardBack_Click(0);
    EXPECT_EQ(Shown().toStdString(), "2018-03-07 12:00"); // two steps, then stopped
    EXPECT_EQ(form->Timer2->interval(), 1000);
    EXPECT_FALSE(form->Timer2->isActive());
    EXPECT_FALSE(form->blnStepping);

    // Back while a run is on: one step only.
    form->blnRunning = true;
    QTimer::singleShot(0, form.get(), [&] { form->blnRunning = false; });
    form->cmdForwardBack_Click(1);
    EXPECT_EQ(Shown().toStdString(), "2018-03-06 12:00");
    form->blnRunning = false;

    // A pattern count of the earlier moment does not survive a step.
    for (int& c : form->intPatternCount)
        c = 9;
    form->cmdForwardBack_Click(0);
    for (int c : form->intPatternCount)
        EXPECT_NE(c, 9);
}

TEST_F(Stepping, TableAndWheelViews)
{
    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    form->optPlanetary->click();
    EXPECT_EQ(form->cmdToggleGraphic->text(), GetText(37));
    form->cmdToggleGraphic->click();
    EXPECT_TRUE(form->picGraphic->isVisible());
    EXPECT_FALSE(form->picTable->isVisible());
    EXPECT_EQ(form->cmdToggleGraphic->text(), GetText(41));
    EXPECT_EQ(form->picGraphic->width(), 400);
    const RecordedPicture* first = form->picGraphic->Picture();
    ASSERT_NE(first, nullptr);
    int intGlyphs = 0;
    for (const PictureOp& op : first->Ops())
        intGlyphs += op.kind == PictureOp::Kind::Glyph ? 1 : 0;
    EXPECT_EQ(intGlyphs, 20); // ten bodies, placed and printed again over the lines
    EXPECT_TRUE(PrintedWheelTexts().contains(QStringLiteral("Mar. 5, 2018")));
    EXPECT_TRUE(PrintedWheelTexts().contains(QStringLiteral("14:30 GMT+1:00")));
    EXPECT_TRUE(PrintedWheelTexts().contains(QStringLiteral("Orbs: 4° to 10°")));

    // Every computation redraws the wheel while it is shown.
    form->cboForwardBack->setCurrentIndex(kDay);
    form->cmdForwardBack[0]->click();
    EXPECT_TRUE(form->picGraphic->isVisible());
    EXPECT_TRUE(PrintedWheelTexts().contains(QStringLiteral("Mar. 6, 2018")));
    // Editing inputs while the wheel is shown leaves the view alone.
    form->DateSetChanged(0);
    EXPECT_FALSE(form->cmdToggleGraphic->isHidden());

    // Two charts: the two-ring wheel.
    FillDateSet(1, "1990", 6, 15, "12:00", "GMT");
    form->optPersonal[0]->click();
    EXPECT_EQ(form->picGraphic->width(), 660);
    EXPECT_EQ(form->cmdToggleGraphic->text(), GetText(41));
    EXPECT_TRUE(PrintedWheelTexts().contains(GetText(5)));
    EXPECT_TRUE(PrintedWheelTexts().contains(QStringLiteral("June 15, 1990, 12:00 GMT")));

    form->cmdToggleGraphic->click();
    EXPECT_FALSE(form->picGraphic->isVisible());
    EXPECT_TRUE(form->picTable->isVisible());
    EXPECT_EQ(form->cmdToggleGraphic->text(), GetText(37));

    // With the table shown, editing a date set the mode uses hides the
    // wheel button until the next computation.
    form->DateSetChanged(2);
    EXPECT_FALSE(form->cmdToggleGraphic->isHidden());
    form->DateSetChanged(1);
    EXPECT_TRUE(form->cmdToggleGraphic->isHidden());
    form->cmdCompute->click();
    EXPECT_FALSE(form->cmdToggleGraphic->isHidden());
}
