#pragma once

#include <cstdint>
#include <functional>

class clsTorvi;
class clsTorviInputs;
class clsTorviOutputs;

// Handing a scenario's input record to the engine, the one way the window, the tables, the
// charts, batch processing and the Python module do it.
namespace ScenarioCalculation {

// What a run puts into every record besides the scenario's own inputs: its global settings.
struct Settings {
    double hcrown = 0;  // BTU/lb
    int16_t spreadDirection = 0;
};

// An engine, or a stand-in for one: the outputs of a record, success false when it fails.
using Engine = std::function<clsTorviOutputs(clsTorviInputs& inputs, bool& success)>;

// The record takes the run's settings: the crown heat content, the spread direction and the
// temperature the engine assumes (0 °F).
void ApplySettings(clsTorviInputs& record, const Settings& settings);
// What every record takes besides its fields before it is calculated: the low and high sides, the
// high side every conifer stand burns, and the dead herbaceous moisture of the 1-hour moisture.
void CompleteRecord(clsTorviInputs& record);
// Completes the record and calculates it; false when the engine fails, and then
// outputs.FailureText() says why.
bool Calculate(clsTorvi& engine, clsTorviInputs& record, clsTorviOutputs& outputs);
bool Calculate(const Engine& engine, clsTorviInputs& record, clsTorviOutputs& outputs);

}  // namespace ScenarioCalculation
