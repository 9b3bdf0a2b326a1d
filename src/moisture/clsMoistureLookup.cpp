#include "moisture/clsMoistureLookup.h"

#include <algorithm>
#include <iterator>
#include <span>

namespace {

constexpr int SeasonCount = 3;
constexpr int ShadingCount = 2;
constexpr int TimeCount = 6;
constexpr int ElevationCount = 3;
constexpr int AspectCount = 4;
constexpr int SlopeCount = 2;

constexpr int LowestTemperature = 10;
constexpr int TemperatureBandWidth = 20;
constexpr int HighestHumidity = 100;

// The humidities after the previous range of the band, up to and including HighestHumidity,
// share this reference moisture.
struct HumidityRange {
    int16_t HighestHumidity;
    int16_t Moisture;
};

// 10 to 29 degrees
constexpr HumidityRange ReferenceFrom10[] = {
    {4, 1}, {14, 2}, {19, 3}, {24, 4}, {34, 5}, {39, 6}, {44, 7}, {59, 8}, {69, 9}, {74, 10}, {79, 11},
    {89, 12}, {99, 13}, {100, 14}
};
// 30 to 49 degrees
constexpr HumidityRange ReferenceFrom30[] = {
    {4, 1}, {14, 2}, {19, 3}, {24, 4}, {34, 5}, {39, 6}, {54, 7}, {59, 8}, {69, 9}, {79, 10}, {84, 11},
    {89, 12}, {100, 13}
};
// 50 to 69 degrees
constexpr HumidityRange ReferenceFrom50[] = {
    {4, 1}, {14, 2}, {19, 3}, {24, 4}, {34, 5}, {44, 6}, {54, 7}, {64, 8}, {74, 9}, {79, 10}, {84, 11},
    {99, 12}, {100, 13}
};
// 70 to 89 degrees
constexpr HumidityRange ReferenceFrom70[] = {
    {9, 1}, {19, 2}, {24, 3}, {29, 4}, {39, 5}, {44, 6}, {54, 7}, {69, 8}, {74, 9}, {84, 10}, {89, 11},
    {99, 12}, {100, 13}
};
// 90 to 109 degrees
constexpr HumidityRange ReferenceFrom90[] = {
    {9, 1}, {19, 2}, {24, 3}, {34, 4}, {39, 5}, {44, 6}, {54, 7}, {69, 8}, {74, 9}, {84, 10}, {89, 11},
    {99, 12}, {100, 13}
};
// 110 degrees and above
constexpr HumidityRange ReferenceFrom110[] = {
    {9, 1}, {19, 2}, {24, 3}, {34, 4}, {39, 5}, {44, 6}, {54, 7}, {69, 8}, {74, 9}, {84, 10}, {89, 11},
    {100, 12}
};

// Bands of 20 degrees from LowestTemperature; the last band has no upper end.
constexpr std::span<const HumidityRange> ReferenceBands[] = {
    ReferenceFrom10, ReferenceFrom30, ReferenceFrom50, ReferenceFrom70, ReferenceFrom90, ReferenceFrom110,
};
constexpr int BandCount = static_cast<int>(std::size(ReferenceBands));

// Percentage points by season, shading, time of day and elevation (Below, Level, Above); the
// columns pair aspect and slope class: N flat/steep, N very steep, E ..., S ..., W ...
constexpr int8_t Correction[SeasonCount][ShadingCount][TimeCount][ElevationCount][AspectCount * SlopeCount] = {
    {
        {   // Summer, Exposed
            {{2, 3, 2, 1, 2, 2, 2, 4}, {3, 4, 2, 2, 3, 3, 3, 5}, {4, 4, 3, 2, 3, 3, 4, 6}},   // 8am - 10am
            {{1, 1, 1, 0, 1, 1, 1, 2}, {1, 2, 1, 0, 1, 1, 1, 3}, {1, 2, 1, 1, 1, 2, 2, 4}},   // 10am - 12pm
            {{0, 1, 0, 0, 0, 0, 0, 1}, {0, 1, 0, 0, 0, 1, 0, 1}, {1, 2, 1, 1, 1, 1, 1, 2}},   // 12pm - 2pm
            {{0, 1, 0, 1, 0, 0, 0, 0}, {0, 1, 0, 1, 0, 1, 0, 0}, {1, 2, 1, 2, 1, 1, 1, 1}},   // 2pm - 4pm
            {{1, 1, 1, 2, 1, 1, 0, 0}, {1, 2, 1, 3, 1, 1, 1, 0}, {1, 2, 2, 4, 1, 2, 1, 1}},   // 4pm - 6pm
            {{2, 3, 3, 4, 2, 2, 2, 1}, {3, 4, 4, 5, 3, 3, 3, 2}, {4, 4, 4, 6, 3, 3, 3, 2}},   // 6pm - 8pm
        },
        {   // Summer, Shaded
            {{4, 4, 4, 4, 4, 4, 4, 4}, {5, 5, 4, 4, 4, 4, 5, 5}, {5, 5, 5, 5, 5, 5, 6, 6}},   // 8am - 10am
            {{3, 3, 3, 3, 3, 3, 3, 3}, {4, 4, 4, 4, 4, 4, 4, 4}, {5, 5, 5, 5, 5, 5, 5, 5}},   // 10am - 12pm
            {{3, 3, 3, 3, 3, 3, 3, 3}, {3, 3, 3, 3, 3, 3, 3, 3}, {4, 4, 4, 4, 4, 4, 4, 4}},   // 12pm - 2pm
            {{3, 3, 3, 3, 3, 3, 3, 3}, {3, 3, 4, 4, 3, 3, 3, 3}, {4, 4, 4, 4, 4, 4, 4, 4}},   // 2pm - 4pm
            {{3, 3, 3, 3, 3, 3, 3, 3}, {4, 4, 4, 4, 4, 4, 4, 4}, {5, 5, 5, 5, 5, 5, 5, 5}},   // 4pm - 6pm
            {{4, 4, 4, 4, 4, 4, 4, 4}, {5, 5, 5, 5, 5, 5, 4, 4}, {5, 5, 6, 6, 5, 5, 5, 5}},   // 6pm - 8pm
        },
    },
    {
        {   // Spring/Fall, Exposed
            {{3, 3, 3, 3, 3, 3, 3, 4}, {4, 4, 4, 3, 4, 4, 4, 5}, {5, 5, 5, 4, 5, 5, 5, 6}},   // 8am - 10am
            {{1, 3, 1, 1, 1, 1, 1, 3}, {2, 3, 2, 1, 2, 2, 2, 4}, {3, 4, 3, 1, 2, 2, 3, 5}},   // 10am - 12pm
            {{1, 2, 1, 1, 1, 0, 1, 1}, {1, 3, 1, 1, 1, 1, 1, 2}, {2, 4, 1, 1, 1, 1, 1, 3}},   // 12pm - 2pm
            {{1, 2, 1, 1, 1, 0, 1, 1}, {1, 3, 1, 2, 1, 1, 1, 1}, {2, 4, 2, 3, 1, 1, 1, 1}},   // 2pm - 4pm
            {{1, 3, 1, 3, 1, 1, 1, 1}, {2, 3, 2, 4, 2, 2, 2, 1}, {3, 4, 3, 5, 3, 2, 3, 1}},   // 4pm - 6pm
            {{3, 3, 3, 4, 3, 3, 3, 3}, {4, 4, 4, 5, 4, 4, 4, 3}, {5, 5, 5, 6, 5, 5, 5, 4}},   // 6pm - 8pm
        },
        {   // Spring/Fall, Shaded
            {{4, 4, 4, 4, 4, 4, 4, 4}, {5, 5, 5, 5, 5, 5, 5, 5}, {6, 6, 6, 6, 6, 6, 6, 6}},   // 8am - 10am
            {{4, 4, 3, 3, 3, 3, 4, 4}, {5, 5, 4, 4, 4, 4, 5, 5}, {5, 5, 5, 5, 5, 5, 6, 6}},   // 10am - 12pm
            {{3, 3, 3, 3, 3, 3, 3, 3}, {4, 4, 4, 4, 4, 4, 4, 4}, {5, 5, 5, 5, 5, 5, 5, 5}},   // 12pm - 2pm
            {{3, 3, 3, 3, 3, 3, 3, 3}, {4, 4, 4, 4, 4, 4, 4, 4}, {5, 5, 5, 5, 5, 5, 5, 5}},   // 2pm - 4pm
            {{4, 4, 4, 4, 3, 3, 3, 3}, {5, 5, 5, 5, 4, 4, 4, 4}, {5, 5, 6, 6, 5, 5, 5, 5}},   // 4pm - 6pm
            {{4, 4, 4, 4, 4, 4, 4, 4}, {5, 5, 5, 5, 5, 5, 5, 5}, {6, 6, 6, 6, 6, 6, 6, 6}},   // 6pm - 8pm
        },
    },
    {
        {   // Winter, Exposed
            {{4, 4, 4, 4, 4, 4, 4, 4}, {5, 5, 5, 5, 5, 5, 5, 5}, {6, 6, 6, 6, 6, 6, 6, 6}},   // 8am - 10am
            {{3, 4, 3, 2, 3, 2, 3, 4}, {4, 5, 4, 3, 4, 3, 4, 5}, {5, 6, 4, 4, 5, 3, 5, 6}},   // 10am - 12pm
            {{2, 4, 2, 2, 2, 1, 2, 3}, {3, 5, 3, 2, 3, 1, 3, 4}, {4, 6, 3, 3, 3, 2, 3, 4}},   // 12pm - 2pm
            {{2, 4, 2, 3, 2, 1, 2, 2}, {3, 5, 3, 4, 2, 1, 3, 2}, {4, 6, 3, 4, 3, 2, 3, 3}},   // 2pm - 4pm
            {{3, 4, 3, 4, 3, 2, 3, 2}, {4, 5, 4, 5, 4, 3, 4, 3}, {5, 6, 5, 6, 4, 3, 4, 4}},   // 4pm - 6pm
            {{4, 4, 4, 4, 4, 4, 4, 4}, {5, 5, 5, 5, 5, 5, 5, 5}, {6, 6, 6, 6, 6, 6, 6, 6}},   // 6pm - 8pm
        },
        {   // Winter, Shaded
            {{4, 4, 4, 4, 4, 4, 4, 4}, {5, 5, 5, 5, 5, 5, 5, 5}, {6, 6, 6, 6, 6, 6, 6, 6}},   // 8am - 10am
            {{4, 4, 4, 4, 4, 4, 4, 4}, {5, 5, 5, 5, 5, 5, 5, 5}, {6, 6, 6, 6, 6, 6, 6, 6}},   // 10am - 12pm
            {{4, 4, 4, 4, 4, 4, 4, 4}, {5, 5, 5, 5, 5, 5, 5, 5}, {6, 6, 6, 6, 6, 6, 6, 6}},   // 12pm - 2pm
            {{4, 4, 4, 4, 4, 4, 4, 4}, {5, 5, 5, 5, 5, 5, 5, 5}, {6, 6, 6, 6, 6, 6, 6, 6}},   // 2pm - 4pm
            {{4, 4, 4, 4, 4, 4, 4, 4}, {5, 5, 5, 5, 5, 5, 5, 5}, {6, 6, 6, 6, 6, 6, 6, 6}},   // 4pm - 6pm
            {{4, 4, 4, 4, 4, 4, 4, 4}, {5, 5, 5, 5, 5, 5, 5, 5}, {6, 6, 6, 6, 6, 6, 6, 6}},   // 6pm - 8pm
        },
    },
};

bool InRange(int value, int lowest, int highest)
{
    return value >= lowest && value <= highest;
}

bool InputsAreValid(const clsMoistureLookupInputs& in)
{
    // Every field is checked in full; none cuts the others short.
    bool valid = in.DayOrNight == 1;
    valid &= in.Temperature >= LowestTemperature;
    valid &= InRange(in.Humidity, 0, HighestHumidity);
    valid &= InRange(in.Season, 1, SeasonCount);
    valid &= InRange(in.Shading, 1, ShadingCount);
    valid &= InRange(in.Time, 1, TimeCount);
    valid &= InRange(in.Elevation, 1, ElevationCount);
    valid &= InRange(in.Aspect, 1, AspectCount);
    valid &= InRange(in.Slope, 1, SlopeCount);
    return valid;
}

int16_t ReferenceMoisture(int temperature, int humidity)
{
    const int band = std::min((temperature - LowestTemperature) / TemperatureBandWidth, BandCount - 1);
    for (const HumidityRange& range : ReferenceBands[band])
        if (humidity <= range.HighestHumidity)
            return range.Moisture;
    return 0;  // not reached: every band ends at HighestHumidity
}

int16_t CorrectionMoisture(const clsMoistureLookupInputs& in)
{
    const int column = (in.Aspect - 1) * SlopeCount + (in.Slope - 1);
    return Correction[in.Season - 1][in.Shading - 1][in.Time - 1][in.Elevation - 1][column];
}

}  // namespace

clsMoistureLookup::Result clsMoistureLookup::FindMoisture(const clsMoistureLookupInputs& inputs) const
{
    Result result;
    result.Success = InputsAreValid(inputs);
    if (result.Success) {
        result.ReferenceFM = ReferenceMoisture(inputs.Temperature, inputs.Humidity);
        result.CorrectionFM = CorrectionMoisture(inputs);
    }
    return result;
}
