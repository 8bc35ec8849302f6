#pragma once
#include <array>

namespace varkel {

// Per-bit use counters of one gateway memory. Bits 0..1343 are the 168
// bytes; 1344..1499 only catch overflow.
inline constexpr int kMemoryBytes = 168;
inline constexpr int kMemoryDataBits = kMemoryBytes * 8;
inline constexpr int kMemoryBits = 1500;
inline constexpr unsigned kOutputBase = 0x4000;
using MemoryCounts = std::array<int, kMemoryBits>;

enum Direction { InputDirection = 0, OutputDirection = 1 };

} // namespace varkel
