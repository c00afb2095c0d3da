// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The windows from the keyboard, with key presses as a person makes them:
// Enter presses only the button with the focus, Escape closes and cancels,
// the date lists take typing and arrows, a table cell and a time-map row are
// chosen with the arrows and opened with Enter.
#include "TestSupport.h"
#include "WindowSupport.h"
#include "dialogs/frmConfigure.h"
#include "dialogs/frmDurations.h"
#include "dialogs/frmRun.h"
#include "dialogs/frmTimeMap.h"
#include "dialogs/frmView.h"
#include "settings/Configuration.h"
#include "ui/ModalDialogs.h"
#include "ui/PictureBox.h"
#include "ui/UiScript.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <iterator>

using namespace qal;

namespace {

class WindowKeys : public test::MainWindowTest {
protected:
    // Makes window the active one, as a click on its title bar does.
    static void Activate(QWidget* window)
    {
        window->show();
        window->activateWindow();
        QApplication::setActiveWindow(window);
        QApplication::processEvents();
    }
    static void Press(QWidget* target, Qt::Key key) { QTest::keyClick(target, key); }
};

TEST_F(WindowKeys, EnterPressesOnlyTheButtonWithTheFocus)
{
    // At start-up the configuration dialog stands beside the window with the
    // focus on Hide: Enter hides it and changes nothing.
    int intOrbsBefore[8];
    std::copy(std::begin(udtConfig.intOrbIndex), std::end(udtConfig.intOrbIndex), intOrbsBefore);
    bool blnHiddenByEnter = false;
    QWidget* focused = nullptr;
    ui::QueueModalAction([&] {
        frmConfigure* dialog = form->ConfigureDialog();
        Activate(dialog);
        focused = dialog->focusWidget();
        Press(focused, Qt::Key_Return);
        blnHiddenByEnter = !dialog->isVisible();
    });
    StartWindow();
    frmConfigure* dialog = form->ConfigureDialog();
    QPushButton* hide = test::Control<QPushButton>(dialog, "cmdHide");
    EXPECT_EQ(focused, hide);
    EXPECT_TRUE(blnHiddenByEnter);
    Press(form.get(), Qt::Key_Return);
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty()); // no "Set all non-zero orbs to 1°?"
    EXPECT_TRUE(std::equal(std::begin(intOrbsBefore), std::end(intOrbsBefore), std::begin(udtConfig.intOrbIndex)));

    // Opened again, the focus is Hide's again; in an orb list Enter presses nothing.
    Activate(dialog);
    EXPECT_EQ(dialog->focusWidget(), hide);
    QComboBox* orb = test::Control<QComboBox>(dialog, "cboOrb", 0);
    orb->setFocus();
    Press(orb, Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty());
    // The button with the focus is the one Enter presses.
    QPushButton* setAll = test::Control<QPushButton>(dialog, "cmdSetAllNonzeroOrbsToConjunctionOrb");
    setAll->setFocus();
    ui::QueueMsgAnswer(ui::MsgAnswer::No);
    Press(setAll, Qt::Key_Return);
    EXPECT_EQ(ui::TakeMessageLog().size(), 1); // the question, answered No
    EXPECT_TRUE(std::equal(std::begin(intOrbsBefore), std::end(intOrbsBefore), std::begin(udtConfig.intOrbIndex)));
    dialog->hide();
}

TEST_F(WindowKeys, EscapeCancelsTheRunAndClosesTheReadingWindows)
{
    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    optPlanetary()->click();
    cmdToggleGraphic()->click();
    ui::QueueModalAction([this] { Press(form->RunDialog(), Qt::Key_Escape); });
    cmdRun()->click();
    EXPECT_FALSE(form->Running());
    EXPECT_FALSE(form->RunDialog()->isVisible());
    cmdToggleGraphic()->click();

    cmdReport()->click();
    frmDurations* durations = form->DurationsWindow();
    frmTimeMap* map = OpenTimeMap();
    cmdHelp()->click();
    frmView* viewer = form->ViewerWindow();
    for (QWidget* window : { static_cast<QWidget*>(viewer), static_cast<QWidget*>(map),
             static_cast<QWidget*>(durations) }) {
        Activate(window);
        ASSERT_TRUE(window->isVisible());
        Press(window->focusWidget() ? window->focusWidget() : window, Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible()) << window->metaObject()->className();
    }
}

