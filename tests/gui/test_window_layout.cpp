// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The main window and its dialogs on screens of several sizes. This program
// runs once per screen (tests/CMakeLists.txt): 800 × 600; 1920 × 1200 at
// twice the scale (960 × 600 to the program); 1920 × 1080. On each, the
// window and every dialog stand inside the screen and every control can be
// reached; at the design's size everything stands where the design puts
// it; a larger window gives the table and the wheel the room.
#include "TestSupport.h"
#include "WindowSupport.h"
#include "dialogs/frmConfigure.h"
#include "dialogs/frmDurations.h"
#include "dialogs/frmRun.h"
#include "dialogs/frmTimeMap.h"
#include "dialogs/frmView.h"
#include "ui/ModalDialogs.h"
#include "ui/PictureBox.h"
#include "ui/UiScript.h"
#include "util/Twips.h"

#include <QAbstractButton>
#include <QScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

using namespace qal;

namespace {

class WindowLayout : public test::MainWindowTest {
protected:
    QRect Screen() const { return form->screen()->availableGeometry(); }

    // The window inside the screen, and each of its buttons whole inside it
    // (within a part that scrolls, once scrolled to).
    void ExpectOnScreen(QWidget* window) const
    {
        QApplication::processEvents(); // the layouts follow what was shown last
        const QRect screen = Screen();
        EXPECT_TRUE(screen.contains(window->frameGeometry()))
            << window->metaObject()->className() << " at " << window->frameGeometry().x() << ","
            << window->frameGeometry().y() << " " << window->frameGeometry().width() << "x"
            << window->frameGeometry().height();
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (!button->isVisibleTo(window))
                continue;
            QWidget* parent = button->parentWidget();
            while (parent && parent != window && !qobject_cast<QScrollArea*>(parent))
                parent = parent->parentWidget();
            if (auto* scroll = qobject_cast<QScrollArea*>(parent))
                scroll->ensureWidgetVisible(button, 0, 0);
            const QRect inWindow(button->mapTo(window, QPoint(0, 0)), button->size());
            EXPECT_TRUE(window->rect().contains(inWindow))
                << button->text().toStdString() << " at " << inWindow.x() << "," << inWindow.y() << " "
                << inWindow.width() << "x" << inWindow.height() << " in " << window->width() << "x"
                << window->height();
            if (auto* scroll = qobject_cast<QScrollArea*>(parent)) {
                const QRect seen(button->mapTo(scroll->viewport(), QPoint(0, 0)), button->size());
                EXPECT_TRUE(scroll->viewport()->rect().contains(seen)) << button->text().toStdString();
            }
        }
    }
};

TEST_F(WindowLayout, EveryControlCanBeReachedAndEveryDialogStandsOnTheScreen)
{
    form->show();
    ExpectOnScreen(form.get());
    // Scrolled to, every control of the window is seen whole.
    auto* scroll = test::Control<QScrollArea>(form.get(), "scrMain");
    ASSERT_NE(scroll, nullptr);
    for (QWidget* control : scroll->widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->isVisibleTo(scroll->widget()) || control->width() > scroll->viewport()->width()
            || control->height() > scroll->viewport()->height())
            continue;
        // The whole control (ensureWidgetVisible would show a text box's cursor only).
        const QRect place(control->mapTo(scroll->widget(), QPoint(0, 0)), control->size());
        scroll->ensureVisible(place.center().x(), place.center().y(), place.width() / 2 + 1, place.height() / 2 + 1);
        const QRect seen(control->mapTo(scroll->viewport(), QPoint(0, 0)), control->size());
        EXPECT_TRUE(scroll->viewport()->rect().contains(seen))
            << control->objectName().toStdString() << " at " << seen.x() << "," << seen.y() << " " << seen.width()
            << "x" << seen.height() << " in " << scroll->viewport()->width() << "x" << scroll->viewport()->height();
    }

    // The dialogs, each where it opens.
    ui::QueueModalAction([this] {
        ExpectOnScreen(form->ConfigureDialog());
    });
    cmdConfigure()->click();
    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    optPlanetary()->click();
    cmdToggleGraphic()->click();
    ui::QueueModalAction([this] {
        ExpectOnScreen(form->RunDialog());
        form->RunDialog()->close();
    });
    cmdRun()->click();
    cmdToggleGraphic()->click();
    cmdReport()->click();
    ExpectOnScreen(form->DurationsWindow());
    ExpectOnScreen(OpenTimeMap());
    cmdHelp()->click();
    ExpectOnScreen(form->ViewerWindow());
}

