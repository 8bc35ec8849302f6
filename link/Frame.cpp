#include "link/Frame.h"

#include "model/ResultCode.h"

#include <cstring>

namespace varkel {

std::uint8_t ByteSum(const std::uint8_t* bytes, std::size_t count) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < count; ++i)
        sum += bytes[i];
    return static_cast<std::uint8_t>(sum & 0xFF);
}

ResultCode MatchReply(const std::uint8_t* received, const std::uint8_t* expected,
                      std::size_t count) {
    if (count == 0 || std::memcmp(received, expected, count) == 0)
        return Success;
    return CheckError;
}

Bytes ShortFrame(std::uint8_t command) {
    return Bytes{command, 0x00, command};
}

Bytes MakeFrame(std::uint8_t command, const Bytes& data) {
    Bytes frame;
    frame.reserve(data.size() + 3);
    frame.push_back(command);
    frame.push_back(static_cast<std::uint8_t>(data.size()));
    frame.insert(frame.end(), data.begin(), data.end());
    frame.push_back(ByteSum(frame.data(), frame.size()));
    return frame;
}

} // namespace varkel
