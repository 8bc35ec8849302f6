#include "probe/ModbusWriter.h"

#include <algorithm>

namespace varkel {

std::vector<std::uint8_t> ModbusWriter::Request(const ModbusWrite& write) {
    std::vector<std::uint8_t> out;
    auto put = [&out](int v) { out.push_back(static_cast<std::uint8_t>(v & 0xFF)); };
    auto putWord = [&put](int v) {
        put(v >> 8);
        put(v);
    };
    put(write.slave);
    put(write.function);
    putWord(write.address);
    const int count = write.Count();
    switch (write.function) {
    case 5:
        putWord(!write.bits.empty() && write.bits[0] ? 0xFF00 : 0x0000);
        break;
    case 6:
        putWord(write.registers.empty() ? 0 : write.registers[0]);
        break;
    case 15: {
        putWord(count);
        put((count + 7) / 8);
        for (int byte = 0; byte < (count + 7) / 8; ++byte) {
            int packed = 0;
            for (int bit = 0; bit < 8 && 8 * byte + bit < count; ++bit)
                if (write.bits[8 * static_cast<std::size_t>(byte) + static_cast<std::size_t>(bit)])
                    packed |= 1 << bit;
            put(packed);
        }
        break;
    }
    default:
        putWord(count);
        put(2 * count);
        for (std::uint16_t r : write.registers)
            putWord(r);
        break;
    }
    return out;
}

void ModbusWriter::InterpretWrite(const ModbusWrite& write, const std::vector<std::uint8_t>& answer,
                                  ProbeResult& result) {
    result.registers.clear();
    result.bits.clear();
    result.exception = 0;
    if (answer.size() < 3 || answer[0] != write.slave) {
        result.status = ProbeStatus::Mismatch;
        return;
    }
    if (answer[1] == (write.function | 0x80)) {
        result.status = answer.size() == 3 ? ProbeStatus::Exception : ProbeStatus::Mismatch;
        result.exception = answer.size() == 3 ? answer[2] : 0;
        return;
    }
    // The echo: unit, function, address, then the value (5, 6) or the count
    // (15, 16), which are the request's first six bytes either way.
    const std::vector<std::uint8_t> request = Request(write);
    const bool echoed =
        answer.size() == 6 && std::equal(answer.begin(), answer.end(), request.begin());
    result.status = echoed ? ProbeStatus::Ok : ProbeStatus::Mismatch;
}

} // namespace varkel
