// Crown fire initiation, crown fraction burned, fire type and the combined outputs. Expected
// values: independent python3 calculation of the formulas (see TorviTestSupport.h).
#include "TorviTestSupport.h"

using namespace TorviScenarios;

namespace {

class TorviCrownFire : public ::testing::Test {
protected:
    void SetUp() override { engine.FuelModels = StandardFuelModels(); }

    clsTorviOutputs Conifer(void (*change)(clsTorviInputs&) = nullptr)
    {
        clsTorviInputs in = Scenario(2, 10, 10);
        if (change)
            change(in);
        return Calculate(engine, in);
    }

    clsTorvi engine;
};

constexpr double tolerance = 1e-9;

// Conifer, FM10 under FM10: a passive crown fire. The high sub-record carries the crown model's
// spread rate and the canopy's heat (0.5 t/ac × 0.045914 × 8000 BTU/lb).
TEST_F(TorviCrownFire, PassiveConiferFire)
{
    const clsTorviOutputs out = Conifer();
    EXPECT_EQ(out.FireType, 2);
    EXPECT_REL(out.TransitionFunction, 0.27921736892, tolerance);
    EXPECT_REL(out.RateOfSpread, 10.878138352398, tolerance);
    EXPECT_REL(out.HeatPerUnitArea, 1343.459620660845, tolerance);
    EXPECT_REL(out.FirelineIntensity, 267.941488595394, tolerance);
    EXPECT_REL(out.FireIntensityScale, 2.96699052786, tolerance);
    EXPECT_REL(out.FlameLength, 6.566440390891, tolerance);
    EXPECT_REL(out.EffectiveMidflameWind, 3.581171189882, tolerance);
    EXPECT_REL(out.TorchingIndex, 4.60794176316, tolerance);
    EXPECT_REL(out.CrowningIndex, 20.171639451375, tolerance);
    EXPECT_REL(out.SurfacingIndex, 20.171639451375, tolerance);
    EXPECT_REL(out.Low.RateOfSpread, 5.435218428339, tolerance);
    EXPECT_REL(out.Low.HeatPerUnitArea, 1292.179675554436, tolerance);
    EXPECT_REL(out.Low.FirelineIntensity, 128.765843747754, tolerance);
    EXPECT_REL(out.Low.FlameLength, 4.204685365103, tolerance);
    EXPECT_REL(out.High.RateOfSpread, 24.928704614776, tolerance);
    EXPECT_REL(out.High.HeatPerUnitArea, 183.656, tolerance);
    EXPECT_REL(out.High.FirelineIntensity, 83.939350201916, tolerance);
    EXPECT_REL(out.High.FlameLength, 8.3123401406, tolerance);
    EXPECT_REL(out.CrownFirelineIntensity, 65.551078041982, tolerance);
    EXPECT_REL(out.CrownFlameLength, 3.08213684408, tolerance);
    EXPECT_REL(out.CrownCriticalSurfaceROS, 2.766992478503, tolerance);
    EXPECT_REL(out.CrownCriticalBulkDensity, 0.358935618127, tolerance);
    EXPECT_REL(out.CrownRActive, 59.652, tolerance);
    EXPECT_EQ(out.CrownOCessation, 0);
}

// Shrub, SH1 under SH5: a surface fire whose cessation wind lifts the surfacing index above the
// crowning index; the flame lengths are all Byram's.
TEST_F(TorviCrownFire, ShrubScenario)
{
    clsTorviInputs in = Scenario(1, 141, 145);
    const clsTorviOutputs out = Calculate(engine, in);
    EXPECT_EQ(out.FireType, 1);
    EXPECT_EQ(out.TransitionFunction, 0);
    EXPECT_REL(out.RateOfSpread, 1.442528489321, tolerance);
    EXPECT_REL(out.HeatPerUnitArea, 83.41963521895, tolerance);
    EXPECT_REL(out.FlameLength, 0.647598420704, tolerance);
    EXPECT_REL(out.TorchingIndex, 199.226500016539, tolerance);
    EXPECT_REL(out.CrowningIndex, 12.393122184332, tolerance);
    EXPECT_REL(out.SurfacingIndex, 15.365988909036, tolerance);
    EXPECT_REL(out.CrownOCessation, 15.365988909036, tolerance);
    EXPECT_REL(out.High.RateOfSpread, 47.371793592418, tolerance);
    EXPECT_REL(out.High.HeatPerUnitArea, 1577.348635298297, tolerance);
    EXPECT_REL(out.High.FlameLength, 12.47702387449, tolerance);
    EXPECT_REL(out.CrownFirelineIntensity, 115.527226609255, tolerance);
    EXPECT_REL(out.CrownFlameLength, 4, tolerance);
    EXPECT_REL(out.CrownCriticalSurfaceROS, 75.538282690222, tolerance);
    EXPECT_REL(out.CrownCriticalBulkDensity, 0.188884551786, tolerance);
}

struct FireTypeCase {
    const char* name;
    double openWind;
    double canopyBaseHeight;
    int32_t fireType;
    double crownFraction;
    double rateOfSpread;
    double flameLength;
};

// Below the torching index a surface fire; above the crowning index an active one; with a high
// canopy base the surface fire stays below the initiation rate while the crown model exceeds
// the active rate: conditional, burning as a crown fire.
TEST_F(TorviCrownFire, FireTypes)
{
    const FireTypeCase cases[] = {{"surface", 3, 4, 1, 0, 2.163810764053, 2.752545772878},
                                  {"passive", 10, 4, 2, 0.27921736892, 10.878138352398, 6.566440390891},
                                  {"active", 25, 4, 4, 1, 79.3508515896, 33.286150562189},
                                  {"conditional", 25, 30, 3, 1, 79.3508515896, 33.286150562189}};
    for (const FireTypeCase& c : cases) {
        clsTorviInputs in = Scenario(2, 10, 10);
        in.OpenWindSpeed = c.openWind;
        in.CanopyBaseHeight = c.canopyBaseHeight;
        const clsTorviOutputs out = Calculate(engine, in);
        EXPECT_EQ(out.FireType, c.fireType) << c.name;
        EXPECT_REL(out.TransitionFunction, c.crownFraction, tolerance) << c.name;
        EXPECT_REL(out.RateOfSpread, c.rateOfSpread, tolerance) << c.name;
        EXPECT_REL(out.FlameLength, c.flameLength, tolerance) << c.name;
    }
}

// 999 m/min stays inside the calculation (the crown fraction burned is computed with it), but what
// derives from that placeholder is not reported.
TEST_F(TorviCrownFire, NoCanopyBulkDensityNeeds999MetresPerMinute)
{
    const clsTorviOutputs out = Conifer([](clsTorviInputs& in) { in.CanopyBulkDensity = 0; });
    EXPECT_TRUE(clsTorviOutputs::IsNotReachable(out.CrownRActive));
    EXPECT_EQ(out.FireType, 2);
    EXPECT_REL(out.TransitionFunction, 0.004531841321, 1e-8);
    EXPECT_TRUE(clsTorviOutputs::IsNotReachable(out.CrowningIndex));
}

// The conifer crown model spreads 3.34 times as fast as the same fuel model under a shrub canopy
// and always uses the wind reduction 0.4, whatever the high input set says.
TEST_F(TorviCrownFire, ConiferCrownModelRules)
{
    const clsTorviOutputs conifer = Conifer([](clsTorviInputs& in) { in.HighInputs.WindReductionFactor = 0.2; });
    clsTorviInputs shrubInputs = Scenario(1, 10, 10);
    const clsTorviOutputs shrub = Calculate(engine, shrubInputs);
    EXPECT_REL(conifer.High.RateOfSpread, 24.928704614776, tolerance);
    EXPECT_REL(conifer.CrowningIndex, 20.171639451375, tolerance);
    EXPECT_REL(shrub.High.RateOfSpread, 7.4636840164, tolerance);
    EXPECT_REL(conifer.High.RateOfSpread, 3.34 * shrub.High.RateOfSpread, 1e-12);
}

struct InitiationCase {
    const char* name;
    int32_t vegType;
    int32_t lowModel;
    int32_t highModel;
    double canopyBaseHeight;
    double shrubFlameLength;
    double initiation;  // kW/m, the expected I0
};

// I0 from the canopy base height and foliar moisture (Van Wagner), or from the shrub transition
// flame length (Byram's intensity of that flame).
TEST_F(TorviCrownFire, InitiationFromCanopyOrShrubFlame)
{
    const InitiationCase cases[] = {{"conifer, base 6 ft", 2, 10, 10, 6, 0, 416.550144073326},
                                    {"shrub, flame 6 ft", 1, 141, 145, 0, 6, 964.810440711806}};
    for (const InitiationCase& c : cases) {
        clsTorviInputs in = Scenario(c.vegType, c.lowModel, c.highModel);
        in.CanopyBaseHeight = c.canopyBaseHeight;
        in.ShrubTransFlameLength = c.shrubFlameLength;
        const clsTorviOutputs out = Calculate(engine, in);
        EXPECT_REL(out.CrownFirelineIntensity, c.initiation / 3.459, tolerance) << c.name;
        EXPECT_REL(out.CrownFlameLength, 0.0775 * std::pow(c.initiation, 0.46) * 3.281, tolerance) << c.name;
        EXPECT_EQ(in.Initiation, -1) << c.name;
    }
}

// A given intensity makes the record agree with it: the conifer's canopy base height for 100 %
// foliar moisture, the shrub's transition flame length; the other inputs are cleared.
TEST_F(TorviCrownFire, GivenInitiationRewritesTheInputRecord)
{
    clsTorviInputs conifer = Scenario(2, 10, 10);
    conifer.Initiation = 500;
    conifer.ConiferFoliarMC = 120;
    const clsTorviOutputs coniferOut = Calculate(engine, conifer);
    EXPECT_REL(conifer.CanopyBaseHeight, 6.776722892959, tolerance);
    EXPECT_EQ(conifer.ConiferFoliarMC, 100);
    EXPECT_EQ(conifer.ShrubTransFlameLength, 0);
    EXPECT_REL(coniferOut.CrownFirelineIntensity, 500 / 3.459, tolerance);
    EXPECT_REL(coniferOut.TorchingIndex, 11.141322260065, tolerance);

    clsTorviInputs shrub = Scenario(1, 141, 145);
    shrub.Initiation = 500;
    const clsTorviOutputs shrubOut = Calculate(engine, shrub);
    EXPECT_REL(shrub.ShrubTransFlameLength, 4.434392539159, tolerance);
    EXPECT_EQ(shrub.CanopyBaseHeight, 0);
    EXPECT_EQ(shrub.ConiferFoliarMC, 0);
    EXPECT_REL(shrubOut.SurfacingIndex, 18.780981273269, tolerance);
}

TEST_F(TorviCrownFire, GivenCanopyHeatRewritesCrownHeatAndLoad)
{
    clsTorviInputs in = Scenario(2, 10, 10);
    in.HPAHighConifer = 300;
    const clsTorviOutputs out = Calculate(engine, in);
    EXPECT_EQ(in.HCrown, 7745);
    EXPECT_REL(in.CrownFuelLoad, 300 / (7745 * 0.045914), tolerance);
    EXPECT_EQ(out.High.HeatPerUnitArea, 300);
    EXPECT_REL(out.HeatPerUnitArea, 1375.944886230497, tolerance);
    EXPECT_REL(out.FlameLength, 6.650623203566, tolerance);
}

// The rewrites come before anything can fail: a calculation that crashes later keeps them.
TEST_F(TorviCrownFire, RewritesSurviveAFailedCalculation)
{
    engine.FuelModels->Add(FuelModel(950, 0, 0, 0, 0, 0.5, "static", 2000, 0, 1500, 1, 0.25), "950");
    clsTorviInputs in = Scenario(2, 950, 10);
    in.Initiation = 500;
    in.HPAHighConifer = 300;
    bool success = true;
    const clsTorviOutputs out = engine.CalculateTorviOutputs(in, success);
    EXPECT_FALSE(success);
    EXPECT_EQ(out.ErrorNumber, 4000);
    EXPECT_REL(in.CanopyBaseHeight, 6.776722892959, tolerance);
    EXPECT_EQ(in.ConiferFoliarMC, 100);
    EXPECT_EQ(in.HCrown, 7745);
}

}  // namespace
