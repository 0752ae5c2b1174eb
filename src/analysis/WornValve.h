// The events of a worn gear: lost motion in the pins between the eccentrics and the valve.
//
// The model. The valve follows the motion that the gear drives at it (the valve's travel
// in the solved pose, u) through a play of total width s, in the design's unit at the
// valve: a backlash operator. The valve stands still until the drive has taken up the slack, then moves
// with it s/2 behind: v = clamp(v_before, u - s/2, u + s/2). It is started from a
// settled state: the turn is run twice and the second kept, so s = 0 gives v = u and the
// new gear's events. The port openings follow from v by the port-edge values as the
// port face gives them (OpeningsAt).
//
// How the events are found. The events engine solves one crank angle at a time and has
// no memory of the turn, so this evaluation is its own, on the same GearTurn: the
// drive u sampled every 2 degrees of the turn, its extremes refined by golden section
// search, so that u is monotonic between neighbouring samples and v at any angle between
// them follows from the earlier sample's v exactly; each change of sign of an opening
// then bisected to EngineOptions::Tolerance (0.0001 degrees). The events are read as the
// engine reads them: grazes shorter than EngineOptions::GrazeDeg left out, the longest
// opening of each port its admission and cut-off (release and compression). The die
// block comes before the play, so the die slip is the new gear's, the same in every row:
// the caller gives it once.
#pragma once

#include "analysis/EventsEngine.h"

namespace vt {

// The worn gear at `place`, whose new gear's die slip is `dieSlip`.
PositionEvents FindWornEvents(const gears::GearDesign& d, GearPlace place, double lostMotion,
                              double dieSlip, const EngineOptions& o = {});

// The worn gear at one lost motion.
struct WearRow {
    double LostMotion = 0;
    PositionEvents Events;
};

} // namespace vt
