#pragma once

#include "runs/ScenarioOutput_IO.h"
#include "runs/clsIO.h"
#include "runs/clsRecordChecks.h"
#include "engine/ScenarioCalculation.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class clsBatchChunk;
class clsFuelModel;
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

    // What the batch puts into every record besides its file's values (from the run's global settings).
    using Settings = ScenarioCalculation::Settings;

    // The output name that stands for standard output: the lines are written as they come.
    static constexpr const char* StandardOutput = "-";

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
    // Processes gBatchIO.fileName into gBatchIO.ofileName under the busy pointer and the user
    // interaction's progress, which may cancel the batch as a failure does, with that many
    // workers on threads of their own (one: on the caller's thread). The output is the same for any
    // number of workers. A failure is told to the user; the summary of a completed batch is
    // returned for the caller to show.
    Result ProcessBatch(int jobs = 1);
    // The same on the caller's thread without the output file, the busy pointer or the progress:
    // the lines are appended to text (without the headers), the summary names the output as
    // ProcessBatch would. For checks that run many small batches (the fuzz target).
    Result ProcessBatchToText(std::string& text);
    // The workers a batch uses when nobody says: one for each processor this process may run on.
    static int DefaultJobs();
    // Told after every few hundred records: the records done, and the bytes of the input read of
    // how many (-1 when the input is no file of known size).
    std::function<void(int64_t records, int64_t bytesRead, int64_t bytesTotal)> OnProgress;

    // Prepares the record just read: temperature, crown heat content, spread direction.
    void ApplyBatchSettings();
    // The settings of the run as the batch applies them.
    Settings CurrentSettings();
    // The range checks of clsRecordChecks, of the batch's record or another.
    bool ValidateBatchRecord(std::string& failingKey) const;
    bool ValidateBatchRecord(const clsTorviInputs& record, std::string& failingKey) const;

    clsIO gBatchIO;
    ScenarioOutput_IO gScenOut;

    const clsRecordChecks& Checks() const { return checks; }

private:
    bool ToStandardOutput() const { return gBatchIO.ofileName == StandardOutput; }
    std::string OutputName() const;
    bool RefuseOutput();
    bool OpenOutput();
    enum class Outcome { Completed, InputFailed, OutputFailed, Cancelled };
    Outcome ProcessInput(int jobs, Result& result);
    Outcome ProcessRecords(int jobs, Result& result);
    Result Completed(Result result) const;
    bool TakeChunk(const clsBatchChunk& chunk, Result& result);
    Result Abort();
    Result InputFailed();
    Result Cancelled(const Result& done);

    clsRecordChecks checks;
    clsRun& run;
    clsUserInteraction& ui;
    std::string* lineSink = nullptr;  // where ProcessBatchToText takes the lines
};
