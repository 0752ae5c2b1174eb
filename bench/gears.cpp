// Gear engine speed: one exact solve of each gear at the five named positions, the crank
// walking every whole degree in steps of 7 (as bench_solver walks the classic solver) or
// jumping by 137 degrees (a search's far probes); beside them, in the same run, the
// classic SolveLinkage + ComputeValveEvents of the built-in design; and each design's
// default events table.
#include "analysis/EventsTable.h"
#include "gears/kinds/Allan.h"
#include "gears/kinds/Baker.h"
#include "gears/kinds/ClassicGear.h"
#include "gears/kinds/Gooch.h"
#include "gears/kinds/Hackworth.h"
#include "gears/kinds/Joy.h"
#include "gears/kinds/Marshall.h"
#include "gears/kinds/Southern.h"
#include "gears/kinds/Walschaerts.h"
#include "model/MidGear.h"
#include "model/Solver.h"
#include "model/ValveEvents.h"
#include "support/Designs.h"

#include <benchmark/benchmark.h>

namespace {

using vt::gears::GearDesign;

// The designs solved, by range(0): the built-in classic design, then each sample.
GearDesign Design(int which) {
    using Make = GearDesign (*)();
    static constexpr Make kDesigns[] = {
        [] { return vt::gears::ClassicDesign(*vt::test::BuiltIn()); },
        [] { return vt::gears::Walschaerts().Sample(); },
        vt::gears::WalschaertsInside,
        [] { return vt::gears::Baker().Sample(); },
        [] { return vt::gears::Gooch().Sample(); },
        [] { return vt::gears::Joy().Sample(); },
        [] { return vt::gears::Hackworth().Sample(); },
        [] { return vt::gears::Marshall().Sample(); },
        [] { return vt::gears::Allan().Sample(); },
        [] { return vt::gears::Southern().Sample(); },
    };
    return kDesigns[which]();
}

// range(0): 0 classic, 1 Walschaerts, 2 Walschaerts inside, 3 Baker, 4 Gooch, 5 Joy,
// 6 Hackworth, 7 Marshall, 8 Allan, 9 Southern; range(1): named position; range(2): crank
// step in degrees.
void BM_GearSolve(benchmark::State& st) {
    const GearDesign d = Design(int(st.range(0)));
    auto solver = d.Kind->MakeSolver(d);
    const double setting = SettingOf(d, vt::gears::kNamedPositions[std::size_t(st.range(1))]);
    const int step = int(st.range(2));
    int angle = 0;
    vt::gears::GearPose pose;
    for (auto _ : st) {
        angle = (angle + step) % 360;
        solver->Solve(angle, setting, pose);
        benchmark::DoNotOptimize(pose.Valve);
    }
    if (!pose.Ok()) st.SkipWithError(pose.Failed);
}
BENCHMARK(BM_GearSolve)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {0, 1, 2, 3, 4}, {7, 137}})
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A full turn: 360 solves, every whole degree in order, at normal forward.
void BM_GearTurn(benchmark::State& st) {
    const GearDesign d = Design(int(st.range(0)));
    auto solver = d.Kind->MakeSolver(d);
    const double setting = SettingOf(d, vt::gears::NamedPosition::NormalForward);
    vt::gears::GearPose pose;
    for (auto _ : st)
        for (int angle = 0; angle < 360; ++angle) {
            solver->Solve(angle, setting, pose);
            benchmark::DoNotOptimize(pose.Valve);
        }
    if (!pose.Ok()) st.SkipWithError(pose.Failed);
}
BENCHMARK(BM_GearTurn)->DenseRange(0, 9)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ClassicSolveLinkage(benchmark::State& st) {
    auto c = vt::test::BuiltIn();
    const float offsets[] = {1.3f, 1.04f, 0.0f, -1.04f, -1.3f};
    const double sense = vt::SenseIsDirect(*c) ? 1 : -1;
    c->RevArmPos = float(c->RevArmSet[0] + sense * offsets[st.range(0)]);
    int angle = 0;
    for (auto _ : st) {
        c->DriverAngle = float(angle);
        angle = (angle + 7) % 360;
        vt::SolveLinkage(*c);
        vt::ComputeValveEvents(*c);
        benchmark::DoNotOptimize(c->FrontSteamOpening);
    }
}
BENCHMARK(BM_ClassicSolveLinkage)->DenseRange(0, 5)->Repetitions(5)->ReportAggregatesOnly(true);

// Building a solver: the reference assembly and the mid-gear rule.
void BM_GearMakeSolver(benchmark::State& st) {
    const GearDesign d = Design(int(st.range(0)));
    for (auto _ : st)
        benchmark::DoNotOptimize(d.Kind->MakeSolver(d));
}
BENCHMARK(BM_GearMakeSolver)->DenseRange(0, 9)->Repetitions(5)->ReportAggregatesOnly(true);

// The default events table of each design (range(0) as above): 38 sweep rows and the
// stored positions, every event a root on the exact engine.
void BM_GearEventsTable(benchmark::State& st) {
    const GearDesign d = Design(int(st.range(0)));
    const auto rows = vt::DefaultEventRows(d);
    int solves = 0;
    for (auto _ : st) {
        const vt::EventsTable t = vt::ComputeEventsTable(d, rows);
        solves = 0;
        for (const vt::EventsRow& r : t.Rows) solves += r.Solves;
        benchmark::DoNotOptimize(t.Rows.back().Rear.Release);
    }
    st.counters["rows"] = double(rows.size());
    st.counters["solves"] = solves;
}
BENCHMARK(BM_GearEventsTable)
    ->DenseRange(0, 9)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
