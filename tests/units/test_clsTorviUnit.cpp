#include "units/clsTorviUnit.h"

#include "support/RecordingInteraction.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

namespace {

// A two-unit wind speed descriptor: mi/hr (native) and km/hr.
clsTorviUnit WindSpeed()
{
    clsTorviUnit unit;
    unit.InitSize(2);
    unit.SetUnitLabel(1, "mi/hr");
    unit.SetUnitLabel(2, "km/hr");
    unit.SetUnitMinMax(1, 0, 60);
    unit.SetUnitMinMax(2, 0, 100);
    unit.SetPrecision(1, 1);
    unit.SetPrecision(2, 2);
    unit.SetPgStep(1, 2);
    unit.SetPgStep(2, 3);
    unit.SetRowStep(1, 1);
    unit.SetRowStep(2, 4);
    unit.SetUnitCvtMult(1, 1, 1.0);
    unit.SetUnitCvtMult(1, 2, 1.609348854);
    unit.SetUnitCvtMult(2, 1, 0.621369318);
    unit.SetUnitCvtMult(2, 2, 1.0);
    return unit;
}

}  // namespace

TEST(clsTorviUnit, ConvertingANativeValueSelectsTheDisplayUnit)
{
    clsTorviUnit unit = WindSpeed();
    EXPECT_EQ(unit.GetCurrUnit(), 1);
    const double shown = unit.Cvt(2, 10);
    EXPECT_DOUBLE_EQ(shown, 16.09348854);
    EXPECT_EQ(unit.GetCurrUnit(), 2);
    // Everything now answers for km/hr.
    EXPECT_EQ(unit.GetPrecision(), 2);
    EXPECT_DOUBLE_EQ(unit.GetMaxDataVal(), 100);
    EXPECT_DOUBLE_EQ(unit.GetPgStep(), 3);
    EXPECT_DOUBLE_EQ(unit.GetRowStep(), 4);
    EXPECT_NEAR(unit.CvtToNative(shown), 10, 1e-7);
}

TEST(clsTorviUnit, ConvertingFromAGivenUnitLeavesTheSelectionAlone)
{
    clsTorviUnit unit = WindSpeed();
    unit.SetCurrUnit(2);
    EXPECT_DOUBLE_EQ(unit.Cvt(1, 100, 2), 62.1369318);
    EXPECT_EQ(unit.GetCurrUnit(), 2);
    unit.SetCurrUnit(1);
    EXPECT_DOUBLE_EQ(unit.Cvt(2, 1, 1), 1.609348854);
    EXPECT_EQ(unit.GetCurrUnit(), 1);
    EXPECT_DOUBLE_EQ(unit.CvtToNative(7), 7);
}

TEST(clsTorviUnit, GettersAnswerForTheCurrentUnitAndLabelsForTheNamedOne)
{
    clsTorviUnit unit = WindSpeed();
    EXPECT_DOUBLE_EQ(unit.GetMaxDataVal(), 60);
    unit.SetCurrUnit(2);
    EXPECT_DOUBLE_EQ(unit.GetMinDataVal(), 0);
    EXPECT_DOUBLE_EQ(unit.GetMaxDataVal(), 100);
    EXPECT_EQ(unit.UnitLbl(1), "mi/hr");
    EXPECT_EQ(unit.UnitLbl(2), "km/hr");
    unit.Init();
    EXPECT_EQ(unit.GetCurrUnit(), 1);
    unit.SetCurrUnit(2);
    unit.InitCurrUnit();
    EXPECT_EQ(unit.GetCurrUnit(), 1);
}

TEST(clsTorviUnit, InitSizeClearsEveryTable)
{
    clsTorviUnit unit = WindSpeed();
    unit.InitSize(3);
    EXPECT_EQ(unit.UnitSize(), 3);
    unit.SetCurrUnit(3);
    EXPECT_EQ(unit.UnitLbl(1), "");
    EXPECT_EQ(unit.GetPrecision(), 0);
    EXPECT_DOUBLE_EQ(unit.GetMinDataVal(), 0);
    EXPECT_DOUBLE_EQ(unit.GetMaxDataVal(), 0);
    EXPECT_DOUBLE_EQ(unit.Cvt(2, 5, 1), 0);  // a multiplier never set converts to 0
}

TEST(clsTorviUnit, AUnitOutsideTheTablesThrowsAndChangesNothing)
{
    clsTorviUnit unit = WindSpeed();
    EXPECT_THROW(unit.Cvt(3, 1), std::out_of_range);
    EXPECT_EQ(unit.GetCurrUnit(), 1);
    EXPECT_THROW(unit.Cvt(1, 1, -1), std::out_of_range);
    EXPECT_THROW(unit.UnitLbl(0), std::out_of_range);
    EXPECT_THROW(unit.SetUnitMinMax(3, 0, 1), std::out_of_range);
    EXPECT_THROW(unit.SetUnitCvtMult(1, 3, 1), std::out_of_range);
    unit.SetCurrUnit(5);  // accepted as such; the next table access refuses it
    EXPECT_THROW(unit.GetPrecision(), std::out_of_range);
    EXPECT_THROW(unit.GetMinDataVal(), std::out_of_range);
    EXPECT_THROW(unit.CvtToNative(1), std::out_of_range);
    clsTorviUnit empty;
    EXPECT_THROW(empty.GetMaxDataVal(), std::out_of_range);
}

TEST(clsTorviUnit, AnOverflowingConversionThrows)
{
    clsTorviUnit unit = WindSpeed();
    EXPECT_THROW(unit.Cvt(2, std::numeric_limits<double>::max()), std::overflow_error);
    EXPECT_EQ(unit.GetCurrUnit(), 1);
}

TEST(clsTorviUnit, ACloneConvertsAlikeAndIsIndependent)
{
    clsTorviUnit source = WindSpeed();
    source.SetCurrUnit(2);
    clsTorviUnit clone = source.CloneObj();
    EXPECT_EQ(clone.UnitSize(), 2);
    EXPECT_EQ(clone.GetCurrUnit(), 2);
    EXPECT_EQ(clone.UnitLbl(2), "km/hr");
    EXPECT_DOUBLE_EQ(clone.CvtToNative(100), source.CvtToNative(100));
    EXPECT_DOUBLE_EQ(clone.GetRowStep(), 4);
    clone.Cvt(1, 3);
    clone.SetUnitLabel(2, "changed");
    EXPECT_EQ(source.GetCurrUnit(), 2);
    EXPECT_EQ(source.UnitLbl(2), "km/hr");

    clsTorviUnit empty;
    empty.SetCurrUnit(4);
    EXPECT_EQ(empty.CloneObj().GetCurrUnit(), 1);
    EXPECT_EQ(empty.CloneObj().UnitSize(), 0);
}

TEST(clsTorviUnit, DumpListsLabelsRangesAndMultipliers)
{
    RecordingInteraction ui;
    WindSpeed().Dump(ui);
    const std::vector<std::string> expected{
        "unit label: mi/hr", "unit label: km/hr", "min/max: 0/60", "min/max: 0/100",
        "cvt[1,1]: 1", "cvt[1,2]: 1.609348854", "cvt[2,1]: 0.621369318", "cvt[2,2]: 1"};
    EXPECT_EQ(ui.messages, expected);
}
