#include "runs/Batch.h"

#include "base/clsUserInteraction.h"
#include "base/clsUtils.h"
#include "base/FileDlg.h"
#include "runs/clsBatchChunk.h"
#include "runs/clsBatchJobs.h"
#include "runs/clsBatchWorker.h"
#include "runs/clsRun.h"

#if defined(__linux__)
#include <sched.h>
#endif

#include <algorithm>
#include <filesystem>
#include <memory>
#include <thread>

namespace {

// True when both names lead to one file, so that writing the one would destroy the other.
bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code error;
    if (std::filesystem::equivalent(a, b, error))
        return true;
    const auto canonicalA = std::filesystem::weakly_canonical(a, error);
    const auto canonicalB = std::filesystem::weakly_canonical(b, error);
    return !error && canonicalA == canonicalB;
}

}  // namespace

Batch::Batch(clsRun& owner, clsUserInteraction& userInteraction)
    : gBatchIO(owner.scenIn_IO, userInteraction),
      gScenOut(owner.units),
      checks(owner.units, [&owner](int32_t number) { return owner.getSelectedFM(number); }),
      run(owner),
      ui(userInteraction)
{
}

void Batch::SelectBatchFile(bool forInput)
{
    clsUserInteraction::FileRequest request;
    request.save = !forInput;
    request.filterIndex = 1;
    if (forInput) {
        request.filter = "Scenario Input Files (*.scn)|*.scn";
        request.title = "Select scenario input file";
        request.flags = FileDlg::cdlOFNFileMustExist;
    } else {
        request.filter = "Scenario Output Files (*.out)|*.out";
        request.title = "Specify scenario output file";
        request.flags = FileDlg::cdlOFNOverwritePrompt;
    }
    const std::string chosen = ui.ChooseFile(request);
    if (chosen.empty())
        return;
    (forInput ? gBatchIO.fileName : gBatchIO.ofileName) = chosen;
}

std::string Batch::ProposedOutputName(const std::string& inputName, const std::string& extension)
{
    std::string folder, file;
    clsUtils::SplitPathAndFile(inputName, folder, file);
    if (file.find(".scn") == std::string::npos)
        return inputName + extension;
    for (std::size_t at = file.find(".scn"); at != std::string::npos; at = file.find(".scn", at + extension.size()))
        file.replace(at, 4, extension);
    return folder + file;
}

void Batch::RunBatch()
{
    gBatchIO.fileName.clear();
    SelectBatchFile(true);
    if (gBatchIO.fileName.empty())
        return;
    gBatchIO.ofileName.clear();
    const std::string proposed = ProposedOutputName(gBatchIO.fileName);
    if (!clsUtils::FileExists(proposed) ||
        ui.AskYesNo("The output file " + proposed + " already exists.\r\nWould you like to overwrite this file?",
                    "Output file already exists"))
        gBatchIO.ofileName = proposed;
    else
        SelectBatchFile(false);
    if (gBatchIO.ofileName.empty())
        return;
    const Result result = ProcessBatch(DefaultJobs());
    if (!result.summary.empty())
        ui.ShowMessage(result.summary);
}

Batch::Settings Batch::CurrentSettings()
{
    return run.EngineSettings();
}

void Batch::ApplyBatchSettings()
{
    ScenarioCalculation::ApplySettings(gBatchIO.IData, CurrentSettings());
}

bool Batch::ValidateBatchRecord(std::string& failingKey) const
{
    return ValidateBatchRecord(gBatchIO.IData, failingKey);
}

bool Batch::ValidateBatchRecord(const clsTorviInputs& record, std::string& failingKey) const
{
    return checks.Validate(record, failingKey);
}

std::string Batch::OutputName() const
{
    return ToStandardOutput() ? "standard output" : gBatchIO.ofileName;
}

// The output could not be written: the writer's reason; the previous output file stays.
Batch::Result Batch::Abort()
{
    gScenOut.AbandonScenOutpFile();
    run.scenIn_IO.CloseScenInpFile();
    ui.SetBusy(false);
    ui.ShowMessage(gScenOut.errStr);
    return {};
}

