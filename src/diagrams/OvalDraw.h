// The oval diagram's drawing: valve travel against piston travel over one turn of the
// driver, one closed curve per stored reverse arm position. Qt-free.
#pragma once

#include "model/State.h"
#include "render/Canvas.h"

namespace vt {

// The sweep: steps j = 7..52 at DriverAngle 88 - 8j (wrapped), backwards from 32 degrees
// round to 32 again.
inline constexpr int kOvalFirstStep = 7;
inline constexpr int kOvalLastStep = 52;

// The column of a driver angle (degrees): the piston's place from 584 (front dead
// centre) to 44 (rear), with the guarded divisor d = StrokeLen and the root guarded.
int PistonColumn(State& s, double angle, double d);

void DrawOvalDiagram(Canvas& c, State& s);

} // namespace vt
