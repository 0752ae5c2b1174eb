// Joy's gear: the textbook properties of its sample and both directions.
#include "gears/kinds/Joy.h"
#include "gears/GearChecks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vt::gears {
namespace {

using test::End;
using test::ScanPort;

// The trunnion where the die stands at both dead centres: there the slide's inclination
// does not move the valve, so each end's lead is the same from full gear to the shortest
// notch.
TEST(Joy, LeadIsConstantAcrossTheNotches) {
    const GearDesign d = Joy().Sample();
    auto s = d.Kind->MakeSolver(d);
    ASSERT_EQ(s->Failed(), nullptr);
    const PortFace f = d.Kind->Face(d);
    const double full = d.Value("FullGearAngle");
    const double travel = test::FullTravel(*s, full);
    for (End end : {End::Front, End::Rear}) {
        double lo = INFINITY, hi = -INFINITY, shortest = 100;
        for (double a = full; a > 0; a -= 2) {
            const auto ev = ScanPort(*s, f, a, true, end);
            if (ev.CutOffPercent < 20) break;
            lo = std::min(lo, ev.Lead), hi = std::max(hi, ev.Lead);
            shortest = std::min(shortest, ev.CutOffPercent);
        }
        EXPECT_LT(shortest, 30);
        EXPECT_GT(lo, 0);
        EXPECT_LT(hi - lo, 0.005 * travel) << lo << " .. " << hi;
    }
}

// Mid gear gives the least travel of the reverser's range, about 2 (lap + lead).
TEST(Joy, MidGearHasTheLeastTravel) {
    const GearDesign d = Joy().Sample();
    auto s = d.Kind->MakeSolver(d);
    const double full = d.Value("FullGearAngle");
    const double mid = test::FullTravel(*s, 0);
    for (double a = -full; a <= full; a += full / 8) {
        if (a == 0) continue;
        EXPECT_GT(test::FullTravel(*s, a), mid) << a;
    }
    const PortFace f = d.Kind->Face(d);
    const double lead = ScanPort(*s, f, 0, true, End::Front).Lead;
    EXPECT_NEAR(mid, 2 * (LapsOf(f).FrontSteam + lead), 0.05 * mid);
}

// Forward settings give the events in the forward order, reverse ones in the reverse.
TEST(Joy, EachSideOfMidGearRunsItsOwnWay) {
    const GearDesign d = Joy().Sample();
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
