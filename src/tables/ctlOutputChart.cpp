#include "tables/ctlOutputChart.h"

#include "tables/Charts.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// No more point labels along the X axis than fit beside each other.
constexpr std::size_t MostPointLabels = 15;

Qt::Alignment LegendAlignment(clsChartTemplate::LegendPosition position)
{
    switch (position) {
    case clsChartTemplate::LegendPosition::Top: return Qt::AlignTop;
    case clsChartTemplate::LegendPosition::Bottom: return Qt::AlignBottom;
    case clsChartTemplate::LegendPosition::Left: return Qt::AlignLeft;
    default: return Qt::AlignRight;
    }
}

QColor Rgb(uint32_t rgb)
{
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

QFont AxisTitleFont()
{
    return QFont("Arial", 9);
}

}  // namespace

ctlOutputChart::ctlOutputChart(QWidget* parent)
    : QWidget(parent), tvCharts(new QChartView(this)), chart(new QChart), legendTitle(new QGraphicsSimpleTextItem(chart))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tvCharts);
    tvCharts->setChart(chart);
    tvCharts->setRenderHint(QPainter::Antialiasing);
    connect(chart, &QChart::plotAreaChanged, this, [this] { PlaceLegendTitle(); });
    SetUp(look);
}

void ctlOutputChart::SetUp(const clsChartTemplate& chartTemplate)
{
    look = chartTemplate;
    QFont header(QString::fromStdString(look.headerFont), look.headerSize);
    header.setBold(look.headerBold);
    chart->setTitleFont(header);
    chart->setTitle("Output Chart");
    chart->setBackgroundBrush(Rgb(look.background));
    chart->setPlotAreaBackgroundBrush(Rgb(look.plotBackground));
    chart->setPlotAreaBackgroundVisible(true);
    chart->legend()->setAlignment(LegendAlignment(look.legendPosition));
    chart->legend()->setFont(QFont(QString::fromStdString(look.labelFont), look.labelSize));
    legendTitle->setText("Legend");
    legendTitle->setFont(AxisTitleFont());
    legendTitle->hide();
}

void ctlOutputChart::ClearChart()
{
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    legendTitle->hide();
}

void ctlOutputChart::Draw(const OutputChartData& data)
{
    ClearChart();
    chart->setTitle(QString::fromStdString(data.header));
    if (data.series.empty() || data.x.empty())
        return;
    const QFont labels(QString::fromStdString(look.labelFont), look.labelSize);

    // The X axis reads in row order: it runs backwards for a descending range.
    auto* xAxis = new QCategoryAxis;
    xAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    std::vector<std::size_t> order(data.x.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return data.x[a] < data.x[b]; });
    const std::size_t every = (order.size() + MostPointLabels - 1) / MostPointLabels;
    for (std::size_t i = 0; i < order.size(); i += every)
        xAxis->append(QString::fromStdString(data.pointLabels[order[i]]), data.x[order[i]]);
    const double low = data.x[order.front()];
    const double high = data.x[order.back()];
    xAxis->setRange(low < high ? low : low - 1, low < high ? high : high + 1);
    xAxis->setReverse(data.x.front() > data.x.back());
    xAxis->setTitleText(QString::fromStdString(data.xTitle));

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
    yAxis->setTitleText(QString::fromStdString(data.yTitle));

    for (QAbstractAxis* axis : std::initializer_list<QAbstractAxis*>{xAxis, yAxis}) {
        axis->setTitleFont(AxisTitleFont());
        axis->setLabelsFont(labels);
        axis->setGridLineVisible(look.gridLines);
    }
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);
    for (std::size_t s = 0; s < data.series.size(); ++s) {
        auto* line = new QLineSeries;
        line->setName(QString::fromStdString(data.series[s].label));
        for (std::size_t p = 0; p < data.series[s].y.size() && p < data.x.size(); ++p)
            line->append(data.x[p], data.series[s].y[p]);
        QPen pen(Rgb(look.seriesColours[s % look.seriesColours.size()]));
        pen.setWidth(look.lineWidth);
        line->setPen(pen);
        line->setPointsVisible(look.markers);
        chart->addSeries(line);
        line->attachAxis(xAxis);
        line->attachAxis(yAxis);
    }
    legendTitle->show();
    PlaceLegendTitle();
}

// The legend centres its entries in its place: the title goes above them, or before them when
// the legend runs along the top or the bottom.
void ctlOutputChart::PlaceLegendTitle()
{
    const QRectF place = chart->legend()->geometry();
    const QSizeF entries = chart->legend()->effectiveSizeHint(Qt::PreferredSize);
    const QRectF title = legendTitle->boundingRect();
    if (chart->legend()->alignment() & (Qt::AlignTop | Qt::AlignBottom))
        legendTitle->setPos(place.center().x() - entries.width() / 2 - title.width(),
                            place.center().y() - title.height() / 2);
    else
        legendTitle->setPos(place.left() + 4, place.center().y() - entries.height() / 2 - title.height() * 1.5);
}

bool ctlOutputChart::CaptureChart(const QString& fileName) const
{
    const QPixmap image = tvCharts->grab();
    QSaveFile file(fileName);
    if (image.isNull() || !file.open(QIODevice::WriteOnly))
        return false;
    const char* format = fileName.contains(".jpg", Qt::CaseInsensitive) ? "JPG" : "PNG";
    return image.save(&file, format) && file.commit();
}

bool ctlOutputChart::PrintChart(QPrinter& printer) const
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const QSizeF chartSize = tvCharts->viewport()->size();
    const double scale = std::min(page.width() / chartSize.width(), page.height() / chartSize.height());
    const QRectF target(0, 0, chartSize.width() * scale, chartSize.height() * scale);
    tvCharts->render(&painter, target, tvCharts->viewport()->rect());
    return painter.end();
}
