#pragma once

#include "window/ctlChart.h"

#include <cstddef>

class QAbstractAxis;
struct OutputChartData;

// The output chart: a line per scenario over the row values, drawn with the look of the chart
// template.
class ctlOutputChart : public ctlChart {
    Q_OBJECT
public:
    explicit ctlOutputChart(QWidget* parent = nullptr);

    // The chart's look: the template's, then the header "Output Chart" and the legend titled
    // "Legend".
    void SetUp(const clsChartTemplate& look);
    void Draw(const OutputChartData& data);

private:
    void AddSeries(const OutputChartData& data, std::size_t s, QAbstractAxis* xAxis, QAbstractAxis* yAxis);
};
