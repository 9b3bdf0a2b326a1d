// Fuzz target: units set files; a set that loads saves and reads back unchanged.

#include "FuzzSupport.h"
#include "runs/clsRun.h"
#include "runs/Units_IO.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    using FuzzSupport::Require;
    static const FuzzSupport::ScratchFolder scratch;
    static FuzzSupport::SilentInteraction ui;
    static clsRun run(ui);
    run.InitUnits();
    const std::string file = scratch.Write("input.unt", data, size);
    Units_IO io;
    if (!io.LoadUnits(file, run))
        return 0;
    const std::string first = scratch.File("first.unt");
    const std::string second = scratch.File("second.unt");
    Require(io.SaveUnits(first, run), "a set that loads can be saved");
    run.InitUnits();
    Require(io.LoadUnits(first, run), "a saved set reads back");
    Require(io.SaveUnits(second, run), "a set read back can be saved");
    Require(FuzzSupport::ReadBytes(first) == FuzzSupport::ReadBytes(second), "a saved set reads back unchanged");
    return 0;
}
