// Ticks per second the running main window reaches against the refresh rate it paces
// to: the real window with its screen-paced timer, its event loop run for a fixed time,
// ticks counted. Arguments: steam display off / on; the start size, or 1920 x 1080 with
// the gear fitted to it. Run it on the offscreen platform or on a display.
#include "app/Main.h"

#include <QCoreApplication>
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
    if (st.range(1) != 0) {
        form.resize(1920, 1080);
        QCoreApplication::processEvents();
        form.Command(vt::Cmd::FitGearToWindow);
    }
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
BENCHMARK(BM_TickRate)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"steam", "large"})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
