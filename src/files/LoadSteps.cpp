// The steps after a design load; see LoadSteps.h.
#include "files/LoadSteps.h"

#include "model/MidGear.h"
#include "model/Rounding.h"

namespace vt {

// The offset is taken before the bar changes at all, and the new range is set without
// the change rule: a bar beyond the new travel would otherwise be pulled in by the range,
// and that rule would move the reverse arm off mid gear before the position is set.
void FinishDesignLoad(State& s, Controls& c) {
    FindRevArmCent(s);
    const double offset = SenseIsDirect(s) ? double(s.RevArmPos) - s.RevArmSet[0]
                                           : double(s.RevArmSet[0]) - s.RevArmPos;
    c.RevArm.Max = RevArmBarLimit(s);
    c.RevArm.Min = -c.RevArm.Max;
    SBRevArmChange(s, c, RoundClamped(offset * 1000.0, c.RevArm.Min, c.RevArm.Max));
}

} // namespace vt
