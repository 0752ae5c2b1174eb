// One physics, three readings: the cut-off of the built-in design at normal forward as
// the steam diagram writes it, as the port events sweep finds it, and as the main
// window's readout shows it after the port closes while the gear turns 4 degrees a tick.
#include "diagrams/PortsDraw.h"
#include "diagrams/SteamDraw.h"

#include "diagrams/Recorded.h"
#include "model/Controls.h"
#include "model/Solver.h"
#include "model/ValveEvents.h"
#include "render/Readouts.h"
#include "render/RecordingCanvas.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace vt {
namespace {

struct Readings {
    double front, rear;
};

Readings SteamDiagram(State s) {
    s.RevArmCount = 1;
    s.RevArmSet[1] = s.RevArmSet[2]; // normal forward
    RecordingCanvas r(632, 414);
    DrawSteamDiagram(r, s);
    return {std::stod(test::TextsAt(r, 600, CutOffRow(1)).at(0).text),
            std::stod(test::TextsAt(r, 15, CutOffRow(1)).at(0).text)};
}

Readings PortSweep(State s) {
    s.RevArmPos = s.RevArmSet[2];
    float front = -1, rear = -1;
    SweepPortRow(s, false, [&](int kind, float f) {
        if (kind == FrontCutOff) front = f;
        if (kind == RearCutOff) rear = f;
    });
    return {front / 6.4, (640 - rear) / 6.4};
}

Readings MainWindow(State s) {
    s.RevArmPos = s.RevArmSet[2];
    s.RunStep = 4;
    s.DriverAngle = 0;
    for (int tick = 0; tick < 180; ++tick) { // two turns
        TickModel(s);
        RecordingCanvas r;
        DrawReadouts(r, s, colors::Black);
    }
    return {std::stod(s.FrontCOText), std::stod(s.RearCOText)};
}

// The piston's travel, in percent of the stroke, over the 4-degree step within which the
// front (or rear) steam port closes at normal forward.
Readings StepTravel(State s) {
    s.RevArmPos = s.RevArmSet[2];
    Readings out{0, 0};
    float prevPiston = 0, prevFront = 0, prevRear = 0;
    for (int a = 0; a <= 360; a += 4) {
        s.DriverAngle = float(a);
        SolveLinkage(s);
        ComputeValveEvents(s);
        if (a > 0 && prevFront > 0 && s.FrontSteamOpening <= 0) out.front = std::abs(s.PistonPos - prevPiston) / 6.4;
        if (a > 0 && prevRear > 0 && s.RearSteamOpening <= 0) out.rear = std::abs(s.PistonPos - prevPiston) / 6.4;
        prevPiston = s.PistonPos;
        prevFront = s.FrontSteamOpening;
        prevRear = s.RearSteamOpening;
    }
    return out;
}

// The main window and the port sweep interpolate the same two steps and agree to the
// readout's last digit. The steam diagram's admission raises a closing port's last small
// opening to 0.005, which puts its cut-off later, still within the same step.
TEST(CutOffAgreement, SteamDiagramPortEventsAndMainWindowAgreeAtNormalForward) {
    const test::CountingState c = test::BuiltIn();
    const Readings steam = SteamDiagram(*c), ports = PortSweep(*c), main = MainWindow(*c);
    const Readings step = StepTravel(*c);
    RecordProperty("front_cutoff", std::to_string(steam.front));
    ASSERT_GT(step.front, 0.5);
    ASSERT_GT(step.rear, 0.5);
    EXPECT_NEAR(ports.front, main.front, 0.051);
    EXPECT_NEAR(ports.rear, main.rear, 0.051);
    EXPECT_NEAR(steam.front, ports.front, step.front);
    EXPECT_NEAR(steam.rear, ports.rear, step.rear);
    EXPECT_GE(steam.front, ports.front - 0.05);
    EXPECT_GT(steam.front, 60.0);
    EXPECT_LT(steam.front, 95.0);
}

// The port events graph drawn with full gear at 18/16 of normal: row 16 is normal forward,
// and its front cut-off line ends at the column of that cut-off.
TEST(CutOffAgreement, PortDiagramRowAtNormalForwardShowsTheSameCutOff) {
    test::CountingState c = test::BuiltIn();
    c->RevArmCentMax = c->RevArmCentNorm * 18.0f / 16.0f;
    c->RevArmSet[2] = PortRowRevArmPos(*c, 16, false);
    const Readings ports = PortSweep(*c);
    c->PortGraphMode = 'F';
    RecordingCanvas r(632, 414);
    DrawPortsDiagram(r, *c);
    EXPECT_NEAR(c->RevArmSet[2], c->RevArmSet[0] + c->RevArmCentNorm, 1e-5);
    const int x = PortEventX(FrontCutOff, float(ports.front * 6.4));
    int near = 0;
    for (const CanvasCall& l : r.Calls(CanvasCall::Line))
        near += l.pen == Color{0, 128, 128} && l.c[3] == PortRowY(16) && std::abs(l.c[2] - x) <= 1;
    EXPECT_EQ(near, 1);
}

} // namespace
} // namespace vt
