// Valve events table speed: one position's turn in 0.05 degree steps, and the whole
// default table (38 sweep rows and the stored positions) of the built-in design.
#include "analysis/EventsTable.h"
#include "support/Designs.h"

#include <benchmark/benchmark.h>

namespace {

void BM_EventsOneRow(benchmark::State& st) {
    auto c = vt::test::BuiltIn();
    const vt::EventsRowSpec spec{c->RevArmSet[0] + 1.04f, true, vt::RowSource::Stored, 1};
    for (auto _ : st) {
        const vt::EventsTable t = vt::ComputeEventsTable(*c, std::span(&spec, 1));
        benchmark::DoNotOptimize(t.Rows[0].Front.CutOff);
    }
}
BENCHMARK(BM_EventsOneRow)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_EventsDefaultTable(benchmark::State& st) {
    auto c = vt::test::BuiltIn();
    c->RevArmCount = 3;
    const auto rows = vt::DefaultEventRows(*c);
    for (auto _ : st) {
        const vt::EventsTable t = vt::ComputeEventsTable(*c, rows);
        benchmark::DoNotOptimize(t.Rows.back().Rear.Release);
    }
    st.counters["rows"] = double(rows.size());
}
BENCHMARK(BM_EventsDefaultTable)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

} // namespace
