#pragma once

#include "charts/HazChart.h"
#include "window/ChartCommands.h"
#include "window/FailureNote.h"

#include <QString>
#include <QWidget>

class FileDlg;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class clsHelpViewer;
class clsTableViews;
class clsUserInteraction;
class ctlColOutput;
class ctlHazChart;
class ctlPageInput;
class ctlRowInput2;

// The "Hazard Chart" tab: the scenario list, the wind range, page and output controls, the plot
// options, the chart and its buttons.
class HazChartTab : public QWidget {
    Q_OBJECT
public:
    HazChartTab(clsTableViews& views, FileDlg& fileDlg, clsUserInteraction& ui, clsHelpViewer* help,
                const QString& programDir, QWidget* parent = nullptr);

    void PrepareHazardView();
    const HazChart& Results() const { return hazChart; }

    QGroupBox* frame;
    QComboBox* cmboHazScenario;
    ctlRowInput2* rowInHazard;
    ctlPageInput* pgInHazard;
    ctlColOutput* colOutHazard;
    QCheckBox* chkHazPlotRfinal;
    QCheckBox* chkHazPlotIndicies;
    QPushButton* btnCaptureHazChart;
    QPushButton* btnPrintHazChart;
    QPushButton* btnHazHelp;
    ctlHazChart* tvHazChart;
    FailureNote* lblHazFailure;

private:
    void Show();
    void ShowIndices();
    void ShowFinal();

    HazChart hazChart;
    ChartCommands commands;
};
