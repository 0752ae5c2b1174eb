// One full tick of the main window without the window: solve, valve events, pixel
// conversion, outlines and the scene drawn into the 1280 x 1024 image.
#include "model/Controls.h"
#include "render/QtCanvas.h"
#include "render/Scene.h"
#include "support/Designs.h"

#include <QGuiApplication>

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

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
