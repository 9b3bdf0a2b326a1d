#include "engine/clsFieldUse.h"

#include "engine/clsFuelModel.h"

#include <stdexcept>
#include <string>

namespace {

enum VegTypes { Shrub = 1, Conifer = 2, Surface = 3 };

bool IsMoisture(int field)
{
    return field >= 11 && field <= 15;
}

double Load(const clsFuelModel& model, int field)
{
    switch (field) {
    case 12: return model.load10Hr;
    case 13: return model.load100Hr;
    case 14: return model.loadLiveHerb;
    default: return model.loadLiveWoody;
    }
}

}  // namespace

clsFieldUse::clsFieldUse(int32_t vegType, const clsFuelModel* low, const clsFuelModel* high, const Links& links)
    : vegType(vegType), low(low), high(high), links(links)
{
}

clsFieldUse::clsFieldUse(int32_t vegType, const clsFuelModel* low, const clsFuelModel* high)
    : clsFieldUse(vegType, low, high, Links())
{
}

clsFieldUse::Use clsFieldUse::Of(int field) const
{
    if (field < 2 || field > 23 || field == 6)
        throw std::out_of_range("clsFieldUse: field " + std::to_string(field) + " is not a numeric input");
    const Use byType = TypeUse(field);
    if (byType != Use::Entered)
        return byType;
    if (!SizeClassBurns(field))
        return Use::Unused;
    if (IsMoisture(field) && links.fromScenarioA.test(static_cast<std::size_t>(field)))
        return Use::FromScenarioA;
    if ((field == 12 || field == 13) && links.sizeClasses)
        return Use::FollowsDead1Hr;
    return Use::Entered;
}

// The canopy inputs belong to the crown fire types and the shrub transition to the shrub type; the
// simple surface fire has no high side. A conifer stand's high side is fuel model 10 with a fixed
// wind reduction factor, and only its spread rate multiplier is typed: its load and depth and its
// intensity multipliers still enter the calculation as the scenario holds them.
clsFieldUse::Use clsFieldUse::TypeUse(int field) const
{
    if (vegType < Shrub || vegType > Surface)
        return Use::Entered;
    const auto onlyFor = [](bool applies) { return applies ? Use::Entered : Use::Unused; };
    switch (field) {
    case 16: case 8: return onlyFor(vegType != Surface);
    case 17: case 18: case 19: return onlyFor(vegType == Conifer);
    case 7: case 20: return onlyFor(vegType == Shrub);
    case 9: case 10: return vegType == Conifer ? Use::Kept : onlyFor(vegType == Shrub);
    default: return Use::Entered;
    }
}

// A size class burns when one of the scenario's fuel models carries a load of it: the low model,
// and for the crown fire types the high model too. The 1-hour moisture always counts: it is also
// the moisture of the dead herbaceous fuel.
bool clsFieldUse::SizeClassBurns(int field) const
{
    if (!IsMoisture(field) || field == 11 || vegType < Shrub || vegType > Surface)
        return true;
    const bool withHigh = vegType != Surface;
    if (!low || (withHigh && !high))
        return true;
    return Load(*low, field) + (withHigh ? Load(*high, field) : 0.0) != 0;
}
