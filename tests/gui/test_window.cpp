// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The main window driven as a user drives it: start-up, the date sets and
// the chart modes, computing and stepping, the language switch, the saved
// state and quitting, and the housekeeping tick. What a computation puts in
// the table is checked on the core (test_chart_compute.cpp); here, that each
// control calls the right thing and the window shows its result.
#include "TestSupport.h"
#include "WindowSupport.h"
#include "chart/TimeStep.h"
#include "dialogs/frmConfigure.h"
#include "dialogs/frmDurations.h"
#include "dialogs/frmPopUp.h"
#include "dialogs/frmRun.h"
#include "dialogs/frmPlace.h"
#include "dialogs/frmTimeMap.h"
#include "platform/Clock.h"
#include "platform/Registry3.h"
#include "settings/Configuration.h"
#include "settings/RegistrySwitches.h"
#include "text/Language.h"
#include "text/Texts.h"
#include "ui/ModalDialogs.h"
#include "ui/UiScript.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cstring>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace qal;
using qal::test::MainWindowTest;

namespace {

constexpr double kMarch2018 = 2458183.0625; // 5 March 2018, 14:30 in GMT+1:00 (and the test clock's 13:30 UTC)

class MainWindow : public MainWindowTest {
protected:
    void ComputeMarch2018()
    {
        FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
        optPlanetary()->click();
    }
    // Date set 0 as it reads now: "2019-01-01 00:00".
    QString Shown() const
    {
        return QStringLiteral("%1-%2-%3 %4")
            .arg(txbYearCE(0)->text())
            .arg(cboMonthCE(0)->currentIndex(), 2, 10, QLatin1Char('0'))
            .arg(cboDayCE(0)->currentIndex(), 2, 10, QLatin1Char('0'))
            .arg(cboHour(0)->currentText());
    }
    QByteArray UserStateBytes() const
    {
        QFile file(form->UserStateFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void WriteUserState(const QByteArray& bytes) const
    {
        QFile file(form->UserStateFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

TEST_F(MainWindow, StartsWithThePlanetaryChartOfNowAndTheConfigurationOnce)
{
    EXPECT_TRUE(form->isVisible() && form->IsLoaded() && Timer1()->isActive());
    EXPECT_FALSE(form->windowIcon().isNull()); // the program's icon, from the theme or beside its data
    EXPECT_FALSE(form->windowIcon().pixmap(48, 48).isNull());
    EXPECT_EQ(form->ChartMode(), modePlanetary);
    EXPECT_DOUBLE_EQ(dblChartJD[0], kMarch2018); // the test clock: 5 March 2018, 13:30 UTC
    EXPECT_EQ(cboTimezone(0)->currentText(), QStringLiteral("GMT"));
    EXPECT_FALSE(form->ConfigureDialog()->isVisible()); // shown, and hidden again by the user
    EXPECT_EQ(form->ConfigureDialog()->frameGeometry().top(), form->frameGeometry().top()); // beside the window
    EXPECT_GE(form->ConfigureDialog()->frameGeometry().left(), form->frameGeometry().left() + 100);
    EXPECT_EQ(form->UserStateFile(),
        QDir(test::TestFolders().strUserDataFolder).filePath(QStringLiteral("Brenvale/qal.usr")));
}

TEST(MainWindowStartUp, TheSkyOfNowInTheComputersOwnZone)
{
    // The computer's clock at 13:30 UTC in each zone: date set 0 shows the
    // local time of that moment (to the half hour) in the computer's zone by
    // its name, and the chart is the sky of that moment.
    const struct {
        const char* strZone;
        QDate date;
        const char* strShownZone;
        const char* strShownHour;
    } cases[] = {
        { "Pacific/Auckland", QDate(2018, 12, 5), "GMT+13:00 NZDT", "02:30" }, // daylight saving
        { "Pacific/Chatham", QDate(2018, 6, 5), "GMT+12:45", "02:00" }, // 02:15 rounded down
        { "Asia/Kathmandu", QDate(2018, 6, 5), "GMT+5:45", "19:00" }, // 19:15 rounded down
        { "America/St_Johns", QDate(2018, 7, 5), "GMT-2:30 NDT", "11:00" },
        { "Pacific/Pago_Pago", QDate(2018, 6, 5), "GMT-11:00 SST", "02:30" },
    };
    test::MainWindowControls controls;
    for (const auto& c : cases) {
        test::SetClock(QDateTime(c.date, QTime(13, 30), QTimeZone::utc()), c.strZone);
        test::ClearUserStore(); // a first start on this computer
        frmMain form;
        controls.AttachWindow(&form);
        ASSERT_TRUE(form.Form_Load(test::TestFolders()));
        EXPECT_TRUE(ui::TakeMessageLog().isEmpty()) << c.strZone;
        EXPECT_EQ(controls.cboTimezone(0)->currentText(), QString::fromLatin1(c.strShownZone)) << c.strZone;
        EXPECT_EQ(controls.cboHour(0)->currentText(), QString::fromLatin1(c.strShownHour)) << c.strZone;
        EXPECT_NEAR(dblChartJD[0], c.date.toJulianDay() + 13.5 / 24 - 0.5, 15.0 / 1440 + 1e-9) << c.strZone;
    }

    // A zone in no list entry: said once, and "now" is given in GMT.
    platform::SetTestClock(QDateTime(QDate(2018, 6, 5), QTime(13, 30), QTimeZone::utc()), QTimeZone(4 * 3600 + 900));
    frmMain form;
    controls.AttachWindow(&form);
    ASSERT_TRUE(form.Form_Load(test::TestFolders()));
    EXPECT_EQ(
        ui::TakeMessageLog().value(0).strText, GetTextWithMarkers(TextId::ZoneNotInList, QStringLiteral("+04:15")));
    EXPECT_EQ(controls.cboTimezone(0)->currentText() + controls.cboHour(0)->currentText(), QStringLiteral("GMT13:30"));
}

TEST(MainWindowStartUp, DataFilesThatAreMissingOrNotFilesEndTheProgramWithAMessage)
{
    const auto start = [](const QString& strFolder) {
        platform::AppFolders folders = test::TestFolders();
        folders.strDataFolder = strFolder;
        frmMain form;
        QElapsedTimer timer;
        timer.start();
        EXPECT_FALSE(form.Form_Load(folders));
        EXPECT_LT(timer.elapsed(), 2000); // a pipe is never waited for
        return ui::TakeMessageLog();
    };
    QTemporaryDir folder;
    auto log = start(folder.path());
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0].icon, ui::MsgIcon::Critical);
    EXPECT_EQ(log[0].strText,
        QStringLiteral("Cannot open file containing program text.\r\n") + folder.path() + QStringLiteral("/qal.dat"));
    ASSERT_TRUE(
        QFile::copy(test::DataFolder() + QStringLiteral("/qal.dat"), folder.filePath(QStringLiteral("qal.dat"))));
    log = start(folder.path());
    ASSERT_EQ(log.size(), 2);
    EXPECT_TRUE(log[0].strText.startsWith(QStringLiteral("Error when reading geocentric Pluto data.\r\n")));
    EXPECT_EQ(log[1].strText, GetText(2));
#ifdef Q_OS_UNIX
    for (const char* strFile : { "qal.dat", "pluto.slx" }) {
        QTemporaryDir special;
        if (std::strcmp(strFile, "pluto.slx") == 0)
            QFile::copy(test::DataFolder() + QStringLiteral("/qal.dat"), special.filePath(QStringLiteral("qal.dat")));
        ASSERT_EQ(mkfifo(QFile::encodeName(special.filePath(QString::fromLatin1(strFile))).constData(), 0600), 0);
        log = start(special.path());
        ASSERT_FALSE(log.isEmpty()) << strFile;
        EXPECT_TRUE(log[0].strText.startsWith(std::strcmp(strFile, "qal.dat") == 0
                ? QStringLiteral("Cannot open file containing program text.")
                : QStringLiteral("Error when reading geocentric Pluto data.")));
    }
#endif
}

TEST_F(MainWindow, EachModeComputesWhatItShowsAndAnInvalidDateChangesNothing)
{
    ComputeMarch2018();
    EXPECT_EQ(txbCell(27)->text(), QStringLiteral("Con\n0°57' +")); // on screen, line breaks only
    EXPECT_EQ(txbCell(10)->text(), QStringLiteral("\u2609\uFE0E")); // glyphs as astrological symbols
    EXPECT_EQ(txbReport()->toPlainText(), QString(form->Reports().strReport).replace(strCrLf, QStringLiteral("\n")));

    FillDateSet(1, "1990", 6, 15, "12:00", "GMT");
    FillDateSet(2, "1985", 1, 2, "06:00", "GMT");
    const struct {
        QRadioButton* option;
        int intMode;
        bool blnStepping;
    } modes[] = { { optNatal(0), modeNatal1, false }, { optPersonal(1), modePersonal2, true },
        { optSynastry(), modeSynastry, false }, { optNatal(1), modeNatal2, false },
        { optPersonal(0), modePersonal1, true }, { optPlanetary(), modePlanetary, true } };
    for (const auto& m : modes) {
        m.option->click();
        EXPECT_EQ(form->ChartMode(), m.intMode);
        EXPECT_EQ(form->windowTitle(), ChartTitle(m.intMode, udtOrbTable));
        EXPECT_EQ(txbReport1()->isVisible(), !IsSingleChartMode(m.intMode)) << m.intMode;
        EXPECT_EQ(cmdForwardBack(0)->isEnabled(), m.blnStepping) << m.intMode;
        EXPECT_EQ(cboForwardBack()->isEnabled(), m.blnStepping) << m.intMode;
    }
    optRadians()->click();
    EXPECT_EQ(Cell(2, 7), QStringLiteral("Con\r\n0.0165 +"));
    optDegrees()->click();

    // 31 April in natal chart 1: said once, back to the mode of the table, which stays.
    const QString strReport = txbReport()->toPlainText();
    FillDateSet(1, "2018", 4, 31, "12:00", "GMT");
    optNatal(0)->click();
    const auto log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0].strText, GetText(5) + QLatin1Char(' ') + GetText(146));
    EXPECT_TRUE(optPlanetary()->isChecked());
    EXPECT_EQ(txbReport()->toPlainText(), strReport);
    // Synastry reads date set 1 first; year 2800 is beyond the range.
    FillDateSet(1, "", 0, 0, "", "");
    optSynastry()->click();
    EXPECT_EQ(ui::TakeMessageLog().value(0).strText, GetText(5) + QLatin1Char(' ') + GetText(145));
    FillDateSet(0, "2800", 1, 1, "12:00", "GMT");
    cmdCompute()->click();
    EXPECT_EQ(ui::TakeMessageLog().value(0).strText, GetText(4) + QLatin1Char(' ') + GetText(148));
}

TEST_F(MainWindow, DateSetsClearNowEnterAndTheWeekday)
{
    // The lists as a user chooses in them.
    for (QComboBox* list : { cboMonthCE(1), cboHour(1), cboTimezone(1) }) {
        list->setCurrentIndex(2);
        Q_EMIT list->activated(2);
    }
    EXPECT_EQ(cboMonthCE(1)->currentIndex(), 2);

    FillDateSet(0, "20x18", 3, 5, "", "");
    cmdCompute()->click(); // what the computation read is written back
    EXPECT_EQ(form->InputDateToString(0, false), QStringLiteral("March 5, 2018, 12:00 (GMT)")); // the computer's zone
    EXPECT_EQ(txbYearCE(0)->text(), QStringLiteral("2018"));
    EXPECT_EQ(cboDayCE(0)->toolTip(), QStringLiteral("Monday"));

    // Choosing a day reads the set for its weekday.
    form->show();
    txbYearCE(1)->setText(QStringLiteral("19a90"));
    cboMonthCE(1)->setCurrentIndex(6);
    cboDayCE(1)->setCurrentIndex(15);
    form->cboDayCE_Click(1);
    EXPECT_EQ(cboDayCE(1)->toolTip(), QStringLiteral("Friday")); // 15 June 1990
    EXPECT_EQ(txbYearCE(1)->text(), QStringLiteral("1990"));

    ui::QueueMsgAnswer(ui::MsgAnswer::No);
    cmdClear(1)->click();
    EXPECT_EQ(txbYearCE(1)->text(), QStringLiteral("1990"));
    ui::QueueMsgAnswer(ui::MsgAnswer::Yes);
    cmdClear(1)->click();
    EXPECT_EQ(ui::TakeMessageLog().value(1).strText, GetText(342) + QLatin1Char(' ') + GetText(344));
    EXPECT_EQ(txbYearCE(1)->text() + cboTimezone(1)->currentText(), QString());

    // Enter in a year field computes when the mode uses that date set.
    ComputeMarch2018();
    FillDateSet(0, "2019", 3, 5, "14:30", "GMT+1:00");
    form->txbYearCE_KeyUp(1, 13);
    EXPECT_DOUBLE_EQ(dblChartJD[0], kMarch2018);
    const auto enter = [&](bool blnPress) { // through the event queue, as the keyboard delivers it
        if (blnPress)
            QCoreApplication::postEvent(txbYearCE(0), new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
        QCoreApplication::postEvent(txbYearCE(0), new QKeyEvent(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier));
        QCoreApplication::processEvents();
    };
    enter(true);
    EXPECT_DOUBLE_EQ(dblChartJD[0], kMarch2018 + 365);
    // Year 2900: the box says so once; the release of the Enter that closed it
    // lands in the field and must not open it again.
    txbYearCE(0)->setText(QStringLiteral("2900"));
    enter(true);
    enter(false);
    EXPECT_EQ(ui::TakeMessageLog().size(), 1);
    // A year typed but not computed: the wheel button waits for the computation.
    txbYearCE(0)->setText(QStringLiteral("2021"));
    form->txbYearCE_LostFocus(0);
    EXPECT_TRUE(cmdToggleGraphic()->isHidden());
    cmdNow()->click();
    EXPECT_DOUBLE_EQ(dblChartJD[0], kMarch2018); // the test clock
    EXPECT_FALSE(cmdToggleGraphic()->isHidden());
}

TEST_F(MainWindow, SteppingCarriesThroughTheCalendarAndUndoesAStepOutOfRange)
{
    optPlanetary()->click();
    const auto step
        = [&](const char* strYear, int intMonth, int intDay, const char* strHour, int intInterval, bool blnForward) {
              FillDateSet(0, strYear, intMonth, intDay, strHour, "GMT");
              cboForwardBack()->setCurrentIndex(intInterval);
              cmdForwardBack(blnForward ? 0 : 1)->click();
              return Shown().toStdString();
          };
    EXPECT_EQ(step("2018", 12, 31, "23:30", stepHalfHour, true), "2019-01-01 00:00");
    EXPECT_EQ(step("2020", 3, 31, "12:00", stepMonth, false), "2020-02-29 12:00");
    EXPECT_EQ(step("2018", 3, 5, "14:30", stepDay, true), "2018-03-06 14:30");
    EXPECT_EQ(step("2018", 11, 31, "12:00", stepDay, true), "2018-12-01 12:00"); // from a date that does not exist
    EXPECT_EQ(step("2018", 11, 31, "12:00", stepDay, false), "2018-11-30 12:00");
    EXPECT_NEAR(dblChartJD[0], 2458453.0, 1e-9); // each step computed its moment: 30 November 2018, 12:00
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty());

    EXPECT_EQ(step("2799", 12, 31, "12:00", stepDay, true), "2799-12-31 12:00"); // undone
    EXPECT_EQ(ui::TakeMessageLog().value(0).strText, GetText(4) + QLatin1Char(' ') + GetText(148));
    EXPECT_EQ(step("", 1, 1, "00:00", stepDay, true), "-01-01 00:00"); // no year to step from
    EXPECT_EQ(ui::TakeMessageLog().value(0).strText, GetText(4) + QLatin1Char(' ') + GetText(145));
}

TEST_F(MainWindow, SwitchingToGermanAndBackRecomputesInTheLanguageAndIsRemembered)
{
    ComputeMarch2018();
    optGerman()->click();
    EXPECT_EQ(form->windowTitle(), GetText(1) + QStringLiteral(" - Planetenstand  Orben: 4° bis 10°"));
    EXPECT_EQ(Cell(2, 7), QStringLiteral("Kon\r\n0°57' +"));
    EXPECT_EQ(cboMonthCE(0)->currentText(), QStringLiteral("März"));
    EXPECT_EQ(cboDayCE(0)->toolTip(), QStringLiteral("Montag"));
    // Qt's own buttons (of every question box) speak German too.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
    EXPECT_EQ(test::Control<QPushButton>(form->ConfigureDialog(), "cmdHide")->text(), QStringLiteral("Ausblenden"));
    StartWindow(); // the next start finds German again
    EXPECT_TRUE(optGerman()->isChecked());
    EXPECT_EQ(cmdCompute()->text(), QStringLiteral("Berechnen"));
    optEnglish()->click();
    EXPECT_EQ(Cell(10, 0), QStringLiteral("Tropical zodiac"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));

    // Before start-up has finished the switch computes nothing.
    frmMain fresh;
    test::Control<QRadioButton>(&fresh, "optGerman")->click();
    EXPECT_EQ(test::Control<QPushButton>(&fresh, "cmdCompute")->text(), QStringLiteral("Berechnen"));
    EXPECT_EQ(fresh.ChartMode(), modeNone);
}

TEST_F(MainWindow, SaveAsLoadRestoreAndQuitting)
{
    QTemporaryDir dir;
    FillDateSet(1, "1990", 6, 15, "08:30", "GMT+2:00");
    FillDateSet(2, "1985", 1, 2, "06:00", "GMT");
    optNatal(1)->click();
    cboForwardBack()->setCurrentIndex(3);
    test::ChangeConfig([&](ConfigurationSettings& c) { c.intOrbIndex[0] = c.cboOrb[0] = 12; });
    test::ChangeConfig([&](ConfigurationSettings& c) { c.blnSidereal = true; });
    const QByteArray saved = form->CurrentStateText();
    const QString strFile = dir.filePath(QStringLiteral("chart")); // ".qal" is added
    ui::QueueFileName(strFile);
    cmdSaveAs()->click();
    EXPECT_EQ(ui::TakeFileDialogLog().value(0).strFilter, GetText(131) + QStringLiteral(" (*.qal) | *.qal"));
    EXPECT_EQ(form->PopUpWindow()->lblMessage->text(), GetText(128));

    // Everything changed, then loaded back and computed.
    FillDateSet(2, "2000", 1, 1, "00:00", "GMT");
    optPlanetary()->click();
    SetConfiguration(ConfigurationSettings());
    ui::QueueFileName(strFile + QStringLiteral(".qal"));
    cmdLoadState()->click();
    EXPECT_EQ(form->CurrentStateText(), saved);
    EXPECT_EQ(form->ChartMode(), modeNatal2);
    EXPECT_TRUE(test::Control<QRadioButton>(form->ConfigureDialog(), "optVedicAstrology")->isChecked());
    EXPECT_EQ(lblNotice()->text(), GetText(387) + QStringLiteral(" chart.qal"));
    optGerman()->click(); // the notice follows the language
    EXPECT_EQ(lblNotice()->text(), QStringLiteral("Geladen: chart.qal"));
    optEnglish()->click();
    // A Natal-2 state with an incomplete date set is loaded, not computed,
    // also while the wheel is shown.
    FillDateSet(2, "1985", 1, 0, "06:00", "GMT");
    ASSERT_EQ(form->SaveState(dir.filePath(QStringLiteral("incomplete.qal"))), QString());
    optPlanetary()->click();
    cmdToggleGraphic()->click();
    ui::QueueFileName(dir.filePath(QStringLiteral("incomplete.qal")));
    cmdLoadState()->click();
    EXPECT_TRUE(optNatal(1)->isChecked());
    EXPECT_EQ(form->ChartMode(), modePlanetary);
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty());

