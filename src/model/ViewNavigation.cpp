// Wheel zoom, drag pan and fit; see ViewNavigation.h.
#include "model/ViewNavigation.h"

#include "model/GearExtent.h"

#include <cmath>

namespace vt {

namespace {
constexpr int kControlBandBottom = 138; // the lowest frame bar of the control band
constexpr int kFitMargin = 12;
} // namespace

void WheelZoom(State& s, ViewControls& v, double x, double y, double notches) {
    if (ZoomAbout(s, x, y, std::pow(kWheelZoomPerNotch, notches))) v.NormEnabled = true;
}

void DragPan(State& s, ViewControls& v, double dx, double dy) {
    PanHorizontal(s, dx);
    PanVertical(s, -dy);
    v.NormEnabled = true;
}

Extent FitArea(int width, int height) {
    return {double(kFitMargin), double(kControlBandBottom + kFitMargin), double(width - kFitMargin),
            double(height - kFitMargin)};
}

void FitGearClick(State& s, ViewControls& v, int width, int height) {
    if (FitView(s, GearExtent(s), FitArea(width, height))) v.NormEnabled = true;
}

} // namespace vt
