// The valve events table: for each reverse arm position of a list, the lead, greatest
// openings, admission, cut-off, release and compression of both ends, from the events
// engine (EventsEngine.h), which finds each event as a root of its opening.
#pragma once

#include "analysis/EventsEngine.h"
#include "model/State.h"

#include <optional>
#include <span>
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

// One position's events (see PositionEvents) with the row it answers.
struct EventsRow : PositionEvents {
    EventsRowSpec Spec;
    std::vector<GearPosition> Named; // the named positions this row is the nearest to
};

struct EventsTable {
    EngineOptions Options;
    std::vector<EventsRow> Rows;
    int GuardBeeps = 0; // error beeps the engine met (impossible geometry), not sounded
    int FailedRows() const; // rows whose Ok() is false: a search gave up
};

inline constexpr int kSweepRows = 19;

// The default list: the 19 rows of the port events diagram forward, the same 19 in
// reverse, then the stored positions 1..RevArmCount in the direction each stands for.
std::vector<EventsRowSpec> DefaultEventRows(const Mechanism& m);

// Computes the table on a copy of the gear, so nothing of `m` changes; the error beeps
// are counted in GuardBeeps instead of sounding. Each named gear position (GearAt) marks
// the row of its direction nearest to it, the first of equals.
EventsTable ComputeEventsTable(const Mechanism& m, std::span<const EventsRowSpec> rows,
                               const EngineOptions& o = {});

// An event's percent of stroke from its end's dead centre, empty when it does not happen.
std::optional<double> PercentOf(const std::optional<EventPoint>& e);

} // namespace vt
