#include "window/TablesTab.h"

#include "window/clsHelpViewer.h"
#include "window/ChartTabLayout.h"
#include "base/clsUserInteraction.h"
#include "runs/clsRun.h"
#include "tables/Charts.h"
#include "tables/clsTableViews.h"
#include "window/ctlColOutput.h"
#include "window/ctlOutputChart.h"
#include "window/ctlOutputTable.h"
#include "window/ctlPageInput.h"
#include "window/ctlRowInput.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLocale>
#include <QPushButton>

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
      failureNote(new FailureNote(frame)),
      btnTextFile(new QPushButton("Text File", frame)),
      btnCaptureChart(new QPushButton("Capture Chart", frame)),
      btnPrintChart(new QPushButton("Print Chart", frame)),
      btnHelp(new QPushButton("Help", frame)),
      run(owner),
      views(tableViews),
      ui(userInteraction),
      commands(dialog, userInteraction),
      help(helpViewer),
      tables(owner, userInteraction)
{
    // The controls stand in a column left of the table or the chart, which get the tab's height.
    auto* body = new QHBoxLayout(frame);
    auto* controls = new QVBoxLayout;
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
    auto* controlPanel = new QWidget;
    controlPanel->setLayout(controls);
    body->addWidget(new clsControlScroll(controlPanel, frame));
    auto* display = new QVBoxLayout;
    display->addWidget(failureNote);
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
    // The chart's look comes from "OutputChart.oc2" beside the program when there is one.
    chartView->SetUp(commands.LoadChartTemplate(programDir, "OutputChart.oc2"));
    ChartCommands::AddCopyCommand(*chartView);
    ShowView(false);
    btnTextFile->setEnabled(false);
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
    failureNote->Say(tables.FailureNote());
    if (!chartShown) {
        tableView->Show(tables.FillGrid(selection, LocaleFormat()));
    } else if (outcome == Tables::Outcome::Computed) {
        chartView->Draw(Charts::OutputChart(tables, selection, run, views.tblPageInput));
    } else {
        chartView->ClearChart();
    }
    btnTextFile->setEnabled(tables.HasResults());
}

void TablesTab::ExportTable()
{
    if (!tables.HasResults())
        return;
    const std::string chosen = commands.ChooseSaveFile("CSV Files (*.csv)|*.csv", "Save table data");
    if (chosen.empty())
        return;
    if (!tables.ExportTable(chosen, Selection()))
        ui.ShowMessage(tables.table_IO.errStr);
}

void TablesTab::CaptureChart()
{
    commands.CaptureChart(*chartView, "Capture chart image");
}

void TablesTab::PrintChart()
{
    commands.PrintChart(*chartView);
}
