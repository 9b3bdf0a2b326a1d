#pragma once

class TorviForm;
class clsRun;
class clsUserInteraction;

// The units set commands of the File menu: open, save and close a units set, and the question
// about changed unit selections that closing a units set, a run or the program asks.
class UnitsCommands {
public:
    // File dialogs go through ui, which opens them where the program's file dialog does.
    UnitsCommands(TorviForm& form, clsRun& run, clsUserInteraction& ui);

    void OpenUnits();   // mnuOpenUnits
    void SaveUnits();   // mnuSaveUnits
    void CloseUnits();  // mnuCloseUnits
    // When the unit selections changed since the last units set load or save, asks whether to save
    // them and saves them on Yes.
    void SavePrompt();

private:
    TorviForm& form;
    clsRun& run;
    clsUserInteraction& ui;
};
