#include "sim/LineClock.h"

#include <thread>

namespace varkel::sim {

void WaitUntil(std::chrono::steady_clock::time_point when) {
    using Clock = std::chrono::steady_clock;
    // Longer than a wake-up from idle takes here, short enough that the
    // spinning costs little.
    constexpr std::chrono::microseconds kSpin{600};
    if (when - Clock::now() > kSpin)
        std::this_thread::sleep_until(when - kSpin);
    while (Clock::now() < when)
        std::this_thread::yield();
}

} // namespace varkel::sim
