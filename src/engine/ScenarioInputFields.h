#pragma once

#include <array>
#include <cstdint>
#include <string_view>

class clsFuelModel;
class clsTorviInputs;
class clsTorviUnit;
class clsUnits;

// The inputs of a scenario, one row per field in the order of scenario input files: what each
// field is called there, where the engine record holds it, how a number is stored into it, which
// catalogue descriptor checks and shows it and in which of its units the record holds it, and
// which simulation types use it. The file readers and writers, batch processing, the input panel
// and the table variables all read these rows; the captions stay with each view.
namespace ScenarioInputFields {

constexpr int Count = 24;

// Field ids: the column of the field in scenario input files.
enum Id : int {
    SimulationType = 0,
    LowFuelModel = 1,
    LowWindReduction = 2,
    HighFuelModel = 6,
    HighWindReduction = 7,
    Dead1Hr = 11,
    Dead10Hr = 12,
    Dead100Hr = 13,
    LiveHerb = 14,
    LiveWoody = 15,
    CanopyBulkDensity = 16,
    CanopyBaseHeight = 17,
    CrownFuelLoad = 18,
    ShrubTransitionFlameLength = 20,
    OpenWindSpeed = 21,
    Slope = 22,
    WindDirection = 23,
};

// How a field holds a number: a whole number, a real, or a moisture that files hold in whole
// percent (a file's moisture is rounded to the nearest as it is read).
enum class Kind { Whole, Real, Moisture };

// How a simulation type takes a field: typed by the analyst, entering the calculation as the
// record holds it without being typed, or not at all.
enum class TypeUse { Entered, Kept, Unused };

// The record member behind a field: a whole number or a real, never both.
struct Ref {
    int32_t* whole = nullptr;
    double* real = nullptr;
};

struct Field {
    const char* key;
    Kind kind;
    Ref (*locate)(clsTorviInputs&);
    // The descriptor of the field's range and display units; nullptr for the simulation type and
    // the fuel models, which are chosen from lists.
    clsTorviUnit clsUnits::*unit;
    // The descriptor's unit the record holds the field in: the native unit 1, except the shrub
    // transition flame length, which is held in feet (unit 2).
    int16_t recordUnit;
    // The box takes whole numbers: a typed value is rounded to the nearest, halves to even.
    bool typedWhole;
    // Shrub, conifer and surface, in that order.
    std::array<TypeUse, 3> byType;
    // The load of the moisture's size class in a fuel model: a moisture no chosen model carries
    // a load of does not burn. nullptr for a field that always counts.
    double clsFuelModel::*sizeClassLoad;
};

// Field 0..Count-1; another id throws std::out_of_range.
const Field& At(int id);
// The id of the field with that key, -1 for none.
int IdOf(std::string_view key);

// The field's value in the record, in the record's unit.
double Value(const clsTorviInputs& record, int id);
// Every field's value, in one call for the batch's sake.
std::array<double, Count> Values(const clsTorviInputs& record);
// Stores a number as a file holds it: whole numbers and moistures rounded to the nearest, halves
// to even. False, leaving the record as it was, when the number is not finite or a whole number
// does not fit 32 bits.
bool StoreFileValue(clsTorviInputs& record, int id, double value);
// Every field's number of a data line stored as StoreFileValue stores it, in one call for the
// batch's sake. False, leaving the record as it was, when one does not fit.
bool StoreFileValues(clsTorviInputs& record, const std::array<double, Count>& values);
// Stores a checked number in the record's unit as a box or a table row gives it: whole numbers
// and the fields typed whole rounded to the nearest, halves to even.
void StoreTypedValue(clsTorviInputs& record, int id, double value);

// A value in the descriptor's display unit `unit` turned into the record's unit, and back; a
// descriptor with a single unit is never converted.
double ToRecord(int id, clsTorviUnit& descriptor, int16_t unit, double value);
double FromRecord(int id, clsTorviUnit& descriptor, int16_t unit, double value);

// How a simulation type (clsTorviInputs::Shrub..Surface) takes the field.
TypeUse UseByType(int id, int32_t simulationType);

}  // namespace ScenarioInputFields
