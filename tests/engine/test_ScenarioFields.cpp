// The one list of a scenario's inputs and outputs: each row reaches its own member of the records,
// stores numbers as files and boxes store them, and the calculation completes a record the same
// way for every caller.

#include "engine/clsTorviInputs.h"
#include "engine/clsTorviOutputs.h"
#include "engine/ScenarioCalculation.h"
#include "engine/ScenarioInputFields.h"
#include "engine/ScenarioOutputFields.h"
#include "units/clsUnits.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>
#include <string>

namespace {

namespace F = ScenarioInputFields;

// Every field gets a value of its own (whole, as whole fields hold): a row that reached another
// row's member would show that member's value.
TEST(ScenarioInputFields, EachRowReachesAMemberOfItsOwn)
{
    clsTorviInputs record;
    for (int id = 0; id < F::Count; ++id)
        ASSERT_TRUE(F::StoreFileValue(record, id, 100 + id)) << F::At(id).key;
    std::set<std::string> keys;
    for (int id = 0; id < F::Count; ++id) {
        EXPECT_EQ(F::Value(record, id), 100 + id) << F::At(id).key;
        EXPECT_EQ(F::IdOf(F::At(id).key), id);
        keys.insert(F::At(id).key);
    }
    EXPECT_EQ(keys.size(), std::size_t(F::Count));
    EXPECT_EQ(F::IdOf("NONE"), -1);
    EXPECT_THROW(F::At(F::Count), std::out_of_range);
}

// Files round moistures and whole numbers; a box rounds whole numbers and the canopy fuel load,
// never a moisture. Halves go to the even neighbour.
TEST(ScenarioInputFields, FilesAndBoxesRoundWhatTheyHoldWhole)
{
    struct Case {
        int id;
        double value;
        double fromFile;
        double typed;
    };
    const Case cases[] = {
        {F::Dead1Hr, 6.5, 6, 6.5},          {F::LiveHerb, 120.5, 120, 120.5}, {F::Slope, 20.5, 20, 20},
        {F::WindDirection, 3.5, 4, 4},      {F::CrownFuelLoad, 2.5, 2.5, 2},  {F::OpenWindSpeed, 7.25, 7.25, 7.25},
        {F::LowWindReduction, 0.35, 0.35, 0.35},
    };
    for (const Case& c : cases) {
        clsTorviInputs fromFile;
        ASSERT_TRUE(F::StoreFileValue(fromFile, c.id, c.value));
        EXPECT_EQ(F::Value(fromFile, c.id), c.fromFile) << F::At(c.id).key;
        clsTorviInputs typed;
        F::StoreTypedValue(typed, c.id, c.value);
        EXPECT_EQ(F::Value(typed, c.id), c.typed) << F::At(c.id).key;
    }
    clsTorviInputs record;
    EXPECT_FALSE(F::StoreFileValue(record, F::Slope, 1e12));
    EXPECT_FALSE(F::StoreFileValue(record, F::OpenWindSpeed, std::nan("")));
    EXPECT_EQ(record.PercentSlope, 0);
    // A data line stores all its numbers or none: the last field's number does not fit.
    std::array<double, F::Count> line;
    line.fill(7);
    line[F::WindDirection] = 3e9;
    EXPECT_FALSE(F::StoreFileValues(record, line));
    EXPECT_EQ(F::Values(record), F::Values(clsTorviInputs()));
    line[F::WindDirection] = 2.5;
    ASSERT_TRUE(F::StoreFileValues(record, line));
    EXPECT_EQ(record.WindDirFromUphill, 2);
    EXPECT_EQ(record.Dead1HrMC, 7);
}

// The shrub transition flame length is held in feet, the unit 2 of its descriptor; a display in
// metres converts to feet, where any other field holds its native unit 1.
TEST(ScenarioInputFields, TheTransitionFlameLengthIsHeldInFeet)
{
    clsUnits units;
    clsTorviUnit& flame = units.*F::At(F::ShrubTransitionFlameLength).unit;
    ASSERT_GT(flame.UnitSize(), 1);
    EXPECT_EQ(flame.UnitLbl(F::At(F::ShrubTransitionFlameLength).recordUnit), "feet");
    const double feet = F::ToRecord(F::ShrubTransitionFlameLength, flame, 1, 3);
    EXPECT_NEAR(feet, 3 / 0.3048, 1e-4);  // 3 m in feet
    EXPECT_NEAR(F::FromRecord(F::ShrubTransitionFlameLength, flame, 1, feet), 3, 1e-6);
    for (int id = 0; id < F::Count; ++id)
        EXPECT_EQ(F::At(id).recordUnit, id == F::ShrubTransitionFlameLength ? 2 : 1) << F::At(id).key;
}

TEST(ScenarioOutputFields, EachRowReadsAnOutputOfItsOwn)
{
    const auto& outputs = ScenarioOutputFields::All();
    clsTorviOutputs result;
    for (std::size_t i = 0; i < outputs.size(); ++i)
        result.*outputs[i].value = 1000 + static_cast<double>(i);
    std::set<std::string> codes;
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        EXPECT_EQ(result.*outputs[i].value, 1000 + static_cast<double>(i)) << outputs[i].code;
        codes.insert(outputs[i].code);
        codes.insert(outputs[i].fileKey);
        // Only the crown fraction burned is a fraction without a descriptor, and it is not converted.
        EXPECT_EQ(outputs[i].unit == nullptr, std::string(outputs[i].code) == "CRFB");
        EXPECT_TRUE(outputs[i].unit || !outputs[i].converted);
    }
    EXPECT_EQ(codes.count("FLINI"), 1u);
    EXPECT_EQ(codes.count("OWNDcessation"), 1u);
}

