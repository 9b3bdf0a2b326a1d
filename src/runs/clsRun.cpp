#include "runs/clsRun.h"

#include "base/clsUserInteraction.h"

#include <limits>
#include <stdexcept>

clsRun::clsRun(clsUserInteraction& userInteraction) : run_IO(userInteraction), ui(userInteraction)
{
    InitRun();
    visTab = 0;
}

std::size_t clsRun::Slot(int scenario)
{
    if (scenario < 1 || scenario > NumScenarios())
        throw std::out_of_range("scenario " + std::to_string(scenario) + " outside 1..4");
    return static_cast<std::size_t>(scenario - 1);
}

clsIO& clsRun::io(int scenario)
{
    auto& holder = scenarios[Slot(scenario)];
    if (!holder)
        holder = std::make_unique<clsIO>(scenIn_IO, ui);
    return *holder;
}

clsTorviInputs& clsRun::iclone(int scenario)
{
    auto& clone = clones[Slot(scenario)];
    if (!clone)
        clone = std::make_unique<clsTorviInputs>();
    return *clone;
}

void clsRun::InitRun()
{
    Name.clear();
    Project.clear();
    Analyst.clear();
    RDate.clear();
    run_IO.fileName.clear();
    unitsIO.fileName.clear();
    IsLoaded = false;
    IsDirty = false;
    globalHCrown = 18000.0;
    InitUnits();
    InitPageVars();
    for (int scenario = 1; scenario <= NumScenarios(); ++scenario)
        io(scenario).InitIO();
}

void clsRun::InitUnits()
{
    for (clsUnits* catalogue : {&units, &tblch_units, &tblch_pg_units, &haz_units, &haz_pg_units, &fire_units,
                                &fire_pg_units})
        catalogue->InitUnits();
}

void clsRun::InitPageVars()
{
    tblch_input_var = 9;
    tblch_page_var = 0;
    tblch_output_var = 1;
    tblch_input_min = 0;
    tblch_input_max = 40;
    tblch_input_step = 2;
    haz_input_var = 0;
    haz_page_var = 0;
    haz_output_var = 0;
    haz_input_min = 0;
    haz_input_max = 40;
    haz_input_step = 2;
    fire_ref_var = 0;
    fire_page_var = 0;
    tblch_input_unit = 0;
    haz_input_unit = 0;
    tblch_page_val = haz_page_val = fire_page_val = std::numeric_limits<double>::quiet_NaN();
}

bool clsRun::LoadFuelModelFile(const std::string& fileName)
{
    std::string chosen = fileName;
    if (chosen.empty()) {
        clsUserInteraction::FileRequest request;
        request.filter = "Fuel Model Files (*.fmd)|*.fmd";
        request.filterIndex = 2;
        request.title = "Load custom fuel model";
        chosen = ui.ChooseFile(request);
        if (chosen.empty())
            return false;
    }
    std::string error;
    if (!AddFuelModels(chosen, error)) {
        ui.ShowMessage(error);
        return false;
    }
    return true;
}

bool clsRun::AddFuelModels(const std::string& fileName, std::string& errorText)
{
    // The loader leaves its message unchanged for a file it cannot open: that failure gets its own.
    defFM.errStr.clear();
    if (!defFM.LoadFuelModel(fileName)) {
        errorText = defFM.errStr.empty() ? "Failed to open Fuel Model file: " + fileName : defFM.ErrorWithFileName();
        return false;
    }
    torvi.FuelModels = defFM.fmColl;
    return true;
}

clsFuelModel* clsRun::getSelectedFM(int32_t number) const
{
    return number > 0 ? defFM.fmColl->Find(number) : nullptr;
}

ScenarioCalculation::Settings clsRun::EngineSettings()
{
    return {units.CvtHCrown(2, globalHCrown, 1), globalSpreadDirection};
}
