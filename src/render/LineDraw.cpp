// The overlay drawing; see LineDraw.h. A model point (x, y) is drawn at
// (round(OX + S x), round(OY - S y)); pivot p + (h, v) is (PivotX[p] + h, PivotY[p] + v).
#include "render/LineDraw.h"

#include "model/Rounding.h"

#include <cmath>
#include <optional>

namespace vt {

namespace {

struct Point {
    double x, y;
};

// The pivot an entry is tied to; a stored number that names no pivot ties it to nothing.
std::optional<int> PivotOf(float stored) {
    if (!std::isfinite(stored)) return std::nullopt;
    const int32_t p = RoundClamped(stored, -1, kPivotCount);
    if (p < 0 || p >= kPivotCount) return std::nullopt;
    return p;
}

int PixelX(const State& s, double x) { return ToPixel(s.ViewOffsetX + double(s.ViewScale) * x); }
int PixelY(const State& s, double y) { return ToPixel(s.ViewOffsetY - double(s.ViewScale) * y); }

void Line(Canvas& c, const State& s, Point a, Point b) {
    c.MoveTo(PixelX(s, a.x), PixelY(s, a.y));
    c.LineTo(PixelX(s, b.x), PixelY(s, b.y));
}

// The ellipse whose box runs from (round(OX + S(cx - R)), round(OY - S(cy + R))) to
// (round(OX + S(cx + R) + 1), round(OY - S(cy - R) + 1)).
void Circle(Canvas& c, const State& s, Point centre, double r) {
    const double S = s.ViewScale, OX = s.ViewOffsetX, OY = s.ViewOffsetY;
    c.Ellipse(ToPixel(OX + S * (centre.x - r)), ToPixel(OY - S * (centre.y + r)),
              ToPixel(OX + S * (centre.x + r) + 1), ToPixel(OY - S * (centre.y - r) + 1));
}

void DrawEntry(Canvas& c, const State& s, int n) {
    const float type = s.LineType[n], mode = s.LineRefMode[n];
    const Point p1{s.LineP1Horz[n], s.LineP1Vert[n]}, p2{s.LineP2Horz[n], s.LineP2Vert[n]};
    if (mode == 0) {
        if (type == 0) Line(c, s, p1, p2);
        if (type == 1) Circle(c, s, p1, s.LineP2Horz[n]);
        return;
    }
    const std::optional<int> a = PivotOf(s.LinePivot1[n]);
    if (!a) return;
    const auto on = [&](int p, Point d) { return Point{s.PivotX[p] + d.x, s.PivotY[p] + d.y}; };
    if (type == 1) {
        if (mode == 1) Circle(c, s, on(*a, p1), s.LineP2Horz[n]);
        return;
    }
    if (type != 0) return;
    if (mode == 1) Line(c, s, on(*a, p1), on(*a, p2));
    if (mode == 2) Line(c, s, on(*a, p1), p2);
    if (mode == 3) {
        if (const std::optional<int> b = PivotOf(s.LinePivot2[n])) Line(c, s, on(*a, p1), on(*b, p2));
    }
}

} // namespace

Color LinePen(float stored) {
    if (!(stored >= 0 && stored <= float(0xFFFFFF))) return colors::Black;
    return FromColorRef(uint32_t(RoundClamped(stored, 0, 0xFFFFFF)));
}

Color DrawOverlay(Canvas& c, const State& s) {
    Color pen = colors::Black;
    for (int n = 1; n < kLineEntries; ++n) {
        pen = LinePen(s.LineColor[n]);
        c.SetPenColor(pen);
        DrawEntry(c, s, n);
    }
    return pen;
}

} // namespace vt
