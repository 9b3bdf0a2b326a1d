#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The plain pieces the charts are made of, in the units they are drawn in.
struct ChartPoint {
    double x = 0;
    double y = 0;
    bool operator==(const ChartPoint&) const = default;
};

// A line or a set of points, with its legend label.
struct ChartSeries {
    std::string label;
    std::vector<ChartPoint> points;
};

// A text written on the chart beside a point: a marker or the label of a curve.
struct ChartLabel {
    std::string text;
    ChartPoint at;
    bool operator==(const ChartLabel&) const = default;
};

// An axis divided into intervals of 1, 2, 2.5 or 5 times a power of ten, in any unit, that ends at
// the first such value at or beyond what it must show; its labels all have the decimals of the
// interval.
struct ChartAxis {
    double minimum = 0;
    double maximum = 1;
    double step = 0.2;
    int tickCount = 6;  // the gridlines, both ends included
    int decimals = 1;

    // From 0 to the value (to 1 for a value that is not above 0).
    static ChartAxis Reaching(double value);
    // From low to high, each end taken out to a round value (either may be the larger).
    static ChartAxis Spanning(double low, double high);
};

namespace ChartText {

// Whether a scenario of this simulation type has a torching and a crowning index: a simple surface
// fire has neither (the Input/Output page leaves them blank).
bool HasIndices(int32_t vegType);
// "TI 7.7 mi/hr, CI 21.3 mi/hr" with one decimal; an index that does not exist is "not reachable".
std::string Indices(double torching, double crowning, const std::string& unit);
// The parts that are not empty, one after another.
std::string Joined(const std::vector<std::string>& parts);

}  // namespace ChartText
