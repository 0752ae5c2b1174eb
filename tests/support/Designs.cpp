// Canonical designs; see Designs.h.
#include "support/Designs.h"

#include "gears/kinds/ClassicGear.h"

#include "model/Defaults.h"
#include "model/MidGear.h"
#include "model/Solver.h"

namespace vt::test {

namespace {

// Re-centres the reverse arm after a design change and forgets the beeps it cost.
CountingState Recentred(CountingState c) {
    FindRevArmCent(*c);
    c->RevArmPos = c->RevArmSet[0];
    c.resetBeeps();
    return c;
}

} // namespace

gears::GearDesign Classic(const Mechanism& m) { return gears::ClassicDesign(m); }

int ClassicDim(std::string_view name) { return gears::ClassicGear().DimensionIndex(name); }

float RevArmAt(const Mechanism& m, double setting) {
    return float(m.RevArmSet[0] + (SenseIsDirect(m) ? setting : -setting));
}

CountingState BuiltIn() {
    CountingState c;
    c->hooks.Beep = [count = c.beepCount] { ++*count; };
    StartUp(*c);
    return c;
}

CountingState CrossedRods() {
    CountingState c = BuiltIn();
    c->EccFwdAngle = 118;
    c->EccRevAngle = 118;
    return Recentred(std::move(c));
}

CountingState NegativeLiftingArm() {
    CountingState c = BuiltIn();
    c->LiftingArmLen = -1.812f;
    c->PivotX[16] = c->PivotX[17] = 9.6f;
    return Recentred(std::move(c));
}

// One overlay entry: type, colour, reference mode, the pivots and the four values.
void SetLine(State& s, int n, float type, float color, float mode, float p1, float p2,
             float h1, float v1, float h2, float v2) {
    s.LineType[n] = type;
    s.LineColor[n] = color;
    s.LineRefMode[n] = mode;
    s.LinePivot1[n] = p1;
    s.LinePivot2[n] = p2;
    s.LineP1Horz[n] = h1;
    s.LineP1Vert[n] = v1;
    s.LineP2Horz[n] = h2;
    s.LineP2Vert[n] = v2;
}

CountingState LongTravel() {
    CountingState c = BuiltIn();
    c->EccCircleDia = 1.0f;
    c->ValveLenRear = c->ValveLenFront = 0.75f;
    // Construction lines: the valve stem's centre line, a circle on the crank pin's path,
    // the link's radius from the die block to the arc centre, and the lifting link's
    // reach drawn about the lifting arm end.
    SetLine(*c, 1, 0, 8421504, 0, 0, 0, 8, 2.062f, 17.5f, 2.062f);
    SetLine(*c, 2, 1, 255, 0, 0, 0, 0, 0, 1.5f, 0);
    SetLine(*c, 3, 0, 32768, 3, 8, 14, 0, 0, 0, 0);
    SetLine(*c, 4, 1, 16711680, 1, 15, 0, 0, 0, 2, 0);
    c->CurLineNo = 5;
    return Recentred(std::move(c));
}

CountingState OffsetPins() {
    CountingState c = BuiltIn();
    c->LinkCentPivotVert = 0.15f;
    c->RockerUpperBackSet = 0.1f;
    c->RevArmBackSet = 0.2f;
    return Recentred(std::move(c));
}

CountingState UnequalPorts() {
    CountingState c = BuiltIn();
    c->BridgeWidthRear = 0.16f;
    c->BridgeWidthFront = 0.2f;
    c->SteamPortWidthRear = 0.13f;
    c->SteamPortWidthFront = 0.175f;
    c->ValveLenRear = 0.65f;
    c->ValveLenFront = 0.7f;
    c->ValveExhCavityRear = 0.3f;
    c->ValveExhCavityFront = 0.35f;
    return c;
}

State SolvedAt(const State& s, float revArmPos, float driverAngle) {
    State copy = s;
    copy.RevArmPos = revArmPos;
    copy.DriverAngle = driverAngle;
    SolveLinkage(copy);
    return copy;
}

std::span<const SampleDesign> SampleDesigns() {
    static constexpr SampleDesign kDesigns[] = {
        {"Nominal.dvt", BuiltIn},
        {"Crossed Rods.dvt", CrossedRods},
        {"Negative Lifting Arm.dvt", NegativeLiftingArm},
        {"Long Travel.dvt", LongTravel},
    };
    return kDesigns;
}

} // namespace vt::test
