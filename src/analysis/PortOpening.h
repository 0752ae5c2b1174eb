// One end's port events from the zero crossings of its two openings over a turn, read the
// same way wherever the crossings come from (the events engine, the worn valve): the dead
// centres found as the crosshead's extremes, intervals shorter than the graze removed, then
// the port's longest opening, each event measured from its end's dead centre.
#pragma once

#include "analysis/EventsEngine.h"
#include "analysis/GearTurn.h"

#include <functional>
#include <vector>

namespace vt {

// The two dead centres of a turn: where the crosshead stops and turns back, farthest from
// the axle (front) and nearest (rear). With the cylinder's centre line through the axle they
// lie at 0 and 180 degrees of crank; raised or lowered, a few degrees from there.
struct DeadCentres {
    double Front = 0, Rear = 180;         // crank degrees in the direction of turning, [0, 360)
    double FrontPlace = 0, RearPlace = 0; // the crosshead's X there
    bool Converged = true;                // false: a root search reached its step limit
    double Travel() const { return FrontPlace - RearPlace; } // the crosshead's whole travel
};

// A solve of the gear at a crank angle in the direction of turning (degrees, any value).
using SolveAtCrank = std::function<TurnReading(double at)>;

// Finds both dead centres to `tolerance` degrees of crank. The crosshead is at an extreme
// where the crank and the main rod lie in line (its speed is their cross product over the
// rod's run along the cylinder), so each is the root of that product, which changes sign
// there, bracketed by the crank upright on either side: [-90, 90] for the front, [90, 270]
// for the rear. A root rather than a search for the greatest place: the place is flat at
// its extreme, and a search for it would fix the angle only to the square root of the
// place's precision.
DeadCentres FindDeadCentres(const SolveAtCrank& solve, double tolerance);

// Where an opening crosses zero.
struct PortCrossing {
    double at = 0;        // crank degrees in the direction of turning, as the turn was searched
    double crank = 0;     // the same in [0, 360)
    double crosshead = 0; // the crosshead's X there
    bool opens = false;
};

// Fills the end's admission and cut-off (from the steam port's crossings), release and
// compression (from the exhaust port's) and the count of openings of each. An interval,
// open or closed, shorter than `graze` degrees is removed with its two crossings, shortest
// first, so the crossings still alternate; of the openings left the longest is the port's.
// Each event's angle is taken from the end's dead centre in `dc`, its percent is the
// crosshead's distance from that dead centre over the crosshead's whole travel.
void FillPortEvents(EndEvents& e, std::vector<PortCrossing> steam,
                    std::vector<PortCrossing> exhaust, double graze, bool rear,
                    const DeadCentres& dc);

} // namespace vt
