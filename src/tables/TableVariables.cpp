#include "tables/TableVariables.h"

#include "base/NumberText.h"
#include "engine/ScenarioInputFields.h"

#include <algorithm>
#include <charconv>

namespace TableVariables {

namespace {

// A variable of an input field: its code and descriptor are the field's.
Variable Of(int16_t id, int field, const char* rowText, const char* pageText, const char* fixedLabel,
            void (clsUnits::*fillList)(clsUnits::UnitList&) const)
{
    const ScenarioInputFields::Field& input = ScenarioInputFields::At(field);
    return {id, field, input.key, rowText, pageText, input.unit, fixedLabel, fillList};
}

}  // namespace

const std::vector<Variable>& Variables()
{
    namespace F = ScenarioInputFields;
    using U = clsUnits;
    // The row list spells the fourth entry with two blanks; the page list with one.
    static const std::vector<Variable> variables = {
        Of(1, F::Dead1Hr, "Dead Moisture 1-Hr", "Dead Moisture 1-Hr", "percent", nullptr),
        Of(2, F::Dead10Hr, "Dead Moisture 10-Hr", "Dead Moisture 10-Hr", "percent", nullptr),
        Of(3, F::Dead100Hr, "Dead Moisture 100-Hr", "Dead Moisture 100-Hr", "percent", nullptr),
        Of(4, F::LiveHerb, "Live herb  moisture", "Live herb moisture", "percent", nullptr),
        Of(5, F::LiveWoody, "Live woody moisture", "Live woody moisture", "percent", nullptr),
        Of(6, F::CanopyBulkDensity, "Canopy bulk density", "Canopy bulk density", nullptr, &U::CanopyBDList),
        Of(7, F::ShrubTransitionFlameLength, "Transition flame length", "Transition flame length", nullptr,
           &U::InitiationInList),
        Of(8, F::CanopyBaseHeight, "Canopy base height", "Canopy base height", nullptr, &U::CanopyBHInList),
        Of(9, F::Slope, "Slope", "Slope", "percent", nullptr),
        Of(10, F::OpenWindSpeed, "Open windspeed", "Open windspeed", nullptr, &U::OpenWindSpeedList),
        Of(11, F::WindDirection, "Wind direction", "Wind direction", "degrees", nullptr),
    };
    return variables;
}

const std::vector<Output>& Outputs()
{
    using U = clsUnits;
    struct View {
        const char* text;
        void (clsUnits::*fillList)(clsUnits::UnitList&) const;
    };
    // In the order of the outputs. The critical intensity and bulk density lists show the labels
    // of the fireline intensity and the canopy bulk density input, which are the same units.
    static const View views[] = {
        {"Crown Fraction Burned (CRFB)", nullptr},
        {"Headfire Spread Rate (SPRT)", &U::ROSList},
        {"Heat per Unit Area (HPUA)", &U::HPUAList},
        {"Fireline Intensity (FLIN)", &U::FireIntensList},
        {"Fire Intensity Scale (FIS)", &U::FireIntensScaleList},
        {"Flame Length (FLML)", &U::FLenOutList},
        {"Eff. Midflame Wind Spd (EMFW)", &U::EMFWOutList},
        {"Torching Index (TORI)", &U::TIOutList},
        {"Crowning Index (CRNI)", &U::CIOutList},
        {"Surfacing Index (SURI)", &U::SIOutList},
        {"FLINinitiation", &U::FireIntensList},
        {"FLMLinitiation", &U::CFLenOutList},
        {"SPRTinitiation", &U::CROSList},
        {"ACBDactive", &U::CanopyBDList},
        {"SPRTactive", &U::ASROSOutList},
        {"OWNDcessation", &U::OCessOutList},
    };
    static_assert(std::size(views) == ScenarioOutputFields::Count, "one entry for each output");
    static const std::vector<Output> outputs = [] {
        std::vector<Output> list;
        const auto& fields = ScenarioOutputFields::All();
        for (std::size_t i = 0; i < fields.size(); ++i)
            list.push_back({static_cast<int16_t>(i + 1), &fields[i], fields[i].code, views[i].text, fields[i].unit,
                            views[i].fillList});
        return list;
    }();
    return outputs;
}

const Variable* FindVariable(int16_t id)
{
    return id >= 1 && id <= VariableCount ? &Variables()[static_cast<std::size_t>(id - 1)] : nullptr;
}

const Output* FindOutput(int16_t id)
{
    return id >= 1 && static_cast<std::size_t>(id) <= Outputs().size() ? &Outputs()[static_cast<std::size_t>(id - 1)]
                                                                       : nullptr;
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
    return ScenarioInputFields::At(variable.field).recordUnit;
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

double ReadInput(const Variable& variable, const clsTorviInputs& record)
{
    return ScenarioInputFields::Value(record, variable.field);
}

void WriteInput(const Variable& variable, clsTorviInputs& record, double value)
{
    ScenarioInputFields::StoreTypedValue(record, variable.field, value);
}

double OutputValue(const Output& output, clsUnits& catalogue, int16_t unit, const clsTorviOutputs& result)
{
    return ScenarioOutputFields::Shown(*output.field, catalogue, unit, result);
}

bool InRange(double v, double first, double last, int16_t decimals)
{
    const double a = NumberText::RoundToDecimals(first, decimals);
    const double b = NumberText::RoundToDecimals(last, decimals);
    const double value = NumberText::RoundToDecimals(v, decimals);
    return std::min(a, b) <= value && value <= std::max(a, b);
}

std::vector<double> RowValues(double first, double last, double step, int16_t decimals)
{
    double increment = NumberText::RoundToDecimals(step, decimals);
    if (!(increment > 0))
        return {};
    if (last < first)
        increment = -increment;
    std::vector<double> rows;
    for (double v = NumberText::RoundToDecimals(first, decimals); InRange(v, first, last, decimals); v += increment)
        rows.push_back(NumberText::RoundToDecimals(v, decimals));
    return rows;
}

}  // namespace TableVariables