    // Save and Restore with the user's own file; a notice under each button.
    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    optPlanetary()->click();
    cmdSave()->click();
    FillDateSet(0, "2019", 1, 1, "00:00", "GMT");
    cmdRestore()->click();
    EXPECT_DOUBLE_EQ(dblChartJD[0], kMarch2018);
    EXPECT_EQ(form->PopUpWindow()->lblMessage->text(), GetText(399));
    // Under the button, ending at its left edge.
    const QPoint offset = form->PopUpWindow()->pos() - cmdRestore()->mapToGlobal(QPoint(0, 0));
    EXPECT_NEAR(offset.x(), -2450 / 15, 1); // twips to pixels
    EXPECT_NEAR(offset.y(), 475 / 15, 1);

    // Quitting asks, except within six ticks of a save; Yes saves first.
    for (int i = 0; i < 6; ++i)
        form->Timer1_Timer();
    EXPECT_FALSE(form->StateJustSaved());
    ui::QueueMsgAnswer(ui::MsgAnswer::Cancel);
    cmdQuit()->click();
    EXPECT_EQ(ui::TakeMessageLog().value(0).strText, GetText(149));
    QFile::remove(form->UserStateFile());
    ui::QueueMsgAnswer(ui::MsgAnswer::Yes);
    cmdQuit()->click();
    EXPECT_TRUE(form->Ended() && QFileInfo::exists(form->UserStateFile()));
    ui::TakeMessageLog();
    StartWindow(); // where the user left off
    EXPECT_DOUBLE_EQ(dblChartJD[0], kMarch2018);
    form->close(); // closing the window asks nothing
    EXPECT_TRUE(form->Ended() && ui::TakeMessageLog().isEmpty());
}

TEST_F(MainWindow, ARefusedStateChangesNothingAndAnUnreadableOwnStateIsNeverLost)
{
    ComputeMarch2018();
    test::ChangeConfig([&](ConfigurationSettings& c) { c.intOrbIndex[0] = 7; });
    cmdCompute()->click();
    QList<QByteArray> lines = form->CurrentStateText().split('\n');
    QTemporaryDir dir;
    QFile damaged(dir.filePath(QStringLiteral("damaged.qal")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(lines.mid(0, 40).join('\n') + "\n25"); // a colour cut short, and nothing after it
    damaged.close();
    const QByteArray before = form->CurrentStateText();
    const QString strCell = Cell(2, 7);
    ui::QueueFileName(damaged.fileName());
    cmdLoadState()->click();
    auto log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0].strText,
        GetText(386) + strCrLf + damaged.fileName() + strCrLf + strCrLf
            + QStringLiteral("The file ends before line 42.") + strCrLf + GetText(TextId::NothingChanged));
    EXPECT_EQ(form->CurrentStateText(), before);
    EXPECT_EQ(Cell(2, 7), strCell);

    // The user's own state damaged: the sky of now from the defaults, said
    // once; the file stays, and is saved over only on the user's word.
    test::ChangeConfig([&](ConfigurationSettings& c) { c.blnSidereal = true; });
    cmdSave()->click();
    const QByteArray cut = UserStateBytes().split('\n').mid(0, 40).join('\n') + "\n25";
    WriteUserState(cut);
    ui::TakeMessageLog();
    SetConfiguration(ConfigurationSettings());
    StartWindow();
    EXPECT_DOUBLE_EQ(dblChartJD[0], kMarch2018);
    EXPECT_FALSE(udtConfig.blnSidereal);
    log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].strText.startsWith(GetTextWithMarkers(TextId::UserStateUnreadable, form->UserStateFile())));
    cmdRestore()->click();
    EXPECT_TRUE(ui::TakeMessageLog().value(0).strText.endsWith(GetText(TextId::NothingChanged)));
    ui::QueueMsgAnswer(ui::MsgAnswer::No);
    cmdSave()->click();
    EXPECT_EQ(ui::TakeMessageLog().value(0).strText,
        GetTextWithMarkers(TextId::ReplaceUnreadableUserState, form->UserStateFile()));
    ui::QueueMsgAnswer(ui::MsgAnswer::Yes); // quitting: save, but not over the damaged file
    ui::QueueMsgAnswer(ui::MsgAnswer::No);
    cmdQuit()->click();
    EXPECT_FALSE(form->Ended());
    EXPECT_EQ(UserStateBytes(), cut);
    ui::TakeMessageLog();
    ui::QueueMsgAnswer(ui::MsgAnswer::Yes);
    cmdSave()->click();
    EXPECT_NE(UserStateBytes(), cut);
    cmdSave()->click(); // asked once only
    EXPECT_EQ(ui::TakeMessageLog().size(), 1);
}

