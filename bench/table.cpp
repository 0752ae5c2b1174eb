// The pivot data table at the smallest step (0.01: 36,001 rows, one solve each), built
// and put into the window's text control, as opening the window does.
#include "dialogs/DatTable.h"
#include "model/PivotData.h"
#include "support/Designs.h"


#include <benchmark/benchmark.h>

namespace {

void BM_BuildTable(benchmark::State& st) {
    auto c = vt::test::BuiltIn();
    c->StepAngle = 0.01f;
    for (int k = 1; k <= 6; ++k) {
        c->PivotSel[k] = float(k + 2);
        c->PivotSelOn[k] = 1;
    }
    for (auto _ : st) benchmark::DoNotOptimize(vt::BuildPivotTable(*c, "d", "t").size());
}
BENCHMARK(BM_BuildTable)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_OpenTableWindow(benchmark::State& st) {
    auto c = vt::test::BuiltIn();
    c->StepAngle = 0.01f;
    vt::DataTableWindow window(*c, nullptr);
    for (auto _ : st) {
        window.show(); // builds the table and fills the text control
        window.hide();
    }
}
BENCHMARK(BM_OpenTableWindow)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

