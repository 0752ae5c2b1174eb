// Walschaerts gear: its bodies, the textbook properties of its samples, both directions,
// inside admission, and a toggle it cannot pass.
#include "gears/kinds/Walschaerts.h"
#include "gears/GearChecks.h"
#include "gears/Gears.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vt::gears {
namespace {

using test::End;
using test::ScanPort;

// The outside sample is checked with every kind's (EngineTest); the inside one here.
TEST(Walschaerts, InsideSampleKeepsItsBodies) {
    const test::BodyError e = test::WorstBodyError(WalschaertsInside());
    EXPECT_LT(e.Error, 1e-9) << e.Where;
}

// In mid gear only the combination lever moves the valve: lap + lead either way.
TEST(Walschaerts, MidGearTravelIsTwiceLapAndLead) {
    for (const GearDesign& d : {Walschaerts().Sample(), WalschaertsInside()}) {
        auto s = d.Kind->MakeSolver(d);
        const PortFace f = d.Kind->Face(d);
        const double lead = ScanPort(*s, f, 0, true, End::Front).Lead;
        const double want = 2 * (LapsOf(f).FrontSteam + lead);
        EXPECT_NEAR(test::FullTravel(*s, 0), want, 0.02 * want) << d.Name;
    }
}

// Laid out by the rules, the lead does not change from 20 % cut-off to full gear.
TEST(Walschaerts, LeadIsConstantAcrossTheNotches) {
    const GearDesign d = Walschaerts().Sample();
    auto s = d.Kind->MakeSolver(d);
    const PortFace f = d.Kind->Face(d);
    const double full = d.Value("FullGearAngle");
    const double travel = test::FullTravel(*s, full);
    double lo = INFINITY, hi = -INFINITY, shortest = 100;
    for (double a = full; a > 0; a -= 2) {
        const auto front = ScanPort(*s, f, a, true, End::Front);
        if (front.CutOffPercent < 20) break;
        const auto rear = ScanPort(*s, f, a, true, End::Rear);
        for (double lead : {front.Lead, rear.Lead})
            lo = std::min(lo, lead), hi = std::max(hi, lead);
        shortest = std::min(shortest, front.CutOffPercent);
    }
    EXPECT_LT(shortest, 25); // the scan reached the short notches
    EXPECT_GT(lo, 0);
    EXPECT_LT(hi - lo, 0.005 * travel) << lo << " .. " << hi;
}

// Each direction's events come in the forward order only when the driver turns that way:
// admission just before the dead centre, cut-off after it.
TEST(Walschaerts, EachSideOfMidGearRunsItsOwnWay) {
    for (const GearDesign& d : {Walschaerts().Sample(), WalschaertsInside()}) {
        auto s = d.Kind->MakeSolver(d);
        const PortFace f = d.Kind->Face(d);
        const double normal = d.Value("NormalGearAngle");
        for (double setting : {normal, -normal, 2 * normal, -2 * normal}) {
            SCOPED_TRACE(d.Name + " at " + std::to_string(setting));
            for (End end : {End::Front, End::Rear}) {
                const auto run = ScanPort(*s, f, setting, setting > 0, end);
                EXPECT_LT(run.Admission, 0);
                EXPECT_GT(run.Admission, -30);
                EXPECT_GT(run.CutOff, 10);
                EXPECT_LT(run.CutOff, run.Release);
                const auto wrong = ScanPort(*s, f, setting, setting < 0, end);
                EXPECT_LT(wrong.Admission, -10);
            }
        }
    }
}

// A piston valve's openings are a slide valve's with the same laps, driven the other way.
TEST(Walschaerts, InsideAdmissionIsTheMirroredOutsideValve) {
    const GearDesign d = WalschaertsInside();
    const PortFace in = d.Kind->Face(d);
    ASSERT_EQ(in.Admit, Admission::Inside);
    const double h = in.ExhPortWidth / 2;
    const double frontEdges = 2 * (h + in.BridgeFront) + in.SteamPortFront;
    const double rearEdges = 2 * (h + in.BridgeRear) + in.SteamPortRear;
    PortFace out = in;
    out.Admit = Admission::Outside;
    out.LenFront = frontEdges - in.CavityFront, out.CavityFront = frontEdges - in.LenFront;
    out.LenRear = rearEdges - in.CavityRear, out.CavityRear = rearEdges - in.LenRear;
    auto s = d.Kind->MakeSolver(d);
    for (int deg = 0; deg < 360; deg += 5) {
        const double v = s->Solve(deg, d.Value("NormalGearAngle")).Valve;
        const Openings a = OpeningsAt(in, v), b = OpeningsAt(out, -v);
        EXPECT_NEAR(a.FrontSteam, b.FrontSteam, 1e-12) << deg;
        EXPECT_NEAR(a.RearSteam, b.RearSteam, 1e-12) << deg;
        EXPECT_NEAR(a.FrontExhaust, b.FrontExhaust, 1e-12) << deg;
        EXPECT_NEAR(a.RearExhaust, b.RearExhaust, 1e-12) << deg;
    }
    EXPECT_GT(LapsOf(in).FrontSteam, 0);
    EXPECT_NEAR(LapsOf(in).RearExhaust, LapsOf(out).RearExhaust, 1e-12);
}

// Past full gear the lifting arm turns on until the lifting link cannot hold the radius
// rod: up to there every pose is assembled on the reference branch (the lifting link on
// its side of the arm, finite pins); beyond it the group is named; never a mirror image.
TEST(Walschaerts, ToggleIsReportedNotCrossed) {
    const GearDesign d = Walschaerts().Sample();
    auto s = d.Kind->MakeSolver(d);
    ASSERT_EQ(s->Failed(), nullptr);
    auto side = [](const GearPose& p) {
        return SideOf(p.Pin(WWeighShaft), p.Pin(WLiftArmEnd), p.Pin(WLiftPoint));
    };
    const int reference = side(s->Solve(90, 0));
    for (double sign : {1.0, -1.0}) {
        int failed = 0;
        for (double a = 0; a < 180; a += 0.25) {
            const GearPose p = s->Solve(90, sign * a);
            if (!p.Ok()) {
                EXPECT_STREQ(p.Failed, "Radius rod and combination lever");
                ++failed;
                continue;
            }
            for (int k = 0; k < p.PinCount; ++k)
                ASSERT_TRUE(p.Pin(k).allFinite());
            EXPECT_EQ(side(p), reference) << sign * a;
        }
        EXPECT_GT(failed, 0) << sign;
    }
}

} // namespace
} // namespace vt::gears
