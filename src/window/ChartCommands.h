#pragma once

#include "tables/clsChartTemplate.h"

#include <QString>

#include <string>

class FileDlg;
class clsUserInteraction;
class ctlChart;

// What the buttons of the table and chart views do with files: the save dialog of the program's
// file dialog, the chart template beside the program, capturing a chart as an image and printing
// it (into a PDF file when the machine has no printer). Failures are told in a message.
class ChartCommands {
public:
    ChartCommands(FileDlg& fileDlg, clsUserInteraction& ui);

    // A save dialog with the first filter, an empty proposed name and the question before an
    // existing file is replaced; the default extension is the filter's last unless one is given.
    // "" when cancelled.
    std::string ChooseSaveFile(const char* filter, const char* title, const std::string& defaultExtension = "");
    // The look of a chart: the template file of that name in the program's folder read over the
    // defaults when there is one (a faulty file is told and leaves the defaults).
    clsChartTemplate LoadChartTemplate(const QString& programDir, const char* fileName,
                                       const clsChartTemplate& defaults = clsChartTemplate());
    // The chart written as a JPEG or PNG image to a file the analyst chooses, when it is shown.
    void CaptureChart(const ctlChart& chart, const char* title, const std::string& defaultExtension = "");
    // The chart printed on the default printer, when it is shown.
    void PrintChart(const ctlChart& chart);

private:
    void PrintToPdf(const ctlChart& chart);

    FileDlg& fileDlg;
    clsUserInteraction& ui;
};
