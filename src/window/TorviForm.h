#pragma once

#include "base/FileDlgInteraction.h"
#include "window/RunWindow.h"
#include "window/clsHelpViewer.h"
#include "base/clsUserInteraction.h"
#include "engine/clsFieldUse.h"
#include "tables/clsTableViews.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStackedWidget;
class QTabBar;
class FileDlg;
class FireTab;
class HazChartTab;
class RunCommands;
class TablesTab;
class ToolCommands;
class UnitsCommands;
class clsRun;
class clsTorviOutputs;
class clsTorviUnit;
class ctlIn;
class ctlOut;

// The main window: the tab strip with the four scenarios' input and output panels, the output
// table and the three charts; the run's descriptive fields; the menus and the scenario commands.
// Its controls are private: each has its member's name as object name (a scenario's with the
// scenario's number, "inPanel1"), by which the window tests find it.
class TorviForm : public QMainWindow, public RunWindow {
    Q_OBJECT
public:
    TorviForm(clsRun& run, FileDlg& fileDlg, clsUserInteraction& ui, QString programDir, QWidget* parent = nullptr);
    ~TorviForm() override;

    // The start sequence; commandLine is the whole argument string (an absolute path when given).
    void Start(const QString& commandLine);
    void SelectTab(int tab);
    // After a run file was loaded: the visible table or chart view brings its controls back from
    // the run's tab settings.
    void RestoreTabSettings();

    // What the run, units and tool commands ask of the window.
    void ShowLoadedRun() override;
    void CalculateAll() override;
    void ClearScenario(int scenario) override;
    void ClearAllScenarios() override;
    void SaveScenario(int scenario) override;
    void NameScenario(int scenario) override;
    bool ScenarioIsDirty(int scenario) const override;
    void MarkScenarioClean(int scenario) override;
    std::string ScenarioTitle(int scenario) const override;
    void ShowRunFile() override;
    void ClearRunFields() override;
    // Shows the run's current units: the page's unit lists follow the catalogue and every shown
    // value is shown again in them, so the selections on screen count as unchanged; then the
    // visible tab is refreshed.
    void RefreshVisibleTab() override;
    void NoteRecentRun(const std::string& path) override;
    QWidget* DialogParent() override { return this; }

    clsHelpViewer& Help() { return help; }
    // The controls of the table and chart views; after a run file was loaded they are brought back
    // with RestoreControls.
    clsTableViews& TableViews() { return tableViews; }
    static QString ScenarioCaption(int scenario);

    // The display-unit list of a quantity of the input/output page; nullptr when it has none.
    QComboBox* UnitList(const clsTorviUnit& member) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct UnitListEntry {
        QComboBox* list;
        clsTorviUnit* member;
    };

    // Sends one scenario's inputs to the engine and shows its outputs.
    void CalculateOutput(int scenario);
    // Shows a scenario's input record in its panel; false when a fuel model is not loaded.
    bool CopyRecordToPanel(int scenario);
    void CopyPanelToRecord(int scenario);
    void ShowOutputs(int scenario);
    // The next (1) or previous (-1) tab, round the strip.
    void StepTab(int step);
    // The help page of a tab, as its help button opens it.
    static int HelpTopicOfTab(int tab);
    // A run chosen in the "Recent runs" menu; one whose file has gone is said so and dropped.
    void OpenRecentRun(const QString& path);
    void ShowRunFields();
    void FitToScreen();
    void FillRecentRuns();
    void BuildMenus();
    // The "Capture Chart" or "Print Chart" button of the chart on screen; none on a tab without a
    // chart.
    QPushButton* ChartButton(bool print) const;
    QWidget* BuildInputOutputPage();
    QWidget* BuildRunFields();
    QWidget* BuildTablesPage();
    void FillUnitList(QComboBox* list, const clsTorviUnit& member);
    void UnitListChosen(clsTorviUnit& member, QComboBox* list);
    void ShowInputInUnit(int scenario, int field);
    bool IsOutputUnit(const clsTorviUnit& member) const;
    void ApplyUnitLists();
    void SetInputUnitListsToFirst();
    void ShowScenarioMenu(int scenario);
    void LoadScenario(int scenario);
    void LoadScenarioFile(int scenario, const std::string& path);
    void BindHolders();
    // The wind adjustment wizard for a wind reduction factor field of a scenario's input panel.
    void ShowWAFWizard(int scenario, int field);
    void ScenarioChanged(int scenario);
    clsFieldUse::Links MoistureLinks(int scenario) const;
    void ApplyMoistureOptions(int scenario);
    void MoistureOptionChanged();
    void ShowInputProblems();
    QStringList CalculationFailures() const;
    void LoadCommandLineScenario(const QString& path);
    // Gives each control its member's name as object name.
    void NameControls();

    QTabBar* TabStrip1;
    QStackedWidget* frames;
    std::array<QWidget*, 5> frameIO{};
    std::array<ctlIn*, NumScenarios + 1> inPanel{};  // 1-based
    std::array<ctlOut*, NumScenarios + 1> outPanel{};
    std::array<QPushButton*, NumScenarios + 1> scenarioButton{};
    std::array<QLabel*, NumScenarios + 1> outputLabel{};
    QLineEdit* txtRun;
    QLineEdit* txtRDate;
    QLineEdit* txtAnalyst;
    QLineEdit* txtProject;
    QLineEdit* txtRunFile;
    QPushButton* btnFBA;
    // What keeps the scenarios that cannot calculate from calculating.
    QLabel* lblInputStatus;
    TablesTab* tablesTab = nullptr;  // the output table and output chart
    HazChartTab* hazChartTab = nullptr;
    FireTab* fireTab = nullptr;

    QAction* mnuOpenRun;
    QAction* mnuCloseRun;
    QAction* mnuSaveMain;
    QAction* mnuOpenUnits;
    QAction* mnuCloseUnits;
    QAction* mnuSaveUnits;
    QAction* mnuPrint;
    QAction* mnuCapture;
    QAction* mnuBatch;
    QMenu* mnuRecentRuns;  // the last run files opened or saved, most recent first
    QAction* mnuExit;
    QAction* mnuGlobalSettings;
    QAction* mnuCustomFM;
    QAction* mnuFBATables;
    QAction* mnuFuelSzCls;
    QAction* mnuScenarioFuel;
    QAction* mnuSplitScn;
    QAction* mnuNextTab;
    QAction* mnuPreviousTab;
    QAction* mnuHelpTab;  // F1: the help page of the tab on screen
    QAction* mnuHelpTOC;
    QAction* mnuHelpAbout;
    QMenu* mnuScenario;
    QAction* mnuLoad;
    QAction* mnuSave;
    QAction* mnuName;
    QAction* mnuClear;
    QAction* mnuScenHelp;

    clsRun& run;
    FileDlg& fileDlg;
    clsUserInteraction& ui;
    QString programDir;
    clsHelpViewer help;
    clsTableViews tableViews;
    std::vector<UnitListEntry> unitLists;
    // Dialogs of the run, units and tool commands open where the program's file dialog does.
    FileDlgInteraction dialogs;
    std::unique_ptr<UnitsCommands> unitsCommands;
    std::unique_ptr<RunCommands> runCommands;
    std::unique_ptr<ToolCommands> toolCommands;
    bool fillingPanel = false;
};
