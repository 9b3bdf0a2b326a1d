#include "panels/clsInCtl.h"

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
