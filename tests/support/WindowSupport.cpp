#include "WindowSupport.h"

#include "TestSupport.h"
#include "drawing/PictureBox.h"
#include "platform/DataPaths.h"
#include "ui/UiScript.h"

#include <QComboBox>
#include <QLineEdit>

namespace qal::test {

platform::AppFolders TestFolders()
{
    platform::AppFolders folders;
    folders.strProgramFolder = DataFolder();
    folders.strDataFolder = DataFolder();
    folders.strUserDataFolder = platform::UserApplicationDataFolder();
    return folders;
}

void MainWindowTest::SetUp()
{
    form = std::make_unique<frmMain>();
    ASSERT_TRUE(form->Form_Load(TestFolders()));
    ui::TakeMessageLog();
}

void MainWindowTest::TearDown()
{
    form.reset();
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

QStringList MainWindowTest::PrintedWheelTexts() const
{
    QStringList texts;
    for (const PictureOp& op : form->picGraphic->Picture()->Ops()) {
        if (op.kind == PictureOp::Text && !op.blnGlyphFont)
            texts << op.strText;
    }
    return texts;
}

QString MainWindowTest::Cell(int r, int c) const
{
    return form->Grid().At(r, c).strText;
}

} // namespace qal::test
