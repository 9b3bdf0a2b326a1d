#pragma once

#include "moisture/clsMoistureLookup.h"

#include <QString>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class frmMoistureHelp;

// "Moisture Table Lookup": the conditions as lists and two text boxes, the reference moisture,
// its correction and the fine dead fuel moisture recomputed on every change.
class frmMoistureLookup : public QWidget {
    Q_OBJECT
public:
    // The help topics are looked for in helpFolder (the "help" folder beside the programs).
    explicit frmMoistureLookup(const QString& helpFolder, QWidget* parent = nullptr);

    // The help topic of this window.
    static constexpr int HelpTopic = 6;

    // The help viewer, once "Help" has opened it; null before.
    frmMoistureHelp* HelpWindow() const { return help; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void AddRow(QGridLayout* grid, const QString& caption, QWidget* field);
    QComboBox* AddList(QGridLayout* grid, const QString& name, const QString& caption, const QStringList& items);
    QLineEdit* AddTextBox(QGridLayout* grid, const QString& name, const QString& caption, const QString& text);
    QLineEdit* AddOutputBox(QGridLayout* grid, const QString& name, const QString& caption);
    void ConnectRecompute();
    void Recompute();
    void ShowResult(const clsMoistureLookup::Result& result);
    void ShowHelp();

    QString helpFolder;
    clsMoistureLookup lookup;
    frmMoistureHelp* help = nullptr;

    QComboBox* cboDayOrNight;
    QLineEdit* txtTemperature;
    QLineEdit* txtHumidity;
    QComboBox* cboSeason;
    QComboBox* cboShading;
    QComboBox* cboTime;
    QComboBox* cboElevation;
    QComboBox* cboAspect;
    QComboBox* cboSlope;
    QLineEdit* txtReferenceFM;
    QLineEdit* txtCorrectionFM;
    QLineEdit* txtFineDeadFM;
    QPushButton* btnExit;
    QPushButton* btnHelp;
};
