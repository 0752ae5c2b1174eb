// A link held by three rods from known points (two eccentric rods and a hanger): one
// Newton solve in the link's three freedoms, its middle (x, y) and its tilt from upright.
// The shifting links of the link motions (Gooch's, Allan's) are placed this way.
#pragma once

#include "gears/Planar.h"

#include <Eigen/Core>

#include <array>

namespace vt::gears {

using LinkVec = Eigen::Vector3d; // the link's middle (x, y) and its tilt, radians

// A point of the link in its own axes: `along` its upright axis u = (sin t, cos t) from
// the middle, `ahead` along n = (cos t, -sin t), towards the cylinder when upright.
struct LinkPoint {
    double along, ahead;
    Vec2 At(const LinkVec& x) const {
        const double s = std::sin(x[2]), c = std::cos(x[2]);
        return {x[0] + along * s + ahead * c, x[1] + along * c - ahead * s};
    }
    Vec2 DAt(double t) const { // d At / d t
        const double s = std::sin(t), c = std::cos(t);
        return {along * c - ahead * s, -along * s - ahead * c};
    }
};

// A rod from `From` to the link's point `On`, `Len` long.
struct LinkRod {
    LinkPoint On;
    Vec2 From;
    double Len;
};

// Newton on the link from `guess`, else from `fallback`: each rod's residual
// (|p - q|^2 - len^2) / 2 len, about the rod's stretch. False when neither converges.
bool PlaceLinkOnRods(const std::array<LinkRod, 3>& rods, double scale, const LinkVec& guess,
                     const LinkVec& fallback, LinkVec& x);

} // namespace vt::gears
