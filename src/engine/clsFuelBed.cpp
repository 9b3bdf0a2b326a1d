#include "engine/clsFuelBed.h"

#include <cstring>
#include <type_traits>

clsFuelBed::Origin::Origin(const clsFuelModel& model, bool isDynamic, double multiplier, double cured)
    : load1Hr(model.load1Hr),
      load10Hr(model.load10Hr),
      load100Hr(model.load100Hr),
      loadLiveHerb(model.loadLiveHerb),
      loadLiveWoody(model.loadLiveWoody),
      sav1Hr(model.sav1Hr),
      savLiveHerb(model.savLiveHerb),
      savLiveWoody(model.savLiveWoody),
      fuelBedDepth(model.fuelBedDepth),
      deadFuelMx(model.deadFuelMx),
      deadHeatContent(model.deadHeatContent),
      liveHeatContent(model.liveHeatContent),
      dynamic(isDynamic ? 1 : 0),
      loadDepthMultiplier(multiplier),
      curedFraction(cured)
{
}

// Bit for bit: 0 and -0 lead to different results (a division), and a NaN equals itself.
bool clsFuelBed::Origin::operator==(const Origin& other) const
{
    static_assert(std::is_trivially_copyable_v<Origin> && sizeof(Origin) == 15 * sizeof(double),
                  "an origin is its numbers, without padding");
    return std::memcmp(this, &other, sizeof(Origin)) == 0;
}
