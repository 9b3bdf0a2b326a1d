#pragma once

#include "window/ctlChart.h"

class QLineSeries;
struct HazChartData;

// The crown fire hazard chart: the spread rate lines over the wind range and the two index lines
// standing over the whole height of the plot.
class ctlHazChart : public ctlChart {
    Q_OBJECT
public:
    explicit ctlHazChart(QWidget* parent = nullptr);

    // The look without a template file: a colour for each threshold and the index lines, lines
    // without point markers.
    static clsChartTemplate DefaultLook();
    // The chart's look: the template's, with the header "Crown Fire Hazard Assessment Chart".
    void SetUp(const clsChartTemplate& look);
    // An empty drawing leaves an empty chart.
    void Draw(const HazChartData& data);
    void ShowFinal(bool shown);
    void ShowIndices(bool shown);

    // The series drawn, for the views' options: group 1 in series order, then group 2.
    std::vector<QLineSeries*> spreadRates;
    std::vector<QLineSeries*> indexLines;

private:
    void ShowSeries(QLineSeries* series, bool shown);
};
