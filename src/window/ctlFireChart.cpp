#include "window/ctlFireChart.h"

#include "charts/Fire.h"

#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

namespace {

// The template's colours: series 1 to 5 the reference curves, 6 "FLINinitiation", 7
// "SPRTactive", 8 to 10 the points by fire type, 11 the markers and the selected point.
constexpr std::size_t ThresholdColour = 5;
constexpr std::size_t PointColour = 7;
constexpr std::size_t MarkerColour = 10;
constexpr std::size_t ReferenceCurveCount = 5;
// The points' shapes by fire type: surface, passive, active.
constexpr QScatterSeries::MarkerShape PointShapes[] = {QScatterSeries::MarkerShapeCircle,
                                                       QScatterSeries::MarkerShapeRectangle,
                                                       QScatterSeries::MarkerShapeTriangle};

// A curve falls from the top of the plot: the points above it are left out and the first segment
// ends at the top edge, so that the plot never holds the far larger values near the origin.
QList<QPointF> BelowTop(const std::vector<ChartPoint>& points, double top)
{
    QList<QPointF> kept;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const ChartPoint& p = points[i];
        if (p.y <= top) {
            if (i > 0 && points[i - 1].y > top) {
                const ChartPoint& q = points[i - 1];
                kept.append({q.x + (top - q.y) * (p.x - q.x) / (p.y - q.y), top});
            }
            kept.append({p.x, p.y});
        }
    }
    return kept;
}

}  // namespace

ctlFireChart::ctlFireChart(QWidget* parent) : ctlChart(parent)
{
    SetUp(DefaultLook());
}

// The reference curves are shades of one blue, from light (low) to dark (high), thin: the
// background the fire is read against. The thresholds are dashed and dark, the points take hues
// of their own (green, orange, red) and a marker shape each, so that they stay apart in grey.
clsChartTemplate ctlFireChart::DefaultLook()
{
    clsChartTemplate look;
    look.seriesColours = {0x9DB9D8, 0x7EA1C9, 0x5F88B8, 0x3F6FA5, 0x1F5591, 0x8C510A,
                          0x000000, 0x1B9E77, 0xFF7F00, 0xD7191C, 0x000000, 0x7F7F7F};
    return look;
}

void ctlFireChart::SetUp(const clsChartTemplate& look)
{
    ctlChart::SetUp(look, "Fire Characteristics Chart");
}

void ctlFireChart::Draw(const FireChartData& data)
{
    ClearChart();
    curves.clear();
    points.clear();
    windPoint = nullptr;
    if (data.Empty())
        return;
    chart->setTitle(QString::fromStdString(data.header));
    QValueAxis* xAxis = RoundAxis(data.xAxis);
    QValueAxis* yAxis = RoundAxis(data.yAxis);
    AddAxis(xAxis, Qt::AlignBottom, data.xTitle);
    AddAxis(yAxis, Qt::AlignLeft, data.yTitle);
    const auto attach = [&](QXYSeries* series) {
        chart->addSeries(series);
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
    };

    for (std::size_t s = 0; s < data.curves.size(); ++s) {
        auto* line = new QLineSeries;
        line->setName(QString::fromStdString(data.curves[s].label));
        line->append(BelowTop(data.curves[s].points, data.yAxis.maximum));
        const bool reference = s < ReferenceCurveCount;
        const Qt::PenStyle style = reference ? Qt::SolidLine : s == ReferenceCurveCount ? Qt::DashLine : Qt::DashDotLine;
        QPen pen(SeriesColour(s), reference ? std::max(1, Look().lineWidth - 1) : Look().lineWidth, style);
        line->setPen(pen);
        attach(line);
        // A curve that does not cross the plot is not in the legend.
        const bool inPlot = s < data.curveInPlot.size() && data.curveInPlot[s];
        chart->legend()->markers(line).front()->setVisible(inPlot);
        curves.push_back(line);
    }
    for (std::size_t s = 0; s < data.points.size(); ++s) {
        auto* scatter = new QScatterSeries;
        scatter->setName(QString::fromStdString(data.points[s].label));
        for (const ChartPoint& point : data.points[s].points)
            scatter->append(point.x, point.y);
        scatter->setMarkerSize(9);
        scatter->setMarkerShape(PointShapes[s % std::size(PointShapes)]);
        scatter->setColor(SeriesColour(PointColour + s));
        scatter->setBorderColor(Qt::black);
        attach(scatter);
        // A fire type the scenario never reaches is not in the legend.
        chart->legend()->markers(scatter).front()->setVisible(!data.points[s].points.empty());
        points.push_back(scatter);
    }
    windPoint = new QScatterSeries;
    windPoint->setName("Wind Point");
    windPoint->setMarkerSize(16);
    windPoint->setColor(Qt::transparent);
    windPoint->setPen(QPen(SeriesColour(MarkerColour), 2));
    attach(windPoint);
    chart->legend()->markers(windPoint).front()->setVisible(false);

    QFont bold = LabelFont();
    bold.setBold(true);
    for (const ChartLabel& marker : data.markers)
        AddPlotText(QString::fromStdString(marker.text), {marker.at.x, marker.at.y}, windPoint, bold,
                    SeriesColour(MarkerColour), 8);
    for (const ChartLabel& label : data.curveLabels) {
        std::size_t s = 0;
        while (s < curves.size() && curves[s]->name().toStdString() != label.text)
            ++s;
        AddPlotText(QString::fromStdString(label.text), {label.at.x, label.at.y}, windPoint, LabelFont(),
                    SeriesColour(s).darker(120), 3);
    }
    ShowLegendTitle(QString::fromStdString(data.curveLegend));
    ShowCaption(data.subtitle);
}

void ctlFireChart::MarkWindPoint(const std::optional<ChartPoint>& point)
{
    if (!windPoint)
        return;
    windPoint->clear();
    if (point)
        windPoint->append(point->x, point->y);
}
