// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The windows beside the main window, driven through their controls: the
// configuration dialog, the run dialog and runs, the durations window, the
// text viewer and the notices; and qal-cli giving the charts the window shows.
#include "TestSupport.h"
#include "WindowSupport.h"
#include "chart/AspectCourse.h"
#include "chart/ChartCompute.h"
#include "chart/TimeStep.h"
#include "dialogs/frmConfigure.h"
#include "dialogs/frmDurations.h"
#include "dialogs/frmPopUp.h"
#include "dialogs/frmRun.h"
#include "dialogs/frmView.h"
#include "platform/Registry3.h"
#include "settings/Configuration.h"
#include "settings/RegistrySwitches.h"
#include "text/Texts.h"
#include "ui/Clipboard.h"
#include "ui/ModalDialogs.h"
#include "ui/UiScript.h"
#include "util/Twips.h"
#include "util/Version.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

using namespace qal;
using qal::test::Control;
using qal::test::MainWindowTest;

namespace {

class Dialogs : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
        optPlanetary()->click();
        cboForwardBack()->setCurrentIndex(stepHalfHour);
    }
    // Chooses list item intIndex as a user does.
    static void Choose(QComboBox* list, int intIndex)
    {
        list->setCurrentIndex(intIndex);
        Q_EMIT list->activated(intIndex);
    }
    // A control of the configuration dialog, the run dialog or the durations window.
    template <typename T> T* Configure(const char* strName, int intIndex = -1)
    {
        return Control<T>(form->ConfigureDialog(), strName, intIndex);
    }
    template <typename T> T* Run(const char* strName) { return Control<T>(form->RunDialog(), strName); }
    template <typename T> T* Durations(const char* strName) { return Control<T>(form->DurationsWindow(), strName); }
    // The durations window's text once the exact moments are worked out.
    QString DurationsOutput()
    {
        test::WaitForJobs(form->DurationsWindow());
        return Durations<QPlainTextEdit>("txbOutput")->toPlainText();
    }
    QStringList DurationLines() { return DurationsOutput().split(QLatin1Char('\n'), Qt::SkipEmptyParts); }

    // What the user does in the run dialog: a pattern kind (−1 none), at least a number, Run.
    void ChooseInRunDialog(int intPattern, int intAtLeast = 0)
    {
        ui::QueueModalAction([this, intPattern, intAtLeast] {
            if (intPattern >= 0)
                Choose(Run<QComboBox>("cboAspectPattern"), intPattern);
            if ((intAtLeast > 0) != Run<QCheckBox>("chkTwoOrMore")->isChecked())
                Run<QCheckBox>("chkTwoOrMore")->click();
            if (intAtLeast > 0)
                Run<QComboBox>("cboNumToFind")->setCurrentIndex(intAtLeast - 2);
            Run<QPushButton>("cmdRun")->click();
        });
    }
    // Ticks of the pacing timer while a run waits (as window events, each after
    // the step before was handled); onTick sees each tick's number.
    void TickWhileRunning(const std::function<void(int)>& onTick = {})
    {
        m_tick = std::make_shared<std::function<void()>>();
        std::weak_ptr<std::function<void()>> weakTick = m_tick;
        auto intTicks = std::make_shared<int>(0);
        *m_tick = [this, weakTick, intTicks, onTick] {
            const auto tick = weakTick.lock();
            if (!tick || !form->Running())
                return;
            if (Timer2()->isActive()) { // the run waits: the timer's turn
                ++*intTicks;
                if (onTick)
                    onTick(*intTicks);
                form->Timer2_Timer();
            }
            QTimer::singleShot(0, form.get(), *tick);
        };
        QTimer::singleShot(0, form.get(), *m_tick);
    }
    // Date set 0 at the first noon from 2018 on whose chart holds pattern
    // kind intKind at least intCount times, found by the core.
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
            const QDate date = QDate::fromJulianDay(static_cast<qint64>(request.dblChartJD[0] + 0.5));
            FillDateSet(0, QByteArray::number(date.year()).constData(), date.month(), date.day(), "12:00", "GMT");
            cmdCompute()->click();
            return;
        }
        FAIL() << "no such chart";
    }
    std::shared_ptr<std::function<void()>> m_tick;
};

