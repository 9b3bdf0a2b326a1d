#pragma once

#include "engine/clsTorviInputs.h"
#include "engine/clsTorviOutputs.h"
#include "engine/ScenarioOutputFields.h"
#include "units/clsUnits.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The inputs that a table or chart can vary along its rows or hold at one page value, and the
// engine outputs that can fill its cells: their list texts, file codes, catalogue members and how
// each meets the engine's records. Ids count from 1 in list order, as the lists' item data.
namespace TableVariables {

constexpr int16_t VariableCount = 11;
constexpr int16_t OpenWindSpeedId = 10;
constexpr int16_t CrownFractionBurnedId = 1;

struct Variable {
    int16_t id;
    int field;             // the scenario input field (ScenarioInputFields)
    const char* code;      // the scenario file key
    const char* rowText;   // entry of the row list
    const char* pageText;  // entry of the page list
    clsTorviUnit clsUnits::*member;  // the field's descriptor
    // The one unit shown for a quantity that is never converted; nullptr for a converted one,
    // whose unit list the catalogue fills.
    const char* fixedLabel;
    void (clsUnits::*fillList)(clsUnits::UnitList&) const;
};

struct Output {
    int16_t id;
    const ScenarioOutputFields::Field* field;
    const char* code;
    const char* text;  // entry of the output list
    // The member whose current unit the output is shown in; nullptr for the crown fraction burned.
    clsTorviUnit clsUnits::*member;
    void (clsUnits::*fillList)(clsUnits::UnitList&) const;  // nullptr: the single entry "fraction"
};

// Id 1..VariableCount, or nullptr.
const Variable* FindVariable(int16_t id);
// Id 1 to the number of outputs, or nullptr.
const Output* FindOutput(int16_t id);
// By file code (exact case) or by id written as a number; nullptr for anything else.
const Variable* VariableByName(std::string_view name);
const Output* OutputByName(std::string_view name);
const std::vector<Variable>& Variables();
const std::vector<Output>& Outputs();

// The unit of its descriptor a variable has in the engine's record.
int16_t RecordUnit(const Variable& variable);
bool IsConverted(const Variable& variable);
// A display value in `unit`, turned into the record's unit.
double ToRecord(const Variable& variable, clsTorviUnit& member, int16_t unit, double value);
// A record value shown in `unit`.
double FromRecord(const Variable& variable, clsTorviUnit& member, int16_t unit, double value);

// The variable's input of the record, in the record's unit. Slope and wind direction are whole
// numbers there: a written value is rounded to the nearest, halves to the even neighbour.
double ReadInput(const Variable& variable, const clsTorviInputs& record);
void WriteInput(const Variable& variable, clsTorviInputs& record, double value);

// The output's quantity of a result, shown in `unit` of the output's member (native unit 1 in).
double OutputValue(const Output& output, clsUnits& catalogue, int16_t unit, const clsTorviOutputs& result);

// Whether v lies in the range from `first` to `last` (either may be the larger) once all three
// are rounded to `decimals`; both ends included.
bool InRange(double v, double first, double last, int16_t decimals);
// The row values of a range: from `first` in steps of `step` (rounded to the decimals, taken
// downwards when `last` is below `first`) while InRange. Each value is accumulated from the one
// before and returned rounded to the decimals, as the input column shows it. A step that rounds
// to 0 gives no rows.
std::vector<double> RowValues(double first, double last, double step, int16_t decimals);

}  // namespace TableVariables
