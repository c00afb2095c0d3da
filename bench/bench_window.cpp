// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Speed of a whole computation through the main window, as the compute
// button runs it (reading the dates, longitudes, aspects, patterns, reports
// and showing the table), of drawing the wheels and of a step.
#include "BenchSupport.h"
#include "WindowDriver.h"
#include "chart/Durations.h"
#include "dialogs/frmDurations.h"
#include "drawing/ChartWheel.h"
#include "ui/PictureBox.h"
#include "mainwindow/frmMain.h"
#include "platform/DataPaths.h"
#include "settings/Configuration.h"
#include "settings/RegistrySwitches.h"
#include "ui/UiScript.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>

#include <benchmark/benchmark.h>

#include <memory>

using namespace qal;

namespace {

std::unique_ptr<frmMain> g_form;
test::MainWindowControls g_controls;

} // namespace

namespace qal::bench {

frmMain& Window()
{
    if (!g_form) {
        ui::UseScript(true);
        g_form = std::make_unique<frmMain>();
        platform::AppFolders folders;
        folders.strProgramFolder = folders.strDataFolder = QStringLiteral(QAL_DATA_DIR);
        folders.strUserDataFolder = platform::UserApplicationDataFolder(); // in test mode: a folder of its own
        if (!g_form->Form_Load(folders))
            qFatal("cannot start the main window");
        g_controls.AttachWindow(g_form.get());
        for (int k = 0; k < 3; ++k) {
            g_controls.txbYearCE(k)->setText(QStringLiteral("%1").arg(2018 - 20 * k));
            g_controls.cboMonthCE(k)->setCurrentIndex(3 + k);
            g_controls.cboDayCE(k)->setCurrentIndex(5 + k);
            g_controls.cboHour(k)->setCurrentIndex(30);
            g_controls.cboTimezone(k)->setCurrentIndex(26);
        }
    }
    return *g_form;
}

const test::MainWindowControls& Controls()
{
    Window();
    return g_controls;
}

void CloseWindow()
{
    g_form.reset();
}

} // namespace qal::bench

namespace {

using qal::bench::Controls;
using qal::bench::Window;

void BM_ComputePlanetary(benchmark::State& state)
{
    frmMain& form = Window();
    Controls().optPlanetary()->setChecked(true);
    for (auto _ : state)
        form.cmdCompute_Click();
}
BENCHMARK(BM_ComputePlanetary)->Unit(benchmark::kMillisecond);

void BM_ComputeSynastry(benchmark::State& state)
{
    frmMain& form = Window();
    Controls().optSynastry()->setChecked(true);
    for (auto _ : state)
        form.cmdCompute_Click();
}
BENCHMARK(BM_ComputeSynastry)->Unit(benchmark::kMillisecond);

void DrawShownWheel(benchmark::State& state, QRadioButton* option, int intMode)
{
    frmMain& form = Window();
    option->setChecked(true);
    form.cmdCompute_Click();
    const WheelTextBlocks blocks;
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawWheel({ udtShownChart, form.Grid(), udtConfig, intMode, blocks }));
}

void BM_DrawOneRingWheel(benchmark::State& state)
{
    DrawShownWheel(state, Controls().optPlanetary(), modePlanetary);
}
BENCHMARK(BM_DrawOneRingWheel)->Unit(benchmark::kMillisecond);

void BM_DrawTwoRingWheel(benchmark::State& state)
{
    DrawShownWheel(state, Controls().optPersonal(0), modePersonal1);
}
BENCHMARK(BM_DrawTwoRingWheel)->Unit(benchmark::kMillisecond);

void BM_StepForwardOneDay(benchmark::State& state)
{
    frmMain& form = Window();
    Controls().optPlanetary()->setChecked(true);
    Controls().cboForwardBack()->setCurrentIndex(1);
    for (auto _ : state)
        form.cmdForwardBack_Click(0);
}
BENCHMARK(BM_StepForwardOneDay)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// The durations report's work: every aspect of the table searched back and
// forth day by day (target: the window opens within 50 ms).
void DurationsOf(benchmark::State& state, QRadioButton* option)
{
    frmMain& form = Window();
    option->setChecked(true);
    form.cmdCompute_Click();
    for (auto _ : state)
        benchmark::DoNotOptimize(DurationRecords(form.Grid(), form.ShownDurationInputs(), udtOrbTable));
    state.counters["aspects"]
        = static_cast<double>(DurationRecords(form.Grid(), form.ShownDurationInputs(), udtOrbTable).size());
}

void BM_GetDurationsPlanetary(benchmark::State& state)
{
    DurationsOf(state, Controls().optPlanetary());
}
BENCHMARK(BM_GetDurationsPlanetary)->Unit(benchmark::kMillisecond);

void BM_GetDurationsPersonal(benchmark::State& state)
{
    DurationsOf(state, Controls().optPersonal(0));
}
BENCHMARK(BM_GetDurationsPersonal)->Unit(benchmark::kMillisecond);

// The durations window opened with "Exact moments" on: the durations, then
// the exact moments and stretch of every aspect and the span of every pattern
// (about twenty root searches on the ephemeris).
void BM_ReportWithExactMoments(benchmark::State& state)
{
    frmMain& form = Window();
    Controls().optPlanetary()->setChecked(true);
    form.cmdCompute_Click();
    StoreExactMomentsSwitch(true);
    for (auto _ : state) {
        form.cmdReport_Click();
        form.DurationsWindow()->hide();
    }
    StoreExactMomentsSwitch(false);
    state.counters["aspects"] = static_cast<double>(form.DurationsWindow()->Records().size());
}
BENCHMARK(BM_ReportWithExactMoments)->Unit(benchmark::kMillisecond);

// A run shows the wheel: a computation then redraws it.
void ShowWheel(frmMain& form)
{
    Controls().optPlanetary()->setChecked(true);
    Controls().cboForwardBack()->setCurrentIndex(0);
    form.cmdCompute_Click();
    if (!form.WheelShown())
        form.cmdToggleGraphic_Click();
}

void BM_ComputeWithTheWheelShown(benchmark::State& state)
{
    frmMain& form = Window();
    ShowWheel(form);
    for (auto _ : state)
        form.cmdCompute_Click();
}
BENCHMARK(BM_ComputeWithTheWheelShown)->Unit(benchmark::kMillisecond);

// One step of a run without its wait: the step and its computation with
// the run's pattern test (target: at most 1.5 times the computation above).
// The window paints the new wheel while the run waits; that painting is
// left out here, as the wait is (BM_PaintTheWheel measures it).
void BM_RunStepWithoutItsWait(benchmark::State& state)
{
    frmMain& form = Window();
    ShowWheel(form);
    for (auto _ : state) {
        state.PauseTiming();
        QCoreApplication::processEvents(); // the wait's painting of the step before
        state.ResumeTiming();
        form.cmdForwardBack_Click(0);
    }
}
BENCHMARK(BM_RunStepWithoutItsWait)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// Painting the wheel on the screen, as after each step of a run.
void BM_PaintTheWheel(benchmark::State& state)
{
    frmMain& form = Window();
    ShowWheel(form);
    QImage image(Controls().picGraphic()->size() * 2, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.scale(image.width() / double(Controls().picGraphic()->Picture()->WidthTwips()),
            image.height() / double(Controls().picGraphic()->Picture()->HeightTwips()));
        Controls().picGraphic()->Picture()->Replay(painter);
    }
}
BENCHMARK(BM_PaintTheWheel)->Unit(benchmark::kMillisecond);

} // namespace
