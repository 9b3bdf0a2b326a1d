// Fuzz target: scenario input files; every record read is laid out as the writer lays it out and
// must read back as laid out, and the first is saved to a file and read back from it.

#include "FuzzSupport.h"
#include "runs/ScenarioInput_IO.h"

namespace {

void LayOutAndReadBack(const clsTorviInputs& record, const std::string& name)
{
    using FuzzSupport::Require;
    static ScenarioInput_IO io;
    const std::string line = ScenarioInput_IO::DataLine(record, name);
    clsTorviInputs back;
    std::string backName;
    Require(io.ReadDataLine(line, 1, back, backName), "a record laid out reads back");
    Require(backName == name, "the name reads back");
    Require(ScenarioInput_IO::DataLine(back, backName) == line, "a record laid out reads back unchanged");
}

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
    bool first = true;
    while (read || !reader.invalidKey.empty()) {
        if (read && !reader.scen_rec.empty()) {
            if (first)
                SaveAndReadBack(scratch, record, name);
            first = false;
            LayOutAndReadBack(record, name);
        }
        read = reader.FetchNextScenInp(record, name);
    }
    reader.CloseScenInpFile();
    return 0;
}
