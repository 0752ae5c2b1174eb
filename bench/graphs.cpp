// One redraw of each diagram as the graph window runs it: the backing image cleared, the
// whole diagram drawn through the Qt canvas. The sine, oval and steam diagrams with nine
// stored positions; the port events diagram in each of its modes.
#include "canvas/QtCanvas.h"
#include "diagrams/OvalDraw.h"
#include "diagrams/PortsDraw.h"
#include "diagrams/SineDraw.h"
#include "diagrams/SteamDraw.h"
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

void Redraw(benchmark::State& st, void (*draw)(vt::Canvas&, vt::State&), int height,
            char portMode = 'F') {
    auto c = NinePositions();
    c->PortGraphMode = portMode;
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

void BM_SteamRedraw(benchmark::State& st) { Redraw(st, vt::DrawSteamDiagram, 414); }
BENCHMARK(BM_SteamRedraw)
    ->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// Argument: the mode, 'F', 'R' or 'B'.
void BM_PortsRedraw(benchmark::State& st) {
    Redraw(st, vt::DrawPortsDiagram, 414, char(st.range(0)));
}
BENCHMARK(BM_PortsRedraw)->Arg('F')->Arg('R')->Arg('B')->Unit(benchmark::kMillisecond)
    ->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