TEST_F(Dialogs, UseSettingsAppliesAndRecomputesCancelPutsBackAndTheButtonPlacesTheDialog)
{
    frmConfigure* dialog = form->ConfigureDialog();
    const QRect mainBefore = form->frameGeometry();
    ui::QueueModalAction([&] {
        Choose(Configure<QComboBox>("cboOrb", 0), 12); // conjunction 12°
        Configure<QRadioButton>("optVedicAstrology")->click();
        Configure<QCheckBox>("chkDisplayNATZabbr")->click(); // North American zone names
        EXPECT_EQ(form->windowTitle(), GetText(1) + QStringLiteral(" - Planetary  Orbs: 4° to 10°")); // nothing yet
        Configure<QPushButton>("cmdAccept")->click();
        EXPECT_TRUE(dialog->isVisible()); // the dialog stays open
        EXPECT_EQ(form->windowTitle(), GetText(1) + QStringLiteral(" - Planetary  Orbs: 4° to 12°"));
        EXPECT_EQ(Cell(10, 0), GetText(46)); // the sidereal zodiac
        EXPECT_EQ(cboTimezone(0)->itemText(14), QStringLiteral("EST/CDT"));
        EXPECT_EQ(cboTimezone(0)->currentText(), QStringLiteral("GMT+1:00")); // each date set keeps its zone
        Configure<QPushButton>("cmdHide")->click();
    });
    cmdConfigure()->click();
    // Placed beside the main window as far as the screen allows, the main window moved to meet it.
    const int intScreenWidth = form->screen()->availableGeometry().right() + 1;
    const int intLeft = std::min(mainBefore.right() + 1, intScreenWidth - dialog->frameGeometry().width());
    EXPECT_EQ(dialog->frameGeometry().left(), intLeft);
    EXPECT_EQ(dialog->frameGeometry().top(), mainBefore.top());
    EXPECT_EQ(form->frameGeometry().left(), std::max(0, intLeft - mainBefore.width()));

    // Changes that Cancel puts back; what was used stays.
    ui::QueueModalAction([&] {
        Choose(Configure<QComboBox>("cboOrb", 2), 1);
        dialog->lblAspectColor_MouseUp(2, Qt::LeftButton);
        Configure<QPushButton>("cmdCancel")->click();
    });
    cmdConfigure()->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(udtConfig.intOrbIndex[0], 12);
    EXPECT_EQ(udtConfig.intOrbIndex[2], 6);
    EXPECT_TRUE(udtConfig.blnSidereal);
    EXPECT_EQ(Cell(10, 0), GetText(46));
    dialog->show(); // the next opening shows the accepted orbs and colours
    EXPECT_EQ(Configure<QComboBox>("cboOrb", 2)->currentIndex(), 6);
    EXPECT_EQ(Configure<QLabel>("lblAspectColor", 2)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    dialog->hide();
}

TEST_F(Dialogs, ColourLinesSetAllResetAndTheCloseBox)
{
    frmConfigure* dialog = form->ConfigureDialog();
    dialog->show();
    const auto shown = [&] { return Configure<QLabel>("lblAspectColor", 0)->palette().color(QPalette::WindowText); };
    EXPECT_EQ(shown(), QColor(255, 255, 0));
    QMouseEvent release(
        QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(Configure<QLabel>("lblAspectColor", 0), &release); // a click on the line
    EXPECT_EQ(shown(), QColor(255, 0, 255)); // the next palette colour
    dialog->lblAspectColor_MouseUp(0, Qt::RightButton);
    EXPECT_EQ(shown(), QColor(Qt::black)); // off: black on black
    dialog->lblAspectColor_MouseUp(0, Qt::RightButton);
    EXPECT_EQ(shown(), QColor(255, 0, 255)); // back on
    dialog->lblAspectColor_MouseUp(0, Qt::RightButton);
    Configure<QPushButton>("cmdAccept")->click();
    EXPECT_EQ(udtConfig.dblAspectColor[1], 0); // conjunctions draw no lines now

    // "Set all" refuses zero and asks before setting the other non-zero orbs.
    Choose(Configure<QComboBox>("cboOrb", intSetAllOrbList), 0);
    EXPECT_EQ(ui::TakeMessageLog().value(0).strText, QStringLiteral("Cannot set all non-zero orbs to zero."));
    Choose(Configure<QComboBox>("cboOrb", 5), 0);
    Choose(Configure<QComboBox>("cboOrb", intSetAllOrbList), 3);
    ui::QueueMsgAnswer(ui::MsgAnswer::Yes);
    Configure<QPushButton>("cmdSetAllNonzeroOrbsToConjunctionOrb")->click();
    EXPECT_EQ(
        ui::TakeMessageLog().value(0).strText, GetText(391).replace(QStringLiteral("NEW_ORB"), QStringLiteral("3°")));
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(Configure<QComboBox>("cboOrb", i)->currentIndex(), i == 5 ? 0 : 3) << i;
    EXPECT_EQ(udtConfig.intOrbIndex[0], 3); // accepted at once

    // Bold face and the midpoint orb follow their controls.
    Configure<QCheckBox>("chkUseBoldface")->click();
    EXPECT_FALSE(Configure<QComboBox>("cboBoldfaceFactor")->isEnabled());
    Choose(Configure<QComboBox>("cboOrbForMidpoints"), 5);
    EXPECT_EQ(udtConfig.cboOrbForMidpoints, 5);

    // Reset asks, and keeps the zodiac while "Keep selected zodiac" is ticked.
    Configure<QRadioButton>("optVedicAstrology")->click();
    Configure<QPushButton>("cmdAccept")->click();
    ui::QueueMsgAnswer(ui::MsgAnswer::No);
    Configure<QPushButton>("cmdReset")->click();
    EXPECT_EQ(udtConfig.intOrbIndex[0], 3);
    ui::QueueMsgAnswer(ui::MsgAnswer::Yes);
    Configure<QPushButton>("cmdReset")->click();
    EXPECT_EQ(ui::TakeMessageLog().value(1).strText, GetText(396) + strCrLf + GetText(395));
    EXPECT_EQ(udtConfig.intOrbIndex[0], 10);
    EXPECT_TRUE(udtConfig.blnSidereal);
    Configure<QCheckBox>("chkKeepZodiac")->click();
    ui::QueueMsgAnswer(ui::MsgAnswer::Yes);
    Configure<QPushButton>("cmdReset")->click();
    EXPECT_FALSE(udtConfig.blnSidereal);
    EXPECT_EQ(Cell(10, 0), GetText(47)); // applied and recomputed

    // The close box resets everything, with a message, and hides the dialog.
    Choose(Configure<QComboBox>("cboOrb", 1), 2);
    Configure<QPushButton>("cmdAccept")->click();
    ui::TakeMessageLog();
    dialog->close();
    EXPECT_EQ(ui::TakeMessageLog().value(0).strText, GetText(394) + strCrLf + GetText(393) + strCrLf + GetText(392));
    EXPECT_EQ(udtConfig.intOrbIndex[1], 9);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(Dialogs, SwitchesStayAsUsedThroughReopeningHidingAndARestart)
{
    const auto use = [&](std::initializer_list<const char*> boxes, const char* strButton) {
        ui::QueueModalAction([&] {
            for (const char* strBox : boxes)
                Configure<QCheckBox>(strBox)->click();
            Configure<QPushButton>(strButton)->click();
            if (form->ConfigureDialog()->isVisible()) // the window of this start
                Configure<QPushButton>("cmdHide")->click();
        });
        cmdConfigure()->click();
    };
    use({ "chkSuppressInnerPlanetAspectDisplay", "chkSaveGraphicWithWhiteBackground", "chkDisplayNATZabbr" },
        "cmdAccept");
    use({}, "cmdHide"); // opened and hidden again: nothing changes
    EXPECT_FALSE(udtConfig.blnShowInnerPlanetAspects);
    EXPECT_TRUE(udtConfig.blnSaveGraphicWithWhiteBackground);
    EXPECT_EQ(cboTimezone(0)->itemText(14), QStringLiteral("EST/CDT"));
    use({ "chkSaveGraphicWithWhiteBackground" }, "cmdHide"); // ticked off but never used
    EXPECT_TRUE(udtConfig.blnSaveGraphicWithWhiteBackground);
    form->ConfigureDialog()->show(); // the dialog shows what applies
    EXPECT_TRUE(Configure<QCheckBox>("chkSaveGraphicWithWhiteBackground")->isChecked());
    form->ConfigureDialog()->hide();
    SetConfiguration(ConfigurationSettings());
    StartWindow(); // the next start applies what was used
    EXPECT_FALSE(udtConfig.blnShowInnerPlanetAspects);
    EXPECT_TRUE(udtConfig.blnSaveGraphicWithWhiteBackground);
    EXPECT_EQ(cboTimezone(0)->itemText(14), QStringLiteral("EST/CDT"));
    ui::TakeMessageLog();
    {
        test::FileSizeLimit full(10); // the settings file cannot be written: they apply, and the user is told
        if (!full.Active())
            GTEST_SKIP() << "no file-size limit on this system";
        use({ "chkSuppressInnerPlanetAspectDisplay" }, "cmdAccept");
    }
    EXPECT_TRUE(udtConfig.blnShowInnerPlanetAspects);
    EXPECT_TRUE(ui::TakeMessageLog().value(0).strText.startsWith(GetText(TextId::SwitchesNotKept).left(20)));
}

TEST_F(Dialogs, StoredSwitchesHoldAtTheNextStartAndTheDialogFitsInBothLanguages)
{
    platform::WriteRegistryString(
        platform::HkeyCurrentUser, strSwitchesKeyPath, QStringLiteral("Moon"), QStringLiteral("0"));
    platform::WriteRegistryString(
        platform::HkeyCurrentUser, strSwitchesKeyPath, QStringLiteral("IPAD"), QStringLiteral("x"));
    SetConfiguration(ConfigurationSettings());
    StartWindow();
    EXPECT_FALSE(Configure<QCheckBox>("chkIncludeTransitingMoon")->isChecked());
    EXPECT_FALSE(udtConfig.blnIncludeTransitingMoon);
    QString strValue;
    platform::ReadRegistryString(platform::HkeyCurrentUser, strSwitchesKeyPath, QStringLiteral("IPAD"), strValue);
    EXPECT_EQ(strValue, QStringLiteral("1")); // the malformed value was replaced

    frmConfigure* dialog = form->ConfigureDialog();
    for (QRadioButton* language : { optEnglish(), optGerman() }) {
        language->click();
        dialog->show();
        QApplication::processEvents();
        EXPECT_LE(dialog->height(), 9660 / 15);
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
            if (button->text().isEmpty())
                continue;
            const int intIndicator = qobject_cast<QPushButton*>(button) ? 8 : 22;
            EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + intIndicator, button->width())
                << button->text().toStdString();
        }
        dialog->hide();
    }
}

TEST_F(Dialogs, RunsEndWhenThePatternIsFoundWhenStoppedOrWhenQuitting)
{
    // The dialog's choices: "at least" needs a pattern, "until finding" without
    // one runs until stopped, the close box cancels.
    ui::QueueModalAction([this] {
        Run<QRadioButton>("optRunUntilFinding")->click();
        Run<QCheckBox>("chkTwoOrMore")->click();
        EXPECT_FALSE(Run<QCheckBox>("chkTwoOrMore")->isChecked());
        Run<QRadioButton>("optRunUntilStopped")->click();
        form->RunDialog()->close();
    });
    cmdToggleGraphic()->click();
    cmdRun()->click();
    EXPECT_FALSE(form->Running());
    EXPECT_DOUBLE_EQ(dblChartJD[0], 2458183.0625); // cancelled: nothing

    // A pattern already present: found after the first step.
    GoToPattern(patGrandTrine, 1);
    const double dblStart = dblChartJD[0];
    ChooseInRunDialog(patGrandTrine);
    cmdRun()->click();
    EXPECT_FALSE(form->Running());
    EXPECT_DOUBLE_EQ(dblChartJD[0], dblStart + 1.0 / 48);
    auto log = ui::TakeMessageLog();
    EXPECT_EQ(log.value(0).strText, strPatternName[patGrandTrine] + QStringLiteral(" found."));
    EXPECT_TRUE(cmdCompute()->isEnabled()); // the controls are back

    // At least two T-squares, stepped into from the day before: the count in words.
    GoToPattern(patTSquare, 2);
    cboForwardBack()->setCurrentIndex(stepDay);
    cmdForwardBack(1)->click();
    cboForwardBack()->setCurrentIndex(stepHalfHour);
    ChooseInRunDialog(patTSquare, 2);
    TickWhileRunning();
    cmdRun()->click();
    log = ui::TakeMessageLog();
    EXPECT_TRUE(log.value(0).strText.endsWith(QStringLiteral(" T-squares found.")))
        << log.value(0).strText.toStdString();

    // In a Personal mode no dialog: a run until stopped; the controls wait.
    FillDateSet(1, "1990", 6, 15, "08:30", "GMT");
    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    optPersonal(0)->click();
    cboForwardBack()->setCurrentIndex(stepDay);
    TickWhileRunning([this](int intTick) {
        if (intTick == 3) {
            EXPECT_FALSE(cmdCompute()->isEnabled());
            EXPECT_FALSE(cmdToggleGraphic()->isEnabled()); // the view stays, so Stop stays in reach
            EXPECT_EQ(cmdRun()->text(), GetText(43));
            cmdRun()->click(); // stop
        }
    });
    cmdRun()->click();
    EXPECT_EQ(cmdRun()->text(), GetText(36));
    EXPECT_DOUBLE_EQ(dblChartJD[0], 2458183.0625 + 3); // the stop came in the third wait
    // A run that meets the end of the years ends there by itself.
    FillDateSet(0, "2799", 12, 30, "12:00", "GMT");
    TickWhileRunning();
    cmdRun()->click();
    EXPECT_FALSE(form->Running());
    EXPECT_EQ(cmdRun()->text(), GetText(36));
    EXPECT_EQ(txbYearCE(0)->text() + cboDayCE(0)->currentText(), QStringLiteral("279931"));
    EXPECT_TRUE(cmdCompute()->isEnabled() && cmdToggleGraphic()->isEnabled());
    ui::TakeMessageLog();
    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    TickWhileRunning([this](int) { cmdQuit()->click(); }); // quitting ends a run, and the program
    cmdRun()->click();
    EXPECT_TRUE(form->Ended() && ui::TakeMessageLog().isEmpty());
}

TEST_F(Dialogs, InGermanARunSaysGefunden)
{
    optGerman()->click();
    cmdToggleGraphic()->click();
    GoToPattern(patGrandTrine, 1);
    ChooseInRunDialog(patGrandTrine);
    cmdRun()->click();
    EXPECT_FALSE(Run<QLabel>("lblGefunden")->isHidden());
    EXPECT_EQ(ui::TakeMessageLog().value(0).strText, strPatternName[patGrandTrine] + QStringLiteral(" gefunden."));
}

TEST_F(Dialogs, TheDurationsOfAllCurrentAspectsSortedCopiedAndWithExactMoments)
{
    cmdReport()->click();
    frmDurations* window = form->DurationsWindow();
    ASSERT_TRUE(window->isVisible());
    EXPECT_TRUE(Durations<QLabel>("lblTitle")
                    ->text()
                    .startsWith(GetText(159) + QStringLiteral(" March 5, 2018, 14:30 (GMT+1:00) ")));
    QStringList lines = DurationLines();
    ASSERT_EQ(lines.size(), 17);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral(
        "Mars    0°15' (semisextile)   Jupiter from February 27, 2018,  to March 12, 2018      (14 days)")))
        << lines[0].toStdString();
    // Sorting by beginning shows the durations and leaves out the Moon.
    Durations<QCheckBox>("chkShowDuration")->click();
    Durations<QComboBox>("cboSortBy")->setCurrentIndex(sortBeginning);
    EXPECT_TRUE(Durations<QCheckBox>("chkShowDuration")->isChecked());
    EXPECT_FALSE(Durations<QPlainTextEdit>("txbOutput")->toPlainText().contains(QStringLiteral("Moon")));
    Durations<QPushButton>("cmdCopy")->click();
    EXPECT_EQ(ui::ClipboardText(),
        Durations<QLabel>("lblTitle")->text() + QStringLiteral("\r\n\r\n")
            + Durations<QPlainTextEdit>("txbOutput")->toPlainText().replace(QLatin1Char('\n'), strCrLf));
    cmdReport()->click(); // asked again while shown: brought to the front, nothing rebuilt
    EXPECT_EQ(Durations<QComboBox>("cboSortBy")->currentIndex(), sortBeginning);

    // Exact moments: a line under each aspect, remembered for the next time.
    Durations<QComboBox>("cboSortBy")->setCurrentIndex(sortOrb);
    Durations<QCheckBox>("chkExactMoments")->click();
    EXPECT_TRUE(ReadExactMomentsSwitch());
    lines = DurationLines();
    // Seventeen aspects, each with its course below (a long one on two
    // lines); this sky has no patterns.
    EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("^\\S"))).size(), 17);
    EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("^        (exact|never exact)"))).size(), 17);
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("        exact: 2018-03-0"))) << lines[1].toStdString();
    Durations<QPushButton>("cmdClose")->click();
    EXPECT_FALSE(window->isVisible());
    // The details of an aspect carry them too, in German.
    optGerman()->click();
    const test::AspectCell cell
        = FindAspectCell([](const test::AspectCell& c) { return c.intColBody == 5 && c.intRowBody == 4; });
    ui::QueueMsgAnswer(ui::MsgAnswer::No);
    form->txbCell_DblClick(cell.intIndex);
    EXPECT_TRUE(ui::TakeMessageLog().value(0).strText.contains(QStringLiteral("\r\n\r\nexakt: 2018-03-0")));

    // A sky with a grand trine: the patterns follow with when they formed and dissolve.
    optEnglish()->click();
    GoToPattern(patGrandTrine, 1);
    cmdReport()->click();
    const QStringList parts = DurationsOutput().split(QStringLiteral("\n\nAspect patterns:\n"));
    ASSERT_EQ(parts.size(), 2);
    EXPECT_TRUE(parts[1].contains(
        QRegularExpression(QStringLiteral("Grand trine: .*: formed 20\\d\\d-\\d\\d-\\d\\d \\d\\d:\\d\\d, dissolves "
                                          "20\\d\\d-\\d\\d-\\d\\d \\d\\d:\\d\\d"))));
}

