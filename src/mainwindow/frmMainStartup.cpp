// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Start-up of the main window: from nothing to the first computed chart.
#include "mainwindow/frmMain.h"

#include "astro/PlutoTable.h"
#include "chart/CoreStart.h"
#include "dialogs/frmConfigure.h"
#include "ui/PictureBox.h"
#include "platform/Files.h"
#include "platform/Registry3.h"
#include "settings/RegistrySwitches.h"
#include "text/Language.h"
#include "text/Texts.h"
#include "ui/MessageBoxes.h"
#include "ui/QtTranslations.h"
#include "ui/ScreenFit.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QFileInfo>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

namespace qal {
namespace {

// The user's state file, "qal.usr" in a folder "Brenvale" of the user's
// application data; the folder is made when it is missing.
QString UserStateFilePath(const QString& strUserDataFolder)
{
    const QDir folder(QDir(strUserDataFolder).filePath(QStringLiteral("Brenvale")));
    folder.mkpath(QStringLiteral("."));
    return folder.filePath(QStringLiteral("qal.usr"));
}

} // namespace

void frmMain::CheckUserFiles()
{
    platform::RemoveStaleTemporaryFiles(QFileInfo(strUserStateFile).path(), QFileInfo(strUserStateFile).fileName());
    const platform::UserStoreCheck check = platform::CheckUserStore(strSwitchesKeyPath);
    if (check.strFile.isEmpty())
        return;
    const QString strFile = QDir::toNativeSeparators(check.strFile);
    const QString strMessage = check.strSetAsideAs.isEmpty()
        ? GetTextWithMarkers(TextId::SettingsUnusable, strFile)
        : GetTextWithMarkers(TextId::SettingsSetAside, strFile, QDir::toNativeSeparators(check.strSetAsideAs));
    ui::MsgBox(
        strMessage, ui::MsgIcon::Exclamation, ui::MsgButtons::Ok, GetText(TextId::SettingsNotReadTitle), 1, this);
}

bool frmMain::Form_Load(const platform::AppFolders& folders)
{
    m_folders = folders;
    // 1, 4, 5, 10. The engine: the interface texts (without them nothing
    // can be said), the tables with the ephemeris' data folder, the Pluto
    // table (its failure is told at its place below).
    const CoreStartResult core = StartCore(folders.strDataFolder);
    m_runtime = core.runtime; // the work pool and the fast source's cache, while the window lives
    if (core.failedStep == CoreStartStep::InterfaceTexts) {
        ui::MsgBox(core.strMessage, ui::MsgIcon::Critical, ui::MsgButtons::Ok, QString(), 1, this);
        return false;
    }
    // The icon of the desktop's theme, or the one beside the program's data;
    // every window of the program shows it.
    const QIcon icon = QIcon::fromTheme(QStringLiteral("example.brenvale.qal"),
        QIcon(QDir(folders.strDataFolder).filePath(QStringLiteral("qal.svg"))));
    setWindowIcon(icon);
    QApplication::setWindowIcon(icon);
    strUserStateFile = UserStateFilePath(folders.strUserDataFolder);
    CheckUserFiles();
    // 2, 3. The fonts are set with the controls; the wheel starts empty.
    picGraphic->Clear();
    // 6. The state file, the date lists, the configuration (made hidden, with
    // the defaults and the stored switches), the zone lists and the computer's zone.
    SetUpDateComboBoxes();
    ConfigureDialog();
    SetUpTimezoneComboBoxes(false);
    SetComputerTimeZone();
    intComputerTzIndex = TimezoneIndexOfMinutes(intComputerTzMinutes);
    // 8, 9. Captions, in the stored language when it is one the window offers.
    if (ReadLanguageFromRegistry() == intLangGerman) {
        SetInterfaceLanguage(intLangGerman);
        optGerman->setChecked(true);
    }
    ui::UseQtTranslations(IsGerman()); // Qt's own buttons in the same language
    SetLanguageDependentText();

    // 10. The Pluto table: without it no chart can be drawn.
    if (core.failedStep == CoreStartStep::PlutoTable) {
        ui::MsgBox(core.strMessage, ui::MsgIcon::Exclamation, ui::MsgButtons::Ok, PlutoLoadFailureTitle(), 1, this);
        show();
        ui::MsgBox(GetText(TextId::PlutoMissingMessage), ui::MsgIcon::Exclamation, ui::MsgButtons::Ok,
            GetText(TextId::PlutoMissingTitle), 1, this);
        return false;
    }

    if (intComputerTzIndex == 0) {
        // Empty zones would count as GMT and "now" be off by hours: say so once.
        ui::MsgBox(GetTextWithMarkers(TextId::ZoneNotInList, UtcOffsetText(intComputerTzMinutes)),
            ui::MsgIcon::Information, ui::MsgButtons::Ok, GetText(TextId::ZoneNotInListTitle), 1, this);
    }

    // 11. Where the user left off; 12. otherwise the sky of now, from the
    // defaults: a file that cannot be read changes nothing, is reported once
    // and is kept as it is.
    bool blnRestored = false;
    QString strStateError;
    if (QFileInfo::exists(strUserStateFile)) {
        strStateError = LoadState(strUserStateFile);
        blnRestored = strStateError.isEmpty();
        blnUserStateUnreadable = !blnRestored;
    }
    if (blnRestored) {
        ComputeLoadedChart();
        // The quiet period belongs to saves the user made in this session.
        blnStateJustSaved = false;
    } else {
        SetDateToNow();
        optPlanetary->setChecked(true);
        cmdCompute_Click();
    }
    if (blnUserStateUnreadable) {
        ui::MsgBox(GetTextWithMarkers(TextId::UserStateUnreadable, QDir::toNativeSeparators(strUserStateFile)) + strCrLf
                + strCrLf + strStateError,
            ui::MsgIcon::Exclamation, ui::MsgButtons::Ok, GetText(TextId::UserStateUnreadableTitle), 1, this);
    }
    picTable->show();
    ShowWeekdayTip(0);
    EnableStepping(ModeUsesDateSet(intChartMode, 0));

    // 13. The window.
    if (intChartMode == modeNone)
        setWindowTitle(GetText(TextId::AppTitle));
    SetLanguageDependentText();
    // A position of our own before the first show: a window manager places an
    // unpositioned window only after it appears, too late for the configuration
    // dialog to be put beside it.
    if (const QScreen* display = screen(); display && !testAttribute(Qt::WA_Moved)) {
        const QRect area = display->availableGeometry();
        move(area.left() + std::max(0, (area.width() - width()) / 2),
            area.top() + std::max(0, (area.height() - height()) / 2));
    }
    show();
    ui::FitOnScreen(this); // its frame too: a small screen's window scrolls
    Timer1->start();

    // 14. The configuration, once, over the window.
    cmdConfigure_Click();
    m_flags.blnLoaded = true;
    ConfigureDialog()->SetOwnerStarted(true);
    return true;
}

} // namespace qal
