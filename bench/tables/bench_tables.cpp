// The output table and the output chart after the analyst changes a control: 61 rows of the open
// wind speed (0 to 60 mi/hr) for four validated scenarios, with a new page value for the slope each
// time, so that every scenario and row goes to the engine again. Run with QT_QPA_PLATFORM=offscreen.
#include "window/TorviForm.h"
#include "runs/clsRun.h"
#include "window/TablesTab.h"
#include "window/ctlOutputChart.h"
#include "window/ctlOutputTable.h"
#include "window/ctlPageInput.h"
#include "window/ctlRowInput.h"

#include "QtBench.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTabBar>
#include <QTableWidget>

#include <benchmark/benchmark.h>

#include <fstream>

namespace {

using MainWindowParts::Child;

const char* const Scenarios[] = {
    "3 1 0.4 1 1 1 1 0.4 1 1 1 6 8 10 100 100 0.1 10 1 100 2 10 20 0 Grass",
    "2 10 0.4 1 1 1 10 0.4 1 1 1 6 8 10 100 100 0.15 6 1 100 6 20 20 0 Timber",
    "1 5 0.4 1 1 1 4 0.5 1 1 1 6 7 8 90 110 0.2 0 1 100 4 15 30 90 Shrub",
    "3 101 0.4 1 1 1 1 0.4 1 1 1 5 6 7 60 90 0.1 10 1 100 2 10 10 45 Short grass",
};

struct Window : BenchWindow {
    explicit Window(int tab)
    {
        for (int i = 1; i <= 4; ++i) {
            const std::string path = QDir::temp().filePath("orvane-bench-tables.scn").toStdString();
            std::ofstream(path, std::ios::binary) << "# bench\r\n" << Scenarios[i - 1] << "\r\n";
            LoadScenario(i, path);
        }
        Child<QTabBar>(*form, "TabStrip1")->setCurrentIndex(tab);
        TablesTab& tab1 = *tables;
        Leave(tab1.tblRowInput->txtRowMin, "0");
        Leave(tab1.tblRowInput->txtRowMax, "60");
        Leave(tab1.tblRowInput->txtRowStep, "1");
        QComboBox* page = tab1.tblPageInput->cmboPageVar;
        page->setCurrentIndex(page->findText("Slope"));
        emit page->activated(page->currentIndex());
        QApplication::processEvents();
    }

    TablesTab* tables = Child<TablesTab>(*form, "tablesTab");
};

void ChangePage(Window& window, int step)
{
    Leave(window.tables->tblPageInput->txtPageVal, QString::number(10 + step % 2 * 20));
}

void BM_TableAfterAControlChange(benchmark::State& state)
{
    Window window(1);
    QTableWidget* grid = window.tables->tableView->vsgridTable;
    int step = 0;
    for (auto _ : state) {
        ChangePage(window, step++);
        grid->viewport()->repaint();
    }
    if (window.tables->tableView->Cell(61, 4).isEmpty() || !window.ui.messages.empty())
        state.SkipWithError("the table was not computed");
}
BENCHMARK(BM_TableAfterAControlChange)->Unit(benchmark::kMillisecond);

void BM_ChartAfterAControlChange(benchmark::State& state)
{
    Window window(2);
    QChartView* chart = window.tables->chartView->tvCharts;
    int step = 0;
    for (auto _ : state) {
        ChangePage(window, step++);
        chart->viewport()->repaint();
    }
    if (chart->chart()->series().size() != 4 || !window.ui.messages.empty())
        state.SkipWithError("the chart was not drawn");
}
BENCHMARK(BM_ChartAfterAControlChange)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
