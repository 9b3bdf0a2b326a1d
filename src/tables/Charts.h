#pragma once

#include <array>
#include <string>
#include <vector>

class Tables;
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
};

namespace Charts {

// The chart of the table's results: X the row values in walk order (falling for a descending
// range), a series per computed scenario in scenario order, labelled with its name (or "Scenario
// A" to "Scenario D" for a scenario without one), the selected output in the selected unit.
OutputChartData OutputChart(const Tables& tables, const TableSelection& selection,
                            const std::array<std::string, 4>& scenarioNames);

}  // namespace Charts
