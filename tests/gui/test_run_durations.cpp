// Runs until a pattern appears and the durations window, through the window's
// controls. The run's pacing timer is driven by calling its handler.
#include "TestSupport.h"
#include "WindowSupport.h"
#include "aspects/Aspects.h"
#include "astro/Longitudes.h"
#include "chart/ChartCompute.h"
#include "dialogs/frmDurations.h"
#include "dialogs/frmRun.h"
#include "settings/Configuration.h"
#include "settings/RegistrySwitches.h"
#include "text/Texts.h"
#include "ui/Clipboard.h"
#include "ui/ModalDialogs.h"
#include "ui/UiScript.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>

#include <functional>
#include <memory>

using namespace qal;
using qal::test::MainWindowTest;

namespace {

class Runs : public MainWindowTest {
protected:
    // 5 March 2018, 14:30 in GMT+1:00, Planetary, half-hour steps.
    void SetUp() override
    {
        MainWindowTest::SetUp();
        FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
        form->optPlanetary->click();
        form->cboForwardBack->setCurrentIndex(0);
    }
    // What the user chooses in the run dialog.
    void ChooseInRunDialog(int intPattern, int intAtLeast = 0)
    {
        ui::QueueModalAction([this, intPattern, intAtLeast] {
            frmRun* dialog = form->RunDialog();
            if (intPattern >= 0) {
                dialog->cboAspectPattern->setCurrentIndex(intPattern);
                Q_EMIT dialog->cboAspectPattern->activated(intPattern);
            }
            if (intAtLeast > 0 && !dialog->chkTwoOrMore->isChecked())
                dialog->chkTwoOrMore->click();
            if (intAtLeast > 0)
                dialog->cboNumToFind->setCurrentIndex(intAtLeast - 2);
            if (intAtLeast == 0 && dialog->chkTwoOrMore->isChecked())
                dialog->chkTwoOrMore->click();
            dialog->cmdRun->click();
        });
    }
    // Ticks of the pacing timer while a run waits, each after the last has been
    // handled; a later call ends the ticks of an earlier one.
    void TickWhileRunning(const std::function<void(int)>& onTick = {})
    {
        const int intChain = ++m_intChain;
        auto intTicks = std::make_shared<int>(0);
        // The fixture owns the chain; each tick holds it only weakly.
        m_tick = std::make_shared<std::function<void()>>();
        std::weak_ptr<std::function<void()>> weakTick = m_tick;
        *m_tick = [this, intChain, intTicks, weakTick, onTick] {
            const auto tick = weakTick.lock();
            if (!tick || !form->blnRunning || intChain != m_intChain)
                return;
            if (!form->blnWaitingForTimer) { // between two steps: not yet the timer's turn
                QTimer::singleShot(0, form.get(), *tick);
                return;
            }
            ++*intTicks;
            if (onTick)
                onTick(*intTicks);
            form->Timer2_Timer();
            QTimer::singleShot(0, form.get(), *tick);
        };
        QTimer::singleShot(0, form.get(), *m_tick);
    }
    // Sets date set 0 to the first noon from 2018 on whose chart holds
    // pattern kind intKind at least intCount times, found by the core.
    void GoToPattern(int intKind, int intCount)
    {
        ChartRequest request;
        request.intMode = modePlanetary;
        for (int d = 0; d < 3000; ++d) {
            request.dblChartJD[0] = 2458120.0 + d;
            ChartResult result;
            ComputeChart(request, udtConfig, udtOrbTable, result);
            if (result.intPatternCount[intKind] < intCount)
                continue;
            EuroDate date;
            date.calendar = platform::kGregorian;
            date.dayNumber = static_cast<int>(request.dblChartJD[0] + 0.5);
            platform::JdnToEuroDate(date);
            FillDateSet(0, QByteArray::number(date.year).constData(), date.month, date.day, "12:00", "GMT");
            form->cmdCompute->click();
            return;
        }
        FAIL() << "no such chart";
    }

    int m_intChain = 0;
    std::shared_ptr<std::function<void()>> m_tick;
};

} // namespace

TEST_F(Runs, CancellingTheDialogStartsNothing)
{
    ui::QueueModalAction([this] { form->RunDialog()->cmdCancel->click(); });
    form->cmdRun->click();
    EXPECT_FALSE(form->blnRunning);
    EXPECT_TRUE(form->RunDialog()->blnRunCancelled);
    EXPECT_DOUBLE_EQ(dblChartJD[0], 2458183.0625);
}

