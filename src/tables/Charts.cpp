#include "tables/Charts.h"

#include "app/TextLines.h"
#include "tables/TableVariables.h"
#include "tables/Tables.h"

namespace Charts {

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
        chart.pointLabels.push_back(TextLines::ShortestText(x));
    for (int i = 1; i <= 4; ++i) {
        if (!tables.ColumnComputed(i))
            continue;
        OutputChartData::Series series;
        const std::string& name = scenarioNames[static_cast<std::size_t>(i - 1)];
        series.label = name.empty() ? std::string("Scenario ") + static_cast<char>('A' + i - 1) : name;
        for (int r = 1; r <= static_cast<int>(chart.x.size()); ++r)
            series.y.push_back(tables.CellValue(selection, r, i));
        chart.series.push_back(std::move(series));
    }
    chart.xTitle = std::string(variable->rowText) + " (" + selection.rowUnitLabel + ")";
    chart.yTitle = std::string(output->text) + " (" + selection.colUnitLabel + ")";
    return chart;
}

}  // namespace Charts
