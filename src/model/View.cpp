// View arithmetic; see View.h.
#include "model/View.h"

#include "model/Rounding.h"

namespace vt {

int32_t ScreenX(const ViewState& v, double x) { return ToPixel(x * v.ViewScale + v.ViewOffsetX); }
int32_t ScreenY(const ViewState& v, double y) { return ToPixel(-y * v.ViewScale + v.ViewOffsetY); }

void NormView(ViewState& v) {
    v.SavedViewScale = v.ViewScale;
    v.SavedViewOffsetX = v.ViewOffsetX;
    v.SavedViewOffsetY = v.ViewOffsetY;
    v.ViewScale = v.ZoomRefScale = v.NormViewScale;
    v.ViewOffsetX = v.ZoomRefOffsetX = v.NormViewOffsetX;
    v.ViewOffsetY = v.ZoomRefOffsetY = v.NormViewOffsetY;
}

} // namespace vt
