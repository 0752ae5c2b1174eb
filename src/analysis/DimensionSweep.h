// One dimension varied over a range: lead, cut-off and release at the normal forward
// and reverse positions for each value, mid gear found anew for each.
#pragma once

#include "analysis/EventsEngine.h"
#include "gears/Gear.h"

#include <string>
#include <vector>

namespace vt {

struct SweepPoint {
    double Value = 0;
    PositionEvents Forward, Reverse; // at normal forward and normal reverse
};

struct DimensionSweep {
    std::string Name; // the dimension's field name
    std::vector<SweepPoint> Points;
};

// steps + 1 values of the dimension `index` from `from` to `to`, each on a fresh copy of
// the design (DesignVariant).
DimensionSweep SweepDimension(const gears::GearDesign& d, int index, double from, double to,
                              int steps);

// The sweep as a listing and as CSV with a header row.
std::string FormatSweepText(const DimensionSweep& w);
std::string FormatSweepCsv(const DimensionSweep& w);

} // namespace vt
