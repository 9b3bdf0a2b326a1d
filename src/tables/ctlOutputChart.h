#pragma once

#include "tables/clsChartTemplate.h"

#include <QWidget>

class QChart;
class QChartView;
class QGraphicsSimpleTextItem;
class QPrinter;
struct OutputChartData;

// The output chart: a line per scenario over the row values, drawn with the look of the chart
// template. It keeps its drawing until it is drawn again or cleared, and can be captured as an
// image and printed.
class ctlOutputChart : public QWidget {
    Q_OBJECT
public:
    explicit ctlOutputChart(QWidget* parent = nullptr);

    // The chart's look: the template's, then the axis titles in Arial 9, the legend titled
    // "Legend" and the header "Output Chart".
    void SetUp(const clsChartTemplate& look);
    void Draw(const OutputChartData& data);
    void ClearChart();
    // Writes the chart as shown, as JPEG when the name holds ".jpg" (any letter case) and as PNG
    // otherwise; the file is replaced only when the image was written whole.
    bool CaptureChart(const QString& fileName) const;
    // Draws the chart on the printer's page, as large as the page allows; false when the printer
    // could not be drawn on.
    bool PrintChart(QPrinter& printer) const;

    QChartView* tvCharts;
    QChart* chart;
    QGraphicsSimpleTextItem* legendTitle;

private:
    void PlaceLegendTitle();

    clsChartTemplate look;
};
