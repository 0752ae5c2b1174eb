// The screen-paced tick timer; see FrameTimer.h.
#include "widgets/FrameTimer.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace vt {

namespace {
constexpr double kFallbackHz = 60;
constexpr double kLowestHz = 20, kHighestHz = 1000; // beyond these a reported rate is no rate
constexpr double kNsPerMs = 1e6;
} // namespace

double FramePeriodMs(double hz) {
    const bool plausible = hz >= kLowestHz && hz <= kHighestHz; // false for NaN too
    return 1000.0 / (plausible ? hz : kFallbackHz);
}

int FramePacer::NextIntervalMs(int64_t nowNs, double periodMs) {
    const auto periodNs = static_cast<int64_t>(periodMs * kNsPerMs);
    if (!started_ || nowNs - dueNs_ > periodNs) dueNs_ = nowNs;
    started_ = true;
    dueNs_ += periodNs;
    return std::max(1, static_cast<int>(std::lround(double(dueNs_ - nowNs) / kNsPerMs)));
}

FrameTimer::FrameTimer(QWidget* window) : window_(window) {
    setTimerType(Qt::PreciseTimer);
    setInterval(static_cast<int>(std::lround(FramePeriodMs(kFallbackHz))));
    clock_.start();
    // Connected before any user of the timer, so each interval is measured from the
    // timeout, not from the end of the tick it drives.
    connect(this, &QTimer::timeout, this, &FrameTimer::Pace);
}

double FrameTimer::RateHz() const {
    const QScreen* screen = window_->screen();
    return 1000.0 / FramePeriodMs(screen ? screen->refreshRate() : 0.0);
}

void FrameTimer::Pace() {
    setInterval(pacer_.NextIntervalMs(clock_.nsecsElapsed(), 1000.0 / RateHz()));
}

} // namespace vt
