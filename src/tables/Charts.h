#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class Tables;
class clsListState;
class clsPageInputCtl;
class clsRun;
struct TableSelection;

// The output chart's content: one line per computed scenario over the row values, with its
// labels and titles. No series when there is nothing to draw.
struct OutputChartData {
    struct Series {
        std::string label;
        std::vector<double> y;
    };

    std::vector<double> x;
    std::vector<std::string> pointLabels;
    std::vector<Series> series;
    std::string xTitle;
    std::string yTitle;
    std::string header = "Output Chart";
    std::string subtitle;  // the page value held, when one is
};

namespace Charts {

// How a chart names a scenario: its name, or "Scenario A" to "Scenario D" when it has none.
std::string ScenarioLabel(const std::string& name, int scenario);
// The page variable and the value it is held at, as its control shows them ("Slope 40 %"); "" when
// the chart holds none.
std::string PageNote(const clsPageInputCtl& page, bool held);
// A chart's scenario list: every validated scenario in scenario order, labelled, with its number
// as item data; the first entry shown (none when no scenario is validated).
void FillScenarioList(clsListState& list, clsRun& run, const std::array<bool, 4>& validated);

// The chart of the table's results: X the row values in walk order (falling for a descending
// range), a series per computed scenario in scenario order, labelled with its name (or "Scenario
// A" to "Scenario D" for a scenario without one), the selected output in the selected unit.
OutputChartData OutputChart(const Tables& tables, const TableSelection& selection,
                            const std::array<std::string, 4>& scenarioNames);

// The output chart of the run's scenarios with what the picture says of itself: the scenarios
// drawn and the page value held.
OutputChartData OutputChart(const Tables& tables, const TableSelection& selection, clsRun& run,
                            const clsPageInputCtl& page);

// The runs of consecutive points of a series that have a value, as [first, last) positions: a
// row whose output is not reachable has no point, and the line does not bridge it.
std::vector<std::pair<std::size_t, std::size_t>> ReachableRuns(const std::vector<double>& y);
// The smallest and largest value of every series, not reachable points left out; nothing when no
// point has a value.
std::optional<std::pair<double, double>> ValueRange(const std::vector<OutputChartData::Series>& series);

}  // namespace Charts
