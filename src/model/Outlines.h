// Screen points of the cylinder section: the fixed walls, and the piston and slide valve.
#pragma once

#include "model/State.h"

namespace vt {

void BuildCylinderOutline(State& s);
void BuildPistonValveOutline(State& s);

} // namespace vt
