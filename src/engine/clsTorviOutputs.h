#pragma once

#include "engine/clsTorviTempSet.h"

#include <cstdint>
#include <string>

// The scenario output record, in the engine's native output units.
class clsTorviOutputs {
public:
    // The word of a fire type, 1 "surface" to 4 "active"; "" for any other value.
    static std::string FireTypeName(int32_t fireType)
    {
        static const char* const names[] = {"surface", "passive", "conditional", "active"};
        return fireType >= 1 && fireType <= 4 ? names[fireType - 1] : "";
    }

    int32_t FireType = 0;                 // 1 surface, 2 passive, 3 conditional, 4 active; 0 no spread
    double TransitionFunction = 0;        // crown fraction burned
    double RateOfSpread = 0;              // ch/h
    double HeatPerUnitArea = 0;           // BTU/ft²
    double FirelineIntensity = 0;         // BTU/ft/s
    double FireIntensityScale = 0;
    double FlameLength = 0;               // ft
    double EffectiveMidflameWind = 0;     // mi/h
    double TorchingIndex = 0;             // mi/h
    double CrowningIndex = 0;             // mi/h
    double SurfacingIndex = 0;            // mi/h
    double CrownFirelineIntensity = 0;    // BTU/ft/s
    double CrownFlameLength = 0;          // ft
    double CrownCriticalSurfaceROS = 0;   // ch/h
    double CrownCriticalBulkDensity = 0;  // kg/m³
    double CrownRActive = 0;              // ch/h
    double CrownOCessation = 0;           // mi/h
    clsTorviTempSet Low;
    clsTorviTempSet High;
    int32_t ErrorNumber = 0;
    std::string ErrorDescription;
};
