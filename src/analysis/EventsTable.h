// The valve events table: for each reverser setting of a list, the lead, greatest
// openings, admission, cut-off, release and compression of both ends, from the events
// engine (EventsEngine.h), which finds each event as a root of its opening.
#pragma once

#include "analysis/EventsEngine.h"
#include "gears/Gear.h"
#include "model/State.h"

#include <optional>
#include <span>
#include <vector>

namespace vt {

// Where a row's position comes from: a sweep of the reverser (offset number 0..18 from mid
// gear to full gear) or a stored position (the design's k-th, from 1).
enum class RowSource { Sweep, Stored };

struct EventsRowSpec {
    double Setting = 0; // from mid gear, + towards forward
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
    const char* ReverserLabel = "Setting"; // the reverser's value as the columns name it
    const char* ReverserKey = "setting";
    int FailedRows() const; // rows whose Ok() is false: a search gave up
};

inline constexpr int kSweepRows = 19;

// The default list: 19 rows from mid gear to full gear forward, the same 19 in reverse,
// then the design's stored positions in the direction each stands for.
std::vector<EventsRowSpec> DefaultEventRows(const gears::GearDesign& d);
std::vector<EventsRowSpec> DefaultEventRows(const Mechanism& m); // as its classic gear

// Computes the table with one engine of the design. Each named gear position marks the
// row of its direction nearest to it, the first of equals.
EventsTable ComputeEventsTable(const gears::GearDesign& d, std::span<const EventsRowSpec> rows,
                               const EngineOptions& o = {});
EventsTable ComputeEventsTable(const Mechanism& m, std::span<const EventsRowSpec> rows,
                               const EngineOptions& o = {});

// An event's percent of stroke from its end's dead centre, empty when it does not happen.
std::optional<double> PercentOf(const std::optional<EventPoint>& e);

} // namespace vt
