// The configuration dialog, the language switch and the notice window,
// driven through their controls as a user would.
#include "TestSupport.h"
#include "WindowSupport.h"
#include "dialogs/frmConfigure.h"
#include "dialogs/frmPopUp.h"
#include "platform/Registry3.h"
#include "settings/Configuration.h"
#include "text/Language.h"
#include "text/Texts.h"
#include "ui/ModalDialogs.h"
#include "ui/UiScript.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

using namespace qal;
using qal::test::MainWindowTest;

namespace {

class Configure : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
        form->optPlanetary->click();
        dialog = form->ConfigureDialog();
        dialog->show(); // shown as cmdConfigure shows it, without waiting in a modal loop
        ui::TakeMessageLog();
    }
    void TearDown() override
    {
        dialog->hide();
        MainWindowTest::TearDown();
    }
    // Chooses list item intIndex as a user does.
    static void Choose(QComboBox* list, int intIndex)
    {
        list->setCurrentIndex(intIndex);
        Q_EMIT list->activated(intIndex);
    }
    static QString Stored(const char* strName)
    {
        QString strValue;
        platform::ReadRegistryString(platform::HkeyCurrentUser, QStringLiteral("Software\\Brenvale\\QAL"),
            QString::fromLatin1(strName), strValue);
        return strValue;
    }

    frmConfigure* dialog = nullptr;
};

} // namespace

TEST_F(Configure, UseSettingsAppliesAndRecomputesWhileTheDialogStaysOpen)
{
    EXPECT_EQ(form->windowTitle(), GetText(1) + QStringLiteral(" - Planetary  Orbs: 4° to 10°"));
    Choose(dialog->cboOrb[0], 12); // conjunction 12°
    dialog->optVedicAstrology->click();
    dialog->chkDisplayNATZabbr->click(); // on: the zone lists show North American names
    EXPECT_EQ(form->windowTitle(), GetText(1) + QStringLiteral(" - Planetary  Orbs: 4° to 10°")); // nothing yet
    dialog->cmdAccept->click();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->blnAccept);
    EXPECT_EQ(form->windowTitle(), GetText(1) + QStringLiteral(" - Planetary  Orbs: 4° to 12°"));
    EXPECT_EQ(Cell(10, 0), GetText(46)); // the sidereal zodiac
    EXPECT_TRUE(udtConfig.blnSidereal);
    EXPECT_EQ(form->cboTimezone[0]->itemText(14), QStringLiteral("EST/CDT"));
    EXPECT_EQ(form->cboTimezone[0]->currentText(), QStringLiteral("GMT+1:00")); // each date set keeps its zone
}

