// Start-up values, the built-in design, and the reset to it.
#pragma once

#include "model/State.h"

namespace vt {

// The general initial values, set once at start before the dimension defaults.
void InitState(State& s);
// The start-up view: saved, current, normal and zoom-reference views all 28.5, 110, 270.
void SetViewDefaults(ViewState& v);

// The built-in frame dimensions into the frame-defaults block, and from it into the live
// dimensions (pivots 6/7 and 16/17 included).
void SetFrameDefaults(Mechanism& m);
void ApplyFrameDefaults(Mechanism& m);

// The built-in cylinder block and centre line, and their copy into the live block.
void SetCylDefaults(Mechanism& m);
void ApplyCylDefaults(Mechanism& m);

// The whole start-up sequence up to and including the mid-gear calculation.
void StartUp(State& s);

// Reverse arm at mid gear: RevArmPos := RevArmCent, cut-off readouts emptied.
void CentreRevArm(Mechanism& m);

} // namespace vt
