#pragma once

#include "base/clsUserInteraction.h"

#include <string>
#include <vector>

class RunWindow;
class UnitsCommands;
class clsRun;

// The run commands of the File menu (open, save and close a run) and the three save prompts that
// guard unsaved work before a run is opened or closed and before the program ends.
class RunCommands {
public:
    // File dialogs go through ui, which opens them where the program's file dialog does.
    RunCommands(RunWindow& form, clsRun& run, clsUserInteraction& ui, UnitsCommands& units);

    void OpenRun();   // mnuOpenRun
    // A run file chosen in the "Recent runs" menu: the questions, then the run as OpenRun loads it.
    void OpenRunFile(const std::string& path);
    void SaveRun();   // mnuSaveMain
    void CloseRun();  // mnuCloseRun
    // The scenario popup's Clear: asks first when the scenario has unsaved changes.
    void ClearScenario(int scenario);
    // Asks, in this order, about changed scenario data, changed unit selections and a changed run,
    // and only then saves what the answers ask for. With clearing, the scenarios, the units, the
    // run and its fields are then reset, so that a run saved here still lists what was open.
    // False, with nothing cleared, when a question was answered Cancel or a save did not happen:
    // the command that asked stops.
    bool SavePrompts(bool clearing);

private:
    using Answer = clsUserInteraction::Answer;
    // What the answers of the save prompts ask to save.
    struct Saves {
        std::vector<int> scenarios;
        bool units = false;
        bool run = false;
    };

    Answer AskScenario(int scenario);
    bool AskSavePrompts(Saves& saves);
    bool SaveAnswered(const Saves& saves);
    void ClearRun();
    // Tells why the run cannot be saved as it stands (no name, fields a run file cannot hold).
    bool RunCanBeSaved();
    // The run file save after its scenarios were dealt with; false when it did not happen.
    bool SaveRunFile();
    bool BringReferencesBeside(const std::string& runPath, std::vector<std::string>& notFound);
    bool SaveScenario(int scenario);
    void LoadRun(const std::string& path);
    void MarkPanelsClean();

    RunWindow& form;
    clsRun& run;
    clsUserInteraction& ui;
    UnitsCommands& units;
};
