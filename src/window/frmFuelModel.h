#pragma once

#include "engine/clsFuelModels.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class clsHelpViewer;

// "Fuel Model Selection": the user picks a fuel model of the collection by its code.
class frmFuelModel : public QDialog {
    Q_OBJECT
public:
    frmFuelModel(const clsFuelModels& models, QString programDir, clsHelpViewer* help, QWidget* parent = nullptr);

    // Opens the dialog modally; the chosen number, or 0 when cancelled or nothing was chosen.
    int SelectFM(int current);

    QListWidget* listFM;
    QLabel* imgFM;
    QLineEdit* txtFMNum;
    QLineEdit* txtFMName;
    QLineEdit* txtImageFile;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    QPushButton* btnFMHelp;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowModel(QListWidgetItem* entry);
    void ShowPlaceholder();
    void Ok();
    void Cancel();

    const clsFuelModels& models;
    QString programDir;
    clsHelpViewer* help;
    bool cancelled = true;
};
