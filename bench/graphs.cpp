// One redraw of each diagram as the graph window runs it: the backing image cleared, the
// whole diagram drawn through the Qt canvas. The sine, oval and steam diagrams with nine
// stored positions; the port events diagram in each of its modes. Each at its layout's
// size and scaled to a maximised window's 1920 x 1050 client area.
#include "canvas/QtCanvas.h"
#include "diagrams/OvalDraw.h"
#include "diagrams/PortsDraw.h"
#include "diagrams/SineDraw.h"
#include "diagrams/SteamDraw.h"
#include "render/Placement.h"
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

// The client area of a maximised window on a 1920 x 1080 screen.
constexpr int kFullWidth = 1920, kFullHeight = 1050;

// Argument 0: at the layout's size; 1: scaled to the full client area.
void Redraw(benchmark::State& st, void (*draw)(vt::Canvas&, vt::State&), int height,
            char portMode = 'F') {
    auto c = NinePositions();
    c->PortGraphMode = portMode;
    const bool full = st.range(0) == 1;
    vt::QtCanvas canvas(full ? kFullWidth : 632, full ? kFullHeight : height);
    if (full) canvas.SetPlacement(vt::FitInto(632, height, kFullWidth, kFullHeight));
    for (auto _ : st) {
        canvas.Clear();
        draw(canvas, *c);
        benchmark::DoNotOptimize(canvas.Image().constBits());
    }
}

void BM_SineRedraw(benchmark::State& st) { Redraw(st, vt::DrawSineDiagram, 414); }
BENCHMARK(BM_SineRedraw)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)
    ->Repetitions(9)->ReportAggregatesOnly(true);

void BM_OvalRedraw(benchmark::State& st) { Redraw(st, vt::DrawOvalDiagram, 426); }
BENCHMARK(BM_OvalRedraw)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)
    ->Repetitions(9)->ReportAggregatesOnly(true);

void BM_SteamRedraw(benchmark::State& st) { Redraw(st, vt::DrawSteamDiagram, 414); }
BENCHMARK(BM_SteamRedraw)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)
    ->Repetitions(9)->ReportAggregatesOnly(true);

// Arguments: the size as above, then the mode, 'F', 'R' or 'B'.
void BM_PortsRedraw(benchmark::State& st) {
    Redraw(st, vt::DrawPortsDiagram, 414, char(st.range(1)));
}
BENCHMARK(BM_PortsRedraw)->ArgsProduct({{0, 1}, {'F', 'R', 'B'}})->Unit(benchmark::kMillisecond)
    ->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
