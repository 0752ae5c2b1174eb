// Gear file speed: a design's document parsed strictly and checked key by key against its
// kind's table, and the writing of the document for a save. Over the gears' samples.
#include "gearfile/GearFile.h"
#include "gears/kinds/ClassicGear.h"
#include "gears/kinds/Walschaerts.h"

#include <benchmark/benchmark.h>

namespace {

vt::gears::GearDesign Sample(int i) {
    return i == 0 ? vt::gears::Walschaerts().Sample() : vt::gears::ClassicGear().Sample();
}

void BM_DecodeGearFile(benchmark::State& st) {
    const std::string text = vt::EncodeGearFile(Sample(int(st.range(0))));
    vt::gears::GearDesign d;
    for (auto _ : st) benchmark::DoNotOptimize(vt::DecodeGearFile(d, text).ok);
    st.SetLabel(std::string(d.Kind->Name()) + ", " + std::to_string(text.size()) + " bytes");
}
BENCHMARK(BM_DecodeGearFile)->DenseRange(0, 1)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_EncodeGearFile(benchmark::State& st) {
    const vt::gears::GearDesign d = Sample(int(st.range(0)));
    for (auto _ : st) benchmark::DoNotOptimize(vt::EncodeGearFile(d).data());
    st.SetLabel(std::string(d.Kind->Name()));
}
BENCHMARK(BM_EncodeGearFile)->DenseRange(0, 1)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
