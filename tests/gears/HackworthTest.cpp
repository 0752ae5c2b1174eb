// Hackworth's radial gear: the die kept on its tilted slide (its textbook properties are
// checked with every gear's, GearPropertiesTest).
#include "gears/kinds/Hackworth.h"
#include "gears/GearChecks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vt::gears {
namespace {

// The slide is no horizontal guide, so the body check leaves it out: over a turn the die
// stays on one line through the pivot, tilted by the setting from the mid-gear line.
TEST(Hackworth, DieKeepsToItsSlideAtTheSetTilt) {
    const GearDesign d = Hackworth().Sample();
    auto s = d.Kind->MakeSolver(d);
    ASSERT_EQ(s->Failed(), nullptr);
    const double mid = s->MidGear() * M_PI / 180;
    for (double setting : {-d.Value("FullGearAngle"), 0.0, d.Value("NormalGearAngle")}) {
        double across[2] = {0, 0}, lo = INFINITY, hi = -INFINITY; // tilted either way
        for (int c = 0; c < 360; c += 5) {
            const GearPose p = s->Solve(c, setting);
            ASSERT_TRUE(p.Ok()) << c;
            const Vec2 off = p.Pin(HDie) - p.Pin(HSlidePivot);
            for (int i = 0; i < 2; ++i) {
                const double a = mid + (i ? -1 : 1) * setting * M_PI / 180;
                across[i] = std::max(across[i], std::abs(Cross({std::cos(a), std::sin(a)}, off)));
            }
            lo = std::min(lo, p.DiePlace), hi = std::max(hi, p.DiePlace);
        }
        EXPECT_LT(std::min(across[0], across[1]), 1e-9) << setting;
        EXPECT_GT(hi - lo, d.Value("EccThrow")) << setting; // the die does slide
    }
}

} // namespace
} // namespace vt::gears
