// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Speed of the pictures an aspect asks for: the transit graph a double click
// draws (the beginning and end searches, the curves and the drawing) and
// saving the wheel as a PNG file (drawing anew, colour mapping, corner texts,
// bitmap, conversion).
#include "BenchSupport.h"
#include "WindowDriver.h"
#include "chart/AspectGrid.h"
#include "mainwindow/frmMain.h"
#include "settings/Configuration.h"
#include "ui/UiScript.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace qal;
using qal::bench::Window;

namespace {

// The first transit of a body from intFirstBody on whose span is known.
int TransitCell(frmMain& form, int intFirstBody)
{
    const AspectGrid& grid = form.Grid();
    for (int i = 0; i < grid.CellCount(); ++i) {
        const CellBodies bodies = BodiesOfCell(grid, i);
        for (int k = 1; k <= intNumAspectKinds && bodies.blnAspectCell; ++k) {
            if (!CellHasAspect(grid.cells[static_cast<size_t>(i)], k))
                continue;
            if (bodies.intColBody != intMoon && bodies.intColBody >= intFirstBody
                && form.BeginningOfAspect(bodies.intRowBody, bodies.intColBody, k, 1, 0) >= 0
                && form.EndOfAspect(bodies.intRowBody, bodies.intColBody, k, 1, 0) >= 0)
                return i;
            break;
        }
    }
    return -1;
}

// A double click on a personal transit of Jupiter or a slower body, as the
// user waits for its graph (target: well under 100 ms).
void BM_TransitGraphOfADoubleClick(benchmark::State& state)
{
    frmMain& form = Window();
    bench::Controls().optPersonal(0)->setChecked(true);
    form.cmdCompute_Click();
    const int intCell = TransitCell(form, 5);
    if (intCell < 0) {
        state.SkipWithError("no transit of a slow body in the chart");
        return;
    }
    for (auto _ : state)
        form.txbCell_DblClick(intCell);
    form.cmdToggleGraphic_Click(); // back to the table
}
BENCHMARK(BM_TransitGraphOfADoubleClick)->Unit(benchmark::kMillisecond);

// Saving the one-ring wheel on a white background; argument 2: twice the size.
void SetWhiteBackgroundForSaving(bool blnWhite)
{
    ConfigurationSettings config = udtConfig;
    config.blnSaveGraphicWithWhiteBackground = blnWhite;
    SetConfiguration(config);
}

void BM_SaveTheWheelAsPng(benchmark::State& state)
{
    frmMain& form = Window();
    bench::Controls().optPlanetary()->setChecked(true);
    form.cmdCompute_Click();
    if (!form.WheelShown())
        form.cmdToggleGraphic_Click();
    SetWhiteBackgroundForSaving(true);
    QTemporaryDir dir;
    const QString strFile = dir.filePath(QStringLiteral("wheel.png"));
    for (auto _ : state) {
        ui::QueueFileName(strFile, state.range(0) == 2 ? 1 : 0);
        form.cmdSaveAs_Click();
        state.PauseTiming();
        ui::TakeMessageLog();
        state.ResumeTiming();
    }
    SetWhiteBackgroundForSaving(false);
    form.cmdToggleGraphic_Click();
}
BENCHMARK(BM_SaveTheWheelAsPng)->Arg(1)->Arg(2)->ArgNames({ "scale" })->Unit(benchmark::kMillisecond);

} // namespace
