#include "tables/ctlOutputChart.h"

#include "tables/Charts.h"

#include <QCategoryAxis>
#include <QChart>
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

void ctlOutputChart::Draw(const OutputChartData& data)
{
    ClearChart();
    chart->setTitle(QString::fromStdString(data.header));
    if (data.series.empty() || data.x.empty())
        return;

    // The X axis reads in row order: it runs backwards for a descending range.
    QCategoryAxis* xAxis = RowValueAxis(data.x, data.pointLabels, data.x.front() > data.x.back());
    auto* yAxis = new QValueAxis;
    double bottom = data.series.front().y.front();
    double top = bottom;
    for (const OutputChartData::Series& series : data.series)
        for (double y : series.y) {
            bottom = std::min(bottom, y);
            top = std::max(top, y);
        }
    yAxis->setRange(bottom < top ? bottom : bottom - 1, bottom < top ? top : top + 1);
    yAxis->applyNiceNumbers();
    AddAxis(xAxis, Qt::AlignBottom, data.xTitle);
    AddAxis(yAxis, Qt::AlignLeft, data.yTitle);
    for (std::size_t s = 0; s < data.series.size(); ++s) {
        auto* line = new QLineSeries;
        line->setName(QString::fromStdString(data.series[s].label));
        for (std::size_t p = 0; p < data.series[s].y.size() && p < data.x.size(); ++p)
            line->append(data.x[p], data.series[s].y[p]);
        QPen pen(SeriesColour(s));
        pen.setWidth(Look().lineWidth);
        line->setPen(pen);
        line->setPointsVisible(Look().markers);
        chart->addSeries(line);
        line->attachAxis(xAxis);
        line->attachAxis(yAxis);
    }
    ShowLegendTitle("Legend");
}
