// Speed of a whole computation through the main window, as the compute
// button runs it: reading the dates, longitudes, aspects, patterns, reports
// and showing the table.
#include "mainwindow/frmMain.h"
#include "platform/MessageBoxes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include <benchmark/benchmark.h>

#include <memory>

using namespace qal;

namespace {

frmMain& Window()
{
    static std::unique_ptr<frmMain> form;
    if (!form) {
        platform::MsgBoxUseScript(true);
        form = std::make_unique<frmMain>();
        if (!form->Form_Load(QStringLiteral(QAL_DATA_DIR)))
            qFatal("cannot start the main window");
        for (int k = 0; k < 3; ++k) {
            form->txbYearCE[k]->setText(QStringLiteral("%1").arg(2018 - 20 * k));
            form->cboMonthCE[k]->setCurrentIndex(3 + k);
            form->cboDayCE[k]->setCurrentIndex(5 + k);
            form->cboHour[k]->setCurrentIndex(30);
            form->cboTimezone[k]->setCurrentIndex(26);
        }
    }
    return *form;
}

void BM_ComputePlanetary(benchmark::State& state)
{
    frmMain& form = Window();
    form.optPlanetary->setChecked(true);
    for (auto _ : state)
        form.cmdCompute_Click();
}
BENCHMARK(BM_ComputePlanetary)->Unit(benchmark::kMillisecond);

void BM_ComputeSynastry(benchmark::State& state)
{
    frmMain& form = Window();
    form.optSynastry->setChecked(true);
    for (auto _ : state)
        form.cmdCompute_Click();
}
BENCHMARK(BM_ComputeSynastry)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

void BM_DrawOneRingWheel(benchmark::State& state)
{
    frmMain& form = Window();
    form.optPlanetary->setChecked(true);
    form.cmdCompute_Click();
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawOneRingWheel(form.udtGrid, form.udtTextBlocks));
}
BENCHMARK(BM_DrawOneRingWheel)->Unit(benchmark::kMillisecond);

void BM_DrawTwoRingWheel(benchmark::State& state)
{
    frmMain& form = Window();
    form.optPersonal[0]->setChecked(true);
    form.cmdCompute_Click();
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawTwoRingWheel(form.udtGrid, modePersonal1, form.udtTextBlocks));
}
BENCHMARK(BM_DrawTwoRingWheel)->Unit(benchmark::kMillisecond);

void BM_StepForwardOneDay(benchmark::State& state)
{
    frmMain& form = Window();
    form.optPlanetary->setChecked(true);
    form.cboForwardBack->setCurrentIndex(1);
    for (auto _ : state)
        form.cmdForwardBack_Click(0);
}
BENCHMARK(BM_StepForwardOneDay)->Unit(benchmark::kMillisecond);

} // namespace
