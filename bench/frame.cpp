// One full tick of the main window without the window: solve, valve events, pixel
// conversion, outlines and the scene drawn into the 1280 x 1024 image.
#include "canvas/QtCanvas.h"
#include "model/Controls.h"
#include "model/DesignChanges.h"
#include "render/Scene.h"
#include "support/Designs.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Tick(benchmark::State& st) {
    auto c = vt::test::BuiltIn();
    c->LineWidth = int(st.range(0));
    vt::QtCanvas canvas(vt::kSceneWidth, vt::kSceneHeight);
    for (auto _ : st) {
        vt::TickModel(*c);
        vt::DrawScene(canvas, *c);
        benchmark::DoNotOptimize(canvas.Image().constBits());
    }
}
BENCHMARK(BM_Tick)->Arg(1)->Arg(2)->Repetitions(9)->ReportAggregatesOnly(true);

// The tick with the steam display: at the default view (arg 0), and at the largest zoom
// on the cylinder with both ends holding the maximum quantity (arg 1).
void BM_TickSteam(benchmark::State& st) {
    auto c = vt::test::BuiltIn();
    c->SteamDispOn = true;
    c->hooks.RandomSeed = [] { return 7u; };
    const bool largest = st.range(0) != 0;
    if (largest) {
        c->ViewScale = 3000;
        c->ViewOffsetX = 640 - 16 * 3000; // the cylinder centre in the image
        c->ViewOffsetY = 512 + 1 * 3000;
        c->RunStep = 0; // the quantities stay at their maximum
    }
    vt::QtCanvas canvas(vt::kSceneWidth, vt::kSceneHeight);
    for (auto _ : st) {
        if (largest) c->SteamFront = c->SteamRear = 2000;
        vt::TickModel(*c);
        vt::DrawScene(canvas, *c);
        benchmark::DoNotOptimize(canvas.Image().constBits());
    }
}
BENCHMARK(BM_TickSteam)->Arg(0)->Arg(1)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

// The modified check the main window makes at every tick for its titles.
void BM_DesignModified(benchmark::State& st) {
    auto c = vt::test::BuiltIn();
    c->LineColor[20] = 255; // the last value compared differs
    for (auto _ : st) benchmark::DoNotOptimize(vt::DesignModified(*c));
}
BENCHMARK(BM_DesignModified);

} // namespace

