#pragma once

#include "charts/Fire.h"
#include "window/ChartCommands.h"
#include "window/FailureNote.h"

#include <QString>
#include <QWidget>

class FileDlg;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class clsHelpViewer;
class clsTableViews;
class clsUserInteraction;
class ctlFireChart;
class ctlPageInput;

// The "Fire Characteristics Chart" tab: the scenario list, the curve and unit lists, the page
// control, the wind point slider, the chart and its buttons.
class FireTab : public QWidget {
    Q_OBJECT
public:
    FireTab(clsTableViews& views, FileDlg& fileDlg, clsUserInteraction& ui, clsHelpViewer* help,
            const QString& programDir, QWidget* parent = nullptr);

    void PrepareFireView();
    const Fire& Results() const { return fire; }

    QGroupBox* frame;
    QComboBox* cmboFireScenario;
    QComboBox* cmboRefVar;
    QComboBox* cmboRefUnits;
    QComboBox* cmboROSUnits;
    QComboBox* cmboHPUAUnits;
    ctlPageInput* pgInFire;
    QSlider* sldWindPoint;
    QLineEdit* txtWindPt;
    QLabel* lblWindUnit;
    QPushButton* btnCaptureFireChart;
    QPushButton* btnPrintFireChart;
    QPushButton* btnFireHelp;
    ctlFireChart* tvFireChart;
    FailureNote* lblFireFailure;

private:
    void Show();
    void ShowWindPoint();

    Fire fire;
    ChartCommands commands;
};
