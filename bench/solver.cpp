// Solver speed: one SolveLinkage + ComputeValveEvents of the built-in design at several
// driver angles and reverse arm positions, and one FindRevArmCent.
#include "model/MidGear.h"
#include "model/Solver.h"
#include "model/ValveEvents.h"
#include "support/Designs.h"

#include <benchmark/benchmark.h>

namespace {

// Reverse arm offsets from mid gear: full reverse, normal reverse, mid, normal and full
// forward.
constexpr float kGearOffsets[] = {-1.3f, -1.04f, 0.0f, 1.04f, 1.3f};

void BM_SolveAndEvents(benchmark::State& st) {
    auto c = vt::test::BuiltIn();
    c->RevArmPos = c->RevArmSet[0] + kGearOffsets[st.range(0)];
    int angle = 0;
    for (auto _ : st) {
        c->DriverAngle = float(angle);
        angle = (angle + 7) % 360; // walks every whole degree over 360 iterations
        vt::SolveLinkage(*c);
        vt::ComputeValveEvents(*c);
        benchmark::DoNotOptimize(c->PistonPos);
        benchmark::DoNotOptimize(c->FrontSteamOpening);
    }
}
BENCHMARK(BM_SolveAndEvents)->DenseRange(0, 4)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_FindRevArmCent(benchmark::State& st) {
    auto c = vt::test::BuiltIn();
    for (auto _ : st) {
        vt::FindRevArmCent(*c);
        benchmark::DoNotOptimize(c->RevArmSet[0]);
    }
}
BENCHMARK(BM_FindRevArmCent)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

