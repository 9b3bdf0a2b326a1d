#include "units/clsUnits.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

struct UnitRow {
    std::string label;
    double min, max;
    int decimals;
    double pageStep, rowStep;
};

struct MemberRow {
    clsTorviUnit clsUnits::*member;
    const char* name;
    std::vector<UnitRow> units;
    double oneToTwo = 0, twoToOne = 0;  // two-unit members only
};

// The catalogue as the analysts' tables give it.
const std::vector<MemberRow>& Catalogue()
{
    static const std::vector<MemberRow> rows = [] {
        const std::vector<UnitRow> bdIn{{"kg/m3", 0, 1.0, 2, 0.02, 0.01}, {"lbs/ft3", 0, 0.06, 3, 0.005, 0.005}};
        const std::vector<UnitRow> bdOut{{"kg/m3", 0, 1.0, 2, 0.02, 0.01}, {"lbs/ft3", 0, 0.06, 3, 0.02, 0.01}};
        const std::vector<UnitRow> feetIn{{"feet", 0, 99, 1, 0.5, 0.1}, {"meters", 0, 30, 1, 0.5, 0.1}};
        const std::vector<UnitRow> metersIn{{"meters", 0, 30, 1, 0.5, 0.1}, {"feet", 0, 99, 1, 0.5, 0.1}};
        const std::vector<UnitRow> feetOut{{"feet", 0, 99, 1, 1, 1}, {"meters", 0, 30, 1, 1, 1}};
        const std::vector<UnitRow> windIn{{"mi/hr", 0, 60, 1, 2, 1}, {"km/hr", 0, 100, 1, 2, 1}};
        const std::vector<UnitRow> windOut{{"mi/hr", 0, 60, 1, 1, 1}, {"km/hr", 0, 100, 1, 1, 1}};
        const std::vector<UnitRow> intensity{{"BTU/ft-sec", 0, 0, 0, 1, 1}, {"kW/m", 0, 0, 0, 1, 1}};
        const std::vector<UnitRow> spread{{"ch/hr", 0, 0, 1, 1, 1}, {"m/min", 0, 0, 2, 1, 1}, {"mi/hr", 0, 0, 2, 1, 1},
                                          {"km/hr", 0, 0, 2, 1, 1}, {"ft/min", 0, 0, 2, 1, 1}};
        const std::vector<UnitRow> dead{{"percent", 0, 60, 2, 1, 1}};
        const std::vector<UnitRow> live{{"percent", 30, 300, 2, 1, 1}};
        const std::vector<UnitRow> wrf{{"fraction", 0.1, 1.0, 1, 1, 1}};
        const std::vector<UnitRow> mult{{"fraction", 0.2, 5.0, 1, 1, 1}};
        const double bd[2]{0.062427885, 16.01848281}, ft[2]{0.3048006, 3.280833437}, mi[2]{1.609348854, 0.621369318},
            btu[2]{3.459143111, 0.289088936};
        return std::vector<MemberRow>{
            {&clsUnits::globalHCrownUnits, "globalHCrownUnits", {{"kJ/kg", 0, 0, 0, 0, 0}, {"btu/lb", 0, 0, 0, 0, 0}}, 0.430265351, 2.324147175},
            {&clsUnits::CanopyBDInUnits, "CanopyBDInUnits", bdIn, bd[0], bd[1]},
            {&clsUnits::CanopyBHInUnits, "CanopyBHInUnits", feetIn, ft[0], ft[1]},
            {&clsUnits::OpenWindSpdInUnits, "OpenWindSpdInUnits", windIn, mi[0], mi[1]},
            {&clsUnits::InitiationInUnits, "InitiationInUnits", metersIn, ft[1], ft[0]},
            {&clsUnits::Dead1HrMCInUnits, "Dead1HrMCInUnits", dead},
            {&clsUnits::Dead10HrMCInUnits, "Dead10HrMCInUnits", dead},
            {&clsUnits::Dead100HrMCInUnits, "Dead100HrMCInUnits", dead},
            {&clsUnits::LiveHerbMCInUnits, "LiveHerbMCInUnits", live},
            {&clsUnits::LiveWoodyMCInUnits, "LiveWoodyMCInUnits", live},
            {&clsUnits::PercentSlopeInUnits, "PercentSlopeInUnits", {{"percent", 0, 100, 0, 5, 5}}},
            {&clsUnits::WindDirFromUphillInUnits, "WindDirFromUphillInUnits", {{"degrees", 0, 360, 0, 15, 1}}},
            {&clsUnits::ConiferFoliarMCInUnits, "ConiferFoliarMCInUnits", {{"percent", 70, 120, 0, 5, 1}}},
            {&clsUnits::CanopyFuelLoadInUnits, "CanopyFuelLoadInUnits", {{"ton/acre", 0, 15, 0, 1, 1}}},
            {&clsUnits::WindReductionFactorLowInUnits, "WindReductionFactorLowInUnits", wrf},
            {&clsUnits::MultiplierROSLowInUnits, "MultiplierROSLowInUnits", mult},
            {&clsUnits::MultiplierLoadDepthLowInUnits, "MultiplierLoadDepthLowInUnits", mult},
            {&clsUnits::MultiplierIntensityLowInUnits, "MultiplierIntensityLowInUnits", mult},
            {&clsUnits::WindReductionFactorHiInUnits, "WindReductionFactorHiInUnits", wrf},
            {&clsUnits::MultiplierROSHiInUnits, "MultiplierROSHiInUnits", mult},
            {&clsUnits::MultiplierLoadDepthHiInUnits, "MultiplierLoadDepthHiInUnits", mult},
            {&clsUnits::MultiplierIntensityHiInUnits, "MultiplierIntensityHiInUnits", mult},
            {&clsUnits::ASCanopyBDOutUnits, "ASCanopyBDOutUnits", bdOut, bd[0], bd[1]},
            {&clsUnits::CFIOutUnits, "CFIOutUnits", intensity, btu[0], btu[1]},
            {&clsUnits::CFLenOutUnits, "CFLenOutUnits", feetOut, ft[0], ft[1]},
            {&clsUnits::CIOutUnits, "CIOutUnits", windOut, mi[0], mi[1]},
            {&clsUnits::CROSOutUnits, "CROSOutUnits", spread},
            {&clsUnits::EMFWOutUnits, "EMFWOutUnits", windOut, mi[0], mi[1]},
            {&clsUnits::FIOutUnits, "FIOutUnits", intensity, btu[0], btu[1]},
            {&clsUnits::FIScaleOutUnits, "FIScaleOutUnits", {{"", 0, 99, 1, 1, 1}}},
            {&clsUnits::FLenOutUnits, "FLenOutUnits", feetOut, ft[0], ft[1]},
            {&clsUnits::OCessOutUnits, "OCessOutUnits", windOut, mi[0], mi[1]},
            {&clsUnits::ASROSOutUnits, "ASROSOutUnits", spread},
            {&clsUnits::ROSOutUnits, "ROSOutUnits", spread},
            {&clsUnits::HPUAOutUnits, "HPUAOutUnits", {{"BTU/ft2", 0, 0, 0, 1, 1}, {"kJ/m2", 0, 0, 0, 1, 1}}, 11.3489, 0.0881},
            {&clsUnits::SIOutUnits, "SIOutUnits", windOut, mi[0], mi[1]},
            {&clsUnits::TIOutUnits, "TIOutUnits", windOut, mi[0], mi[1]},
        };
    }();
    return rows;
}