// The input could not be read to its end: the reader's reason, naming the file. Nothing is written
// to a file, so that no output passes for the whole input; standard output, which cannot be taken
// back, holds the lines of the records before.
Batch::Result Batch::InputFailed()
{
    const std::string message = run.scenIn_IO.ErrorWithFileName() +
                                (ToStandardOutput() ? "\r\nThe output to standard output is incomplete."
                                                    : "\r\nNothing was written to " + gBatchIO.ofileName + ".");
    gScenOut.AbandonScenOutpFile();
    run.scenIn_IO.CloseScenInpFile();
    ui.SetBusy(false);
    ui.ShowMessage(message);
    return {};
}

// The person stopped the batch: like a failed one, it writes nothing to a file, and says so.
Batch::Result Batch::Cancelled(const Result& done)
{
    const bool replacing = !ToStandardOutput() && clsUtils::FileExists(gBatchIO.ofileName);
    gScenOut.AbandonScenOutpFile();
    run.scenIn_IO.CloseScenInpFile();
    ui.SetBusy(false);
    ui.ShowMessage("The batch was cancelled after " + std::to_string(done.datasets + done.errors) + " records." +
                   (ToStandardOutput() ? "\r\nThe output to standard output is incomplete."
                    : replacing        ? "\r\nThe output file " + gBatchIO.ofileName + " was left as it was."
                                       : "\r\nNothing was written to " + gBatchIO.ofileName + "."));
    return {};
}

// An output that is the input, or something other than a file, is never written over.
bool Batch::RefuseOutput()
{
    if (ToStandardOutput())
        return false;
    const std::string& output = gBatchIO.ofileName;
    std::string reason;
    if (SameFile(gBatchIO.fileName, output))
        reason = " is the scenario input file being read.";
    else if (clsUtils::PathExists(output) && !clsUtils::FileExists(output))
        reason = " is not a regular file.";
    if (reason.empty())
        return false;
    ui.ShowMessage("The output file " + output + reason + " Please choose another output file.");
    return true;
}

bool Batch::OpenOutput()
{
    return ToStandardOutput() ? gScenOut.OpenScenOutpStream() : gScenOut.OpenScenOutpFile(gBatchIO.ofileName);
}

// The lines a chunk gave go to the output; the batch's record and result become the chunk's last.
bool Batch::TakeChunk(const clsBatchChunk& chunk, Result& result)
{
    result.datasets += chunk.datasets;
    result.errors += chunk.errors;
    if (chunk.lastRecord) {
        gBatchIO.IData = *chunk.lastRecord;
        gBatchIO.Name = chunk.lastName;
    }
    if (chunk.lastOutputs)
        gBatchIO.OData = *chunk.lastOutputs;
    if (lineSink) {
        lineSink->append(chunk.output);
        return true;
    }
    return gScenOut.WriteLines(chunk.output);
}

