#include "units/clsUnits.h"

#include <initializer_list>

namespace {

struct UnitEntry {
    const char* label;
    double min;
    double max;
    int16_t decimals;
    double pageStep;
    double rowStep;
};

// Fills a descriptor: one entry per unit, then the n × n multipliers row by row (from unit = row);
// an empty matrix leaves every multiplier at 0 for quantities that are never converted.
void Define(clsTorviUnit& member, std::initializer_list<UnitEntry> units, std::initializer_list<double> matrix = {})
{
    const auto n = static_cast<int16_t>(units.size());
    member.InitSize(n);
    int16_t unit = 1;
    for (const UnitEntry& entry : units) {
        member.SetUnitLabel(unit, entry.label);
        member.SetPgStep(unit, entry.pageStep);
        member.SetRowStep(unit, entry.rowStep);
        member.SetPrecision(unit, entry.decimals);
        member.SetUnitMinMax(unit, entry.min, entry.max);
        ++unit;
    }
    auto multiplier = matrix.begin();
    for (int16_t from = 1; multiplier != matrix.end() && from <= n; ++from)
        for (int16_t to = 1; to <= n; ++to)
            member.SetUnitCvtMult(from, to, *multiplier++);
}

// Two units with the multipliers 1→2 and 2→1.
void DefinePair(clsTorviUnit& member, const UnitEntry& first, const UnitEntry& second, double oneToTwo, double twoToOne)
{
    Define(member, {first, second}, {1.0, oneToTwo, twoToOne, 1.0});
}

void DefineSpreadRate(clsTorviUnit& member)
{
    Define(member,
           {{"ch/hr", 0, 0, 1, 1, 1},
            {"m/min", 0, 0, 2, 1, 1},
            {"mi/hr", 0, 0, 2, 1, 1},
            {"km/hr", 0, 0, 2, 1, 1},
            {"ft/min", 0, 0, 2, 1, 1}},
           {1.0, 0.335281011, 0.0125, 0.020116861, 1.1,
            2.982572727, 1.0, 0.037282159, 0.06, 3.28083,
            80.0, 26.8224809, 1.0, 1.609348854, 88.0,
            49.70954545, 16.66666667, 0.621369318, 1.0, 54.6805,
            0.909090909, 0.304800919, 0.011363636, 0.018288055, 1.0});
}

void DefineWindSpeed(clsTorviUnit& member, double step)
{
    DefinePair(member, {"mi/hr", 0, 60, 1, step, 1}, {"km/hr", 0, 100, 1, step, 1}, 1.609348854, 0.621369318);
}

void DefineLength(clsTorviUnit& member)
{
    DefinePair(member, {"feet", 0, 99, 1, 1, 1}, {"meters", 0, 30, 1, 1, 1}, 0.3048006, 3.280833437);
}

void DefineIntensity(clsTorviUnit& member)
{
    DefinePair(member, {"BTU/ft-sec", 0, 0, 0, 1, 1}, {"kW/m", 0, 0, 0, 1, 1}, 3.459143111, 0.289088936);
}

void DefineSingle(clsTorviUnit& member, const UnitEntry& entry)
{
    Define(member, {entry});
}

}  // namespace

clsUnits::clsUnits()
{
    InitUnits();
    Fill();
}

