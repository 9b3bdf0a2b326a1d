#pragma once

#include "tables/ChartData.h"
#include "tables/clsChartTemplate.h"

#include <QPointF>
#include <QString>
#include <QWidget>

#include <string>
#include <vector>

class QAbstractAxis;
class QAbstractSeries;
class QChart;
class QChartView;
class QGraphicsSimpleTextItem;
class QValueAxis;
class QPainter;

// What every chart of the program shares: a Qt chart in the look of a chart template (header,
// axis titles in Arial 9, legend, colours), a legend title, texts written beside points of the
// plot, and its drawing at any size for a picture or a print. A chart keeps its drawing until it
// is drawn again or cleared.
class ctlChart : public QWidget {
    Q_OBJECT
public:
    explicit ctlChart(QWidget* parent = nullptr);
    ~ctlChart() override;

    // The chart's look: the template's, with this header.
    void SetUp(const clsChartTemplate& look, const QString& header);
    // Removes every series, axis and text; the header stays.
    void ClearChart();
    // Lays the chart out at a size of its own (device-independent pixels) and paints it into the
    // target, then lays it out again as the window shows it: a picture of the chart is the same
    // drawing at any resolution and in any format.
    void Render(QPainter& painter, const QRectF& target, const QSizeF& size);

    QChartView* tvCharts;
    QChart* chart;
    QGraphicsSimpleTextItem* legendTitle;
    // Below the plot: what the picture says of itself (scenarios, page value, indices).
    QGraphicsSimpleTextItem* caption;

protected:
    const clsChartTemplate& Look() const { return look; }
    QFont LabelFont() const;
    // The template's colour of series 1, 2, … (0-based here).
    QColor SeriesColour(std::size_t index) const;
    // Axis title and label fonts and the gridlines of the template, then the axis joins the chart.
    void AddAxis(QAbstractAxis* axis, Qt::Alignment alignment, const std::string& title);
    void ShowLegendTitle(const QString& title);
    void ShowCaption(const std::string& text);
    // A value axis of a round axis: its ends, its gridlines and its labels' decimals.
    static QValueAxis* RoundAxis(const ChartAxis& round);
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
    void PlaceCaption();
    // Everything placed beside the layout of the chart, once the layout is done.
    void PlaceTexts();

    clsChartTemplate look;
    std::vector<PlotText> plotTexts;
};
