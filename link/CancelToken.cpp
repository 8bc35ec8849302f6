#include "link/CancelToken.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <poll.h>
#include <sys/eventfd.h>
#include <thread>
#include <unistd.h>

namespace varkel {

CancelToken::CancelToken() : wake_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

CancelToken::~CancelToken() {
    if (wake_ >= 0)
        ::close(wake_);
}

void CancelToken::Cancel() noexcept {
    cancelled_ = true;
    // Nobody reads the counter back: the descriptor stays readable, and
    // every wait on it, now or later, wakes at once.
    if (wake_ >= 0) {
        const std::uint64_t one = 1;
        [[maybe_unused]] ssize_t n = ::write(wake_, &one, sizeof one);
    }
}

bool CancelToken::Cancelled() const noexcept {
    return cancelled_;
}

bool CancelToken::Sleep(int ms) const {
    if (Cancelled())
        return false;
    if (ms <= 0)
        return true;
    if (wake_ < 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        return !Cancelled();
    }
    pollfd p{wake_, POLLIN, 0};
    while (::poll(&p, 1, ms) < 0 && errno == EINTR) {
    }
    return !Cancelled();
}

} // namespace varkel
