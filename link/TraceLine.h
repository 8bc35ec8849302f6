#pragma once
#include "link/SerialLink.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

namespace varkel {

// Bytes as upper-case hex pairs separated by single spaces ("01 00 01").
std::string HexBytes(const std::uint8_t* bytes, std::size_t count);
inline std::string HexBytes(const Bytes& bytes) {
    return HexBytes(bytes.data(), bytes.size());
}

// The two shapes of a frame log line: the terminal's ("   0.105 > 01 00 01")
// and the transfer dialog's ("+0.105 s  sent     01 00 01").
enum class TraceForm { Terminal, Log };

// Seconds since start, in the form's shape.
std::string TraceStamp(std::chrono::steady_clock::time_point time,
                       std::chrono::steady_clock::time_point start, TraceForm form);
// One trace event as a line, stamped relative to start.
std::string TraceLine(const TraceEvent& event, std::chrono::steady_clock::time_point start,
                      TraceForm form);

} // namespace varkel