void clsUnits::Fill()
{
    DefinePair(globalHCrownUnits, {"kJ/kg", 0, 0, 0, 0, 0}, {"btu/lb", 0, 0, 0, 0, 0}, 0.430265351, 2.324147175);
    DefinePair(CanopyBDInUnits, {"kg/m3", 0, 1.0, 2, 0.02, 0.01}, {"lbs/ft3", 0, 0.06, 3, 0.005, 0.005},
               0.062427885, 16.01848281);
    DefinePair(CanopyBHInUnits, {"feet", 0, 99, 1, 0.5, 0.1}, {"meters", 0, 30, 1, 0.5, 0.1}, 0.3048006, 3.280833437);
    DefineWindSpeed(OpenWindSpdInUnits, 2);
    DefinePair(InitiationInUnits, {"meters", 0, 30, 1, 0.5, 0.1}, {"feet", 0, 99, 1, 0.5, 0.1}, 3.280833437, 0.3048006);

    const UnitEntry deadMoisture{"percent", 0, 60, 2, 1, 1};
    DefineSingle(Dead1HrMCInUnits, deadMoisture);
    DefineSingle(Dead10HrMCInUnits, deadMoisture);
    DefineSingle(Dead100HrMCInUnits, deadMoisture);
    const UnitEntry liveMoisture{"percent", 30, 300, 2, 1, 1};
    DefineSingle(LiveHerbMCInUnits, liveMoisture);
    DefineSingle(LiveWoodyMCInUnits, liveMoisture);
    DefineSingle(PercentSlopeInUnits, {"percent", 0, 100, 0, 5, 5});
    DefineSingle(WindDirFromUphillInUnits, {"degrees", 0, 360, 0, 15, 1});
    DefineSingle(ConiferFoliarMCInUnits, {"percent", 70, 120, 0, 5, 1});
    DefineSingle(CanopyFuelLoadInUnits, {"ton/acre", 0, 15, 0, 1, 1});

    const UnitEntry windReduction{"fraction", 0.1, 1.0, 1, 1, 1};
    const UnitEntry multiplier{"fraction", 0.2, 5.0, 1, 1, 1};
    DefineSingle(WindReductionFactorLowInUnits, windReduction);
    DefineSingle(MultiplierROSLowInUnits, multiplier);
    DefineSingle(MultiplierLoadDepthLowInUnits, multiplier);
    DefineSingle(MultiplierIntensityLowInUnits, multiplier);
    DefineSingle(WindReductionFactorHiInUnits, windReduction);
    DefineSingle(MultiplierROSHiInUnits, multiplier);
    DefineSingle(MultiplierLoadDepthHiInUnits, multiplier);
    DefineSingle(MultiplierIntensityHiInUnits, multiplier);

    DefinePair(ASCanopyBDOutUnits, {"kg/m3", 0, 1.0, 2, 0.02, 0.01}, {"lbs/ft3", 0, 0.06, 3, 0.02, 0.01},
               0.062427885, 16.01848281);
    DefineIntensity(CFIOutUnits);
    DefineLength(CFLenOutUnits);
    DefineWindSpeed(CIOutUnits, 1);
    DefineSpreadRate(CROSOutUnits);
    DefineWindSpeed(EMFWOutUnits, 1);
    DefineIntensity(FIOutUnits);
    Define(FIScaleOutUnits, {{"", 0, 99, 1, 1, 1}}, {1.0});
    DefineLength(FLenOutUnits);
    DefineWindSpeed(OCessOutUnits, 1);
    DefineSpreadRate(ASROSOutUnits);
    DefineSpreadRate(ROSOutUnits);
    DefinePair(HPUAOutUnits, {"BTU/ft2", 0, 0, 0, 1, 1}, {"kJ/m2", 0, 0, 0, 1, 1}, 11.3489, 0.0881);
    DefineWindSpeed(SIOutUnits, 1);
    DefineWindSpeed(TIOutUnits, 1);
}

template <class Self>
auto clsUnits::MembersOf(Self& self) -> std::array<decltype(&self.globalHCrownUnits), MemberCount>
{
    return {&self.globalHCrownUnits, &self.CanopyBDInUnits, &self.CanopyBHInUnits, &self.OpenWindSpdInUnits,
            &self.InitiationInUnits, &self.Dead1HrMCInUnits, &self.Dead10HrMCInUnits, &self.Dead100HrMCInUnits,
            &self.LiveHerbMCInUnits, &self.LiveWoodyMCInUnits, &self.PercentSlopeInUnits,
            &self.WindDirFromUphillInUnits, &self.ConiferFoliarMCInUnits, &self.CanopyFuelLoadInUnits,
            &self.WindReductionFactorLowInUnits, &self.MultiplierROSLowInUnits, &self.MultiplierLoadDepthLowInUnits,
            &self.MultiplierIntensityLowInUnits, &self.WindReductionFactorHiInUnits, &self.MultiplierROSHiInUnits,
            &self.MultiplierLoadDepthHiInUnits, &self.MultiplierIntensityHiInUnits, &self.ASCanopyBDOutUnits,
            &self.CFIOutUnits, &self.CFLenOutUnits, &self.CIOutUnits, &self.CROSOutUnits, &self.EMFWOutUnits,
            &self.FIOutUnits, &self.FIScaleOutUnits, &self.FLenOutUnits, &self.OCessOutUnits, &self.ASROSOutUnits,
            &self.ROSOutUnits, &self.HPUAOutUnits, &self.SIOutUnits, &self.TIOutUnits};
}

std::array<clsTorviUnit*, clsUnits::MemberCount> clsUnits::Members()
{
    return MembersOf(*this);
}

std::array<const clsTorviUnit*, clsUnits::MemberCount> clsUnits::Members() const
{
    return MembersOf(*this);
}

void clsUnits::InitUnits()
{
    changed = false;
    for (clsTorviUnit* member : Members())
        member->Init();
}

clsUnits clsUnits::CopyObj() const
{
    clsUnits copy;
    const auto source = Members();
    const auto target = copy.Members();
    for (std::size_t i = 0; i < MemberCount; ++i)
        *target[i] = source[i]->CloneObj();
    return copy;
}

double clsUnits::Display(clsTorviUnit& member, int16_t unit, double value, int16_t fromUnit)
{
    const double result = member.Cvt(unit, value, fromUnit);
    if (fromUnit == 0)
        changed = true;
    return result;
}

void clsUnits::FillList(const clsTorviUnit& member, UnitList& list)
{
    list.Clear();
    for (int16_t unit = 1; unit <= member.UnitSize(); ++unit)
        list.AddItem(member.UnitLbl(unit), unit);
}

// Each quantity's four operations are thin forwards to its descriptor.
#define ORVANE_CONVERT(Member, Cvt, Default)                                   \
    double clsUnits::Cvt(int16_t unit, double value, int16_t fromUnit)         \
    {                                                                          \
        return Display(Member, unit, value, fromUnit);                         \
    }                                                                          \
    double clsUnits::Default(double value) const                               \
    {                                                                          \
        return Member.CvtToNative(value);                                      \
    }
