// Walschaerts gear on the exact engine: a return crank on the main crank pin swings the
// expansion link about its trunnion; the die in the slot drives the radius rod; the
// combination lever adds the crosshead's motion (through the union link) to the radius
// rod's and moves the valve spindle. The reverser is the lifting arm's angle about the
// weigh shaft from its mid-gear angle, degrees, + towards forward.
//
// Axes as the classic gear's: origin at the driving axle, +X towards the cylinder (which
// lies in front of the axle), +Y up, crank pin at (r cos a, -r sin a). Dimensions (field
// names): StrokeLen, MainRodLen, CylCLHeight (crosshead line); CrossheadArmX / Drop (the
// union link's pin from the crosshead, + towards the cylinder, + down); ReturnCrankThrow
// and ReturnCrankAngle (from the crank pin, + in the forward direction of turning);
// EccRodLen; TrunnionX / Y; LinkRadius (at the link's middle place the slot passes through
// the trunnion, concave towards the cylinder, its centre LinkRadius ahead); LinkFootLen /
// BackSet (the eccentric rod's pin below the trunnion and behind the slot, in the link's
// axes); RadiusRodLen; LiftPointOffset (the lifting link's hold on the radius rod behind
// the die); WeighShaftX / Y, LiftArmLen, LiftingLinkLen; CombLeverValve (valve pin above
// the radius rod pin, < 0 below it for inside admission) and CombLeverUnion (union pin
// below it); UnionLinkLen; ValveSpindleHeight; ValveRodLen (valve pin to valve centre, +
// towards the cylinder); the port face as the classic gear's; Admission (0 outside, 1
// inside); FullGearAngle and NormalGearAngle (the reverser's limits and notch).
#pragma once

#include "gears/Gear.h"

namespace vt::gears {

enum WalschaertsPin : int {
    WAxle, WCrankPin, WCrosshead, WCrossheadArm, WReturnCrankPin, WTrunnion, WLinkFoot,
    WSlotCentre, WDie, WRadiusRodPin, WValvePin, WUnionPin, WWeighShaft, WLiftArmEnd,
    WLiftPoint, kWalschaertsPins
};

// The kind ("walschaerts"). Its sample (Sample(), the dimension defaults) is a full-size
// engine in inches with outside admission, a slide valve and the radius rod held at the
// die.
const GearKind& Walschaerts();

// The inside-admission sample: a piston valve, the radius rod held behind the die.
GearDesign WalschaertsInside();

} // namespace vt::gears
