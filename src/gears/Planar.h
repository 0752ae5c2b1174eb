// The planar primitives every gear is built from: a point on a crank, two rods meeting at
// a pin, a rod and a slide, a point fixed on a moving body. Each keeps its assembly branch
// as data, so a gear never changes branch by itself.
#pragma once

#include <Eigen/Core>

namespace vt::gears {

using Vec2 = Eigen::Vector2d;

// z of a x b: > 0 when b lies anticlockwise of a.
inline double Cross(const Vec2& a, const Vec2& b) { return a.x() * b.y() - a.y() * b.x(); }

// a turned a quarter turn anticlockwise.
inline Vec2 Perp(const Vec2& a) { return {-a.y(), a.x()}; }

// Which side of the directed line a -> b the point p lies: +1 left (anticlockwise), -1
// right, 0 on it. A gear reads it from its reference assembly and keeps it.
int SideOf(const Vec2& a, const Vec2& b, const Vec2& p);

// A point on a crank turning clockwise on the screen (the driver's sense), at angle
// `rad` from +X: centre + r (cos rad, -sin rad).
Vec2 OnCrank(const Vec2& centre, double r, double rad);

// A point fixed on a moving body, given in the body's own axes: `along` its unit axis
// and `across` to the left of it (anticlockwise).
inline Vec2 OnBody(const Vec2& origin, const Vec2& axis, double along, double across) {
    return origin + along * axis + across * Perp(axis);
}

// Two rods meeting at a pin: the point at ra from a and rb from b on the side `side` of
// the line a -> b (SideOf). False when the circles do not meet (or a and b coincide);
// `out` is then left as it was.
//   p = a + x d + side h Perp(d),  x = (|ab|^2 + ra^2 - rb^2) / 2|ab|,  h = sqrt(ra^2 - x^2)
bool CircleCircle(const Vec2& a, double ra, const Vec2& b, double rb, int side, Vec2& out);

// A rod and a slide: the point at r from c on the line through `on` with unit direction
// `dir`, the root further along `dir` when `ahead`, else the nearer one. False when the
// rod does not reach the line; `out` is then left as it was.
bool CircleLine(const Vec2& c, double r, const Vec2& on, const Vec2& dir, bool ahead,
                Vec2& out);

} // namespace vt::gears
