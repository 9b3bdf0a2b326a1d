#pragma once

#include "tables/ChartData.h"
#include "engine/clsTorviInputs.h"
#include "engine/clsTorviOutputs.h"

#include "tables/TablesTestSupport.h"

#include <functional>
#include <string>
#include <vector>

// An engine whose indices are chosen and whose results tell the wind (mi/h) they were computed
// at: the final spread rate is the wind + 1 (half the wind for a simple surface fire), the high
// fuel model's rate twice the wind, the heat per unit area 1000 + 10 × the wind; the fire is a
// surface fire below the torching index, passive below the crowning index and active beyond. The
// critical rates are fixed; the critical intensity is 300 + the wind. Below a chosen wind no fire
// spreads. It records each call.
struct FakeEngine {
    struct Call {
        double windMph;
        int32_t vegType;
        int32_t slope;
    };

    double torchingIndex = 5.5;
    double crowningIndex = 9.5;
    double criticalRate = 3;      // ch/h
    double activeRate = 40;       // ch/h
    double noFireBelow = 0;       // mi/h
    // A call to fail with error 2004; none when empty.
    std::function<bool(const clsTorviInputs&)> fails;
    std::vector<Call> calls;

    clsTorviOutputs operator()(clsTorviInputs& in, bool& success)
    {
        calls.push_back({in.OpenWindSpeed, in.VegType, in.PercentSlope});
        clsTorviOutputs out;
        success = !(fails && fails(in));
        if (!success) {
            out.ErrorNumber = 2004;
            out.ErrorDescription = "Invalid Open Wind Speed: " + std::to_string(in.OpenWindSpeed);
            return out;
        }
        const double w = in.OpenWindSpeed;
        out.TorchingIndex = torchingIndex;
        out.CrowningIndex = crowningIndex;
        out.RateOfSpread = in.VegType == 3 ? w / 2 : w + 1;
        out.High.RateOfSpread = 2 * w;
        out.CrownCriticalSurfaceROS = criticalRate;
        out.CrownRActive = activeRate;
        out.HeatPerUnitArea = 1000 + 10 * w;
        out.CrownFirelineIntensity = 300 + w;
        out.FireType = w < torchingIndex ? 1 : w < crowningIndex ? 2 : 4;
        if (w < noFireBelow) {
            out.RateOfSpread = 0;
            out.HeatPerUnitArea = 0;
            out.FireType = 0;
        }
        return out;
    }

    // The winds of the calls on the scenario as it is (not the simple surface fire copy).
    std::vector<double> ScenarioWinds() const
    {
        std::vector<double> winds;
        for (const Call& call : calls)
            if (call.vegType != 3)
                winds.push_back(call.windMph);
        return winds;
    }
};

// A shrub-canopy fire scenario, beside the grass (simple surface fire) and timber (conifer crown
// fire) scenarios of the table tests.
inline constexpr const char* Shrub = "1 5 0.4 1 1 1 4 0.5 1 1 1 6 7 8 90 110 0.2 0 1 100 4 15 30 90";

// The legend labels of chart series.
inline std::vector<std::string> Labels(const std::vector<ChartSeries>& series)
{
    std::vector<std::string> labels;
    for (const ChartSeries& s : series)
        labels.push_back(s.label);
    return labels;
}

// Values equal to those worked out, to well within the rounding of their decimal texts.
inline void ExpectSame(const std::vector<double>& actual, const std::vector<double>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-9) << "at " << i;
}
