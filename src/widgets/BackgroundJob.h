// One long computation of a window on a worker thread, over its own copy of the data:
// its progress and cancel are shared through atomics, read by a timer on the window's
// thread, and its result is handed back to that thread when the work ends. The window
// keeps ticking meanwhile. Used by every design tool's window.
#pragma once

#include <QObject>
#include <QTimer>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace vt {

// What the work and the window share while it runs. The work counts `Done` up to
// `Total`, may leave a short note ("restart 3 of 8"), and stops early when `Cancelled`.
class JobProgress {
public:
    std::atomic<int> Done{0}, Total{1};
    bool Cancelled() const { return cancel_.load(); }
    void SetNote(std::string note);
    std::string Note() const;

private:
    friend class BackgroundJob;
    std::atomic<bool> cancel_{false};
    mutable std::mutex noteMutex_;
    std::string note_;
};

class BackgroundJob final : public QObject {
    Q_OBJECT
public:
    // The work runs on the worker thread and returns what to do with its result on the
    // window's thread (a closure holding the result), or an empty function for nothing.
    using Delivery = std::function<void()>;
    using Work = std::function<Delivery(JobProgress&)>;

    explicit BackgroundJob(QObject* parent = nullptr);
    ~BackgroundJob() override; // cancels and waits: the work never outlives its window

    // Starts `work` unless a job is running; false when one is.
    bool Start(Work work);
    void Cancel();
    bool Running() const { return worker_.joinable(); }
    const JobProgress& Progress() const { return progress_; }

signals:
    void Progressed(); // every 50 ms while running
    void Finished();   // after the delivery ran, cancelled or not

private:
    void Poll();
    void Join();

    JobProgress progress_;
    std::thread worker_;
    std::atomic<bool> finished_{false};
    Delivery delivery_;
    QTimer poll_;
};

} // namespace vt
