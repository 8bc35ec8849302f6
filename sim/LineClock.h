#pragma once

#include <chrono>

namespace varkel::sim {

// Waits until `when` as closely as the machine allows. A plain sleep wakes
// late by the timer slack and, on an idle (or virtual) processor, by the
// time it takes to wake up, which is a fraction of a millisecond an answer:
// enough to make a virtual line slower than the real one it stands for.
// So sleep to shortly before and spin the rest.
void WaitUntil(std::chrono::steady_clock::time_point when);

} // namespace varkel::sim
