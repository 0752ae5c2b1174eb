// Where the gear lands in the workbench's drawing: model units (the design's, y up) to
// pixels (y down) by one scale and an offset, zoomed about a point and fitted to a box.
#pragma once

#include "gears/Planar.h"

namespace vt::wb {

using gears::Vec2;

// A pixel is (X + Scale * x, Y - Scale * y) for the model point (x, y).
struct GearView {
    double Scale = 1, X = 0, Y = 0;
};

inline constexpr double kMinScale = 1e-4, kMaxScale = 1e5; // pixels per model unit

Vec2 ToPixel(const GearView& v, const Vec2& model);
Vec2 ToModel(const GearView& v, const Vec2& pixel);

// The view zoomed by `factor` (clamped to the scale limits) with the model point under
// `pixel` left where it is.
GearView ZoomAbout(const GearView& v, const Vec2& pixel, double factor);

// A box in model units; empty until a point is added.
struct Box {
    double X0 = 1, Y0 = 1, X1 = 0, Y1 = 0;
    bool Empty() const { return X1 < X0 || Y1 < Y0; }
    void Add(const Vec2& p);
    void Add(const Box& b);
};

// The largest view that shows the box inside width x height pixels with `margin` pixels
// to spare on every side, centred. An empty or degenerate box keeps the view.
GearView FitBox(const GearView& v, const Box& b, int width, int height, int margin);

} // namespace vt::wb
