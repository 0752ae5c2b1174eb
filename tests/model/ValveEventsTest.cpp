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

// With h = 0.375 / 2 = 0.1875 and the valve stem 3.191 on the cylinder centre 16.
TEST(ValveEvents, PortEdgesTakeEachSidesOwnDimensions) {
    auto c = test::UnequalPorts();
    SolveAt(*c, 0);
    struct Edge {
        float PortEdges::*value;
        double expected;
    } edges[] = {
        {&PortEdges::FrontSteamOpenTravel, -0.1375}, // 0.1875 + 0.2 + 0.175 - 0.7
        {&PortEdges::FrontSteamMaxTravel, -0.3125},  // 0.1875 + 0.2 - 0.7
        {&PortEdges::FrontExhOpenTravel, 0.0375},    // 0.1875 + 0.2 - 0.35
        {&PortEdges::RearSteamOpenTravel, -0.1725},  // 0.1875 + 0.16 + 0.13 - 0.65
        {&PortEdges::RearSteamMaxTravel, -0.3025},   // 0.1875 + 0.16 - 0.65
        {&PortEdges::RearExhOpenTravel, 0.0475},     // 0.1875 + 0.16 - 0.3
        {&PortEdges::LeadBaseUpper, -12.9815},       // 0.13 + 0.16 + 0.1875 + 3.191 - 0.65 - 16
        {&PortEdges::LeadBaseLower, 12.6715},        // 0.175 + 0.2 + 0.1875 + 16 - 3.191 - 0.7
        {&PortEdges::LapUpper, 0.1375},              // 0.7 - 0.1875 - 0.2 - 0.175
        {&PortEdges::LapLower, 0.1725},              // 0.65 - 0.1875 - 0.16 - 0.13
        {&PortEdges::ExClUpper, -0.0375},            // 0.35 - 0.1875 - 0.2
        {&PortEdges::ExClLower, -0.0475},            // 0.3 - 0.1875 - 0.16
    };
    for (const Edge& e : edges) EXPECT_NEAR((*c).*e.value, e.expected, 2e-6) << e.expected;
}

// Each opening is a side's constant plus or minus the travel t = PivotX[4] + 3.191 - 16:
//   front steam 16 + 0.1875 + 0.2 + 0.175 - (16 + t + 0.7) = -0.1375 - t
//   front exhaust (16 + t + 0.35) - (16 + 0.1875 + 0.2)    =  t - 0.0375
//   rear steam (16 + t - 0.65) - (16 - 0.1875 - 0.16 - 0.13) =  t - 0.1725
//   rear exhaust (16 - 0.1875 - 0.16) - (16 + t - 0.3)     = -t - 0.0475
TEST(ValveEvents, OpeningsTakeEachSidesOwnDimensions) {
    auto c = test::UnequalPorts();
    c->RevArmPos = c->RevArmSet[2];
    for (float angle : {0.0f, 75.0f, 180.0f, 260.0f}) {
        SolveAt(*c, angle);
        const double t = double(c->PivotX[4]) + 3.191f - 16.0;
        EXPECT_NEAR(c->FrontSteamOpening, -0.1375 - t, 2e-6) << angle;
        EXPECT_NEAR(c->FrontExhOpening, t - 0.0375, 2e-6) << angle;
        EXPECT_NEAR(c->RearSteamOpening, t - 0.1725, 2e-6) << angle;
        EXPECT_NEAR(c->RearExhOpening, -t - 0.0475, 2e-6) << angle;
    }
    // A valve placed 0.1 forward of centre: PivotX[4] = 16.1 - 3.191.
    c->PivotX[4] = 12.909f;
    ComputeValveEvents(*c);
    EXPECT_NEAR(c->FrontSteamOpening, -0.2375, 2e-6);
    EXPECT_NEAR(c->FrontExhOpening, 0.0625, 2e-6);
    EXPECT_NEAR(c->RearSteamOpening, -0.0725, 2e-6);
    EXPECT_NEAR(c->RearExhOpening, -0.1475, 2e-6);
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
