#include "engine/ScenarioOutputFields.h"

namespace ScenarioOutputFields {

double Shown(const Field& field, clsUnits& catalogue, int16_t unit, const clsTorviOutputs& result)
{
    const double native = result.*field.value;
    if (clsTorviOutputs::IsNotReachable(native) || !field.converted)
        return native;
    return (catalogue.*field.unit).Cvt(unit, native, 1);
}

}  // namespace ScenarioOutputFields
