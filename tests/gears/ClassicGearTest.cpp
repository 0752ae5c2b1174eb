// The classic gear on the exact engine against the system's own solver, and its design
// taken from and given back to a classic mechanism.
#include "gears/kinds/ClassicGear.h"
#include "gears/GearChecks.h"
#include "gears/Gears.h"
#include "model/Defaults.h"
#include "model/MidGear.h"
#include "model/Solver.h"
#include "model/ValveEvents.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

namespace vt::gears {
namespace {

// Every degree of a turn at the five named positions of each sample design: the valve
// within the classic search's own resolution, and the openings by the same port face.
TEST(ClassicGear, AgreesWithTheClassicSolver) {
    for (const auto& sample : vt::test::SampleDesigns()) {
        SCOPED_TRACE(sample.file);
        vt::test::CountingState c = sample.make();
        State& s = *c;
        const GearDesign d = ClassicDesign(s);
        auto solver = d.Kind->MakeSolver(d);
        ASSERT_EQ(solver->Failed(), nullptr);
        const double sense = SenseIsDirect(s) ? 1 : -1;
        for (NamedPosition n : kNamedPositions) {
            const float revArm = float(s.RevArmSet[0] + sense * SettingOf(d, n));
            double worst = 0;
            for (int deg = 0; deg < 360; ++deg) {
                s.RevArmPos = revArm;
                s.DriverAngle = float(deg);
                ASSERT_EQ(SolveLinkage(s), SolveOutcome::Completed);
                ComputeValveEvents(s);
                const GearPose p = solver->Solve(deg, sense * (revArm - solver->MidGear()));
                ASSERT_TRUE(p.Ok()) << p.Failed << " at " << deg;
                worst = std::max(worst, std::abs(p.Valve - s.ValveTravel));
                const Openings o = OpeningsAt(d.Kind->Face(d), p.Valve);
                EXPECT_NEAR(o.FrontSteam, s.FrontSteamOpening, 2e-4) << deg;
                EXPECT_NEAR(o.RearExhaust, s.RearExhOpening, 2e-4) << deg;
            }
            EXPECT_LT(worst, 2e-4) << PositionName(n);
        }
        // The exact rule for mid gear lands where the classic search puts it.
        EXPECT_NEAR(solver->MidGear(), s.RevArmSet[0], 2e-4);
        EXPECT_EQ(c.beeps(), 0);
    }
}

// With the classic search refined a thousand times further it closes on the exact engine
// to the 32-bit storage of its pivots: the engine's geometry is the classic gear's, the
// pins set off their members' lines included.
TEST(ClassicGear, RefinedClassicSearchClosesOnTheEngine) {
    vt::test::CountingState c = vt::test::OffsetPins();
    State& s = *c;
    s.SolveTol = 1e-7f;
    const GearDesign d = ClassicDesign(s);
    auto solver = d.Kind->MakeSolver(d);
    const double sense = SenseIsDirect(s) ? 1 : -1;
    for (double setting : {1.3, -1.04}) {
        s.RevArmPos = float(solver->MidGear() + sense * setting);
        for (int deg = 0; deg < 360; deg += 3) {
            s.DriverAngle = float(deg);
            ASSERT_EQ(SolveLinkage(s), SolveOutcome::Completed);
            const GearPose p = solver->Solve(deg, sense * (s.RevArmPos - solver->MidGear()));
            EXPECT_NEAR(p.Valve, s.ValveTravel, 2e-5) << setting << " " << deg;
            EXPECT_NEAR(p.Pin(CDieBlock).y(), s.PivotY[DieBlock], 2e-5) << deg;
        }
    }
}

TEST(ClassicGear, BodiesKeepTheirShape) {
    for (const auto& sample : vt::test::SampleDesigns()) {
        const test::BodyError e = test::WorstBodyError(ClassicDesign(*sample.make()));
        EXPECT_LT(e.Error, 1e-9) << sample.file << ": " << e.Where;
    }
}

// A design taken from a mechanism and given back changes no dimension, and keeps the
// stored positions where they were.
TEST(ClassicGear, DesignRoundTripsThroughAMechanism) {
    State a = *vt::test::LongTravel();
    a.RevArmCount = 5;
    a.RevArmSet[4] = a.RevArmSet[0] + 0.5f;
    a.RevArmSet[5] = a.RevArmSet[0] - 0.25f;
    const GearDesign d = ClassicDesign(a);
    EXPECT_EQ(FindGear("classic"), d.Kind);
    EXPECT_EQ(d.Value("EccCircleDia"), a.EccCircleDia);
    EXPECT_EQ(d.Value("RockerPivotX"), a.PivotX[RockerPivot]);
    State b;
    StartUp(b);
    ApplyClassicDesign(d, b);
    EXPECT_EQ(ClassicDesign(b).Values, d.Values);
    EXPECT_EQ(b.PivotX[RockerPivotCopy], a.PivotX[RockerPivot]);
    EXPECT_EQ(b.RevArmCount, 5);
    EXPECT_NEAR(b.RevArmSet[4], a.RevArmSet[4], 1e-6);
    EXPECT_NEAR(b.RevArmSet[5], a.RevArmSet[5], 1e-6);
}

} // namespace
} // namespace vt::gears
