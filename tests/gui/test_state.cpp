// Saving and loading the whole state through the window, start-up where the
// user left off, quitting, and the housekeeping tick.
#include "TestSupport.h"
#include "WindowSupport.h"
#include "dialogs/frmConfigure.h"
#include "dialogs/frmPopUp.h"
#include "drawing/PictureBox.h"
#include "platform/Files.h"
#include "platform/Registry3.h"
#include "settings/RegistrySwitches.h"
#include "settings/Configuration.h"
#include "text/Texts.h"
#include "ui/UiScript.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstring>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace qal;
using qal::test::MainWindowTest;

namespace {

class State : public MainWindowTest {
protected:
    // Starts the program again, as the user does the next day.
    void Restart()
    {
        form.reset();
        udtConfig = ConfigurationSettings();
        form = std::make_unique<frmMain>();
        ASSERT_TRUE(form->Form_Load(test::TestFolders()));
    }
    void WriteUserState(const QByteArray& text)
    {
        QFile file(form->strUserStateFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(State, SaveAsAndLoadGiveBackTheWholeState)
{
    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    FillDateSet(1, "1990", 6, 15, "08:30", "GMT+2:00");
    FillDateSet(2, "1985", 1, 2, "06:00", "GMT");
    form->optNatal[1]->click();
    form->cboForwardBack->setCurrentIndex(3);
    udtConfig.intOrbIndex[0] = udtConfig.cboOrb[0] = 12;
    udtConfig.blnSidereal = true;
    udtConfig.cboPersonalOrbsProportion[1] = 4;

    const QString strFile = dir.filePath(QStringLiteral("chart")); // ".qal" is added
    ui::QueueFileName(strFile);
    form->cmdSaveAs->click();
    EXPECT_TRUE(platform::FileExists(strFile + QStringLiteral(".qal")));
    const auto dialogs = ui::TakeFileDialogLog();
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_EQ(dialogs[0].strTitle, GetText(130));
    EXPECT_EQ(dialogs[0].strFilter, GetText(131) + QStringLiteral(" (*.qal) | *.qal"));
    EXPECT_TRUE(form->PopUpWindow()->isVisible());
    EXPECT_EQ(form->PopUpWindow()->lblMessage->text(), GetText(128));
    EXPECT_TRUE(form->blnStateJustSaved);

    // Everything changed, then loaded back.
    for (int k = 0; k < 3; ++k)
        FillDateSet(k, "2000", 1, 1, "00:00", "GMT");
    form->optPlanetary->click();
    form->cboForwardBack->setCurrentIndex(0);
    udtConfig = ConfigurationSettings();
    ui::QueueFileName(strFile + QStringLiteral(".qal"));
    form->cmdLoadState->click();
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty());
    EXPECT_EQ(form->txbYearCE[1]->text(), QStringLiteral("1990"));
    EXPECT_EQ(form->cboHour[1]->currentText(), QStringLiteral("08:30"));
    EXPECT_EQ(form->cboTimezone[1]->currentText(), QStringLiteral("GMT+2:00"));
    EXPECT_EQ(form->txbYearCE[2]->text(), QStringLiteral("1985"));
    EXPECT_TRUE(form->optNatal[1]->isChecked());
    EXPECT_EQ(form->intChartMode, modeNatal2); // computed
    EXPECT_EQ(form->cboForwardBack->currentIndex(), 3);
    EXPECT_EQ(udtConfig.intOrbIndex[0], 12);
    EXPECT_TRUE(udtConfig.blnSidereal);
    EXPECT_EQ(udtConfig.cboPersonalOrbsProportion[1], udtConfig.cboPersonalOrbsProportion[0]); // the file's end rule
    EXPECT_TRUE(form->ConfigureDialog()->optVedicAstrology->isChecked());
    EXPECT_EQ(form->lblNotice->text(), GetText(387) + QStringLiteral(" chart.qal"));
    EXPECT_EQ(Cell(10, 0), GetText(46));
}

TEST_F(State, AnIncompleteNatalChartIsLoadedWithoutAComputation)
{
    FillDateSet(2, "1985", 1, 0, "06:00", "GMT"); // no day
    form->optNatal[1]->setChecked(true);
    const QString strFile = dir.filePath(QStringLiteral("incomplete.qal"));
    ASSERT_EQ(form->SaveState(strFile), QString());
    form->optPlanetary->click();
    const QString strTitle = form->windowTitle();
    ui::QueueFileName(strFile);
    form->cmdLoadState->click();
    EXPECT_TRUE(form->optNatal[1]->isChecked());
    EXPECT_EQ(form->intChartMode, modePlanetary); // not computed
    EXPECT_EQ(form->windowTitle(), strTitle);
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty()); // nothing to report either

    // A damaged file: the file and the reason, and nothing changes at all:
    // not the inputs, the configuration, the orbs nor the chart shown.
    form->optPlanetary->click();
    udtConfig.intOrbIndex[0] = 7;
    form->cmdCompute->click();
    QList<QByteArray> lines = form->CurrentStateText().split('\n');
    lines[40] = "255"; // a colour, cut short below
    QFile damaged(dir.filePath(QStringLiteral("damaged.qal")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(lines.mid(0, 40).join('\n') + "\n25");
    damaged.close();
    const QByteArray before = form->CurrentStateText();
    const OrbTable orbsBefore = udtOrbTable;
    const QString strCellBefore = Cell(2, 1);
    const double dblShownBefore = dblChartJD[0];
    ui::QueueFileName(damaged.fileName());
    form->cmdLoadState->click();
    const auto log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0].strText,
        GetText(386) + strCrLf + damaged.fileName() + strCrLf + strCrLf + QStringLiteral("The file ends before line 42.")
            + strCrLf + GetText(TextId::NothingChanged));
    EXPECT_EQ(log[0].strTitle, GetText(385));
    EXPECT_EQ(form->CurrentStateText(), before);
    EXPECT_EQ(std::memcmp(&udtOrbTable, &orbsBefore, sizeof(OrbTable)), 0);
    EXPECT_EQ(Cell(2, 1), strCellBefore);
    EXPECT_EQ(dblChartJD[0], dblShownBefore);

    ui::QueueFileName(QString()); // cancelled
    form->cmdLoadState->click();
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty());
}

TEST_F(State, StartUpWhereTheUserLeftOff)
{
    // No state: the planetary chart of now (the test clock), then the
    // configuration once over the window.
    EXPECT_EQ(form->intChartMode, modePlanetary);
    EXPECT_DOUBLE_EQ(dblChartJD[0], 2458183.0625);
    EXPECT_TRUE(form->IsLoaded());
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_FALSE(form->ConfigureDialog()->isVisible()); // shown, and hidden again by the user

    // A Natal-2 state starts in Natal chart 2.
    FillDateSet(2, "1985", 1, 2, "06:00", "GMT");
    form->optNatal[1]->click();
    form->cmdSave->click();
    Restart();
    EXPECT_TRUE(form->optNatal[1]->isChecked());
    EXPECT_EQ(form->intChartMode, modeNatal2);
    EXPECT_EQ(form->txbYearCE[2]->text(), QStringLiteral("1985"));

    // A Personal state starts in Planetary mode at the restored current moment.
    FillDateSet(0, "2020", 7, 4, "12:00", "GMT");
    FillDateSet(1, "1990", 6, 15, "08:30", "GMT");
    form->optPersonal[0]->click();
    form->cmdSave->click();
    Restart();
    EXPECT_TRUE(form->optPlanetary->isChecked());
    EXPECT_EQ(form->intChartMode, modePlanetary);
    EXPECT_EQ(form->txbYearCE[0]->text(), QStringLiteral("2020"));

    // A damaged state: the sky of now from the defaults, said once; the file
    // stays as it is, and is saved over only on the user's word.
    udtConfig.blnSidereal = true;
    form->optPlanetary->click();
    form->cmdSave->click();
    QFile state(form->strUserStateFile);
    ASSERT_TRUE(state.open(QIODevice::ReadOnly));
    const QByteArray damaged = state.readAll().split('\n').mid(0, 40).join('\n') + "\n25"; // cut in line 41
    state.close();
    WriteUserState(damaged);
    ui::TakeMessageLog();
    Restart();
    EXPECT_EQ(form->intChartMode, modePlanetary);
    EXPECT_DOUBLE_EQ(dblChartJD[0], 2458183.0625);
    EXPECT_FALSE(udtConfig.blnSidereal); // not the damaged file's zodiac
    auto log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].strText.startsWith(GetTextWithMarkers(TextId::UserStateUnreadable, form->strUserStateFile)));
    EXPECT_TRUE(log[0].strText.endsWith(QStringLiteral("The file ends before line 42.")));
    EXPECT_EQ(log[0].strTitle, GetText(TextId::UserStateUnreadableTitle));
    const auto userStateBytes = [&] {
        QFile file(form->strUserStateFile);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    ui::QueueMsgAnswer(ui::MsgAnswer::No);
    form->cmdSave->click();
    log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0].strText, GetTextWithMarkers(TextId::ReplaceUnreadableUserState, form->strUserStateFile));
    EXPECT_EQ(userStateBytes(), damaged);
    ui::QueueMsgAnswer(ui::MsgAnswer::Yes); // quitting: save, but not over the damaged file
    ui::QueueMsgAnswer(ui::MsgAnswer::No);
    form->cmdQuit->click();
    EXPECT_EQ(ui::TakeMessageLog().size(), 2);
    EXPECT_FALSE(form->Ended());
    EXPECT_EQ(userStateBytes(), damaged);
    ui::QueueMsgAnswer(ui::MsgAnswer::Yes);
    form->cmdSave->click();
    EXPECT_EQ(ui::TakeMessageLog().size(), 1);
    EXPECT_NE(userStateBytes(), damaged);
    form->cmdSave->click(); // asked once only
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty());
    EXPECT_EQ(form->strUserStateFile,
        QDir(test::TestFolders().strUserDataFolder).filePath(QStringLiteral("Brenvale/qal.usr")));
}

