#pragma once

#include "moisture/clsMoistureLookupInputs.h"

#include <cstdint>

// Fine dead fuel moisture for daytime conditions by table lookup: a reference moisture from
// temperature and humidity, and a correction from season, shading, time of day, elevation
// relative to the weather site, aspect and slope. The fine dead fuel moisture is their sum.
class clsMoistureLookup {
public:
    struct Result {
        int16_t ReferenceFM = 0;   // percent
        int16_t CorrectionFM = 0;  // percentage points
        bool Success = true;
    };

    // Both values stay 0 and Success is false when any input is outside its valid values.
    Result FindMoisture(const clsMoistureLookupInputs& inputs) const;
};
