#include "window/ctlOutputChart.h"

#include "tables/Charts.h"

#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

ctlOutputChart::ctlOutputChart(QWidget* parent) : ctlChart(parent)
{
    SetUp(clsChartTemplate());
}

void ctlOutputChart::SetUp(const clsChartTemplate& look)
{
    ctlChart::SetUp(look, "Output Chart");
}

// A scenario's line, one piece per run of rows that have a value; the legend names it once. A
// piece of one row is drawn as its point.
void ctlOutputChart::AddSeries(const OutputChartData& data, std::size_t s, QAbstractAxis* xAxis, QAbstractAxis* yAxis)
{
    const std::vector<double>& y = data.series[s].y;
    const std::vector<std::pair<std::size_t, std::size_t>> runs = Charts::ReachableRuns(y);
    for (std::size_t r = 0; r < runs.size(); ++r) {
        auto* line = new QLineSeries;
        line->setName(QString::fromStdString(data.series[s].label));
        for (std::size_t p = runs[r].first; p < runs[r].second && p < data.x.size(); ++p)
            line->append(data.x[p], y[p]);
        QPen pen(SeriesColour(s));
        pen.setWidth(Look().lineWidth);
        line->setPen(pen);
        line->setPointsVisible(Look().markers || runs[r].second - runs[r].first == 1);
        chart->addSeries(line);
        line->attachAxis(xAxis);
        line->attachAxis(yAxis);
        if (r > 0)
            for (QLegendMarker* marker : chart->legend()->markers(line))
                marker->setVisible(false);
    }
}

void ctlOutputChart::Draw(const OutputChartData& data)
{
    ClearChart();
    chart->setTitle(QString::fromStdString(data.header));
    if (data.series.empty() || data.x.empty())
        return;

    // The X axis reads in row order: it runs backwards for a descending range.
    const auto [first, last] = std::minmax_element(data.x.begin(), data.x.end());
    QValueAxis* xAxis = RoundAxis(ChartAxis::Spanning(*first, *last));
    xAxis->setReverse(data.x.front() > data.x.back());
    const auto range = Charts::ValueRange(data.series);
    QValueAxis* yAxis = RoundAxis(range ? ChartAxis::Spanning(range->first, range->second) : ChartAxis());
    AddAxis(xAxis, Qt::AlignBottom, data.xTitle);
    AddAxis(yAxis, Qt::AlignLeft, data.yTitle);
    for (std::size_t s = 0; s < data.series.size(); ++s)
        AddSeries(data, s, xAxis, yAxis);
    ShowLegendTitle("Legend");
    ShowCaption(data.subtitle);
}
