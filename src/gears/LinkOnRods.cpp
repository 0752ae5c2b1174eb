// A link held by three rods; see LinkOnRods.h.
#include "gears/LinkOnRods.h"

#include "gears/Newton.h"

namespace vt::gears {

bool PlaceLinkOnRods(const std::array<LinkRod, 3>& rods, double scale, const LinkVec& guess,
                     const LinkVec& fallback, LinkVec& x) {
    auto f = [&](const LinkVec& q, LinkVec& r, Eigen::Matrix3d& J) {
        for (int i = 0; i < 3; ++i) {
            const LinkRod& rod = rods[std::size_t(i)];
            const Vec2 gap = rod.On.At(q) - rod.From;
            r[i] = (gap.squaredNorm() - rod.Len * rod.Len) / (2 * rod.Len);
            const Vec2 g = gap / rod.Len;
            J.row(i) << g.x(), g.y(), g.dot(rod.On.DAt(q[2]));
        }
    };
    x = guess;
    if (NewtonSolve<3>(f, x, scale)) return true;
    x = fallback;
    return NewtonSolve<3>(f, x, scale);
}

} // namespace vt::gears
