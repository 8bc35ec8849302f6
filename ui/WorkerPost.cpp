#include "ui/WorkerPost.h"

namespace varkel {

void WorkerPost::Post(std::function<void()> call) {
    bool wake = false;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        wake = calls_.empty();
        calls_.push_back(std::move(call));
    }
    // One wake-up for a run of posts; Drain takes all of them.
    if (wake)
        QMetaObject::invokeMethod(this, "Drain", Qt::QueuedConnection);
}

void WorkerPost::Drain() {
    std::vector<std::function<void()>> calls;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        calls.swap(calls_);
    }
    for (const std::function<void()>& call : calls)
        call();
}

} // namespace varkel
