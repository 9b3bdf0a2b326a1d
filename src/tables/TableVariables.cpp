#include "tables/TableVariables.h"

#include "app/TextLines.h"

#include <algorithm>
#include <charconv>

namespace TableVariables {

const std::vector<Variable>& Variables()
{
    // The row list spells the fourth entry with two blanks; the page list with one.
    static const std::vector<Variable> variables = {
        {1, "MC01", "Dead Moisture 1-Hr", "Dead Moisture 1-Hr", &clsUnits::Dead1HrMCInUnits, "percent", nullptr},
        {2, "MC10", "Dead Moisture 10-Hr", "Dead Moisture 10-Hr", &clsUnits::Dead10HrMCInUnits, "percent", nullptr},
        {3, "MC100", "Dead Moisture 100-Hr", "Dead Moisture 100-Hr", &clsUnits::Dead100HrMCInUnits, "percent",
         nullptr},
        {4, "MCLH", "Live herb  moisture", "Live herb moisture", &clsUnits::LiveHerbMCInUnits, "percent", nullptr},
        {5, "MCLW", "Live woody moisture", "Live woody moisture", &clsUnits::LiveWoodyMCInUnits, "percent", nullptr},
        {6, "ACBD", "Canopy bulk density", "Canopy bulk density", &clsUnits::CanopyBDInUnits, nullptr,
         &clsUnits::CanopyBDList},
        {7, "STFL", "Transition flame length", "Transition flame length", &clsUnits::InitiationInUnits, nullptr,
         &clsUnits::InitiationInList},
        {8, "CABH", "Canopy base height", "Canopy base height", &clsUnits::CanopyBHInUnits, nullptr,
         &clsUnits::CanopyBHInList},
        {9, "SLOP", "Slope", "Slope", &clsUnits::PercentSlopeInUnits, "percent", nullptr},
        {10, "OWND", "Open windspeed", "Open windspeed", &clsUnits::OpenWindSpdInUnits, nullptr,
         &clsUnits::OpenWindSpeedList},
        {11, "WDIR", "Wind direction", "Wind direction", &clsUnits::WindDirFromUphillInUnits, "degrees", nullptr},
    };
    return variables;
}

const std::vector<Output>& Outputs()
{
    using U = clsUnits;
    using O = clsTorviOutputs;
    static const std::vector<Output> outputs = {
        {1, "CRFB", "Crown Fraction Burned (CRFB)", nullptr, false, &O::TransitionFunction, nullptr},
        {2, "SPRT", "Headfire Spread Rate (SPRT)", &U::ROSOutUnits, true, &O::RateOfSpread, &U::ROSList},
        {3, "HPUA", "Heat per Unit Area (HPUA)", &U::HPUAOutUnits, true, &O::HeatPerUnitArea, &U::HPUAList},
        {4, "FLIN", "Fireline Intensity (FLIN)", &U::FIOutUnits, true, &O::FirelineIntensity, &U::FireIntensList},
        {5, "FIS", "Fire Intensity Scale (FIS)", &U::FIScaleOutUnits, false, &O::FireIntensityScale,
         &U::FireIntensScaleList},
        {6, "FLML", "Flame Length (FLML)", &U::FLenOutUnits, true, &O::FlameLength, &U::FLenOutList},
        {7, "EMFW", "Eff. Midflame Wind Spd (EMFW)", &U::EMFWOutUnits, true, &O::EffectiveMidflameWind,
         &U::EMFWOutList},
        {8, "TORI", "Torching Index (TORI)", &U::TIOutUnits, true, &O::TorchingIndex, &U::TIOutList},
        {9, "CRNI", "Crowning Index (CRNI)", &U::CIOutUnits, true, &O::CrowningIndex, &U::CIOutList},
        {10, "SURI", "Surfacing Index (SURI)", &U::SIOutUnits, true, &O::SurfacingIndex, &U::SIOutList},
        // The critical intensity and bulk density lists show the labels of the fireline intensity and
        // the canopy bulk density input, which are the same units.
        {11, "FLINinitiation", "FLINinitiation", &U::CFIOutUnits, true, &O::CrownFirelineIntensity,
         &U::FireIntensList},
        {12, "FLMLinitiation", "FLMLinitiation", &U::CFLenOutUnits, true, &O::CrownFlameLength, &U::CFLenOutList},
        {13, "SPRTinitiation", "SPRTinitiation", &U::CROSOutUnits, true, &O::CrownCriticalSurfaceROS, &U::CROSList},
        {14, "ACBDactive", "ACBDactive", &U::ASCanopyBDOutUnits, true, &O::CrownCriticalBulkDensity,
         &U::CanopyBDList},
        {15, "SPRTactive", "SPRTactive", &U::ASROSOutUnits, true, &O::CrownRActive, &U::ASROSOutList},
        {16, "OWNDcessation", "OWNDcessation", &U::OCessOutUnits, true, &O::CrownOCessation, &U::OCessOutList},
    };
    return outputs;
}

const Variable* FindVariable(int16_t id)
{
    return id >= 1 && id <= VariableCount ? &Variables()[static_cast<std::size_t>(id - 1)] : nullptr;
}

const Output* FindOutput(int16_t id)
{
    return id >= 1 && id <= OutputCount ? &Outputs()[static_cast<std::size_t>(id - 1)] : nullptr;
}

template <class Entry>
static const Entry* ByName(const std::vector<Entry>& entries, std::string_view name)
{
    for (const Entry& entry : entries)
        if (name == entry.code)
            return &entry;
    int id = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), id);
    if (error != std::errc() || end != name.data() + name.size() || id < 1 || id > static_cast<int>(entries.size()))
        return nullptr;
    return &entries[static_cast<std::size_t>(id - 1)];
}

