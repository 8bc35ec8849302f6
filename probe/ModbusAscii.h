#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace varkel {

// Modbus ASCII framing: ':' then every byte of unit, function, data and LRC
// as two capital hexadecimal digits, then CR LF.
class ModbusAscii {
public:
    enum class Decoded { Ok, Incomplete, BadFrame, BadLrc };

    // Two's complement of the sum of the bytes.
    static std::uint8_t Lrc(const std::uint8_t* bytes, std::size_t count);
    // Frames unit, function and data (the LRC is added).
    static std::string Encode(const std::vector<std::uint8_t>& message);
    // Reads one frame back to unit, function and data, LRC checked and removed.
    static Decoded Decode(const std::string& frame, std::vector<std::uint8_t>& message);
    // The request of a read function (1 to 4): unit, function, address, count.
    static std::vector<std::uint8_t> ReadRequest(int unit, int function, int address, int count);
};

} // namespace varkel
