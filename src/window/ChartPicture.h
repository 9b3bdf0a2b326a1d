#pragma once

#include <QImage>
#include <QString>

#include <optional>
#include <string>

class QPrinter;
class ctlChart;

// A chart as a figure for a report: a raster image (PNG, JPEG) of a chosen size in pixels and
// resolution, or vector graphics (SVG, PDF) of the same size on paper, all from one drawing. The
// chart is laid out at the size the figure has at 96 dpi, so that its fonts keep their size in
// points whatever the resolution. The window's capture, its clipboard copy, its printing and
// `orvane-batch --chart` all draw through here.
namespace ChartPicture {

enum class Format { Png, Jpeg, Svg, Pdf };

struct Size {
    int width = 1600;  // pixels
    int height = 1000;
    int dpi = 200;

    static constexpr int Smallest = 100;
    static constexpr int Largest = 10000;
    static constexpr int LowestDpi = 50;
    static constexpr int HighestDpi = 1200;
    bool Valid() const;
};

// The format a file name's extension names (.png, .jpg, .jpeg, .svg, .pdf, any letter case).
std::optional<Format> FormatOf(const QString& fileName);
// "1600x1000" into a size; nothing for anything else or a size out of limits.
std::optional<Size> ParseSize(const std::string& text, int dpi);

// The chart as an image of that many pixels, with that resolution recorded in it.
QImage Image(ctlChart& chart, const Size& size);
// The chart written to the file in the format; the file is replaced only when the picture was
// written whole. "" when written, else what went wrong.
std::string Write(ctlChart& chart, const QString& fileName, Format format, const Size& size);
// The chart filling the printer's printable page.
bool Print(ctlChart& chart, QPrinter& printer);

}  // namespace ChartPicture