TEST_F(State, AFailedSaveNamesTheFileAndKeepsTheOldOne)
{
    form->cmdSave->click();
    QFile state(form->strUserStateFile);
    ASSERT_TRUE(state.open(QIODevice::ReadOnly));
    const QByteArray old = state.readAll();
    state.close();
    FillDateSet(0, "2026", 12, 6, "10:00", "GMT");
    ui::TakeMessageLog();
    form->blnStateJustSaved = false; // the quiet period of the first save is over
    {
        test::FileSizeLimit full(old.size() / 2);
        if (!full.Active())
            GTEST_SKIP() << "no file-size limit on this system";
        form->cmdSave->click();
    }
    const auto log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].strText.startsWith(GetTextWithMarkers(TextId::StateNotSavedIn, form->strUserStateFile)));
    EXPECT_EQ(log[0].icon, ui::MsgIcon::Exclamation);
    ASSERT_TRUE(state.open(QIODevice::ReadOnly));
    EXPECT_EQ(state.readAll(), old);
    state.close();
    EXPECT_FALSE(form->blnStateJustSaved);

    // In German, in German.
    form->optGerman->click();
    ui::QueueFileName(dir.filePath(QStringLiteral("missing/x.qal")));
    form->cmdSaveAs->click();
    const auto german = ui::TakeMessageLog();
    ASSERT_EQ(german.size(), 1);
    EXPECT_TRUE(german[0].strText.startsWith(QStringLiteral("Der Zustand wurde nicht in ")));
}

