#pragma once

#include "engine/clsTorviTempSet.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

// The scenario output record, in the engine's native output units.
class clsTorviOutputs {
public:
    // The word of a fire type, 1 "surface" to 4 "active"; "" for any other value.
    static std::string_view FireTypeName(int32_t fireType)
    {
        static constexpr std::string_view names[] = {"surface", "passive", "conditional", "active"};
        return fireType >= 1 && fireType <= 4 ? names[fireType - 1] : std::string_view();
    }

    // An output that does not exist for this scenario: an index or threshold of a fire that cannot
    // reach the state it describes (an active crown fire no wind can bring about, a surface fire that
    // does not spread). A quiet NaN, a value no output can take and no arithmetic turns back into a
    // number; every view tests a value with IsNotReachable before converting or rounding it, and
    // shows "N/A" where a number stands and "not reachable" where a sentence describes it.
    static constexpr double NotReachable = std::numeric_limits<double>::quiet_NaN();
    static bool IsNotReachable(double value) { return std::isnan(value); }
    // Where a number stands: files, boxes, grids.
    static constexpr const char* NotReachableText = "N/A";
    // Where a sentence describes it: chart notes, help.
    static constexpr const char* NotReachableWords = "not reachable";

    // How callers report a calculation that failed.
    std::string FailureText() const
    {
        return "CalculateTorviOutputs Failure[" + std::to_string(ErrorNumber) + "] " + ErrorDescription;
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
