// The SetUp menu's toggles: each flips one setting, and its caption names the action the
// next click performs. Qt-free rules over the state.
#pragma once

#include "app/Commands.h"
#include "model/Controls.h"
#include "model/State.h"

namespace vt {

// True when cmd is one of the toggles below.
bool IsToggle(Cmd cmd);
// The caption of a toggle's menu item for the current state.
const char* ToggleCaption(Cmd cmd, const State& s);
// Flips the setting (the screen data toggle with everything it switches, see Controls.h).
void Toggle(Cmd cmd, State& s, Controls& c);

} // namespace vt
