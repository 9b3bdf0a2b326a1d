#pragma once

#include "runs/clsGlobalSettings.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class clsRun;

// The "Global Settings" dialog: the run's heat content of crown fuel in a chosen unit and its
// spread direction, beside the fixed fuel particle constants. OK stores both only when both are
// valid; an invalid box turns red and keeps the dialog open.
class frmGlobalSettings : public QDialog {
    Q_OBJECT
public:
    explicit frmGlobalSettings(clsRun& run, QWidget* parent = nullptr);

    QLineEdit* txtHCrown;
    QComboBox* cmboHCrown;
    QLineEdit* txtSpreadDir;
    QPushButton* OKButton;
    QPushButton* CancelButton;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void UnitChosen();
    void OK();
    static void Paint(QLineEdit* box, const QColor& colour);

    clsGlobalSettings settings;
    QColor windowColour;
};
