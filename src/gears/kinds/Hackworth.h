// Hackworth's radial gear on the exact engine: one eccentric, set opposite the crank,
// drives a rod whose far end carries a die in a straight slide pivoted on the frame; the
// reverser sets the slide's angle, and a valve rod from a point of the eccentric rod
// drives the valve spindle. The reverser is the slide's tilt from mid gear, degrees, +
// towards forward.
//
// Axes as every gear's: origin at the driving axle, +X towards the cylinder, +Y up, crank
// pin at (r cos a, -r sin a). Pins: Axle, CrankPin, Crosshead, EccCentre (the eccentric's
// centre, half a turn from the crank pin), Die (the eccentric rod's end in the slide),
// SlidePivot (the slide's middle and its trunnion on the frame), ValveRodPin (the valve
// rod's pin on the eccentric rod), ValvePin (the valve rod's pin on the valve spindle).
// Dimensions (field names): StrokeLen, MainRodLen, CylCLHeight; EccThrow, EccRodLen
// (eccentric centre to die); SlideX / Y (the slide's pivot from the axle); ValveRodPinAt
// (the valve rod's pin along the eccentric rod from the eccentric centre), ValveConnLen
// (the valve rod), ValveSpindleHeight, ValveRodLen (valve pin to valve centre, + towards
// the cylinder); the port face as the classic gear's (outside admission); FullGearAngle
// and NormalGearAngle (the slide's tilt at the reverser's limits and notch).
#pragma once

#include "gears/Gear.h"

namespace vt::gears {

enum HackworthPin : int {
    HAxle, HCrankPin, HCrosshead, HEccCentre, HDie, HSlidePivot, HValveRodPin, HValvePin,
    kHackworthPins
};

// The kind ("hackworth"). Its sample is a full-size engine in inches with a slide valve.
const GearKind& Hackworth();

} // namespace vt::gears
