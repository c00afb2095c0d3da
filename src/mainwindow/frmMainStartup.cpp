// Start-up of the main window.
#include "mainwindow/frmMain.h"

#include "astro/PlutoTable.h"
#include "text/Language.h"
#include "text/Texts.h"
#include "ui/MessageBoxes.h"

#include <QRadioButton>

namespace qal {

bool frmMain::Form_Load(const platform::AppFolders& folders)
{
    m_folders = folders;
    const TextLoadResult texts = LoadProgramTexts(folders.strDataFolder, QStringLiteral("qal.dat"));
    if (!texts.ok()) {
        ui::MsgBox(texts.strMessage, ui::MsgIcon::Critical, ui::MsgButtons::Ok, QString(), 1, this);
        return false;
    }
    intCurrentLanguage = intLangEnglish;
    InitAstroTables(folders.strDataFolder);

    SetUpDateComboBoxes();
    ConfigureDialog(); // made hidden: the defaults and the stored switches
    SetUpTimezoneComboBoxes(false);
    SetComputerTimeZone();
    intComputerTzIndex = TimezoneIndexOfMinutes(intComputerTzMinutes);
    // The stored language is kept when it is one of the two the window offers.
    const int intStored = ReadLanguageFromRegistry();
    if (intStored == intLangGerman) {
        intCurrentLanguage = intLangGerman;
        SetAstroNames();
        optGerman->setChecked(true);
    }
    SetLanguageDependentText();

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
    SetDateToNow();
    ShowWeekdayTip(0);
    optPlanetary->setChecked(true);
    cmdCompute_Click();
    EnableStepping(true);
    show();
    m_flags.blnLoaded = true;
    return true;
}

} // namespace qal