TEST_F(Runs, APatternAlreadyPresentEndsTheRunAfterTheFirstStep)
{
    const int p = patGrandTrine;
    GoToPattern(p, 1);
    const double dblStart = dblChartJD[0];
    ChooseInRunDialog(p);
    form->cmdRun->click();
    EXPECT_FALSE(form->blnRunning);
    EXPECT_DOUBLE_EQ(dblChartJD[0], dblStart + 1.0 / 48); // one step
    const auto log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0].strText, strPatternName[p] + QStringLiteral(" found."));
    EXPECT_EQ(log[0].strTitle, GetText(122));
    EXPECT_EQ(form->cmdRun->text(), GetText(36));
    EXPECT_TRUE(form->cmdCompute->isEnabled()); // the controls are back
}

TEST_F(Runs, FindAtLeastNamesTheCountInWordsAndKeepsTheTSquaresCapital)
{
    GoToPattern(patTSquare, 2);
    ASSERT_GE(form->intPatternCount[patTSquare], 2);
    // The day before: the run steps into it, half an hour at a time.
    form->cboForwardBack->setCurrentIndex(1);
    form->cmdForwardBack[1]->click();
    form->cboForwardBack->setCurrentIndex(0);
    ChooseInRunDialog(patTSquare, 2);
    TickWhileRunning();
    form->cmdRun->click();
    EXPECT_FALSE(form->blnRunning);
    const auto log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].strText.endsWith(QStringLiteral(" T-squares found."))) << log[0].strText.toStdString();
    EXPECT_GE(form->intPatternCount[patTSquare], 2);
    EXPECT_TRUE(log[0].strText.startsWith(NumberToWords(form->intPatternCount[patTSquare], false)));
}

TEST_F(Runs, StoppingARunAndQuittingDuringOne)
{
    // In a Personal mode no dialog: a run until stopped.
    FillDateSet(1, "1990", 6, 15, "08:30", "GMT");
    form->optPersonal[0]->click();
    form->cboForwardBack->setCurrentIndex(1);
    TickWhileRunning([this](int intTick) {
        if (intTick == 3) {
            EXPECT_FALSE(form->cmdCompute->isEnabled()); // the controls wait for the run
            EXPECT_TRUE(form->cmdRun->isEnabled());
            EXPECT_EQ(form->cmdRun->text(), GetText(43));
            form->cmdRun->click(); // stop
        }
    });
    form->cmdRun->click();
    EXPECT_FALSE(form->blnRunning);
    EXPECT_EQ(form->cmdRun->text(), GetText(36));
    EXPECT_TRUE(form->cmdCompute->isEnabled());
    EXPECT_DOUBLE_EQ(dblChartJD[0], 2458183.0625 + 3); // three steps, the stop came in the third wait

    // The quit button ends a run, and the program, at once.
    TickWhileRunning([this](int) { form->cmdQuit->click(); });
    form->cmdRun->click();
    EXPECT_TRUE(form->Ended());
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty());
}

TEST_F(Runs, TheGermanMessageSaysGefunden)
{
    form->optGerman->click();
    const int p = patGrandTrine;
    GoToPattern(p, 1);
    ChooseInRunDialog(p);
    form->cmdRun->click();
    EXPECT_FALSE(form->RunDialog()->lblGefunden->isHidden());
    EXPECT_EQ(ui::TakeMessageLog().value(0).strText, strPatternName[p] + QStringLiteral(" gefunden."));
}

