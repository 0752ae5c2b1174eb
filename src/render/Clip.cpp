// Line clipping and visible ellipse pieces; see Clip.h.
// All arithmetic is in double: int32 inputs and their sums stay exact there.
#include "render/Clip.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace vt::clip {

bool Rect::Contains(Point p) const {
    return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom;
}

namespace {

// One Liang-Barsky boundary: the segment a + t (b - a) stays inside while p t <= q.
bool ClipEdge(double p, double q, double& t0, double& t1) {
    if (p == 0) return q >= 0;
    const double t = q / p;
    if (p < 0) {
        if (t > t1) return false;
        t0 = std::max(t0, t);
    } else {
        if (t < t0) return false;
        t1 = std::min(t1, t);
    }
    return true;
}

} // namespace

std::optional<Segment> ClipSegment(Point a, Point b, const Rect& r) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    double t0 = 0, t1 = 1;
    if (!ClipEdge(-dx, a.x - r.left, t0, t1) || !ClipEdge(dx, r.right - a.x, t0, t1) ||
        !ClipEdge(-dy, a.y - r.top, t0, t1) || !ClipEdge(dy, r.bottom - a.y, t0, t1))
        return std::nullopt;
    Segment s{a, b};
    if (t0 > 0) s.a = {a.x + t0 * dx, a.y + t0 * dy};
    if (t1 < 1) s.b = {a.x + t1 * dx, a.y + t1 * dy};
    return s;
}

Box Normalised(int x1, int y1, int x2, int y2) {
    return {std::min<int64_t>(x1, x2), std::min<int64_t>(y1, y2), std::max<int64_t>(x1, x2),
            std::max<int64_t>(y1, y2)};
}

Point EllipseShape::At(double t) const { return {cx + rx * std::cos(t), cy - ry * std::sin(t)}; }

std::optional<EllipseShape> EllipseInBox(const Box& box) {
    if (box.x2 == box.x1 || box.y2 == box.y1) return std::nullopt;
    // Extremes at x1 and x2 - 1: the pixel of a point is the one whose centre is nearest.
    return EllipseShape{
        static_cast<double>(box.x1 + box.x2 - 1) / 2, static_cast<double>(box.y1 + box.y2 - 1) / 2,
        static_cast<double>(box.x2 - box.x1 - 1) / 2, static_cast<double>(box.y2 - box.y1 - 1) / 2};
}

Ray RayFromCentre(const Box& box, int x, int y) {
    return {2 * int64_t{x} - (box.x1 + box.x2), 2 * int64_t{y} - (box.y1 + box.y2)};
}

namespace {

Ray Reduced(Ray r) {
    const int64_t g = std::gcd(r.dx, r.dy);
    return g == 0 ? r : Ray{r.dx / g, r.dy / g};
}

} // namespace

bool SameRay(Ray a, Ray b) {
    const Ray ra = Reduced(a), rb = Reduced(b);
    return ra.dx == rb.dx && ra.dy == rb.dy;
}

double ParamOfRay(const EllipseShape& e, Ray r) {
    // The ray (dx, dy) meets P(t) where (rx cos t, -ry sin t) is parallel to it, that is
    // tan t = -(dy / ry) / (dx / rx); multiplying through by rx ry avoids dividing by a
    // zero radius.
    double t = std::atan2(-static_cast<double>(r.dy) * e.rx, static_cast<double>(r.dx) * e.ry);
    if (t < 0) t += kTwoPi;
    if (t >= kTwoPi || t == 0) t = 0; // a tiny negative that rounded up to 2 pi, or -0
    return t;
}

Range ArcRange(const EllipseShape& e, Ray start, Ray end) {
    const double from = ParamOfRay(e, start);
    if (SameRay(start, end)) return {from, from + kTwoPi};
    double span = ParamOfRay(e, end) - from;
    if (span <= 0) span += kTwoPi;
    return {from, from + span};
}

namespace {

// Parameters in [0, 2 pi] where P crosses the vertical line x = v.
void AddVerticalCrossings(const EllipseShape& e, double v, std::vector<double>& cuts) {
    if (e.rx <= 0) return;
    const double c = (v - e.cx) / e.rx;
    if (std::abs(c) > 1) return;
    const double a = std::acos(c);
    cuts.push_back(a);
    cuts.push_back(kTwoPi - a);
}

// Parameters in [0, 2 pi] where P crosses the horizontal line y = v.
void AddHorizontalCrossings(const EllipseShape& e, double v, std::vector<double>& cuts) {
    if (e.ry <= 0) return;
    const double s = (e.cy - v) / e.ry;
    if (std::abs(s) > 1) return;
    const double a = std::asin(s); // in [-pi/2, pi/2]
    cuts.push_back(a < 0 ? a + kTwoPi : a);
    cuts.push_back(kTwoPi / 2 - a);
}

} // namespace

std::vector<Range> VisibleRanges(const EllipseShape& e, const Rect& r) {
    // Between two neighbouring crossings of the rectangle's edge lines the outline is
    // either wholly inside or wholly outside; its midpoint tells which.
    std::vector<double> cuts{0, kTwoPi};
    AddVerticalCrossings(e, r.left, cuts);
    AddVerticalCrossings(e, r.right, cuts);
    AddHorizontalCrossings(e, r.top, cuts);
    AddHorizontalCrossings(e, r.bottom, cuts);
    std::sort(cuts.begin(), cuts.end());
    std::vector<Range> out;
    for (size_t i = 1; i < cuts.size(); ++i) {
        const double from = cuts[i - 1], to = cuts[i];
        if (!(to > from) || !r.Contains(e.At((from + to) / 2))) continue;
        if (!out.empty() && out.back().to == from)
            out.back().to = to;
        else
            out.push_back({from, to});
    }
    return out;
}

std::vector<Range> VisibleParts(Range arc, const std::vector<Range>& visible) {
    // The arc reaches at most one turn past 2 pi, so the visible set and its copy one
    // turn on cover it.
    std::vector<Range> out;
    for (double shift : {0.0, kTwoPi}) {
        for (const Range& v : visible) {
            const double from = std::max(arc.from, v.from + shift);
            const double to = std::min(arc.to, v.to + shift);
            if (!(to > from)) continue;
            if (!out.empty() && out.back().to == from)
                out.back().to = to;
            else
                out.push_back({from, to});
        }
    }
    return out;
}

namespace {

// The lattice step: a quarter turn split into whole steps. |P''(t)| <= R = max(rx, ry),
// so a chord over dt strays at most R dt^2 / 8 from the curve.
double LatticeStep(const EllipseShape& e, double tolerance) {
    const double quarter = kTwoPi / 4;
    const double radius = std::max(e.rx, e.ry);
    double steps = 2;
    if (radius > 0) steps = std::max(steps, std::ceil(quarter / std::sqrt(8 * tolerance / radius)));
    return quarter / steps;
}

} // namespace

std::vector<Point> SampleOutline(const EllipseShape& e, Range range, double tolerance) {
    const double dt = LatticeStep(e, tolerance);
    const double slack = dt * 1e-6; // lattice points this near an end would repeat it
    std::vector<Point> points;
    points.reserve(static_cast<size_t>((range.to - range.from) / dt) + 3);
    points.push_back(e.At(range.from));
    for (double k = std::floor(range.from / dt) + 1; k * dt < range.to - slack; ++k)
        if (k * dt > range.from + slack) points.push_back(e.At(k * dt));
    points.push_back(e.At(range.to));
    return points;
}

} // namespace vt::clip
