#pragma once

#include "runs/Batch.h"
#include "runs/SplitScnBatch.h"

#include <QString>

class RunWindow;
class clsRun;
class clsUserInteraction;

// The tool commands of the main window: custom fuel models, the global settings, batch processing
// and batch splitting, and starting the companion program "Moisture".
class ToolCommands {
public:
    // File dialogs go through ui, which opens them where the program's file dialog does;
    // "Moisture" is looked for in programDir.
    ToolCommands(RunWindow& form, clsRun& run, clsUserInteraction& ui, QString programDir);

    void CustomFuelModels();  // mnuCustomFM
    // mnuGlobalSettings: the dialog; after OK every scenario is calculated again.
    void GlobalSettings();
    void RunBatch();          // mnuBatch
    void SplitBatch();        // mnuSplitScn
    // mnuFBATables and btnFBA: starts "Moisture" from the program's folder, detached, without
    // arguments; false after telling the user when it is not there or cannot be started.
    bool StartMoisture();

private:
    RunWindow& form;
    clsRun& run;
    clsUserInteraction& ui;
    QString programDir;
    Batch batch;
    SplitScnBatch split;
};
