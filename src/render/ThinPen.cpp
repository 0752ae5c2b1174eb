// The one-pixel pen; see ThinPen.h.
// All in double: int32 end points and their differences are exact there.
#include "render/ThinPen.h"

#include "model/Rounding.h"

#include <cstdint>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vt {

namespace {

// The nearest whole number, halves upwards.
double Nearest(double v) { return std::floor(v + 0.5); }

// A whole number clamped to [lo, hi] and converted by the program's one conversion.
int ClampToInt(double whole, int lo, int hi) { return RoundClamped(whole, lo, hi); }

void Plot(const PixelGrid& grid, int x, int y, uint32_t value) {
    if (x < 0 || y < 0 || x >= grid.width || y >= grid.height) return;
    grid.bits[static_cast<ptrdiff_t>(y) * grid.stride + x] = value;
}

} // namespace

void DrawThinLine(const PixelGrid& grid, clip::Point a, clip::Point b, uint32_t value) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    if (dx == 0 && dy == 0) return;
    // Step along the longer ("major") axis; the other coordinate follows the line.
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const double major0 = xMajor ? a.x : a.y, minor0 = xMajor ? a.y : a.x;
    const double major1 = xMajor ? b.x : b.y;
    const double slope = xMajor ? dy / dx : dx / dy; // minor per major step, |slope| <= 1
    const int majorSize = xMajor ? grid.width : grid.height;
    // Steps beyond the grid are clamped to one past its edge: they would be skipped anyway.
    const int first = ClampToInt(Nearest(major0), -1, majorSize);
    const int end = ClampToInt(Nearest(major1), -1, majorSize);
    const int step = major1 > major0 ? 1 : -1;
    for (int m = first; m != end; m += step) {
        if (m < 0 || m >= majorSize) continue;
        const double n = Nearest(minor0 + (m - major0) * slope);
        if (n < 0 || n >= (xMajor ? grid.height : grid.width)) continue;
        const int minor = ClampToInt(n, 0, INT32_MAX);
        Plot(grid, xMajor ? m : minor, xMajor ? minor : m, value);
    }
}

namespace {

// Whether the curve point at parameter t (from atan2, in [-pi, pi]) lies on the arc,
// start included, end left out.
bool OnArc(clip::Range arc, double t) {
    if (arc.to - arc.from >= clip::kTwoPi) return true;
    if (t < 0) t += clip::kTwoPi;
    return (t >= arc.from && t < arc.to) ||
           (t + clip::kTwoPi >= arc.from && t + clip::kTwoPi < arc.to);
}

// b sqrt(1 - (d / a)^2), d >= 0: how far the outline is from its axis at distance d along
// the other one. (a - d)(a + d) keeps its digits near the tips of enormous ellipses; at
// d = 0 the answer is b even when a is 0 (a box one pixel wide is a column).
double HalfChord(double a, double b, double d) {
    if (d <= 0) return b;
    if (d >= a) return 0;
    return b * std::sqrt((a - d) * (a + d)) / a;
}

// The pixel nearest a coordinate on the lower or the upper side of the centre, a tie
// going towards the centre, so that the two halves of the outline mirror exactly.
double NearestBelowCentre(double v) { return std::floor(v + 0.5); }
double NearestAboveCentre(double v) { return std::ceil(v - 0.5); }

class OutlinePen {
public:
    OutlinePen(const PixelGrid& grid, const clip::EllipseShape& e, clip::Range arc, uint32_t value)
        : grid_(grid), e_(e), arc_(arc), full_(arc.to - arc.from >= clip::kTwoPi), value_(value) {}

    // The pixels above and below the centre line in column x.
    void Column(double x) const {
        const double h = HalfChord(e_.rx, e_.ry, std::abs(x - e_.cx));
        Put(x, e_.cy - h, x, NearestBelowCentre(e_.cy - h));
        Put(x, e_.cy + h, x, NearestAboveCentre(e_.cy + h));
    }

    // The pixels left and right of the centre line in row y.
    void Row(double y) const {
        const double w = HalfChord(e_.ry, e_.rx, std::abs(y - e_.cy));
        Put(e_.cx - w, y, NearestBelowCentre(e_.cx - w), y);
        Put(e_.cx + w, y, NearestAboveCentre(e_.cx + w), y);
    }

private:
    // Sets pixel (px, py) for the curve point (x, y) if that point is on the arc.
    void Put(double x, double y, double px, double py) const {
        if (px < 0 || py < 0 || px >= grid_.width || py >= grid_.height) return;
        if (!full_ && !OnArc(arc_, std::atan2(-(y - e_.cy) * e_.rx, (x - e_.cx) * e_.ry))) return;
        Plot(grid_, ClampToInt(px, 0, INT32_MAX), ClampToInt(py, 0, INT32_MAX), value_);
    }

    const PixelGrid& grid_;
    const clip::EllipseShape& e_;
    clip::Range arc_;
    bool full_; // a whole ellipse needs no angle per pixel
    uint32_t value_;
};

} // namespace

void DrawThinOutline(const PixelGrid& grid, const clip::EllipseShape& e, clip::Range arc,
                     uint32_t value) {
    const OutlinePen pen(grid, e, arc, value);
    // Where the outline is flatter than 45 degrees (|x - cx| <= xs) it takes one pixel per
    // column, elsewhere one per row; xs = rx^2 / sqrt(rx^2 + ry^2).
    const double xs = e.rx * e.rx / std::hypot(e.rx, e.ry);
    const double first = std::ceil(e.cx - xs), last = std::floor(e.cx + xs);
    for (double x = std::max(first, 0.0); x <= std::min(last, grid.width - 1.0); ++x)
        pen.Column(x);
    // The rows run between the rows of the outermost columns, so the two kinds of step
    // meet without a gap or a repeat. With no column at all they span the box.
    double top = std::ceil(e.cy - e.ry) - 1, bottom = std::floor(e.cy + e.ry) + 1;
    if (first <= last) {
        const double h = HalfChord(e.rx, e.ry, last - e.cx);
        top = NearestBelowCentre(e.cy - h);
        bottom = NearestAboveCentre(e.cy + h);
    }
    for (double y = std::max(top + 1, 0.0); y <= std::min(bottom - 1, grid.height - 1.0); ++y)
        pen.Row(y);
}

} // namespace vt
