// View arithmetic of the main window: the model-to-pixel transform and its stored views.
#pragma once

#include "model/State.h"

namespace vt {

// Screen pixel of a model point: (round(x S + OX), round(-y S + OY)), halves to even.
int32_t ScreenX(const ViewState& v, double x);
int32_t ScreenY(const ViewState& v, double y);

// "Norm": the saved view takes the current one, the view returns to the normal view,
// and the zoom reference follows it.
void NormView(ViewState& v);

} // namespace vt