// Stepped, and with other orbs, while the durations window is open: the
// exact moments, the patterns' spans and the calendar it then gives keep to
// the chart and orbs it was filled with; Cancel leaves its list as it was.
TEST_F(Dialogs, TheDurationsWindowKeepsToTheChartAndOrbsItWasFilledWith)
{
    StoreExactMomentsSwitch(false);
    GoToPattern(patGrandTrine, 1);
    cmdReport()->click();
    const DurationsContent filled = form->DurationsWindow()->Content();
    const QString strWithoutMoments = DurationsOutput();

    // Exact moments asked for and cancelled before they are known: the list
    // stays as it was.
    {
        const test::WorkPoolHold busy;
        Durations<QCheckBox>("chkExactMoments")->click();
        Control<QPushButton>(form->DurationsWindow(), "cmdCancel")->click();
    }
    EXPECT_FALSE(Durations<QCheckBox>("chkExactMoments")->isChecked());
    EXPECT_EQ(DurationsOutput(), strWithoutMoments);

    cboForwardBack()->setCurrentIndex(1); // a day on
    cmdForwardBack(0)->click();
    ui::QueueModalAction([&] {
        Choose(Configure<QComboBox>("cboOrb", intSetAllOrbList), 3);
        ui::QueueMsgAnswer(ui::MsgAnswer::Yes);
        Configure<QPushButton>("cmdSetAllNonzeroOrbsToConjunctionOrb")->click();
        Configure<QPushButton>("cmdAccept")->click();
        Configure<QPushButton>("cmdHide")->click();
    });
    cmdConfigure()->click();
    ui::TakeMessageLog();
    ASSERT_FALSE(form->ShownDurationInputs() == filled.inputs);
    ASSERT_FALSE(udtOrbTable == filled.orbs);

    // What the chart and orbs it was filled with give, and what the live ones would.
    const auto courses = [&](const DurationInputs& in, const OrbTable& orbs) {
        const PatternSky sky = MakePatternSky(
            filled.positions.dblLongitude[0], filled.positions.intNumBodies, orbs, MidpointOrbRadians(udtConfig));
        return WorkOutCourses(filled.strDurationRecord, in, orbs, PatternOccurrences(sky, false), sky.dblMidpointOrb, {});
    };
    const DurationCourses expected = courses(filled.inputs, filled.orbs);
    const DurationCourses live = courses(form->ShownDurationInputs(), udtOrbTable);
    ASSERT_FALSE(expected.patterns.empty());
    Durations<QCheckBox>("chkExactMoments")->click();
    const QString strText = DurationsOutput();
    int intDiffering = 0;
    for (const QString& strRecord : filled.strDurationRecord) {
        const int z = filled.inputs.intTimezoneMinutes;
        const QString strLine = CourseText(expected.aspects.value(strRecord).stretch, z, QStringLiteral("; "));
        EXPECT_TRUE(strText.simplified().contains(strLine)) << strLine.toStdString(); // long lines wrap
        intDiffering += strLine != CourseText(live.aspects.value(strRecord).stretch, z, QStringLiteral("; "));
    }
    EXPECT_GT(intDiffering, 0); // the live chart and orbs would have given other lines
    EXPECT_TRUE(strText.endsWith(PatternSpansText(expected.patterns, filled.inputs.intTimezoneMinutes)
                                     .replace(strCrLf, QStringLiteral("\n"))));

    // The calendar: the same stretches and passes.
    QTemporaryDir dir;
    ui::QueueFileName(dir.filePath(QStringLiteral("sky.ics")));
    Durations<QPushButton>("cmdSaveCalendar")->click();
    ui::TakeMessageLog();
    QFile calendar(dir.filePath(QStringLiteral("sky.ics")));
    ASSERT_TRUE(calendar.open(QIODevice::ReadOnly));
    int intPasses = 0;
    for (const AspectStretch& aspect : expected.aspects)
        intPasses += static_cast<int>(aspect.stretch.exact.size());
    EXPECT_EQ(calendar.readAll().count("BEGIN:VEVENT"), expected.aspects.size() + intPasses);
}

