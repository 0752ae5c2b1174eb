// Sensitivity speed: all 48 derivatives at normal forward and normal reverse, the Monte
// Carlo check of 1,000 designs at normal forward on 1 and on 2 workers, the most designs
// the window allows on 2 workers, and the worn gear at four lost motions, with the
// built-in design.
#include "analysis/SensitivityRun.h"
#include "support/Designs.h"

#include <benchmark/benchmark.h>

namespace {

void BM_SensitivityTwoPositions(benchmark::State& st) {
    auto c = vt::test::BuiltIn();
    const vt::GearPlace places[] = {*vt::ParseGearPlace(*c, "normal-fwd"),
                                    *vt::ParseGearPlace(*c, "normal-rev")};
    for (auto _ : st)
        for (const vt::GearPlace& p : places) {
            const vt::SensitivityResult r = vt::ComputeSensitivity(vt::test::Classic(*c), p);
            benchmark::DoNotOptimize(r.Rows.back().Derivative);
        }
}
BENCHMARK(BM_SensitivityTwoPositions)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// Argument: designs, workers.
void BM_MonteCarlo(benchmark::State& st) {
    auto c = vt::test::BuiltIn();
    const vt::GearPlace p = *vt::ParseGearPlace(*c, "normal-fwd");
    for (auto _ : st) {
        const vt::MonteCarloRange r = vt::RunMonteCarlo(vt::test::Classic(*c), p, {}, int(st.range(0)),
                                                        vt::kMonteCarloSeed, {}, int(st.range(1)));
        benchmark::DoNotOptimize(r.High);
    }
}
BENCHMARK(BM_MonteCarlo)
    ->Args({1000, 1})
    ->Args({1000, 2})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_MonteCarlo)
    ->Args({vt::kMostMonteCarloDesigns, 2})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

void BM_WornGearFourRows(benchmark::State& st) {
    auto c = vt::test::BuiltIn();
    const vt::gears::GearDesign d = vt::test::Classic(*c);
    const vt::GearPlace g = vt::PlaceOf(d, vt::GearPosition::NormalForward);
    const double dieSlip = vt::FindEvents(d, g).DieSlip;
    for (auto _ : st)
        for (double s : {0.0, 0.005, 0.01, 0.02}) {
            const vt::PositionEvents e = vt::FindWornEvents(d, g, s, dieSlip);
            benchmark::DoNotOptimize(e.FullTravel);
        }
}
BENCHMARK(BM_WornGearFourRows)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace
