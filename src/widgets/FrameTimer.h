// The main window's tick timer, paced by the screen: one timeout for every frame the
// window's screen shows. Qt timers count whole milliseconds, so each interval is chosen
// to keep the timeouts on the frame period on average (16 and 17 ms in turn at 60 Hz).
#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include <cstdint>

class QWidget;

namespace vt {

// The frame period of a screen refreshing `hz` times a second; 60 Hz where the platform
// reports no rate or an absurd one (the offscreen platform may say 0).
double FramePeriodMs(double hz);

// Keeps a train of timeouts on a period given in whole-millisecond intervals.
class FramePacer {
public:
    // The interval to the next timeout, for a timeout at `nowNs` on a steady clock. A
    // late timeout (a stall, or a restart after a stop) starts the train afresh instead
    // of catching up with a burst of ticks.
    int NextIntervalMs(int64_t nowNs, double periodMs);

private:
    int64_t dueNs_ = 0;
    bool started_ = false;
};

// A QTimer that follows the refresh rate of the screen `window` is on.
class FrameTimer final : public QTimer {
    Q_OBJECT
public:
    explicit FrameTimer(QWidget* window);
    // The rate the timer paces to, in frames per second.
    double RateHz() const;

private:
    void Pace();

    QWidget* window_;
    QElapsedTimer clock_;
    FramePacer pacer_;
};

} // namespace vt
