#pragma once
#include "sim/GatewayRuntime.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace varkel::sim {

// The gateway's PLC side as Modbus TCP registers (any unit id):
//   input registers 0-83     the input memory, register k = byte 2k (high), 2k+1 (low)
//   holding registers 0-83   the output memory, the same way (read 3, write 6 and 16)
//   input registers 100-147  status of command n at 100 + n (see CommandState::Word)
//   input registers 200-201  completed cycles, 32 bits, high word first
//   input register 202       the last cycle's time in 0.1 ms
// A read or write outside these (or across a gap) answers exception 02, a
// malformed request 03, any other function 01.
inline constexpr int kPlcMemoryRegisters = 84;
inline constexpr int kPlcStatusRegister = 100;
inline constexpr int kPlcCyclesRegister = 200;
inline constexpr int kPlcCycleTimeRegister = 202;

// Length of the Modbus TCP frame at the front of `data` from its header
// (transaction, protocol 0, length): 0 when the header is not complete yet,
// -1 when it is no Modbus TCP header (another protocol, a length no request
// can have).
long ModbusTcpFrameLength(const std::uint8_t* data, std::size_t size);

// What a request wrote into the output memory.
struct PlcWrite {
    int first = 0;
    std::vector<std::uint8_t> bytes;
};

// Answers one whole Modbus TCP request (header and PDU) from the tables;
// a write of holding registers is handed back in `write` for the caller to
// apply. Empty when the frame is not a request at all, a function code of
// 0 or of an answer (80h and above) included: then the client is dropped.
std::vector<std::uint8_t> AnswerPlcRequest(const std::uint8_t* frame, std::size_t size,
                                           const PlcTables& tables, PlcWrite& write);

} // namespace varkel::sim
