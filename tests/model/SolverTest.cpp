// The linkage solver: closure of the link, the guards' outcomes on impossible designs,
// determinism and the give-up after the pass limit.
#include "model/Solver.h"

#include "model/Real.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace vt {
namespace {

double LiftingLinkGap(const State& s) {
    return Dist(s.PivotX[9], s.PivotY[9], s.PivotX[15], s.PivotY[15]) - s.LiftingLinkLen;
}

TEST(Solver, MidGearAtZeroClosesTheLiftingLinkSilently) {
    auto c = test::BuiltIn();
    c->DriverAngle = 0;
    c->RevArmPos = c->RevArmSet[0];
    EXPECT_EQ(SolveLinkage(*c), SolveOutcome::Completed);
    EXPECT_LT(std::abs(LiftingLinkGap(*c)), 0.002);
    EXPECT_EQ(c.beeps(), 0);
}

TEST(Solver, CrankPinAndSidesOfTheRodsHoldOverWholeTurns) {
    auto c = test::BuiltIn();
    for (float offset : {-1.3f, -1.04f, 0.0f, 1.04f, 1.3f}) {
        c->RevArmPos = c->RevArmSet[0] + offset;
        for (int a = 0; a < 360; a += 3) {
            c->DriverAngle = float(a);
            SolveLinkage(*c);
            EXPECT_GE(c->PivotX[3] - c->PivotX[2], 0) << a;
            EXPECT_GE(c->PivotX[4] - c->PivotX[5], 0) << a;
            EXPECT_LT(std::abs(LiftingLinkGap(*c)), 0.002) << a << " " << offset;
        }
    }
    EXPECT_EQ(c.beeps(), 0);
    c->DriverAngle = 90;
    SolveLinkage(*c);
    EXPECT_NEAR(c->PivotY[2], -1.5f, 1e-6);
    EXPECT_NEAR(c->PivotX[2], 0.0f, 1e-6);
}

TEST(Solver, ReverseArmEndAndValveJointFollowTheirInputs) {
    auto c = test::BuiltIn();
    c->PivotY[3] = 0.5f;
    c->RevArmBackSet = 0.3f;
    for (float offset : {-1.3f, 0.0f, 0.9f}) {
        c->RevArmPos = c->RevArmSet[0] + offset;
        SolveLinkage(*c);
        // The arm end stands at RevArmPos, above the shaft, at the arm's length with its
        // back set from the shaft.
        EXPECT_EQ(c->PivotX[18], c->RevArmPos);
        EXPECT_GT(c->PivotY[18], c->PivotY[17]);
        EXPECT_NEAR(Dist(c->PivotX[17], c->PivotY[17], c->PivotX[18], c->PivotY[18]),
                    std::hypot(2.375, 0.3), 1e-5);
    }
    EXPECT_FLOAT_EQ(c->PivotY[4], 0.5f + 2.062f);
}

TEST(Solver, EccentricSenseFollowsTheForwardAngle) {
    auto c = test::BuiltIn();
    struct Case {
        float angle, sense;
    } cases[] = {{62, 1}, {90, 1}, {100, -1}, {180, 1}, {200, 1}, {270, 1}, {300, -1}, {0, 1}};
    for (const Case& k : cases) {
        c->EccFwdAngle = k.angle;
        SolveLinkage(*c);
        EXPECT_EQ(c->EccSense, k.sense) << k.angle;
    }
    EXPECT_EQ(c->LiftArmSense, c->LiftingArmLen);
}

TEST(Solver, SameInputsGiveTheSamePivotsWhateverCameBefore) {
    auto c = test::BuiltIn();
    c->DriverAngle = 211.5f;
    c->RevArmPos = c->RevArmSet[2];
    SolveLinkage(*c);
    float x[kPivotCount], y[kPivotCount];
    std::memcpy(x, c->PivotX, sizeof x);
    std::memcpy(y, c->PivotY, sizeof y);
    const float angle = c->LinkAngle;

    c->DriverAngle = 17;
    c->RevArmPos = c->RevArmSet[3];
    SolveLinkage(*c);
    c->DriverAngle = 211.5f;
    c->RevArmPos = c->RevArmSet[2];
    SolveLinkage(*c);
    EXPECT_EQ(std::memcmp(x, c->PivotX, sizeof x), 0);
    EXPECT_EQ(std::memcmp(y, c->PivotY, sizeof y), 0);
    EXPECT_EQ(angle, c->LinkAngle);
}

TEST(Solver, ShortMainRodBeepsAndCompletes) {
    auto c = test::BuiltIn();
    c->MainRodLen = 1.0f; // shorter than the crank radius 1.5
    c->DriverAngle = 90;
    EXPECT_EQ(SolveLinkage(*c), SolveOutcome::Completed);
    EXPECT_GE(c.beeps(), 1);
    EXPECT_TRUE(std::isfinite(c->PivotX[3]));
    EXPECT_GE(c->PivotX[3] - c->PivotX[2], 0);

    c.resetBeeps();
    c->DriverAngle = 0; // |Y2 - Y3| = 0 < 1: no root guard
    SolveLinkage(*c);
    EXPECT_EQ(c.beeps(), 0);
}

TEST(Solver, ZeroRockerLowerArmIsGuardedAndCompletes) {
    auto c = test::BuiltIn();
    c->RockerLowerLen = 0;
    EXPECT_EQ(SolveLinkage(*c), SolveOutcome::Completed);
    EXPECT_GE(c.beeps(), 1);
    for (int p = 2; p <= 24; ++p) {
        EXPECT_FALSE(std::isnan(c->PivotX[p])) << p;
        EXPECT_FALSE(std::isnan(c->PivotY[p])) << p;
    }
}

TEST(Solver, ZeroDistancesInTheTrianglesAreGuarded) {
    auto c = test::BuiltIn();
    // Rocker pivot on the link's arc centre: the die block triangle has no base.
    SolveLinkage(*c);
    c->PivotX[7] = c->PivotX[14];
    c->PivotY[7] = c->PivotY[14];
    c.resetBeeps();
    EXPECT_EQ(SolveLinkage(*c), SolveOutcome::Completed);
    EXPECT_FALSE(std::isnan(c->PivotX[8]));
    EXPECT_FALSE(std::isnan(c->PivotX[4]));
}

TEST(Solver, UnreachableLinkGivesUpAndKeepsTheRockerAndValve) {
    auto c = test::BuiltIn();
    c->DriverAngle = 45;
    SolveLinkage(*c);
    const float x4 = c->PivotX[4], x5 = c->PivotX[5], y8 = c->PivotY[8];
    const float travel = c->ValveTravel, sense = c->EccSense;

    c->LiftingLinkLen = 2000; // the search can never reach it
    c->EccFwdAngle = 100;     // would flip EccSense if stage 3 ran
    c.resetBeeps();
    EXPECT_EQ(SolveLinkage(*c), SolveOutcome::GaveUp);
    EXPECT_GE(c.beeps(), 1);
    EXPECT_EQ(c->PivotX[4], x4);
    EXPECT_EQ(c->PivotX[5], x5);
    EXPECT_EQ(c->PivotY[8], y8);
    EXPECT_EQ(c->ValveTravel, travel);
    EXPECT_EQ(c->EccSense, sense);
    EXPECT_LT(c->PivotY[10], -400); // the link pivots hold the last trial, far below
}

TEST(Solver, StretchedLiftingLinkBeepsOnce) {
    auto c = test::BuiltIn();
    // The shaft moved 4 to the side: the lifting link cannot span the gap at any height.
    c->PivotX[16] = c->PivotX[17] = 10.0f;
    c->RevArmPos = 10.0f;
    EXPECT_EQ(SolveLinkage(*c), SolveOutcome::Completed);
    EXPECT_GT(LiftingLinkGap(*c), 0.002);
    EXPECT_EQ(c.beeps(), 1);
}

} // namespace
} // namespace vt
