// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The main window's saved state: the user's own state file and files saved
// under a name, and quitting with the question whether to save.
#include "mainwindow/frmMain.h"

#include "dialogs/frmConfigure.h"
#include "dialogs/frmPopUp.h"
#include "ui/PictureBox.h"
#include "platform/Files.h"
#include "text/Language.h"
#include "text/Texts.h"
#include "ui/FileDialogs.h"
#include "ui/Focus.h"
#include "ui/MessageBoxes.h"
#include "util/Twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace qal {
namespace {

QString StateFileFilter()
{
    return GetText(TextId::StateFiles) + QStringLiteral(" (*.qal) | *.qal");
}

} // namespace

WindowInputs frmMain::GatherInputs() const
{
    WindowInputs inputs;
    for (int k = 0; k < 3; ++k)
        inputs.udtDateSet[k] = ReadDateSet(k);
    const QRadioButton* modes[6]
        = { optPlanetary, optNatal[0], optNatal[1], optPersonal[0], optPersonal[1], optSynastry };
    for (int i = 0; i < 6; ++i)
        inputs.blnMode[i] = modes[i]->isChecked();
    inputs.intForwardBack = cboForwardBack->currentIndex();
    return inputs;
}

void frmMain::ApplyInputs(const WindowInputs& inputs)
{
    for (int k = 0; k < 3; ++k)
        WriteDateSet(k, inputs.udtDateSet[k]);
    QRadioButton* modes[6] = { optPlanetary, optNatal[0], optNatal[1], optPersonal[0], optPersonal[1], optSynastry };
    for (int i = 0; i < 6; ++i) {
        if (inputs.blnMode[i])
            modes[i]->setChecked(true); // one after the other, as the file lists them
    }
    cboForwardBack->setCurrentIndex(inputs.intForwardBack);
}

QByteArray frmMain::CurrentStateText() const
{
    ConfigurationSettings config = udtConfig; // writing selects the zodiac option: a copy
    return StateFileText(GatherInputs(), config);
}

QString frmMain::SaveState(const QString& strFileName)
{
    ConfigurationSettings config = udtConfig;
    const QByteArray text = StateFileText(GatherInputs(), config);
    SetConfiguration(config);
    ConfigureDialog()->ShowConfiguration(config); // the zodiac option now tells the zodiac in use
    const QString strError = WriteStateFile(strFileName, text);
    if (!strError.isEmpty()) {
        // Name the file and say that nothing replaced it.
        return GetTextWithMarkers(TextId::StateNotSavedIn, QDir::toNativeSeparators(strFileName)) + strCrLf + strCrLf
            + strError;
    }
    blnStateJustSaved = true;
    intTicksSinceSave = 0;
    WriteLanguageToRegistry();
    return {};
}

QString frmMain::LoadState(const QString& strFileName)
{
    // The whole file is read and checked first: a refused file changes nothing.
    QByteArray text;
    QString strError = ReadStateFile(strFileName, text);
    WindowInputs inputs = GatherInputs();
    ConfigurationSettings config = udtConfig;
    OrbTable orbs = udtOrbTable;
    if (strError.isEmpty())
        strError = ReadStateText(text, inputs, config, orbs);
    if (!strError.isEmpty())
        return strError;
    SetConfiguration(config);
    SetOrbTable(orbs);
    blnSuppressModeClick = true;
    ApplyInputs(inputs);
    ConfigureDialog()->ShowConfiguration(udtConfig);
    if (intCurrentLanguage != intLangEnglish && intCurrentLanguage != intLangGerman) {
        SetInterfaceLanguage(ReadLanguageFromRegistry());
        SetLanguageDependentText();
    }
    blnSuppressModeClick = false;
    return {};
}

QString frmMain::StateNotLoadedText(const QString& strFileName, const QString& strError)
{
    return GetText(TextId::StateNotLoaded) + strCrLf + QDir::toNativeSeparators(strFileName) + strCrLf + strCrLf
        + strError + strCrLf + GetText(TextId::NothingChanged);
}

bool frmMain::MayReplaceUserState()
{
    if (!blnUserStateUnreadable)
        return true;
    // The file QAL could not read at start-up is the user's: replaced only on their word.
    const ui::MsgAnswer answer = ui::MsgBox(
        GetTextWithMarkers(TextId::ReplaceUnreadableUserState, QDir::toNativeSeparators(strUserStateFile)),
        ui::MsgIcon::Question, ui::MsgButtons::YesNo, cmdSave->text(), 2, this);
    if (answer != ui::MsgAnswer::Yes)
        return false;
    blnUserStateUnreadable = false;
    return true;
}

void frmMain::ShowNotice(TextId text, const QPushButton* beside)
{
    // Just below the button and ending at its left edge, so that it covers
    // neither the button nor what the user looks at.
    const QPoint corner = beside->mapToGlobal(QPoint(0, 0)) * intTwipsPerPixel;
    PopUpWindow()->PopUp(GetText(text), 2400, 300, 2000, corner.y() + 475, corner.x() - 2450);
}

