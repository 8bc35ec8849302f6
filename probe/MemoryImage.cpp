#include "probe/MemoryImage.h"

#include <algorithm>

namespace varkel {

void MemoryImage::Clear() {
    bytes_.fill(0);
    owners_.fill(kUnfilled);
}

std::vector<std::uint8_t> MemoryImage::StoredBytes(Swapping swapping,
                                                   const std::vector<std::uint16_t>& registers) {
    std::vector<std::uint8_t> out;
    out.reserve(registers.size() * 2);
    for (std::uint16_t r : registers) {
        out.push_back(static_cast<std::uint8_t>(r >> 8));
        out.push_back(static_cast<std::uint8_t>(r & 0xFF));
    }
    if (swapping == Swapping::TwoBytes) {
        for (std::size_t i = 0; i + 1 < out.size(); i += 2)
            std::swap(out[i], out[i + 1]);
    } else if (swapping == Swapping::FourBytes) {
        for (std::size_t i = 0; i + 3 < out.size(); i += 4)
            std::reverse(out.begin() + static_cast<long>(i),
                         out.begin() + static_cast<long>(i) + 4);
    }
    return out;
}

void MemoryImage::Place(const ProbeCommand& command, const ProbeResult& result) {
    if (command.output || result.status != ProbeStatus::Ok)
        return;
    if (command.IsRegisters()) {
        const auto stored = StoredBytes(command.swapping, result.registers);
        for (std::size_t i = 0; i < stored.size(); ++i) {
            const std::size_t at = static_cast<std::size_t>(command.mapByte) + i;
            if (at >= bytes_.size())
                break;
            bytes_[at] = stored[i];
            owners_[at] = result.command;
        }
        return;
    }
    const int first = command.FirstBit();
    for (std::size_t i = 0; i < result.bits.size(); ++i) {
        const int bit = first + static_cast<int>(i);
        if (bit >= kMemoryDataBits)
            break;
        const auto at = static_cast<std::size_t>(bit / 8);
        const auto mask = static_cast<std::uint8_t>(1u << (bit % 8));
        bytes_[at] =
            static_cast<std::uint8_t>(result.bits[i] ? bytes_[at] | mask : bytes_[at] & ~mask);
        owners_[at] = result.command;
    }
}

std::string MemoryImage::Hex() const {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes_.size() * 2);
    for (std::uint8_t b : bytes_) {
        out += digits[b >> 4];
        out += digits[b & 0x0F];
    }
    return out;
}

std::string MemoryImage::RangeText(const ProbeCommand& command) {
    const int first = command.FirstBit(), last = command.LastBit();
    return std::to_string(first / 8) + "." + std::to_string(first % 8) + "-" +
           std::to_string(last / 8) + "." + std::to_string(last % 8);
}

} // namespace varkel
