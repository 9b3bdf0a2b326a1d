#pragma once

#include "runs/ScenarioInput_IO.h"
#include "runs/clsIO.h"

#include <set>
#include <string>
#include <vector>

class clsRun;
class clsUserInteraction;

// Batch splitting: one scenario input file per record of a batch file, named after the scenario and
// written beside the batch file. It keeps its own holder and never touches the run's four scenarios.
class SplitScnBatch {
public:
    struct Result {
        bool completed = false;  // every record was read and written
        int files = 0;
        std::string summary;     // "" when the splitting stopped at a file it could not write
        std::vector<std::string> unreadRecords;  // why each line left out could not be read
    };

    SplitScnBatch(clsRun& run, clsUserInteraction& ui);

    // The whole split command: the file dialog, the splitting and its summary.
    void SplitBatch();
    // A file dialog for the batch file; cancelling leaves gSplitIO.fileName empty.
    void SelectSplitFile();
    // The scenario's name + ".scn", or "scenario-" + counter + ".scn" for a record without a name.
    // Folder separators in a name become "_", so that every file lands beside the batch file.
    static std::string SplitFileName(const std::string& scenarioName, int counter);
    // Splits gSplitIO.fileName. Without replaceExisting, a file that exists before the split is not
    // replaced: the split stops there with a message.
    Result SplitFile(bool replaceExisting = true);

    clsIO gSplitIO;
    ScenarioInput_IO gSplitOut;

private:
    std::string TargetPath(const std::string& folder, const std::string& fileName) const;
    bool WriteRecord(const std::string& folder, bool replaceExisting, Result& result);
    void NoteUnreadRecord(Result& result) const;

    clsRun& run;
    clsUserInteraction& ui;
    std::set<std::string> writtenThisSplit;
};
