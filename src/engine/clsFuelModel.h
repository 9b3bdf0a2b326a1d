#pragma once

#include <cstdint>
#include <string>

// One surface fuel bed, in the engine's internal English units (loads lb/ft², ratios 1/ft,
// depth ft, moisture of extinction as a fraction, heat contents BTU/lb).
class clsFuelModel {
public:
    int32_t fuelModelID = 0;
    std::string fuelModelCode;
    double load1Hr = 0;
    double load10Hr = 0;
    double load100Hr = 0;
    double loadLiveHerb = 0;
    double loadLiveWoody = 0;
    std::string fuelModelType;
    double sav1Hr = 0;
    double savLiveHerb = 0;
    double savLiveWoody = 0;
    double fuelBedDepth = 0;
    double deadFuelMx = 0;
    double deadHeatContent = 0;
    double liveHeatContent = 0;
    std::string fuelModelName;
    // Set only on the engine's working copy, by the curing of dynamic models.
    double loadDeadHerb = 0;

    // A copy of every field except loadDeadHerb, which starts again at 0.
    clsFuelModel clone() const;

    static constexpr double sav10Hr() { return 109; }
    static constexpr double sav100Hr() { return 30; }
};