TEST_F(WindowLayout, AtTheDesignSizeEverythingStandsWhereTheDesignPutsIt)
{
    // The canvas is never smaller than the design: on a small screen it scrolls.
    auto* scroll = test::Control<QScrollArea>(form.get(), "scrMain");
    QWidget* canvas = scroll->widget();
    form->resize(std::min(Screen().width(), Px(17820)), std::min(Screen().height(), Px(9525)));
    QApplication::processEvents();
    ASSERT_GE(canvas->width(), Px(17820));
    ASSERT_GE(canvas->height(), Px(9525));
    if (canvas->size() != QSize(Px(17820), Px(9525)))
        GTEST_SKIP() << "the design's size does not fit this screen's window";
    EXPECT_EQ(form->ViewScale(), 1.0);
    const struct {
        QWidget* control;
        QRect twips;
    } places[] = { { cmdCompute(), { 120, 360, 1320, 750 } }, { txbYearCE(1), { 3120, 765, 840, 345 } },
        { cboTimezone(2), { 7350, 1170, 2085, 345 } }, { test::Control<QPushButton>(form.get(), "cmdPlace", 0), { 10455, 360, 1020, 345 } },
        { optSynastry(), { 11565, 1545, 3270, 285 } },
        { cmdConfigure(), { 14865, 1740, 2880, 345 } }, { cmdReport(), { 7860, 1740, 1200, 345 } },
        { cmdSave(), { 1200, 9000, 1200, 345 } }, { cmdQuit(), { 16140, 9000, 1380, 345 } } };
    for (const auto& place : places) {
        EXPECT_EQ(place.control->geometry(),
            QRect(Px(place.twips.x()), Px(place.twips.y()), Px(place.twips.width()), Px(place.twips.height())))
            << place.control->objectName().toStdString();
    }
    EXPECT_EQ(picTable()->pos(), QPoint(Px(1200), Px(2400)));
    EXPECT_EQ(txbCell(13)->height(), Px(540) - 1);
    EXPECT_EQ(txbReport()->width(), Px(4500));
}

TEST_F(WindowLayout, ALargerWindowGivesTheTableAndTheWheelTheRoom)
{
    if (Screen().width() < Px(17820) * 3 / 2 || Screen().height() < Px(9525) * 3 / 2)
        GTEST_SKIP() << "this screen has no room beyond the design's size";
    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    optPlanetary()->click();
    form->resize(Screen().size());
    QApplication::processEvents();
    EXPECT_GT(form->ViewScale(), 1.4);
    const QWidget* canvas = test::Control<QScrollArea>(form.get(), "scrMain")->widget();
    EXPECT_EQ(canvas->size(), test::Control<QScrollArea>(form.get(), "scrMain")->viewport()->size()); // no scrolling
    // The table's cells, the report beside them and the buttons at the edges.
    EXPECT_GT(txbCell(13)->height(), Px(540) * 14 / 10);
    EXPECT_GT(picTable()->height(), Px(6480) * 14 / 10);
    EXPECT_GT(txbReport()->width(), Px(4500) * 12 / 10);
    EXPECT_LE(txbReport()->geometry().right(), canvas->width() - Px(120) + 1);
    EXPECT_NEAR(cmdQuit()->geometry().right(), canvas->width() - Px(300), 2);
    EXPECT_NEAR(cmdQuit()->geometry().bottom(), canvas->height() - Px(180), 2);
    cmdToggleGraphic()->click();
    EXPECT_GT(picGraphic()->width(), Px(6000) * 14 / 10);
    EXPECT_EQ(picGraphic()->width(), picGraphic()->height());
    // Back to the design's size: the design's places again.
    form->resize(Px(17820), Px(9525));
    QApplication::processEvents();
    EXPECT_EQ(form->ViewScale(), 1.0);
    EXPECT_EQ(picGraphic()->width(), Px(6000));
    EXPECT_EQ(cmdQuit()->x(), Px(16140));
}

} // namespace
