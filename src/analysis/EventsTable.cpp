// The valve events table: the default list of positions and one engine run per row.
#include "analysis/EventsTable.h"

#include "gears/kinds/ClassicGear.h"

#include <algorithm>
#include <cmath>

namespace vt {

int EventsTable::FailedRows() const {
    return int(std::count_if(Rows.begin(), Rows.end(), [](const EventsRow& r) { return !r.Ok(); }));
}

std::vector<EventsRowSpec> DefaultEventRows(const gears::GearDesign& d) {
    std::vector<EventsRowSpec> rows;
    const double full = std::abs(gears::SettingOf(d, gears::NamedPosition::FullForward));
    for (bool forward : {true, false})
        for (int i = 0; i < kSweepRows; ++i) {
            const double offset = i * full / (kSweepRows - 1);
            rows.push_back({forward ? offset : -offset, forward, RowSource::Sweep, i});
        }
    for (std::size_t k = 0; k < d.Positions.size(); ++k) {
        const double p = d.Positions[k].Setting;
        rows.push_back({p, p >= 0, RowSource::Stored, int(k + 1)});
    }
    return rows;
}

std::vector<EventsRowSpec> DefaultEventRows(const Mechanism& m) {
    return DefaultEventRows(gears::ClassicDesign(m));
}

namespace {

void MarkNamedRows(const gears::GearDesign& d, std::vector<EventsRow>& rows) {
    for (GearPosition p : kGearPositions) {
        const GearPlace g = PlaceOf(d, p);
        EventsRow* nearest = nullptr;
        double best = 0;
        for (EventsRow& r : rows) {
            const double gap = std::abs(r.Spec.Setting - g.Offset);
            if (r.Spec.Forward == g.Forward && (!nearest || gap < best)) nearest = &r, best = gap;
        }
        if (nearest) nearest->Named.push_back(p);
    }
}

} // namespace

EventsTable ComputeEventsTable(const gears::GearDesign& d, std::span<const EventsRowSpec> rows,
                               const EngineOptions& o) {
    EventsTable table;
    table.Options = o;
    const gears::ReverserInfo r = d.Kind->Reverser();
    table.ReverserLabel = r.Label;
    table.ReverserKey = r.Key;
    EventsEngine engine(d, o);
    table.Rows.reserve(rows.size());
    for (const EventsRowSpec& spec : rows) {
        EventsRow row;
        static_cast<PositionEvents&>(row) = engine.Find(spec.Setting, spec.Forward);
        row.Spec = spec;
        table.Rows.push_back(row);
    }
    MarkNamedRows(d, table.Rows);
    return table;
}

EventsTable ComputeEventsTable(const Mechanism& m, std::span<const EventsRowSpec> rows,
                               const EngineOptions& o) {
    return ComputeEventsTable(gears::ClassicDesign(m), rows, o);
}

std::optional<double> PercentOf(const std::optional<EventPoint>& e) {
    if (!e) return std::nullopt;
    return e->Percent;
}

} // namespace vt
