#include "window_support.h"

#include "astro/AstroTables.h"
#include "platform/MessageBoxes.h"
#include "settings/Configuration.h"
#include "test_support.h"
#include "text/Texts.h"

#include <QComboBox>
#include <QLineEdit>

namespace qal::test {

void MainWindowTest::SetUp()
{
    platform::MsgBoxUseScript(true);
    udtConfig = ConfigurationSettings();
    form = std::make_unique<frmMain>();
    ASSERT_TRUE(form->Form_Load(DataFolder()));
    platform::MsgBoxTakeLog();
}

void MainWindowTest::TearDown()
{
    form.reset();
    intCurrentLanguage = intLangEnglish;
    SetAstroNames();
    udtConfig = ConfigurationSettings();
    platform::MsgBoxUseScript(false);
}

void MainWindowTest::FillDateSet(
    int k, const char* strYear, int intMonth, int intDay, const char* strHour, const char* strZone)
{
    form->txbYearCE[k]->setText(QString::fromUtf8(strYear));
    form->cboMonthCE[k]->setCurrentIndex(intMonth);
    form->cboDayCE[k]->setCurrentIndex(intDay);
    const int intHour = form->cboHour[k]->findText(QString::fromUtf8(strHour));
    form->cboHour[k]->setCurrentIndex(std::max(0, intHour));
    const int intZone = form->cboTimezone[k]->findText(QString::fromUtf8(strZone));
    form->cboTimezone[k]->setCurrentIndex(std::max(0, intZone));
}

QString MainWindowTest::Cell(int r, int c) const
{
    return form->CellText(form->udtGrid.Index(r, c));
}

} // namespace qal::test
