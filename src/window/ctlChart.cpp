#include "window/ctlChart.h"

#include <QAbstractSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QVBoxLayout>

#include <algorithm>
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

// Where the shown parts of an item are, in scene coordinates.
QRectF ShownArea(const QGraphicsItem& item)
{
    QRectF area;
    for (const QGraphicsItem* child : item.childItems())
        if (child->isVisible())
            area |= child->childItems().isEmpty() ? child->sceneBoundingRect() : ShownArea(*child);
    return area;
}

}  // namespace

ctlChart::ctlChart(QWidget* parent)
    : QWidget(parent), tvCharts(new QChartView(this)), chart(new QChart), legendTitle(new QGraphicsSimpleTextItem(chart))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tvCharts);
    tvCharts->setChart(chart);
    tvCharts->setRenderHint(QPainter::Antialiasing);
    connect(chart, &QChart::plotAreaChanged, this, [this] {
        PlaceLegendTitle();
        PlacePlotTexts();
    });
    // The legend lays its entries out after the chart has drawn them: the title follows.
    connect(chart->legend(), &QGraphicsWidget::geometryChanged, this, [this] { PlaceLegendTitle(); });
    legendTitle->setFont(AxisTitleFont());
    legendTitle->hide();
}

void ctlChart::SetUp(const clsChartTemplate& chartTemplate, const QString& header)
{
    look = chartTemplate;
    QFont headerFont(QString::fromStdString(look.headerFont), look.headerSize);
    headerFont.setBold(look.headerBold);
    chart->setTitleFont(headerFont);
    chart->setTitle(header);
    chart->setBackgroundBrush(Rgb(look.background));
    chart->setPlotAreaBackgroundBrush(Rgb(look.plotBackground));
    chart->setPlotAreaBackgroundVisible(true);
    chart->legend()->setAlignment(LegendAlignment(look.legendPosition));
    chart->legend()->setFont(LabelFont());
}

QFont ctlChart::LabelFont() const
{
    return QFont(QString::fromStdString(look.labelFont), look.labelSize);
}

QColor ctlChart::SeriesColour(std::size_t index) const
{
    return Rgb(look.seriesColours[index % look.seriesColours.size()]);
}

void ctlChart::ClearChart()
{
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    for (const PlotText& text : plotTexts)
        delete text.item;
    plotTexts.clear();
    legendTitle->hide();
}

void ctlChart::AddAxis(QAbstractAxis* axis, Qt::Alignment alignment, const std::string& title)
{
    axis->setTitleText(QString::fromStdString(title));
    axis->setTitleFont(AxisTitleFont());
    axis->setLabelsFont(LabelFont());
    axis->setGridLineVisible(look.gridLines);
    chart->addAxis(axis, alignment);
}

QCategoryAxis* ctlChart::RowValueAxis(const std::vector<double>& values, const std::vector<std::string>& labels,
                                      bool reversed)
{
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    if (values.empty())
        return axis;
    std::vector<std::size_t> order(values.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return values[a] < values[b]; });
    const std::size_t every = (order.size() + MostPointLabels - 1) / MostPointLabels;
    for (std::size_t i = 0; i < order.size(); i += every)
        axis->append(QString::fromStdString(labels[order[i]]), values[order[i]]);
    const double low = values[order.front()];
    const double high = values[order.back()];
    axis->setRange(low < high ? low : low - 1, low < high ? high : high + 1);
    axis->setReverse(reversed);
    return axis;
}

void ctlChart::ShowLegendTitle(const QString& title)
{
    legendTitle->setText(title);
    legendTitle->show();
    PlaceLegendTitle();
}

// The title goes above the legend's entries, or before them when the legend runs along the top or
// the bottom.
void ctlChart::PlaceLegendTitle()
{
    QLegend* legend = chart->legend();
    const QRectF entries = chart->mapRectFromScene(ShownArea(*legend));
    const QRectF title = legendTitle->boundingRect();
    if (legend->alignment() & (Qt::AlignTop | Qt::AlignBottom))
        legendTitle->setPos(entries.left() - title.width() - 4, entries.center().y() - title.height() / 2);
    else  // within the chart when the title is wider than the entries
        legendTitle->setPos(std::min(entries.left() + 4, legend->geometry().right() - title.width()),
                            entries.top() - title.height() - 2);
}

void ctlChart::AddPlotText(const QString& text, QPointF value, QAbstractSeries* series, const QFont& font,
                           const QColor& colour, double gap)
{
    auto* item = new QGraphicsSimpleTextItem(text, chart);
    item->setFont(font);
    item->setBrush(colour);
    item->setZValue(10);  // above the lines
    plotTexts.push_back({item, value, series, gap});
    PlacePlotTexts();
}

// Near the plot's right or top edge a text moves back inside.
void ctlChart::PlacePlotTexts()
{
    const QRectF plot = chart->plotArea();
    for (const PlotText& text : plotTexts) {
        const QPointF at = chart->mapToPosition(text.value, text.series);
        const QRectF size = text.item->boundingRect();
        const double x = std::min(at.x() + text.gap, plot.right() - size.width() - 2);
        const double y = std::max(at.y() - size.height() - text.gap / 2, plot.top() + 1);
        text.item->setPos(x, y);
        text.item->setVisible(plot.adjusted(-1, -1, 1, 1).contains(at));
    }
}

bool ctlChart::CaptureChart(const QString& fileName) const
{
    const QPixmap image = tvCharts->grab();
    QSaveFile file(fileName);
    if (image.isNull() || !file.open(QIODevice::WriteOnly))
        return false;
    const char* format = fileName.contains(".jpg", Qt::CaseInsensitive) ? "JPG" : "PNG";
    return image.save(&file, format) && file.commit();
}

bool ctlChart::PrintChart(QPrinter& printer) const
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
