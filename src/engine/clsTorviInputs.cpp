#include "engine/clsTorviInputs.h"

clsTorviInputs::clsTorviInputs()
{
    AdoptInputSets();
}

clsTorviInputs::clsTorviInputs(const clsTorviInputs& other)
{
    *this = other;
}

clsTorviInputs& clsTorviInputs::operator=(const clsTorviInputs& other)
{
    VegType = other.VegType;
    LowInputs = other.LowInputs;
    HighInputs = other.HighInputs;
    CrownFuelLoad = other.CrownFuelLoad;
    HCrown = other.HCrown;
    CanopyBaseHeight = other.CanopyBaseHeight;
    ShrubTransFlameLength = other.ShrubTransFlameLength;
    CanopyBulkDensity = other.CanopyBulkDensity;
    ConiferFoliarMC = other.ConiferFoliarMC;
    PercentSlope = other.PercentSlope;
    OpenWindSpeed = other.OpenWindSpeed;
    WindDirFromUphill = other.WindDirFromUphill;
    HPAHighConifer = other.HPAHighConifer;
    Initiation = other.Initiation;
    Temperature = other.Temperature;
    DeadHerbMC = other.DeadHerbMC;
    Dead1HrMC = other.Dead1HrMC;
    Dead10HrMC = other.Dead10HrMC;
    Dead100HrMC = other.Dead100HrMC;
    LiveWoodyMC = other.LiveWoodyMC;
    LiveHerbMC = other.LiveHerbMC;
    SpreadDirection = other.SpreadDirection;
    AdoptInputSets();
    return *this;
}

void clsTorviInputs::AdoptInputSets()
{
    LowInputs.Parent = this;
    HighInputs.Parent = this;
}

void clsTorviInputs::ApplyConiferHighSide()
{
    if (VegType != Conifer)
        return;
    HighInputs.fuelModelID = ConiferHighFuelModel;
    HighInputs.WindReductionFactor = ConiferHighWindReductionFactor;
}