TEST_F(Dialogs, PersonalTransitsNatalSummariesAndNothingToReport)
{
    // Transits to a natal chart: every stretch found at both ends, the natal
    // Moon's too, and no patterns, as the chart lists none.
    StoreExactMomentsSwitch(true);
    FillDateSet(1, "1970", 6, 1, "08:00", "GMT+1:00");
    optPersonal(0)->click();
    cmdReport()->click();
    const frmDurations* window = form->DurationsWindow();
    const QString strText = DurationsOutput();
    EXPECT_TRUE(strText.contains(QStringLiteral("n.Moon    1°29' (trine)         tr.Saturn"))) << strText.toStdString();
    for (const QString& line : strText.split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("        "))) {
            EXPECT_FALSE(line.contains(QStringLiteral("unknown"))) << line.toStdString();
        }
    }
    EXPECT_FALSE(strText.contains(GetText(TextId::AspectPatternsHeader)));
    // Saved as a calendar: each aspect's stretch and its passes; a folder
    // that is not there is named in the message.
    QTemporaryDir dir;
    ui::QueueFileName(dir.filePath(QStringLiteral("transits")));
    Durations<QPushButton>("cmdSaveCalendar")->click();
    EXPECT_TRUE(ui::TakeMessageLog().value(0).strText.startsWith(GetText(TextId::CalendarSaved)));
    QFile calendar(dir.filePath(QStringLiteral("transits.ics")));
    ASSERT_TRUE(calendar.open(QIODevice::ReadOnly));
    const QString strCalendar = QString::fromUtf8(calendar.readAll());
    EXPECT_GT(strCalendar.count(QStringLiteral("BEGIN:VEVENT")), window->Records().size());
    EXPECT_TRUE(strCalendar.contains(QStringLiteral("SUMMARY:Saturn trine to natal Moon (within orb)")))
        << strCalendar.left(2000).toStdString();
    // With the sky's events: the same aspects, and the lunations, the void
    // Moon, the returns to this birth chart and the rest among them.
    QCheckBox* sky = Durations<QCheckBox>("chkSkyEvents");
    ASSERT_TRUE(sky->isVisible());
    EXPECT_FALSE(sky->isChecked());
    sky->click();
    EXPECT_TRUE(ReadCalendarSkyEventsSwitch()); // remembered for the next time
    ui::QueueFileName(dir.filePath(QStringLiteral("with-sky.ics")));
    Durations<QPushButton>("cmdSaveCalendar")->click();
    ui::TakeMessageLog();
    QFile withSky(dir.filePath(QStringLiteral("with-sky.ics")));
    ASSERT_TRUE(withSky.open(QIODevice::ReadOnly));
    const QString strWithSky = QString::fromUtf8(withSky.readAll());
    for (const char* strSummary : { "SUMMARY:Saturn trine to natal Moon (within orb)", "SUMMARY:Moon void of course",
             "SUMMARY:Full moon in ", "SUMMARY:Lunar return", "SUMMARY:Solar return", " stations retrograde" })
        EXPECT_TRUE(strWithSky.contains(QLatin1String(strSummary))) << strSummary;
    EXPECT_GT(strWithSky.count(QStringLiteral("BEGIN:VEVENT")), strCalendar.count(QStringLiteral("BEGIN:VEVENT")) + 100);
    sky->click();
    EXPECT_FALSE(ReadCalendarSkyEventsSwitch());
    const QString strMissing = dir.filePath(QStringLiteral("missing/transits.ics"));
    ui::QueueFileName(strMissing);
    Durations<QPushButton>("cmdSaveCalendar")->click();
    EXPECT_TRUE(ui::TakeMessageLog().value(0).strText.contains(QDir::toNativeSeparators(strMissing)));
    Durations<QPushButton>("cmdClose")->click();

    // A natal chart in German: a summary instead of the list.
    optGerman()->click();
    FillDateSet(1, "1990", 6, 15, "08:30", "GMT+2:00");
    optNatal(0)->click();
    cmdReport()->click();
    const QString strSummary = Durations<QPlainTextEdit>("txbOutput")->toPlainText();
    EXPECT_EQ(Durations<QPlainTextEdit>("txbOutput")->lineWrapMode(), QPlainTextEdit::WidgetWidth); // prose wraps
    EXPECT_EQ(form->DurationsWindow()->windowTitle(), QStringLiteral("Dauer der aktuellen Aspekte"));
    EXPECT_TRUE(strSummary.startsWith(QStringLiteral("In diesem Horoskop gibt es "))) << strSummary.toStdString();
    EXPECT_TRUE(strSummary.trimmed().endsWith(GetText(87)));
    EXPECT_FALSE(Durations<QPushButton>("cmdSaveCalendar")->isVisible()); // a summary has no moments
    Durations<QPushButton>("cmdClose")->click();

    // Without any aspect only a message.
    for (int i = 0; i < 7; ++i)
        test::ChangeConfig([&](ConfigurationSettings& c) { c.intOrbIndex[i] = 0; });
    optEnglish()->click();
    optPlanetary()->click();
    cmdReport()->click();
    EXPECT_EQ(ui::TakeMessageLog().value(0).strText, GetText(383));
    optPersonal(0)->click();
    cmdReport()->click();
    EXPECT_EQ(ui::TakeMessageLog().value(0).strText, GetText(382));
}

