// Dimension file speed: a design's 1,440 bytes decoded, checked and stored, then the
// mid-gear recalculation and bar update that follow a load; and the encoding for a save.
// Over the canonical designs of the sample files.
#include "files/DimFile.h"
#include "files/LoadSteps.h"
#include "support/Designs.h"

#include <benchmark/benchmark.h>

namespace {

void BM_OpenDesign(benchmark::State& st) {
    const auto& design = vt::test::SampleDesigns()[std::size_t(st.range(0))];
    const std::vector<uint8_t> bytes = vt::EncodeDesign(*design.make());
    auto c = vt::test::BuiltIn();
    vt::Controls controls;
    for (auto _ : st) {
        benchmark::DoNotOptimize(vt::DecodeDesign(*c, bytes).ok);
        vt::FinishDesignLoad(*c, controls);
    }
    st.SetLabel(design.file);
}
BENCHMARK(BM_OpenDesign)->DenseRange(0, 3)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_EncodeDesign(benchmark::State& st) {
    auto c = vt::test::LongTravel();
    for (auto _ : st) benchmark::DoNotOptimize(vt::EncodeDesign(*c).data());
}
BENCHMARK(BM_EncodeDesign)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
