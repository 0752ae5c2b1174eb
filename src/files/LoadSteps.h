// What follows a design taken from a file: mid gear is recalculated and the reverse arm
// bar takes its range from the design and stands at the reverse arm's position.
#pragma once

#include "model/Controls.h"

namespace vt {

// FindRevArmCent, then the bar's range +-round(1000 RevArmCentMax) and its position
// round(1000 (RevArmPos - RevArmSet[0])), mirrored for the inverted sense; 0 after the
// mid-gear calculation. A changed position runs the bar's change rule.
void FinishDesignLoad(State& s, Controls& c);

} // namespace vt
