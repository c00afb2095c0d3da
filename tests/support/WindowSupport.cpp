// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "WindowSupport.h"

#include "TestSupport.h"
#include "astro/AstroTables.h"
#include "chart/AspectGrid.h"
#include "dialogs/frmDurations.h"
#include "ui/JobProgress.h"
#include "ui/PictureBox.h"
#include "platform/DataPaths.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include "ui/UiScript.h"

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
    StartWindow();
    ui::TakeMessageLog();
}

void MainWindowTest::StartWindow()
{
    form.reset();
    form = std::make_unique<frmMain>();
    AttachWindow(form.get());
    ASSERT_TRUE(form->Form_Load(TestFolders()));
}

void MainWindowTest::TearDown()
{
    form.reset();
}

void WaitForJobs(QWidget* window)
{
    for (ui::JobProgress* progress : window->findChildren<ui::JobProgress*>()) {
        while (progress->Watching()) {
            progress->Tick();
            QApplication::processEvents();
        }
    }
}

frmTimeMap* WaitForTimeMap(frmTimeMap* map)
{
    WaitForJobs(map);
    return map;
}

frmTimeMap* MainWindowTest::OpenTimeMap()
{
    Control<QPushButton>(form->DurationsWindow(), "cmdTimeMap")->click();
    return WaitForTimeMap(form->TimeMapWindow());
}

QStringList TextsThatDoNotFit(const QWidget* window)
{
    QApplication::processEvents(); // the layouts follow the last texts set
    QStringList cut;
    const auto check = [&](const QWidget* w, const QString& strText, int intExtra, int intWidth) {
        const int intNeeded = w->fontMetrics().horizontalAdvance(strText) + intExtra;
        if (!strText.isEmpty() && intNeeded > intWidth)
            cut << QStringLiteral("%1 (needs %2, has %3)").arg(strText).arg(intNeeded).arg(intWidth);
    };
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets << const_cast<QWidget*>(window);
    for (const QWidget* w : widgets) {
        if (!w->isVisibleTo(window) && w != window)
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            const int intRoom = label->contentsRect().width() - 2 * label->margin() - label->indent();
            const QString strText = label->text().remove(QLatin1Char('&'));
            const QStringList lines = strText.split(QLatin1Char('\n'));
            // Placed by hand (not by a layout's spacing), a label keeps a gap to what follows.
            const bool blnByHand = label->parentWidget() && !label->parentWidget()->layout();
            const int intGap = blnByHand && (label->alignment() & Qt::AlignHCenter) == 0 ? 4 : 0;
            for (const QString& strLine : lines) {
                if (!label->wordWrap()) {
                    check(label, strLine, intGap, intRoom);
                } else {
                    for (const QString& strWord : strLine.split(QLatin1Char(' ')))
                        check(label, strWord, intGap, intRoom);
                }
            }
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            const int intIndicator = qobject_cast<const QPushButton*>(button) ? 8 : 22;
            check(button, button->text().remove(QLatin1Char('&')), intIndicator, button->width());
        } else if (const auto* list = qobject_cast<const QComboBox*>(w)) {
            for (int i = 0; i < list->count(); ++i)
                check(list, list->itemText(i), 28, list->width()); // the arrow and the frame
        }
    }
    return cut;
}

QStringList MainWindowTest::PrintedWheelTexts() const
{
    QStringList texts;
    for (const PictureOp& op : picGraphic()->Picture()->Ops()) {
        if (op.kind == PictureOp::Kind::Text && !op.blnGlyphFont)
            texts << op.strText;
    }
    return texts;
}

AspectCell MainWindowTest::FindAspectCell(const std::function<bool(const AspectCell&)>& accept) const
{
    const AspectGrid& grid = form->Grid();
    for (int i = 0; i < grid.CellCount(); ++i) {
        const CellBodies bodies = BodiesOfCell(grid, i);
        if (!bodies.blnAspectCell)
            continue;
        for (int k = 1; k <= intNumAspectKinds; ++k) {
            if (!CellHasAspect(grid.cells[static_cast<size_t>(i)], k))
                continue;
            const AspectCell cell { i, k, bodies.intRowBody, bodies.intColBody };
            if (accept(cell))
                return cell;
            break; // a cell is asked about its first kind
        }
    }
    return {};
}

AspectCell MainWindowTest::FindTransitWithKnownSpan(int intFirstBody) const
{
    return FindAspectCell([&](const AspectCell& c) {
        return c.intColBody != intMoon && c.intColBody >= intFirstBody
            && form->BeginningOfAspect(c.intRowBody, c.intColBody, c.intKind, 1, 60) >= 0
            && form->EndOfAspect(c.intRowBody, c.intColBody, c.intKind, 1, 60) >= 0;
    });
}

QString MainWindowTest::Cell(int r, int c) const
{
    return form->Grid().At(r, c).strText;
}

} // namespace qal::test