const double SpreadMatrix[5][5] = {
    {1.0, 0.335281011, 0.0125, 0.020116861, 1.1},
    {2.982572727, 1.0, 0.037282159, 0.06, 3.28083},
    {80.0, 26.8224809, 1.0, 1.609348854, 88.0},
    {49.70954545, 16.66666667, 0.621369318, 1.0, 54.6805},
    {0.909090909, 0.304800919, 0.011363636, 0.018288055, 1.0},
};

class RecordingList : public clsUnits::UnitList {
public:
    void Clear() override { entries.clear(); }
    void AddItem(const std::string& label, int16_t itemData) override { entries.emplace_back(label, itemData); }
    std::vector<std::pair<std::string, int16_t>> entries{{"stale", 9}};
};

}  // namespace

TEST(clsUnits, EveryMemberHasItsUnitsRangesDecimalsAndSteps)
{
    clsUnits units;
    ASSERT_EQ(Catalogue().size(), clsUnits::MemberCount);
    const auto members = units.Members();
    for (std::size_t m = 0; m < Catalogue().size(); ++m) {
        const MemberRow& row = Catalogue()[m];
        clsTorviUnit& unit = units.*row.member;
        SCOPED_TRACE(row.name);
        EXPECT_EQ(members[m], &unit) << "catalogue order";
        ASSERT_EQ(unit.UnitSize(), static_cast<int16_t>(row.units.size()));
        EXPECT_EQ(unit.GetCurrUnit(), 1);
        for (int16_t u = 1; u <= unit.UnitSize(); ++u) {
            const UnitRow& expected = row.units[u - 1];
            unit.SetCurrUnit(u);
            EXPECT_EQ(unit.UnitLbl(u), expected.label);
            EXPECT_DOUBLE_EQ(unit.GetMinDataVal(), expected.min);
            EXPECT_DOUBLE_EQ(unit.GetMaxDataVal(), expected.max);
            EXPECT_EQ(unit.GetPrecision(), expected.decimals);
            EXPECT_DOUBLE_EQ(unit.GetPgStep(), expected.pageStep);
            EXPECT_DOUBLE_EQ(unit.GetRowStep(), expected.rowStep);
        }
        if (unit.UnitSize() == 2) {
            EXPECT_DOUBLE_EQ(unit.Cvt(1, 1, 1), 1.0);
            EXPECT_DOUBLE_EQ(unit.Cvt(2, 1, 1), row.oneToTwo);
            EXPECT_DOUBLE_EQ(unit.Cvt(1, 1, 2), row.twoToOne);
            EXPECT_DOUBLE_EQ(unit.Cvt(2, 1, 2), 1.0);
        }
        if (unit.UnitSize() == 5) {
            for (int16_t from = 1; from <= 5; ++from)
                for (int16_t to = 1; to <= 5; ++to)
                    EXPECT_DOUBLE_EQ(unit.Cvt(to, 1, from), SpreadMatrix[from - 1][to - 1]) << from << "->" << to;
        }
    }
}

