#pragma once

#include "tables/clsChartTemplate.h"

#include <QString>

#include <string>

class FileDlg;
class clsUserInteraction;
class ctlChart;

// What the buttons of the table and chart views do with files: the save dialog of the program's
// file dialog, the chart template beside the program, capturing a chart as a PNG, JPEG, SVG or PDF
// figure and printing it (into a PDF file when the machine has no printer). Failures are told in a
// message.
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
    // The chart written, at the size and resolution the capture dialog asks for, to a file the
    // analyst chooses, when it is shown; the file name's extension gives the format, or the
    // chosen filter's when the name has none of the four.
    void CaptureChart(ctlChart& chart, const char* title);
    // The chart printed on the default printer, landscape, filling the printable page, when it is
    // shown.
    void PrintChart(ctlChart& chart);
    // "Copy Chart" on the chart's context menu and Ctrl+C on the chart: the chart as a picture of
    // the last capture's size on the clipboard.
    static void AddCopyCommand(ctlChart& chart);

    static constexpr const char* CaptureFilter =
        "JPEG Files (*.jpg)|*.jpg|PNG Files (*.png)|*.png|SVG Files (*.svg)|*.svg|PDF Files (*.pdf)|*.pdf";

private:
    void PrintToPdf(ctlChart& chart);

    FileDlg& fileDlg;
    clsUserInteraction& ui;
};
