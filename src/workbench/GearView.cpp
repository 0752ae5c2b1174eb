// The drawing's view: model to pixels, zoom about a point, fit.
#include "workbench/GearView.h"

#include <algorithm>

namespace vt::wb {

Vec2 ToPixel(const GearView& v, const Vec2& m) {
    return {v.X + v.Scale * m.x(), v.Y - v.Scale * m.y()};
}

Vec2 ToModel(const GearView& v, const Vec2& p) {
    return {(p.x() - v.X) / v.Scale, (v.Y - p.y()) / v.Scale};
}

// The model point m under the pixel p stays: p = X' + s' m.x, so X' = p - s' m.x.
GearView ZoomAbout(const GearView& v, const Vec2& pixel, double factor) {
    const Vec2 m = ToModel(v, pixel);
    GearView out = v;
    out.Scale = std::clamp(v.Scale * factor, kMinScale, kMaxScale);
    out.X = pixel.x() - out.Scale * m.x();
    out.Y = pixel.y() + out.Scale * m.y();
    return out;
}

void Box::Add(const Vec2& p) {
    if (Empty()) {
        X0 = X1 = p.x(), Y0 = Y1 = p.y();
        return;
    }
    X0 = std::min(X0, p.x()), X1 = std::max(X1, p.x());
    Y0 = std::min(Y0, p.y()), Y1 = std::max(Y1, p.y());
}

void Box::Add(const Box& b) {
    if (b.Empty()) return;
    Add(Vec2{b.X0, b.Y0});
    Add(Vec2{b.X1, b.Y1});
}

GearView FitBox(const GearView& v, const Box& b, int width, int height, int margin) {
    const double w = b.X1 - b.X0, h = b.Y1 - b.Y0;
    const double roomX = width - 2.0 * margin, roomY = height - 2.0 * margin;
    if (b.Empty() || (w <= 0 && h <= 0) || roomX <= 0 || roomY <= 0) return v;
    GearView out;
    out.Scale = std::clamp(std::min(w > 0 ? roomX / w : kMaxScale, h > 0 ? roomY / h : kMaxScale),
                           kMinScale, kMaxScale);
    out.X = width / 2.0 - out.Scale * (b.X0 + b.X1) / 2;
    out.Y = height / 2.0 + out.Scale * (b.Y0 + b.Y1) / 2;
    return out;
}

} // namespace vt::wb