TEST_F(Configure, CancelPutsBackWhatWasShownAndTheAcceptedOrbsReturn)
{
    Choose(dialog->cboOrb[2], 1);
    dialog->lblAspectColor_MouseUp(2, Qt::LeftButton);
    dialog->chkUseBoldface->click();
    Choose(dialog->cboPersonalOrbsProportion[1], 4);
    dialog->cmdCancel->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(udtConfig.chkUseBoldface);
    EXPECT_EQ(udtConfig.cboPersonalOrbsProportion[1], 2);
    dialog->show(); // the next opening shows the accepted orbs and colours
    EXPECT_EQ(dialog->cboOrb[2]->currentIndex(), 6);
    EXPECT_EQ(udtConfig.dblPendingColor[3], udtConfig.dblAspectColor[3]);
    EXPECT_TRUE(dialog->chkUseBoldface->isChecked());
    EXPECT_EQ(dialog->cboPersonalOrbsProportion[1]->currentIndex(), 2);
    EXPECT_EQ(dialog->lblAspectColor[2]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

TEST_F(Configure, ColourLinesCycleTurnOffAndBackOn)
{
    const QColor yellow(255, 255, 0);
    const auto shown = [&] { return dialog->lblAspectColor[0]->palette().color(QPalette::WindowText); };
    EXPECT_EQ(shown(), yellow);
    dialog->lblAspectColor_MouseUp(0, Qt::LeftButton);
    EXPECT_EQ(shown(), QColor(255, 0, 255)); // the next palette colour
    dialog->lblAspectColor_MouseUp(0, Qt::RightButton);
    EXPECT_EQ(shown(), QColor(Qt::black)); // off: black on black
    dialog->lblAspectColor_MouseUp(0, Qt::LeftButton);
    EXPECT_EQ(shown(), QColor(Qt::black)); // black is not in the palette
    dialog->lblAspectColor_MouseUp(0, Qt::RightButton);
    EXPECT_EQ(shown(), QColor(255, 0, 255)); // back on
    dialog->lblAspectColor_MouseUp(0, Qt::RightButton);
    dialog->cmdAccept->click();
    EXPECT_EQ(udtConfig.dblAspectColor[1], 0); // conjunctions draw no lines now
}

TEST_F(Configure, SetAllRefusesZeroAndAsksBeforeSettingTheOthers)
{
    Choose(dialog->cboOrb[intSetAllOrbList], 0);
    auto log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0].strText, QStringLiteral("Cannot set all non-zero orbs to zero."));
    EXPECT_EQ(log[0].strTitle, QStringLiteral("Set all"));
    EXPECT_EQ(dialog->cboOrb[intSetAllOrbList]->currentIndex(), 1);

    Choose(dialog->cboOrb[5], 0); // semisextiles off
    Choose(dialog->cboOrb[intSetAllOrbList], 3);
    ui::QueueMsgAnswer(ui::MsgAnswer::No);
    dialog->cmdSetAllNonzeroOrbsToConjunctionOrb->click();
    EXPECT_EQ(dialog->cboOrb[0]->currentIndex(), 10);
    ui::QueueMsgAnswer(ui::MsgAnswer::Yes);
    dialog->cmdSetAllNonzeroOrbsToConjunctionOrb->click();
    log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 2);
    EXPECT_EQ(log[1].strText, GetText(391).replace(QStringLiteral("NEW_ORB"), QStringLiteral("3°")));
    EXPECT_EQ(log[1].strTitle, GetText(390));
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(dialog->cboOrb[i]->currentIndex(), i == 5 ? 0 : 3) << i;
    EXPECT_EQ(udtConfig.intOrbIndex[0], 3); // accepted at once
}

TEST_F(Configure, ResetAsksAndKeepsTheZodiacWhenAsked)
{
    dialog->optVedicAstrology->click();
    dialog->cmdAccept->click();
    Choose(dialog->cboOrb[0], 2);
    ui::QueueMsgAnswer(ui::MsgAnswer::No);
    dialog->cmdReset->click();
    EXPECT_EQ(dialog->cboOrb[0]->currentIndex(), 2);
    ui::QueueMsgAnswer(ui::MsgAnswer::Yes);
    dialog->cmdReset->click();
    const auto log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 2);
    EXPECT_EQ(log[0].strText, GetText(396) + QStringLiteral("\r\n") + GetText(395));
    EXPECT_EQ(log[0].strTitle, dialog->cmdReset->text());
    EXPECT_EQ(dialog->cboOrb[0]->currentIndex(), 10);
    EXPECT_TRUE(dialog->optVedicAstrology->isChecked()); // "Keep selected zodiac" is ticked
    EXPECT_TRUE(udtConfig.blnSidereal);

    dialog->chkKeepZodiac->click(); // off
    ui::QueueMsgAnswer(ui::MsgAnswer::Yes);
    dialog->cmdReset->click();
    EXPECT_TRUE(dialog->optWesternAstrology->isChecked());
    EXPECT_FALSE(udtConfig.blnSidereal);
    EXPECT_EQ(Cell(10, 0), GetText(47)); // applied and recomputed
}