TEST_F(MainWindow, AFailedSaveNamesTheFileAndKeepsTheOldOne)
{
    cmdSave()->click();
    const QByteArray old = UserStateBytes();
    FillDateSet(0, "2026", 12, 6, "10:00", "GMT");
    {
        test::FileSizeLimit full(old.size() / 2);
        if (!full.Active())
            GTEST_SKIP() << "no file-size limit on this system";
        cmdSave()->click();
    }
    const auto log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].strText.startsWith(GetTextWithMarkers(TextId::StateNotSavedIn, form->UserStateFile())));
    EXPECT_EQ(UserStateBytes(), old);

    optGerman()->click(); // in the interface language
    QTemporaryDir dir;
    ui::QueueFileName(dir.filePath(QStringLiteral("missing/x.qal")));
    cmdSaveAs()->click();
    EXPECT_TRUE(ui::TakeMessageLog().value(0).strText.startsWith(QStringLiteral("Der Zustand wurde nicht in ")));
}

TEST_F(MainWindow, SettingsFilesThatCannotBeUsedAreSetAsideAndLeftoversRemoved)
{
    const QString strSettings = platform::UserStoreFile(strSwitchesKeyPath);
    const QDir settingsFolder = QFileInfo(strSettings).dir();
    const QDir stateFolder = QFileInfo(form->UserStateFile()).dir();
    const auto namesIn = [](const QDir& folder, const char* strPattern) {
        return folder.entryList({ QString::fromLatin1(strPattern) }, QDir::AllEntries | QDir::System);
    };
    // What killed saves left behind goes; the user's own files stay, however
    // they are named, and so does a save of another QAL still under way.
    const auto make = [](const QString& strPath, int intSecondsAgo = 0, const QByteArray& content = "x") {
        QFile file(strPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.flush();
        file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-intSecondsAgo), QFileDevice::FileModificationTime);
    };
    for (const char* strName : { "qal.usr.backup", "qal.usr.old123", "qal.usr.Ab12Cd" })
        make(stateFolder.filePath(QString::fromLatin1(strName)));
    make(stateFolder.filePath(QStringLiteral(".qal.usr.qal-unfinished-save-Ab12Cd")), 3600);
    make(stateFolder.filePath(QStringLiteral(".qal.usr.qal-unfinished-save-Zz99Yy")));
    // A settings write killed half-way: its journal names the files of the
    // temporary form that were there before it; only the one it made goes.
    make(settingsFolder.filePath(QStringLiteral("QAL.conf.backup")), 86400);
    make(settingsFolder.filePath(QStringLiteral(".QAL.conf.qal-writing")), 5, "QAL.conf.backup");
    make(settingsFolder.filePath(QStringLiteral("QAL.conf.x9Y8z7")), 4);
    StartWindow();
    EXPECT_EQ(namesIn(stateFolder, "qal.usr.*"),
        (QStringList { QStringLiteral("qal.usr.Ab12Cd"), QStringLiteral("qal.usr.backup"),
            QStringLiteral("qal.usr.old123") }));
    EXPECT_EQ(stateFolder.entryList({ QStringLiteral(".qal.usr.*") }, QDir::Files | QDir::Hidden),
        QStringList { QStringLiteral(".qal.usr.qal-unfinished-save-Zz99Yy") });
    EXPECT_EQ(settingsFolder.entryList({ QStringLiteral("*QAL.conf.*") }, QDir::Files | QDir::Hidden),
        QStringList { QStringLiteral("QAL.conf.backup") });
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty());

    // A pipe and a file far too large: set aside, said, and the start goes on.
    for (const bool blnPipe : { true, false }) {
        QFile::remove(strSettings);
        if (blnPipe) {
#ifdef Q_OS_UNIX
            ASSERT_EQ(mkfifo(QFile::encodeName(strSettings).constData(), 0600), 0);
#else
            continue;
#endif
        } else {
            QFile big(strSettings);
            ASSERT_TRUE(big.open(QIODevice::WriteOnly));
            big.write(QByteArray(2 * 1024 * 1024, 'x'));
        }
        StartWindow();
        const auto log = ui::TakeMessageLog();
        const QStringList aside = namesIn(settingsFolder, "QAL.conf.unusable-*");
        ASSERT_EQ(aside.size(), 1);
        ASSERT_EQ(log.size(), 1);
        EXPECT_EQ(log[0].strText,
            GetTextWithMarkers(TextId::SettingsSetAside, strSettings, settingsFolder.filePath(aside[0])));
        EXPECT_TRUE(QFileInfo(strSettings).isFile()); // the defaults, stored anew
        QFile::remove(settingsFolder.filePath(aside[0]));
    }
}

