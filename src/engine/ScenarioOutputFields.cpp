#include "engine/ScenarioOutputFields.h"

#include "engine/clsTorviOutputs.h"
#include "units/clsUnits.h"

namespace ScenarioOutputFields {

const std::array<Field, Count>& All()
{
    using O = clsTorviOutputs;
    using U = clsUnits;
    static const std::array<Field, Count> fields{{
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
    }};
    return fields;
}

double Shown(const Field& field, clsUnits& catalogue, int16_t unit, const clsTorviOutputs& result)
{
    const double native = result.*field.value;
    if (clsTorviOutputs::IsNotReachable(native) || !field.converted)
        return native;
    return (catalogue.*field.unit).Cvt(unit, native, 1);
}

}  // namespace ScenarioOutputFields
