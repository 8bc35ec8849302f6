#pragma once
#include "model/ResultCode.h"
#include <cstddef>
#include <cstdint>
#include <vector>

namespace varkel {

using Bytes = std::vector<std::uint8_t>;

// Low 8 bits of the sum of count bytes; 0 for none.
std::uint8_t ByteSum(const std::uint8_t* bytes, std::size_t count);

// 0 when the first count bytes are equal, else CheckError.
[[nodiscard]] ResultCode MatchReply(const std::uint8_t* received, const std::uint8_t* expected,
                                    std::size_t count);

// The three-byte frame command, 00h, command: the acknowledgement of a
// download frame and the request of some uploads.
Bytes ShortFrame(std::uint8_t command);

// Command, length, data and checksum.
Bytes MakeFrame(std::uint8_t command, const Bytes& data);

// Values are sent in one byte (low 8 bits) or two (low 16 bits, high first);
// -1 from a missing item or choice travels as FFh / FFFFh.
inline std::uint8_t Low8(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}
inline void Put16(Bytes& out, int value) {
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
}
inline int Get16(const std::uint8_t* at) {
    return (at[0] << 8) | at[1];
}

} // namespace varkel
