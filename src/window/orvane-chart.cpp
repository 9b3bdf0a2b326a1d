// orvane-chart: the charts of `orvane-batch --chart`, drawn without a display. orvane-batch hands
// its command line over to this program, so that the batch tool itself needs no Qt.

#include "cli/CommandLine.h"
#include "base/FileDlg.h"
#include "cli/ChartCommand.h"
#include "window/ctlFireChart.h"
#include "window/ctlHazChart.h"
#include "window/ChartCommands.h"
#include "window/ChartPicture.h"
#include "window/ctlOutputChart.h"

#include <QApplication>
#include <QDir>

#include <filesystem>
#include <iostream>
#include <memory>

namespace {

using namespace CommandLine;

// The chart of the figure, drawn as the window's chart tab draws it, with the look of the template
// file beside the program.
std::unique_ptr<ctlChart> Draw(const ChartCommand::Figure& figure, ChartCommands& commands, const QString& folder)
{
    switch (figure.kind) {
    case ChartCommand::Kind::Hazard: {
        auto chart = std::make_unique<ctlHazChart>();
        chart->SetUp(commands.LoadChartTemplate(folder, "CrownFireHazardChart.oc2", ctlHazChart::DefaultLook()));
        chart->Draw(figure.hazard);
        return chart;
    }
    case ChartCommand::Kind::Fire: {
        auto chart = std::make_unique<ctlFireChart>();
        chart->SetUp(commands.LoadChartTemplate(folder, "FireCharacteristicsChart.oc2", ctlFireChart::DefaultLook()));
        chart->Draw(figure.fire);
        chart->MarkWindPoint(figure.windPoint);
        return chart;
    }
    default: {
        auto chart = std::make_unique<ctlOutputChart>();
        chart->SetUp(commands.LoadChartTemplate(folder, "OutputChart.oc2"));
        chart->Draw(figure.output);
        return chart;
    }
    }
}

// Qt's notes on its own set-up (no runtime folder on a machine without a session, say) are not the
// user's business; its errors still reach standard error.
void OnlyQtErrors(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toStdString() << '\n';
}

}  // namespace

int main(int argc, char* argv[])
{
    // No display is needed, nor looked for.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(OnlyQtErrors);
    const std::string programDir = ProgramFolder(argv[0]);
    CommandLine::ConsoleInteraction ui;
    ChartCommand::Figure figure;
    const int status = ChartCommand::Compute(argc, argv, programDir, ui, figure);
    if (status != ExitSuccess || figure.outputFile.empty())
        return status;
    const QString output = QString::fromStdString(figure.outputFile);
    const std::optional<ChartPicture::Format> format = ChartPicture::FormatOf(output);
    const ChartPicture::Size size{figure.width, figure.height, figure.dpi};
    if (!format || !size.Valid()) {
        std::cerr << "orvane-batch: " << (format ? "--size and --dpi need 100 to 10000 pixels and 50 to 1200 dpi"
                                                 : "OUTPUT needs the extension .png, .jpg, .svg or .pdf")
                  << "\n";
        return ExitUsage;
    }

    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    FileDlg fileDlg(programDir);
    ChartCommands commands(fileDlg, ui);
    const std::unique_ptr<ctlChart> chart = Draw(figure, commands, QString::fromStdString(programDir));
    const std::string failure = ChartPicture::Write(*chart, output, *format, size);
    if (!failure.empty()) {
        ui.ShowMessage("Failed to write the chart to " + figure.outputFile + ": " + failure);
        return ExitFailure;
    }
    std::cout << "Wrote the chart to " << figure.outputFile << '\n';
    return ExitSuccess;
}
