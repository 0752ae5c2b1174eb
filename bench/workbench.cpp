// The gear workbench's two costs: one frame of the animated gear (solve, picture, drawn
// through the Canvas on a 1200 x 800 image, antialiased as on the screen) and one step
// of a dimension drag (a new solver and the turn the section and the fit are read from).
#include "canvas/PainterCanvas.h"
#include "gears/kinds/Walschaerts.h"
#include "workbench/GearPicture.h"

#include <QImage>
#include <QPainter>

#include <cmath>

#include <benchmark/benchmark.h>

namespace {

using namespace vt;

void BM_WorkbenchFrame(benchmark::State& st) {
    const gears::GearDesign d = gears::Walschaerts().Sample();
    const auto solver = d.Kind->MakeSolver(d);
    const wb::SectionFrame frame = wb::FrameOf(d, wb::SweepTurn(d, 0, 120));
    QImage image(1200, 800, QImage::Format_RGB32);
    const wb::GearView view{4, 100, 500};
    double crank = 0;
    for (auto _ : st) {
        crank = std::fmod(crank + 3, 360);
        const gears::GearPose pose = solver->Solve(crank, 10);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        PainterCanvas c(painter, image.width(), image.height());
        wb::DrawPicture(c, wb::PictureOf(d, pose, frame, 1), view, false);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_WorkbenchFrame)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_WorkbenchDragStep(benchmark::State& st) {
    gears::GearDesign d = gears::Walschaerts().Sample();
    const int lever = d.Kind->DimensionIndex("CombLeverValve");
    int i = 0;
    for (auto _ : st) {
        d.Values[std::size_t(lever)] = 3.9 + 0.001 * (i++ % 100);
        const auto solver = d.Kind->MakeSolver(d);
        const wb::SectionFrame frame = wb::FrameOf(d, wb::SweepTurn(d, 10, 120));
        benchmark::DoNotOptimize(solver->Solve(90, 10));
        benchmark::DoNotOptimize(frame);
    }
}
BENCHMARK(BM_WorkbenchDragStep)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
