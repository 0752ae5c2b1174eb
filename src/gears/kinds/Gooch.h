// Gooch's stationary-link gear on the exact engine: two eccentrics, their rods open, drive
// the ends of a curved link hung from a fixed swing link; the reverser raises and lowers
// the radius rod's end (the die) in the slot, whose radius is the radius rod's length; the
// radius rod drives the valve spindle. The reverser is the lifting arm's angle about the
// weigh shaft from its mid-gear angle, degrees, + towards forward.
//
// Axes as every gear's: origin at the driving axle, +X towards the cylinder, +Y up, crank
// pin at (r cos a, -r sin a). Pins: Axle, CrankPin, Crosshead, FwdEccCentre and
// BackEccCentre (the forward and backward eccentrics' centres), FwdRodPin and BackRodPin
// (their rods' pins at the link's lower and upper ends), LinkMiddle (the slot's middle),
// SlotCentre (the centre of the slot's arc, fixed on the link), LinkSuspPin and
// LinkHanger (the swing link's pins on the link and on the frame), Die, ValvePin (the
// radius rod's pin on the valve spindle), WeighShaft, LiftArmEnd (the lifting link holds
// the die). Dimensions (field names): StrokeLen, MainRodLen, CylCLHeight; EccThrow,
// EccAdvance (each eccentric stands 90 + this ahead of the crank, forward, or behind it,
// backward), EccRodLen; LinkHalfLen and LinkRodBackSet (the rod pins above and below the
// slot's middle and behind the slot), LinkRadius, LinkSuspBackSet (the swing link's pin
// behind the slot's middle), HangerX / Y, SwingLinkLen; RadiusRodLen, ValveSpindleHeight,
// ValveRodLen (valve pin to valve centre, + towards the cylinder); WeighShaftX / Y,
// LiftArmLen, LiftingLinkLen; the port face as the classic gear's (outside admission);
// FullGearAngle and NormalGearAngle (the reverser's limits and notch).
#pragma once

#include "gears/Gear.h"

namespace vt::gears {

enum GoochPin : int {
    GAxle, GCrankPin, GCrosshead, GFwdEccCentre, GBackEccCentre, GFwdRodPin, GBackRodPin,
    GLinkMiddle, GSlotCentre, GLinkSuspPin, GLinkHanger, GDie, GValvePin, GWeighShaft,
    GLiftArmEnd, kGoochPins
};

// The kind ("gooch"). Its sample is a full-size engine in inches with a slide valve.
const GearKind& Gooch();

} // namespace vt::gears
