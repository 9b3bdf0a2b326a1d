#pragma once

#include <array>
#include <cstdint>
#include <string>

// The look of a chart, as a chart template file gives it: fonts, legend place, colours and
// lines. A new template holds the look charts have without a template file.
class clsChartTemplate {
public:
    enum class LegendPosition { Top, Bottom, Left, Right };
    static constexpr std::size_t SeriesColourCount = 8;

    std::string headerFont = "DejaVu Sans";
    int headerSize = 12;  // points
    bool headerBold = true;
    std::string labelFont = "DejaVu Sans";  // the axes' numbers and the legend
    int labelSize = 8;
    LegendPosition legendPosition = LegendPosition::Right;
    uint32_t background = 0xFFFFFF;  // RGB
    uint32_t plotBackground = 0xFFFFFF;
    bool gridLines = true;
    int lineWidth = 2;  // pixels
    bool markers = true;
    std::array<uint32_t, SeriesColourCount> seriesColours{0x1F77B4, 0xD62728, 0x2CA02C, 0xFF7F0E,
                                                          0x9467BD, 0x8C564B, 0xE377C2, 0x7F7F7F};
};
