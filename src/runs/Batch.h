#pragma once

#include "runs/ScenarioOutput_IO.h"
#include "runs/clsIO.h"

#include <cstdint>
#include <string>
#include <vector>

class clsRun;
class clsUserInteraction;
class clsTorviUnit;

// Batch processing: the engine over every scenario of a scenario input file, one result line or
// error line per scenario in a scenario output file. It keeps its own scenario holder and never
// touches the run's four scenarios. The output file is replaced only by a batch that read its whole
// input and wrote every line: a batch that fails leaves the previous output file as it was.
class Batch {
public:
    struct Result {
        bool completed = false;  // every record was read and its line written to the output file
        int64_t datasets = 0;    // result lines
        int64_t errors = 0;      // error lines: records out of range, not numbers, or not calculated
        std::string summary;     // what to show the user at the end; "" when the batch failed
    };

    Batch(clsRun& run, clsUserInteraction& ui);

    // The whole batch command: the input file dialog, the output file (the question when it
    // exists), the processing and the summary.
    void RunBatch();
    // A file dialog for the input (true) or the output (false) file; a cancelled dialog leaves the
    // name as it was.
    void SelectBatchFile(bool forInput);
    // The input's folder and file name with every ".scn" replaced by the extension (".out"); the
    // input name + the extension when it holds no ".scn", so that the output never is the input.
    static std::string ProposedOutputName(const std::string& inputName, const std::string& extension = ".out");
    // Processes gBatchIO.fileName into gBatchIO.ofileName under the busy pointer. A failure is told
    // to the user; the summary of a completed batch is returned for the caller to show.
    Result ProcessBatch();
    // Prepares the record just read: temperature, crown heat content, spread direction, conifer.
    void ApplyBatchSettings();
    // The range checks against the native-unit limits, of the inputs the scenario uses; on failure
    // the key of the first failing field.
    bool ValidateBatchRecord(std::string& failingKey) const;

    clsIO gBatchIO;
    ScenarioOutput_IO gScenOut;

private:
    struct RangeCheck {
        std::string key;
        int field;  // index in the scenario input file, which is the input's field id
        double min;
        double max;
    };
    static RangeCheck NativeRange(const std::string& key, const clsTorviUnit& descriptor, int16_t unit);
    bool HandleRecord(int64_t recordNumber, Result& result);
    bool WriteErrorLine(const std::string& line, Result& result);
    bool RefuseOutput();
    Result Abort();
    Result InputFailed();

    clsRun& run;
    clsUserInteraction& ui;
    std::vector<RangeCheck> ranges;
};
