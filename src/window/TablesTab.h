#pragma once

#include "window/ChartCommands.h"
#include "window/FailureNote.h"
#include "tables/Tables.h"

#include <QString>
#include <QWidget>

#include <string>

class FileDlg;
class QGroupBox;
class QPushButton;
class clsHelpViewer;
class clsRun;
class clsTableViews;
class clsUserInteraction;
class ctlColOutput;
class ctlOutputChart;
class ctlOutputTable;
class ctlPageInput;
class ctlRowInput;

// The frame of the output table and output chart views: the row, page and output controls they
// share, the grid with its "Text File" button, or the chart with its "Capture Chart" and "Print
// Chart" buttons. Whichever is shown is what a recompute produces.
class TablesTab : public QWidget {
    Q_OBJECT
public:
    TablesTab(clsRun& run, clsTableViews& views, FileDlg& fileDlg, clsUserInteraction& ui, clsHelpViewer* help,
              const QString& programDir, QWidget* parent = nullptr);

    void PrepareTableView();
    void PrepareChartView();
    // The recompute of views 1 and 2: the table is computed and shown in the grid or the chart;
    // both are emptied when no table can be computed.
    void ComputeTable();
    void ExportTable();
    void CaptureChart();
    void PrintChart();

    const Tables& Results() const { return tables; }
    bool ChartShown() const { return chartShown; }

    QGroupBox* frame;
    ctlRowInput* tblRowInput;
    ctlPageInput* tblPageInput;
    ctlColOutput* tblColOutput;
    ctlOutputTable* tableView;
    ctlOutputChart* chartView;
    FailureNote* failureNote;
    QPushButton* btnTextFile;
    QPushButton* btnCaptureChart;
    QPushButton* btnPrintChart;
    QPushButton* btnHelp;

private:
    TableSelection Selection() const;
    void ShowView(bool chart);

    clsRun& run;
    clsTableViews& views;
    clsUserInteraction& ui;
    ChartCommands commands;
    clsHelpViewer* help;
    Tables tables;
    bool chartShown = false;
};
