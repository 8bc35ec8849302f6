#include "probe/MemoryImage.h"

#include <algorithm>

namespace varkel {

void MemoryImage::Clear() {
    bytes_.fill(0);
    owners_.fill(kUnfilled);
}

namespace {

// Both swappings exchange bytes within a group and are their own inverse.
void Swap(Swapping swapping, std::vector<std::uint8_t>& bytes) {
    if (swapping == Swapping::TwoBytes) {
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
            std::swap(bytes[i], bytes[i + 1]);
    } else if (swapping == Swapping::FourBytes) {
        for (std::size_t i = 0; i + 3 < bytes.size(); i += 4)
            std::reverse(bytes.begin() + static_cast<long>(i),
                         bytes.begin() + static_cast<long>(i) + 4);
    }
}

void SetBit(MemoryBytes& memory, int bit, bool on) {
    const auto at = static_cast<std::size_t>(bit / 8);
    const auto mask = static_cast<std::uint8_t>(1u << (bit % 8));
    memory[at] = static_cast<std::uint8_t>(on ? memory[at] | mask : memory[at] & ~mask);
}

// The bytes a register command takes, clipped to the memory.
std::size_t RegisterBytes(const ProbeCommand& command) {
    const auto first = static_cast<std::size_t>(std::clamp(command.mapByte, 0, kMemoryBytes));
    return std::min<std::size_t>(2 * static_cast<std::size_t>(std::max(command.count, 0)),
                                 kMemoryBytes - first);
}

} // namespace

void PlaceReadData(MemoryBytes& memory, const ProbeCommand& command, const ProbeResult& result) {
    if (result.status != ProbeStatus::Ok)
        return;
    if (command.IsRegisters()) {
        const auto stored = MemoryImage::StoredBytes(command.swapping, result.registers);
        const auto first = static_cast<std::size_t>(std::clamp(command.mapByte, 0, kMemoryBytes));
        for (std::size_t i = 0; i < stored.size() && first + i < memory.size(); ++i)
            memory[first + i] = stored[i];
        return;
    }
    const int first = command.FirstBit();
    for (std::size_t i = 0; i < result.bits.size(); ++i) {
        const int bit = first + static_cast<int>(i);
        if (bit < 0 || bit >= kMemoryDataBits)
            break;
        SetBit(memory, bit, result.bits[i] != 0);
    }
}

void ClearCommandData(MemoryBytes& memory, const ProbeCommand& command) {
    if (command.IsRegisters()) {
        const auto first = static_cast<std::size_t>(std::clamp(command.mapByte, 0, kMemoryBytes));
        std::fill_n(memory.begin() + static_cast<long>(first), RegisterBytes(command), 0);
        return;
    }
    for (int bit = std::max(command.FirstBit(), 0);
         bit <= command.LastBit() && bit < kMemoryDataBits; ++bit)
        SetBit(memory, bit, false);
}

ModbusWrite OutputWrite(const MemoryBytes& memory, const ProbeCommand& command) {
    ModbusWrite write;
    write.slave = command.slave;
    write.function = command.function;
    write.address = command.address;
    if (command.IsRegisters()) {
        const auto first = static_cast<std::size_t>(std::clamp(command.mapByte, 0, kMemoryBytes));
        std::vector<std::uint8_t> stored(2 * static_cast<std::size_t>(std::max(command.count, 0)),
                                         0);
        std::copy_n(memory.begin() + static_cast<long>(first), RegisterBytes(command),
                    stored.begin());
        write.registers = MemoryImage::RegistersOf(command.swapping, std::move(stored));
        return write;
    }
    for (int i = 0; i < command.count; ++i) {
        const int bit = command.FirstBit() + i;
        const bool on = bit >= 0 && bit < kMemoryDataBits &&
                        (memory[static_cast<std::size_t>(bit / 8)] >> (bit % 8) & 1);
        write.bits.push_back(on ? 1 : 0);
    }
    return write;
}

std::vector<std::uint8_t> MemoryImage::StoredBytes(Swapping swapping,
                                                   const std::vector<std::uint16_t>& registers) {
    std::vector<std::uint8_t> out;
    out.reserve(registers.size() * 2);
    for (std::uint16_t r : registers) {
        out.push_back(static_cast<std::uint8_t>(r >> 8));
        out.push_back(static_cast<std::uint8_t>(r & 0xFF));
    }
    Swap(swapping, out);
    return out;
}

std::vector<std::uint16_t> MemoryImage::RegistersOf(Swapping swapping,
                                                    std::vector<std::uint8_t> stored) {
    Swap(swapping, stored);
    std::vector<std::uint16_t> out;
    for (std::size_t i = 0; i + 1 < stored.size(); i += 2)
        out.push_back(static_cast<std::uint16_t>(stored[i] << 8 | stored[i + 1]));
    return out;
}

void MemoryImage::Place(const ProbeCommand& command, const ProbeResult& result) {
    if (command.output || result.status != ProbeStatus::Ok)
        return;
    PlaceReadData(bytes_, command, result);
    // The bytes the data went into now belong to this command.
    if (command.IsRegisters()) {
        const std::size_t count = result.registers.size() * 2;
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t at = static_cast<std::size_t>(command.mapByte) + i;
            if (at >= owners_.size())
                break;
            owners_[at] = result.command;
        }
        return;
    }
    const int first = command.FirstBit();
    for (std::size_t i = 0; i < result.bits.size(); ++i) {
        const int bit = first + static_cast<int>(i);
        if (bit >= kMemoryDataBits)
            break;
        owners_[static_cast<std::size_t>(bit / 8)] = result.command;
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