TEST_F(MainWindow, HousekeepingKeepsTheControlsInStepWithTheInputs)
{
    ComputeMarch2018();
    form->Timer1_Timer();
    EXPECT_TRUE(cmdForwardBack(0)->isEnabled());
    cboMonthCE(0)->setCurrentIndex(0); // an empty month: no stepping
    form->Timer1_Timer();
    EXPECT_FALSE(cmdForwardBack(0)->isEnabled());
    cboMonthCE(0)->setCurrentIndex(3);
    txbYearCE(1)->setText(QStringLiteral("19x90")); // digits only; a clear button where there is something
    form->Timer1_Timer();
    EXPECT_EQ(txbYearCE(1)->text(), QStringLiteral("1990"));
    EXPECT_FALSE(cmdClear(1)->isHidden());
    EXPECT_TRUE(cmdClear(2)->isHidden());
    EXPECT_TRUE(cmdForwardBack(0)->isEnabled());

    // The transiting Moon follows its box within a tick.
    form->ConfigureDialog()->show();
    test::Control<QCheckBox>(form->ConfigureDialog(), "chkIncludeTransitingMoon")->click();
    form->Timer1_Timer();
    EXPECT_FALSE(udtConfig.blnIncludeTransitingMoon);
    form->ConfigureDialog()->hide();

    // The run button: only with the wheel shown, and not for half-hour steps without the Moon.
    form->Timer1_Timer();
    EXPECT_TRUE(cmdRun()->isHidden());
    cmdToggleGraphic()->click();
    cboForwardBack()->setCurrentIndex(stepHalfHour);
    form->Timer1_Timer();
    EXPECT_TRUE(cmdRun()->isHidden() && lblNotice()->isHidden());
    cboForwardBack()->setCurrentIndex(stepDay);
    form->Timer1_Timer();
    EXPECT_FALSE(cmdRun()->isHidden());
}

