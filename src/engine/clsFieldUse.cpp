#include "engine/clsFieldUse.h"

#include "engine/clsFuelModel.h"
#include "engine/clsTorviInputs.h"
#include "engine/ScenarioInputFields.h"

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace F = ScenarioInputFields;
static_assert(F::Count <= 32, "a field's use is kept as a bit of 32");

constexpr uint32_t Bit(int field)
{
    return uint32_t(1) << field;
}

// The rows of the input list as bits, read once: the rule is asked of every record of a batch.
struct FieldBits {
    uint32_t numeric = 0;
    uint32_t moisture = 0;
    std::array<uint32_t, 3> entered{};  // by simulation type, shrub to surface
    std::array<uint32_t, 3> kept{};
    struct SizeClass {
        int field;
        double clsFuelModel::*load;
    };
    std::vector<SizeClass> sizeClasses;
};

FieldBits ReadFieldBits()
{
    FieldBits bits;
    for (int field = 0; field < F::Count; ++field) {
        const F::Field& row = F::At(field);
        if (!row.unit)
            continue;  // the simulation type and the fuel models are chosen, not numbers
        bits.numeric |= Bit(field);
        if (row.kind == F::Kind::Moisture)
            bits.moisture |= Bit(field);
        if (row.sizeClassLoad)
            bits.sizeClasses.push_back({field, row.sizeClassLoad});
        for (std::size_t type = 0; type < bits.entered.size(); ++type) {
            if (row.byType[type] == F::TypeUse::Entered)
                bits.entered[type] |= Bit(field);
            else if (row.byType[type] == F::TypeUse::Kept)
                bits.kept[type] |= Bit(field);
        }
    }
    return bits;
}

const FieldBits& TheFieldBits()
{
    static const FieldBits bits = ReadFieldBits();
    return bits;
}

}  // namespace

clsFieldUse::clsFieldUse(int32_t vegType, const clsFuelModel* low, const clsFuelModel* high,
                         const Links& moistureLinks)
    : links(moistureLinks)
{
    const FieldBits& bits = TheFieldBits();
    if (!clsTorviInputs::IsSimulationType(vegType)) {
        entered = bits.numeric;
        return;
    }
    const auto type = static_cast<std::size_t>(vegType - clsTorviInputs::Shrub);
    entered = bits.entered[type] & ~UnburnedSizeClasses(vegType, low, high);
    kept = bits.kept[type];
}

clsFieldUse::clsFieldUse(int32_t vegType, const clsFuelModel* low, const clsFuelModel* high)
    : clsFieldUse(vegType, low, high, Links())
{
}

clsFieldUse::Use clsFieldUse::Of(int field) const
{
    const FieldBits& bits = TheFieldBits();
    if (field < 0 || field >= F::Count || !(bits.numeric & Bit(field)))
        throw std::out_of_range("clsFieldUse: field " + std::to_string(field) + " is not a numeric input");
    if (kept & Bit(field))
        return Use::Kept;
    if (!(entered & Bit(field)))
        return Use::Unused;
    if ((bits.moisture & Bit(field)) && links.fromScenarioA.test(static_cast<std::size_t>(field)))
        return Use::FromScenarioA;
    if ((field == F::Dead10Hr || field == F::Dead100Hr) && links.sizeClasses)
        return Use::FollowsDead1Hr;
    return Use::Entered;
}

// A size class burns when one of the scenario's fuel models carries a load of it: the low model,
// and for the crown fire types the high model too. A model not chosen leaves every class burning,
// so that nothing is skipped that might count.
uint32_t clsFieldUse::UnburnedSizeClasses(int32_t vegType, const clsFuelModel* low, const clsFuelModel* high)
{
    const bool withHigh = vegType != clsTorviInputs::Surface;
    if (!low || (withHigh && !high))
        return 0;
    uint32_t unburned = 0;
    for (const FieldBits::SizeClass& sizeClass : TheFieldBits().sizeClasses)
        if (low->*sizeClass.load + (withHigh ? high->*sizeClass.load : 0.0) == 0)
            unburned |= Bit(sizeClass.field);
    return unburned;
}
