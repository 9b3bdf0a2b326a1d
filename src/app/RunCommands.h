#pragma once

#include <string>

class TorviForm;
class UnitsCommands;
class clsRun;
class clsUserInteraction;

// The run commands of the File menu (open, save and close a run) and the three save prompts that
// guard unsaved work before a run is opened or closed and before the program ends.
class RunCommands {
public:
    // File dialogs go through ui, which opens them where the program's file dialog does.
    RunCommands(TorviForm& form, clsRun& run, clsUserInteraction& ui, UnitsCommands& units);

    void OpenRun();   // mnuOpenRun
    // A run file chosen in the "Recent runs" menu: the questions, then the run as OpenRun loads it.
    void OpenRunFile(const std::string& path);
    void SaveRun();   // mnuSaveMain
    void CloseRun();  // mnuCloseRun
    // In this order: changed scenario data, changed unit selections, a changed run. With clearing,
    // each is reset after its question: the dirty scenarios, the units, the run and its fields.
    void SavePrompts(bool clearing);

private:
    void LoadRun(const std::string& path);
    void ScenarioDataPrompt(bool clearing);
    void RunDataPrompt(bool clearing);
    void SaveScenario(int scenario);
    void ShowRunFields();
    void ShowLoadedRun();
    void MarkPanelsClean();

    TorviForm& form;
    clsRun& run;
    clsUserInteraction& ui;
    UnitsCommands& units;
};
