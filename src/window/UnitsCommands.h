#pragma once

#include "base/clsUserInteraction.h"

class RunWindow;
class clsRun;

// The units set commands of the File menu: open, save and close a units set, and the question
// about changed unit selections that closing a units set, a run or the program asks.
class UnitsCommands {
public:
    // File dialogs go through ui, which opens them where the program's file dialog does.
    UnitsCommands(RunWindow& form, clsRun& run, clsUserInteraction& ui);

    void OpenUnits();   // mnuOpenUnits
    // mnuSaveUnits; false when the dialog was cancelled or the save failed.
    bool SaveUnits();
    void CloseUnits();  // mnuCloseUnits
    // When the unit selections changed since the last units set load or save, asks whether to save
    // them (Yes, No, or Cancel to call the command off); No without asking when nothing changed.
    clsUserInteraction::Answer AskToSave();

private:
    RunWindow& form;
    clsRun& run;
    clsUserInteraction& ui;
};
