// Fuzz target: fuel model files, and the engine over the models such a file brings in.

#include "FuzzSupport.h"
#include "engine/FuelModel_IO.h"
#include "engine/clsTorvi.h"

namespace {

// A scenario of each simulation type in which the model is both the low and the high model.
clsTorviInputs Scenario(int32_t vegType, int32_t fuelModel)
{
    clsTorviInputs inputs;
    inputs.VegType = vegType;
    for (clsTorviInputSet* set : {&inputs.LowInputs, &inputs.HighInputs}) {
        set->fuelModelID = fuelModel;
        set->WindReductionFactor = 0.4;
        set->MultiplierROS = set->MultiplierLoadDepth = set->MultiplierIntensity = 1;
    }
    inputs.HighInputs.LowOrHigh = 1;
    inputs.Dead1HrMC = inputs.DeadHerbMC = 6;
    inputs.Dead10HrMC = 7;
    inputs.Dead100HrMC = 8;
    inputs.LiveHerbMC = 60;
    inputs.LiveWoodyMC = 90;
    inputs.CanopyBulkDensity = 0.1;
    inputs.CanopyBaseHeight = 6;
    inputs.CrownFuelLoad = 1;
    inputs.ConiferFoliarMC = 100;
    inputs.ShrubTransFlameLength = 4;
    inputs.OpenWindSpeed = 20;
    inputs.PercentSlope = 30;
    inputs.HCrown = 7744.776318;  // 18000 kJ/kg
    return inputs;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    using FuzzSupport::Require;
    static const FuzzSupport::ScratchFolder scratch;
    const std::string file = scratch.Write("models.fmd", data, size);
    FuelModel_IO reader;
    if (!reader.LoadFuelModel(file)) {
        Require(reader.fmColl->Count() == 0, "a failed load merges nothing");
        return 0;
    }
    const std::size_t count = reader.fmColl->Count();
    Require(reader.LoadFuelModel(file) && reader.fmColl->Count() == count, "a file is read only once");
    if (count > 0) {
        const std::string again = scratch.Write("again.fmd", data, size);
        Require(!reader.LoadFuelModel(again) && reader.fmColl->Count() == count, "known numbers are refused");
    }

    // A custom model may hold any numbers: the engine must report what it cannot calculate.
    clsTorvi torvi;
    torvi.FuelModels = reader.fmColl;
    int tried = 0;
    for (const auto& model : *reader.fmColl) {
        if (tried == 3)
            break;
        clsTorviInputs inputs = Scenario(1 + tried++, model->fuelModelID);
        bool success = false;
        torvi.CalculateTorviOutputs(inputs, success);
    }
    return 0;
}
