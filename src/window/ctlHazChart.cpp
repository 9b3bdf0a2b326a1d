#include "window/ctlHazChart.h"

#include "charts/HazChart.h"

#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

namespace {

constexpr std::size_t IndexColour = 5;  // the template's series 6 and 7 colour the index lines

}  // namespace

ctlHazChart::ctlHazChart(QWidget* parent) : ctlChart(parent)
{
    SetUp(DefaultLook());
}

clsChartTemplate ctlHazChart::DefaultLook()
{
    clsChartTemplate look;
    look.markers = false;
    // Initiation, surface fire alone, active crown fire, high fuel model, final spread rate, then
    // the torching and crowning index lines.
    look.seriesColours = {0xD62728, 0x2CA02C, 0xFF7F0E, 0x1F77B4, 0x000000, 0x7F7F7F,
                          0x9467BD, 0x8C564B, 0xE377C2, 0xBCBD22, 0x17BECF, 0x393B79};
    return look;
}

void ctlHazChart::SetUp(const clsChartTemplate& look)
{
    ctlChart::SetUp(look, "Crown Fire Hazard Assessment Chart");
}

void ctlHazChart::Draw(const HazChartData& data)
{
    ClearChart();
    spreadRates.clear();
    indexLines.clear();
    if (data.Empty())
        return;
    chart->setTitle(QString::fromStdString(data.header));

    // The wind axis spans the range with round gridlines, whatever the unit; it reads in row
    // order, backwards for a descending range.
    const auto [low, high] = std::minmax_element(data.rowValues.begin(), data.rowValues.end());
    QValueAxis* xAxis = RoundAxis(data.rowValues.empty() ? ChartAxis() : ChartAxis::Spanning(*low, *high));
    xAxis->setReverse(data.descending);
    double top = 0;
    for (const ChartSeries& series : data.spreadRates)
        for (const ChartPoint& point : series.points)
            top = std::max(top, point.y);
    QValueAxis* yAxis = RoundAxis(ChartAxis::Reaching(top));
    // The index lines reach from the bottom to the top of the plot on a scale of their own.
    auto* indexAxis = new QValueAxis;
    indexAxis->setRange(0, 100);
    AddAxis(xAxis, Qt::AlignBottom, data.xTitle);
    AddAxis(yAxis, Qt::AlignLeft, data.yTitle);
    AddAxis(indexAxis, Qt::AlignRight, "");
    indexAxis->setVisible(false);

    const auto addLine = [this](const ChartSeries& data, QPen pen, QAbstractAxis* x, QAbstractAxis* y) {
        auto* line = new QLineSeries;
        line->setName(QString::fromStdString(data.label));
        for (const ChartPoint& point : data.points)
            line->append(point.x, point.y);
        line->setPen(pen);
        line->setPointsVisible(Look().markers);
        chart->addSeries(line);
        line->attachAxis(x);
        line->attachAxis(y);
        // A series without a label (the simple surface fire's) or without a point (an output not
        // reachable) has no entry in the legend.
        chart->legend()->markers(line).front()->setVisible(!data.label.empty() && !data.points.empty());
        return line;
    };
    for (std::size_t s = 0; s < data.spreadRates.size(); ++s) {
        QPen pen(SeriesColour(s), Look().lineWidth + (s == 4 ? 1 : 0));
        spreadRates.push_back(addLine(data.spreadRates[s], pen, xAxis, yAxis));
    }
    for (std::size_t s = 0; s < data.indexLines.size(); ++s) {
        const bool crowning = data.indexLines[s].label.rfind("Crowning", 0) == 0;
        QPen pen(SeriesColour(IndexColour + (crowning ? 1 : 0)), Look().lineWidth,
                 crowning ? Qt::DashDotLine : Qt::DashLine);
        indexLines.push_back(addLine(data.indexLines[s], pen, xAxis, indexAxis));
    }
    ShowCaption(data.subtitle);
}

void ctlHazChart::ShowSeries(QLineSeries* series, bool shown)
{
    series->setVisible(shown);
    for (QLegendMarker* marker : chart->legend()->markers(series))
        marker->setVisible(shown && !series->name().isEmpty() && series->count() > 0);
}

void ctlHazChart::ShowFinal(bool shown)
{
    if (spreadRates.size() == 5)
        ShowSeries(spreadRates[4], shown);
}

void ctlHazChart::ShowIndices(bool shown)
{
    for (QLineSeries* line : indexLines)
        ShowSeries(line, shown);
}
