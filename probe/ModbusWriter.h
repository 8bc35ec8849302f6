#pragma once
#include "probe/ProbeTypes.h"

#include <cstdint>
#include <vector>

namespace varkel {

// One write as it goes to a slave: function 5 (one coil), 6 (one register),
// 15 (coils) or 16 (registers), with the values to write.
struct ModbusWrite {
    int slave = 1;
    int function = 16;
    int address = 0;
    std::vector<std::uint16_t> registers; // codes 6 and 16
    std::vector<std::uint8_t> bits;       // codes 5 and 15, one 0/1 per coil

    int Count() const {
        return static_cast<int>(function == 6 || function == 16 ? registers.size() : bits.size());
    }
};

// The writing side of a Modbus master channel. Kept apart from the reading
// side (ProbeChannel) so that whoever holds only a reader cannot write.
class ModbusWriter {
public:
    virtual ~ModbusWriter() = default;

    // Sends the write and waits for its answer within the response time-out;
    // fills status, exception and round-trip time. After an exchange without
    // a valid answer the line is let go quiet before the next request, as
    // for reads.
    virtual void Write(const ModbusWrite& write, ProbeResult& result) = 0;

    // Turns an answer (unit, function, data) to the write into a result: an
    // exception with whatever number it carries; Ok when the answer echoes
    // the request as Modbus has it (address and value for 5 and 6, address
    // and count for 15 and 16); a mismatch otherwise.
    static void InterpretWrite(const ModbusWrite& write, const std::vector<std::uint8_t>& answer,
                               ProbeResult& result);
    // The request's unit, function and data (no check sum).
    static std::vector<std::uint8_t> Request(const ModbusWrite& write);
};

} // namespace varkel
