#pragma once

#include <cstdint>

class clsTorviInputs;

// The inputs of one fuel model (low or high) of a scenario.
class clsTorviInputSet {
public:
    int32_t LowOrHigh = 0;
    int32_t fuelModelID = 0;
    double WindReductionFactor = 0;
    double MultiplierROS = 0;
    double MultiplierLoadDepth = 0;
    double MultiplierIntensity = 0;
    // The record that owns the set; kept pointing at the owner when the owner is copied.
    clsTorviInputs* Parent = nullptr;
};