TEST_F(MainWindow, NoTextOfAnyWindowIsCutInEitherLanguage)
{
    // Natal chart 1 in Ulm before standard time: the zone list's own entry is its longest.
    FillDateSet(1, "1879", 3, 14, "11:30", "GMT+1:00");
    ui::QueueModalAction([this] {
        auto* search = test::Control<QLineEdit>(form->PlaceDialog(), "txtSearch");
        search->setText(QStringLiteral("Ulm"));
        form->PlaceDialog()->txtSearch_Change();
        test::Control<QListWidget>(form->PlaceDialog(), "lstPlaces")->setCurrentRow(0);
        form->PlaceDialog()->cmdOK_Click();
    });
    test::Control<QPushButton>(form.get(), "cmdPlace", 1)->click();
    ASSERT_EQ(cboTimezone(1)->currentText(), QStringLiteral("GMT+0:39:58 LMT"));
    FillDateSet(2, "1985", 1, 2, "06:00", "GMT");
    for (QRadioButton* language : { optEnglish(), optGerman() }) {
        language->click();
        // The durations window again for each mode: its lists take the width
        // of their entries whenever these change.
        for (QRadioButton* mode : { optPlanetary(), optPersonal(1), optSynastry(), optPlanetary() }) {
            mode->click();
            EXPECT_EQ(test::TextsThatDoNotFit(form.get()), QStringList()) << mode->text().toStdString();
            cmdReport()->click();
            EXPECT_EQ(test::TextsThatDoNotFit(form->DurationsWindow()), QStringList()) << mode->text().toStdString();
            form->DurationsWindow()->hide();
        }
        for (QWidget* dialog : { static_cast<QWidget*>(form->ConfigureDialog()),
                 static_cast<QWidget*>(form->RunDialog()), static_cast<QWidget*>(form->TimeMapWindow()),
                 static_cast<QWidget*>(form->PlaceDialog()) }) {
            dialog->show();
            EXPECT_EQ(test::TextsThatDoNotFit(dialog), QStringList()) << dialog->windowTitle().toStdString();
            dialog->hide();
        }
    }
}

} // namespace
