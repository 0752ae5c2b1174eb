// The whole sensitivity report of one design at one position, as the window and
// valvetrace-report ask for it: derivatives, then (when asked) the spreads and the Monte
// Carlo check, then the worn gear for each lost motion; one progress count over all.
#pragma once

#include "analysis/SensitivityText.h"

#include <optional>
#include <string_view>
#include <vector>

namespace vt {

struct SensitivityRequest {
    std::string Position; // as ParseGearPlace reads it
    std::optional<ToleranceSet> Tolerances;
    int MonteCarloDesigns = 1000;
    std::vector<double> Wear; // lost motions, in the design's unit at the valve
};

// Empty when the position is not one; Result.Cancelled when progress stopped it. When the
// design cannot be assembled at the position (Result.Failure), nothing more is computed.
// The worn rows are found at the same recalculated position as the design's own events.
std::optional<SensitivityReport> ComputeSensitivityReport(const gears::GearDesign& m,
                                                          const SensitivityRequest& q,
                                                          const Progress& progress = {});

// "0, 0.005, 0.01": lost motions from 0 to kMostLostMotion separated by commas (blanks
// allowed); empty when any is not one.
// Whether a report computed on `a` holds for `b`: the same name, the same value of every
// dimension and the same stored gear positions (they place the named positions).
bool SameDesign(const gears::GearDesign& a, const gears::GearDesign& b);

inline constexpr double kMostLostMotion = 1.0;
std::optional<std::vector<double>> ParseLostMotions(std::string_view text);

} // namespace vt
