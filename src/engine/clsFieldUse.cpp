#include "engine/clsFieldUse.h"

#include "engine/clsFuelModel.h"
#include "engine/clsTorviInputs.h"
#include "engine/ScenarioInputFields.h"

#include <stdexcept>
#include <string>

namespace {

namespace F = ScenarioInputFields;

bool IsMoisture(int field)
{
    return F::At(field).kind == F::Kind::Moisture;
}

}  // namespace

clsFieldUse::clsFieldUse(int32_t type, const clsFuelModel* lowModel, const clsFuelModel* highModel,
                         const Links& moistureLinks)
    : vegType(type), low(lowModel), high(highModel), links(moistureLinks)
{
}

clsFieldUse::clsFieldUse(int32_t type, const clsFuelModel* lowModel, const clsFuelModel* highModel)
    : clsFieldUse(type, lowModel, highModel, Links())
{
}

clsFieldUse::Use clsFieldUse::Of(int field) const
{
    if (field < 0 || field >= F::Count || !F::At(field).unit)
        throw std::out_of_range("clsFieldUse: field " + std::to_string(field) + " is not a numeric input");
    const Use byType = TypeUse(field);
    if (byType != Use::Entered)
        return byType;
    if (!SizeClassBurns(field))
        return Use::Unused;
    if (IsMoisture(field) && links.fromScenarioA.test(static_cast<std::size_t>(field)))
        return Use::FromScenarioA;
    if ((field == F::Dead10Hr || field == F::Dead100Hr) && links.sizeClasses)
        return Use::FollowsDead1Hr;
    return Use::Entered;
}

// The simulation type's column of the field's row.
clsFieldUse::Use clsFieldUse::TypeUse(int field) const
{
    if (!clsTorviInputs::IsSimulationType(vegType))
        return Use::Entered;
    switch (F::UseByType(field, vegType)) {
    case F::TypeUse::Kept: return Use::Kept;
    case F::TypeUse::Unused: return Use::Unused;
    default: return Use::Entered;
    }
}

// A size class burns when one of the scenario's fuel models carries a load of it: the low model,
// and for the crown fire types the high model too.
bool clsFieldUse::SizeClassBurns(int field) const
{
    const auto load = F::At(field).sizeClassLoad;
    if (!load || !clsTorviInputs::IsSimulationType(vegType))
        return true;
    const bool withHigh = vegType != clsTorviInputs::Surface;
    if (!low || (withHigh && !high))
        return true;
    return low->*load + (withHigh ? high->*load : 0.0) != 0;
}
