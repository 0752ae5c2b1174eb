// The slide valve against its ports: the port-edge values that the dimensions fix, and the
// piston position and four port openings of the solved position.
#pragma once

#include "model/State.h"

namespace vt {

// The port-edge values; run by every completed solve.
void ComputePortEdges(Mechanism& m);

// PistonPos and the four openings for the current DriverAngle and PivotX[4].
// Run SolveLinkage first.
void ComputeValveEvents(State& s);

} // namespace vt
