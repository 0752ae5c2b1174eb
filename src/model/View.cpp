// View arithmetic; see View.h.
#include "model/View.h"

namespace vt {

void NormView(ViewState& v) {
    v.SavedViewScale = v.ViewScale;
    v.SavedViewOffsetX = v.ViewOffsetX;
    v.SavedViewOffsetY = v.ViewOffsetY;
    v.ViewScale = v.ZoomRefScale = v.NormViewScale;
    v.ViewOffsetX = v.ZoomRefOffsetX = v.NormViewOffsetX;
    v.ViewOffsetY = v.ZoomRefOffsetY = v.NormViewOffsetY;
}

} // namespace vt
