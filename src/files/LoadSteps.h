// What follows a design taken from a file: mid gear is recalculated and the reverse arm
// bar takes its range from the design and stands at the reverse arm's position.
#pragma once

#include "model/Controls.h"

namespace vt {

// FindRevArmCent, then the bar's position round(1000 (RevArmPos - RevArmSet[0])),
// mirrored for the inverted sense, and its range +-round(1000 RevArmCentMax): the bar
// stands at 0 and the gear at mid gear. A changed position runs the bar's change rule.
void FinishDesignLoad(State& s, Controls& c);

} // namespace vt
