// The sine diagram's drawing: valve travel against driver angle over about one and a
// half turns, one curve per stored reverse arm position. Qt-free.
#pragma once

#include "model/State.h"
#include "render/Canvas.h"

namespace vt {

// The sweep: steps j = 7..73 at DriverAngle 8j + 272 (wrapped), x = 8j + 2.
inline constexpr int kSineFirstStep = 7;
inline constexpr int kSineLastStep = 73;

void DrawSineDiagram(Canvas& c, State& s);

} // namespace vt
