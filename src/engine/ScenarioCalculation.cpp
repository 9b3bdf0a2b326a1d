#include "engine/ScenarioCalculation.h"

#include "engine/clsTorvi.h"
#include "engine/clsTorviInputs.h"
#include "engine/clsTorviOutputs.h"

namespace ScenarioCalculation {

void ApplySettings(clsTorviInputs& record, const Settings& settings)
{
    record.Temperature = 0;
    record.HCrown = settings.hcrown;
    record.SpreadDirection = settings.spreadDirection;
}

void CompleteRecord(clsTorviInputs& record)
{
    record.DeadHerbMC = record.Dead1HrMC;
    record.LowInputs.LowOrHigh = 0;
    record.HighInputs.LowOrHigh = 1;
    record.ApplyConiferHighSide();
}

bool Calculate(clsTorvi& engine, clsTorviInputs& record, clsTorviOutputs& outputs)
{
    return Calculate([&engine](clsTorviInputs& inputs, bool& success) {
        return engine.CalculateTorviOutputs(inputs, success);
    }, record, outputs);
}

bool Calculate(const Engine& engine, clsTorviInputs& record, clsTorviOutputs& outputs)
{
    CompleteRecord(record);
    bool success = false;
    outputs = engine(record, success);
    return success;
}

}  // namespace ScenarioCalculation
