// The cylinder section of the scene: chest and cylinder walls in gray, the piston and the
// slide valve in black, from the outline points of the last tick.
#pragma once

#include "model/State.h"
#include "render/Canvas.h"

namespace vt {

void DrawSection(Canvas& c, const State& s);

} // namespace vt
