#include "engine/clsTorviInputs.h"
#include "panels/clsInCtl.h"
#include "engine/ScenarioInputFields.h"
#include "units/clsUnits.h"

#include "support/RecordingInteraction.h"

#include <gtest/gtest.h>

TEST(InCtl, FieldBitsLiveWhereTheMapSaysAndAllMeansOneToTwentyThree)
{
    clsInCtl state;
    RecordingInteraction ui;
    state.SetValidated(1);
    state.SetValidated(8);
    state.SetValidated(9);
    state.SetValidated(23);
    state.ShowVMap(ui);
    EXPECT_EQ(ui.messages.back(), "VMap: [129 128 2 0 ]");

    EXPECT_FALSE(state.AllValidated());
    state.SetAllValidated();
    EXPECT_TRUE(state.AllValidated());
    state.ShowVMap(ui);
    EXPECT_EQ(ui.messages.back(), "VMap: [255 255 254 0 ]");
    state.SetNotValidated(23);
    EXPECT_FALSE(state.Validated(23));
    EXPECT_TRUE(state.Validated(22));
    EXPECT_FALSE(state.AllValidated());
    state.SetValidated(32);
    EXPECT_FALSE(state.AllValidated());
    EXPECT_THROW(state.SetValidated(33), std::out_of_range);
    EXPECT_THROW(state.Validated(0), std::out_of_range);

    state.SetIsDirty(true);
    state.InitInCtl();
    EXPECT_FALSE(state.IsDirty());
    for (int field = 1; field <= 32; ++field)
        EXPECT_FALSE(state.Validated(field)) << field;
}

TEST(InCtl, EventsReachTheHolderWithTheScenarioNumber)
{
    clsInCtl state;
    state.FireVegTypeClick(2);  // nobody bound yet: nothing happens
    std::vector<std::pair<int, int>> heard;
    state.VegTypeClick = [&](int16_t scenario) { heard.emplace_back(scenario, 0); };
    state.InpTxtLostFocus = [&](int16_t scenario, int box) { heard.emplace_back(scenario, box); };
    state.FireVegTypeClick(2);
    state.FireInpTxtLostFocus(3, 19);
    EXPECT_EQ(heard, (std::vector<std::pair<int, int>>{{2, 0}, {3, 19}}));
}

// The rules of a numeric box, without a widget: checked in the unit shown, stored in the record's.
namespace {

using Problem = clsInputStatus::Problem;
namespace F = ScenarioInputFields;

TEST(InCtlBox, ABoxIsCheckedAgainstTheRangeOfTheUnitItShows)
{
    clsUnits units;
    clsTorviUnit& height = units.CanopyBHInUnits;  // feet 0..99, metres 0..30
    struct Case {
        int16_t unit;
        const char* text;
        Problem problem;
    };
    const Case cases[] = {
        {1, "", Problem::Empty},     {1, "ten", Problem::NotANumber}, {1, "99", Problem::None},
        {1, "99.5", Problem::OutOfRange}, {2, "30", Problem::None},   {2, "31", Problem::OutOfRange},
        {1, "-1", Problem::OutOfRange},
    };
    for (const Case& c : cases) {
        height.SetCurrUnit(c.unit);
        EXPECT_EQ(clsInCtl::CheckBox(height, c.text, std::nullopt), c.problem) << c.unit << " " << c.text;
    }
    // A box showing a stored value rounded is checked with the value it stands for.
    height.SetCurrUnit(1);
    EXPECT_EQ(clsInCtl::CheckBox(height, "99", clsInCtl::Shown{99.2, 99.2}), Problem::OutOfRange);
}

TEST(InCtlBox, ABoxIsStoredInTheRecordsUnitAndAnEmptyOneAsNoValue)
{
    clsUnits units;
    clsTorviInputs record;
    clsTorviUnit& flame = units.InitiationInUnits;  // metres shown, feet held
    flame.SetCurrUnit(1);
    clsInCtl::StoreBox(record, flame, F::ShrubTransitionFlameLength, "3", std::nullopt, 0);
    EXPECT_NEAR(record.ShrubTransFlameLength, 3 / 0.3048, 1e-4);
    clsInCtl::StoreBox(record, flame, F::ShrubTransitionFlameLength, "", std::nullopt, 0);
    EXPECT_EQ(record.ShrubTransFlameLength, clsTorviInputs::NoValue);
    // A shown value is stored exactly as it was, whatever the box shows rounded.
    clsInCtl::StoreBox(record, flame, F::ShrubTransitionFlameLength, "1", clsInCtl::Shown{0.9144, 3.0001}, 0);
    EXPECT_EQ(record.ShrubTransFlameLength, 3.0001);
    // Slope is typed whole: halves go to the even neighbour.
    clsInCtl::StoreBox(record, units.PercentSlopeInUnits, F::Slope, "20.5", std::nullopt, 0);
    EXPECT_EQ(record.PercentSlope, 20);
    EXPECT_EQ(clsInCtl::BoxValue(F::Slope, "21.5", std::nullopt, 0), 22);
    EXPECT_EQ(clsInCtl::BoxValue(F::OpenWindSpeed, "", std::nullopt, 7), 7);
}

}  // namespace
