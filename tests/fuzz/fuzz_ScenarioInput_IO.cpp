// Fuzz target: scenario input files; every record read is saved and must read back as saved.

#include "FuzzSupport.h"
#include "runs/ScenarioInput_IO.h"

namespace {

void SaveAndReadBack(const FuzzSupport::ScratchFolder& scratch, const clsTorviInputs& record, const std::string& name)
{
    using FuzzSupport::Require;
    ScenarioInput_IO io;
    const std::string first = scratch.File("first.scn");
    const std::string second = scratch.File("second.scn");
    Require(io.SaveScenInp(first, record, name), "a record read can be saved");
    clsTorviInputs back;
    std::string backName;
    Require(io.FetchFirstScenInp(first, back, backName) && !io.scen_rec.empty(), "a saved record reads back");
    io.CloseScenInpFile();
    Require(backName == name, "the name reads back");
    Require(io.SaveScenInp(second, back, backName), "a record read back can be saved");
    Require(FuzzSupport::ReadBytes(first) == FuzzSupport::ReadBytes(second), "a saved record reads back unchanged");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static const FuzzSupport::ScratchFolder scratch;
    const std::string file = scratch.Write("input.scn", data, size);
    ScenarioInput_IO reader;
    clsTorviInputs record;
    std::string name;
    bool read = reader.FetchFirstScenInp(file, record, name);
    int saved = 0;
    while (read || !reader.invalidKey.empty()) {
        if (read && !reader.scen_rec.empty() && saved++ < 3)
            SaveAndReadBack(scratch, record, name);
        read = reader.FetchNextScenInp(record, name);
    }
    reader.CloseScenInpFile();
    return 0;
}
