#include "tables/ChartData.h"

#include "base/NumberText.h"
#include "engine/clsTorviInputs.h"
#include "engine/clsTorviOutputs.h"

#include <algorithm>
#include <cmath>

namespace {

// The most intervals an axis is divided into; the fewest round intervals up to this many.
constexpr double MostIntervals = 6;

// The smallest round interval (1, 2, 2.5 or 5 times a power of ten) at least this wide.
double RoundInterval(double width)
{
    const double power = std::pow(10.0, std::floor(std::log10(width)));
    for (double mantissa : {1.0, 2.0, 2.5, 5.0})
        // The tolerance keeps a width that is already round from moving up a step by a rounding
        // error of the power of ten.
        if (mantissa * power >= width * (1 - 1e-12))
            return mantissa * power;
    return 10 * power;
}

// The decimals that write every multiple of the interval exactly.
int DecimalsOf(double step)
{
    int decimals = 0;
    while (decimals < 12 && std::abs(step * std::pow(10.0, decimals) - std::round(step * std::pow(10.0, decimals))) >
                                1e-9 * step * std::pow(10.0, decimals))
        ++decimals;
    return decimals;
}

}  // namespace

ChartAxis ChartAxis::Reaching(double value)
{
    return Spanning(0, value > 0 && std::isfinite(value) ? value : 1);
}

ChartAxis ChartAxis::Spanning(double low, double high)
{
    if (low > high)
        std::swap(low, high);
    if (!std::isfinite(low) || !std::isfinite(high))
        return {};
    if (!(high > low)) {  // a single value: the round interval around it
        const double half = low == 0 ? 0.5 : std::abs(low) / 2;
        low -= half;
        high += half;
    }
    ChartAxis axis;
    axis.step = RoundInterval((high - low) / MostIntervals);
    // Ends that are already round stay where they are, whatever rounding error lies in them.
    const double tolerance = 1e-9;
    axis.decimals = DecimalsOf(axis.step);
    // The ends as their labels write them, not a multiple of the interval's rounding error.
    const auto roundEnd = [&axis](double intervals) {
        const double scale = std::pow(10.0, axis.decimals);
        return std::round(intervals * axis.step * scale) / scale;
    };
    axis.minimum = roundEnd(std::floor(low / axis.step + tolerance));
    axis.maximum = roundEnd(std::ceil(high / axis.step - tolerance));
    axis.tickCount = static_cast<int>(std::lround((axis.maximum - axis.minimum) / axis.step)) + 1;
    return axis;
}

namespace ChartText {

bool HasIndices(int32_t vegType)
{
    return vegType != clsTorviInputs::Surface;
}

std::string Indices(double torching, double crowning, const std::string& unit)
{
    const auto text = [&unit](const char* name, double value) {
        return std::string(name) + (clsTorviOutputs::IsNotReachable(value)
                                        ? " not reachable"
                                        : " " + NumberText::FixedText(value, 1) + " " + unit);
    };
    return text("TI", torching) + ", " + text("CI", crowning);
}

std::string Joined(const std::vector<std::string>& parts)
{
    std::string joined;
    for (const std::string& part : parts) {
        if (part.empty())
            continue;
        if (!joined.empty())
            joined += "; ";
        joined += part;
    }
    return joined;
}

}  // namespace ChartText