TEST_F(State, SettingsFilesThatCannotBeUsedAreSetAsideAndLeftoversRemoved)
{
    const QString strSettings = platform::UserStoreFile(strSwitchesKeyPath);
    const QDir settingsFolder = QFileInfo(strSettings).dir();
    const QDir stateFolder = QFileInfo(form->strUserStateFile).dir();
    const auto namesIn = [](const QDir& folder, const char* strPattern) {
        return folder.entryList({ QString::fromLatin1(strPattern) }, QDir::AllEntries | QDir::System);
    };

    // What killed saves left behind goes; other files stay.
    for (const char* strName : { "qal.usr.Ab12Cd", "qal.usr.old", "notes.txt" })
        QFile(stateFolder.filePath(QString::fromLatin1(strName))).open(QIODevice::WriteOnly);
    QFile(settingsFolder.filePath(QStringLiteral("QAL.conf.x9Y8z7"))).open(QIODevice::WriteOnly);
    ui::TakeMessageLog();
    Restart();
    EXPECT_EQ(namesIn(stateFolder, "qal.usr.*"), QStringList { QStringLiteral("qal.usr.old") });
    EXPECT_TRUE(stateFolder.exists(QStringLiteral("notes.txt")));
    EXPECT_TRUE(namesIn(settingsFolder, "QAL.conf.*").isEmpty());
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty());

    // A pipe and a file far too large: set aside, said, and the start goes on
    // from the defaults (a pipe read would wait for ever).
    const auto replaceSettings = [&](bool blnPipe) {
        QFile::remove(strSettings);
        if (blnPipe) {
#ifdef Q_OS_UNIX
            ASSERT_EQ(mkfifo(QFile::encodeName(strSettings).constData(), 0600), 0);
#endif
        } else {
            QFile big(strSettings);
            ASSERT_TRUE(big.open(QIODevice::WriteOnly));
            big.write(QByteArray(2 * 1024 * 1024, 'x'));
        }
    };
    for (const bool blnPipe : { true, false }) {
#ifndef Q_OS_UNIX
        if (blnPipe)
            continue;
#endif
        replaceSettings(blnPipe);
        Restart();
        const auto log = ui::TakeMessageLog();
        ASSERT_EQ(log.size(), 1) << blnPipe;
        const QStringList aside = namesIn(settingsFolder, "QAL.conf.unusable-*");
        ASSERT_EQ(aside.size(), 1);
        EXPECT_EQ(log[0].strText,
            GetTextWithMarkers(TextId::SettingsSetAside, strSettings, settingsFolder.filePath(aside[0])));
        EXPECT_EQ(log[0].strTitle, GetText(TextId::SettingsNotReadTitle));
        EXPECT_TRUE(QFileInfo(strSettings).isFile()); // the defaults, stored anew
        EXPECT_TRUE(form->IsLoaded());
        QFile::remove(settingsFolder.filePath(aside[0]));
    }
}

