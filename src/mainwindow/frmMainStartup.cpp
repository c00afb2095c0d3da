// Start-up of the main window.
#include "mainwindow/frmMain.h"

#include "astro/AstroTables.h"
#include "astro/PlutoTable.h"
#include "dates/DatePr2.h"
#include "platform/MessageBoxes.h"
#include "text/Texts.h"

#include <QComboBox>
#include <QRadioButton>

namespace qal {

bool frmMain::Form_Load(const QString& strProgramFolder)
{
    const TextLoadResult texts = LoadProgramTexts(strProgramFolder, QStringLiteral("qal.dat"));
    if (!texts.ok()) {
        platform::MsgBox(texts.strMessage, platform::MsgIcon::Critical, platform::MsgButtons::Ok, QString(), 1, this);
        return false;
    }
    intCurrentLanguage = intLangEnglish;
    InitAstroTables(strProgramFolder);

    SetUpDateComboBoxes();
    SetUpTimezoneComboBoxes(false);
    SetComputerTimeZone();
    intComputerTzIndex = 0;
    for (int i = 1; i < cboTimezone[0]->count(); ++i) {
        if (cboTimezone[0]->itemData(i).toInt() == intComputerTzMinutes) {
            intComputerTzIndex = i;
            break;
        }
    }
    SetLanguageDependentText();

    QString strError;
    if (!LoadPlutoTable(QStringLiteral("pluto.slx"), strError)) {
        platform::MsgBox(PlutoLoadFailureMessage(strError), platform::MsgIcon::Exclamation, platform::MsgButtons::Ok,
            PlutoLoadFailureTitle(), 1, this);
        show();
        platform::MsgBox(GetText(2), platform::MsgIcon::Exclamation, platform::MsgButtons::Ok, GetText(3), 1, this);
        return false;
    }

    SetDateToNow();
    ShowWeekdayTip(0);
    optPlanetary->setChecked(true);
    cmdCompute_Click();
    show();
    blnLoaded = true;
    return true;
}

} // namespace qal
