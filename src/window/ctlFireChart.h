#pragma once

#include "tables/ChartData.h"
#include "window/ctlChart.h"

#include <optional>
#include <vector>

class QLineSeries;
class QScatterSeries;
struct FireChartData;

// The fire characteristics chart: the curves with their labels on the plot, the scenario's points
// by fire type with the index markers, and a ring around the selected wind point.
class ctlFireChart : public ctlChart {
    Q_OBJECT
public:
    explicit ctlFireChart(QWidget* parent = nullptr);

    // The look without a template file: the reference curves from blue (low) to red (high), the
    // thresholds dashed, the points green, orange and red by fire type.
    static clsChartTemplate DefaultLook();
    // The chart's look: the template's, with the header "Fire Characteristics Chart".
    void SetUp(const clsChartTemplate& look);
    // An empty drawing leaves an empty chart.
    void Draw(const FireChartData& data);
    void MarkWindPoint(const std::optional<ChartPoint>& point);

    std::vector<QLineSeries*> curves;
    std::vector<QScatterSeries*> points;
    QScatterSeries* windPoint = nullptr;
};