TEST(clsUnits, SingleUnitInputsAreNeverConvertedButFireIntensityScaleIs)
{
    clsUnits units;
    EXPECT_DOUBLE_EQ(units.Dead1HrMCInUnits.Cvt(1, 7, 1), 0);
    EXPECT_DOUBLE_EQ(units.CvtFIScale(1, 2.5), 2.5);
    EXPECT_DOUBLE_EQ(units.DefaultFIScale(2.5), 2.5);
}

TEST(clsUnits, ConvertingForDisplaySelectsTheUnitAndMarksTheCatalogueChanged)
{
    clsUnits units;
    EXPECT_FALSE(units.UnitsChanged());
    EXPECT_DOUBLE_EQ(units.CvtCanopyBD(2, 0.1), 0.0062427885);
    EXPECT_TRUE(units.UnitsChanged());
    EXPECT_EQ(units.CanopyBDInUnits.GetCurrUnit(), 2);
    EXPECT_DOUBLE_EQ(units.CanopyBDInUnits.GetMaxDataVal(), 0.06);
    EXPECT_EQ(units.CanopyBDInUnits.GetPrecision(), 3);
    EXPECT_DOUBLE_EQ(units.CvtROS(5, 1), 1.1);
}

TEST(clsUnits, ConvertingFromAGivenUnitLeavesTheFlagAlone)
{
    clsUnits units;
    EXPECT_DOUBLE_EQ(units.CvtROS(1, 1, 3), 80);
    EXPECT_FALSE(units.UnitsChanged());
    EXPECT_EQ(units.ROSOutUnits.GetCurrUnit(), 1);
    EXPECT_NEAR(units.CvtHCrown(2, 18000, 1), 7744.776318, 1e-6);
    EXPECT_FALSE(units.UnitsChanged());
}

TEST(clsUnits, ToNativeUsesTheCurrentUnit)
{
    clsUnits units;
    EXPECT_DOUBLE_EQ(units.DefaultFI(100), 100);
    units.FIOutUnits.SetCurrUnit(2);
    EXPECT_DOUBLE_EQ(units.DefaultFI(100), 28.9088936);
    EXPECT_DOUBLE_EQ(units.CvtCFI(2, 1, 2), 1.0);
    EXPECT_DOUBLE_EQ(units.CvtFI(2, 1, 2), 1.0);
    units.HPUAOutUnits.SetCurrUnit(2);
    EXPECT_DOUBLE_EQ(units.DefaultHPUA(1000), 88.1);  // each direction has its own multiplier
    EXPECT_DOUBLE_EQ(units.CvtHPUA(2, 1, 1), 11.3489);
}

