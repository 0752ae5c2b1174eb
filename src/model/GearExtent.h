// Where the gear reaches over a whole turn of the driver, in model units.
#pragma once

#include "model/State.h"
#include "model/View.h"

namespace vt {

// The box around the path of every pivot of the linkage (the reference points aside), the
// driving wheel and the cylinder section with its piston and valve, over one turn at the
// current reverse arm position. Sweeps a copy: the state is not changed, and the sweep's
// guards do not beep.
Extent GearExtent(const State& s);

} // namespace vt
