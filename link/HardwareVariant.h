#pragma once
#include <cstdint>
#include <span>

namespace varkel {

// How one hardware generation of the gateway is configured. Download,
// upload and the step count all derive from the row; a new generation is
// a new row in HardwareVariant.cpp.
struct HardwareVariant {
    enum class SettingsForm { Short, Long }; // 03h/04h of 17 bytes, or 28 with the universal part
    enum class FieldbusSwitch { ValidLength, ClearOnFault }; // 30h/31h or 32h/33h

    const char* name;
    int majorFrom, majorTo; // hardware major versions covered
    int minor;              // the one minor version covered, or -1 for any
    SettingsForm settings;
    // Universal mode can be written; without it the download is refused.
    bool universalMode;
    // Universal mode has its own frame after the settings (05h, read back with 06h).
    bool universalFrame;
    // A protocol type neither master nor universal still gets its settings frame.
    bool otherProtocolSettings;
    // The fieldbus switch outside Modbus master mode (master mode: ClearOnFault).
    FieldbusSwitch otherSwitch;
    // Outside master mode the upload reads "valid length" back (31h); if
    // not, it is set to its first choice.
    bool validLengthReadBack;
};

// The row of a gateway's version, or nullptr for one this program does not know.
const HardwareVariant* FindHardwareVariant(std::uint8_t major, std::uint8_t minor);
// Every row, in the order they are matched.
std::span<const HardwareVariant> HardwareVariants();

} // namespace varkel
