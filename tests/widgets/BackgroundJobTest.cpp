// The worker of the design windows: the result reaches the window's thread, Cancel stops
// the work early, and a window closed mid-run waits for its work instead of leaving it
// to write into freed memory.
#include "widgets/BackgroundJob.h"

#include <QSignalSpy>
#include <QThread>
#include <gtest/gtest.h>

#include <memory>

namespace vt {
namespace {

TEST(BackgroundJob, DeliversTheResultOnTheWindowsThread) {
    BackgroundJob job;
    QSignalSpy finished(&job, &BackgroundJob::Finished);
    QThread* deliveredOn = nullptr;
    int result = 0;
    ASSERT_TRUE(job.Start([&](JobProgress& p) -> BackgroundJob::Delivery {
        p.Total = 10;
        int sum = 0;
        for (int i = 1; i <= 10; ++i, ++p.Done) sum += i;
        p.SetNote("summed");
        return [&, sum] { result = sum, deliveredOn = QThread::currentThread(); };
    }));
    EXPECT_FALSE(job.Start([](JobProgress&) { return BackgroundJob::Delivery{}; }));
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(result, 55);
    EXPECT_EQ(deliveredOn, QThread::currentThread());
    EXPECT_EQ(job.Progress().Done, 10);
    EXPECT_EQ(job.Progress().Note(), "summed");
    EXPECT_FALSE(job.Running());
}

TEST(BackgroundJob, CancelStopsTheWorkAndDestructionWaitsForIt) {
    BackgroundJob job;
    QSignalSpy finished(&job, &BackgroundJob::Finished);
    bool sawCancel = false;
    job.Start([&](JobProgress& p) -> BackgroundJob::Delivery {
        while (!p.Cancelled()) QThread::msleep(1);
        return [&] { sawCancel = true; };
    });
    job.Cancel();
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_TRUE(sawCancel);

    auto owned = std::make_unique<BackgroundJob>();
    auto stopped = std::make_shared<std::atomic<bool>>(false);
    owned->Start([stopped](JobProgress& p) -> BackgroundJob::Delivery {
        while (!p.Cancelled()) QThread::msleep(1);
        *stopped = true;
        return {};
    });
    owned.reset();
    EXPECT_TRUE(*stopped);
}

} // namespace
} // namespace vt