TEST_F(Configure, TheCloseBoxResetsEverythingWithAMessage)
{
    Choose(dialog->cboOrb[1], 2);
    dialog->cmdAccept->click();
    EXPECT_EQ(udtConfig.intOrbIndex[1], 2);
    dialog->close();
    const auto log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0].strTitle, QStringLiteral("X"));
    EXPECT_EQ(
        log[0].strText, GetText(394) + QStringLiteral("\r\n") + GetText(393) + QStringLiteral("\r\n") + GetText(392));
    EXPECT_EQ(log[0].icon, ui::MsgIcon::Information);
    EXPECT_EQ(udtConfig.intOrbIndex[1], 9); // the default, applied
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_NE(form->ConfigureDialog(), nullptr); // kept, only hidden
}

TEST_F(Configure, TheConfigureButtonShowsTheDialogAndRecomputesOnAcceptance)
{
    dialog->hide();
    const QRect mainBefore = form->frameGeometry();
    // The user's work in the modal dialog, answered in advance.
    ui::QueueModalAction([this] {
        Choose(dialog->cboOrb[3], 9); // trine 9°
        dialog->cmdAccept->click();
        dialog->cmdHide->click();
    });
    form->cmdConfigure->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(dialog->blnAccept);
    EXPECT_EQ(udtConfig.intOrbIndex[3], 9);
    EXPECT_EQ(form->windowTitle(), GetText(1) + QStringLiteral(" - Planetary  Orbs: 4° to 10°"));
    // Placed beside the main window, as far as the screen allows, and the
    // main window moved so that the two meet.
    const int intScreenWidth = form->screen()->availableGeometry().right() + 1;
    const int intLeft = std::min(mainBefore.right() + 1, intScreenWidth - dialog->frameGeometry().width());
    EXPECT_EQ(dialog->frameGeometry().left(), intLeft);
    EXPECT_EQ(dialog->frameGeometry().top(), mainBefore.top());
    EXPECT_EQ(form->frameGeometry().left(), std::max(0, intLeft - mainBefore.width()));
}

TEST_F(Configure, StoredSwitchesOverrideTheDefaultsAtTheNextStart)
{
    dialog->hide();
    platform::WriteRegistryString(platform::HkeyCurrentUser, QStringLiteral("Software\\Brenvale\\QAL"),
        QStringLiteral("Moon"), QStringLiteral("0"));
    platform::WriteRegistryString(platform::HkeyCurrentUser, QStringLiteral("Software\\Brenvale\\QAL"),
        QStringLiteral("IPAD"), QStringLiteral("x"));
    form.reset();
    udtConfig = ConfigurationSettings();
    form = std::make_unique<frmMain>();
    ASSERT_TRUE(form->Form_Load(test::TestFolders()));
    EXPECT_FALSE(form->ConfigureDialog()->chkIncludeTransitingMoon->isChecked());
    EXPECT_FALSE(udtConfig.blnIncludeTransitingMoon);
    EXPECT_EQ(Stored("IPAD"), QStringLiteral("1")); // the malformed value was replaced
    EXPECT_EQ(Stored("TZDisp"), QStringLiteral("0")); // a computer in UTC
    dialog = form->ConfigureDialog();
}

TEST_F(Configure, CaptionsFitTheDialogInBothLanguages)
{
    for (int intLanguage : { intLangEnglish, intLangGerman }) {
        if (intLanguage == intLangGerman)
            form->optGerman->click();
        QApplication::processEvents();
        EXPECT_LE(dialog->height(), 9660 / 15);
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
            if (button->text().isEmpty())
                continue;
            const int intIndicator = qobject_cast<QPushButton*>(button) ? 8 : 22;
            EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + intIndicator, button->width())
                << button->text().toStdString();
        }
        for (QLabel* label : dialog->findChildren<QLabel*>()) {
            if (!label->wordWrap()) {
                EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                    << label->text().toStdString();
            }
        }
    }
}

