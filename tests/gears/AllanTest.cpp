// Allan's straight-link gear: the lead it gives across the notches against the shifting
// link's (the classic gear's, open rods), and the die kept on its straight slot.
#include "gears/kinds/Allan.h"
#include "gears/GearChecks.h"
#include "gears/Gears.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vt::gears {
namespace {

using test::End;
using test::ScanPort;

// How far each end's lead moves, running forward from full gear down the notches to 20 %
// cut-off, as a share of the full-gear travel.
double LeadSpread(const GearDesign& d) {
    auto s = d.Kind->MakeSolver(d);
    const PortFace f = d.Kind->Face(d);
    const double full = SettingOf(d, NamedPosition::FullForward);
    double lo = INFINITY, hi = -INFINITY;
    for (double a = full; a > 0; a -= full / 30) {
        const auto front = ScanPort(*s, f, a, true, End::Front);
        if (front.CutOffPercent < 20) break;
        for (double lead : {front.Lead, ScanPort(*s, f, a, true, End::Rear).Lead})
            lo = std::min(lo, lead), hi = std::max(hi, lead);
    }
    return (hi - lo) / test::FullTravel(*s, full);
}

// The link moves only part of the die's shift, so the lead changes from notch to notch,
// but less than with the shifting link.
TEST(Allan, LeadVariesLessThanTheShiftingLinks) {
    const double allan = LeadSpread(Allan().Sample());
    const double classic = LeadSpread(FindGear("classic")->Sample());
    EXPECT_GT(allan, 0.005);
    EXPECT_LT(allan, classic);
}

// The slot is no guide of the body check: over a turn at every position the die stays on
// the straight line through the link's rod pins (they stand on the slot's line).
TEST(Allan, DieKeepsToTheStraightSlot) {
    const GearDesign d = Allan().Sample();
    ASSERT_EQ(d.Value("LinkRodBackSet"), 0);
    auto s = d.Kind->MakeSolver(d);
    for (NamedPosition n : kNamedPositions)
        for (int deg = 0; deg < 360; deg += 5) {
            const GearPose p = s->Solve(deg, SettingOf(d, n));
            ASSERT_TRUE(p.Ok()) << p.Failed;
            const Vec2 slot = (p.Pin(AFwdRodPin) - p.Pin(ABackRodPin)).normalized();
            EXPECT_NEAR(Cross(slot, p.Pin(ADie) - p.Pin(ABackRodPin)), 0, 1e-9) << deg;
            EXPECT_NEAR(slot.dot(p.Pin(ADie) - p.Pin(ALinkMiddle)), p.DiePlace, 1e-9) << deg;
        }
}

} // namespace
} // namespace vt::gears