TEST_F(Runs, ExactMomentsUnderEachAspectAreRemembered)
{
    form->cmdReport->click();
    frmDurations* window = form->DurationsWindow();
    EXPECT_FALSE(window->chkExactMoments->isChecked()); // off until asked for
    const int intLines
        = static_cast<int>(window->txbOutput->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts).size());
    window->chkExactMoments->click();
    EXPECT_TRUE(ReadExactMomentsSwitch());
    const QStringList lines = window->txbOutput->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2 * intLines); // a line under each aspect (this sky has no patterns)
    // Mars semisextile Jupiter, exact within its days (27 February to 12 March 2018).
    ASSERT_TRUE(lines[0].startsWith(QStringLiteral("Mars    0°15' (semisextile)   Jupiter")));
    const QRegularExpression course(
        QStringLiteral("^ {8}exact: 2018-03-(\\d\\d) (\\d\\d):(\\d\\d) \\(1 pass\\); within orb from 2018-02-2\\d "
                       "\\d\\d:\\d\\d to 2018-03-1[12] \\d\\d:\\d\\d$"));
    const QRegularExpressionMatch m = course.match(lines[1]);
    ASSERT_TRUE(m.hasMatch()) << lines[1].toStdString();
    // At that minute (GMT+1:00; 1 March 2018 began at JD 2458178.5) the two
    // stand 30° apart to within a minute of arc.
    const double t
        = 2458177.5 + m.captured(1).toInt() + (m.captured(2).toInt() * 60 + m.captured(3).toInt() - 60) / 1440.0;
    const LongitudeSource source = EphemerisSource(false);
    EXPECT_NEAR(ShorterArc(source(4, t), source(5, t)), test::Rad(30), test::Rad(1 / 60.0));
    for (int i = 1; i < lines.size(); i += 2) {
        EXPECT_TRUE(lines[i].startsWith(QStringLiteral("        exact: "))
            || lines[i].startsWith(QStringLiteral("        not exact")))
            << lines[i].toStdString();
    }

    // Remembered: the next report shows them at once; in German too.
    window->cmdClose->click();
    form->optGerman->click();
    form->cmdReport->click();
    EXPECT_TRUE(window->chkExactMoments->isChecked());
    EXPECT_EQ(window->chkExactMoments->text(), QStringLiteral("Exakte Zeitpunkte"));
    EXPECT_TRUE(window->txbOutput->toPlainText().contains(QStringLiteral("(1 Durchgang); im Orbis vom 2018-02-2")));

    // A sky with a grand trine: the patterns follow, each with the moments
    // it formed and dissolves.
    window->cmdClose->click();
    form->optEnglish->click();
    GoToPattern(patGrandTrine, 1);
    form->cmdReport->click();
    const QStringList parts = window->txbOutput->toPlainText().split(QStringLiteral("\n\nAspect patterns:\n"));
    ASSERT_EQ(parts.size(), 2);
    const QStringList patterns = parts[1].split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    qsizetype intReported = 0; // the report's pattern lines
    for (const QString& line : form->Reports().strReport.split(QStringLiteral("\r\n"))) {
        for (int k = 0; k < intNumPatternKinds; ++k)
            intReported += line.startsWith(strPatternName[k] + QStringLiteral(": ")) ? 1 : 0;
    }
    EXPECT_EQ(patterns.size(), intReported);
    const QRegularExpression span(QStringLiteral(
        ": formed 20\\d\\d-\\d\\d-\\d\\d \\d\\d:\\d\\d, dissolves 20\\d\\d-\\d\\d-\\d\\d \\d\\d:\\d\\d$"));
    bool blnTrine = false;
    for (const QString& line : patterns) {
        EXPECT_TRUE(span.match(line).hasMatch()) << line.toStdString();
        blnTrine = blnTrine || line.startsWith(QStringLiteral("Grand trine: "));
    }
    EXPECT_TRUE(blnTrine);
    window->cmdClose->click();
    form->optGerman->click();
    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    form->cmdCompute->click();

    // The details of an aspect carry them too.
    window->cmdClose->click();
    const qal::test::AspectCell cell
        = FindAspectCell([](const qal::test::AspectCell& c) { return c.intColBody == 5 && c.intRowBody == 4; });
    ASSERT_GE(cell.intIndex, 0);
    ui::QueueMsgAnswer(ui::MsgAnswer::No);
    form->txbCell_DblClick(cell.intIndex);
    const QList<ui::MessageRecord> log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].strText.contains(QStringLiteral("\r\n\r\nexakt: 2018-03-") + m.captured(1)))
        << log[0].strText.toStdString();
    EXPECT_TRUE(log[0].strText.contains(QStringLiteral("\r\nim Orbis vom ")));
}

