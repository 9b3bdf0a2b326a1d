#include "window/HazChartTab.h"

#include "window/clsHelpViewer.h"
#include "window/ChartTabLayout.h"
#include "window/ctlHazChart.h"
#include "window/TableWidgets.h"
#include "tables/clsTableViews.h"
#include "window/ctlColOutput.h"
#include "window/ctlPageInput.h"
#include "window/ctlRowInput.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int HazardHelpTopic = 4;

}  // namespace

HazChartTab::HazChartTab(clsTableViews& views, FileDlg& fileDlg, clsUserInteraction& ui, clsHelpViewer* help,
                         const QString& programDir, QWidget* parent)
    : QWidget(parent), hazChart(views), commands(fileDlg, ui)
{
    // The output list offers the spread rate only before its widget first shows it.
    hazChart.ChartSetUp();
    frame = new QGroupBox(this);
    QGroupBox* scenarioFrame = ChartTabLayout::ScenarioFrame(frame, cmboHazScenario);
    rowInHazard = new ctlRowInput2(views.rowInHazard, frame);
    pgInHazard = new ctlPageInput(views.pgInHazard, frame);
    colOutHazard = new ctlColOutput(views.colOutHazard, frame);
    auto* options = new QGroupBox("Plot Options", frame);
    chkHazPlotRfinal = new QCheckBox("Show SPRTfinal", options);
    chkHazPlotIndicies = new QCheckBox("Show Indicies", options);
    chkHazPlotRfinal->setChecked(true);
    chkHazPlotIndicies->setChecked(true);
    auto* optionsLayout = new QVBoxLayout(options);
    optionsLayout->addWidget(chkHazPlotRfinal);
    optionsLayout->addWidget(chkHazPlotIndicies);
    btnCaptureHazChart = new QPushButton("Capture Chart", frame);
    btnPrintHazChart = new QPushButton("Print Chart", frame);
    btnHazHelp = new QPushButton("Help", frame);
    tvHazChart = new ctlHazChart(frame);
    // The chart's look comes from "CrownFireHazardChart.oc2" beside the program when there is one.
    tvHazChart->SetUp(commands.LoadChartTemplate(programDir, "CrownFireHazardChart.oc2", ctlHazChart::DefaultLook()));
    ChartCommands::AddCopyCommand(*tvHazChart);

    lblHazFailure = new FailureNote(frame);
    ChartTabLayout::LayOut(this, frame,
                           {scenarioFrame, rowInHazard, pgInHazard, colOutHazard, options, btnCaptureHazChart,
                            btnPrintHazChart, btnHazHelp},
                           FailureNote::Above(lblHazFailure, tvHazChart));

    connect(cmboHazScenario, &QComboBox::activated, this,
            [this](int position) { hazChart.HazScenarioSelected(position); });
    connect(chkHazPlotIndicies, &QCheckBox::clicked, this, &HazChartTab::ShowIndices);
    connect(chkHazPlotRfinal, &QCheckBox::clicked, this, &HazChartTab::ShowFinal);
    connect(btnCaptureHazChart, &QPushButton::clicked, this,
            [this] { commands.CaptureChart(*tvHazChart, "Capture hazard chart image"); });
    connect(btnPrintHazChart, &QPushButton::clicked, this, [this] { commands.PrintChart(*tvHazChart); });
    connect(btnHazHelp, &QPushButton::clicked, this, [help] {
        if (help)
            help->ShowTopic(HazardHelpTopic);
    });
    hazChart.Changed = [this] { Show(); };
}

void HazChartTab::PrepareHazardView()
{
    hazChart.PrepareHazardView();
}

// The chart is drawn again with the options as they stand.
void HazChartTab::Show()
{
    TableWidgets::ShowList(cmboHazScenario, hazChart.cmboHazScenario);
    tvHazChart->Draw(hazChart.Drawing());
    lblHazFailure->Say(hazChart.Drawing().failureNote);
    ShowIndices();
}

void HazChartTab::ShowIndices()
{
    tvHazChart->ShowIndices(chkHazPlotIndicies->isChecked());
    ShowFinal();
}

void HazChartTab::ShowFinal()
{
    tvHazChart->ShowFinal(chkHazPlotRfinal->isChecked());
}
