#include "window/ctlChart.h"

#include <QAbstractSeries>
#include <QChart>
#include <QChartView>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QPainter>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>

namespace {

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

// A text written on the plot stands on a light box of its own, so that it stays readable where a
// line passes under it.
class BoxedText : public QGraphicsSimpleTextItem {
public:
    using QGraphicsSimpleTextItem::QGraphicsSimpleTextItem;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override
    {
        painter->fillRect(boundingRect(), QColor(255, 255, 255, 220));
        QGraphicsSimpleTextItem::paint(painter, option, widget);
    }
};

}  // namespace

ctlChart::ctlChart(QWidget* parent)
    : QWidget(parent),
      tvCharts(new QChartView(this)),
      chart(new QChart),
      legendTitle(new QGraphicsSimpleTextItem(chart)),
      caption(new QGraphicsSimpleTextItem(chart))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tvCharts);
    tvCharts->setChart(chart);
    tvCharts->setRenderHint(QPainter::Antialiasing);
    // A picture has the chart's own background up to its edges.
    chart->setBackgroundRoundness(0);
    chart->setDropShadowEnabled(false);
    connect(chart, &QChart::plotAreaChanged, this, [this] { PlaceTexts(); });
    connect(chart, &QGraphicsWidget::geometryChanged, this, [this] { PlaceCaption(); });
    // The legend lays its entries out after the chart has drawn them: the title follows.
    connect(chart->legend(), &QGraphicsWidget::geometryChanged, this, [this] { PlaceLegendTitle(); });
    legendTitle->setFont(AxisTitleFont());
    legendTitle->hide();
    caption->setFont(AxisTitleFont());
    caption->hide();
}

// The chart goes with the view after this object's own members: it tells nothing more to them.
ctlChart::~ctlChart()
{
    chart->disconnect(this);
    chart->legend()->disconnect(this);
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
    ShowCaption("");
}

QValueAxis* ctlChart::RoundAxis(const ChartAxis& round)
{
    auto* axis = new QValueAxis;
    axis->setRange(round.minimum, round.maximum);
    axis->setTickCount(round.tickCount);
    axis->setLabelFormat("%." + QString::number(round.decimals) + "f");
    return axis;
}

void ctlChart::AddAxis(QAbstractAxis* axis, Qt::Alignment alignment, const std::string& title)
{
    axis->setTitleText(QString::fromStdString(title));
    axis->setTitleFont(AxisTitleFont());
    axis->setLabelsFont(LabelFont());
    axis->setGridLineVisible(look.gridLines);
    chart->addAxis(axis, alignment);
}

// The legend places its new entries when the chart next lays itself out, which moves the legend
// only when its size changes: the title is placed again once the entries have their places.
void ctlChart::ShowLegendTitle(const QString& title)
{
    legendTitle->setText(title);
    legendTitle->show();
    // A legend beside the plot is at least as wide as its title, which so stays off the plot.
    QLegend* legend = chart->legend();
    if (legend->alignment() & (Qt::AlignLeft | Qt::AlignRight))
        legend->setMinimumWidth(legendTitle->boundingRect().width() + 8);
    PlaceLegendTitle();
    QMetaObject::invokeMethod(this, [this] { PlaceTexts(); }, Qt::QueuedConnection);
}

// The caption takes a line of its own below everything else.
void ctlChart::ShowCaption(const std::string& text)
{
    caption->setText(QString::fromStdString(text));
    caption->setVisible(!text.empty());
    QMargins margins = chart->margins();
    margins.setBottom(text.empty() ? 20 : 20 + static_cast<int>(caption->boundingRect().height()));
    chart->setMargins(margins);
    PlaceCaption();
}

void ctlChart::PlaceCaption()
{
    const QRectF area = chart->rect();
    const QRectF size = caption->boundingRect();
    caption->setPos(std::max(4.0, area.center().x() - size.width() / 2), area.bottom() - size.height() - 6);
}

void ctlChart::PlaceTexts()
{
    PlaceLegendTitle();
    PlacePlotTexts();
    PlaceCaption();
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
    auto* item = new BoxedText(text, chart);
    item->setFont(font);
    item->setBrush(colour);
    item->setZValue(10);  // above the lines
    plotTexts.push_back({item, value, series, gap});
    PlacePlotTexts();
}

// Near the plot's right or top edge a text moves back inside; a text that would cover one placed
// before it moves up or down by its height until it covers none.
void ctlChart::PlacePlotTexts()
{
    const QRectF plot = chart->plotArea();
    std::vector<QRectF> taken;
    for (const PlotText& text : plotTexts) {
        const QPointF at = chart->mapToPosition(text.value, text.series);
        const QRectF size = text.item->boundingRect();
        const double x = std::min(at.x() + text.gap, plot.right() - size.width() - 2);
        const double y = std::max(at.y() - size.height() - text.gap / 2, plot.top() + 1);
        QRectF place(QPointF(x, y), size.size());
        for (int shift : {1, -1, 2, -2, 3, -3}) {
            const bool covers = std::any_of(taken.begin(), taken.end(), [&place](const QRectF& other) {
                return other.intersects(place);
            });
            if (!covers)
                break;
            place.moveTop(std::clamp(y + shift * size.height(), plot.top() + 1, plot.bottom() - size.height()));
        }
        text.item->setPos(place.topLeft());
        text.item->setVisible(plot.adjusted(-1, -1, 1, 1).contains(at));
        if (text.item->isVisible())
            taken.push_back(place);
    }
}

void ctlChart::Render(QPainter& painter, const QRectF& target, const QSizeF& size)
{
    const QSizeF shown = chart->size();
    const auto layOut = [this](const QSizeF& at) {
        chart->resize(at);
        for (QGraphicsWidget* widget : {static_cast<QGraphicsWidget*>(chart), static_cast<QGraphicsWidget*>(chart->legend())}) {
            QCoreApplication::sendPostedEvents(widget);
            if (widget->layout())
                widget->layout()->activate();
        }
        PlaceTexts();
    };
    layOut(size);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    chart->scene()->render(&painter, target, QRectF(chart->pos(), size), Qt::IgnoreAspectRatio);
    layOut(shown);
}
