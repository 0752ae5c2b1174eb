// Scene stage 6: the twenty lines-and-circles overlay entries, fixed or following their
// pivots. Between the linkage and the readouts.
#pragma once

#include "model/State.h"
#include "render/Canvas.h"

namespace vt {

// The pen colour an entry draws in: its stored colour, black for an empty entry or a
// value that is no colour (outside 0..0xFFFFFF).
Color LinePen(float stored);

// Draws entries 1 to 20 in order, each in its own pen, and returns the pen of entry 20,
// which the reference point marks are drawn in.
Color DrawOverlay(Canvas& c, const State& s);

} // namespace vt
