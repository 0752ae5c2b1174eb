// One dimension varied over a range: lead, cut-off and release at the normal forward
// and reverse positions for each value, mid gear found anew for each.
#pragma once

#include "analysis/EventsEngine.h"
#include "model/Dimensions.h"

#include <string>
#include <vector>

namespace vt {

struct SweepPoint {
    double Value = 0;
    PositionEvents Forward, Reverse; // at normal forward and normal reverse
};

struct DimensionSweep {
    const DimensionInfo* Dimension = nullptr;
    std::vector<SweepPoint> Points;
    int GuardBeeps = 0; // guard clamps met, mid gear's solves included
};

// steps + 1 values from `from` to `to`, each on a fresh copy of the design (DesignVariant).
DimensionSweep SweepDimension(const State& s, const DimensionInfo& d, double from, double to,
                              int steps);

// The sweep as a listing and as CSV with a header row.
std::string FormatSweepText(const DimensionSweep& w);
std::string FormatSweepCsv(const DimensionSweep& w);

} // namespace vt
