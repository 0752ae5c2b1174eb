// One redraw of each valve diagram with nine stored positions, as the graph window runs
// it: the backing image cleared, the whole diagram drawn through the Qt canvas.
#include "graphs/OvalDraw.h"
#include "graphs/SineDraw.h"
#include "render/QtCanvas.h"
#include "support/Designs.h"

#include <benchmark/benchmark.h>

namespace {

// Nine positions from full reverse to full forward around mid gear.
vt::test::CountingState NinePositions() {
    auto c = vt::test::BuiltIn();
    c->RevArmCount = 9;
    for (int k = 1; k <= 9; ++k)
        c->RevArmSet[k] = c->RevArmSet[0] + c->RevArmCentMax * float(k - 5) / 4.0f;
    return c;
}

void Redraw(benchmark::State& st, void (*draw)(vt::Canvas&, vt::State&), int height) {
    auto c = NinePositions();
    vt::QtCanvas canvas(632, height);
    for (auto _ : st) {
        canvas.Clear();
        draw(canvas, *c);
        benchmark::DoNotOptimize(canvas.Image().constBits());
    }
}

void BM_SineRedraw(benchmark::State& st) { Redraw(st, vt::DrawSineDiagram, 414); }
BENCHMARK(BM_SineRedraw)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_OvalRedraw(benchmark::State& st) { Redraw(st, vt::DrawOvalDiagram, 426); }
BENCHMARK(BM_OvalRedraw)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
