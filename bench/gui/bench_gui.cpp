// Leaving an input box (validate, store, calculate, show the outputs and repaint the scenario),
// and the start-up from the checks of the model parameters file to the painted main window.
// Run with QT_QPA_PLATFORM=offscreen.
#include "window/TorviForm.h"
#include "window/ctlIn.h"
#include "window/ctlOut.h"
#include "runs/clsRun.h"

#include "QtBench.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>

#include <benchmark/benchmark.h>


namespace {

using MainWindowParts::Scenario;
using Window = BenchWindow;

void BM_LeaveBoxRecalculatesScenario(benchmark::State& state)
{
    Window window;
    ctlIn& panel = *Scenario<ctlIn>(*window.form, "inPanel", 2);
    panel.SetVegType(2);
    panel.SetFuelMdlLow(10, "FM10", "Timber (litter and understory)");
    const std::pair<int, const char*> values[] = {{11, "6"},  {12, "8"},  {13, "10"}, {15, "100"}, {16, "0.15"},
                                                  {17, "6"},  {18, "1"},  {21, "20"}, {22, "20"},  {23, "0"}};
    for (const auto& [field, text] : values)
        Leave(panel.txtInp[ctlIn::fld2Idx(field)], text);
    QLineEdit* wind = panel.txtInp[ctlIn::fld2Idx(21)];
    ctlOut& outputs = *Scenario<ctlOut>(*window.form, "outPanel", 2);
    int step = 0;
    for (auto _ : state) {
        Leave(wind, QString::number(10 + step++ % 20));
        panel.repaint();
        outputs.repaint();
    }
    if (window.run.io(2).OData.RateOfSpread <= 0)
        state.SkipWithError("the scenario did not calculate");
}
BENCHMARK(BM_LeaveBoxRecalculatesScenario)->Unit(benchmark::kMillisecond);

void BM_StartUpToPaintedWindow(benchmark::State& state)
{
    for (auto _ : state) {
        Window window;
        window.form->repaint();
        benchmark::DoNotOptimize(window.form.get());
    }
}
BENCHMARK(BM_StartUpToPaintedWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