const Variable* VariableByName(std::string_view name)
{
    return ByName(Variables(), name);
}

const Output* OutputByName(std::string_view name)
{
    return ByName(Outputs(), name);
}

int16_t RecordUnit(const Variable& variable)
{
    return variable.id == 7 ? 2 : 1;
}

bool IsConverted(const Variable& variable)
{
    return variable.fixedLabel == nullptr;
}

double ToRecord(const Variable& variable, clsTorviUnit& member, int16_t unit, double value)
{
    return IsConverted(variable) ? member.Cvt(RecordUnit(variable), value, unit) : value;
}

double FromRecord(const Variable& variable, clsTorviUnit& member, int16_t unit, double value)
{
    return IsConverted(variable) ? member.Cvt(unit, value, RecordUnit(variable)) : value;
}

// The record field behind a variable: a whole number or a real.
template <class Record>
static auto Field(int16_t id, Record& r)
{
    struct Ref {
        decltype(&r.PercentSlope) whole;
        decltype(&r.OpenWindSpeed) real;
    };
    switch (id) {
    case 1: return Ref{nullptr, &r.Dead1HrMC};
    case 2: return Ref{nullptr, &r.Dead10HrMC};
    case 3: return Ref{nullptr, &r.Dead100HrMC};
    case 4: return Ref{nullptr, &r.LiveHerbMC};
    case 5: return Ref{nullptr, &r.LiveWoodyMC};
    case 6: return Ref{nullptr, &r.CanopyBulkDensity};
    case 7: return Ref{nullptr, &r.ShrubTransFlameLength};
    case 8: return Ref{nullptr, &r.CanopyBaseHeight};
    case 9: return Ref{&r.PercentSlope, nullptr};
    case 10: return Ref{nullptr, &r.OpenWindSpeed};
    default: return Ref{&r.WindDirFromUphill, nullptr};
    }
}

double ReadInput(const Variable& variable, const clsTorviInputs& record)
{
    const auto field = Field(variable.id, record);
    return field.whole ? static_cast<double>(*field.whole) : *field.real;
}

void WriteInput(const Variable& variable, clsTorviInputs& record, double value)
{
    const auto field = Field(variable.id, record);
    if (field.whole)
        *field.whole = static_cast<int32_t>(TextLines::RoundHalfEven(value));
    else
        *field.real = value;
}

double OutputValue(const Output& output, clsUnits& catalogue, int16_t unit, const clsTorviOutputs& result)
{
    const double native = result.*output.quantity;
    if (clsTorviOutputs::IsNotReachable(native))
        return native;
    return output.converted ? (catalogue.*output.member).Cvt(unit, native, 1) : native;
}

bool InRange(double v, double first, double last, int16_t decimals)
{
    const double a = TextLines::RoundToDecimals(first, decimals);
    const double b = TextLines::RoundToDecimals(last, decimals);
    const double value = TextLines::RoundToDecimals(v, decimals);
    return std::min(a, b) <= value && value <= std::max(a, b);
}

std::vector<double> RowValues(double first, double last, double step, int16_t decimals)
{
    double increment = TextLines::RoundToDecimals(step, decimals);
    if (!(increment > 0))
        return {};
    if (last < first)
        increment = -increment;
    std::vector<double> rows;
    for (double v = TextLines::RoundToDecimals(first, decimals); InRange(v, first, last, decimals); v += increment)
        rows.push_back(TextLines::RoundToDecimals(v, decimals));
    return rows;
}

}  // namespace TableVariables
