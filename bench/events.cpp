// Valve events speed: the events engine for one reverse arm position and for the whole
// default table of the built-in design, beside the one solve pair it is built from, the
// copy of the gear it works on, and the fine sweep it replaced (kept in the tests).
#include "analysis/EventsTable.h"
#include "analysis/ReferenceSweep.h"
#include "model/Solver.h"
#include "model/ValveEvents.h"
#include "support/Designs.h"

#include <benchmark/benchmark.h>

namespace {

// Normal forward of the built-in design, the position of the one-position benchmarks.
float NormalForwardPos(const vt::State& s) { return s.RevArmSet[0] + 1.04f; }

// One SolveLinkage + ComputeValveEvents at that position, walking every whole degree:
// the unit the engine's cost is counted in.
void BM_SolvePair(benchmark::State& st) {
    auto c = vt::test::BuiltIn();
    c->RevArmPos = NormalForwardPos(*c);
    int angle = 0;
    for (auto _ : st) {
        c->DriverAngle = float(angle);
        angle = (angle + 7) % 360;
        vt::SolveLinkage(*c);
        vt::ComputeValveEvents(*c);
        benchmark::DoNotOptimize(c->FrontSteamOpening);
    }
}
BENCHMARK(BM_SolvePair)->Repetitions(9)->ReportAggregatesOnly(true);

// The solver of the gear that each FindEvents makes: the classic design converted, its
// reference assembly and mid gear found.
void BM_EngineCopy(benchmark::State& st) {
    auto c = vt::test::BuiltIn();
    for (auto _ : st) {
        vt::EventsEngine engine(vt::test::Classic(*c));
        benchmark::DoNotOptimize(&engine);
    }
}
BENCHMARK(BM_EngineCopy)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_EventsOnePosition(benchmark::State& st) {
    auto c = vt::test::BuiltIn();
    int solves = 0;
    for (auto _ : st) {
        const vt::PositionEvents e = vt::FindEvents(*c, NormalForwardPos(*c), true);
        solves = e.Solves;
        benchmark::DoNotOptimize(e.Front.CutOff);
    }
    st.counters["solves"] = solves;
}
BENCHMARK(BM_EventsOnePosition)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_EventsDefaultTable(benchmark::State& st) {
    auto c = vt::test::BuiltIn();
    c->RevArmCount = 3;
    const auto rows = vt::DefaultEventRows(*c);
    int solves = 0;
    for (auto _ : st) {
        const vt::EventsTable t = vt::ComputeEventsTable(*c, rows);
        solves = 0;
        for (const vt::EventsRow& r : t.Rows) solves += r.Solves;
        benchmark::DoNotOptimize(t.Rows.back().Rear.Release);
    }
    st.counters["rows"] = double(rows.size());
    st.counters["solves"] = solves;
}
BENCHMARK(BM_EventsDefaultTable)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The former table's way, one position: 7,201 solves in 0.05 degree steps.
void BM_ReferenceSweepOnePosition(benchmark::State& st) {
    auto c = vt::test::BuiltIn();
    for (auto _ : st) {
        const vt::test::RefRow r = vt::test::ReferenceSweep(*c, NormalForwardPos(*c), true);
        benchmark::DoNotOptimize(r.Front.CutOff);
    }
}
BENCHMARK(BM_ReferenceSweepOnePosition)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
