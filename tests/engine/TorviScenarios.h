#pragma once

#include "engine/clsFuelModel.h"
#include "engine/clsTorviInputs.h"

#include <memory>
#include <string>

// Scenarios shared by the engine tests and the engine benchmark.
namespace TorviScenarios {

inline void SetFuelModel(clsTorviInputSet& set, int32_t lowOrHigh, int32_t fuelModel, double windReduction)
{
    set.LowOrHigh = lowOrHigh;
    set.fuelModelID = fuelModel;
    set.WindReductionFactor = windReduction;
    set.MultiplierROS = 1;
    set.MultiplierLoadDepth = 1;
    set.MultiplierIntensity = 1;
}

// Moistures 6/7/8 % dead (dead herbaceous = 1-hour), 60 % live herbaceous, 90 % live woody;
// slope 20 %, open wind 10 mi/h upslope; canopy 0.15 kg/m³, base 4 ft, load 0.5 t/ac, foliar
// moisture 100 %, crown heat 8000 BTU/lb; shrub transition flame length 4 ft; low wind
// reduction 0.3, high 0.4.
inline clsTorviInputs Scenario(int32_t vegType, int32_t lowModel, int32_t highModel = 10)
{
    clsTorviInputs in;
    in.VegType = vegType;
    SetFuelModel(in.LowInputs, 0, lowModel, 0.3);
    SetFuelModel(in.HighInputs, 1, highModel, 0.4);
    in.CrownFuelLoad = 0.5;
    in.HCrown = 8000;
    in.CanopyBaseHeight = 4;
    in.ShrubTransFlameLength = 4;
    in.CanopyBulkDensity = 0.15;
    in.ConiferFoliarMC = 100;
    in.PercentSlope = 20;
    in.OpenWindSpeed = 10;
    in.WindDirFromUphill = 0;
    in.Temperature = 0;
    in.Dead1HrMC = 6;
    in.DeadHerbMC = 6;
    in.Dead10HrMC = 7;
    in.Dead100HrMC = 8;
    in.LiveHerbMC = 60;
    in.LiveWoodyMC = 90;
    return in;
}

// A fuel model given in the record's internal units (loads lb/ft²).
inline std::shared_ptr<clsFuelModel> FuelModel(int32_t id, double load1Hr, double load10Hr, double load100Hr,
                                               double loadLiveHerb, double loadLiveWoody, const std::string& type,
                                               double sav1Hr, double savLiveHerb, double savLiveWoody, double depth,
                                               double deadFuelMx)
{
    auto model = std::make_shared<clsFuelModel>();
    model->fuelModelID = id;
    model->fuelModelCode = "T" + std::to_string(id);
    model->load1Hr = load1Hr;
    model->load10Hr = load10Hr;
    model->load100Hr = load100Hr;
    model->loadLiveHerb = loadLiveHerb;
    model->loadLiveWoody = loadLiveWoody;
    model->fuelModelType = type;
    model->sav1Hr = sav1Hr;
    model->savLiveHerb = savLiveHerb;
    model->savLiveWoody = savLiveWoody;
    model->fuelBedDepth = depth;
    model->deadFuelMx = deadFuelMx;
    model->deadHeatContent = 8000;
    model->liveHeatContent = 8000;
    model->fuelModelName = "Test model with a name longer than any short text buffer";
    return model;
}

}  // namespace TorviScenarios
