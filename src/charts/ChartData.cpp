#include "charts/ChartData.h"

#include <cmath>

ChartAxis ChartAxis::Reaching(double value)
{
    if (!(value > 0) || !std::isfinite(value))
        return {};
    // Each round maximum with the number of intervals that keeps the interval round.
    struct Step {
        double mantissa;
        int intervals;
    };
    static constexpr Step steps[] = {{1, 5}, {2, 4}, {2.5, 5}, {5, 5}};
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (const Step& step : steps) {
        // The tolerance keeps a value that is already round from moving up a step by a rounding
        // error of the power of ten.
        if (step.mantissa * power >= value * (1 - 1e-12))
            return {step.mantissa * power, step.intervals + 1};
    }
    return {10 * power, 6};
}