TEST_F(Runs, ExactMomentsOfPersonalTransits)
{
    // Transits to a natal chart with its Moon: every stretch within orb is
    // found at both ends, the natal Moon's too (a transiting Saturn keeps
    // its trine for weeks), and no patterns follow, as the chart lists none.
    FillDateSet(1, "1970", 6, 1, "08:00", "GMT+1:00");
    form->optPersonal[0]->click();
    form->cmdReport->click();
    frmDurations* window = form->DurationsWindow();
    if (!window->chkExactMoments->isChecked())
        window->chkExactMoments->click();
    const QString strText = window->txbOutput->toPlainText();
    EXPECT_TRUE(strText.contains(QStringLiteral("n.Moon    1°29' (trine)         tr.Saturn"))) << strText.toStdString();
    const QStringList lines = strText.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    int intCourses = 0;
    for (const QString& line : lines) {
        if (!line.startsWith(QStringLiteral("        ")))
            continue;
        ++intCourses;
        EXPECT_TRUE(line.contains(QStringLiteral("; within orb from 20"))) << line.toStdString();
        EXPECT_FALSE(line.contains(QStringLiteral("unknown"))) << line.toStdString();
    }
    EXPECT_EQ(intCourses, lines.size() / 2);
    EXPECT_FALSE(strText.contains(GetText(TextId::AspectPatternsHeader)));
}

TEST_F(Runs, TheDurationsOfAllCurrentAspects)
{
    form->cmdReport->click();
    frmDurations* window = form->DurationsWindow();
    ASSERT_TRUE(window->isVisible());
    EXPECT_TRUE(
        window->lblTitle->text().startsWith(GetText(159) + QStringLiteral(" March 5, 2018, 14:30 (GMT+1:00) ")));
    EXPECT_EQ(window->cboSortBy->currentIndex(), sortOrb);
    EXPECT_EQ(window->cboSortBy->count(), 7);
    EXPECT_TRUE(window->chkShowDuration->isChecked());
    QStringList lines = window->txbOutput->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 17);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Mars    0°15' (semisextile)   Jupiter from February 27, 2018,  "
                                                   "to March 12, 2018      (14 days)")))
        << lines[0].toStdString();
    const qsizetype intMoonAspects = window->txbOutput->toPlainText().count(QStringLiteral("(Moon aspect"));
    // The dates stand in one column.
    const qsizetype intFrom = lines[0].indexOf(QStringLiteral(" from "));
    for (const QString& line : lines) {
        if (!line.contains(QStringLiteral("Moon aspect"))) {
            EXPECT_EQ(line.indexOf(QStringLiteral(" from ")), intFrom) << line.toStdString();
        }
    }

    // Sorting by beginning shows the durations and leaves out the Moon.
    window->chkShowDuration->click();
    EXPECT_FALSE(window->chkShowDuration->isChecked());
    window->cboSortBy->setCurrentIndex(sortBeginning);
    EXPECT_TRUE(window->chkShowDuration->isChecked());
    lines = window->txbOutput->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), 17 - intMoonAspects);
    EXPECT_FALSE(window->txbOutput->toPlainText().contains(QStringLiteral("Moon")));

    window->cmdCopy->click();
    EXPECT_EQ(ui::ClipboardText(),
        window->lblTitle->text() + QStringLiteral("\r\n\r\n")
            + window->txbOutput->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
    // Asked again while shown: brought to the front, nothing rebuilt.
    window->cboSortBy->setCurrentIndex(sortEnd);
    form->cmdReport->click();
    EXPECT_EQ(window->cboSortBy->currentIndex(), sortEnd);
    window->cmdClose->click();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Runs, ANatalSummaryInGermanAndNoAspectsToReport)
{
    form->optGerman->click();
    FillDateSet(1, "1990", 6, 15, "08:30", "GMT+2:00");
    form->optNatal[0]->click();
    form->cmdReport->click();
    frmDurations* window = form->DurationsWindow();
    EXPECT_TRUE(window->chkShowDuration->isHidden());
    const QString strText = window->txbOutput->toPlainText();
    EXPECT_TRUE(strText.startsWith(QStringLiteral("In diesem Horoskop gibt es "))) << strText.toStdString();
    EXPECT_TRUE(strText.contains(QStringLiteral("Nach Genauigkeit geordnet: ")));
    EXPECT_TRUE(strText.trimmed().endsWith(GetText(87)));
    window->cmdClose->click();

    // Without any aspect in the table only a message.
    for (int i = 0; i < 7; ++i)
        udtConfig.intOrbIndex[i] = 0;
    form->optEnglish->click();
    form->optPlanetary->click();
    form->cmdReport->click();
    EXPECT_FALSE(window->isVisible());
    auto log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0].strText, GetText(383));
    EXPECT_EQ(log[0].strTitle, form->cmdReport->text());
    form->optPersonal[0]->click();
    form->cmdReport->click();
    EXPECT_EQ(ui::TakeMessageLog().value(0).strText, GetText(382));
}