// The data lines, from the first (already read) to the end, cut into chunks for the workers, and
// their lines written in the order of the input, as far as the first failure in that order: a line
// the reader cannot read, or the output. The reader's or the writer's errStr tells why.
Batch::Outcome Batch::ProcessRecords(int jobs, Result& result)
{
    ScenarioInput_IO& reader = run.scenIn_IO;
    const Settings settings = CurrentSettings();
    std::vector<std::unique_ptr<clsBatchWorker>> workers;
    for (int i = 0; i < std::max(jobs, 1); ++i)
        workers.push_back(std::make_unique<clsBatchWorker>(checks, settings, run.torvi.FuelModels, gBatchIO.IData));
    clsBatchJobs work(std::move(workers));
    // Two chunks a worker: one being worked on, one waiting, while the lines of others are written.
    const int64_t inFlight = 2 * std::max(jobs, 1);
    std::error_code error;
    const auto size = std::filesystem::file_size(gBatchIO.fileName, error);
    const int64_t bytesTotal = error ? -1 : static_cast<int64_t>(size);

    std::vector<std::unique_ptr<clsBatchChunk>> spare;
    std::string_view line = reader.scen_rec;
    int64_t lineNumber = reader.LineNumber();
    int64_t nextRecord = 1;
    clsLineReader::Result ending = clsLineReader::Result::Line;
    for (;;) {
        if (ending == clsLineReader::Result::Line && work.InFlight() < inFlight) {
            std::unique_ptr<clsBatchChunk> chunk;
            if (spare.empty()) {
                chunk = std::make_unique<clsBatchChunk>();
            } else {
                chunk = std::move(spare.back());
                spare.pop_back();
            }
            chunk->Clear(nextRecord);
            while (!chunk->Full()) {
                if (line.empty()) {
                    if ((ending = reader.NextDataLine(line)) != clsLineReader::Result::Line)
                        break;
                    lineNumber = reader.LineNumber();
                }
                chunk->Add(line, lineNumber);
                line = {};
                ++nextRecord;
            }
            if (chunk->lines.empty())
                spare.push_back(std::move(chunk));
            else
                work.Submit(std::move(chunk));
            continue;
        }
        std::unique_ptr<clsBatchChunk> chunk = work.NextDone();
        if (!chunk)
            break;
        if (!TakeChunk(*chunk, result))
            return Outcome::OutputFailed;
        if (chunk->malformedLine) {
            // The reader of the file tells what is wrong with the line, as it would have told it.
            const std::size_t at = *chunk->malformedLine;
            clsTorviInputs unused;
            std::string unusedName;
            reader.ReadDataLine(chunk->LineText(at), chunk->lines[at].lineNumber, unused, unusedName);
            return Outcome::InputFailed;
        }
        const int64_t done = result.datasets + result.errors;
        if (OnProgress)
            OnProgress(done, reader.BytesRead(), bytesTotal);
        if (!ui.ShowProgress(done, bytesTotal > 0 ? static_cast<double>(reader.BytesRead()) / static_cast<double>(bytesTotal) : -1))
            return Outcome::Cancelled;
        spare.push_back(std::move(chunk));
    }
    return ending == clsLineReader::Result::End ? Outcome::Completed : Outcome::InputFailed;
}

int Batch::DefaultJobs()
{
#if defined(__linux__)
    // A process confined to some processors (taskset, a cluster's allocation) uses only those.
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0)
        return std::max(1, CPU_COUNT(&set));
#endif
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

Batch::Result Batch::ProcessBatch(int jobs)
{
    if (RefuseOutput())
        return {};
    const clsProgressScope progress(ui, "Batch");
    ui.SetBusy(true);
    ScenarioInput_IO& reader = run.scenIn_IO;
    const bool first = gBatchIO.LoadInput(false);
    if (!first && reader.invalidKey.empty())
        return InputFailed();
    if (!OpenOutput())
        return Abort();
    Result result;
    const Outcome outcome = ProcessInput(jobs, result);
    if (outcome == Outcome::OutputFailed)
        return Abort();
    if (outcome == Outcome::InputFailed)
        return InputFailed();
    if (outcome == Outcome::Cancelled)
        return Cancelled(result);
    reader.CloseScenInpFile();
    if (!gScenOut.CloseScenOutpFile())
        return Abort();
    ui.SetBusy(false);
    return Completed(result);
}

Batch::Result Batch::ProcessBatchToText(std::string& text)
{
    ScenarioInput_IO& reader = run.scenIn_IO;
    const bool first = gBatchIO.LoadInput(false);
    Result result;
    if (!first && reader.invalidKey.empty())
        return result;
    lineSink = &text;
    const Outcome outcome = ProcessInput(1, result);
    lineSink = nullptr;
    reader.CloseScenInpFile();
    return outcome == Outcome::Completed ? Completed(result) : Result{};
}

// An input without any data line gives an output of the headers alone.
Batch::Outcome Batch::ProcessInput(int jobs, Result& result)
{
    return run.scenIn_IO.scen_rec.empty() ? Outcome::Completed : ProcessRecords(jobs, result);
}

Batch::Result Batch::Completed(Result result) const
{
    result.completed = true;
    result.summary = "Generated " + std::to_string(result.datasets) + " output datasets to " + OutputName() +
                     "\r\nEncountered " + std::to_string(result.errors) + " errors.";
    return result;
}
