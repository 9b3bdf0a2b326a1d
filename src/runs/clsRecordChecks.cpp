#include "runs/clsRecordChecks.h"

#include "engine/ScenarioInputFields.h"
#include "engine/clsFieldUse.h"
#include "engine/clsTorviInputs.h"
#include "units/clsUnits.h"

#include <iterator>
#include <utility>

clsRecordChecks::clsRecordChecks(const clsUnits& units, FuelModelOf fuelModels) : fuelModelOf(std::move(fuelModels))
{
    // The checks run in this order, and the first that fails is named.
    static constexpr const char* checkOrder[] = {"MC01",    "MC10",    "MC100",    "MCLH",     "MCLW",     "ACBD",
                                                 "CABH",    "STFL",    "SLOP",     "OWND",     "WDIR",     "FOMC",
                                                 "ACFL",    "WNDRlow", "ROSMlow",  "LADMlow",  "FLIMlow",  "WNDRhigh",
                                                 "ROSMhigh", "LADMhigh", "FLIMhigh"};
    for (const char* key : checkOrder)
        ranges.push_back(RecordRange(units, ScenarioInputFields::IdOf(key)));
}

clsRecordChecks::RangeCheck clsRecordChecks::RecordRange(const clsUnits& units, int field)
{
    const ScenarioInputFields::Field& input = ScenarioInputFields::At(field);
    clsTorviUnit limits = (units.*input.unit).CloneObj();
    limits.SetCurrUnit(input.recordUnit);
    return {input.key, field, limits.GetMinDataVal(), limits.GetMaxDataVal(), limits.UnitLbl(input.recordUnit)};
}

// Only the inputs the scenario uses are checked, by the rule that enables the input panel's boxes:
// a scenario saved from the window passes whatever its unused boxes held.
bool clsRecordChecks::Validate(const clsTorviInputs& record, std::string& failingKey) const
{
    failingKey.clear();
    const uint32_t used = clsFieldUse(record.VegType, fuelModelOf(record.LowInputs.fuelModelID),
                                      fuelModelOf(record.HighInputs.fuelModelID))
                              .UsedFields();
    const std::array<double, ScenarioInputFields::Count> values = ScenarioInputFields::Values(record);
    for (const RangeCheck& check : ranges) {
        if (!(used >> check.field & 1))
            continue;
        const double value = values[static_cast<std::size_t>(check.field)];
        if (value < check.min || value > check.max) {
            failingKey = check.key;
            return false;
        }
    }
    return true;
}

std::string clsRecordChecks::InvalidDataReason(const std::string& key, std::string_view dataLine)
{
    return "contains invalid " + key + " data: " + std::string(dataLine);
}
