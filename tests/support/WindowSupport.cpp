#include "WindowSupport.h"

#include "TestSupport.h"
#include "astro/AstroTables.h"
#include "chart/AspectGrid.h"
#include "drawing/PictureBox.h"
#include "platform/DataPaths.h"
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
