// Marshall's gear: the textbook properties of its sample and both directions.
#include "gears/kinds/Marshall.h"
#include "gears/GearChecks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vt::gears {
namespace {

using test::End;
using test::ScanPort;

// Mid gear gives the least travel of the reverser's range, 2 (lap + lead); the lead is
// the same in every notch, the rod end standing at the reversing shaft at the dead centres.
TEST(Marshall, MidGearHasTheLeastTravelAndTheLeadIsConstant) {
    const GearDesign d = Marshall().Sample();
    auto s = d.Kind->MakeSolver(d);
    ASSERT_EQ(s->Failed(), nullptr);
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
TEST(Marshall, EachSideOfMidGearRunsItsOwnWay) {
    const GearDesign d = Marshall().Sample();
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