void frmMain::cmdSave_Click()
{
    if (!MayReplaceUserState())
        return;
    const QString strError = SaveState(strUserStateFile);
    if (strError.isEmpty())
        ShowNotice(TextId::StateSaved, cmdSave);
    else
        ui::MsgBox(strError, ui::MsgIcon::Exclamation, ui::MsgButtons::Ok, cmdSave->text(), 1, this);
    ui::FocusIfUsable(cmdCompute);
}

void frmMain::cmdRestore_Click()
{
    if (!platform::FileExists(strUserStateFile))
        return;
    const QString strError = LoadState(strUserStateFile);
    if (!strError.isEmpty()) {
        ui::MsgBox(StateNotLoadedText(strUserStateFile, strError), ui::MsgIcon::Exclamation, ui::MsgButtons::Ok,
            cmdRestore->text(), 1, this);
        return;
    }
    blnUserStateUnreadable = false; // read now: the user's file is sound again
    cmdCompute_Click();
    ShowNotice(TextId::StateRestored, cmdRestore);
}

bool frmMain::ComputeLoadedChart()
{
    int k = 0;
    if (optNatal[0]->isChecked())
        k = 1;
    else if (optNatal[1]->isChecked())
        k = 2;
    else
        optPlanetary->setChecked(true);
    if (InputDateToAJDate(k) <= 0)
        return false;
    cmdCompute_Click();
    return true;
}

void frmMain::cmdLoadState_Click()
{
    const QString strFile = ui::GetOpenFileName(this, FileKind::State, GetText(TextId::LoadStateTitle), StateFileFilter());
    if (strFile.isEmpty())
        return;
    const QString strError = LoadState(strFile);
    if (!strError.isEmpty()) {
        ui::MsgBox(StateNotLoadedText(strFile, strError), ui::MsgIcon::Exclamation, ui::MsgButtons::Ok,
            GetText(TextId::LoadingFailed), 1, this);
        return;
    }
    if (WheelShown())
        picGraphic->hide();
    if (ComputeLoadedChart())
        picTable->show();
    m_strLoadedFile = QFileInfo(strFile).fileName();
    lblNotice->setText(GetText(TextId::Loaded) + QLatin1Char(' ') + m_strLoadedFile);
    blnStateJustSaved = true;
    intTicksSinceSave = 0;
}

void frmMain::cmdSaveAs_Click()
{
    if (WheelShown()) {
        SavePicture();
        return;
    }
    // While the table is shown, the button saves the state under a name.
    QString strFile = ui::GetSaveFileName(this, FileKind::State, GetText(TextId::SaveStateAs), StateFileFilter());
    if (strFile.isEmpty())
        return;
    if (QFileInfo(strFile).suffix().isEmpty())
        strFile += QStringLiteral(".qal");
    const QString strError = SaveState(strFile);
    if (strError.isEmpty())
        ShowNotice(TextId::StateSaved, cmdSaveAs);
    else
        ui::MsgBox(strError, ui::MsgIcon::Exclamation, ui::MsgButtons::Ok, cmdSaveAs->text(), 1, this);
}

void frmMain::cmdQuit_Click()
{
    if (blnRunning) {
        // A run ends at once: the loop sees the end of its wait and stops.
        blnRunning = false;
        blnWaitingForTimer = false;
        EndProgram();
        return;
    }
    if (blnStateJustSaved) {
        EndProgram();
        return;
    }
    const ui::MsgAnswer answer = ui::MsgBox(GetText(TextId::SaveBeforeQuitting), ui::MsgIcon::Question,
        ui::MsgButtons::YesNoCancel, cmdQuit->text(), 2, this);
    if (answer == ui::MsgAnswer::Cancel)
        return;
    if (answer == ui::MsgAnswer::Yes) {
        if (!MayReplaceUserState())
            return; // the unreadable file stays, and so does the window
        const QString strError = SaveState(strUserStateFile);
        if (!strError.isEmpty()) {
            // The state could not be kept: say so, and let the user decide again.
            ui::MsgBox(strError, ui::MsgIcon::Exclamation, ui::MsgButtons::Ok, cmdQuit->text(), 1, this);
            return;
        }
    }
    EndProgram();
}

void frmMain::Form_Unload()
{
    EndProgram();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // Closing the window by other means ends the program without a question.
    if (!m_flags.blnEnded)
        EndProgram();
    event->accept();
}

void frmMain::EndProgram()
{
    if (m_flags.blnEnded)
        return;
    m_flags.blnEnded = true;
    blnRunning = false;
    blnWaitingForTimer = false;
    Timer1->stop();
    Timer2->stop();
    if (m_frmConfigure)
        m_frmConfigure->hide();
    if (m_frmPopUp)
        m_frmPopUp->hide();
    close(); // the last window closed ends the application
}

} // namespace qal
