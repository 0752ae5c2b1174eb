// Walschaerts gear: the inside sample's bodies, inside admission, and a toggle it cannot
// pass (the textbook properties of both samples are checked with every gear's,
// GearPropertiesTest).
#include "gears/kinds/Walschaerts.h"
#include "gears/GearChecks.h"
#include "gears/Gears.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vt::gears {
namespace {

// The outside sample is checked with every kind's (EngineTest); the inside one here.
TEST(Walschaerts, InsideSampleKeepsItsBodies) {
    const test::BodyError e = test::WorstBodyError(WalschaertsInside());
    EXPECT_LT(e.Error, 1e-9) << e.Where;
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
