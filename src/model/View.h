// View arithmetic of the main window: the model-to-pixel transform, its stored views,
// the spring-loaded pan, zoom and reference point bars, presets, centring, zooming
// about a pixel and fitting a box.
#pragma once

#include "model/State.h"

namespace vt {

// Screen pixel of a model point: (round(x S + OX), round(-y S + OY)), halves to even.
int32_t ScreenX(const ViewState& v, double x);
int32_t ScreenY(const ViewState& v, double y);

// "Norm": the saved view takes the current one, the view returns to the normal view,
// and the zoom reference follows it.
void NormView(ViewState& v);

// The memory of one spring-loaded bar: the last and next-to-last positions it reported.
struct SpringBar {
    int32_t ScrollPrev1 = 0, ScrollPrev2 = 0;
    float ScrollStep = 0;
};

// The step a spring-loaded bar's report p stands for, with divisor d and large step l:
// |p| / d signed as p - ScrollPrev2, except that an arrow or page click from the last
// position gives p / d. Records p.
float SpringStep(SpringBar& bar, int32_t p, int d, int l);

// The pan and zoom steps, in pixels and per cent of the scale.
void PanVertical(ViewState& v, double step);
void PanHorizontal(ViewState& v, double step);
void Zoom(ViewState& v, double step);

// Where the pan bars must stand for the current view so that their handling centres it
// (the RP1 / RP2 buttons), and the view offsets that put a model point at (320, 240).
void CentreOn(ViewState& v, double x, double y);
int32_t PanHorzPosFor(const ViewState& v);
int32_t PanVertPosFor(const ViewState& v);

// A box with x0 <= x1 and y0 <= y1: model units (y up) or pixels (y down).
struct Extent {
    double x0, y0, x1, y1;
};

// Scales the view by `factor` about the pixel (px, py), which keeps showing the same model
// point; the scale stays within [0.5, 3000]. The zoom reference follows. A view whose
// scale is not a positive finite number is left as it is (false).
bool ZoomAbout(ViewState& v, double px, double py, double factor);

// Scales and centres the view so that the model box fills the pixel box as far as its
// aspect allows, within the scale limits. The zoom reference follows. A box that is not
// finite, or a pixel box without area, changes nothing (false).
bool FitView(ViewState& v, const Extent& model, const Extent& pixels);

} // namespace vt
