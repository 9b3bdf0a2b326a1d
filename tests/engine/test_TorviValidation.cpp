// Validation of the input record, the no-spread outcome and the failures of a calculation.
#include "TorviTestSupport.h"

#include <limits>

using namespace TorviScenarios;

namespace {

class TorviValidation : public ::testing::Test {
protected:
    void SetUp() override { engine.FuelModels = StandardFuelModels(); }

    clsTorviOutputs Attempt(clsTorviInputs& in, bool& success) { return engine.CalculateTorviOutputs(in, success); }

    clsTorvi engine;
};

void ExpectAllOutputsZero(const clsTorviOutputs& out)
{
    EXPECT_EQ(out.FireType, 0);
    EXPECT_EQ(out.TransitionFunction, 0);
    EXPECT_EQ(out.RateOfSpread, 0);
    EXPECT_EQ(out.HeatPerUnitArea, 0);
    EXPECT_EQ(out.FirelineIntensity, 0);
    EXPECT_EQ(out.FireIntensityScale, 0);
    EXPECT_EQ(out.FlameLength, 0);
    EXPECT_EQ(out.EffectiveMidflameWind, 0);
    EXPECT_EQ(out.TorchingIndex, 0);
    EXPECT_EQ(out.CrowningIndex, 0);
    EXPECT_EQ(out.SurfacingIndex, 0);
    EXPECT_EQ(out.CrownFirelineIntensity, 0);
    EXPECT_EQ(out.CrownCriticalBulkDensity, 0);
    EXPECT_EQ(out.CrownRActive, 0);
    EXPECT_EQ(out.Low.RateOfSpread, 0);
    EXPECT_EQ(out.Low.FlameLength, 0);
    EXPECT_EQ(out.High.RateOfSpread, 0);
    EXPECT_EQ(out.High.HeatPerUnitArea, 0);
}

TEST_F(TorviValidation, FuelModelsMissing)
{
    clsTorvi bare;
    clsTorviInputs in = Scenario(2, 10, 10);
    in.Initiation = 500;
    bool success = true;
    const clsTorviOutputs out = bare.CalculateTorviOutputs(in, success);
    EXPECT_FALSE(success);
    EXPECT_EQ(out.ErrorNumber, 1000);
    EXPECT_EQ(out.ErrorDescription, "Cannot run Torvi calcs.  You need to provide the fuel models first.");
    ExpectAllOutputsZero(out);
    EXPECT_EQ(in.CanopyBaseHeight, 4);
}

struct Fault {
    void (*repair)(clsTorviInputs&);
    int32_t number;
    const char* text;
};

// A record with every checked field wrong reports them one at a time in the order of the
// checks; each step repairs the field just reported.
TEST_F(TorviValidation, EveryCheckInOrder)
{
    clsTorviInputs in = Scenario(2, 10, 10);
    in.VegType = 0;
    in.LowInputs = {5, 77, 0, -1, 0, -0.25, nullptr};
    in.HighInputs = {-1, 999, 1.5, 0, -2, 0, nullptr};
    in.CanopyBulkDensity = -0.05;
    in.PercentSlope = 181;
    in.OpenWindSpeed = -0.00001;
    in.WindDirFromUphill = 361;
    in.Initiation = -0.5;
    in.Temperature = 151;
    in.DeadHerbMC = -1;
    in.Dead1HrMC = -2.5;
    in.Dead10HrMC = -3;
    in.Dead100HrMC = -4;
    in.LiveWoodyMC = -5;
    in.LiveHerbMC = -6;

    const Fault faults[] = {
        {[](clsTorviInputs& r) { r.VegType = 2; }, 2001, "Invalid VegType: 0"},
        {[](clsTorviInputs& r) { r.LowInputs.LowOrHigh = 0; }, 3001, "Invalid Low/High flag: 5"},
        // Model 2 carries live herbaceous fuel, so that its moisture is checked last.
        {[](clsTorviInputs& r) { r.LowInputs.fuelModelID = 2; }, 3002,
         "LOW: Fuel model #77 is missing from the Fuel Models collection."},
        {[](clsTorviInputs& r) { r.LowInputs.WindReductionFactor = 1; }, 3003,
         "LOW: Invalid Wind Reduction Factor: 0"},
        {[](clsTorviInputs& r) { r.LowInputs.MultiplierROS = 1; }, 3004, "LOW: Invalid Mulitiplier ROS: -1"},
        {[](clsTorviInputs& r) { r.LowInputs.MultiplierLoadDepth = 1; }, 3005,
         "LOW: Invalid Mulitiplier LoadDepth: 0"},
        {[](clsTorviInputs& r) { r.LowInputs.MultiplierIntensity = 1; }, 3006,
         "LOW: Invalid Mulitiplier Intensity: -0.25"},
        {[](clsTorviInputs& r) { r.HighInputs.LowOrHigh = 1; }, 3001, "Invalid Low/High flag: -1"},
        {[](clsTorviInputs& r) { r.HighInputs.fuelModelID = 10; }, 3002,
         "HIGH: Fuel model #999 is missing from the Fuel Models collection."},
        {[](clsTorviInputs& r) { r.HighInputs.WindReductionFactor = 0.4; }, 3003,
         "HIGH: Invalid Wind Reduction Factor: 1.5"},
        {[](clsTorviInputs& r) { r.HighInputs.MultiplierROS = 1; }, 3004, "HIGH: Invalid Mulitiplier ROS: 0"},
        {[](clsTorviInputs& r) { r.HighInputs.MultiplierLoadDepth = 1; }, 3005,
         "HIGH: Invalid Mulitiplier LoadDepth: -2"},
        {[](clsTorviInputs& r) { r.HighInputs.MultiplierIntensity = 1; }, 3006,
         "HIGH: Invalid Mulitiplier Intensity: 0"},
        {[](clsTorviInputs& r) { r.CanopyBulkDensity = 0.15; }, 2002, "Invalid Canopy Bulk Density: -0.05"},
        {[](clsTorviInputs& r) { r.PercentSlope = 180; }, 2003, "Invalid Slope: 181"},
        {[](clsTorviInputs& r) { r.OpenWindSpeed = 10; }, 2004, "Invalid Open Wind Speed: -1E-05"},
        {[](clsTorviInputs& r) { r.WindDirFromUphill = 360; }, 2005, "Invalid Wind Direction From Uphill: 361"},
        {[](clsTorviInputs& r) { r.Initiation = -1; }, 2006, "Invalid Initiation: -0.5"},
        {[](clsTorviInputs& r) { r.Temperature = 150; }, 2007, "Invalid Temperature: 151"},
        {[](clsTorviInputs& r) { r.DeadHerbMC = 6; }, 2008, "Invalid dead herbacious Moisture Content: -1"},
        {[](clsTorviInputs& r) { r.Dead1HrMC = 6; }, 2009, "Invalid 1-hour Moisture Content: -2.5"},
        {[](clsTorviInputs& r) { r.Dead10HrMC = 7; }, 2010, "Invalid 10-hour Moisture Content: -3"},
        {[](clsTorviInputs& r) { r.Dead100HrMC = 8; }, 2011, "Invalid 100-hour Moisture Content: -4"},
        {[](clsTorviInputs& r) { r.LiveWoodyMC = 90; }, 2012, "Invalid live woody Moisture Content: -5"},
        {[](clsTorviInputs& r) { r.LiveHerbMC = 60; }, 2013, "Invalid live herbacious Moisture Content: -6"},
    };
    for (const Fault& fault : faults) {
        bool success = true;
        const clsTorviOutputs out = Attempt(in, success);
        EXPECT_FALSE(success) << fault.number;
        EXPECT_EQ(out.ErrorNumber, fault.number);
        EXPECT_EQ(out.ErrorDescription, fault.text);
        EXPECT_EQ(out.RateOfSpread, 0) << fault.number;
        fault.repair(in);
    }
    bool success = false;
    const clsTorviOutputs out = Attempt(in, success);
    EXPECT_TRUE(success);
    EXPECT_EQ(out.ErrorNumber, 0);
    EXPECT_GT(out.RateOfSpread, 0);
}

// The bounds themselves are valid, and the simple surface type never looks at the high set.
TEST_F(TorviValidation, BoundsAreValid)
{
    void (*const edits[])(clsTorviInputs&) = {
        [](clsTorviInputs& r) { r.LowInputs.WindReductionFactor = 1; },
        [](clsTorviInputs& r) { r.PercentSlope = 180; },
        [](clsTorviInputs& r) { r.PercentSlope = 0; },
        [](clsTorviInputs& r) { r.WindDirFromUphill = 360; },
        [](clsTorviInputs& r) { r.Initiation = 0; },
        [](clsTorviInputs& r) { r.Temperature = -40; },
        [](clsTorviInputs& r) { r.CanopyBulkDensity = 0; },
        [](clsTorviInputs& r) {
            r.VegType = 3;
            r.HighInputs = {7, 999, 0, 0, 0, 0, nullptr};
        },
    };
    for (auto edit : edits) {
        clsTorviInputs in = Scenario(2, 10, 10);
        edit(in);
        bool success = false;
        const clsTorviOutputs out = Attempt(in, success);
        EXPECT_TRUE(success) << out.ErrorNumber << " " << out.ErrorDescription;
    }
}

// An input the scenario does not use is not checked, as batch processing does not check it: a
// -1 (no value) there gives the result of any valid value; where it is used it is refused.
TEST_F(TorviValidation, UnusedInputsAreNotChecked)
{
    struct Case {
        int32_t vegType, low, high;
        double clsTorviInputs::*field;
        int32_t errorWhenUsed;  // 0: the field is unused here
    };
    // GR2 (102) carries 1-hour and live herbaceous fuel only, TU5 (165) no live herbaceous fuel,
    // model 10 no live herbaceous fuel, model 2 no live woody fuel.
    const Case cases[] = {
        {3, 102, 10, &clsTorviInputs::Dead10HrMC, 0},
        {3, 102, 10, &clsTorviInputs::Dead100HrMC, 0},
        {3, 102, 10, &clsTorviInputs::LiveWoodyMC, 0},
        {3, 102, 10, &clsTorviInputs::CanopyBulkDensity, 0},
        {2, 165, 10, &clsTorviInputs::LiveHerbMC, 0},
        {1, 102, 2, &clsTorviInputs::LiveWoodyMC, 0},
        {1, 102, 10, &clsTorviInputs::Dead100HrMC, 2011},  // the high model's 100-hour fuel
        {2, 102, 10, &clsTorviInputs::CanopyBulkDensity, 2002},
        {3, 10, 10, &clsTorviInputs::Dead10HrMC, 2010},
        {3, 102, 10, &clsTorviInputs::LiveHerbMC, 2013},
    };
    for (const Case& c : cases) {
        clsTorviInputs given = Scenario(c.vegType, c.low, c.high);
        bool success = false;
        const clsTorviOutputs expected = Attempt(given, success);
        ASSERT_TRUE(success) << c.vegType << " " << c.low;
        clsTorviInputs empty = Scenario(c.vegType, c.low, c.high);
        empty.*c.field = -1;
        const clsTorviOutputs out = Attempt(empty, success);
        EXPECT_EQ(out.ErrorNumber, c.errorWhenUsed) << c.vegType << " " << c.low << " " << c.high;
        EXPECT_EQ(success, c.errorWhenUsed == 0);
        if (c.errorWhenUsed == 0) {
            EXPECT_EQ(out.RateOfSpread, expected.RateOfSpread);
            EXPECT_EQ(out.FlameLength, expected.FlameLength);
            EXPECT_EQ(out.FireType, expected.FireType);
        }
    }
}

TEST_F(TorviValidation, TemperatureBelowRange)
{
    clsTorviInputs in = Scenario(3, 10);
    in.Temperature = -41;
    bool success = true;
    EXPECT_EQ(Attempt(in, success).ErrorDescription, "Invalid Temperature: -41");
}

// Dead fuel at or above the low model's moisture of extinction: a valid result, all zero.
// The spread outputs are 0; the thresholds of a fire that does not spread are not reachable
// (test_TorviHighModelNoSpread.cpp checks every field).
TEST_F(TorviValidation, NoSpreadIsSuccessWithSpreadOutputsZero)
{
    for (int vegType : {1, 2, 3}) {
        clsTorviInputs in = Scenario(vegType, 10, 10);
        in.Dead1HrMC = 40;
        in.DeadHerbMC = 40;
        bool success = false;
        const clsTorviOutputs out = Attempt(in, success);
        EXPECT_TRUE(success) << vegType;
        EXPECT_EQ(out.ErrorNumber, 0);
        EXPECT_EQ(out.ErrorDescription, "");
        EXPECT_EQ(out.FireType, 0);
        EXPECT_EQ(out.RateOfSpread, 0);
        EXPECT_EQ(out.FlameLength, 0);
        EXPECT_TRUE(clsTorviOutputs::IsNotReachable(out.TorchingIndex));
        EXPECT_TRUE(clsTorviOutputs::IsNotReachable(out.CrownRActive));
    }
}

// Exactly at the moisture of extinction: FM3 has 1-hour fuel only and an extinction of 25 %.
TEST_F(TorviValidation, MoistureEqualToExtinctionDoesNotSpread)
{
    clsTorviInputs in = Scenario(3, 3);
    in.Dead1HrMC = in.DeadHerbMC = in.Dead10HrMC = in.Dead100HrMC = 25;
    bool success = false;
    const clsTorviOutputs out = Attempt(in, success);
    EXPECT_TRUE(success);
    EXPECT_EQ(out.RateOfSpread, 0);
}

struct CrashCase {
    const char* name;
    clsTorviInputs inputs;
    const char* text;
};

// Failures inside the calculation: error 4000 with the number and text of the failure, nothing
// else in the record, and never a non-finite result.
TEST_F(TorviValidation, CalculationFailures)
{
    // Only live fuel: the dead surface terms sum to 0, and the dead class weights are 0 / 0.
    engine.FuelModels->Add(FuelModel(950, 0, 0, 0, 0, 0.5, "static", 2000, 0, 1500, 1, 0.25), "950");
    // No fuel bed depth: the bulk density divides by 0.
    engine.FuelModels->Add(FuelModel(951, 0.1, 0.05, 0, 0, 0, "static", 2000, 0, 0, 0, 0.25), "951");

    CrashCase cases[] = {
        {"dead surface terms sum to 0", Scenario(3, 950), "Program crashed: #6 Overflow"},
        {"no depth", Scenario(3, 951), "Program crashed: #11 Division by zero"},
        {"negative canopy base height", Scenario(2, 10, 10), "Program crashed: #5 Invalid procedure call or argument"},
        {"overflowing wind", Scenario(3, 10), "Program crashed: #6 Overflow"},
        {"canopy fuel load not a number", Scenario(2, 10, 10), "Program crashed: #6 Overflow"},
        {"infinite initiation", Scenario(2, 10, 10), "Program crashed: #6 Overflow"},
    };
    cases[2].inputs.CanopyBaseHeight = -6;
    cases[3].inputs.OpenWindSpeed = 1e308;
    cases[4].inputs.CrownFuelLoad = std::numeric_limits<double>::quiet_NaN();
    cases[5].inputs.Initiation = std::numeric_limits<double>::infinity();

    for (CrashCase& c : cases) {
        bool success = true;
        const clsTorviOutputs out = Attempt(c.inputs, success);
        EXPECT_FALSE(success) << c.name;
        EXPECT_EQ(out.ErrorNumber, 4000) << c.name;
        EXPECT_EQ(out.ErrorDescription, c.text) << c.name;
        ExpectAllOutputsZero(out);
    }
}

}  // namespace
