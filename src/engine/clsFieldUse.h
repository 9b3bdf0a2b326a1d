#pragma once

#include <bitset>
#include <cstdint>

class clsFuelModel;

// Which numeric inputs of a scenario enter its calculation, and which of those the analyst types.
// The one rule behind the boxes the input panel enables and the ranges batch processing checks:
// the simulation type decides the canopy, shrub and high-side inputs; a moisture of a size class
// that none of the scenario's fuel models carries does not burn and is not asked for; the two
// moisture options of the main window fill moistures instead of the analyst.
class clsFieldUse {
public:
    enum class Use {
        Entered,          // typed by the analyst
        FromScenarioA,    // copied from Scenario A's moisture by the scenario link
        FollowsDead1Hr,   // the 1-hour moisture + 1 (10-hour) or + 2 (100-hour), by the size class link
        Kept,             // enters the calculation as it stands, but is not typed for this type
        Unused,           // does not enter the calculation
    };

    // The moisture options as they apply to one scenario.
    struct Links {
        bool sizeClasses = false;           // the 10-hour and 100-hour moistures follow the 1-hour one
        std::bitset<24> fromScenarioA;      // moisture fields (11..15) copied from Scenario A
    };

    // vegType: 1 shrub, 2 conifer, 3 surface. low and high: the chosen fuel models, nullptr when
    // not chosen or not loaded (the high model counts for shrub and conifer only). A fuel model
    // that is missing, or a simulation type outside 1..3, leaves every input in use, so that
    // nothing is skipped that might count.
    clsFieldUse(int32_t vegType, const clsFuelModel* low, const clsFuelModel* high, const Links& links);
    // Without the moisture options, as a scenario file is read.
    clsFieldUse(int32_t vegType, const clsFuelModel* low, const clsFuelModel* high);

    // Field ids 2..5 and 7..23 (the numeric inputs); another id throws std::out_of_range.
    Use Of(int field) const;
    bool Used(int field) const { return Of(field) != Use::Unused; }
    bool Entered(int field) const { return Of(field) == Use::Entered; }
    // The numeric inputs that enter the calculation, the bit 1 << id for each: what Used says of
    // every field at once, for batch processing, which asks it of every record.
    uint32_t UsedFields() const { return entered | kept; }

private:
    static uint32_t UnburnedSizeClasses(int32_t vegType, const clsFuelModel* low, const clsFuelModel* high);

    // A bit per field id: the fields the simulation type takes and whose size class burns, and
    // those it keeps as the record holds them.
    uint32_t entered = 0;
    uint32_t kept = 0;
    Links links;
};