// An output that is not reachable stays so in any unit; a reachable one is converted from unit 1.
TEST(ScenarioOutputFields, ShownConvertsOnlyWhatExists)
{
    clsUnits units;
    const auto& spread = ScenarioOutputFields::All()[1];
    ASSERT_STREQ(spread.code, "SPRT");
    clsTorviOutputs result;
    result.RateOfSpread = 10;
    EXPECT_EQ(ScenarioOutputFields::Shown(spread, units, 1, result), 10);
    EXPECT_NE(ScenarioOutputFields::Shown(spread, units, 2, result), 10);
    result.RateOfSpread = clsTorviOutputs::NotReachable;
    EXPECT_TRUE(clsTorviOutputs::IsNotReachable(ScenarioOutputFields::Shown(spread, units, 2, result)));
}

// Every caller hands the engine a completed record: the dead herbaceous moisture of the 1-hour
// one, the low and high sides, and the conifer stand's own high side.
TEST(ScenarioCalculation, TheRecordIsCompletedBeforeTheEngineSeesIt)
{
    clsTorviInputs record;
    record.VegType = clsTorviInputs::Conifer;
    record.Dead1HrMC = 7;
    record.HighInputs.fuelModelID = 4;
    record.HighInputs.WindReductionFactor = 0.9;
    ScenarioCalculation::ApplySettings(record, {8000, 45});
    clsTorviInputs seen;
    const ScenarioCalculation::Engine engine = [&seen](clsTorviInputs& inputs, bool& success) {
        seen = inputs;
        success = false;
        clsTorviOutputs failed;
        failed.ErrorNumber = 2004;
        return failed;
    };
    clsTorviOutputs outputs;
    EXPECT_FALSE(ScenarioCalculation::Calculate(engine, record, outputs));
    EXPECT_EQ(outputs.ErrorNumber, 2004);
    EXPECT_EQ(seen.DeadHerbMC, 7);
    EXPECT_EQ(seen.LowInputs.LowOrHigh, 0);
    EXPECT_EQ(seen.HighInputs.LowOrHigh, 1);
    EXPECT_EQ(seen.HighInputs.fuelModelID, clsTorviInputs::ConiferHighFuelModel);
    EXPECT_EQ(seen.HighInputs.WindReductionFactor, clsTorviInputs::ConiferHighWindReductionFactor);
    EXPECT_EQ(seen.HCrown, 8000);
    EXPECT_EQ(seen.SpreadDirection, 45);
    EXPECT_EQ(seen.Temperature, 0);
}

}  // namespace
