#include "probe/ModbusWriter.h"

#include <algorithm>

namespace varkel {

std::vector<std::uint8_t> ModbusWriter::Request(const ModbusWrite& write) {
    auto high = [](int v) { return static_cast<std::uint8_t>((v >> 8) & 0xFF); };
    auto low = [](int v) { return static_cast<std::uint8_t>(v & 0xFF); };
    std::vector<std::uint8_t> out{static_cast<std::uint8_t>(write.slave),
                                  static_cast<std::uint8_t>(write.function), high(write.address),
                                  low(write.address)};
    switch (write.function) {
    case 5: {
        const bool on = !write.bits.empty() && write.bits[0];
        out.insert(out.end(), {static_cast<std::uint8_t>(on ? 0xFF : 0x00), 0x00});
        break;
    }
    case 6: {
        const int value = write.registers.empty() ? 0 : write.registers[0];
        out.insert(out.end(), {high(value), low(value)});
        break;
    }
    case 15: {
        const int count = write.Count();
        out.insert(out.end(),
                   {high(count), low(count), static_cast<std::uint8_t>((count + 7) / 8)});
        std::vector<std::uint8_t> packed(static_cast<std::size_t>((count + 7) / 8), 0);
        for (int i = 0; i < count; ++i)
            if (write.bits[static_cast<std::size_t>(i)])
                packed[static_cast<std::size_t>(i / 8)] |= static_cast<std::uint8_t>(1u << (i % 8));
        out.insert(out.end(), packed.begin(), packed.end());
        break;
    }
    default: {
        const int count = write.Count();
        out.insert(out.end(), {high(count), low(count), static_cast<std::uint8_t>(2 * count)});
        for (std::uint16_t r : write.registers)
            out.insert(out.end(), {high(r), low(r)});
        break;
    }
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