TEST_F(State, QuittingAsksWhetherToSaveExceptJustAfterASave)
{
    QFile::remove(form->strUserStateFile);
    ui::QueueMsgAnswer(ui::MsgAnswer::Cancel);
    form->cmdQuit->click();
    auto log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0].strText, GetText(149));
    EXPECT_EQ(log[0].strTitle, form->cmdQuit->text());
    EXPECT_EQ(log[0].buttons, ui::MsgButtons::YesNoCancel);
    EXPECT_EQ(log[0].intDefaultButton, 2);
    EXPECT_FALSE(form->Ended());

    ui::QueueMsgAnswer(ui::MsgAnswer::Yes);
    form->cmdQuit->click();
    EXPECT_TRUE(form->Ended());
    EXPECT_TRUE(platform::FileExists(form->strUserStateFile));

    Restart();
    ui::TakeMessageLog();
    QFile::remove(form->strUserStateFile);
    ui::QueueMsgAnswer(ui::MsgAnswer::No);
    form->cmdQuit->click();
    EXPECT_TRUE(form->Ended());
    EXPECT_FALSE(platform::FileExists(form->strUserStateFile));

    // Within the quiet period after a save: no question.
    Restart();
    ui::TakeMessageLog();
    form->cmdSave->click();
    for (int i = 0; i < 5; ++i)
        form->Timer1_Timer();
    EXPECT_TRUE(form->blnStateJustSaved);
    form->cmdQuit->click();
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty());
    EXPECT_TRUE(form->Ended());

    // Closing the window: no question either.
    Restart();
    ui::TakeMessageLog();
    form->close();
    EXPECT_TRUE(form->Ended());
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty());
}

