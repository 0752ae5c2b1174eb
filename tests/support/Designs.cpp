// Canonical designs; see Designs.h.
#include "support/Designs.h"

#include "model/Defaults.h"
#include "model/MidGear.h"

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

CountingState LongTravel() {
    CountingState c = BuiltIn();
    c->EccCircleDia = 1.0f;
    c->ValveLenRear = c->ValveLenFront = 0.75f;
    return Recentred(std::move(c));
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