#define ORVANE_LIST(Member, List)                                              \
    void clsUnits::List(UnitList& list) const                                  \
    {                                                                          \
        FillList(Member, list);                                                \
    }
#define ORVANE_LABEL(Member, Label)                                            \
    const std::string& clsUnits::Label(int16_t unit) const                     \
    {                                                                          \
        return Member.UnitLbl(unit);                                           \
    }

ORVANE_CONVERT(globalHCrownUnits, CvtHCrown, defaultHCrown)
ORVANE_LIST(globalHCrownUnits, HCrownList)
ORVANE_LABEL(globalHCrownUnits, HCrownULbl)
ORVANE_CONVERT(CanopyBDInUnits, CvtCanopyBD, DefaultCanopyBD)
ORVANE_LIST(CanopyBDInUnits, CanopyBDList)
ORVANE_LABEL(CanopyBDInUnits, CanopyBDULbl)
ORVANE_CONVERT(CanopyBHInUnits, CvtCanopyBH, DefaultCanopyBH)
ORVANE_LIST(CanopyBHInUnits, CanopyBHInList)
ORVANE_LABEL(CanopyBHInUnits, CanopyBHInULbl)
ORVANE_CONVERT(OpenWindSpdInUnits, CvtOpenWindSpd, DefaultOpenWindSpd)
ORVANE_LIST(OpenWindSpdInUnits, OpenWindSpeedList)
ORVANE_LABEL(OpenWindSpdInUnits, OpenWindSpdULbl)
ORVANE_CONVERT(InitiationInUnits, CvtInitiation, DefaultInitiation)
ORVANE_LIST(InitiationInUnits, InitiationInList)
ORVANE_CONVERT(CROSOutUnits, CvtCROS, DefaultCROS)
ORVANE_LIST(CROSOutUnits, CROSList)
ORVANE_LABEL(CROSOutUnits, CROSULbl)
ORVANE_CONVERT(ROSOutUnits, CvtROS, DefaultROS)
ORVANE_LIST(ROSOutUnits, ROSList)
ORVANE_LABEL(ROSOutUnits, ROSULbl)
ORVANE_CONVERT(HPUAOutUnits, CvtHPUA, DefaultHPUA)
ORVANE_LIST(HPUAOutUnits, HPUAList)
ORVANE_LABEL(HPUAOutUnits, HPUAULbl)
ORVANE_CONVERT(FIOutUnits, CvtFI, DefaultFI)
ORVANE_LIST(FIOutUnits, FireIntensList)
ORVANE_LABEL(FIOutUnits, FireIntensULbl)
ORVANE_CONVERT(FIScaleOutUnits, CvtFIScale, DefaultFIScale)
ORVANE_LIST(FIScaleOutUnits, FireIntensScaleList)
ORVANE_LABEL(FIScaleOutUnits, FireIntensScaleULbl)
ORVANE_CONVERT(FLenOutUnits, CvtFLen, DefaultFLen)
ORVANE_LIST(FLenOutUnits, FLenOutList)
ORVANE_LABEL(FLenOutUnits, FLenOutULbl)
ORVANE_CONVERT(EMFWOutUnits, CvtEMFW, DefaultEMFW)
ORVANE_LIST(EMFWOutUnits, EMFWOutList)
ORVANE_LABEL(EMFWOutUnits, EMFWOutULbl)
ORVANE_CONVERT(TIOutUnits, CvtTI, DefaultTI)
ORVANE_LIST(TIOutUnits, TIOutList)
ORVANE_LABEL(TIOutUnits, TIOutULbl)
ORVANE_CONVERT(CIOutUnits, CvtCI, DefaultCI)
ORVANE_LIST(CIOutUnits, CIOutList)
ORVANE_LABEL(CIOutUnits, CIOutULbl)
ORVANE_CONVERT(SIOutUnits, CvtSI, DefaultSI)
ORVANE_LIST(SIOutUnits, SIOutList)
ORVANE_LABEL(SIOutUnits, SIOutULbl)
ORVANE_CONVERT(CFIOutUnits, CvtCFI, DefaultCFI)
ORVANE_CONVERT(CFLenOutUnits, CvtCFLen, DefaultCFLen)
ORVANE_LIST(CFLenOutUnits, CFLenOutList)
ORVANE_LABEL(CFLenOutUnits, CFLenOutULbl)
ORVANE_CONVERT(ASCanopyBDOutUnits, CvtASCanopyBD, DefaultASCanopyBD)
ORVANE_CONVERT(ASROSOutUnits, CvtASROS, DefaultASROS)
ORVANE_LIST(ASROSOutUnits, ASROSOutList)
ORVANE_CONVERT(OCessOutUnits, CvtOCess, DefaultOCess)
ORVANE_LIST(OCessOutUnits, OCessOutList)

#undef ORVANE_CONVERT
#undef ORVANE_LIST
#undef ORVANE_LABEL
