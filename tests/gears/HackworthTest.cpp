// Hackworth's radial gear: the die kept on its tilted slide, the textbook properties of
// its sample, both directions.
#include "gears/kinds/Hackworth.h"
#include "gears/GearChecks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vt::gears {
namespace {

using test::End;
using test::ScanPort;

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

// Mid gear gives the least travel of the reverser's range, 2 (lap + lead); the lead is
// the same in every notch, the valve rod's pin standing still at the dead centres.
TEST(Hackworth, MidGearHasTheLeastTravelAndTheLeadIsConstant) {
    const GearDesign d = Hackworth().Sample();
    auto s = d.Kind->MakeSolver(d);
    const PortFace f = d.Kind->Face(d);
    const double full = d.Value("FullGearAngle");
    const double mid = test::FullTravel(*s, 0);
    const double lead = ScanPort(*s, f, 0, true, End::Front).Lead;
    EXPECT_NEAR(mid, 2 * (LapsOf(f).FrontSteam + lead), 0.02 * mid);
    for (double a = -full; a <= full; a += full / 8) {
        if (a == 0) continue;
        EXPECT_GT(test::FullTravel(*s, a), mid) << a;
        EXPECT_NEAR(ScanPort(*s, f, a, a > 0, End::Front).Lead, lead, 1e-3) << a;
    }
}

// Forward settings give the events in the forward order, reverse ones in the reverse.
TEST(Hackworth, EachSideOfMidGearRunsItsOwnWay) {
    const GearDesign d = Hackworth().Sample();
    auto s = d.Kind->MakeSolver(d);
    const PortFace f = d.Kind->Face(d);
    const double normal = d.Value("NormalGearAngle"), full = d.Value("FullGearAngle");
    for (double setting : {normal, -normal, full, -full}) {
        SCOPED_TRACE(setting);
        for (End end : {End::Front, End::Rear}) {
            const auto run = ScanPort(*s, f, setting, setting > 0, end);
            EXPECT_LT(run.Admission, 0);
            EXPECT_GT(run.Admission, -30);
            EXPECT_GT(run.CutOff, 10);
            EXPECT_LT(run.CutOff, run.Release);
            EXPECT_LT(ScanPort(*s, f, setting, setting < 0, end).Admission, -10);
        }
    }
}

} // namespace
} // namespace vt::gears
