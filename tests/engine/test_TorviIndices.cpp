// Torching, crowning and surfacing indices. Expected values: independent python3 calculation of
// the formulas (see TorviTestSupport.h); the consistency tests need no expected values at all.
#include "TorviTestSupport.h"

using namespace TorviScenarios;

namespace {

class TorviIndices : public ::testing::Test {
protected:
    void SetUp() override { engine.FuelModels = StandardFuelModels(); }
    clsTorvi engine;
};

constexpr double tolerance = 1e-9;

struct IndexCase {
    const char* name;
    int32_t slope;
    int32_t windDirection;
    double initiation;
    double canopyBulkDensity;
    double torchingIndex;
    double crowningIndex;
    double surfacingIndex;
};

TEST_F(TorviIndices, WindDirectionAndSlopeCases)
{
    const IndexCase cases[] = {
        // Upslope, the slope alone brings the surface fire to I0: the torching index is 0.
        {"upslope, slope suffices", 100, 0, 20, 0.15, 0, 4.456831965089, 4.456831965089},
        // Across the slope with phiE below the slope factor: no real root (D < 0) for the torching
        // index; the crown model already exceeds the active rate, so its wind factor is 0.
        {"cross-slope, D below 0", 100, 90, 20, 0.6, 0, 0, 0},
        // Downslope the index includes the wind that overcomes the slope.
        {"downslope", 40, 180, -1, 0.15, 10.61626006226, 22.702935011401, 22.702935011401},
        // A crown model faster than the active rate without wind (phiE below 0) still has a
        // crowning index, as only phiE² enters.
        {"crown model above the active rate", 0, 0, -1, 4, 6.003632086489, 0.855394383679, 0.855394383679},
    };
    for (const IndexCase& c : cases) {
        clsTorviInputs in = Scenario(2, 10, 10);
        in.PercentSlope = c.slope;
        in.WindDirFromUphill = c.windDirection;
        in.Initiation = c.initiation;
        in.CanopyBulkDensity = c.canopyBulkDensity;
        const clsTorviOutputs out = Calculate(engine, in);
        EXPECT_REL(out.TorchingIndex, c.torchingIndex, tolerance) << c.name;
        EXPECT_REL(out.CrowningIndex, c.crowningIndex, tolerance) << c.name;
        EXPECT_REL(out.SurfacingIndex, c.surfacingIndex, tolerance) << c.name;
        EXPECT_GE(out.SurfacingIndex, out.CrowningIndex) << c.name;
    }
}

TEST_F(TorviIndices, CessationWindRaisesTheSurfacingIndex)
{
    clsTorviInputs in = Scenario(1, 141, 145);
    in.ShrubTransFlameLength = 6;
    const clsTorviOutputs out = Calculate(engine, in);
    EXPECT_REL(out.CrowningIndex, 12.393122184332, tolerance);
    EXPECT_REL(out.CrownOCessation, 33.402331295529, tolerance);
    EXPECT_REL(out.SurfacingIndex, 33.402331295529, tolerance);
    EXPECT_REL(out.TorchingIndex, 376.037737368821, tolerance);
}

struct Geometry {
    int32_t slope;
    int32_t windDirection;
};

// At the torching index wind the low model spreads (head fire, below the wind limit) at exactly
// the rate at which its intensity reaches I0, 60 × (I0 / 3.4591) / HPA ft/min; at the crowning
// index wind the crown model spreads at the critical active rate.
TEST_F(TorviIndices, IndicesAreTheWindsAtWhichTheThresholdsAreReached)
{
    for (const Geometry g : {Geometry{20, 0}, Geometry{10, 90}, Geometry{30, 135}, Geometry{40, 180}}) {
        clsTorviInputs in = Scenario(2, 10, 10);
        in.PercentSlope = g.slope;
        in.WindDirFromUphill = g.windDirection;
        const clsTorviOutputs out = Calculate(engine, in);
        ASSERT_GT(out.TorchingIndex, 0) << g.windDirection;
        ASSERT_GT(out.CrowningIndex, 0) << g.windDirection;
        const double initiation = out.CrownFirelineIntensity * 3.459;  // kW/m

        clsTorviInputs atTorching = in;
        atTorching.OpenWindSpeed = out.TorchingIndex;
        const clsTorviOutputs torching = Calculate(engine, atTorching);
        const double lowFeetPerMinute = torching.Low.RateOfSpread / 2.9826 * 3.281;
        EXPECT_REL(lowFeetPerMinute, 60 * (initiation / 3.4591) / torching.Low.HeatPerUnitArea, 1e-6)
            << g.windDirection;

        clsTorviInputs atCrowning = in;
        atCrowning.OpenWindSpeed = out.CrowningIndex;
        const clsTorviOutputs crowning = Calculate(engine, atCrowning);
        EXPECT_REL(crowning.High.RateOfSpread, crowning.CrownRActive, 1e-6) << g.windDirection;
    }
}

}  // namespace
