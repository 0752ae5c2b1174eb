#include "widgets/BackgroundJob.h"

#include <utility>

namespace vt {

void JobProgress::SetNote(std::string note) {
    std::lock_guard lock(noteMutex_);
    note_ = std::move(note);
}

std::string JobProgress::Note() const {
    std::lock_guard lock(noteMutex_);
    return note_;
}

BackgroundJob::BackgroundJob(QObject* parent) : QObject(parent) {
    poll_.setInterval(50);
    connect(&poll_, &QTimer::timeout, this, &BackgroundJob::Poll);
}

BackgroundJob::~BackgroundJob() {
    Cancel();
    Join();
}

bool BackgroundJob::Start(Work work) {
    if (Running()) return false;
    progress_.cancel_ = false;
    progress_.Done = 0;
    progress_.Total = 1;
    progress_.SetNote({});
    finished_ = false;
    worker_ = std::thread([this, work = std::move(work)] {
        delivery_ = work(progress_);
        finished_ = true;
    });
    poll_.start();
    return true;
}

void BackgroundJob::Cancel() { progress_.cancel_ = true; }

void BackgroundJob::Join() {
    if (worker_.joinable()) worker_.join();
    poll_.stop();
}

void BackgroundJob::Poll() {
    emit Progressed();
    if (!finished_) return;
    Join();
    Delivery delivery = std::exchange(delivery_, {});
    if (delivery) delivery();
    emit Finished();
}

} // namespace vt
