// View arithmetic; see View.h. The zoom keeps the pixel (320, 240) of the zoom reference
// view fixed; the pans move the reference with them.
#include "model/View.h"

#include "model/Real.h"
#include "model/Rounding.h"

#include <cstdlib>

namespace vt {

namespace {
constexpr double kMaxZoomScale = 3000;
constexpr float kMinZoomScale = 0.5f;
constexpr double kCentreX = 320, kCentreY = 240;

void ReferenceFollows(ViewState& v) {
    v.ZoomRefScale = v.ViewScale;
    v.ZoomRefOffsetX = v.ViewOffsetX;
    v.ZoomRefOffsetY = v.ViewOffsetY;
}
} // namespace

int32_t ScreenX(const ViewState& v, double x) { return ToPixel(x * v.ViewScale + v.ViewOffsetX); }
int32_t ScreenY(const ViewState& v, double y) { return ToPixel(-y * v.ViewScale + v.ViewOffsetY); }

void NormView(ViewState& v) {
    v.SavedViewScale = v.ViewScale;
    v.SavedViewOffsetX = v.ViewOffsetX;
    v.SavedViewOffsetY = v.ViewOffsetY;
    v.ViewScale = v.NormViewScale;
    v.ViewOffsetX = v.NormViewOffsetX;
    v.ViewOffsetY = v.NormViewOffsetY;
    ReferenceFollows(v);
}

float SpringStep(SpringBar& bar, int32_t p, int d, int l) {
    const double div = d;
    double step = 0;
    if (p > 0 && p > bar.ScrollPrev2) step = p / div;
    if (p < 0 && p > bar.ScrollPrev2) step = -p / div;
    if (p < 0 && p < bar.ScrollPrev2) step = p / div;
    if (p > 0 && p < bar.ScrollPrev2) step = -p / div;
    const int64_t moved = std::llabs(int64_t(p) - bar.ScrollPrev1);
    if (moved == 1 || moved == l) step = p / div;
    bar.ScrollStep = F32(step);
    bar.ScrollPrev2 = bar.ScrollPrev1;
    bar.ScrollPrev1 = p;
    return bar.ScrollStep;
}

void PanVertical(ViewState& v, double step) {
    v.ViewOffsetY = F32(v.ViewOffsetY - step);
    ReferenceFollows(v);
}

void PanHorizontal(ViewState& v, double step) {
    v.ViewOffsetX = F32(v.ViewOffsetX + step);
    ReferenceFollows(v);
}

void Zoom(ViewState& v, double step) {
    if (v.ViewScale > kMaxZoomScale) v.ViewScale = F32(kMaxZoomScale);
    v.ViewScale = F32(v.ViewScale + v.ViewScale * step * 0.01);
    v.ViewOffsetX = F32((v.ZoomRefOffsetX - kCentreX) * v.ViewScale / v.ZoomRefScale + kCentreX);
    v.ViewOffsetY = F32((v.ZoomRefOffsetY - kCentreY) * v.ViewScale / v.ZoomRefScale + kCentreY);
    if (v.ViewScale < kMinZoomScale) v.ViewScale = kMinZoomScale;
}

void CentreOn(ViewState& v, double x, double y) {
    v.ViewOffsetX = F32(kCentreX - x * v.ViewScale);
    v.ViewOffsetY = F32(y * v.ViewScale + kCentreY);
}

int32_t PanHorzPosFor(const ViewState& v) {
    const double norm = v.NormViewOffsetX;
    return RoundClamped(((v.ViewOffsetX - kCentreX) * v.NormViewScale / v.ViewScale + kCentreX - norm) *
                            100.0 / -norm,
                        -kPixelLimit, kPixelLimit);
}

int32_t PanVertPosFor(const ViewState& v) {
    const double norm = v.NormViewOffsetY;
    return RoundClamped(((v.ViewOffsetY - kCentreY) * v.NormViewScale / v.ViewScale + kCentreY - norm) *
                            200.0 / norm,
                        -kPixelLimit, kPixelLimit);
}

} // namespace vt
