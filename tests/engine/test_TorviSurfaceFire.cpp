// Surface fire of one fuel model, seen through the simple surface type (its outputs are the low
// model's own). Expected values: independent python3 calculation of the formulas (see
// TorviTestSupport.h), rounded to 12 decimals.
#include "TorviTestSupport.h"

using namespace TorviScenarios;

namespace {

class TorviSurfaceFire : public ::testing::Test {
protected:
    void SetUp() override { engine.FuelModels = StandardFuelModels(); }

    clsTorviOutputs Surface(int32_t model, void (*change)(clsTorviInputs&) = nullptr)
    {
        clsTorviInputs in = Scenario(3, model);
        if (change)
            change(in);
        return Calculate(engine, in);
    }

    clsTorvi engine;
};

constexpr double tolerance = 1e-9;

TEST_F(TorviSurfaceFire, StaticModelAtKnownMoistureWindAndSlope)
{
    const clsTorviOutputs out = Surface(10);
    EXPECT_EQ(out.FireType, 1);
    EXPECT_EQ(out.TransitionFunction, 0);
    EXPECT_REL(out.RateOfSpread, 5.435218428339, tolerance);
    EXPECT_REL(out.HeatPerUnitArea, 1292.179675554436, tolerance);
    EXPECT_REL(out.FirelineIntensity, 128.765843747754, tolerance);
    EXPECT_REL(out.FireIntensityScale, 2.648751239957, tolerance);
    EXPECT_REL(out.FlameLength, 4.204685365103, tolerance);
    EXPECT_REL(out.EffectiveMidflameWind, 3.311552109003, tolerance);
    EXPECT_REL(out.Low.RateOfSpread, 5.435218428339, tolerance);
    EXPECT_REL(out.Low.HeatPerUnitArea, 1292.179675554436, tolerance);
    EXPECT_REL(out.Low.FirelineIntensity, 128.765843747754, tolerance);
    EXPECT_REL(out.Low.FlameLength, 4.204685365103, tolerance);
    // No high model and no crown fire for the simple surface type; I0 = 0 upslope gives TI 0.
    EXPECT_EQ(out.High.RateOfSpread, 0);
    EXPECT_EQ(out.High.HeatPerUnitArea, 0);
    EXPECT_EQ(out.High.FirelineIntensity, 0);
    EXPECT_EQ(out.High.FlameLength, 0);
    EXPECT_EQ(out.TorchingIndex, 0);
    EXPECT_EQ(out.CrowningIndex, 0);
    EXPECT_EQ(out.SurfacingIndex, 0);
    EXPECT_EQ(out.CrownFirelineIntensity, 0);
    EXPECT_EQ(out.CrownFlameLength, 0);
    EXPECT_EQ(out.CrownCriticalSurfaceROS, 0);
    EXPECT_EQ(out.CrownCriticalBulkDensity, 0);
    EXPECT_EQ(out.CrownRActive, 0);
    EXPECT_EQ(out.CrownOCessation, 0);
    EXPECT_EQ(out.ErrorNumber, 0);
    EXPECT_EQ(out.ErrorDescription, "");
}

TEST_F(TorviSurfaceFire, ModelWithoutLiveFuel)
{
    const clsTorviOutputs out = Surface(1);
    EXPECT_REL(out.RateOfSpread, 42.214841157357, tolerance);
    EXPECT_REL(out.HeatPerUnitArea, 90.55665391262, tolerance);
    EXPECT_REL(out.EffectiveMidflameWind, 3.303987172902, tolerance);
}

struct CuringCase {
    double liveHerbMC;
    double rateOfSpread;
    double heatPerUnitArea;
};

// GR2 (dynamic): 60 % cures part of the herbaceous load; 30 % all of it (x = 1), and 20 % as well
// (x = 1.111 is limited to 1); 120 % a thousandth of it.
TEST_F(TorviSurfaceFire, DynamicModelCuresItsHerbaceousLoad)
{
    const CuringCase cases[] = {{60, 19.320888181796, 242.413808855178},
                                {30, 27.505381313708, 219.89656224955},
                                {20, 27.505381313708, 219.89656224955},
                                {120, 0.186061527361, 20.190493121577}};
    for (const CuringCase& c : cases) {
        clsTorviInputs in = Scenario(3, 102);
        in.LiveHerbMC = c.liveHerbMC;
        const clsTorviOutputs out = Calculate(engine, in);
        EXPECT_REL(out.RateOfSpread, c.rateOfSpread, tolerance) << c.liveHerbMC;
        EXPECT_REL(out.HeatPerUnitArea, c.heatPerUnitArea, tolerance) << c.liveHerbMC;
    }
}

// At 150 % nothing cures (x below 0 becomes 0): the dynamic model burns like the same fuel bed
// declared static, which never cures. The stored models stay as loaded.
TEST_F(TorviSurfaceFire, NothingCuresAtHighHerbaceousMoistureAndStoredModelsStayUnchanged)
{
    auto staticCopy = std::make_shared<clsFuelModel>(engine.FuelModels->Item("102"));
    staticCopy->fuelModelID = 902;
    staticCopy->fuelModelType = "static";
    engine.FuelModels->Add(staticCopy, "902");
    const double storedHerb = engine.FuelModels->Item("102").loadLiveHerb;

    const clsTorviOutputs dynamic = Surface(102, [](clsTorviInputs& in) { in.LiveHerbMC = 150; });
    const clsTorviOutputs declaredStatic = Surface(902, [](clsTorviInputs& in) { in.LiveHerbMC = 150; });
    EXPECT_REL(dynamic.RateOfSpread, 0.15158294935, tolerance);
    EXPECT_REL(dynamic.HeatPerUnitArea, 19.990587249086, tolerance);
    EXPECT_EQ(dynamic.RateOfSpread, declaredStatic.RateOfSpread);
    EXPECT_EQ(dynamic.HeatPerUnitArea, declaredStatic.HeatPerUnitArea);

    EXPECT_EQ(engine.FuelModels->Item("102").loadLiveHerb, storedHerb);
    EXPECT_EQ(engine.FuelModels->Item("102").loadDeadHerb, 0);
}

TEST_F(TorviSurfaceFire, NoWindNoSlopeSpreadsAtTheBaseRateInEveryDirection)
{
    for (int16_t direction : {0, 90, 180}) {
        clsTorviInputs in = Scenario(3, 10);
        in.OpenWindSpeed = 0;
        in.PercentSlope = 0;
        in.SpreadDirection = direction;
        const clsTorviOutputs out = Calculate(engine, in);
        EXPECT_REL(out.RateOfSpread, 0.847921305802, tolerance) << direction;
        EXPECT_EQ(out.EffectiveMidflameWind, 0) << direction;
    }
}

// Above the limit (0.9 × IR ft/min of midflame wind) the wind factor stops growing.
TEST_F(TorviSurfaceFire, WindLimit)
{
    const clsTorviOutputs below = Surface(10, [](clsTorviInputs& in) { in.OpenWindSpeed = 200; });
    const clsTorviOutputs limited = Surface(10, [](clsTorviInputs& in) { in.OpenWindSpeed = 400; });
    const clsTorviOutputs further = Surface(10, [](clsTorviInputs& in) { in.OpenWindSpeed = 800; });
    EXPECT_REL(below.RateOfSpread, 291.155621227437, tolerance);
    EXPECT_REL(below.EffectiveMidflameWind, 60.087509542838, tolerance);
    EXPECT_REL(limited.RateOfSpread, 296.25012733141, tolerance);
    EXPECT_REL(limited.EffectiveMidflameWind, 60.82243122346, tolerance);
    EXPECT_EQ(further.RateOfSpread, limited.RateOfSpread);
    EXPECT_EQ(further.EffectiveMidflameWind, limited.EffectiveMidflameWind);
}

struct DirectionCase {
    int32_t windDirection;
    double rateOfSpread;
    double effectiveWind;
    double torchingIndex;
};

// Slope 40 %: upslope the factors add, across they add as vectors, downslope the slope works
// against the wind; the downslope torching index with I0 = 0 is the wind whose factor equals
// the slope factor.
TEST_F(TorviSurfaceFire, WindDirectionFromUphill)
{
    const DirectionCase cases[] = {{0, 7.249734099439, 4.180039715717, 0},
                                   {90, 5.507669271856, 3.348014480639, 0},
                                   {180, 2.411025643171, 1.5606074189, 7.05899896457}};
    for (const DirectionCase& c : cases) {
        clsTorviInputs in = Scenario(3, 10);
        in.PercentSlope = 40;
        in.WindDirFromUphill = c.windDirection;
        const clsTorviOutputs out = Calculate(engine, in);
        EXPECT_REL(out.RateOfSpread, c.rateOfSpread, tolerance) << c.windDirection;
        EXPECT_REL(out.EffectiveMidflameWind, c.effectiveWind, tolerance) << c.windDirection;
        EXPECT_REL(out.TorchingIndex, c.torchingIndex, tolerance) << c.windDirection;
    }
}

TEST_F(TorviSurfaceFire, SpreadDirectionScalesTheSpreadRateOnly)
{
    const clsTorviOutputs flank = Surface(10, [](clsTorviInputs& in) { in.SpreadDirection = 90; });
    const clsTorviOutputs back = Surface(10, [](clsTorviInputs& in) { in.SpreadDirection = 180; });
    EXPECT_REL(flank.RateOfSpread, 1.618598689571, tolerance);
    EXPECT_REL(back.RateOfSpread, 0.482015902842, tolerance);
    EXPECT_REL(flank.EffectiveMidflameWind, 3.311552109003, tolerance);
    EXPECT_REL(flank.HeatPerUnitArea, 1292.179675554436, tolerance);
}

// The load and depth multiplier leaves the bulk density alone and doubles the net loads; the
// intensity multiplier acts on the heat per unit area only, the spread rate multiplier on the
// spread rate only.
TEST_F(TorviSurfaceFire, Multipliers)
{
    const clsTorviOutputs plain = Surface(10);
    const clsTorviOutputs loadDepth = Surface(10, [](clsTorviInputs& in) { in.LowInputs.MultiplierLoadDepth = 2; });
    const clsTorviOutputs intensity = Surface(10, [](clsTorviInputs& in) { in.LowInputs.MultiplierIntensity = 1.5; });
    const clsTorviOutputs ros = Surface(10, [](clsTorviInputs& in) { in.LowInputs.MultiplierROS = 2; });

    EXPECT_REL(loadDepth.RateOfSpread, 10.870436856677, tolerance);
    EXPECT_REL(loadDepth.HeatPerUnitArea, 2584.359351108872, tolerance);
    EXPECT_REL(loadDepth.EffectiveMidflameWind, plain.EffectiveMidflameWind, 1e-12);

    EXPECT_REL(intensity.HeatPerUnitArea, 1.5 * plain.HeatPerUnitArea, 1e-12);
    EXPECT_EQ(intensity.RateOfSpread, plain.RateOfSpread);

    EXPECT_REL(ros.RateOfSpread, 2 * plain.RateOfSpread, 1e-12);
    EXPECT_EQ(ros.HeatPerUnitArea, plain.HeatPerUnitArea);
}

// Size classes fall in bins by their ratio with strict "below" bounds: a 1-hour ratio just under
// 192 shares the 10-hour class's bin, exactly 192 is in the next one.
TEST_F(TorviSurfaceFire, SizeClassBinBounds)
{
    const double expectedRos[] = {3.811522189918, 2.212066841108};
    const double ratios[] = {191.9, 192};
    for (int i = 0; i < 2; ++i) {
        engine.FuelModels->Add(FuelModel(900 + i, 0.05, 0.1, 0, 0, 0.02, "static", ratios[i], 0, 1500, 0.5, 0.25),
                               std::to_string(900 + i));
        const clsTorviOutputs out = Surface(900 + i);
        EXPECT_REL(out.RateOfSpread, expectedRos[i], tolerance) << ratios[i];
    }
}

struct NonHeadingCase {
    int16_t direction;
    double effectiveWind;
    double ratio;
};

// The ellipse: 1 at the head for every wind; the backing ratio (1 - e) / (1 + e); a circle
// without wind; 4 mi/h gives a length-to-breadth ratio of 2 and a flank ratio of b = 0.2679.
TEST(TorviNonHeadingROS, EllipticalFireShape)
{
    const double e = std::sqrt(0.75);
    const NonHeadingCase cases[] = {{0, 0, 1},
                                    {0, 12.5, 1},
                                    {180, 4, (1 - e) / (1 + e)},
                                    {180, 0, 1},
                                    {90, 0, 1},
                                    {90, 4, (1 / (e + 1)) / 2},
                                    {-90, 4, (1 / (e + 1)) / 2}};
    const clsTorvi engine;
    for (const NonHeadingCase& c : cases)
        EXPECT_NEAR(engine.CalculateNonHeadingROS(c.direction, c.effectiveWind), c.ratio, 1e-12)
            << c.direction << " " << c.effectiveWind;
    EXPECT_NEAR(engine.CalculateNonHeadingROS(90, 4), 0.2679491924311, 1e-12);
    EXPECT_TRUE(std::isnan(engine.CalculateNonHeadingROS(0, -2)));
}

}  // namespace
