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
    static_assert(std::size(checkOrder) <= 64, "the range checks a record makes are kept as the bits of 64");
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

bool clsRecordChecks::Validate(const clsTorviInputs& record, std::string& failingKey) const
{
    return Validate(record, failingKey, UsedRanges(record));
}

bool clsRecordChecks::Validate(const clsTorviInputs& record, std::string& failingKey, RangeUse& use) const
{
    return Validate(record, failingKey,
                    use.Of(*this, record.VegType, fuelModelOf(record.LowInputs.fuelModelID),
                           fuelModelOf(record.HighInputs.fuelModelID)));
}

bool clsRecordChecks::Validate(const clsTorviInputs& record, std::string& failingKey, uint64_t used) const
{
    failingKey.clear();
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        if (!(used >> i & 1))
            continue;
        const RangeCheck& check = ranges[i];
        const double value = ScenarioInputFields::Value(record, check.field);
        if (value < check.min || value > check.max) {
            failingKey = check.key;
            return false;
        }
    }
    return true;
}

uint64_t clsRecordChecks::UsedRanges(const clsTorviInputs& record) const
{
    return UsedRanges(record.VegType, fuelModelOf(record.LowInputs.fuelModelID),
                      fuelModelOf(record.HighInputs.fuelModelID));
}

// Only the inputs the scenario uses are checked, by the rule that enables the input panel's boxes:
// a scenario saved from the window passes whatever its unused boxes held.
uint64_t clsRecordChecks::UsedRanges(int32_t vegType, const clsFuelModel* low, const clsFuelModel* high) const
{
    const clsFieldUse use(vegType, low, high);
    uint64_t used = 0;
    for (std::size_t i = 0; i < ranges.size(); ++i)
        if (use.Used(ranges[i].field))
            used |= uint64_t(1) << i;
    return used;
}

uint64_t clsRecordChecks::RangeUse::Of(const clsRecordChecks& checks, int32_t vegType, const clsFuelModel* low,
                                       const clsFuelModel* high)
{
    // Multiplicative hashing: the top bits of the product depend on every bit of the addresses.
    const uint64_t hash = reinterpret_cast<uintptr_t>(low) * 0x9e3779b97f4a7c15ull ^
                          reinterpret_cast<uintptr_t>(high) * 0xc2b2ae3d27d4eb4full ^
                          static_cast<uint64_t>(static_cast<uint32_t>(vegType)) * 0x165667b19e3779f9ull;
    const std::size_t place = hash >> (64 - KeptBits);
    if (!kept)
        kept = std::make_unique_for_overwrite<Kept[]>(Places);
    Kept& entry = kept[place];
    if (!known.test(place) || entry.vegType != vegType || entry.low != low || entry.high != high) {
        entry = {vegType, low, high, checks.UsedRanges(vegType, low, high)};
        known.set(place);
    }
    return entry.checks;
}

std::string clsRecordChecks::InvalidDataReason(const std::string& key, std::string_view dataLine)
{
    return "contains invalid " + key + " data: " + std::string(dataLine);
}
