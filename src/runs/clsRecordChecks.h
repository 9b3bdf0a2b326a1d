#pragma once

#include <bitset>
#include <cstdint>
#include <functional>
#include <memory>
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

    // Which range checks the records of a simulation type and pair of fuel models make, a bit for
    // each of Ranges(): worked out once for each such scenario and kept (some 30 KB for a thousand),
    // since a batch goes through a few dozen or a few hundred of them. One for each thread.
    class RangeUse {
    public:
        uint64_t Of(const clsRecordChecks& checks, int32_t vegType, const clsFuelModel* low, const clsFuelModel* high);

    private:
        struct Kept {
            int32_t vegType;
            const clsFuelModel* low;
            const clsFuelModel* high;
            uint64_t checks;
        };
        static constexpr int KeptBits = 10;
        static constexpr std::size_t Places = std::size_t(1) << KeptBits;
        // Allocated at the first record and left uninitialised: only the places marked known are read.
        std::unique_ptr<Kept[]> kept;
        std::bitset<Places> known;
    };

    // On failure the key of the first failing field, in the order of Ranges(). The form with a
    // RangeUse is the batch's, which checks many records of few scenarios.
    bool Validate(const clsTorviInputs& record, std::string& failingKey) const;
    bool Validate(const clsTorviInputs& record, std::string& failingKey, RangeUse& use) const;
    // The range checks, in the order they are made.
    const std::vector<RangeCheck>& Ranges() const { return ranges; }

    // The reason an error line gives after the record number: a field of the record's data line
    // that holds no number or fails its range check.
    static std::string InvalidDataReason(const std::string& key, std::string_view dataLine);

private:
    static RangeCheck RecordRange(const clsUnits& units, int field);
    uint64_t UsedRanges(const clsTorviInputs& record) const;
    uint64_t UsedRanges(int32_t vegType, const clsFuelModel* low, const clsFuelModel* high) const;
    bool Validate(const clsTorviInputs& record, std::string& failingKey, uint64_t used) const;

    std::vector<RangeCheck> ranges;
    FuelModelOf fuelModelOf;
};
