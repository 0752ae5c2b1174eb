// The linkage solver: places every moving pin of the gear for the current DriverAngle and
// RevArmPos. Deterministic; impossible geometry only beeps (see Guards.h).
#pragma once

#include "model/State.h"

namespace vt {

// Passes after which the link search gives up and leaves the rocker and valve as they were.
inline constexpr int kMaxSearchPasses = 1000;
// How far the lifting link may end up stretched before the solve beeps.
inline constexpr double kStretchTolerance = 0.002;

enum class SolveOutcome { Completed, GaveUp };

// Solves the whole linkage; also writes the port-edge values when it completes.
SolveOutcome SolveLinkage(State& s);

} // namespace vt
