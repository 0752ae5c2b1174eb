// The planar primitives; see Planar.h.
#include "gears/Planar.h"

#include <cmath>

namespace vt::gears {

int SideOf(const Vec2& a, const Vec2& b, const Vec2& p) {
    const double c = Cross(b - a, p - a);
    return c > 0 ? 1 : (c < 0 ? -1 : 0);
}

Vec2 OnCrank(const Vec2& centre, double r, double rad) {
    return centre + r * Vec2(std::cos(rad), -std::sin(rad));
}

bool CircleCircle(const Vec2& a, double ra, const Vec2& b, double rb, int side, Vec2& out) {
    const Vec2 ab = b - a;
    const double d2 = ab.squaredNorm();
    if (!(d2 > 0)) return false;
    const double d = std::sqrt(d2);
    const double x = (d2 + ra * ra - rb * rb) / (2 * d);
    const double h2 = ra * ra - x * x;
    if (!(h2 >= 0)) return false;
    const Vec2 u = ab / d;
    out = a + x * u + double(side) * std::sqrt(h2) * Perp(u);
    return true;
}

bool CircleLine(const Vec2& c, double r, const Vec2& on, const Vec2& dir, bool ahead,
                Vec2& out) {
    // |on + t dir - c| = r:  t = t0 +- sqrt(r^2 - q^2), t0 = (c - on).dir, q = (c - on) x dir
    const Vec2 w = c - on;
    const double t0 = w.dot(dir);
    const double h2 = r * r - Cross(dir, w) * Cross(dir, w);
    if (!(h2 >= 0)) return false;
    const double h = std::sqrt(h2);
    out = on + (ahead ? t0 + h : t0 - h) * dir;
    return true;
}

} // namespace vt::gears
