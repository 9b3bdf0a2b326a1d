#pragma once

#include "engine/clsTorviInputSet.h"

#include <cstdint>

// The scenario input record, in the engine's native units.
class clsTorviInputs {
public:
    // The simulation types (VegType): a shrub canopy fire, a conifer crown fire, a simple surface
    // fire without a high side.
    static constexpr int32_t Shrub = 1;
    static constexpr int32_t Conifer = 2;
    static constexpr int32_t Surface = 3;
    static constexpr bool IsSimulationType(int32_t type) { return type >= Shrub && type <= Surface; }

    // A conifer stand burns its high side in this fuel model with this wind reduction factor,
    // whatever the record says.
    static constexpr int32_t ConiferHighFuelModel = 10;
    static constexpr double ConiferHighWindReductionFactor = 0.4;
    // A conifer record takes that high side; another record stays as it is.
    void ApplyConiferHighSide();
    // An input left without a value, as scenario files write it ("N/A" reads as the same): no
    // valid input is negative, and an input the scenario does not use is not checked.
    static constexpr double NoValue = -1;

    clsTorviInputs();
    clsTorviInputs(const clsTorviInputs& other);
    clsTorviInputs& operator=(const clsTorviInputs& other);

    int32_t VegType = 0;
    clsTorviInputSet LowInputs;
    clsTorviInputSet HighInputs;
    double CrownFuelLoad = 0;          // tons/acre
    double HCrown = 0;                 // BTU/lb
    double CanopyBaseHeight = 0;       // ft
    double ShrubTransFlameLength = 0;  // ft, as scenario files carry it; the panel and table
                                       // controls convert from the metres they work in
    double CanopyBulkDensity = 0;      // kg/m³
    double ConiferFoliarMC = 0;        // percent
    int32_t PercentSlope = 0;          // percent
    double OpenWindSpeed = 0;          // mi/h
    int32_t WindDirFromUphill = 0;     // degrees clockwise from uphill
    double HPAHighConifer = -1;        // BTU/ft²; -1 = compute
    double Initiation = -1;            // kW/m; -1 = compute
    int32_t Temperature = 0;           // °F
    double DeadHerbMC = 0;             // percent
    double Dead1HrMC = 0;
    double Dead10HrMC = 0;
    double Dead100HrMC = 0;
    double LiveWoodyMC = 0;
    double LiveHerbMC = 0;
    int16_t SpreadDirection = 0;       // degrees from the direction of maximum spread

private:
    void AdoptInputSets();
};
