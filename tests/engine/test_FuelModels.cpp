#include "engine/clsFuelModels.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

clsFuelModels::Member Model(int32_t number)
{
    auto model = std::make_shared<clsFuelModel>();
    model->fuelModelID = number;
    return model;
}

std::vector<int32_t> Numbers(const clsFuelModels& models)
{
    std::vector<int32_t> numbers;
    for (const auto& model : models)
        numbers.push_back(model->fuelModelID);
    return numbers;
}

}  // namespace

TEST(FuelModels, AddSortedKeepsAscendingNumbers)
{
    clsFuelModels models;
    models.AddSorted(Model(10), "10");
    EXPECT_EQ(Numbers(models), (std::vector<int32_t>{10}));
    models.AddSorted(Model(1), "1");
    models.AddSorted(Model(101), "101");
    models.AddSorted(Model(5), "5");
    EXPECT_EQ(Numbers(models), (std::vector<int32_t>{1, 5, 10, 101}));
    models.AddSorted(Model(200), "200");
    EXPECT_EQ(Numbers(models), (std::vector<int32_t>{1, 5, 10, 101, 200}));
    EXPECT_EQ(models.Item(2).fuelModelID, 5);
    EXPECT_EQ(models.Item("101").fuelModelID, 101);
}

TEST(FuelModels, ItemReturnsTheStoredMember)
{
    clsFuelModels models;
    models.Add(Model(4), "4");
    models.Item("4").fuelModelCode = "changed";
    EXPECT_EQ(models.Item(1).fuelModelCode, "changed");
}

TEST(FuelModels, KeysAreCheckedNotAssumed)
{
    clsFuelModels models;
    models.Add(Model(1), "1");
    models.Add(Model(2));
    EXPECT_FALSE(models.MemberIsPresent("13"));
    EXPECT_TRUE(models.MemberIsPresent("1"));
    EXPECT_EQ(models.Count(), 2u);
    EXPECT_THROW(models.Add(Model(1), "1"), std::invalid_argument);
    EXPECT_THROW(models.AddSorted(Model(1), "1"), std::invalid_argument);
    EXPECT_THROW(models.Item("13"), std::out_of_range);
    EXPECT_THROW(models.Item(0), std::out_of_range);
    EXPECT_THROW(models.Item(3), std::out_of_range);
    EXPECT_EQ(models.Count(), 2u);

    models.Remove("1");
    EXPECT_FALSE(models.MemberIsPresent("1"));
    EXPECT_EQ(models.Item(1).fuelModelID, 2);
    models.Remove(1);
    EXPECT_EQ(models.Count(), 0u);
}

// Find(n) is Item and MemberIsPresent with the decimal text of n, through every change of the collection.
TEST(FuelModels, FindByNumberAgreesWithTheKeys)
{
    clsFuelModels models;
    models.Add(Model(7), "7");
    models.Add(Model(8), "008");  // keyed, but not by the text of its number
    models.Add(Model(9));         // no key at all
    models.AddSorted(Model(-3), "-3");
    ASSERT_NE(models.Find(7), nullptr);
    EXPECT_EQ(models.Find(7), &models.Item("7"));
    EXPECT_EQ(models.Find(-3), &models.Item("-3"));
    EXPECT_EQ(models.Find(8), nullptr);
    EXPECT_EQ(models.Find(9), nullptr);
    EXPECT_EQ(models.Find(13), nullptr);

    models.Remove("7");
    EXPECT_EQ(models.Find(7), nullptr);
    auto replacement = Model(7);
    models.AddSorted(replacement, "7");
    EXPECT_EQ(models.Find(7), replacement.get());
    models.Remove(1);  // the first member by position: -3
    EXPECT_EQ(models.Find(-3), nullptr);
    EXPECT_EQ(models.Find(7), replacement.get());
}

TEST(FuelModel, CloneCopiesAllButTheDeadHerbLoad)
{
    clsFuelModel model;
    model.fuelModelID = 104;
    model.fuelModelCode = "GR4";
    model.load1Hr = 0.1;
    model.loadLiveHerb = 0.2;
    model.fuelModelType = "dynamic";
    model.savLiveHerb = 1800;
    model.deadFuelMx = 0.15;
    model.fuelModelName = "Moderate load, dry climate grass";
    model.loadDeadHerb = 0.05;

    const clsFuelModel copy = model.clone();
    EXPECT_EQ(copy.loadDeadHerb, 0);
    EXPECT_EQ(copy.fuelModelID, 104);
    EXPECT_EQ(copy.fuelModelCode, "GR4");
    EXPECT_EQ(copy.load1Hr, 0.1);
    EXPECT_EQ(copy.loadLiveHerb, 0.2);
    EXPECT_EQ(copy.fuelModelType, "dynamic");
    EXPECT_EQ(copy.savLiveHerb, 1800);
    EXPECT_EQ(copy.deadFuelMx, 0.15);
    EXPECT_EQ(copy.fuelModelName, model.fuelModelName);
    EXPECT_EQ(clsFuelModel::sav10Hr(), 109);
    EXPECT_EQ(clsFuelModel::sav100Hr(), 30);
}

// The checks a caller makes before it reaches for a member: by key, and by position 1..Count.
TEST(FuelModels, CollectionChecks)
{
    clsFuelModels models;
    auto model = std::make_shared<clsFuelModel>();
    model->fuelModelID = 4;
    models.Add(model, "4");
    EXPECT_TRUE(models.MemberIsPresent("4"));
    EXPECT_FALSE(models.MemberIsPresent("5"));
    EXPECT_NO_THROW(models.Item(1));
    EXPECT_THROW(models.Item(0), std::out_of_range);
    EXPECT_THROW(models.Item(2), std::out_of_range);
}
