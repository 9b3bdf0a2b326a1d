#pragma once

#include "engine/FuelModel_IO.h"
#include "TorviScenarios.h"
#include "engine/clsTorvi.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

// The expected numbers in the engine tests were worked from the formulas with an independent
// python3 calculation (plain double arithmetic, one function per step), not from the engine,
// for the scenarios of TorviScenarios.h.
namespace TorviScenarios {

inline std::shared_ptr<clsFuelModels> StandardFuelModels()
{
    FuelModel_IO reader;
    EXPECT_TRUE(reader.LoadFuelModel(ORVANE_BIN_DIR "/ModelParameters.f")) << reader.errStr;
    return reader.fmColl;
}

inline clsTorviOutputs Calculate(clsTorvi& engine, clsTorviInputs& in)
{
    bool success = false;
    clsTorviOutputs out = engine.CalculateTorviOutputs(in, success);
    EXPECT_TRUE(success) << out.ErrorNumber << " " << out.ErrorDescription;
    return out;
}

}  // namespace TorviScenarios

// Equal to a relative tolerance.
#define EXPECT_REL(actual, expected, tolerance)                                                          \
    EXPECT_NEAR((actual), (expected), std::abs(static_cast<double>(expected)) * (tolerance) + 1e-300)
