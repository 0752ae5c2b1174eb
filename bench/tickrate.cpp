// Ticks per second the running main window reaches against the refresh rate it paces
// to: the real window with its screen-paced timer, its event loop run for a fixed time,
// ticks counted. Run it on the offscreen platform or on a display.
#include "app/Main.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QScreen>
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
        QTimer::singleShot(3000, &loop, &QEventLoop::quit);
        loop.exec();
        const double seconds = double(clock.nsecsElapsed()) / 1e9;
        st.counters["ticks_per_s"] = double(form.TickCount() - before) / seconds;
    }
    // What the timer paces to, and what the screen itself reports (0: no rate known, so
    // the timer falls back to 60 Hz).
    st.counters["refresh_hz"] = form.Timer().RateHz();
    st.counters["screen_reports_hz"] = form.screen()->refreshRate();
}
BENCHMARK(BM_TickRate)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
