#include "engine/clsFuelModel.h"
#include "engine/clsFieldUse.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using Use = clsFieldUse::Use;

// Fuel beds with only the loads that matter here (tons/acre is as good as any unit for zero).
clsFuelModel Model(double load10Hr, double load100Hr, double loadLiveHerb, double loadLiveWoody)
{
    clsFuelModel model;
    model.load1Hr = 1;
    model.load10Hr = load10Hr;
    model.load100Hr = load100Hr;
    model.loadLiveHerb = loadLiveHerb;
    model.loadLiveWoody = loadLiveWoody;
    return model;
}

const clsFuelModel grass = Model(0, 0, 0, 0);         // 1-hour fuel only
const clsFuelModel herbs = Model(0, 0, 1, 0);         // and live herbs
const clsFuelModel brush = Model(0.5, 0, 0, 2);       // 10-hour and live woody
const clsFuelModel timber = Model(2, 5, 0, 2);        // as fuel model 10: no live herbs

// The fields in use, as a string of field ids, for a quick comparison with a table.
std::string UsedFields(const clsFieldUse& use)
{
    std::string used;
    for (int field = 2; field <= 23; ++field)
        if (field != 6 && use.Used(field))
            used += std::to_string(field) + " ";
    return used;
}

// The same, from the bits that batch processing asks for all fields at once.
std::string UsedFields(uint32_t bits)
{
    std::string used;
    for (int field = 0; field < 32; ++field)
        if (bits >> field & 1)
            used += std::to_string(field) + " ";
    return used;
}

}  // namespace

TEST(FieldUse, TheSimulationTypeAndTheLoadsDecide)
{
    struct Case {
        const char* what;
        int vegType;
        const clsFuelModel* low;
        const clsFuelModel* high;
        std::string used;
    };
    const Case cases[] = {
        // Surface: the low model's own loads; no canopy, no shrub transition, no high side.
        {"surface grass", 3, &grass, &timber, "2 3 4 5 11 21 22 23 "},
        {"surface brush", 3, &brush, nullptr, "2 3 4 5 11 12 15 21 22 23 "},
        // Shrub: a size class counts when either model carries it; bulk density and transition.
        {"shrub grass over brush", 1, &grass, &brush, "2 3 4 5 7 8 9 10 11 12 15 16 20 21 22 23 "},
        {"shrub herbs over grass", 1, &herbs, &grass, "2 3 4 5 7 8 9 10 11 14 16 20 21 22 23 "},
        // Conifer: the canopy and the high side but its fixed wind reduction factor; the high
        // side is timber.
        {"conifer herbs", 2, &herbs, &timber, "2 3 4 5 8 9 10 11 12 13 14 15 16 17 18 19 21 22 23 "},
        {"conifer brush", 2, &brush, &timber, "2 3 4 5 8 9 10 11 12 13 15 16 17 18 19 21 22 23 "},
        // A model not chosen (or not loaded) leaves every moisture in use.
        {"surface, no model", 3, nullptr, nullptr, "2 3 4 5 11 12 13 14 15 21 22 23 "},
        {"shrub, no high model", 1, &grass, nullptr, "2 3 4 5 7 8 9 10 11 12 13 14 15 16 20 21 22 23 "},
        // A simulation type the program does not know: everything counts.
        {"type 4", 4, &grass, &grass,
         "2 3 4 5 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 "},
        {"type 0", 0, &grass, &grass,
         "2 3 4 5 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 "},
    };
    for (const Case& c : cases) {
        const clsFieldUse use(c.vegType, c.low, c.high);
        EXPECT_EQ(UsedFields(use), c.used) << c.what;
        EXPECT_EQ(UsedFields(use.UsedFields()), c.used) << c.what << ", all fields at once";
    }
}

TEST(FieldUse, TheMoistureOptionsFillOnlyMoisturesInUse)
{
    clsFieldUse::Links links;
    links.sizeClasses = true;
    links.fromScenarioA.set(11).set(12).set(14);
    const clsFieldUse use(1, &brush, &grass, links);  // 10-hour and live woody fuel only
    const std::map<int, Use> expected = {{11, Use::FromScenarioA}, {12, Use::FromScenarioA},
                                         {13, Use::Unused},        {14, Use::Unused},
                                         {15, Use::Entered},       {16, Use::Entered}};
    for (const auto& [field, want] : expected)
        EXPECT_EQ(use.Of(field), want) << field;

    links.fromScenarioA.reset();
    const clsFieldUse alone(3, &timber, nullptr, links);
    EXPECT_EQ(alone.Of(12), Use::FollowsDead1Hr);
    EXPECT_EQ(alone.Of(13), Use::FollowsDead1Hr);
    EXPECT_EQ(alone.Of(11), Use::Entered);
    EXPECT_FALSE(alone.Entered(12));
    EXPECT_TRUE(alone.Used(12));

    // A conifer stand's high load and intensity multipliers count without being typed.
    const clsFieldUse stand(2, &brush, &timber);
    EXPECT_EQ(stand.Of(9), Use::Kept);
    EXPECT_EQ(stand.Of(10), Use::Kept);
    EXPECT_EQ(stand.Of(8), Use::Entered);
    EXPECT_EQ(stand.Of(7), Use::Unused);
}

TEST(FieldUse, OnlyNumericInputsHaveAUse)
{
    const clsFieldUse use(3, &grass, nullptr);
    for (int field : {0, 1, 6, 24})
        EXPECT_THROW(use.Of(field), std::out_of_range) << field;
}
