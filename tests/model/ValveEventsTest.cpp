// Piston position and port openings: the dead centres, the rod's angularity, each
// opening tied to its own side's dimensions, and the valve at normal forward.
#include "model/ValveEvents.h"

#include "model/Solver.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vt {
namespace {

void SolveAt(State& s, float angle) {
    s.DriverAngle = angle;
    SolveLinkage(s);
    ComputeValveEvents(s);
}

TEST(ValveEvents, PistonPositionAtTheDeadCentresAndQuarters) {
    auto c = test::BuiltIn();
    SolveAt(*c, 0);
    EXPECT_EQ(c->PistonPos, 0.0f);
    SolveAt(*c, 180);
    EXPECT_EQ(c->PistonPos, 640.0f);
    SolveAt(*c, 90);
    const float quarter = c->PistonPos;
    EXPECT_NEAR(quarter, 344.1f, 0.05f);
    SolveAt(*c, 270);
    EXPECT_NEAR(c->PistonPos, quarter, 1e-3f);
    EXPECT_EQ(c.beeps(), 0);
}

TEST(ValveEvents, OpeningsAgreeWithThePortEdgeValues) {
    auto c = test::LongTravel();
    for (int a = 0; a < 360; a += 15) {
        SolveAt(*c, float(a));
        EXPECT_NEAR(c->FrontExhOpening, c->ValveTravel - c->FrontExhOpenTravel, 1e-5f);
        EXPECT_NEAR(c->RearExhOpening, -c->ValveTravel - c->RearExhOpenTravel, 1e-5f);
        EXPECT_NEAR(c->FrontSteamOpening, c->FrontSteamOpenTravel - c->ValveTravel, 1e-5f);
        EXPECT_NEAR(c->RearSteamOpening, c->ValveTravel + c->RearSteamOpenTravel, 1e-5f);
        EXPECT_NEAR(c->RearSteamOpening, c->PivotX[4] + c->LeadBaseUpper, 1e-5f);
        EXPECT_NEAR(c->FrontSteamOpening, c->LeadBaseLower - c->PivotX[4], 1e-5f);
    }
}

TEST(ValveEvents, CentredValveShowsTheLapAtBothEnds) {
    auto c = test::BuiltIn();
    SolveAt(*c, 0);
    // Put the valve exactly central, then re-evaluate the openings.
    c->PivotX[4] = c->CylCtrToDriverCtr - c->ValveStemLen;
    ComputeValveEvents(*c);
    EXPECT_NEAR(c->FrontSteamOpening, -c->LapUpper, 1e-6f);
    EXPECT_NEAR(c->RearSteamOpening, -c->LapUpper, 1e-6f);
    EXPECT_NEAR(c->LapUpper, 0.687f - 0.1875f - 0.187f - 0.156f, 1e-6f);
    EXPECT_FLOAT_EQ(c->LapUpper, c->LapLower);
    EXPECT_FLOAT_EQ(c->FrontSteamOpenTravel, -c->LapUpper);
}

TEST(ValveEvents, EachExhaustOpeningUsesItsOwnBridge) {
    auto c = test::BuiltIn();
    SolveAt(*c, 33);
    const float front = c->FrontExhOpening, rear = c->RearExhOpening;
    c->BridgeWidthRear = 0.25f;
    ComputeValveEvents(*c);
    EXPECT_EQ(c->FrontExhOpening, front);
    EXPECT_NEAR(c->RearExhOpening, rear - (0.25f - 0.187f), 1e-6f);
}

TEST(ValveEvents, NormalForwardOpensTheFrontPortAroundNinety) {
    auto c = test::BuiltIn();
    c->RevArmPos = c->RevArmSet[2];
    SolveAt(*c, 90);
    EXPECT_NEAR(c->FrontSteamOpening, 0.18f, 0.01f);
    SolveAt(*c, 0);
    EXPECT_NEAR(c->FrontSteamOpening, -0.001f, 0.002f);
    SolveAt(*c, 270);
    EXPECT_GT(c->RearSteamOpening, 0.1f);
    EXPECT_LT(c->FrontSteamOpening, 0.0f);
}

TEST(ValveEvents, ZeroStrokeIsGuardedAndFinite) {
    auto c = test::BuiltIn();
    c->StrokeLen = 0;
    SolveAt(*c, 90);
    EXPECT_GE(c.beeps(), 1);
    EXPECT_TRUE(std::isfinite(c->PistonPos));
}

} // namespace
} // namespace vt
