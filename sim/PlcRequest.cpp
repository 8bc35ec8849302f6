#include "sim/PlcRequest.h"

namespace varkel::sim {
namespace {

constexpr std::size_t kHeader = 7; // transaction, protocol, length, unit
constexpr int kMostRegistersRead = 125;
constexpr int kMostRegistersWritten = 123;

int Word(const std::uint8_t* at) {
    return at[0] << 8 | at[1];
}

void PutWord(std::vector<std::uint8_t>& out, int value) {
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
}

std::uint16_t MemoryRegister(const MemoryBytes& memory, int k) {
    return static_cast<std::uint16_t>(memory[static_cast<std::size_t>(2 * k)] << 8 |
                                      memory[static_cast<std::size_t>(2 * k + 1)]);
}

// Whether registers [first, first + count) lie within [from, to).
bool Within(int first, int count, int from, int to) {
    return first >= from && first + count <= to;
}

std::uint16_t InputRegister(const PlcTables& t, int r) {
    if (r < kPlcMemoryRegisters)
        return MemoryRegister(t.input, r);
    if (r < kPlcStatusRegister + kMaxCommands)
        return t.status[static_cast<std::size_t>(r - kPlcStatusRegister)];
    if (r == kPlcCyclesRegister)
        return static_cast<std::uint16_t>(t.cycles >> 16);
    if (r == kPlcCyclesRegister + 1)
        return static_cast<std::uint16_t>(t.cycles & 0xFFFF);
    return t.lastCycleTenthsMs;
}

} // namespace

long ModbusTcpFrameLength(const std::uint8_t* data, std::size_t size) {
    if (size < 6)
        return 0;
    const int protocol = Word(data + 2);
    const int length = Word(data + 4); // unit and PDU
    if (protocol != 0 || length < 2 || length > 254)
        return -1;
    return 6 + length;
}

std::vector<std::uint8_t> AnswerPlcRequest(const std::uint8_t* frame, std::size_t size,
                                           const PlcTables& tables, PlcWrite& write) {
    write = PlcWrite{};
    if (size < kHeader + 1 || ModbusTcpFrameLength(frame, size) != static_cast<long>(size))
        return {};
    const std::uint8_t* pdu = frame + kHeader;
    const std::size_t pduSize = size - kHeader;
    const int function = pdu[0];
    // 0 and codes with the top bit (those of answers) are no request.
    if (function == 0 || function >= 0x80)
        return {};
    std::vector<std::uint8_t> body; // the answer's PDU
    auto exception = [&](int code) {
        body = {static_cast<std::uint8_t>(function | 0x80), static_cast<std::uint8_t>(code)};
    };
    const int address = pduSize >= 3 ? Word(pdu + 1) : 0;
    const int count = pduSize >= 5 ? Word(pdu + 3) : 0;
    switch (function) {
    case 3:
    case 4: {
        if (pduSize != 5 || count < 1 || count > kMostRegistersRead) {
            exception(3);
            break;
        }
        const bool ok = function == 3 ? Within(address, count, 0, kPlcMemoryRegisters)
                                      : Within(address, count, 0, kPlcMemoryRegisters) ||
                                            Within(address, count, kPlcStatusRegister,
                                                   kPlcStatusRegister + kMaxCommands) ||
                                            Within(address, count, kPlcCyclesRegister,
                                                   kPlcCycleTimeRegister + 1);
        if (!ok) {
            exception(2);
            break;
        }
        body = {static_cast<std::uint8_t>(function), static_cast<std::uint8_t>(2 * count)};
        for (int r = address; r < address + count; ++r)
            PutWord(body,
                    function == 3 ? MemoryRegister(tables.output, r) : InputRegister(tables, r));
        break;
    }
    case 6:
        if (pduSize != 5) {
            exception(3);
        } else if (address >= kPlcMemoryRegisters) {
            exception(2);
        } else {
            write.first = 2 * address;
            write.bytes = {pdu[3], pdu[4]};
            body.assign(pdu, pdu + 5);
        }
        break;
    case 16: {
        if (pduSize < 6 || count < 1 || count > kMostRegistersWritten || pdu[5] != 2 * count ||
            pduSize != 6 + static_cast<std::size_t>(2 * count)) {
            exception(3);
        } else if (!Within(address, count, 0, kPlcMemoryRegisters)) {
            exception(2);
        } else {
            write.first = 2 * address;
            write.bytes.assign(pdu + 6, pdu + 6 + 2 * count);
            body.assign(pdu, pdu + 5);
        }
        break;
    }
    default:
        exception(1);
        break;
    }
    std::vector<std::uint8_t> answer(frame, frame + 4); // transaction, protocol
    PutWord(answer, static_cast<int>(body.size()) + 1);
    answer.push_back(frame[6]); // the unit, whichever it is
    answer.insert(answer.end(), body.begin(), body.end());
    return answer;
}

} // namespace varkel::sim
