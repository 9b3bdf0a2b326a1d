#pragma once

#include "engine/clsTorviOutputs.h"
#include "units/clsUnits.h"

#include <array>
#include <cstdint>

// The numeric outputs of a scenario, one row per output in the order of the output panel, the
// output lists and the columns of scenario output files: the code the window and the tables give
// it, its column key in output files, where the output record holds it, the catalogue descriptor
// that shows it, and its decimals in each view that fixes them. The fire type comes before them
// everywhere and is not a row. Any value may be clsTorviOutputs::NotReachable. The file writer,
// batch processing, the output panel, the table outputs and the charts read these rows; the
// captions stay with each view.
namespace ScenarioOutputFields {

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

// The rows, in the header so that the count follows them: an output is added with its row here and
// its caption in each view that shows it.
inline constexpr auto Rows = [] {
    using O = clsTorviOutputs;
    using U = clsUnits;
    return std::to_array<Field>({
        {"CRFB", "CRFB", &O::TransitionFunction, nullptr, false, 2, 2},
        {"SPRT", "SPRT", &O::RateOfSpread, &U::ROSOutUnits, true, 2, 2},
        {"HPUA", "HPUA", &O::HeatPerUnitArea, &U::HPUAOutUnits, true, 0, 0},
        {"FLIN", "FLIN", &O::FirelineIntensity, &U::FIOutUnits, true, 0, 0},
        {"FIS", "FIS", &O::FireIntensityScale, &U::FIScaleOutUnits, false, 1, 1},
        {"FLML", "FLML", &O::FlameLength, &U::FLenOutUnits, true, 2, 1},
        {"EMFW", "EMFW", &O::EffectiveMidflameWind, &U::EMFWOutUnits, true, 1, 1},
        {"TORI", "TORI", &O::TorchingIndex, &U::TIOutUnits, true, 1, 1},
        {"CRNI", "CRNI", &O::CrowningIndex, &U::CIOutUnits, true, 1, 1},
        {"SURI", "SURI", &O::SurfacingIndex, &U::SIOutUnits, true, 1, 1},
        {"FLINinitiation", "FLINI", &O::CrownFirelineIntensity, &U::CFIOutUnits, true, 0, 0},
        {"FLMLinitiation", "FLMLI", &O::CrownFlameLength, &U::CFLenOutUnits, true, 2, 1},
        {"SPRTinitiation", "SPRTI", &O::CrownCriticalSurfaceROS, &U::CROSOutUnits, true, 2, 2},
        {"ACBDactive", "ACBD", &O::CrownCriticalBulkDensity, &U::ASCanopyBDOutUnits, true, 3, -1},
        {"SPRTactive", "ASPRT", &O::CrownRActive, &U::ASROSOutUnits, true, 2, 2},
        {"OWNDcessation", "OWNDC", &O::CrownOCessation, &U::OCessOutUnits, true, 1, 1},
    });
}();

constexpr int Count = static_cast<int>(Rows.size());

inline const std::array<Field, Count>& All()
{
    return Rows;
}

// The output shown in `unit` of its descriptor; a value that is not reachable stays so.
double Shown(const Field& field, clsUnits& catalogue, int16_t unit, const clsTorviOutputs& result);

}  // namespace ScenarioOutputFields
