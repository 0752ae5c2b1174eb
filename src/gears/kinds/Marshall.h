// Marshall's gear on the exact engine: Hackworth's radial gear with the slide replaced by a
// swing link. One eccentric, set opposite the crank, drives a rod whose far end (the die
// pin) hangs from a swing link; the swing link's upper pin is on a reversing arm whose
// shaft stands at the die pin's place at the dead centres, so turning the arm tilts the
// die pin's arc; a valve rod from a point of the eccentric rod drives the valve spindle.
// The reverser is the reversing arm's angle from its mid-gear angle, degrees, + towards
// forward.
//
// Axes as every gear's: origin at the driving axle, +X towards the cylinder, +Y up, crank
// pin at (r cos a, -r sin a). Pins: Axle, CrankPin, Crosshead, EccCentre (the eccentric's
// centre, half a turn from the crank pin), RodEnd (the eccentric rod's end on the swing
// link), ReverseShaft (the reversing arm's shaft on the frame), SwingLinkTop (the swing
// link's pin on the reversing arm), ValveRodPin (the valve rod's pin on the eccentric
// rod), ValvePin (the valve rod's pin on the valve spindle). Dimensions (field names):
// StrokeLen, MainRodLen, CylCLHeight; EccThrow, EccRodLen (eccentric centre to rod end);
// ReverseShaftX / Y, ReverseArmLen, SwingLinkLen; ValveRodPinAt (the valve rod's pin along
// the eccentric rod from the eccentric centre), ValveConnLen (the valve rod),
// ValveSpindleHeight, ValveRodLen (valve pin to valve centre, + towards the cylinder); the
// port face as the classic gear's (outside admission); FullGearAngle and NormalGearAngle
// (the reversing arm's turn at the reverser's limits and notch).
#pragma once

#include "gears/Gear.h"

namespace vt::gears {

enum MarshallPin : int {
    MAxle, MCrankPin, MCrosshead, MEccCentre, MRodEnd, MReverseShaft, MSwingLinkTop,
    MValveRodPin, MValvePin, kMarshallPins
};

// The kind ("marshall"). Its sample is a full-size engine in inches with a slide valve.
const GearKind& Marshall();

} // namespace vt::gears
