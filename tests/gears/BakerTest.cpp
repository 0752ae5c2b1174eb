// Baker gear: the textbook properties of its sample (constant lead, least travel in mid
// gear) and both directions of running. Its bodies are checked with every kind's
// (EngineTest).
#include "gears/kinds/Baker.h"
#include "gears/GearChecks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vt::gears {
namespace {

using test::End;
using test::ScanPort;

// Laid out by the rules, the lead does not change from 20 % cut-off to full gear.
TEST(Baker, LeadIsConstantAcrossTheNotches) {
    const GearDesign d = Baker().Sample();
    auto s = d.Kind->MakeSolver(d);
    const PortFace f = d.Kind->Face(d);
    const double full = d.Value("FullGearAngle");
    double lo = INFINITY, hi = -INFINITY, shortest = 100;
    for (double a = full; a > 0; a -= 1) {
        const auto front = ScanPort(*s, f, a, true, End::Front);
        if (front.CutOffPercent < 20) break;
        for (double lead : {front.Lead, ScanPort(*s, f, a, true, End::Rear).Lead})
            lo = std::min(lo, lead), hi = std::max(hi, lead);
        shortest = std::min(shortest, front.CutOffPercent);
    }
    EXPECT_LT(shortest, 25); // the scan reached the short notches
    EXPECT_GT(lo, 0);
    EXPECT_LT(hi - lo, 0.005 * test::FullTravel(*s, full)) << lo << " .. " << hi;
}

// Mid gear has the least full travel of the yoke's range, and it grows either way.
TEST(Baker, MidGearHasTheLeastTravel) {
    const GearDesign d = Baker().Sample();
    auto s = d.Kind->MakeSolver(d);
    const double full = d.Value("FullGearAngle"), mid = test::FullTravel(*s, 0);
    for (double a = full / 8; a <= full; a += full / 8) {
        EXPECT_GT(test::FullTravel(*s, a), mid + 1e-4) << a;
        EXPECT_GT(test::FullTravel(*s, -a), mid + 1e-4) << -a;
    }
    EXPECT_GT(test::FullTravel(*s, full), 2 * mid); // the yoke does change the travel
}

// Each direction's events come in the forward order only when the driver turns that way.
TEST(Baker, EachSideOfMidGearRunsItsOwnWay) {
    const GearDesign d = Baker().Sample();
    auto s = d.Kind->MakeSolver(d);
    const PortFace f = d.Kind->Face(d);
    const double normal = d.Value("NormalGearAngle");
    for (double setting : {normal, -normal, d.Value("FullGearAngle"),
                           -d.Value("FullGearAngle")}) {
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
