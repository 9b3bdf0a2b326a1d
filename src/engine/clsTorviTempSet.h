#pragma once

// One fuel model's own results within a scenario's output record.
class clsTorviTempSet {
public:
    double RateOfSpread = 0;       // ch/h
    double HeatPerUnitArea = 0;    // BTU/ft²
    double FirelineIntensity = 0;  // BTU/ft/s
    double FlameLength = 0;        // ft
};
