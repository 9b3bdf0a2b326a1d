#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class clsFuelModel;
class clsTorviInputs;
class clsUnits;

// The checks batch processing makes of every record it has read: each input the scenario uses
// must lie within the limits of the unit the record holds it in, whatever unit is displayed.
// Nothing here changes once it is made, so that workers on several threads may check at once.
class clsRecordChecks {
public:
    struct RangeCheck {
        std::string key;
        int field;  // index in the scenario input file, which is the input's field id
        double min;
        double max;
        std::string unit;  // the label of the record's unit the limits are in
    };
    // The loaded fuel model with that number, or nullptr.
    using FuelModelOf = std::function<const clsFuelModel*(int32_t number)>;

    clsRecordChecks(const clsUnits& units, FuelModelOf fuelModelOf);

    // On failure the key of the first failing field, in the order of Ranges().
    bool Validate(const clsTorviInputs& record, std::string& failingKey) const;
    // The range checks, in the order they are made.
    const std::vector<RangeCheck>& Ranges() const { return ranges; }

    // The reason an error line gives after the record number: a field of the record's data line
    // that holds no number or fails its range check.
    static std::string InvalidDataReason(const std::string& key, std::string_view dataLine);

private:
    static RangeCheck RecordRange(const clsUnits& units, int field);

    std::vector<RangeCheck> ranges;
    FuelModelOf fuelModelOf;
};
