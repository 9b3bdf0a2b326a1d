// Fuzz target: a whole batch run over a scenario input file, on one thread without an output file
// (what a batch writes to its file is the business of the batch tests), then the split of the same file.

#include "FuzzSupport.h"
#include "runs/Batch.h"
#include "runs/SplitScnBatch.h"
#include "runs/clsRun.h"

#include <algorithm>
#include <filesystem>

namespace {

using FuzzSupport::Require;

clsRun& StandardRun(clsUserInteraction& ui)
{
    static clsRun run(ui);
    Require(run.LoadFuelModelFile(std::string(ORVANE_BIN_DIR) + "/ModelParameters.f"), "the standard models load");
    return run;
}

int64_t CountOf(const std::string& text, const std::string& what)
{
    int64_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
        ++count;
    return count;
}

void CheckBatch(clsRun& run, clsUserInteraction& ui, const std::string& input)
{
    Batch batch(run, ui);
    batch.gBatchIO.fileName = input;
    std::string written;
    const Batch::Result result = batch.ProcessBatchToText(written);
    if (!result.completed) {
        Require(result.summary.empty(), "a failed batch has no summary");
        return;
    }
    Require(CountOf(written, "\r\n") == result.datasets + result.errors, "one line per record");
    Require(CountOf("\r\n" + written, "\r\n#-- ") == result.errors, "one error line per error");
}

void CheckSplit(clsRun& run, clsUserInteraction& ui, const std::string& folder, const std::string& input)
{
    SplitScnBatch split(run, ui);
    split.gSplitIO.fileName = input;
    const SplitScnBatch::Result result = split.SplitFile(true);
    int64_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        Require(!name.ends_with(".tmp"), "no temporary is left behind");
        files += name.ends_with(".scn") && name != "fires.scn";
    }
    Require(files == result.files, "every file counted was written, once");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static const FuzzSupport::ScratchFolder scratch;
    static FuzzSupport::SilentInteraction ui;
    static clsRun& run = StandardRun(ui);
    const std::string folder = scratch.Fresh("batch");
    const std::string input = scratch.Write("batch/fires.scn", data, size);
    CheckBatch(run, ui, input);
    CheckSplit(run, ui, folder, input);
    return 0;
}
