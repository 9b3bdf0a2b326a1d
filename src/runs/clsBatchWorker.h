#pragma once

#include "engine/clsTorvi.h"
#include "engine/ScenarioCalculation.h"
#include "runs/ScenarioInput_IO.h"
#include "runs/clsRecordChecks.h"

#include <memory>
#include <string>

class clsBatchChunk;

// Turns the data lines of a chunk into lines of the scenario output file: reads each record, applies
// the batch settings, checks the ranges, calculates the scenario and lays out its result line or its
// error line. Each worker has its own reader, record and engine, so that several work side by side
// on different chunks, sharing only what they read: the batch's settings and ranges and the fuel
// models. A record never depends on the records before it, so that the lines are the same whichever
// worker reads them.
class clsBatchWorker {
public:
    // start: the batch's record before the first line (the fields no line sets keep its values).
    clsBatchWorker(const clsRecordChecks& checks, const ScenarioCalculation::Settings& settings,
                   std::shared_ptr<clsFuelModels> fuelModels, const clsTorviInputs& start);

    void Process(clsBatchChunk& chunk);

private:
    void WriteErrorLine(clsBatchChunk& chunk, const std::string& line);

    const clsRecordChecks& checks;
    const ScenarioCalculation::Settings settings;
    ScenarioInput_IO reader;
    clsTorvi engine;
    clsTorviInputs record;
    clsTorviOutputs outputs;
    std::string name;
    std::string failingKey;
};
