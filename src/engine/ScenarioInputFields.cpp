#include "engine/ScenarioInputFields.h"

#include "base/NumberText.h"
#include "engine/clsFuelModel.h"
#include "engine/clsTorviInputs.h"
#include "units/clsUnits.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>

namespace ScenarioInputFields {

namespace {

using R = clsTorviInputs;
using U = clsUnits;
using F = clsFuelModel;
constexpr TypeUse E = TypeUse::Entered;
constexpr TypeUse K = TypeUse::Kept;
constexpr TypeUse N = TypeUse::Unused;
constexpr std::array<TypeUse, 3> All{E, E, E};
constexpr std::array<TypeUse, 3> CrownTypes{E, E, N};
constexpr std::array<TypeUse, 3> ShrubOnly{E, N, N};
constexpr std::array<TypeUse, 3> ConiferOnly{N, E, N};
// A conifer stand's high side is fuel model 10 with a fixed wind reduction factor; only its
// spread rate multiplier is typed, its load and depth and its intensity multipliers still enter
// the calculation as the record holds them.
constexpr std::array<TypeUse, 3> HighSideKept{E, K, N};

constexpr Ref Whole(int32_t& member) { return {&member, nullptr}; }
constexpr Ref Real(double& member) { return {nullptr, &member}; }

// constexpr, so that a loop unrolled over the fields calls each locate where it can be inlined.
constexpr std::array<Field, Count> Fields{{
    {"SIMT", Kind::Whole, [](R& r) { return Whole(r.VegType); }, nullptr, 1, true, All, nullptr},
    {"FMlow", Kind::Whole, [](R& r) { return Whole(r.LowInputs.fuelModelID); }, nullptr, 1, true, All, nullptr},
    {"WNDRlow", Kind::Real, [](R& r) { return Real(r.LowInputs.WindReductionFactor); },
     &U::WindReductionFactorLowInUnits, 1, false, All, nullptr},
    {"ROSMlow", Kind::Real, [](R& r) { return Real(r.LowInputs.MultiplierROS); }, &U::MultiplierROSLowInUnits, 1,
     false, All, nullptr},
    {"LADMlow", Kind::Real, [](R& r) { return Real(r.LowInputs.MultiplierLoadDepth); },
     &U::MultiplierLoadDepthLowInUnits, 1, false, All, nullptr},
    {"FLIMlow", Kind::Real, [](R& r) { return Real(r.LowInputs.MultiplierIntensity); },
     &U::MultiplierIntensityLowInUnits, 1, false, All, nullptr},
    {"FMhigh", Kind::Whole, [](R& r) { return Whole(r.HighInputs.fuelModelID); }, nullptr, 1, true, All, nullptr},
    {"WNDRhigh", Kind::Real, [](R& r) { return Real(r.HighInputs.WindReductionFactor); },
     &U::WindReductionFactorHiInUnits, 1, false, ShrubOnly, nullptr},
    {"ROSMhigh", Kind::Real, [](R& r) { return Real(r.HighInputs.MultiplierROS); }, &U::MultiplierROSHiInUnits, 1,
     false, CrownTypes, nullptr},
    {"LADMhigh", Kind::Real, [](R& r) { return Real(r.HighInputs.MultiplierLoadDepth); },
     &U::MultiplierLoadDepthHiInUnits, 1, false, HighSideKept, nullptr},
    {"FLIMhigh", Kind::Real, [](R& r) { return Real(r.HighInputs.MultiplierIntensity); },
     &U::MultiplierIntensityHiInUnits, 1, false, HighSideKept, nullptr},
    // The 1-hour moisture always counts: it is also the moisture of the dead herbaceous fuel.
    {"MC01", Kind::Moisture, [](R& r) { return Real(r.Dead1HrMC); }, &U::Dead1HrMCInUnits, 1, false, All, nullptr},
    {"MC10", Kind::Moisture, [](R& r) { return Real(r.Dead10HrMC); }, &U::Dead10HrMCInUnits, 1, false, All,
     &F::load10Hr},
    {"MC100", Kind::Moisture, [](R& r) { return Real(r.Dead100HrMC); }, &U::Dead100HrMCInUnits, 1, false, All,
     &F::load100Hr},
    {"MCLH", Kind::Moisture, [](R& r) { return Real(r.LiveHerbMC); }, &U::LiveHerbMCInUnits, 1, false, All,
     &F::loadLiveHerb},
    {"MCLW", Kind::Moisture, [](R& r) { return Real(r.LiveWoodyMC); }, &U::LiveWoodyMCInUnits, 1, false, All,
     &F::loadLiveWoody},
    {"ACBD", Kind::Real, [](R& r) { return Real(r.CanopyBulkDensity); }, &U::CanopyBDInUnits, 1, false, CrownTypes,
     nullptr},
    {"CABH", Kind::Real, [](R& r) { return Real(r.CanopyBaseHeight); }, &U::CanopyBHInUnits, 1, false, ConiferOnly,
     nullptr},
    {"ACFL", Kind::Real, [](R& r) { return Real(r.CrownFuelLoad); }, &U::CanopyFuelLoadInUnits, 1, true,
     ConiferOnly, nullptr},
    {"FOMC", Kind::Real, [](R& r) { return Real(r.ConiferFoliarMC); }, &U::ConiferFoliarMCInUnits, 1, false,
     ConiferOnly, nullptr},
    {"STFL", Kind::Real, [](R& r) { return Real(r.ShrubTransFlameLength); }, &U::InitiationInUnits, 2, false,
     ShrubOnly, nullptr},
    {"OWND", Kind::Real, [](R& r) { return Real(r.OpenWindSpeed); }, &U::OpenWindSpdInUnits, 1, false, All, nullptr},
    {"SLOP", Kind::Whole, [](R& r) { return Whole(r.PercentSlope); }, &U::PercentSlopeInUnits, 1, true, All, nullptr},
    {"WDIR", Kind::Whole, [](R& r) { return Whole(r.WindDirFromUphill); }, &U::WindDirFromUphillInUnits, 1, true,
     All, nullptr},
}};

}  // namespace

const Field& At(int id)
{
    if (id < 0 || id >= Count)
        throw std::out_of_range("scenario field index " + std::to_string(id));
    return Fields[static_cast<std::size_t>(id)];
}

int IdOf(std::string_view key)
{
    for (int id = 0; id < Count; ++id)
        if (key == Fields[static_cast<std::size_t>(id)].key)
            return id;
    return -1;
}

namespace {

[[gnu::always_inline]] inline double ValueOf(const Field& field, const clsTorviInputs& record)
{
    // locate only finds the member; nothing is written through it here.
    const Ref member = field.locate(const_cast<clsTorviInputs&>(record));
    return member.whole ? *member.whole : *member.real;
}

// Each field in turn, unrolled: batch processing checks every record, and a call through a
// field's locate costs as much as reading the value.
template <std::size_t... Ids>
std::array<double, Count> EachValue(const clsTorviInputs& record, std::index_sequence<Ids...>)
{
    return {ValueOf(Fields[Ids], record)...};
}

}  // namespace

double Value(const clsTorviInputs& record, int id)
{
    return ValueOf(At(id), record);
}

std::array<double, Count> Values(const clsTorviInputs& record)
{
    return EachValue(record, std::make_index_sequence<Count>());
}

namespace {

// A file's number fits its field: it is finite, and a whole number's nearest fits 32 bits.
[[gnu::always_inline]] inline bool Fits(const Field& field, double value)
{
    if (!std::isfinite(value))
        return false;
    if (field.kind != Kind::Whole)
        return true;
    const double rounded = NumberText::RoundHalfEven(value);
    return rounded >= std::numeric_limits<int32_t>::min() && rounded <= std::numeric_limits<int32_t>::max();
}

// Stores a number that fits the field.
[[gnu::always_inline]] inline void Put(const Field& field, clsTorviInputs& record, double value)
{
    const Ref target = field.locate(record);
    if (target.whole)
        *target.whole = static_cast<int32_t>(NumberText::RoundHalfEven(value));
    else
        *target.real = field.kind == Kind::Moisture ? NumberText::RoundHalfEven(value) : value;
}

// Each field in turn, unrolled, as EachValue: every number checked before any is stored.
template <std::size_t... Ids>
bool StoreEach(clsTorviInputs& record, const std::array<double, Count>& values, std::index_sequence<Ids...>)
{
    if (!(Fits(Fields[Ids], values[Ids]) && ...))
        return false;
    (Put(Fields[Ids], record, values[Ids]), ...);
    return true;
}

}  // namespace

bool StoreFileValue(clsTorviInputs& record, int id, double value)
{
    const Field& field = At(id);
    if (!Fits(field, value))
        return false;
    Put(field, record, value);
    return true;
}

bool StoreFileValues(clsTorviInputs& record, const std::array<double, Count>& values)
{
    return StoreEach(record, values, std::make_index_sequence<Count>());
}

void StoreTypedValue(clsTorviInputs& record, int id, double value)
{
    const Field& field = At(id);
    const Ref target = field.locate(record);
    if (target.whole)
        *target.whole = static_cast<int32_t>(NumberText::RoundHalfEven(value));
    else
        *target.real = field.typedWhole ? NumberText::RoundHalfEven(value) : value;
}

double ToRecord(int id, clsTorviUnit& descriptor, int16_t unit, double value)
{
    return descriptor.UnitSize() > 1 ? descriptor.Cvt(At(id).recordUnit, value, unit) : value;
}

double FromRecord(int id, clsTorviUnit& descriptor, int16_t unit, double value)
{
    return descriptor.UnitSize() > 1 ? descriptor.Cvt(unit, value, At(id).recordUnit) : value;
}

TypeUse UseByType(int id, int32_t simulationType)
{
    return At(id).byType[static_cast<std::size_t>(simulationType - clsTorviInputs::Shrub)];
}

}  // namespace ScenarioInputFields
