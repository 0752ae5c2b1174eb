// The gear workbench's costs: one frame of the animated gear (solve, picture, drawn
// through the Canvas on a 1200 x 800 image, antialiased as on the screen), one step of a
// dimension drag (a new solver and the turn the section and the fit are read from), and
// one live update of the events after a dimension changed: the current notch (found at
// once on the window's thread), the whole notch table (on the worker) and both together.
#include "analysis/EventsTable.h"
#include "canvas/PainterCanvas.h"
#include "gears/kinds/Walschaerts.h"
#include "workbench/GearDiagrams.h"
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

// What one live update computes: `current` what the window's thread does (the setting's
// events and the turn the sine and oval diagrams draw), `table` every notch.
void LiveUpdate(benchmark::State& st, bool current, bool table) {
    gears::GearDesign d = gears::Walschaerts().Sample();
    const int lever = d.Kind->DimensionIndex("CombLeverValve");
    const double setting = gears::SettingOf(d, gears::NamedPosition::NormalForward);
    int i = 0;
    for (auto _ : st) {
        d.Values[std::size_t(lever)] = 3.9 + 0.001 * (i++ % 100);
        if (current) {
            benchmark::DoNotOptimize(FindEvents(d, setting, true));
            benchmark::DoNotOptimize(wb::CurvesOf(d, setting));
        }
        if (table) benchmark::DoNotOptimize(ComputeEventsTable(d, DefaultEventRows(d)));
    }
}
void BM_WorkbenchLiveCurrentNotch(benchmark::State& st) {
    LiveUpdate(st, true, false);
}
void BM_WorkbenchLiveWholeTable(benchmark::State& st) {
    LiveUpdate(st, false, true);
}
void BM_WorkbenchLiveUpdate(benchmark::State& st) {
    LiveUpdate(st, true, true);
}
BENCHMARK(BM_WorkbenchLiveCurrentNotch)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_WorkbenchLiveWholeTable)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_WorkbenchLiveUpdate)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
