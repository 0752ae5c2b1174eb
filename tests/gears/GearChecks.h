// Checks every gear's tests share: the bodies re-measured from the solved pins, and a
// plain scan of a port's events over a turn.
#pragma once

#include "gears/Gear.h"

#include <string>

namespace vt::gears::test {

// The largest error found re-measuring the bodies of a design over a turn (every degree)
// at its five named positions: every pair of a body's pins keeps its distance of the
// first pose, a rod its dimension, a guided pin its line or circle, a fixed pin its
// place. `where` names the first body, pose and pins of the largest error, or the
// failure met; a pose that fails or is not finite gives an infinite error.
struct BodyError {
    double Error = 0;
    std::string Where;
};
BodyError WorstBodyError(const GearDesign& d);

// One port's events when the driver turns forward (`forward`) or backward: crank angles
// in degrees in the direction of turning from the front dead centre, -180 < a <= 180,
// found by a 1 degree scan refined by bisection. NaN where none was found.
struct PortEvents {
    double Admission = 0, CutOff = 0, Release = 0, Compression = 0;
    double Lead = 0;          // steam opening on this end's dead centre
    double CutOffPercent = 0; // piston's travel from its dead centre at cut-off, % stroke
};
enum class End { Front, Rear };
PortEvents ScanPort(GearSolver& s, const PortFace& f, double setting, bool forward, End e);

// The valve's full travel over a turn at a setting.
double FullTravel(GearSolver& s, double setting);

} // namespace vt::gears::test
