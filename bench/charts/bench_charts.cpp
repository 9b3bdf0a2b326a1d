// The crown fire hazard chart and the fire characteristics chart after the analyst changes a
// control: the conifer scenario "Ridge top" with the slope held at a new page value each time, so
// that the chart's every engine call is made again and the chart drawn again (the hazard chart
// over the 63 rows of 0 to 60 mi/hr, the fire characteristics chart over its 45 winds and seven
// curves). Run with QT_QPA_PLATFORM=offscreen.
//
// `bench_charts --write-screenshots DIR` writes instead the main window showing each chart for
// that scenario, as DIR/hazard-chart.png and DIR/fire-characteristics-chart.png.
#include "window/TorviForm.h"
#include "window/FireTab.h"
#include "window/HazChartTab.h"
#include "window/ctlFireChart.h"
#include "window/ctlHazChart.h"
#include "runs/clsRun.h"
#include "window/ctlPageInput.h"
#include "window/ctlRowInput.h"

#include "QtBench.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QSlider>
#include <QTabBar>

#include <benchmark/benchmark.h>

#include <iostream>
#include <string>

namespace {

using MainWindowParts::Child;

constexpr int HazardTab = 3;
constexpr int FireTab = 4;

// The main window at the size of the README's pictures, with "Ridge top" as scenario A.
struct Window : BenchWindow {
    explicit Window(int tab)
    {
        form->resize(1340, 860);
        LoadScenario(1, ORVANE_BIN_DIR "/userfiles/ridge-top.scn");
        Child<QTabBar>(*form, "TabStrip1")->setCurrentIndex(tab);
        QApplication::processEvents();
    }

    ctlPageInput& Page(int tab) const
    {
        return tab == HazardTab ? *hazard->pgInHazard : *fire->pgInFire;
    }

    void HoldSlope(int tab) const
    {
        QComboBox* variable = Page(tab).cmboPageVar;
        variable->setCurrentIndex(variable->findText("Slope"));
        emit variable->activated(variable->currentIndex());
    }

    HazChartTab* hazard = Child<HazChartTab>(*form, "hazChartTab");
    ::FireTab* fire = Child<::FireTab>(*form, "fireTab");
};

void ChangeSlope(const Window& window, int tab, int step)
{
    Leave(window.Page(tab).txtPageVal, QString::number(10 + step % 2 * 20));
}

void BM_HazardChartAfterAControlChange(benchmark::State& state)
{
    Window window(HazardTab);
    ctlRowInput2& range = *window.hazard->rowInHazard;
    Leave(range.txtRowMax, "60");
    Leave(range.txtRowStep, "1");
    window.HoldSlope(HazardTab);
    QChartView* chart = window.hazard->tvHazChart->tvCharts;
    int step = 0;
    for (auto _ : state) {
        ChangeSlope(window, HazardTab, step++);
        chart->viewport()->repaint();
    }
    if (window.hazard->Results().Rows().size() != 63 || !window.ui.messages.empty())
        state.SkipWithError("the hazard chart was not computed");
}
BENCHMARK(BM_HazardChartAfterAControlChange)->Unit(benchmark::kMillisecond);

void BM_FireChartAfterAControlChange(benchmark::State& state)
{
    Window window(FireTab);
    window.HoldSlope(FireTab);
    QChartView* chart = window.fire->tvFireChart->tvCharts;
    int step = 0;
    for (auto _ : state) {
        ChangeSlope(window, FireTab, step++);
        chart->viewport()->repaint();
    }
    if (window.fire->Results().Points().size() < 41 || !window.ui.messages.empty())
        state.SkipWithError("the fire characteristics chart was not computed");
}
BENCHMARK(BM_FireChartAfterAControlChange)->Unit(benchmark::kMillisecond);

// The window as the analyst sees each chart: the hazard chart over 0 to 60 mi/hr, the fire
// characteristics chart with flame length curves and the point just above the torching index
// selected.
int WriteScreenshots(int argc, char** argv, const QString& folderName)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    // The program's start makes its own folder the current one.
    const QString folder = QDir(folderName).absolutePath();
    QDir().mkpath(folder);
    {
        Window window(HazardTab);
        ctlRowInput2& range = *window.hazard->rowInHazard;
        Leave(range.txtRowMax, "60");
        Leave(range.txtRowStep, "1");
        QApplication::processEvents();
        if (!window.form->grab().save(QDir(folder).filePath("hazard-chart.png"))) {
            std::cerr << "Failed to write " << folder.toStdString() << "/hazard-chart.png\n";
            return 1;
        }
    }
    {
        Window window(FireTab);
        const auto& points = window.fire->Results().Points();
        for (std::size_t i = 0; i < points.size(); ++i)
            if (points[i].wind == FirePoint::Wind::AboveTorching)
                window.fire->sldWindPoint->setValue(static_cast<int>(i));
        QApplication::processEvents();
        if (!window.form->grab().save(QDir(folder).filePath("fire-characteristics-chart.png"))) {
            std::cerr << "Failed to write " << folder.toStdString() << "/fire-characteristics-chart.png\n";
            return 1;
        }
    }
    std::cout << "Screenshots written to " << folder.toStdString() << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--write-screenshots")
        return WriteScreenshots(argc, argv, QString::fromLocal8Bit(argv[2]));
    return RunQtBenchmarks(argc, argv);
}
