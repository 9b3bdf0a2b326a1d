#pragma once

#include "runs/ScenarioInput_IO.h"
#include "runs/clsIO.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

class clsRun;
class clsUserInteraction;

// Batch splitting: one scenario input file per record of a batch file, named after the scenario and
// written beside the batch file. It keeps its own holder and never touches the run's four scenarios.
// Every record reaches a file of its own: a file name that an earlier record of the same split (or
// the batch file itself) has taken gets a number.
class SplitScnBatch {
public:
    struct Result {
        bool completed = false;  // the whole batch file was read and every record read was written
        int64_t files = 0;       // files written
        std::string summary;     // "" when the splitting failed before its end
        std::vector<std::string> unreadRecords;  // why each line left out could not be read
        std::vector<std::string> renamedRecords; // records whose file name was taken before them
        bool refusedExisting = false;            // stopped at a file that exists and is not replaced
        std::vector<std::string> writtenFiles;   // the paths written, in the order of the records
        bool cancelled = false;                  // the person cancelled it
    };

    SplitScnBatch(clsRun& run, clsUserInteraction& ui);

    // The whole split command: the file dialog, the question about scenario files that exist
    // (Yes replaces them, No keeps them and gives their records numbered names, Cancel writes
    // nothing), the splitting and its summary.
    void SplitBatch();
    // A file dialog for the batch file; cancelling leaves gSplitIO.fileName empty.
    void SelectSplitFile();
    // The scenario's name + ".scn", or "scenario-" + counter + ".scn" for a record without a name.
    // Folder separators and control characters in a name become "_", so that every file lands
    // beside the batch file, and a name too long for a file name is shortened.
    static std::string SplitFileName(const std::string& scenarioName, int64_t counter);
    // Splits gSplitIO.fileName under the user interaction's progress; a cancelled split keeps the
    // files written and its summary lists them. Without replaceExisting, a file that exists before the split is not
    // replaced: the split stops there with a message. With keepExisting, such a file is kept and its
    // record is written under the next free numbered name, as for names taken within the split.
    Result SplitFile(bool replaceExisting = true, bool keepExisting = false);
    // The files that splitting gSplitIO.fileName would replace, in the order of its records; the
    // batch file is read, nothing is written. False after telling why the file cannot be read, or
    // that the person cancelled this reading, which ends the command.
    bool ExistingFiles(std::vector<std::string>& existing);

    clsIO gSplitIO;
    ScenarioInput_IO gSplitOut;

private:
    std::string TargetPath(const std::string& folder, const std::string& fileName);
    bool WriteRecord(const std::string& folder, bool replaceExisting, int64_t recordNumber, Result& result);
    void NoteUnreadRecord(Result& result) const;
    std::string CancelledSummary(int64_t records, const Result& result) const;
    std::string CancelledCheckSummary(int64_t records) const;

    clsRun& run;
    clsUserInteraction& ui;
    std::set<std::string> writtenThisSplit;
    std::map<std::string, int64_t> lastNumber;  // of each file name taken in this split
    bool keepExisting = false;
    std::vector<std::string>* planned = nullptr;  // while only finding the files that exist
};
