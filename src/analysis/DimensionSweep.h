// One dimension varied over a range: lead, cut-off and release at the normal forward
// and reverse positions for each value, mid gear found anew for each.
#pragma once

#include "analysis/EventsTable.h"
#include "model/Dimensions.h"

#include <string>
#include <vector>

namespace vt {

// The dimension whose name text ("Main Rod Length") or field name ("MainRodLen") this
// is, ignoring case and surrounding blanks; nullptr when there is none.
const DimensionInfo* FindDimensionByName(const std::string& name);

struct SweepPoint {
    double Value = 0;
    EventsRow Forward, Reverse; // at NormalForward and NormalReverse
};

struct DimensionSweep {
    const DimensionInfo* Dimension = nullptr;
    std::vector<SweepPoint> Points;
    int GuardBeeps = 0;
};

// steps + 1 values from `from` to `to`, on a copy of the design.
DimensionSweep SweepDimension(const State& s, const DimensionInfo& d, double from, double to,
                              int steps);

// The sweep as a listing and as CSV with a header row.
std::string FormatSweepText(const DimensionSweep& w);
std::string FormatSweepCsv(const DimensionSweep& w);

} // namespace vt
