#include "tables/TablesTab.h"

#include "app/FileDlg.h"
#include "app/clsHelpViewer.h"
#include "app/clsUserInteraction.h"
#include "runs/clsRun.h"
#include "tables/ChartTemplate_IO.h"
#include "tables/Charts.h"
#include "tables/clsTableViews.h"
#include "tables/ctlColOutput.h"
#include "tables/ctlOutputChart.h"
#include "tables/ctlOutputTable.h"
#include "tables/ctlPageInput.h"
#include "tables/ctlRowInput.h"

#include <QBoxLayout>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLocale>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include <filesystem>

namespace {

// The analyst's number format: the system's decimal point and thousands separator.
NumberFormat LocaleFormat()
{
    const QLocale locale;
    NumberFormat format;
    format.decimalPoint = locale.decimalPoint().toStdString();
    if (!(locale.numberOptions() & QLocale::OmitGroupSeparator))
        format.groupSeparator = locale.groupSeparator().toStdString();
    return format;
}

constexpr int TableHelpTopic = 2;
constexpr int ChartHelpTopic = 3;

}  // namespace

TablesTab::TablesTab(clsRun& owner, clsTableViews& tableViews, FileDlg& dialog, clsUserInteraction& userInteraction,
                     clsHelpViewer* helpViewer, const QString& programDir, QWidget* parent)
    : QWidget(parent),
      frame(new QGroupBox(this)),
      tblRowInput(new ctlRowInput(tableViews.tblRowInput, frame)),
      tblPageInput(new ctlPageInput(tableViews.tblPageInput, frame)),
      tblColOutput(new ctlColOutput(tableViews.tblColOutput, frame)),
      tableView(new ctlOutputTable(frame)),
      chartView(new ctlOutputChart(frame)),
      btnTextFile(new QPushButton("Text File", frame)),
      btnCaptureChart(new QPushButton("Capture Chart", frame)),
      btnPrintChart(new QPushButton("Print Chart", frame)),
      btnHelp(new QPushButton("Help", frame)),
      run(owner),
      views(tableViews),
      fileDlg(dialog),
      ui(userInteraction),
      help(helpViewer),
      tables(owner, userInteraction),
      body(new QBoxLayout(QBoxLayout::LeftToRight, frame)),
      controls(new QBoxLayout(QBoxLayout::TopToBottom))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(frame);

    for (QWidget* control : std::initializer_list<QWidget*>{tblRowInput, tblPageInput, tblColOutput})
        controls->addWidget(control);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {btnTextFile, btnCaptureChart, btnPrintChart, btnHelp})
        buttons->addWidget(button);
    buttons->addStretch();
    controls->addLayout(buttons);
    controls->addStretch();
    body->addLayout(controls);
    auto* display = new QVBoxLayout;
    display->addWidget(tableView);
    display->addWidget(chartView);
    body->addLayout(display, 1);

    connect(btnTextFile, &QPushButton::clicked, this, &TablesTab::ExportTable);
    connect(btnCaptureChart, &QPushButton::clicked, this, &TablesTab::CaptureChart);
    connect(btnPrintChart, &QPushButton::clicked, this, &TablesTab::PrintChart);
    connect(btnHelp, &QPushButton::clicked, this, [this] {
        if (help)
            help->ShowTopic(chartShown ? ChartHelpTopic : TableHelpTopic);
    });
    views.SetRecompute(clsTableViews::OutputTable, [this] { ComputeTable(); });
    LoadChartTemplate(programDir);
    ShowView(false);
    btnTextFile->setEnabled(false);
}

// The chart's look comes from "OutputChart.oc2" beside the program when there is one.
void TablesTab::LoadChartTemplate(const QString& programDir)
{
    const QString path = QDir(programDir).filePath("OutputChart.oc2");
    clsChartTemplate look;
    if (QFileInfo(path).isFile()) {
        ChartTemplate_IO reader;
        if (!reader.LoadTemplate(path.toStdString(), look))
            ui.ShowMessage(reader.errStr);
    }
    chartView->SetUp(look);
}

