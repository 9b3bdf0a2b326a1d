// The fuel beds an engine keeps between calculations never outlive what they were laid from, and a
// bed that cannot burn fails every time, not only the first.
#include "TorviTestSupport.h"

#include <bit>
#include <cstdint>

using namespace TorviScenarios;

namespace {

clsTorviOutputs Fresh(const std::shared_ptr<clsFuelModels>& models, clsTorviInputs in)
{
    clsTorvi engine;
    engine.FuelModels = models;
    return Calculate(engine, in);
}

void ExpectSameBits(const clsTorviOutputs& actual, const clsTorviOutputs& expected)
{
    EXPECT_EQ(actual.FireType, expected.FireType);
    EXPECT_EQ(std::bit_cast<uint64_t>(actual.RateOfSpread), std::bit_cast<uint64_t>(expected.RateOfSpread));
    EXPECT_EQ(std::bit_cast<uint64_t>(actual.HeatPerUnitArea), std::bit_cast<uint64_t>(expected.HeatPerUnitArea));
    EXPECT_EQ(std::bit_cast<uint64_t>(actual.TorchingIndex), std::bit_cast<uint64_t>(expected.TorchingIndex));
}

TEST(TorviFuelBeds, AChangedModelOrMultiplierIsCalculatedAfresh)
{
    const auto models = std::make_shared<clsFuelModels>();
    models->AddSorted(FuelModel(21, 0.1, 0.05, 0.02, 0.08, 0.06, "dynamic", 2000, 1800, 1500, 1.0, 0.25), "21");
    clsTorvi engine;
    engine.FuelModels = models;
    clsTorviInputs in = Scenario(3, 21);
    const clsTorviOutputs before = Calculate(engine, in);

    // The stored model changes in place: a kept bed of its old numbers must not be used.
    models->Item("21").fuelBedDepth = 2.0;
    const clsTorviOutputs deeper = Calculate(engine, in);
    EXPECT_NE(deeper.RateOfSpread, before.RateOfSpread);
    ExpectSameBits(deeper, Fresh(models, in));

    // Another collection with a model of the same number.
    const auto others = std::make_shared<clsFuelModels>();
    others->AddSorted(FuelModel(21, 0.3, 0.05, 0.02, 0.08, 0.06, "static", 2000, 1800, 1500, 1.0, 0.25), "21");
    engine.FuelModels = others;
    ExpectSameBits(Calculate(engine, in), Fresh(others, in));
    engine.FuelModels = models;

    // The multiplier and the cured fraction (from the live herbaceous moisture) lay other beds.
    in.LowInputs.MultiplierLoadDepth = 1.5;
    ExpectSameBits(Calculate(engine, in), Fresh(models, in));
    in.LiveHerbMC = 90;
    ExpectSameBits(Calculate(engine, in), Fresh(models, in));
    in.LowInputs.MultiplierLoadDepth = 1;
    in.LiveHerbMC = 60;
    ExpectSameBits(Calculate(engine, in), deeper);
}

TEST(TorviFuelBeds, ABedWithoutDepthFailsEveryTimeItBurns)
{
    const auto models = std::make_shared<clsFuelModels>();
    models->AddSorted(FuelModel(22, 0.1, 0.05, 0.02, 0, 0.06, "static", 2000, 0, 1500, 0, 0.25), "22");
    clsTorvi engine;
    engine.FuelModels = models;

    // Too wet to spread: no spread, and no failure, although the bed has no depth.
    clsTorviInputs wet = Scenario(3, 22);
    wet.Dead1HrMC = wet.DeadHerbMC = wet.Dead10HrMC = wet.Dead100HrMC = 40;
    EXPECT_EQ(Calculate(engine, wet).FireType, 0);

    clsTorviInputs dry = Scenario(3, 22);
    for (int attempt = 0; attempt < 2; ++attempt) {
        bool success = true;
        const clsTorviOutputs out = engine.CalculateTorviOutputs(dry, success);
        EXPECT_FALSE(success);
        EXPECT_EQ(out.ErrorNumber, 4000);
        EXPECT_EQ(out.ErrorDescription, "Program crashed: #11 Division by zero");
    }
    EXPECT_EQ(Calculate(engine, wet).FireType, 0);
}

}  // namespace
