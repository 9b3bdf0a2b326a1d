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

clsChartTemplate ctlFireChart::DefaultLook()
{
    clsChartTemplate look;
    look.seriesColours = {0x2166AC, 0x4393C3, 0x5AAE61, 0xF46D43, 0xA50026, 0x8C510A,
                          0x000000, 0x1B7837, 0xFF7F00, 0xE31A1C, 0x000000, 0x7F7F7F};
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
    auto* xAxis = new QValueAxis;
    xAxis->setRange(0, data.xAxis.maximum);
    xAxis->setLabelFormat("%g");
    xAxis->setTickCount(data.xAxis.tickCount);
    auto* yAxis = new QValueAxis;
    yAxis->setRange(0, data.yAxis.maximum);
    yAxis->setLabelFormat("%g");
    yAxis->setTickCount(data.yAxis.tickCount);
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
        QPen pen(SeriesColour(s), reference ? std::max(1, Look().lineWidth - 1) : Look().lineWidth,
                 reference ? Qt::SolidLine : Qt::DashLine);
        line->setPen(pen);
        attach(line);
        curves.push_back(line);
    }
    for (std::size_t s = 0; s < data.points.size(); ++s) {
        auto* scatter = new QScatterSeries;
        scatter->setName(QString::fromStdString(data.points[s].label));
        for (const ChartPoint& point : data.points[s].points)
            scatter->append(point.x, point.y);
        scatter->setMarkerSize(8);
        scatter->setColor(SeriesColour(PointColour + s));
        scatter->setBorderColor(SeriesColour(PointColour + s).darker(140));
        attach(scatter);
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
}

void ctlFireChart::MarkWindPoint(const std::optional<ChartPoint>& point)
{
    if (!windPoint)
        return;
    windPoint->clear();
    if (point)
        windPoint->append(point->x, point->y);
}
