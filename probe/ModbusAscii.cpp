#include "probe/ModbusAscii.h"

namespace varkel {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::uint8_t ModbusAscii::Lrc(const std::uint8_t* bytes, std::size_t count) {
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i < count; ++i)
        sum = static_cast<std::uint8_t>(sum + bytes[i]);
    return static_cast<std::uint8_t>(-sum);
}

std::string ModbusAscii::Encode(const std::vector<std::uint8_t>& message) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out = ":";
    auto put = [&](std::uint8_t b) {
        out += digits[b >> 4];
        out += digits[b & 0x0F];
    };
    for (std::uint8_t b : message)
        put(b);
    put(Lrc(message.data(), message.size()));
    out += "\r\n";
    return out;
}

ModbusAscii::Decoded ModbusAscii::Decode(const std::string& frame,
                                         std::vector<std::uint8_t>& message) {
    message.clear();
    const std::size_t end = frame.find("\r\n");
    if (end == std::string::npos)
        return frame.empty() || frame[0] == ':' ? Decoded::Incomplete : Decoded::BadFrame;
    if (frame.empty() || frame[0] != ':' || end % 2 == 0 || end < 7)
        return Decoded::BadFrame;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 1; i < end; i += 2) {
        int hi = HexDigit(frame[i]), lo = HexDigit(frame[i + 1]);
        if (hi < 0 || lo < 0)
            return Decoded::BadFrame;
        bytes.push_back(static_cast<std::uint8_t>(hi << 4 | lo));
    }
    if (Lrc(bytes.data(), bytes.size() - 1) != bytes.back())
        return Decoded::BadLrc;
    bytes.pop_back();
    message = std::move(bytes);
    return Decoded::Ok;
}

std::vector<std::uint8_t> ModbusAscii::ReadRequest(int unit, int function, int address, int count) {
    return {static_cast<std::uint8_t>(unit),         static_cast<std::uint8_t>(function),
            static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address & 0xFF),
            static_cast<std::uint8_t>(count >> 8),   static_cast<std::uint8_t>(count & 0xFF)};
}

} // namespace varkel
