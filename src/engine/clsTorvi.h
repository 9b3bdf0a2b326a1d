#pragma once

#include "engine/clsFuelModels.h"
#include "engine/clsTorviInputs.h"
#include "engine/clsTorviOutputSet.h"
#include "engine/clsTorviOutputs.h"

#include <cstdint>
#include <memory>

// The fire behaviour engine: a pure function of one input record and the fuel model collection.
class clsTorvi {
public:
    std::shared_ptr<clsFuelModels> FuelModels;

    // Validates and calculates one scenario. The record is shared with the caller: a given
    // Initiation or HPAHighConifer rewrites the fields that depend on it.
    clsTorviOutputs CalculateTorviOutputs(clsTorviInputs& inputs, bool& success);
    // The ratio of the spread rate at an angle from the head to the head fire spread rate.
    double CalculateNonHeadingROS(int16_t direction, double effectiveWind) const;
};
