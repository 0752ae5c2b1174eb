// The error beep; the guards themselves are inline in Guards.h.
#include "model/Guards.h"

namespace vt {

void ErrorBeep(State& s) {
    if (s.ErrorBeepOn && s.hooks.Beep) s.hooks.Beep();
}

} // namespace vt
