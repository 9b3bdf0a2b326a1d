#pragma once

#include <string>
#include <vector>

// The plain pieces the hazard and fire characteristics charts are made of, in the units they are
// drawn in.
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

// An axis from 0 to a round maximum, divided into round intervals.
struct ChartAxis {
    double maximum = 1;
    int tickCount = 6;  // the gridlines, both ends included

    // The smallest axis of 1, 2, 2.5 or 5 times a power of ten that reaches the value (1 for a
    // value that is not above 0).
    static ChartAxis Reaching(double value);
};
