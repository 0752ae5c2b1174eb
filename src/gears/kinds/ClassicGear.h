// The classic shifting-link gear on the exact engine: two eccentrics drive the ends of a
// curved link hung from a lifting link; the die drives a rocker and the valve rod. The
// same dimensions and pins as the classic pivot table, solved exactly: Newton on the link,
// closed forms elsewhere. The reverser is the reverse arm's position (its end's X) from
// mid gear, mid gear found by the classic rule run on this engine.
#pragma once

#include "gears/Gear.h"
#include "model/State.h"

namespace vt::gears {

// Pins, in this order (named as the pivot table names them).
enum ClassicPin : int {
    CAxle, CCrankPin, CCrosshead, CValveRodJoint, CRockerUpperPin, CRockerPivot, CDieBlock,
    CLinkSuspPin, CFwdRodPin, CRevRodPin, CFwdEccCentre, CRevEccCentre, CLinkArcCentre,
    CLiftArmEnd, CLiftArmPivot, CRevArmEnd, CFwdRodStart, CRevRodStart, CRockerUpperLine,
    CLinkCentrePoint, kClassicPins
};

// The classic gear's kind ("classic"): the 48 dimensions that have an id, in editor order
// (frame, then cylinder; the five stored in the pivot table named RockerPivotY,
// RockerPivotX, RevShaftY, RevShaftX, CylCLHeight), then the reverser's RevArmCentNorm and
// RevArmCentMax.
const GearKind& ClassicGear();

// A classic design from a classic mechanism (a .dvt design): every dimension and the
// stored reverse arm positions 1..RevArmCount as offsets from mid gear (+ forward). The
// view, overlay and display settings are not part of a gear design.
GearDesign ClassicDesign(const Mechanism& m);

// And back: writes every dimension as the editors do (twin pivots in step), names the
// design, finds mid gear by the classic search and stores the positions; the reverse arm
// is left at mid gear.
void ApplyClassicDesign(const GearDesign& d, State& s);

} // namespace vt::gears