void TablesTab::ShowView(bool chart)
{
    chartShown = chart;
    tableView->setVisible(!chart);
    chartView->setVisible(chart);
    frame->setTitle(chart ? "Output Chart" : "Output Table");
    btnTextFile->setVisible(!chart);
    btnCaptureChart->setVisible(chart);
    btnPrintChart->setVisible(chart);
    // The table stands right of the controls; the chart above them.
    body->setDirection(chart ? QBoxLayout::BottomToTop : QBoxLayout::LeftToRight);
    controls->setDirection(chart ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
}

void TablesTab::PrepareTableView()
{
    ShowView(false);
    {
        clsTableViews::Deferral once(views);
        views.RestoreControls();
        views.RequestRecompute();
    }
    run.tblch_units.SetUnitsHaveChanged(false);
    run.tblch_pg_units.SetUnitsHaveChanged(false);
}

void TablesTab::PrepareChartView()
{
    ShowView(true);
    tblColOutput->setUserViewId(1);
    // Unchanged selections and scenarios draw the results the table holds without computing them.
    clsTableViews::Deferral once(views);
    views.RestoreControls();
    views.RequestRecompute();
}

TableSelection TablesTab::Selection() const
{
    return TableSelection::Of(views.tblRowInput, views.tblPageInput, views.tblColOutput);
}

void TablesTab::ComputeTable()
{
    const TableSelection selection = Selection();
    const Tables::Outcome outcome = tables.ComputeTable(selection, views.Validated());
    if (!chartShown) {
        tableView->Show(tables.FillGrid(selection, LocaleFormat()));
    } else if (outcome == Tables::Outcome::Computed) {
        std::array<std::string, 4> names;
        for (int i = 1; i <= clsRun::NumScenarios(); ++i)
            names[static_cast<std::size_t>(i - 1)] = run.io(i).Name;
        chartView->Draw(Charts::OutputChart(tables, selection, names));
    } else {
        chartView->ClearChart();
    }
    btnTextFile->setEnabled(tables.HasResults());
}

// A save dialog of the program's file dialog: the first filter, an empty proposed name and the
// question before an existing file is replaced. "" when cancelled.
std::string TablesTab::ChooseSaveFile(const char* filter, const char* title)
{
    fileDlg.Filter = filter;
    fileDlg.FilterIndex = 1;
    fileDlg.DialogTitle = title;
    fileDlg.flags = FileDlg::cdlOFNOverwritePrompt;
    fileDlg.fileName.clear();
    return fileDlg.ShowSave(ui);
}

void TablesTab::ExportTable()
{
    if (!tables.HasResults())
        return;
    const std::string chosen = ChooseSaveFile("CSV Files (*.csv)|*.csv", "Save table data");
    if (chosen.empty())
        return;
    if (!tables.ExportTable(chosen, Selection()))
        ui.ShowMessage(tables.table_IO.errStr);
}

void TablesTab::CaptureChart()
{
    const std::string chosen =
        ChooseSaveFile("JPEG Files (*.jpg)|*.jpg|PNG Files (*.png)|*.png", "Capture chart image");
    if (chosen.empty() || !chartShown)
        return;
    if (!chartView->CaptureChart(QString::fromStdString(chosen)))
        ui.ShowMessage("Failed to write Chart image file: " + chosen);
}

void TablesTab::PrintChart()
{
    if (!chartShown)
        return;
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull()) {
        if (ui.AskYesNo("No printer is available. Would you like to print the chart to a PDF file instead?",
                        "Print Chart"))
            PrintToPdf();
        return;
    }
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!chartView->PrintChart(printer))
        ui.ShowMessage("Failed to print the chart on " + printerInfo.printerName().toStdString());
}

// The PDF file replaces an existing one only when the chart was printed into it whole.
void TablesTab::PrintToPdf()
{
    const std::string chosen = ChooseSaveFile("PDF Files (*.pdf)|*.pdf", "Print chart to PDF file");
    if (chosen.empty())
        return;
    const std::string partial = chosen + ".partial";
    bool printed = false;
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(partial));
        printer.setPageOrientation(QPageLayout::Landscape);
        printed = chartView->PrintChart(printer);
    }
    std::error_code error;
    if (printed)
        std::filesystem::rename(partial, chosen, error);
    if (!printed || error) {
        std::filesystem::remove(partial, error);
        ui.ShowMessage("Failed to print the chart to " + chosen);
    }
}
