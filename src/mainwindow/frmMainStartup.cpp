// Start-up of the main window: from nothing to the first computed chart.
#include "mainwindow/frmMain.h"

#include "astro/PlutoTable.h"
#include "dialogs/frmConfigure.h"
#include "drawing/PictureBox.h"
#include "platform/Files.h"
#include "text/Language.h"
#include "text/Texts.h"
#include "ui/MessageBoxes.h"

#include <QDir>
#include <QRadioButton>
#include <QTimer>

namespace qal {
namespace {

// The user's state file, "qal.usr" in a folder "Brenvale" of the user's
// application data; the folder is made when it is missing.
QString UserStateFile(const QString& strUserDataFolder)
{
    const QDir folder(QDir(strUserDataFolder).filePath(QStringLiteral("Brenvale")));
    folder.mkpath(QStringLiteral("."));
    return folder.filePath(QStringLiteral("qal.usr"));
}

} // namespace

bool frmMain::Form_Load(const platform::AppFolders& folders)
{
    m_folders = folders;
    // 1. The interface texts: without them nothing can be said.
    const TextLoadResult texts = LoadProgramTexts(folders.strDataFolder, QStringLiteral("qal.dat"));
    if (!texts.ok()) {
        ui::MsgBox(texts.strMessage, ui::MsgIcon::Critical, ui::MsgButtons::Ok, QString(), 1, this);
        return false;
    }
    intCurrentLanguage = intLangEnglish;
    // 2, 3. The fonts are set with the controls; the wheel starts empty.
    picGraphic->Clear();
    // 4, 5. The tables and the ephemeris' data folder.
    InitAstroTables(folders.strDataFolder);
    // 6. The state file, the date lists, the configuration (made hidden, with
    // the defaults and the stored switches), the zone lists and the computer's zone.
    strUserStateFile = UserStateFile(folders.strUserDataFolder);
    SetUpDateComboBoxes();
    ConfigureDialog();
    SetUpTimezoneComboBoxes(false);
    SetComputerTimeZone();
    intComputerTzIndex = TimezoneIndexOfMinutes(intComputerTzMinutes);
    // 8, 9. Captions, in the stored language when it is one the window offers.
    if (ReadLanguageFromRegistry() == intLangGerman) {
        intCurrentLanguage = intLangGerman;
        SetAstroNames();
        optGerman->setChecked(true);
    }
    SetLanguageDependentText();

    // 10. The Pluto table: without it no chart can be drawn.
    QString strError;
    if (!LoadPlutoTable(QStringLiteral("pluto.slx"), strError)) {
        ui::MsgBox(PlutoLoadFailureMessage(strError), ui::MsgIcon::Exclamation, ui::MsgButtons::Ok,
            PlutoLoadFailureTitle(), 1, this);
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

    // 11. Where the user left off; 12. otherwise the sky of now.
    bool blnRestored = false;
    if (platform::FileExists(strUserStateFile) && LoadState(strUserStateFile).isEmpty()) {
        blnRestored = true;
        ComputeLoadedChart();
        // The quiet period belongs to saves the user made in this session.
        blnStateJustSaved = false;
    }
    if (!blnRestored) {
        SetDateToNow();
        optPlanetary->setChecked(true);
        cmdCompute_Click();
    }
    picTable->show();
    ShowWeekdayTip(0);
    EnableStepping(ModeUsesDateSet(intChartMode, 0));

    // 13. The window.
    if (intChartMode == modeNone)
        setWindowTitle(GetText(TextId::AppTitle));
    SetLanguageDependentText();
    show();
    Timer1->start();

    // 14. The configuration, once, over the window.
    cmdConfigure_Click();
    m_flags.blnLoaded = true;
    return true;
}

} // namespace qal