TEST_F(Dialogs, TheViewerShowsTheManualInTheInterfaceLanguageAndCopies)
{
    form->show();
    cmdHelp()->click();
    frmView* viewer = form->ViewerWindow();
    ASSERT_TRUE(viewer->isVisible());
    EXPECT_FALSE(viewer->cmdCopyToClipboard->isVisible());
    EXPECT_TRUE(viewer->txbText1->toPlainText().contains(QStringLiteral("transit graph"), Qt::CaseInsensitive));
    EXPECT_TRUE(viewer->txbText1->toPlainText().startsWith(QStringLiteral("QAL %1 User Manual").arg(kQalVersion)));
    EXPECT_EQ(viewer->width(), form->frameGeometry().width() - Px(200));
    optGerman()->click();
    cmdHelp()->click();
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Hilfe"));
    EXPECT_TRUE(viewer->txbText1->toPlainText().contains(QStringLiteral("Transitgrafik")));
    EXPECT_EQ(viewer->cmdClose->text(), QStringLiteral("Schließen")); // every button in the interface language
    // The manual's About box: the version, the copyright, the licence and
    // that there is no warranty, where the source is, the credits.
    for (const bool blnGerman : { false, true }) {
        (blnGerman ? optGerman() : optEnglish())->click();
        cmdHelp()->click();
        ASSERT_TRUE(viewer->cmdAbout->isVisible());
        viewer->cmdAbout->click();
        const ui::MessageRecord about = ui::TakeMessageLog().value(0);
        EXPECT_EQ(about.strTitle, blnGerman ? QStringLiteral("Über QAL") : QStringLiteral("About QAL"));
        for (const QString& strPart : { QStringLiteral("QAL %1").arg(kQalVersion), QStringLiteral("AGPL-3.0-or-later"),
                 QStringLiteral("Copyright © 2026 QAL maintainers"), QStringLiteral("/usr/share/doc/qal/"),
                 QStringLiteral("qal-%1-source.tar.xz").arg(kQalVersion), QStringLiteral("Swiss Ephemeris"),
                 QStringLiteral("Qt"), blnGerman ? QStringLiteral("OHNE JEDE GEWÄHRLEISTUNG")
                                                 : QStringLiteral("NO WARRANTY") })
            EXPECT_TRUE(about.strText.contains(strPart)) << strPart.toStdString() << " " << blnGerman;
    }
    EXPECT_EQ(test::TextsThatDoNotFit(viewer), QStringList());
    EXPECT_EQ(test::TextsThatDoNotFit(viewer), QStringList());

    // Any file: copied whole with CR LF; the close box makes the next showing read it anew.
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("text.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("First line\nSecond");
    file.close();
    viewer->close();
    viewer->strFileName = file.fileName();
    viewer->blnHideCopyButton = false;
    viewer->show();
    EXPECT_EQ(viewer->cmdCopyToClipboard->text(), QStringLiteral("In die Zwischenablage kopieren"));
    viewer->txbText1->selectAll();
    viewer->txbText1_MouseUp();
    EXPECT_EQ(viewer->cmdCopyToClipboard->text(), QStringLiteral("Markierten Text in die Zwischenablage kopieren"));
    EXPECT_EQ(test::TextsThatDoNotFit(viewer), QStringList());
    optEnglish()->click();
    viewer->txbText1->moveCursor(QTextCursor::End);
    viewer->txbText1_MouseUp();
    EXPECT_EQ(viewer->cmdCopyToClipboard->text(), QStringLiteral("Copy to clipboard"));
    viewer->cmdCopyToClipboard->click();
    EXPECT_EQ(ui::ClipboardText(), QStringLiteral("First line\r\nSecond"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("two");
    file.close();
    viewer->cmdClose->click();
    viewer->show();
    EXPECT_EQ(viewer->txbText1->toPlainText(), QStringLiteral("First line\nSecond")); // hidden, not reloaded
    viewer->close();
    viewer->show();
    EXPECT_EQ(viewer->txbText1->toPlainText(), QStringLiteral("two"));
}

TEST(Viewer, LongTextsAreCutBetweenTwoNotes)
{
    QString strLong(intViewerMaxChars, QLatin1Char('a'));
    EXPECT_EQ(ViewerText(strLong.left(intViewerMaxChars - 1)), strLong.left(intViewerMaxChars - 1));
    const QString strShown = ViewerText(strLong);
    const QString strTail = QStringLiteral("NOTE: Entire contents of file have not been displayed.\r\n");
    EXPECT_TRUE(
        strShown.startsWith(QStringLiteral("NOTE: This file is too large to display entirely in this textbox.\r\n")));
    EXPECT_TRUE(strShown.endsWith(QStringLiteral("\r\n\r\n") + strTail));
    EXPECT_EQ(strShown.size(), intViewerMaxChars + 4); // notes and kept text make the limit, with two line breaks
}

TEST_F(Dialogs, ANoticeIsReplacedClosedByItsTimerOrAClickAndNeverTakesTheFocus)
{
    frmPopUp* notice = form->PopUpWindow();
    notice->PopUp(QStringLiteral("first"), 2400, 300, 2000, 1500, 3000);
    notice->PopUp(QStringLiteral("second"), 3000, 450, 5000, 1800, 4500);
    EXPECT_EQ(notice->lblMessage->text(), QStringLiteral("second"));
    EXPECT_EQ(notice->geometry(), QRect(300, 120, 200, 30)); // twips
    EXPECT_EQ(notice->Timer1->interval(), 5000);
    EXPECT_TRUE(notice->testAttribute(Qt::WA_ShowWithoutActivating));
    notice->Timer1_Timer();
    EXPECT_FALSE(notice->isVisible());
    notice->PopUpInForm(form.get(), QStringLiteral("third"), 2400, 300, 2000, 150, 300);
    EXPECT_EQ(notice->pos(), form->frameGeometry().topLeft() + QPoint(20, 10));
    notice->lblMessage_MouseUp();
    EXPECT_FALSE(notice->isVisible() || notice->Timer1->isActive()); // no later tick reopens it
    notice->PopUpCenterScreen(QStringLiteral("fourth"), 3000, 300, 1000);
    EXPECT_TRUE(notice->isVisible());

    // A text longer than the size asked for (German) is shown whole on one
    // line, and the notice still ends where it was to end.
    optGerman()->click();
    cmdSave()->click();
    EXPECT_EQ(notice->lblMessage->text(), QStringLiteral("Zustand gespeichert."));
    cmdRestore()->click();
    EXPECT_EQ(notice->lblMessage->text(), QStringLiteral("Zustand wiederhergestellt."));
    EXPECT_EQ(test::TextsThatDoNotFit(notice), QStringList());
    EXPECT_EQ(notice->lblMessage->heightForWidth(notice->lblMessage->width()), notice->lblMessage->sizeHint().height());
    EXPECT_NEAR(notice->geometry().right() + 1, cmdRestore()->mapToGlobal(QPoint(0, 0)).x() - Px(50), 1);
}

} // namespace
