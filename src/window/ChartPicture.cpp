#include "window/ChartPicture.h"

#include "window/ctlChart.h"

#include <QBuffer>
#include <QChart>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <charconv>

namespace ChartPicture {

namespace {

// The resolution the chart is laid out at: a figure's fonts are as large on paper as in the window.
constexpr double LayoutDpi = 96;
constexpr double MetresPerInch = 0.0254;
// Qt's PNG quality 80 is zlib's fastest compression (level 1): a chart's large single-colour areas
// pack almost as small as at the default level, in a third of the time, which is most of what a
// figure costs.
constexpr int PngQuality = 80;

QSizeF LayoutSize(const Size& size)
{
    return {size.width * LayoutDpi / size.dpi, size.height * LayoutDpi / size.dpi};
}

QByteArray Svg(ctlChart& chart, const Size& size)
{
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    const QSizeF layout = LayoutSize(size);
    svg.setSize(layout.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), layout));
    svg.setResolution(static_cast<int>(LayoutDpi));
    svg.setTitle(chart.chart->title());
    svg.setDescription(chart.caption->text());
    QPainter painter(&svg);
    chart.Render(painter, QRectF(QPointF(0, 0), layout), layout);
    painter.end();
    return buffer.data();
}

// One page of the figure's size on paper, without margins.
bool Pdf(ctlChart& chart, const Size& size, QIODevice& device)
{
    QPdfWriter pdf(&device);
    pdf.setResolution(static_cast<int>(LayoutDpi));
    pdf.setPageSize(QPageSize(QSizeF(double(size.width) / size.dpi, double(size.height) / size.dpi), QPageSize::Inch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(chart.chart->title());
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    const QSizeF layout = LayoutSize(size);
    chart.Render(painter, QRectF(QPointF(0, 0), layout), layout);
    return painter.end();
}

}  // namespace

bool Size::Valid() const
{
    return width >= Smallest && width <= Largest && height >= Smallest && height <= Largest && dpi >= LowestDpi &&
           dpi <= HighestDpi;
}

std::optional<Format> FormatOf(const QString& fileName)
{
    const QString extension = QFileInfo(fileName).suffix().toLower();
    if (extension == "png")
        return Format::Png;
    if (extension == "jpg" || extension == "jpeg")
        return Format::Jpeg;
    if (extension == "svg")
        return Format::Svg;
    if (extension == "pdf")
        return Format::Pdf;
    return std::nullopt;
}

std::optional<Size> ParseSize(const std::string& text, int dpi)
{
    Size size;
    size.dpi = dpi;
    const auto x = text.find('x');
    if (x == std::string::npos)
        return std::nullopt;
    const char* end = text.data() + text.size();
    const auto width = std::from_chars(text.data(), text.data() + x, size.width);
    const auto height = std::from_chars(text.data() + x + 1, end, size.height);
    if (width.ec != std::errc() || width.ptr != text.data() + x || height.ec != std::errc() || height.ptr != end ||
        !size.Valid())
        return std::nullopt;
    return size;
}

QImage Image(ctlChart& chart, const Size& size)
{
    QImage image(size.width, size.height, QImage::Format_RGB32);
    image.fill(chart.chart->backgroundBrush().color());
    const int dotsPerMetre = static_cast<int>(size.dpi / MetresPerInch + 0.5);
    {
        QPainter painter(&image);
        chart.Render(painter, QRectF(0, 0, size.width, size.height), LayoutSize(size));
    }
    // Recorded after the painting, which lays the text out at the chart's own resolution.
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

std::string Write(ctlChart& chart, const QString& fileName, Format format, const Size& size)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString().toStdString();
    bool written = false;
    switch (format) {
    case Format::Png: written = Image(chart, size).save(&file, "PNG", PngQuality); break;
    case Format::Jpeg: written = Image(chart, size).save(&file, "JPG", 95); break;
    case Format::Svg: written = file.write(Svg(chart, size)) > 0; break;
    case Format::Pdf: written = Pdf(chart, size, file); break;
    }
    if (!written) {
        file.cancelWriting();
        return "the picture could not be drawn";
    }
    return file.commit() ? "" : file.errorString().toStdString();
}

// The chart is laid out with the page's proportions, at the size the page has at 96 dpi.
bool Print(ctlChart& chart, QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSizeF layout = page.size() * LayoutDpi / printer.resolution();
    chart.Render(painter, QRectF(QPointF(0, 0), page.size()), layout);
    return painter.end();
}

}  // namespace ChartPicture
