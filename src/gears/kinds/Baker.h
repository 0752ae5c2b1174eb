// Baker gear on the exact engine: a return crank drives the foot of the gear connecting
// rod, which hangs on the radius bars from the reverse yoke and turns the bell crank; the
// bell crank's drop arm moves the combination lever through the valve rod, and the lever
// adds the crosshead's motion (through the union link) as in Walschaerts gear. No link and
// no die: the reverser is the yoke's tilt from its mid-gear place, degrees, + forward.
//
// Axes as the classic gear's: origin at the driving axle, +X towards the cylinder, +Y up,
// crank pin at (r cos a, -r sin a). Dimensions (field names): StrokeLen, MainRodLen,
// CylCLHeight; CrossheadArmX / Drop (the union link's pin from the crosshead, + towards the
// cylinder, + down); ReturnCrankThrow, ReturnCrankAngle (from the crank pin, + in the
// forward direction of turning); EccRodLen; GearRodLen (gear connecting rod, foot to top)
// and RadiusBarPinUp (its radius bar pin above the foot); YokeShaftX / Y, YokeArmLen (the
// yoke's pin from its shaft; the yoke stands upright when first assembled); RadiusBarLen;
// BellCrankX / Y (pivot), BellCrankTopArm (to the gear connecting rod's top, level and
// towards the rear when first assembled) and BellCrankDropArm (to the valve rod, at right
// angles below it); ValveRodLen (bell crank to lever); CombLeverValve (valve pin above the
// lever pin, < 0 below it for inside admission), CombLeverUnion (union pin below it);
// UnionLinkLen; ValveSpindleHeight; ValveStemLen (valve pin to valve centre, + towards the
// cylinder); the port face as the classic gear's; Admission (0 outside, 1 inside);
// FullGearAngle and NormalGearAngle (the yoke's limits and notch).
#pragma once

#include "gears/Gear.h"

namespace vt::gears {

enum BakerPin : int {
    BAxle, BCrankPin, BCrosshead, BCrossheadArm, BReturnCrankPin, BGearRodFoot,
    BRadiusBarPin, BGearRodTop, BYokeShaft, BYokePin, BBellCrankPivot, BBellCrankDrop,
    BLeverPin, BValvePin, BUnionPin, kBakerPins
};

// The kind ("baker"). Its sample is a full-size engine in inches, an outside-admission
// slide valve, laid out for constant lead.
const GearKind& Baker();

} // namespace vt::gears
