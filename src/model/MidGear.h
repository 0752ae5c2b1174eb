// The mid-gear position of the reverse arm, from which the reverse arm scale is measured.
#pragma once

#include "model/State.h"

namespace vt {

// Sets RevArmPos and RevArmSet[0..3] (mid gear, mid gear, normal +, normal -) from one
// solve at DriverAngle 90 with the reverse arm upright. DriverAngle is left unchanged.
void FindRevArmCent(State& s);

// Full-scale position of the reverse arm scroll bar: round(1000 x RevArmCentMax).
int32_t RevArmBarLimit(const Mechanism& m);

// The direct sense: LiftArmSense and EccSense of the same sign, so that forward lies on
// the + side of mid gear. Otherwise the sense is inverted.
bool SenseIsDirect(const Mechanism& m);

} // namespace vt
