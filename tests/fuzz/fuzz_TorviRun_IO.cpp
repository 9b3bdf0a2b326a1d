// Fuzz target: run files, with the units set, fuel model and scenario files they name (looked for
// beside the run file); a run that loads and can be saved reads back.

#include "FuzzSupport.h"
#include "runs/clsRun.h"

#include <filesystem>

namespace {

// The files that the seed run names, beside the run file.
const FuzzSupport::ScratchFolder& ScratchWithUserFiles()
{
    static const FuzzSupport::ScratchFolder scratch;
    static const bool copied = [] {
        const std::filesystem::path userfiles = std::filesystem::path(ORVANE_BIN_DIR) / "userfiles";
        for (const char* name : {"english.unt", "ridge-top.scn"})
            std::filesystem::copy_file(userfiles / name, scratch.path / name);
        return true;
    }();
    (void)copied;
    return scratch;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    using FuzzSupport::Require;
    const FuzzSupport::ScratchFolder& scratch = ScratchWithUserFiles();
    static FuzzSupport::SilentInteraction ui;
    const std::string file = scratch.Write("input.run", data, size);
    clsRun run(ui);
    if (!run.run_IO.LoadTorviRun(file, run) || !run.run_IO.RunCanBeSaved(run))
        return 0;
    const std::string saved = scratch.File("saved.run");
    Require(run.run_IO.SaveTorviRun(saved, run), "a run that loads can be saved");
    clsRun again(ui);
    Require(again.run_IO.LoadTorviRun(saved, again), "a saved run reads back");
    return 0;
}
