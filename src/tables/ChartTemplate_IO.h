#pragma once

#include "tables/clsChartTemplate.h"

#include <string>

// Reads a chart template file ("OutputChart.oc2" and the other charts' templates): one
// "key = value" setting per line, "#" comments and blank lines skipped, any line end. Keys:
//   header.font, header.size, header.bold, labels.font, labels.size,
//   legend.position (top, bottom, left, right), background, plot.background (#RRGGBB),
//   grid (true, false), line.width, markers (true, false), series.1.colour ... series.8.colour.
// Settings a file leaves out keep their values.
class ChartTemplate_IO {
public:
    // Reads the file into the template. False, with the reason and the line in errStr and the
    // template untouched, for a file that cannot be read or holds a line it does not understand.
    bool LoadTemplate(const std::string& fileName, clsChartTemplate& chartTemplate);

    std::string errStr;
};
