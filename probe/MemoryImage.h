#pragma once
#include "model/MemoryMap.h"
#include "probe/ModbusWriter.h"
#include "probe/ProbeTypes.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace varkel {

// One of the gateway's two memories, 168 bytes.
using MemoryBytes = std::array<std::uint8_t, kMemoryBytes>;

// Where a command's data sit in its memory, and how: registers from the
// mapping address in the order of the command's byte swapping (see
// MemoryImage), coils and inputs packed least significant bit first from
// the mapping's bit offset. Bytes or bits past the memory's end are left
// out. These are the one placement the probe's image and the gateway's
// runtime share.
//
// Places an answered read (status Ok) into the memory; anything else
// changes nothing.
void PlaceReadData(MemoryBytes& memory, const ProbeCommand& command, const ProbeResult& result);
// Sets the command's bytes (registers) or bits (coils, inputs) to 0.
void ClearCommandData(MemoryBytes& memory, const ProbeCommand& command);
// The write command's values taken from the output memory, the byte
// swapping undone: what the command sends to its slave.
ModbusWrite OutputWrite(const MemoryBytes& memory, const ProbeCommand& command);

// The gateway's input memory as the Profibus master would read it after a
// pass: each answered read placed by its mapping, with the command that
// owns each byte. Registers go in by the command's byte swapping:
// none keeps each register's high byte first (Modbus order), two-byte
// swapping exchanges the bytes of each register, four-byte swapping
// reverses each group of four bytes (A B C D arrive, D C B A are stored; a
// last single register stays in Modbus order). Coils and inputs are packed
// least significant bit first from the mapping's bit offset.
class MemoryImage {
public:
    static constexpr int kUnfilled = -1;

    MemoryImage() { Clear(); }
    void Clear();
    // Places an answered read of the input memory; anything else is left out.
    void Place(const ProbeCommand& command, const ProbeResult& result);

    const MemoryBytes& Bytes() const { return bytes_; }
    // Plan index of the command that owns a byte, or kUnfilled.
    int Owner(int byte) const { return owners_[static_cast<std::size_t>(byte)]; }
    // The 168 bytes as capital hexadecimal, two digits a byte.
    std::string Hex() const;

    // Register data in the order the gateway stores it.
    static std::vector<std::uint8_t> StoredBytes(Swapping swapping,
                                                 const std::vector<std::uint16_t>& registers);
    // The registers stored bytes stand for: StoredBytes undone.
    static std::vector<std::uint16_t> RegistersOf(Swapping swapping,
                                                  std::vector<std::uint8_t> stored);
    // The command's place in its memory as byte.bit-byte.bit, e.g. "12.0-15.7".
    static std::string RangeText(const ProbeCommand& command);

private:
    MemoryBytes bytes_{};
    std::array<int, kMemoryBytes> owners_{};
};

} // namespace varkel
