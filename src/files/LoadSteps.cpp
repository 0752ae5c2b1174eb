// The steps after a design load; see LoadSteps.h.
#include "files/LoadSteps.h"

#include "model/EditorRules.h"
#include "model/MidGear.h"
#include "model/Rounding.h"

namespace vt {

void FinishDesignLoad(State& s, Controls& c) {
    FindRevArmCent(s);
    SetRevArmBarRange(s, c);
    const double offset = SenseIsDirect(s) ? double(s.RevArmPos) - s.RevArmSet[0]
                                           : double(s.RevArmSet[0]) - s.RevArmPos;
    SBRevArmChange(s, c, RoundClamped(offset * 1000.0, c.RevArm.Min, c.RevArm.Max));
}

} // namespace vt
