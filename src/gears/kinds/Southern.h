// The Southern valve gear on the exact engine: a return crank drives an eccentric rod
// whose front part hangs from a radius hanger on a block; the reverser moves the block
// along a fixed curved track, which inclines the arc the rod's end swings on; the rod's
// extended end drives, through a transmission link, the level arm of a bell crank whose
// drop arm moves the valve rod. No combination lever: the return crank's up-and-down
// motion gives lap and lead, its to-and-fro motion on the inclined arc the travel. The
// reverser is the block's place on the track from mid gear, degrees about the track's
// centre, + towards forward.
//
// Axes as every gear's: origin at the driving axle, +X towards the cylinder, +Y up, crank
// pin at (r cos a, -r sin a). Pins: Axle, CrankPin, Crosshead, ReturnCrankPin, RodEnd (the
// radius hanger's pin on the eccentric rod), DrivePin (the transmission's pin at the
// rod's front end), Block (in the track), TrackCentre (the centre of the track's arc, on
// the frame), BellCrankPivot, BellCrankArm (the level arm's end), BellCrankDrop (the drop
// arm's end), ValvePin (the valve rod's pin on the valve spindle).
// Dimensions (field names): StrokeLen, MainRodLen, CylCLHeight; ReturnCrankThrow and
// ReturnCrankAngle (the return crank pin's throw from the axle and its angle ahead of the
// crank), EccRodLen (return crank pin to RodEnd), DrivePinAt (the DrivePin along the rod
// from the return crank pin); HangerLen; TrackX / Y (the track's centre), TrackRadius;
// TransmissionLen; BellCrankX / Y, BellCrankArm (the level arm, to the rear), BellCrankDrop
// (the drop arm, a quarter turn anticlockwise from it: down); ValveConnLen (the valve
// rod), ValveSpindleHeight, ValveRodLen (valve pin to valve centre, + towards the
// cylinder); the port face (outside admission); FullGearAngle and NormalGearAngle (the
// block's place at the reverser's limits and notch).
#pragma once

#include "gears/Gear.h"

namespace vt::gears {

enum SouthernPin : int {
    SAxle, SCrankPin, SCrosshead, SReturnCrankPin, SRodEnd, SDrivePin, SBlock, STrackCentre,
    SBellCrankPivot, SBellCrankArm, SBellCrankDrop, SValvePin, kSouthernPins
};

// The kind ("southern"). Its sample is a full-size engine in inches with a slide valve.
const GearKind& Southern();

} // namespace vt::gears
