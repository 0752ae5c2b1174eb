// The tick's pacing: the frame period of a screen, with a fallback where the platform
// reports no sane rate, and whole-millisecond intervals that keep the period on average
// without bursts after a stall.
#include "widgets/FrameTimer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vt {
namespace {

constexpr int64_t kNsPerMs = 1'000'000;

TEST(FramePeriod, FollowsTheScreenOrFallsBackToSixtyHertz) {
    EXPECT_NEAR(FramePeriodMs(60), 16.667, 0.001);
    EXPECT_NEAR(FramePeriodMs(144), 6.944, 0.001);
    EXPECT_NEAR(FramePeriodMs(59.94), 16.683, 0.001);
    for (double absurd : {0.0, -60.0, 5.0, 1e6, std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity()})
        EXPECT_NEAR(FramePeriodMs(absurd), 16.667, 0.001) << absurd;
}

// Timeouts that arrive a little late, as a timer's do: over ten seconds the ticks keep
// to the frame period, each interval one of the two whole milliseconds around it.
TEST(FramePacer, KeepsThePeriodOnAverage) {
    for (double hz : {60.0, 75.0, 144.0}) {
        FramePacer pacer;
        const double period = 1000.0 / hz;
        int64_t now = 0;
        const int frames = int(10 * hz);
        for (int i = 0; i < frames; ++i) {
            const int interval = pacer.NextIntervalMs(now, period);
            EXPECT_GE(interval, int(std::floor(period)));
            EXPECT_LE(interval, int(std::ceil(period)));
            now += interval * kNsPerMs + 200'000; // 0.2 ms late
        }
        EXPECT_NEAR(double(now) / kNsPerMs, frames * period, 2 * period) << hz;
    }
}

TEST(FramePacer, AStallStartsAfreshInsteadOfABurst) {
    FramePacer pacer;
    int64_t now = 0;
    for (int i = 0; i < 10; ++i) now += pacer.NextIntervalMs(now, 16.667) * kNsPerMs;
    now += 500 * kNsPerMs; // a long modal pause, or the timer stopped and started again
    EXPECT_GE(pacer.NextIntervalMs(now, 16.667), 16);
}

} // namespace
} // namespace vt