TEST_F(MainWindowTest, SwitchingToGermanAndBackRecomputesInTheLanguage)
{
    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    form->optPlanetary->click();
    form->optGerman->click();
    EXPECT_EQ(intCurrentLanguage, intLangGerman);
    EXPECT_EQ(form->windowTitle(), GetText(1) + QStringLiteral(" - Planetenstand  Orben: 4° bis 10°"));
    EXPECT_EQ(Cell(2, 7), QStringLiteral("Kon\r\n0°57' +"));
    EXPECT_TRUE(form->txbReport->toPlainText().startsWith(QStringLiteral("2 Konjunktion\n")));
    EXPECT_EQ(form->cmdCompute->text(), QStringLiteral("Berechnen"));
    EXPECT_EQ(form->cboMonthCE[0]->currentText(), QStringLiteral("März"));
    EXPECT_EQ(form->cboDayCE[0]->toolTip(), QStringLiteral("Montag"));
    EXPECT_EQ(form->ConfigureDialog()->lblAspectName[0]->text(), QStringLiteral("Konjunktion"));
    EXPECT_EQ(form->ConfigureDialog()->cmdHide->text(), QStringLiteral("Ausblenden"));
    QString strCode;
    platform::ReadRegistryString(platform::HkeyCurrentUser, strRegistryKey, QStringLiteral("Language"), strCode);
    EXPECT_EQ(strCode, QStringLiteral("DE"));

    // The next start finds German again.
    form.reset();
    form = std::make_unique<frmMain>();
    ASSERT_TRUE(form->Form_Load(test::TestFolders()));
    EXPECT_TRUE(form->optGerman->isChecked());
    EXPECT_EQ(form->cmdCompute->text(), QStringLiteral("Berechnen"));

    form->optEnglish->click();
    EXPECT_EQ(form->cmdCompute->text(), QStringLiteral("Compute"));
    EXPECT_EQ(Cell(10, 0), QStringLiteral("Tropical zodiac"));
}

TEST(LanguageSwitch, BeforeStartUpHasFinishedNothingIsComputed)
{
    frmMain form; // not loaded
    form.optGerman->click();
    EXPECT_EQ(intCurrentLanguage, intLangGerman);
    EXPECT_EQ(form.cmdCompute->text(), QStringLiteral("Berechnen"));
    EXPECT_EQ(form.intChartMode, modeNone);
    EXPECT_EQ(dblChartJD[0], 0.0);
    QString strCode;
    platform::ReadRegistryString(platform::HkeyCurrentUser, strRegistryKey, QStringLiteral("Language"), strCode);
    EXPECT_EQ(strCode, QStringLiteral("DE"));
}

TEST_F(MainWindowTest, ANoticeIsReplacedClosedByItsTimerOrAClickAndNeverTakesTheFocus)
{
    frmPopUp* notice = form->PopUpWindow();
    form->cmdCompute->setFocus();
    notice->PopUp(QStringLiteral("first"), 2400, 300, 2000, 1500, 3000);
    notice->PopUp(QStringLiteral("second"), 3000, 450, 5000, 1800, 4500);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->lblMessage->text(), QStringLiteral("second"));
    EXPECT_EQ(notice->size(), QSize(200, 30));
    EXPECT_EQ(notice->pos(), QPoint(300, 120));
    EXPECT_EQ(notice->Timer1->interval(), 5000);
    EXPECT_TRUE(notice->Timer1->isActive());
    EXPECT_TRUE(notice->testAttribute(Qt::WA_ShowWithoutActivating));
    notice->Timer1_Timer();
    EXPECT_FALSE(notice->isVisible());

    notice->PopUpInForm(form.get(), QStringLiteral("third"), 2400, 300, 2000, 150, 300);
    EXPECT_EQ(notice->pos(), form->frameGeometry().topLeft() + QPoint(20, 10));
    notice->lblMessage_MouseUp();
    EXPECT_FALSE(notice->isVisible());
    EXPECT_FALSE(notice->Timer1->isActive()); // no later tick reopens it
    notice->PopUpCenterScreen(QStringLiteral("fourth"), 3000, 300, 1000);
    EXPECT_TRUE(notice->isVisible());
}
