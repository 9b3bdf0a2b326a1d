#include "window/FireTab.h"

#include "window/clsHelpViewer.h"
#include "window/ChartTabLayout.h"
#include "window/ctlFireChart.h"
#include "window/TableWidgets.h"
#include "tables/clsTableViews.h"
#include "window/ctlPageInput.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace {

constexpr int FireHelpTopic = 5;

}  // namespace

FireTab::FireTab(clsTableViews& views, FileDlg& fileDlg, clsUserInteraction& ui, clsHelpViewer* help,
                 const QString& programDir, QWidget* parent)
    : QWidget(parent), fire(views), commands(fileDlg, ui)
{
    frame = new QGroupBox(this);
    QGroupBox* scenarioFrame = ChartTabLayout::ScenarioFrame(frame, cmboFireScenario);
    auto* curveFrame = new QGroupBox(frame);
    cmboRefVar = new QComboBox(curveFrame);
    cmboRefUnits = new QComboBox(curveFrame);
    QFormLayout* curveForm = TableWidgets::Frame(curveFrame, "Curves");
    curveForm->addRow("Variable:", cmboRefVar);
    curveForm->addRow("Units:", cmboRefUnits);
    auto* unitFrame = new QGroupBox(frame);
    cmboROSUnits = new QComboBox(unitFrame);
    cmboHPUAUnits = new QComboBox(unitFrame);
    QFormLayout* unitForm = TableWidgets::Frame(unitFrame, "Chart Units");
    unitForm->addRow("Spread rate:", cmboROSUnits);
    unitForm->addRow("Heat/area:", cmboHPUAUnits);
    pgInFire = new ctlPageInput(views.pgInFire, frame);
    auto* windFrame = new QGroupBox("Wind Point", frame);
    sldWindPoint = new QSlider(Qt::Horizontal, windFrame);
    sldWindPoint->setTracking(false);  // the point changes when the slider settles
    sldWindPoint->setTickPosition(QSlider::TicksBelow);
    sldWindPoint->setTickInterval(5);
    sldWindPoint->setPageStep(5);
    txtWindPt = new QLineEdit(windFrame);
    txtWindPt->setReadOnly(true);
    txtWindPt->setMaximumWidth(70);
    lblWindUnit = new QLabel(windFrame);
    auto* windLayout = new QVBoxLayout(windFrame);
    windLayout->addWidget(sldWindPoint);
    auto* windText = new QHBoxLayout;
    windText->addWidget(txtWindPt);
    windText->addWidget(lblWindUnit, 1);
    windLayout->addLayout(windText);
    btnCaptureFireChart = new QPushButton("Capture Chart", frame);
    btnPrintFireChart = new QPushButton("Print Chart", frame);
    btnFireHelp = new QPushButton("Help", frame);
    tvFireChart = new ctlFireChart(frame);
    // The chart's look comes from "FireCharacteristicsChart.oc2" beside the program when there is one.
    tvFireChart->SetUp(
        commands.LoadChartTemplate(programDir, "FireCharacteristicsChart.oc2", ctlFireChart::DefaultLook()));
    ChartCommands::AddCopyCommand(*tvFireChart);

    lblFireFailure = new FailureNote(frame);
    ChartTabLayout::LayOut(this, frame,
                           {scenarioFrame, curveFrame, unitFrame, pgInFire, windFrame, btnCaptureFireChart,
                            btnPrintFireChart, btnFireHelp},
                           FailureNote::Above(lblFireFailure, tvFireChart));

    connect(cmboFireScenario, &QComboBox::activated, this, [this](int position) { fire.FireScenarioSelected(position); });
    connect(cmboRefVar, &QComboBox::activated, this, [this](int position) { fire.RefVarSelected(position); });
    connect(cmboRefUnits, &QComboBox::activated, this, [this](int position) { fire.RefUnitSelected(position); });
    connect(cmboROSUnits, &QComboBox::activated, this, [this](int position) { fire.ROSUnitSelected(position); });
    connect(cmboHPUAUnits, &QComboBox::activated, this, [this](int position) { fire.HPUAUnitSelected(position); });
    connect(sldWindPoint, &QSlider::valueChanged, this, [this](int position) { fire.WindPointSelected(position); });
    connect(btnCaptureFireChart, &QPushButton::clicked, this,
            [this] { commands.CaptureChart(*tvFireChart, "Capture Fire chart image"); });
    connect(btnPrintFireChart, &QPushButton::clicked, this, [this] { commands.PrintChart(*tvFireChart); });
    connect(btnFireHelp, &QPushButton::clicked, this, [help] {
        if (help)
            help->ShowTopic(FireHelpTopic);
    });
    fire.Changed = [this] { Show(); };
    fire.WindPointChanged = [this] { ShowWindPoint(); };
    Show();
}

void FireTab::PrepareFireView()
{
    fire.PrepareFireView();
}

void FireTab::Show()
{
    TableWidgets::ShowList(cmboFireScenario, fire.cmboFireScenario);
    TableWidgets::ShowList(cmboRefVar, fire.cmboRefVar);
    TableWidgets::ShowList(cmboRefUnits, fire.cmboRefUnits);
    cmboRefUnits->setEnabled(!fire.cmboRefUnits.Empty());
    TableWidgets::ShowList(cmboROSUnits, fire.cmboROSUnits);
    TableWidgets::ShowList(cmboHPUAUnits, fire.cmboHPUAUnits);
    tvFireChart->Draw(fire.Drawing());
    lblFireFailure->Say(fire.FailureNote());
    ShowWindPoint();
}

void FireTab::ShowWindPoint()
{
    {
        const QSignalBlocker quiet(sldWindPoint);
        sldWindPoint->setRange(0, std::max(0, static_cast<int>(fire.Points().size()) - 1));
        sldWindPoint->setValue(fire.sldWindPoint);
        sldWindPoint->setEnabled(!fire.Points().empty());
    }
    txtWindPt->setText(QString::fromStdString(fire.txtWindPt));
    lblWindUnit->setText(QString::fromStdString(fire.Points().empty() ? "" : fire.windUnitLabel));
    tvFireChart->MarkWindPoint(fire.SelectedPoint());
}
