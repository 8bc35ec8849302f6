#pragma once
#include <atomic>

namespace varkel {

// Asks a transfer to stop. The transfer looks at it between frames, and a
// wait for a reply wakes when it is set, so that the user need not wait for
// a time-out. Cancel may be called from any thread and from a signal
// handler; several transfers may share one token.
class CancelToken {
public:
    CancelToken();
    ~CancelToken();
    CancelToken(const CancelToken&) = delete;
    CancelToken& operator=(const CancelToken&) = delete;

    void Cancel() noexcept;
    bool Cancelled() const noexcept;
    // Readable once cancelled, for poll; -1 when it could not be made (then
    // only the checks between frames see the cancel).
    int WakeDescriptor() const noexcept { return wake_; }
    // Waits up to ms; false when cancelled meanwhile.
    bool Sleep(int ms) const;

private:
    int wake_ = -1;
    std::atomic<bool> cancelled_{false};
    static_assert(std::atomic<bool>::is_always_lock_free, "a signal handler sets it");
};

} // namespace varkel
