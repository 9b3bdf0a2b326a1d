#pragma once

#include "charts/Fire.h"
#include "charts/HazChart.h"
#include "tables/Charts.h"

#include <optional>
#include <string>

class clsUserInteraction;

// `orvane-batch --chart KIND`: the output chart of the first four scenarios of a scenario input
// file, or the hazard or fire characteristics chart of one of its records, computed by the
// controls and computations of the window's chart tabs. What is computed here is what the window
// would draw; `orvane-chart` draws it.
namespace ChartCommand {

enum class Kind { Output, Hazard, Fire };

// A chart to be drawn and where: the data of its kind, the picture's size and the output file.
struct Figure {
    Kind kind = Kind::Output;
    OutputChartData output;
    HazChartData hazard;
    FireChartData fire;
    std::optional<ChartPoint> windPoint;  // the fire chart's selected point, as the window starts
    int width = 1600;
    int height = 1000;
    int dpi = 200;
    std::string outputFile;
};

// True when the command line asks for a chart.
bool Requested(int argc, char* argv[]);
// Reads the command line and the scenario input file and computes the chart; messages go to the
// interaction. The exit status: 0 with the figure (also for --help, with an empty output file);
// 1 when it could not be computed; 2 for a command-line error or a value the controls refuse.
int Compute(int argc, char* argv[], const std::string& programDir, clsUserInteraction& ui, Figure& figure);

}  // namespace ChartCommand