TEST_F(WindowKeys, DateListsTakeTypingAndArrowsAndEnterMovesOnToCompute)
{
    Activate(form.get());
    QComboBox* day = cboDayCE(1);
    day->setFocus();
    QTest::keyClicks(day, QStringLiteral("15"));
    EXPECT_EQ(day->currentIndex(), 15);
    EXPECT_TRUE(day->hasFocus());
    QComboBox* month = cboMonthCE(1);
    month->setFocus();
    QTest::keyClicks(month, QStringLiteral("June"));
    EXPECT_EQ(month->currentText(), QStringLiteral("June"));
    QComboBox* hour = cboHour(1);
    hour->setFocus();
    hour->setCurrentIndex(10);
    for (int i = 0; i < 3; ++i)
        Press(hour, Qt::Key_Down);
    EXPECT_EQ(hour->currentIndex(), 13);
    EXPECT_TRUE(hour->hasFocus());
    Press(hour, Qt::Key_Return);
    EXPECT_TRUE(cmdCompute()->hasFocus());
}

TEST_F(WindowKeys, ACellAndATimeMapRowAreChosenWithArrowsAndOpenedWithEnter)
{
    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    optPlanetary()->click();
    Activate(form.get());
    // The arrows go from cell to visible cell; Enter on an aspect asks about it.
    const test::AspectCell aspect = FindAspectCell([](const test::AspectCell& c) { return c.intColBody != 10; });
    ASSERT_GE(aspect.intIndex, 0);
    QLabel* cell = txbCell(aspect.intIndex);
    cell->setFocus();
    EXPECT_EQ(cell->frameStyle(), QFrame::Box | QFrame::Plain); // the focus is seen
    Press(cell, Qt::Key_Right);
    EXPECT_FALSE(cell->hasFocus());
    EXPECT_EQ(cell->frameStyle(), int(QFrame::NoFrame));
    QWidget* next = QApplication::focusWidget();
    ASSERT_TRUE(next && next->parentWidget() == picTable());
    Press(next, Qt::Key_Left);
    EXPECT_TRUE(cell->hasFocus());
    ui::QueueMsgAnswer(ui::MsgAnswer::No);
    Press(cell, Qt::Key_Return);
    EXPECT_EQ(ui::TakeMessageLog().size(), 1); // its days and the offer of the durations
    EXPECT_TRUE(txbReport()->textInteractionFlags() & Qt::TextSelectableByKeyboard);

    // On the time map: Down chooses the first row's stretch nearest the
    // moment, Enter opens its details.
    cmdReport()->click();
    frmTimeMap* map = OpenTimeMap();
    Activate(map);
    PictureBox* picture = test::Control<PictureBox>(map, "picMap");
    picture->setFocus();
    Press(picture, Qt::Key_Down);
    EXPECT_FALSE(picture->ChosenArea().isEmpty());
    Press(picture, Qt::Key_Return);
    const auto log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0].strTitle.isEmpty(), false);
}

} // namespace

namespace {

// Each kind of file dialog opens in the folder last used for that kind
// (state files, pictures, calendars), also after the next start; a folder
// gone meanwhile gives the documents folder.
TEST_F(WindowKeys, FileDialogsStartInTheFolderLastUsedForTheirKind)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("states"));
    QDir(dir.path()).mkpath(QStringLiteral("pictures"));
    const QString strStates = dir.filePath(QStringLiteral("states")), strPictures = dir.filePath(QStringLiteral("pictures"));
    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    optPlanetary()->click();
    ui::TakeFileDialogLog();
    ui::QueueFileName(strStates + QStringLiteral("/client.qal"));
    cmdSaveAs()->click(); // the table is shown: the state
    cmdToggleGraphic()->click();
    ui::QueueFileName(strPictures + QStringLiteral("/wheel.png"));
    cmdSaveAs()->click(); // the wheel is shown: a picture
    ui::TakeMessageLog();
    ui::TakeFileDialogLog();

    StartWindow(); // remembered for the next start
    ui::QueueFileName(QString());
    cmdLoadState()->click();
    cmdToggleGraphic()->click();
    ui::QueueFileName(QString());
    cmdSaveAs()->click();
    cmdToggleGraphic()->click();
    cmdReport()->click();
    ui::QueueFileName(QString());
    test::Control<QPushButton>(form->DurationsWindow(), "cmdSaveCalendar")->click();
    const auto dialogs = ui::TakeFileDialogLog();
    ASSERT_EQ(dialogs.size(), 3);
    EXPECT_EQ(dialogs[0].strStartFolder, strStates);
    EXPECT_EQ(dialogs[1].strStartFolder, strPictures);
    EXPECT_NE(dialogs[2].strStartFolder, strPictures); // calendars have their own
    EXPECT_FALSE(dialogs[2].strStartFolder.isEmpty());

    QDir(strStates).removeRecursively();
    ui::QueueFileName(QString());
    cmdLoadState()->click();
    EXPECT_EQ(ui::TakeFileDialogLog().value(0).strStartFolder,
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

} // namespace
