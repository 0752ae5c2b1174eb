// View arithmetic of the main window: the model-to-pixel transform and its stored views.
#pragma once

#include "model/State.h"

namespace vt {

// "Norm": the saved view takes the current one, the view returns to the normal view,
// and the zoom reference follows it.
void NormView(ViewState& v);

} // namespace vt
