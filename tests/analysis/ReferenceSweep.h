// The reference for the events engine: the valve events table as the program computed
// it before the engine, from a sweep of the driver in fine steps (0.05 degrees) with the
// zero crossings of the openings interpolated linearly between two steps.
#pragma once

#include "model/State.h"

#include <optional>

namespace vt::test {

inline constexpr int kReferenceStepsPerDegree = 20;

// A zero crossing as the sweep sees it: the step it fell in (j - 1 to j) and the crank
// angle (from the front dead centre, direction of turning) and piston percent of stroke
// from this end's dead centre, each interpolated linearly between the two steps.
struct RefEvent {
    int step = 0;
    double crank = 0;
    double percent = 0;
    double pistonStep = 0; // the piston's travel over that step, % of stroke
};

struct RefEnd {
    float Lead = 0;
    float MaxSteam = 0, MaxExhaust = 0; // limited to the port's width
    std::optional<RefEvent> Admission, CutOff, Release, Compression;
};

struct RefRow {
    RefEnd Front, Rear;
    float FullTravel = 0;
    float DieSlip = 0;
    int GuardBeeps = 0;
};

// One turn from the front dead centre in the given direction on a copy of the gear.
RefRow ReferenceSweep(const Mechanism& m, float revArmPos, bool forward,
                      int stepsPerDegree = kReferenceStepsPerDegree);

} // namespace vt::test
