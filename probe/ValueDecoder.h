#pragma once
#include "probe/ProbeTypes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace varkel {

// Register values as engineers read them. The byte order names the order in
// which the bytes A B C D of a register pair (A the first register's high
// byte) make up the 32-bit value; for 16-bit values BADC and DCBA exchange a
// register's two bytes.
class ValueDecoder {
public:
    enum class Format { Hex, Unsigned16, Signed16, Int32, Float32 };
    enum class Order { ABCD, CDAB, BADC, DCBA };

    // The order that reads back a value stored with the given swapping.
    static Order DefaultOrder(Swapping swapping);
    static const char* OrderName(Order order);
    static const char* FormatName(Format format);

    // The 32-bit value of four bytes read in the order.
    static std::uint32_t Combine(const std::uint8_t* bytes, Order order);
    // The values of a run of bytes (two per register), as text: one per
    // register for 16-bit formats, one per register pair for 32-bit ones
    // (a last odd register is left out).
    static std::vector<std::string> Decode(const std::vector<std::uint8_t>& bytes, Format format,
                                           Order order);
    // Registers as they came, each as hex and decimal ("00C8=200").
    static std::vector<std::string> RawRegisters(const std::vector<std::uint16_t>& registers);
    // The same for registers as they came from the slave.
    static std::vector<std::string> DecodeRegisters(const std::vector<std::uint16_t>& registers,
                                                    Format format, Order order);
};

} // namespace varkel
