#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace varkel::sim {

using Bytes = std::vector<std::uint8_t>;
using Record = std::array<std::uint8_t, 12>;

// What a gateway keeps of a download, in the layout it receives it.
struct GatewayState {
    // Offsets 3-15 of the serial settings frame: protocol code, baud, data
    // bits, parity, stop bits, 0, mode, response timeout (2), poll delay,
    // polling mode, 0, scan ratio.
    std::array<std::uint8_t, 13> serial{0x00, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00,
                                        0x01, 0x2C, 0x00, 0x03, 0x00, 0x0A};
    // Offsets 3-13 of the universal-mode frame: control mode, character
    // timeout (2), character number, start, end, send-auto, period (2), CRC, 0.
    std::array<std::uint8_t, 11> universal{0x00, 0x00, 0x0A, 0x6F, 0x00, 0x00,
                                           0x00, 0x03, 0xE8, 0x00, 0x00};
    std::vector<Record> records;
    std::uint8_t validLength = 0;
    std::uint8_t clearOnFault = 0;

    bool operator==(const GatewayState&) const = default;
};

// The state as a small text file of its own; Load leaves the state alone
// and says why when the file is unreadable or malformed.
bool SaveState(const GatewayState& state, const std::string& path, std::string* error);
bool LoadState(GatewayState& state, const std::string& path, std::string* error);
std::string StateToText(const GatewayState& state);
bool StateFromText(GatewayState& state, const std::string& text, std::string* error);

} // namespace varkel::sim