// Every per-quantity operation forwards to its own descriptor.
TEST(clsUnits, EachOperationReachesItsOwnMember)
{
    using Cvt = double (clsUnits::*)(int16_t, double, int16_t);
    using Default = double (clsUnits::*)(double) const;
    struct Forward {
        Cvt cvt;
        Default toNative;
        clsTorviUnit clsUnits::*member;
        int16_t unit;
    };
    const std::vector<Forward> forwards{
        {&clsUnits::CvtHCrown, &clsUnits::defaultHCrown, &clsUnits::globalHCrownUnits, 2},
        {&clsUnits::CvtCanopyBD, &clsUnits::DefaultCanopyBD, &clsUnits::CanopyBDInUnits, 2},
        {&clsUnits::CvtCanopyBH, &clsUnits::DefaultCanopyBH, &clsUnits::CanopyBHInUnits, 2},
        {&clsUnits::CvtOpenWindSpd, &clsUnits::DefaultOpenWindSpd, &clsUnits::OpenWindSpdInUnits, 2},
        {&clsUnits::CvtInitiation, &clsUnits::DefaultInitiation, &clsUnits::InitiationInUnits, 2},
        {&clsUnits::CvtCROS, &clsUnits::DefaultCROS, &clsUnits::CROSOutUnits, 4},
        {&clsUnits::CvtROS, &clsUnits::DefaultROS, &clsUnits::ROSOutUnits, 3},
        {&clsUnits::CvtHPUA, &clsUnits::DefaultHPUA, &clsUnits::HPUAOutUnits, 2},
        {&clsUnits::CvtFI, &clsUnits::DefaultFI, &clsUnits::FIOutUnits, 2},
        {&clsUnits::CvtFIScale, &clsUnits::DefaultFIScale, &clsUnits::FIScaleOutUnits, 1},
        {&clsUnits::CvtFLen, &clsUnits::DefaultFLen, &clsUnits::FLenOutUnits, 2},
        {&clsUnits::CvtEMFW, &clsUnits::DefaultEMFW, &clsUnits::EMFWOutUnits, 2},
        {&clsUnits::CvtTI, &clsUnits::DefaultTI, &clsUnits::TIOutUnits, 2},
        {&clsUnits::CvtCI, &clsUnits::DefaultCI, &clsUnits::CIOutUnits, 2},
        {&clsUnits::CvtSI, &clsUnits::DefaultSI, &clsUnits::SIOutUnits, 2},
        {&clsUnits::CvtCFI, &clsUnits::DefaultCFI, &clsUnits::CFIOutUnits, 2},
        {&clsUnits::CvtCFLen, &clsUnits::DefaultCFLen, &clsUnits::CFLenOutUnits, 2},
        {&clsUnits::CvtASCanopyBD, &clsUnits::DefaultASCanopyBD, &clsUnits::ASCanopyBDOutUnits, 2},
        {&clsUnits::CvtASROS, &clsUnits::DefaultASROS, &clsUnits::ASROSOutUnits, 5},
        {&clsUnits::CvtOCess, &clsUnits::DefaultOCess, &clsUnits::OCessOutUnits, 2},
    };
    for (const Forward& f : forwards) {
        clsUnits units;
        clsTorviUnit& member = units.*f.member;
        const double expected = member.Cvt(f.unit, 3, 1);
        EXPECT_DOUBLE_EQ((units.*f.cvt)(f.unit, 3, 0), expected);
        EXPECT_TRUE(units.UnitsChanged());
        // Only its own member moved to the new unit.
        for (const clsTorviUnit* other : units.Members())
            EXPECT_EQ(other->GetCurrUnit(), other == &member ? f.unit : 1);
        EXPECT_DOUBLE_EQ((units.*f.toNative)(expected), member.CvtToNative(expected));
    }

    using List = void (clsUnits::*)(clsUnits::UnitList&) const;
    using Label = const std::string& (clsUnits::*)(int16_t) const;
    const std::vector<std::pair<List, clsTorviUnit clsUnits::*>> lists{
        {&clsUnits::HCrownList, &clsUnits::globalHCrownUnits}, {&clsUnits::CanopyBDList, &clsUnits::CanopyBDInUnits},
        {&clsUnits::CanopyBHInList, &clsUnits::CanopyBHInUnits}, {&clsUnits::OpenWindSpeedList, &clsUnits::OpenWindSpdInUnits},
        {&clsUnits::InitiationInList, &clsUnits::InitiationInUnits}, {&clsUnits::CROSList, &clsUnits::CROSOutUnits},
        {&clsUnits::ROSList, &clsUnits::ROSOutUnits}, {&clsUnits::HPUAList, &clsUnits::HPUAOutUnits},
        {&clsUnits::FireIntensList, &clsUnits::FIOutUnits}, {&clsUnits::FireIntensScaleList, &clsUnits::FIScaleOutUnits},
        {&clsUnits::FLenOutList, &clsUnits::FLenOutUnits}, {&clsUnits::EMFWOutList, &clsUnits::EMFWOutUnits},
        {&clsUnits::TIOutList, &clsUnits::TIOutUnits}, {&clsUnits::CIOutList, &clsUnits::CIOutUnits},
        {&clsUnits::SIOutList, &clsUnits::SIOutUnits}, {&clsUnits::CFLenOutList, &clsUnits::CFLenOutUnits},
        {&clsUnits::ASROSOutList, &clsUnits::ASROSOutUnits}, {&clsUnits::OCessOutList, &clsUnits::OCessOutUnits},
    };
    const std::vector<std::pair<Label, clsTorviUnit clsUnits::*>> labels{
        {&clsUnits::HCrownULbl, &clsUnits::globalHCrownUnits}, {&clsUnits::CanopyBDULbl, &clsUnits::CanopyBDInUnits},
        {&clsUnits::CanopyBHInULbl, &clsUnits::CanopyBHInUnits}, {&clsUnits::OpenWindSpdULbl, &clsUnits::OpenWindSpdInUnits},
        {&clsUnits::CROSULbl, &clsUnits::CROSOutUnits}, {&clsUnits::ROSULbl, &clsUnits::ROSOutUnits},
        {&clsUnits::HPUAULbl, &clsUnits::HPUAOutUnits}, {&clsUnits::FireIntensULbl, &clsUnits::FIOutUnits},
        {&clsUnits::FireIntensScaleULbl, &clsUnits::FIScaleOutUnits}, {&clsUnits::FLenOutULbl, &clsUnits::FLenOutUnits},
        {&clsUnits::EMFWOutULbl, &clsUnits::EMFWOutUnits}, {&clsUnits::TIOutULbl, &clsUnits::TIOutUnits},
        {&clsUnits::CIOutULbl, &clsUnits::CIOutUnits}, {&clsUnits::SIOutULbl, &clsUnits::SIOutUnits},
        {&clsUnits::CFLenOutULbl, &clsUnits::CFLenOutUnits},
    };
    clsUnits units;
    for (const auto& [list, member] : lists) {
        RecordingList filled;
        (units.*list)(filled);
        const clsTorviUnit& unit = units.*member;
        ASSERT_EQ(filled.entries.size(), static_cast<std::size_t>(unit.UnitSize()));
        for (int16_t u = 1; u <= unit.UnitSize(); ++u)
            EXPECT_EQ(filled.entries[u - 1], std::make_pair(unit.UnitLbl(u), u));
    }
    for (const auto& [label, member] : labels) {
        const clsTorviUnit& unit = units.*member;
        EXPECT_EQ(&(units.*label)(unit.UnitSize()), &unit.UnitLbl(unit.UnitSize()));
    }
}

