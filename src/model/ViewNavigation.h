// The view moved the way drawing programs move it: the mouse wheel zooms about the
// cursor, a middle-button drag pans, "Fit" shows the whole gear. Each goes through the
// view's scale and offsets, so the presets, "Norm" and "P" treat the result like any view.
#pragma once

#include "model/State.h"
#include "model/View.h"
#include "model/ViewControls.h"

namespace vt {

// The zoom of one notch of the wheel (a 120 angle delta); finer wheels turn fractions.
inline constexpr double kWheelZoomPerNotch = 1.2;

// The wheel turned by `notches` (positive away from the user: zoom in) with the cursor
// at client pixel (x, y).
void WheelZoom(State& s, ViewControls& v, double x, double y, double notches);

// The mouse moved by (dx, dy) pixels with the middle button held: the drawing follows.
void DragPan(State& s, ViewControls& v, double dx, double dy);

// Where a fitted gear may stand in a client area of width x height pixels: below the
// control band, inside a small margin.
Extent FitArea(int width, int height);

// "Fit&GearToWindow": the whole gear over a turn, in the fit area of the client area.
void FitGearClick(State& s, ViewControls& v, int width, int height);

} // namespace vt
