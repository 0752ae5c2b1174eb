// The valve events table: for each reverse arm position of a list, the lead, greatest
// openings, admission, cut-off, release and compression of both ends, from a fine sweep.
#pragma once

#include "model/State.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vt {

// Where a row's position comes from: the port events diagram's sweep of the reverse arm
// (offset number 0..18 from mid gear) or a stored position (RevArmSet[k]).
enum class RowSource { Sweep, Stored };

struct EventsRowSpec {
    float RevArmPos = 0;
    bool Forward = true; // the driver turns forward (angle increasing)
    RowSource Source = RowSource::Sweep;
    int Number = 0; // offset number or stored index
};

// One cylinder end. Openings in model units (> 0 open, < 0 the lap left); the greatest
// openings are limited to the port's width. Events are the piston's distance from this
// end's dead centre in percent of stroke, as the port events diagram measures them; an
// event that does not happen in the turn is empty.
struct EndEvents {
    float Lead = 0; // opening to steam with the crank on this end's dead centre
    float MaxSteam = 0;
    float MaxExhaust = 0;
    std::optional<double> Admission, CutOff, Release, Compression;
};

struct EventsRow {
    EventsRowSpec Spec;
    EndEvents Front, Rear;
    float FullTravel = 0; // greatest minus least ValveTravel over the turn
    float DieSlip = 0;    // range of the die block's place along the link's arc
};

struct EventsTable {
    int StepsPerDegree = 0;
    std::vector<EventsRow> Rows;
    int GuardBeeps = 0; // error beeps the sweep met (impossible geometry), not sounded
};

// The sweep step: 20 steps a degree, 0.05 degrees.
inline constexpr int kEventStepsPerDegree = 20;
inline constexpr int kSweepRows = 19;

// The default list: the 19 rows of the port events diagram forward, the same 19 in
// reverse, then the stored positions 1..RevArmCount in the direction each stands for.
std::vector<EventsRowSpec> DefaultEventRows(const Mechanism& m);

// Computes the table on a copy of the gear, so nothing of `m` changes; the error beeps
// of the sweep are counted in GuardBeeps instead of sounding.
EventsTable ComputeEventsTable(const Mechanism& m, std::span<const EventsRowSpec> rows,
                               int stepsPerDegree = kEventStepsPerDegree);

// Position along the link's arc of the die block (pivot 8) from the link centre point
// (pivot 24), signed, in model units: the quantity whose range is the die slip.
double DieBlockPlace(const Mechanism& m);

} // namespace vt