TEST(clsUnits, HCrownListOffersBothUnitsWithTheirNumbers)
{
    clsUnits units;
    RecordingList list;
    units.HCrownList(list);
    const std::vector<std::pair<std::string, int16_t>> expected{{"kJ/kg", 1}, {"btu/lb", 2}};
    EXPECT_EQ(list.entries, expected);
}

TEST(clsUnits, InitUnitsReturnsEveryMemberToNative)
{
    clsUnits units;
    units.CvtROS(4, 1);
    units.CvtFLen(2, 1);
    units.OpenWindSpdInUnits.SetCurrUnit(2);
    units.InitUnits();
    EXPECT_FALSE(units.UnitsChanged());
    for (const clsTorviUnit* member : units.Members())
        EXPECT_EQ(member->GetCurrUnit(), 1);
}

TEST(clsUnits, ACopyKeepsTheSelectionsButNotTheFlag)
{
    clsUnits units;
    units.CvtROS(4, 1);
    units.CvtTI(2, 1);
    clsUnits copy = units.CopyObj();
    EXPECT_FALSE(copy.UnitsChanged());
    EXPECT_EQ(copy.ROSOutUnits.GetCurrUnit(), 4);
    EXPECT_EQ(copy.TIOutUnits.GetCurrUnit(), 2);
    copy.CvtROS(1, 1);
    EXPECT_EQ(units.ROSOutUnits.GetCurrUnit(), 4);
    EXPECT_EQ(clsUnits::InternalUnits(), 1);
    EXPECT_THROW(units.CvtROS(6, 1), std::out_of_range);
}
