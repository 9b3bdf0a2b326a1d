#pragma once

#include "engine/FuelModel_IO.h"
#include "engine/clsTorvi.h"
#include "runs/ScenarioInput_IO.h"
#include "runs/TorviRun_IO.h"
#include "runs/clsIO.h"
#include "engine/ScenarioCalculation.h"
#include "runs/Units_IO.h"
#include "units/clsUnits.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class clsUserInteraction;

// Everything the analyst works on at one time: four scenarios, the run's descriptive fields, the
// units of each page and tab, the tab settings, the global settings, the loaded fuel models and the
// file objects. The program keeps one for its whole life and resets it in place.
class clsRun {
public:
    explicit clsRun(clsUserInteraction& ui);
    clsRun(const clsRun&) = delete;
    clsRun& operator=(const clsRun&) = delete;

    static int16_t NumScenarios() { return 4; }
    // Scenario 1..4; another number throws std::out_of_range.
    clsIO& io(int scenario);
    // A spare input record per scenario, for the tabs to vary a copy of its inputs.
    clsTorviInputs& iclone(int scenario);

    void InitRun();
    void InitUnits();
    void InitPageVars();
    // Loads a standard or custom fuel model file and hands the collection to the engine. Without a
    // name the user chooses the file; a cancelled choice returns false and changes nothing.
    bool LoadFuelModelFile(const std::string& fileName = "");
    // Adds the fuel models of a file to the collection and hands it to the engine; false with the
    // reason in errorText (naming the file where the loader names only the line), telling the user
    // nothing.
    bool AddFuelModels(const std::string& fileName, std::string& errorText);
    // The loaded fuel model with that number, or nullptr (always for numbers of 0 or less).
    clsFuelModel* getSelectedFM(int32_t number) const;

    std::string Name;
    std::string Project;
    std::string Analyst;
    std::string RDate;
    bool IsLoaded = false;
    bool IsDirty = false;
    int16_t visTab = 0;
    double globalHCrown = 18000.0;  // kJ/kg
    int16_t globalSpreadDirection = 0;
    // The global settings as every calculation puts them into its record.
    ScenarioCalculation::Settings EngineSettings();

    clsTorvi torvi;
    clsUnits units;
    clsUnits tblch_units;
    clsUnits tblch_pg_units;
    clsUnits haz_units;
    clsUnits haz_pg_units;
    clsUnits fire_units;
    clsUnits fire_pg_units;

    // The tab settings, given their initial values by InitPageVars.
    int16_t tblch_input_var, tblch_page_var, tblch_output_var;
    double tblch_input_min, tblch_input_max, tblch_input_step;
    int16_t haz_input_var, haz_page_var, haz_output_var;
    double haz_input_min, haz_input_max, haz_input_step;
    int16_t fire_ref_var, fire_page_var;
    // The unit a row range is given in (its item data in the row unit list), so that the range
    // comes back in its own unit whatever unit the catalogue shows; 0 while none is known.
    int16_t tblch_input_unit, haz_input_unit;
    // The page value of each view in the record's unit; NaN while none is remembered.
    double tblch_page_val, haz_page_val, fire_page_val;

    FuelModel_IO defFM;
    ScenarioInput_IO scenIn_IO;
    Units_IO unitsIO;
    TorviRun_IO run_IO;

private:
    static std::size_t Slot(int scenario);

    clsUserInteraction& ui;
    std::array<std::unique_ptr<clsIO>, 4> scenarios;
    std::array<std::unique_ptr<clsTorviInputs>, 4> clones;
};
