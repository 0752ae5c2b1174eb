// View arithmetic; see View.h. The zoom keeps the pixel (320, 240) of the zoom reference
// view fixed; the pans move the reference with them.
#include "model/View.h"

#include "model/Real.h"
#include "model/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vt {

namespace {
constexpr double kMaxZoomScale = 3000;
constexpr float kMinZoomScale = 0.5f;
constexpr double kCentreX = 320, kCentreY = 240;
// The extent of a single point still has this size, so a fit never divides by zero.
constexpr double kSmallestExtent = 1e-3;

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

bool ZoomAbout(ViewState& v, double px, double py, double factor) {
    const double scale = v.ViewScale;
    if (!(scale > 0) || !std::isfinite(scale) || !std::isfinite(factor)) return false;
    const double next = F32(std::clamp(scale * factor, double(kMinZoomScale), kMaxZoomScale));
    const double ratio = next / scale;
    v.ViewScale = F32(next);
    v.ViewOffsetX = F32(px - (px - v.ViewOffsetX) * ratio);
    v.ViewOffsetY = F32(py - (py - v.ViewOffsetY) * ratio);
    ReferenceFollows(v);
    return true;
}

bool FitView(ViewState& v, const Extent& model, const Extent& pixels) {
    if (!(pixels.x1 > pixels.x0) || !(pixels.y1 > pixels.y0)) return false;
    const double width = std::max(model.x1 - model.x0, kSmallestExtent);
    const double height = std::max(model.y1 - model.y0, kSmallestExtent);
    const double scale = std::clamp(std::min((pixels.x1 - pixels.x0) / width, (pixels.y1 - pixels.y0) / height),
                                    double(kMinZoomScale), kMaxZoomScale);
    const double centreX = (model.x0 + model.x1) / 2, centreY = (model.y0 + model.y1) / 2;
    if (!std::isfinite(scale * centreX) || !std::isfinite(scale * centreY)) return false;
    v.ViewScale = F32(scale);
    v.ViewOffsetX = F32((pixels.x0 + pixels.x1) / 2 - centreX * scale);
    v.ViewOffsetY = F32((pixels.y0 + pixels.y1) / 2 + centreY * scale);
    ReferenceFollows(v);
    return true;
}

} // namespace vt
