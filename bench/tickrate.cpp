// Ticks per second the running main window reaches: the real window with its 1 ms timer
// on the offscreen platform, its event loop run for a fixed time, ticks counted.
#include "app/Main.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void BM_TickRate(benchmark::State& st) {
    auto s = std::make_unique<vt::State>();
    vt::MainForm form(*s);
    s->SteamDispOn = st.range(0) != 0;
    form.show();
    for (auto _ : st) {
        const uint64_t before = form.TickCount();
        QElapsedTimer clock;
        clock.start();
        QEventLoop loop;
        QTimer::singleShot(2000, &loop, &QEventLoop::quit);
        loop.exec();
        const double seconds = double(clock.nsecsElapsed()) / 1e9;
        st.counters["ticks_per_s"] = double(form.TickCount() - before) / seconds;
    }
}
BENCHMARK(BM_TickRate)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

