// Joy's gear on the exact engine, driven from the main rod with no eccentric: a jack link
// pinned to the main rod and held at its lower end by an anchor link on the frame drives
// the lower end of a lever; the lever's fulcrum is a die in a curved slide on a trunnion,
// and its top drives the valve rod. The reverser is the slide's inclination about the
// trunnion from its mid-gear inclination, degrees, + towards forward.
//
// Axes as every gear's: origin at the driving axle, +X towards the cylinder, +Y up, crank
// pin at (r cos a, -r sin a). Pins: Axle, CrankPin, Crosshead, RodPin (the jack link's pin
// on the main rod), AnchorPin and AnchorCentre (the anchor link's pins on the jack link and
// on the frame), LeverPin (the lever's lower end on the jack link), Die (the lever's
// fulcrum in the slide), LeverTop, ValvePin (the valve rod's pin on the valve spindle),
// Trunnion (the slide's pivot, at its middle), SlideCentre (the centre of the slide's arc,
// fixed on the slide). Dimensions (field names): StrokeLen, MainRodLen, CylCLHeight;
// RodPinFromCrank (along the main rod), JackLinkLen, JackToLever (the lever pin from the
// rod pin along the jack link); AnchorX / Y, AnchorLinkLen; LeverLowerLen and
// LeverUpperLen (lever pin to die, die to lever top, in line); TrunnionX / Y, SlideRadius
// (the slide's arc is centred on the valve's side); ValveRodLen (lever top to valve pin),
// ValveSpindleHeight, ValveStemLen (valve pin to valve centre, + towards the cylinder); the
// port face as the classic gear's (outside admission); FullGearAngle and NormalGearAngle
// (the reverser's limits and notch).
#pragma once

#include "gears/Gear.h"

namespace vt::gears {

enum JoyPin : int {
    JAxle, JCrankPin, JCrosshead, JRodPin, JAnchorPin, JAnchorCentre, JLeverPin, JDie,
    JLeverTop, JValvePin, JTrunnion, JSlideCentre, kJoyPins
};

// The kind ("joy"). Its sample is a full-size engine in inches with a slide valve.
const GearKind& Joy();

} // namespace vt::gears
