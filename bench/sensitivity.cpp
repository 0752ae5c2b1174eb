// Sensitivity speed: all 48 derivatives at normal forward and normal reverse, and the
// Monte Carlo check of 1,000 designs at normal forward, with the built-in design.
#include "analysis/Tolerances.h"
#include "support/Designs.h"

#include <benchmark/benchmark.h>

namespace {

void BM_SensitivityTwoPositions(benchmark::State& st) {
    auto c = vt::test::BuiltIn();
    const vt::GearPlace places[] = {*vt::ParseGearPlace(*c, "normal-fwd"),
                                    *vt::ParseGearPlace(*c, "normal-rev")};
    for (auto _ : st)
        for (const vt::GearPlace& p : places) {
            const vt::SensitivityResult r = vt::ComputeSensitivity(*c, p);
            benchmark::DoNotOptimize(r.Rows.back().Derivative);
        }
}
BENCHMARK(BM_SensitivityTwoPositions)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

void BM_MonteCarlo1000(benchmark::State& st) {
    auto c = vt::test::BuiltIn();
    const vt::GearPlace p = *vt::ParseGearPlace(*c, "normal-fwd");
    for (auto _ : st) {
        const vt::MonteCarloRange r = vt::RunMonteCarlo(*c, p, {}, 1000);
        benchmark::DoNotOptimize(r.High);
    }
}
BENCHMARK(BM_MonteCarlo1000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace
