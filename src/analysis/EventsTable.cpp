// The valve events table: the default list of positions and one engine run per row.
#include "analysis/EventsTable.h"

#include "model/MidGear.h"
#include "model/Real.h"

#include <algorithm>
#include <cmath>

namespace vt {

int EventsTable::FailedRows() const {
    return int(std::count_if(Rows.begin(), Rows.end(), [](const EventsRow& r) { return !r.Ok(); }));
}

std::vector<EventsRowSpec> DefaultEventRows(const Mechanism& m) {
    std::vector<EventsRowSpec> rows;
    const double cent = m.RevArmSet[0];
    const double sense = SenseIsDirect(m) ? 1.0 : -1.0;
    for (bool forward : {true, false})
        for (int i = 0; i < kSweepRows; ++i) {
            const double d = i * double(m.RevArmCentMax) / 18;
            const float pos = F32(forward ? cent + sense * d : cent - sense * d);
            rows.push_back({pos, forward, RowSource::Sweep, i});
        }
    for (int k = 1; k <= std::clamp(m.RevArmCount, 0, kRevArmSetCount - 1); ++k) {
        const float p = m.RevArmSet[k];
        const bool forward = SenseIsDirect(m) ? p >= m.RevArmSet[0] : p < m.RevArmSet[0];
        rows.push_back({p, forward, RowSource::Stored, k});
    }
    return rows;
}

namespace {

void MarkNamedRows(const Mechanism& m, std::vector<EventsRow>& rows) {
    for (GearPosition p : kGearPositions) {
        const GearSetting g = GearAt(m, p);
        EventsRow* nearest = nullptr;
        double best = 0;
        for (EventsRow& r : rows) {
            const double d = std::abs(double(r.Spec.RevArmPos) - g.RevArmPos);
            if (r.Spec.Forward == g.Forward && (!nearest || d < best)) nearest = &r, best = d;
        }
        if (nearest) nearest->Named.push_back(p);
    }
}

} // namespace

EventsTable ComputeEventsTable(const Mechanism& m, std::span<const EventsRowSpec> rows,
                               const EngineOptions& o) {
    EventsTable table;
    table.Options = o;
    EventsEngine engine(m, o);
    table.Rows.reserve(rows.size());
    for (const EventsRowSpec& spec : rows) {
        EventsRow row;
        static_cast<PositionEvents&>(row) = engine.Find(spec.RevArmPos, spec.Forward);
        row.Spec = spec;
        table.GuardBeeps += row.GuardBeeps;
        table.Rows.push_back(row);
    }
    MarkNamedRows(m, table.Rows);
    return table;
}

std::optional<double> PercentOf(const std::optional<EventPoint>& e) {
    if (!e) return std::nullopt;
    return e->Percent;
}

} // namespace vt
