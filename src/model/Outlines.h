// Screen points of the cylinder section: the fixed walls, and the piston and slide valve.
#pragma once

#include "model/State.h"

namespace vt {

// Screen pixel of a model point under the current view.
int32_t ScreenX(const ViewState& v, double x);
int32_t ScreenY(const ViewState& v, double y);

void BuildCylinderOutline(State& s);
void BuildPistonValveOutline(State& s);

} // namespace vt
