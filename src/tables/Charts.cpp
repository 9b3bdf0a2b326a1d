#include "tables/Charts.h"

#include "base/NumberText.h"
#include "tables/ChartData.h"
#include "runs/ScenarioGrid.h"
#include "runs/clsRun.h"
#include "tables/clsListState.h"
#include "tables/clsPageInputCtl.h"
#include "tables/TableVariables.h"
#include "tables/Tables.h"

namespace Charts {

std::string ScenarioLabel(const std::string& name, int scenario)
{
    return name.empty() ? std::string("Scenario ") + static_cast<char>('A' + scenario - 1) : name;
}

std::string PageNote(const clsPageInputCtl& page, bool held)
{
    if (!held || !page.pageVarIsValid())
        return "";
    const std::string unit = page.cmboPageUnits.Text();
    return page.cmboPageVar.Text() + " " + page.txtPageVal + (unit.empty() ? "" : " " + unit);
}

void FillScenarioList(clsListState& list, clsRun& run, const std::array<bool, 4>& validated)
{
    list.Clear();
    for (int i = 1; i <= clsRun::NumScenarios(); ++i)
        if (validated[static_cast<std::size_t>(i - 1)])
            list.AddItem(ScenarioLabel(run.io(i).Name, i), static_cast<int16_t>(i));
    list.index = list.Empty() ? -1 : 0;
}

OutputChartData OutputChart(const Tables& tables, const TableSelection& selection,
                            const std::array<std::string, 4>& scenarioNames)
{
    OutputChartData chart;
    const TableVariables::Variable* variable = TableVariables::FindVariable(selection.rowVarId);
    const TableVariables::Output* output = TableVariables::FindOutput(selection.colVarId);
    if (!tables.HasResults() || !variable || !output)
        return chart;
    chart.x = tables.RowValues();
    for (double x : chart.x)
        chart.pointLabels.push_back(NumberText::ShortestText(x));
    for (int i = 1; i <= 4; ++i) {
        if (!tables.ColumnComputed(i))
            continue;
        OutputChartData::Series series;
        series.label = ScenarioLabel(scenarioNames[static_cast<std::size_t>(i - 1)], i);
        for (int r = 1; r <= static_cast<int>(chart.x.size()); ++r)
            series.y.push_back(tables.CellValue(selection, r, i));
        chart.series.push_back(std::move(series));
    }
    chart.xTitle = std::string(variable->rowText) + " (" + selection.rowUnitLabel + ")";
    chart.yTitle = std::string(output->text) + " (" + selection.colUnitLabel + ")";
    return chart;
}

OutputChartData OutputChart(const Tables& tables, const TableSelection& selection, clsRun& run,
                            const clsPageInputCtl& page)
{
    std::array<std::string, 4> names;
    for (int i = 1; i <= clsRun::NumScenarios(); ++i)
        names[static_cast<std::size_t>(i - 1)] = run.io(i).Name;
    OutputChartData chart = OutputChart(tables, selection, names);
    std::string scenarios;
    for (const OutputChartData::Series& series : chart.series)
        scenarios.append(scenarios.empty() ? "" : ", ").append(ScenarioGrid::StripBlanks(series.label));
    chart.subtitle = ChartText::Joined({scenarios, PageNote(page, selection.PageVariable() != nullptr)});
    return chart;
}

std::vector<std::pair<std::size_t, std::size_t>> ReachableRuns(const std::vector<double>& y)
{
    std::vector<std::pair<std::size_t, std::size_t>> runs;
    for (std::size_t p = 0; p < y.size();) {
        if (clsTorviOutputs::IsNotReachable(y[p])) {
            ++p;
            continue;
        }
        const std::size_t first = p;
        while (p < y.size() && !clsTorviOutputs::IsNotReachable(y[p]))
            ++p;
        runs.emplace_back(first, p);
    }
    return runs;
}

std::optional<std::pair<double, double>> ValueRange(const std::vector<OutputChartData::Series>& series)
{
    std::optional<std::pair<double, double>> range;
    for (const OutputChartData::Series& one : series)
        for (const double y : one.y) {
            if (clsTorviOutputs::IsNotReachable(y))
                continue;
            if (!range)
                range.emplace(y, y);
            range->first = std::min(range->first, y);
            range->second = std::max(range->second, y);
        }
    return range;
}

}  // namespace Charts
