#pragma once

#include <cstdint>

// The conditions of one fine dead fuel moisture lookup, as the codes of the window's lists and
// the whole-number temperature and humidity.
struct clsMoistureLookupInputs {
    int16_t DayOrNight = 0;   // 1 day; the tables cover daytime only
    int16_t Temperature = 0;  // dry-bulb, degrees Fahrenheit, 10 and above
    int16_t Humidity = 0;     // relative humidity, percent, 0..100
    int16_t Season = 0;       // 1 Summer, 2 Spring/Fall, 3 Winter
    int16_t Shading = 0;      // 1 Exposed, 2 Shaded
    int16_t Time = 0;         // 1 "8am - 10am" .. 6 "6pm - 8pm"
    int16_t Elevation = 0;    // relative to the weather site: 1 Below, 2 Level, 3 Above
    int16_t Aspect = 0;       // 1 North, 2 East, 3 South, 4 West
    int16_t Slope = 0;        // 1 Flat/Steep, 2 Very Steep
};