TEST_F(State, RestoreBringsBackTheSavedStateWithANotice)
{
    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    form->optPlanetary->click();
    form->cmdSave->click();
    EXPECT_EQ(form->PopUpWindow()->lblMessage->text(), GetText(128));
    FillDateSet(0, "2019", 1, 1, "00:00", "GMT");
    form->cmdRestore->click();
    EXPECT_EQ(form->txbYearCE[0]->text(), QStringLiteral("2018"));
    EXPECT_DOUBLE_EQ(dblChartJD[0], 2458183.0625);
    EXPECT_EQ(form->PopUpWindow()->lblMessage->text(), GetText(399));
}

TEST_F(State, HousekeepingKeepsTheControlsInStepWithTheInputs)
{
    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    form->optPlanetary->click();
    form->Timer1_Timer();
    EXPECT_TRUE(form->cmdForwardBack[0]->isEnabled());

    // An empty month disables stepping until it is filled again.
    form->cboMonthCE[0]->setCurrentIndex(0);
    form->Timer1_Timer();
    EXPECT_FALSE(form->cmdForwardBack[0]->isEnabled());
    EXPECT_FALSE(form->cmdForwardBack[1]->isEnabled());
    EXPECT_FALSE(form->cboForwardBack->isEnabled());
    form->cboMonthCE[0]->setCurrentIndex(3);
    form->Timer1_Timer();
    EXPECT_TRUE(form->cmdForwardBack[0]->isEnabled());

    // A year with a letter shows only its digits; an empty date set has no clear button.
    form->txbYearCE[1]->setText(QStringLiteral("19x90"));
    form->Timer1_Timer();
    EXPECT_EQ(form->txbYearCE[1]->text(), QStringLiteral("1990"));
    EXPECT_FALSE(form->cmdClear[1]->isHidden());
    EXPECT_TRUE(form->cmdClear[2]->isHidden());

    // The transiting Moon follows its box within a tick, before "Use settings".
    form->ConfigureDialog()->show();
    form->ConfigureDialog()->chkIncludeTransitingMoon->click();
    form->Timer1_Timer();
    EXPECT_FALSE(udtConfig.blnIncludeTransitingMoon);
    form->ConfigureDialog()->hide();

    // The run button: only with the wheel shown, and not for half-hour steps
    // without the transiting Moon.
    form->Timer1_Timer();
    EXPECT_TRUE(form->cmdRun->isHidden()); // the table is shown
    EXPECT_FALSE(form->lblNotice->isHidden());
    form->cmdToggleGraphic->click();
    form->cboForwardBack->setCurrentIndex(0);
    form->Timer1_Timer();
    EXPECT_TRUE(form->cmdRun->isHidden());
    EXPECT_TRUE(form->lblNotice->isHidden());
    form->cboForwardBack->setCurrentIndex(1);
    form->Timer1_Timer();
    EXPECT_FALSE(form->cmdRun->isHidden());
    form->optNatal[0]->setChecked(true);
    form->Timer1_Timer();
    EXPECT_TRUE(form->cmdRun->isHidden());

    // After a save the quiet period lasts six ticks.
    form->cmdSave->click();
    for (int i = 1; i <= 6; ++i) {
        EXPECT_TRUE(form->blnStateJustSaved) << i;
        form->Timer1_Timer();
    }
    EXPECT_FALSE(form->blnStateJustSaved);
    EXPECT_EQ(form->intTicksSinceSave, 6);
}
