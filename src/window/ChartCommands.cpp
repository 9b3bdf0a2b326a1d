#include "window/ChartCommands.h"

#include "base/FileDlg.h"
#include "base/clsSafeOutputFile.h"
#include "base/clsUserInteraction.h"
#include "window/CaptureDialog.h"
#include "window/ChartPicture.h"
#include "tables/ChartTemplate_IO.h"
#include "window/ctlChart.h"

#include <QAction>
#include <QChartView>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>


ChartCommands::ChartCommands(FileDlg& dialog, clsUserInteraction& userInteraction)
    : fileDlg(dialog), ui(userInteraction)
{
}

std::string ChartCommands::ChooseSaveFile(const char* filter, const char* title, const std::string& defaultExtension)
{
    fileDlg.Filter = filter;
    fileDlg.FilterIndex = 1;
    fileDlg.DialogTitle = title;
    fileDlg.flags = FileDlg::cdlOFNOverwritePrompt;
    fileDlg.fileName.clear();
    return defaultExtension.empty() ? fileDlg.ShowSave(ui) : fileDlg.ShowSave(ui, defaultExtension);
}

clsChartTemplate ChartCommands::LoadChartTemplate(const QString& programDir, const char* fileName,
                                                  const clsChartTemplate& defaults)
{
    const QString path = QDir(programDir).filePath(fileName);
    clsChartTemplate look = defaults;
    if (QFileInfo(path).isFile()) {
        ChartTemplate_IO reader;
        if (!reader.LoadTemplate(path.toStdString(), look))
            ui.ShowMessage(reader.errStr);
    }
    return look;
}

void ChartCommands::CaptureChart(ctlChart& chart, const char* title)
{
    if (!chart.isVisible())
        return;
    const std::optional<ChartPicture::Size> size = CaptureDialog::Ask(chart.window());
    if (!size)
        return;
    const std::string chosen = ChooseSaveFile(CaptureFilter, title, "jpg");
    if (chosen.empty())
        return;
    // The save dialog gives a name without one of the four extensions the chosen filter's; a
    // name that still has none is the first filter's JPEG.
    const QString name = QString::fromStdString(chosen);
    const ChartPicture::Format format = ChartPicture::FormatOf(name).value_or(ChartPicture::Format::Jpeg);
    const std::string failure = ChartPicture::Write(chart, name, format, *size);
    if (!failure.empty())
        ui.ShowMessage("Failed to write Chart image file: " + chosen + " (" + failure + ")");
}

void ChartCommands::PrintChart(ctlChart& chart)
{
    if (!chart.isVisible())
        return;
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull()) {
        if (ui.AskYesNo("No printer is available. Would you like to print the chart to a PDF file instead?",
                        "Print Chart"))
            PrintToPdf(chart);
        return;
    }
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!ChartPicture::Print(chart, printer))
        ui.ShowMessage("Failed to print the chart on " + printerInfo.printerName().toStdString());
}

void ChartCommands::AddCopyCommand(ctlChart& chart)
{
    auto* copy = new QAction("&Copy Chart", &chart);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(copy, &QAction::triggered, &chart, [&chart] {
        QGuiApplication::clipboard()->setImage(ChartPicture::Image(chart, CaptureDialog::Remembered()));
    });
    chart.tvCharts->addAction(copy);
    chart.tvCharts->setContextMenuPolicy(Qt::ActionsContextMenu);
    chart.tvCharts->setFocusPolicy(Qt::StrongFocus);
}

// The PDF file is written as every save is: it replaces an existing one only when the chart was
// printed into it whole. The printer needs a file of its own to print into: a unique one of the
// system's, removed on return.
void ChartCommands::PrintToPdf(ctlChart& chart)
{
    const std::string chosen = ChooseSaveFile("PDF Files (*.pdf)|*.pdf", "Print chart to PDF file");
    if (chosen.empty())
        return;
    QTemporaryFile printed;
    bool saved = printed.open();
    if (saved) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed.fileName());
        printer.setPageOrientation(QPageLayout::Landscape);
        saved = ChartPicture::Print(chart, printer);
    }
    clsSafeOutputFile file;
    if (saved && printed.seek(0) && file.Open(chosen)) {
        const QByteArray bytes = printed.readAll();
        file.Write(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        saved = !bytes.isEmpty() && file.Commit();
    } else {
        saved = false;
    }
    if (!saved)
        ui.ShowMessage("Failed to print the chart to " + chosen);
}
