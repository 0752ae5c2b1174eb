// One end's port events from the zero crossings of its two openings over a turn, read the
// same way wherever the crossings come from (the events engine, the worn valve): intervals
// shorter than the graze removed, then the port's longest opening.
#pragma once

#include "analysis/EventsEngine.h"

#include <vector>

namespace vt {

// Where an opening crosses zero.
struct PortCrossing {
    double at = 0;     // crank degrees in the direction of turning, as the turn was searched
    double crank = 0;  // the same in [0, 360)
    double piston = 0; // PistonPos there
    bool opens = false;
};

// Fills the end's admission and cut-off (from the steam port's crossings), release and
// compression (from the exhaust port's) and the count of openings of each. An interval,
// open or closed, shorter than `graze` degrees is removed with its two crossings, shortest
// first, so the crossings still alternate; of the openings left the longest is the port's.
void FillPortEvents(EndEvents& e, std::vector<PortCrossing> steam,
                    std::vector<PortCrossing> exhaust, double graze, bool rear);

} // namespace vt
