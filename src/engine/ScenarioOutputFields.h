#pragma once

#include <array>
#include <cstdint>

class clsTorviOutputs;
class clsTorviUnit;
class clsUnits;

// The numeric outputs of a scenario, one row per output in the order of the output panel, the
// output lists and the columns of scenario output files: the code the window and the tables give
// it, its column key in output files, where the output record holds it, the catalogue descriptor
// that shows it, and its decimals in each view that fixes them. The fire type comes before them
// everywhere and is not a row. Any value may be clsTorviOutputs::NotReachable. The file writer,
// batch processing, the output panel, the table outputs and the charts read these rows; the
// captions stay with each view.
namespace ScenarioOutputFields {

constexpr int Count = 16;

struct Field {
    const char* code;
    const char* fileKey;
    double clsTorviOutputs::*value;
    // The descriptor whose current unit shows the output; nullptr for the crown fraction burned,
    // which is a fraction.
    clsTorviUnit clsUnits::*unit;
    // False for an output shown as computed, whatever its descriptor's current unit.
    bool converted;
    int fileDecimals;
    // Decimals of the output panel; -1: the descriptor's decimals in its current unit.
    int panelDecimals;
};

const std::array<Field, Count>& All();

// The output shown in `unit` of its descriptor; a value that is not reachable stays so.
double Shown(const Field& field, clsUnits& catalogue, int16_t unit, const clsTorviOutputs& result);

}  // namespace ScenarioOutputFields
