// Allan's straight-link gear on the exact engine: two eccentrics, their rods open, drive
// the ends of a straight link hung by a lifting link from one arm of the weigh shaft; the
// radius rod runs from the die in the link to the valve spindle and hangs, part way along,
// from the shaft's opposite arm; so turning the shaft raises the link and lowers the die,
// each by part of the die's shift along the slot. The reverser is the weigh shaft's turn
// from its mid-gear angle, degrees, + towards forward.
//
// Axes as every gear's: origin at the driving axle, +X towards the cylinder, +Y up, crank
// pin at (r cos a, -r sin a). Pins: Axle, CrankPin, Crosshead, FwdEccCentre and
// BackEccCentre (the forward and backward eccentrics' centres), FwdRodPin and BackRodPin
// (their rods' pins at the link's upper and lower ends), LinkMiddle (the slot's middle),
// LinkSuspPin (the lifting link's pin on the link), Die (the radius rod's end in the
// slot), HangerPin (the hanger's pin on the radius rod), ValvePin (the radius rod's pin on
// the valve spindle), WeighShaft, LiftArmEnd (the arm holding the link's lifting link),
// RodArmEnd (the opposite arm, holding the radius rod's hanger).
// Dimensions (field names): StrokeLen, MainRodLen, CylCLHeight; EccThrow, EccAdvance (each
// eccentric stands 90 + this ahead of the crank, forward, or behind it, backward),
// EccRodLen; LinkHalfLen and LinkRodBackSet (the rod pins above and below the slot's
// middle and behind the slot), LinkSuspBackSet (the lifting link's pin behind the slot's
// middle); WeighShaftX / Y, LiftArmLen, LiftingLinkLen, RodArmLen (the opposite arm),
// HangerLen, HangerAt (the hanger's pin along the radius rod from the die); RadiusRodLen,
// ValveSpindleHeight, ValveRodLen (valve pin to valve centre, + towards the cylinder); the
// port face (outside admission); FullGearAngle and NormalGearAngle (the weigh shaft's
// turn at the reverser's limits and notch).
#pragma once

#include "gears/Gear.h"

namespace vt::gears {

enum AllanPin : int {
    AAxle, ACrankPin, ACrosshead, AFwdEccCentre, ABackEccCentre, AFwdRodPin, ABackRodPin,
    ALinkMiddle, ALinkSuspPin, ADie, AHangerPin, AValvePin, AWeighShaft, ALiftArmEnd,
    ARodArmEnd, kAllanPins
};

// The kind ("allan"). Its sample is a full-size engine in inches with a slide valve.
const GearKind& Allan();

} // namespace vt::gears
