#pragma once

#include "tables/clsChartTemplate.h"

#include <QPointF>
#include <QString>
#include <QWidget>

#include <string>
#include <vector>

class QAbstractAxis;
class QAbstractSeries;
class QCategoryAxis;
class QChart;
class QChartView;
class QGraphicsSimpleTextItem;
class QPrinter;

// What every chart of the program shares: a Qt chart in the look of a chart template (header,
// axis titles in Arial 9, legend, colours), a legend title, texts written beside points of the
// plot, capture as an image and printing. A chart keeps its drawing until it is drawn again or
// cleared.
class ctlChart : public QWidget {
    Q_OBJECT
public:
    explicit ctlChart(QWidget* parent = nullptr);

    // The chart's look: the template's, with this header.
    void SetUp(const clsChartTemplate& look, const QString& header);
    // Removes every series, axis and text; the header stays.
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

protected:
    const clsChartTemplate& Look() const { return look; }
    QFont LabelFont() const;
    // The template's colour of series 1, 2, … (0-based here).
    QColor SeriesColour(std::size_t index) const;
    // Axis title and label fonts and the gridlines of the template, then the axis joins the chart.
    void AddAxis(QAbstractAxis* axis, Qt::Alignment alignment, const std::string& title);
    // An X axis labelled with row values at their places (no more labels than fit beside each
    // other), running from the smallest to the largest value, backwards when reversed.
    static QCategoryAxis* RowValueAxis(const std::vector<double>& values, const std::vector<std::string>& labels,
                                       bool reversed);
    void ShowLegendTitle(const QString& title);
    // A text above and right of a point of a series' plot (in its axes' values), that many pixels
    // away; kept there when the plot moves, and kept inside the plot.
    void AddPlotText(const QString& text, QPointF value, QAbstractSeries* series, const QFont& font,
                     const QColor& colour, double gap);

private:
    struct PlotText {
        QGraphicsSimpleTextItem* item;
        QPointF value;
        QAbstractSeries* series;
        double gap;
    };

    void PlaceLegendTitle();
    void PlacePlotTexts();

    clsChartTemplate look;
    std::vector<PlotText> plotTexts;
};
